#pragma once

class CQuarnDoc;

// The commands on whole project files. Each returns the exit code; a project that is not
// there, is damaged or is of a newer version is a failure (the load has said why).

// Writes a new project: the defaults, with the options of the options file.
int NewProject(CQuarnDoc& doc, const char* outPath);

// Loads a project and saves it again.
int ResaveProject(CQuarnDoc& doc, const char* inPath, const char* outPath);

// Loads a project, recalculates everything from its stored inputs and saves it.
int RecalcProject(CQuarnDoc& doc, const char* inPath, const char* outPath);

// Prints the whole project as JSON.
int DumpProject(CQuarnDoc& doc, const char* inPath);

// Prints the project's names, options, supplied inputs and, with general data, the design
// figures in its output units.
int PrintProjectSummary(CQuarnDoc& doc, const char* inPath);
