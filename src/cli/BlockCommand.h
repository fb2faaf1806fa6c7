#pragma once

#include <string>
#include <vector>

class CQuarnDoc;

// What the block command was given.
struct BlockArgs {
    std::vector<std::string> files;   // the spaces' project files
    std::vector<std::string> counts;  // FILE=N
    std::string strName;              // the building name; empty: "Block"
    int nOutputUnits = -1;            // a units code; -1: the first space's own
    bool bTable = false;              // the block total table instead of the summary
    std::string strCsvDir;            // empty when not wanted
    std::string strJsonPath;          // empty when not wanted
    std::string strRender;            // "summary" to draw it into strOut; empty: print
    std::string strOut;               // the drawing: OUT.svg or OUT.pdf
};

// Loads the spaces and prints the block load summary (or table), or writes the block tables.
// Returns the exit code; nothing is printed to standard output when a space is refused.
int RunBlock(CQuarnDoc& doc, const BlockArgs& args);
