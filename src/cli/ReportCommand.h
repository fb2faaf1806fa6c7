#pragma once

#include <string>

class CQuarnDoc;

// In both commands units is 0 or 1 to show the project in that unit system (English or
// metric), -1 for its own.

// thermavo-cli report FILE.Spc KIND [--output-units english|metric]
// Draws a table or report kind of a saved project the way a 1000 x 800 pane shows it and
// prints the text the Copy command would put on the clipboard. Returns the exit code.
int RunReport(CQuarnDoc& doc, const char* path, int kind, int units);

// thermavo-cli export FILE.Spc --csv DIR | --json FILE [--output-units english|metric]
// Writes the values of every table kind in the output unit system: one kind-NNN.csv per kind
// (title line, "Hour,Jan,...,Dec", 24 rows), or one JSON document keyed by kind; csvDir or
// jsonPath is null when not wanted. Returns the exit code.
int RunExport(CQuarnDoc& doc, const char* path, const char* csvDir, const char* jsonPath,
              int units);

// Shared by the commands that show a view of a saved project.
// Loads the project and, when outputUnits is 0 or 1, shows it in that unit system.
bool LoadForView(CQuarnDoc& doc, const char* path, int outputUnits);

// Writes text to the file at path, replacing it whole; false after saying why on stderr.
bool WriteText(const std::string& path, const std::string& text);
