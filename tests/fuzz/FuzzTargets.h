#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The fuzz entry points. Each takes one untrusted input, runs it through the reader the
// program uses for it and on through what the program does next with what was read, and
// aborts (naming the broken rule on stderr) when a rule that must hold for every input is
// broken; a sanitizer report aborts on its own. Messages go to a recording sink. The libFuzzer
// harnesses and the replay test call these same functions.
//
// Every entry point runs in one shared environment made on first use: a private configuration
// folder holding an options file of four zeros, and a private copy of the reference data
// folder that the recalculations read.
using FuzzEntryPoint = void (*)(const uint8_t* data, size_t size);

// A project file: loaded; if it loads, save, load, save must give the same bytes twice; if
// it is refused, it is reported and the document is left as it was.
void FuzzSpcRoundtrip(const uint8_t* data, size_t size);

// A project file loaded, every view kind drawn from its stored results (as opening it shows
// them), recalculated as `thermavo-cli recalc` does, and every view kind drawn again, a graph,
// a table and the reports printed too; with the summary pane's text, the summary figures and
// the JSON dump each time.
void FuzzSpcViews(const uint8_t* data, size_t size);

// An options file, read by a new project; then the project saved and loaded and the reports,
// a table and a graph drawn with those options.
void FuzzOptions(const uint8_t* data, size_t size);

// A CSV source of a reference table: byte 0 is the file number NN, the rest is qlexNN.csv.
// A source that parses and passes the table check must encode to a data file that decodes
// to the very same values.
void FuzzCsvSource(const uint8_t* data, size_t size);

// A reference data file: byte 0 is the file number NN, the rest is qlexNN.dat, decoded in
// memory and read from a file; both must agree, and a decoded file must encode to its bytes.
void FuzzDatDecode(const uint8_t* data, size_t size);

// A reference data file swapped into the data folder: byte 0 is the file number NN (plus 128
// for the example house instead of the example office), the rest is qlexNN.dat. The example
// project is recalculated with it and every report, the total graph and the total table are
// drawn, printed too; the original file is put back.
void FuzzDatRecalc(const uint8_t* data, size_t size);

// A JSON project description applied to a new project as `thermavo-cli build` does; if it is
// accepted, save, load, save must give the same bytes, and every view kind is drawn.
// Views are drawn on the recording canvas, on screen and, where said, printed.
void FuzzJsonProject(const uint8_t* data, size_t size);

struct FuzzTarget {
    const char* pszName;  // the harness's name: its executable, corpus and regression folders
    FuzzEntryPoint entry;
};

const std::vector<FuzzTarget>& AllFuzzTargets();

// Null when no harness has the name.
FuzzEntryPoint FindFuzzTarget(const std::string& name);

// Writes the seed corpus of every harness into dir/<name>/ from a new project, the examples
// and the reference data sources. False, with the cause, when a seed cannot be made.
bool WriteFuzzSeeds(const std::string& dir, std::string& error);
