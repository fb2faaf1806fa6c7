#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}
class CQuarnDoc;

// What a command line gave, typed; each command binds the fields it takes.
struct CommandArgs {
    std::string strIn;           // the project, description, data file or folder read
    std::string strOut;          // the project, drawing or folder written
    int nKind = 0;               // a view kind
    std::string strOutputUnits;  // "english" or "metric"; empty: the project's own
    std::string strCsvDir;       // export: empty when not wanted
    std::string strJsonPath;     // export: empty when not wanted
    bool bPrint = false;         // render: the printed layout
    int nPage = 1;               // render: the page of the input data report
    std::string strText;         // stations: part of a name
    bool bIndex = false;         // stations: nIndex was given
    int nIndex = 0;
    bool bStrict = false;             // tables check: a missing file fails too
    bool bMetric = false;             // uvalue
    bool bList = false;               // uvalue: the material table
    std::vector<std::string> items;   // uvalue: ID[=THICKNESS_OR_COUNT]
    std::vector<std::string> files;   // block: the spaces' project files
    std::vector<std::string> counts;  // block: FILE=N
    std::string strName;              // block: the building name
    bool bTable = false;              // block: the block table rather than the summary
    std::string strRender;            // block: the drawing to render, "summary"
};

// One way of calling a command: its synopsis as the usage text and the README show it, and
// what it does (lines separated by '\n').
struct CommandForm {
    const char* pszSynopsis;
    const char* pszSummary;
};

// One command of thermavo-cli.
struct CliCommand {
    // "report"; a command of a group is named by both words, "tables check".
    const char* pszName;
    std::vector<CommandForm> forms;
    // Declares the command's positionals and options, bound to the fields of args.
    void (*define)(CLI::App& command, CommandArgs& args);
    // What the options cannot say about each other: empty when the arguments fit together,
    // else why not. Null when the options say everything.
    std::string (*check)(const CommandArgs& args);
    // Runs the command; returns the exit code.
    int (*run)(CQuarnDoc& doc, const CommandArgs& args);
};

// Every command, in the order the usage text lists them.
const std::vector<CliCommand>& CliCommands();

// The usage text: every form of every command.
std::string UsageText();

// Parses the command line by the table and runs its command. Returns the exit code: 0 for
// --help and --version, 2 for a command line the table refuses (after saying why on stderr),
// else the command's own.
int RunCommandLine(int argc, const char* const* argv);
