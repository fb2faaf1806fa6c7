#pragma once

class CQuarnDoc;

// thermavo-cli report FILE.Spc KIND [--output-units english|metric]
// Draws a table or report kind of a saved project the way a 1000 x 800 pane shows it and
// prints the text the Copy command would put on the clipboard. args are the words after
// "report". Returns the exit code.
int RunReport(CQuarnDoc& doc, int argc, char** args);

// thermavo-cli export FILE.Spc --csv DIR | --json FILE [--output-units english|metric]
// Writes the values of every table kind in the output unit system: one kind-NNN.csv per kind
// (title line, "Hour,Jan,...,Dec", 24 rows), or one JSON document keyed by kind. args are the
// words after "export". Returns the exit code.
int RunExport(CQuarnDoc& doc, int argc, char** args);

// Shared by the commands that show a view of a saved project.
// --output-units english|metric at args[i]; advances i past it. False (after saying why) for
// any other word.
bool ParseOutputUnits(int argc, char** args, int& i, int& units);
// Loads the project and, when outputUnits is 0 or 1, shows it in that unit system.
bool LoadForView(CQuarnDoc& doc, const char* path, int outputUnits);
// A view kind number; false for anything else.
bool ParseKind(const char* text, int& kind);
