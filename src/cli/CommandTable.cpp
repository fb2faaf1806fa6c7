// The commands of thermavo-cli: one entry each, from which the parser, the usage text and every
// command's --help are made.
#include "CommandTable.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "BlockCommand.h"
#include "BuildCommand.h"
#include "ProjectCommands.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "StationCommand.h"
#include "TablesCommand.h"
#include "UValueCommand.h"
#include "units/Units.h"

namespace {

// Whole numbers are read in decimal only: the library's own conversion would take 0101 as
// octal and 0x65 as hexadecimal. Rewrites the text to its plain decimal form.
CLI::Validator Decimal() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            int value = 0;
            const char* end = text.data() + text.size();
            const auto [ptr, ec] = std::from_chars(text.data(), end, value);
            if (text.empty() || ec != std::errc() || ptr != end) {
                return "\"" + text + "\" is not a whole number";
            }
            text = std::to_string(value);
            return {};
        },
        "");
}

CLI::Option* AddInput(CLI::App& command, CommandArgs& a, const char* name, const char* what) {
    return command.add_option(name, a.strIn, what)->required();
}

void AddKind(CLI::App& command, CommandArgs& a, const char* what) {
    command.add_option("KIND", a.nKind, what)->required()->transform(Decimal());
}

void AddOutputUnits(CLI::App& command, CommandArgs& a) {
    command.add_option("--output-units", a.strOutputUnits, "instead of the project's own")
        ->check(CLI::IsMember({"english", "metric"}));
}

int OutputUnits(const CommandArgs& a) {
    if (a.strOutputUnits == "english") return kEnglishUnitsCode;
    if (a.strOutputUnits == "metric") return kMetricUnitsCode;
    return -1;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

std::vector<CliCommand> MakeCommands() {
    return {
        {"new",
         {{"new OUT.Spc", "write a new project (defaults, options from the options file)"}},
         [](CLI::App& c, CommandArgs& a) {
             c.add_option("OUT.Spc", a.strOut, "the project file to write")->required();
         },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) { return NewProject(doc, a.strOut.c_str()); }},
        {"resave",
         {{"resave IN.Spc OUT.Spc", "load a project and save it again"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "IN.Spc", "the project file to read");
             c.add_option("OUT.Spc", a.strOut, "the project file to write")->required();
         },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return ResaveProject(doc, a.strIn.c_str(), a.strOut.c_str());
         }},
        {"summary",
         {{"summary IN.Spc", "print a summary of a project"}},
         [](CLI::App& c, CommandArgs& a) { AddInput(c, a, "IN.Spc", "the project file"); },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return PrintProjectSummary(doc, a.strIn.c_str());
         }},
        {"recalc",
         {{"recalc IN.Spc OUT.Spc", "recalculate a project from its stored inputs"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "IN.Spc", "the project file to read");
             c.add_option("OUT.Spc", a.strOut, "the project file to write")->required();
         },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return RecalcProject(doc, a.strIn.c_str(), a.strOut.c_str());
         }},
        {"build",
         {{"build PROJECT.json -o OUT.Spc",
           "build a project from a JSON description\n(docs/project-json.md; examples/*.json)"},
          {"build BUILDING.json -o DIR",
           "build one project per space of a building into DIR\nand print its block load"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "PROJECT.json", "the project description");
             c.add_option("-o", a.strOut,
                          "the project file, or for a building the folder, to write")
                 ->required()
                 ->type_name("OUT.Spc|DIR");
         },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return BuildProject(a.strIn.c_str(), a.strOut.c_str(), doc);
         }},
        {"dump",
         {{"dump IN.Spc", "print the whole project as JSON"}},
         [](CLI::App& c, CommandArgs& a) { AddInput(c, a, "IN.Spc", "the project file"); },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) { return DumpProject(doc, a.strIn.c_str()); }},
        {"stations",
         {{"stations [TEXT]", "list the stations whose name contains TEXT (any case)"},
          {"stations --index N", "print the design climate of station N"}},
         [](CLI::App& c, CommandArgs& a) {
             CLI::Option* text =
                 c.add_option("TEXT", a.strText, "part of a station name; all stations without");
             c.add_option_function<int>(
                  "--index",
                  [&a](const int& index) {
                      a.nIndex = index;
                      a.bIndex = true;
                  },
                  "the station index")
                 ->type_name("N")
                 ->transform(Decimal())
                 ->excludes(text);
         },
         nullptr,
         [](CQuarnDoc&, const CommandArgs& a) {
             return a.bIndex ? PrintStationClimate(a.nIndex)
                             : ListStationsMatching(a.strText.c_str());
         }},
        {"tables check",
         {{"tables check [--strict] DIR", "validate a folder of reference data files"}},
         [](CLI::App& c, CommandArgs& a) {
             c.add_flag("--strict", a.bStrict, "a missing file is a failure too");
             AddInput(c, a, "DIR", "the folder of qlexNN.dat files");
         },
         nullptr,
         [](CQuarnDoc&, const CommandArgs& a) { return CheckTables(a.strIn.c_str(), a.bStrict); }},
        {"tables build",
         {{"tables build CSV_DIR OUT_DIR", "turn qlexNN.csv sources into qlexNN.dat files"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "CSV_DIR", "the folder of qlexNN.csv sources");
             c.add_option("OUT_DIR", a.strOut, "the folder to write the qlexNN.dat files to")
                 ->required();
         },
         nullptr,
         [](CQuarnDoc&, const CommandArgs& a) {
             return BuildTables(a.strIn.c_str(), a.strOut.c_str());
         }},
        {"tables show",
         {{"tables show FILE.dat", "print a reference data file as a table"}},
         [](CLI::App& c, CommandArgs& a) { AddInput(c, a, "FILE.dat", "the data file"); },
         nullptr,
         [](CQuarnDoc&, const CommandArgs& a) { return ShowTable(a.strIn.c_str()); }},
        {"uvalue",
         {{"uvalue [--metric] ITEM[=THICKNESS_OR_COUNT] ...",
           "U-value of layers of the material table"},
          {"uvalue --list", "print the material table: id, kind, factor, label"}},
         [](CLI::App& c, CommandArgs& a) {
             CLI::Option* metric =
                 c.add_flag("--metric", a.bMetric, "thicknesses in mm, R and U in metric units");
             CLI::Option* items =
                 c.add_option("ITEM", a.items,
                              "a material id, =THICKNESS (in, mm with --metric) or =COUNT")
                     ->type_name("ID[=THICKNESS_OR_COUNT]");
             c.add_flag("--list", a.bList, "print the material table")
                 ->excludes(metric)
                 ->excludes(items);
         },
         [](const CommandArgs& a) -> std::string {
             if (a.bList || !a.items.empty()) return {};
             return "uvalue: give at least one ITEM, or --list";
         },
         [](CQuarnDoc&, const CommandArgs& a) {
             return a.bList ? ListUValueMaterials() : RunUValue(a.items, a.bMetric);
         }},
        {"report",
         {{"report IN.Spc KIND [--output-units english|metric]",
           "print a table or report (kinds 101..152, 170..177, 180..187,\n"
           "200..202) as Copy gives it"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "IN.Spc", "the project file");
             AddKind(c, a, "a table or report kind");
             AddOutputUnits(c, a);
         },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return RunReport(doc, a.strIn.c_str(), a.nKind, OutputUnits(a));
         }},
        {"export",
         {{"export IN.Spc --csv DIR | --json FILE [--output-units english|metric]",
           "write the values of every table kind"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "IN.Spc", "the project file");
             c.add_option("--csv", a.strCsvDir, "write one kind-NNN.csv per table kind into DIR")
                 ->type_name("DIR");
             c.add_option("--json", a.strJsonPath, "write every table kind into one JSON file")
                 ->type_name("FILE");
             AddOutputUnits(c, a);
         },
         [](const CommandArgs& a) -> std::string {
             if (!a.strCsvDir.empty() || !a.strJsonPath.empty()) return {};
             return "export: give --csv DIR, --json FILE or both";
         },
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return RunExport(doc, a.strIn.c_str(), OrNull(a.strCsvDir), OrNull(a.strJsonPath),
                              OutputUnits(a));
         }},
        {"block",
         {{"block SPACE.Spc ... [--count FILE=N ...] [--name TEXT] [--table] [--output-units "
           "english|metric]",
           "print the coincident block load of several spaces of one climate"},
          {"block SPACE.Spc ... [--count FILE=N ...] --csv DIR | --json FILE",
           "write every block load table"},
          {"block SPACE.Spc ... [--count FILE=N ...] --render summary|table|graph -o "
           "OUT.svg|OUT.pdf",
           "draw the block load summary, total table or graph (PDF: the printed pages)"}},
         [](CLI::App& c, CommandArgs& a) {
             c.add_option("SPACE.Spc", a.files, "the spaces' project files")->required();
             c.add_option("--count", a.counts, "how many identical copies of a space (default 1)")
                 ->type_name("FILE=N");
             c.add_option("--name", a.strName, "the building name")->type_name("TEXT");
             c.add_flag("--table", a.bTable, "print the block total table instead of the summary");
             c.add_option("--csv", a.strCsvDir, "write one item-NN.csv per load item into DIR")
                 ->type_name("DIR");
             c.add_option("--json", a.strJsonPath, "write every block table into one JSON file")
                 ->type_name("FILE");
             c.add_option("--render", a.strRender,
                          "draw the block load summary, table or graph into -o")
                 ->check(CLI::IsMember({"summary", "table", "graph"}));
             c.add_option("-o", a.strOut, "with --render, the drawing to write, by its extension")
                 ->type_name("OUT.svg|OUT.pdf");
             AddOutputUnits(c, a);
         },
         [](const CommandArgs& a) -> std::string {
             const int outputs = (a.bTable ? 1 : 0) + (a.strRender.empty() ? 0 : 1) +
                                 (a.strCsvDir.empty() && a.strJsonPath.empty() ? 0 : 1);
             if (outputs > 1) {
                 return "block: give one of --table, --render and --csv/--json";
             }
             if (a.strRender.empty() != a.strOut.empty()) {
                 return "block: --render and -o go together";
             }
             return {};
         },
         [](CQuarnDoc& doc, const CommandArgs& a) {
             BlockArgs b;
             b.files = a.files;
             b.counts = a.counts;
             b.strName = a.strName;
             b.nOutputUnits = OutputUnits(a);
             b.bTable = a.bTable;
             b.strCsvDir = a.strCsvDir;
             b.strJsonPath = a.strJsonPath;
             b.strRender = a.strRender;
             b.strOut = a.strOut;
             return RunBlock(doc, b);
         }},
        {"render",
         {{"render IN.Spc KIND -o OUT.svg|OUT.pdf [--print] [--page N] [--output-units "
           "english|metric]",
           "draw any view kind (graphs 1..87 too) to SVG or PDF"}},
         [](CLI::App& c, CommandArgs& a) {
             AddInput(c, a, "IN.Spc", "the project file");
             AddKind(c, a, "a view kind: graphs, tables and reports");
             c.add_option("-o", a.strOut, "the drawing to write, by its extension")
                 ->required()
                 ->type_name("OUT.svg|OUT.pdf");
             c.add_flag("--print", a.bPrint, "the printed layout in the SVG (a PDF always has it)");
             c.add_option("--page", a.nPage, "with --print, the page of the input data report")
                 ->type_name("N")
                 ->transform(Decimal())
                 ->check(CLI::Range(1, kInputDataPages));
             AddOutputUnits(c, a);
         },
         nullptr,
         [](CQuarnDoc& doc, const CommandArgs& a) {
             return RunRender(doc, a.strIn.c_str(), a.nKind, a.strOut, a.bPrint, a.nPage,
                              OutputUnits(a));
         }},
    };
}

}  // namespace

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = MakeCommands();
    return commands;
}
