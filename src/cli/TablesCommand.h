#pragma once

// The tables command: reference data files without the calculation. Each returns the exit code.

// Validates a folder of data files: every file present (missing ones are listed), exact sizes,
// finite values, the steam table ascending. With strict, a missing file is a failure too.
int CheckTables(const char* dir, bool strict);

// Turns every qlexNN.csv of a folder into qlexNN.dat in another; a source whose shape is not its
// file's is an error and nothing of it is written.
int BuildTables(const char* csvDir, const char* outDir);

// Prints a data file as a table.
int ShowTable(const char* path);
