// thermavo-cli: the program's project operations without a window.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "BuildCommand.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "StationCommand.h"
#include "StderrMessages.h"
#include "TablesCommand.h"
#include "UValueCommand.h"
#include "calc/PeakSearch.h"
#include "document/DocumentJson.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "paths/InstallDir.h"

namespace {

const char* const kUsage =
    "usage: thermavo-cli COMMAND ...\n"
    "  new OUT.Spc             write a new project (defaults, options from the options file)\n"
    "  resave IN.Spc OUT.Spc   load a project and save it again\n"
    "  summary IN.Spc          print a summary of a project\n"
    "  recalc IN.Spc OUT.Spc   recalculate a project from its stored inputs\n"
    "  build PROJECT.json -o OUT.Spc   build a project from a JSON description\n"
    "  dump IN.Spc             print the whole project as JSON\n"
    "  stations [TEXT]         list the stations whose name contains TEXT\n"
    "  stations --index N      print the design climate of station N\n"
    "  tables check [--strict] DIR     validate a folder of reference data files\n"
    "  tables build CSV_DIR OUT_DIR    turn qlexNN.csv sources into qlexNN.dat files\n"
    "  tables show FILE.dat            print a reference data file as a table\n"
    "  uvalue [--metric] ITEM[=THICKNESS_OR_COUNT] ...  U-value of layers (uvalue --list)\n"
    "  report IN.Spc KIND [--output-units english|metric]   print a table or report (kinds\n"
    "                          101..152, 170..177, 180..187, 200..202) as Copy gives it\n"
    "  export IN.Spc --csv DIR | --json FILE [--output-units english|metric]\n"
    "                          write the values of every table kind\n"
    "  render IN.Spc KIND -o OUT.svg|OUT.pdf [--print] [--page N] [--output-units ...]\n"
    "                          draw any view kind (graphs too) to SVG or PDF\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

const char* YesNo(int flag) { return flag != 0 ? "yes" : "no"; }

void PrintSummary(CQuarnDoc& doc) {
    int windows = 0;
    for (const CWindowList& list : doc.m_aWindows) windows += list.GetSize();
    std::printf("Project Name:      %s\n", doc.GetProjectName().c_str());
    std::printf("Project Designer:  %s\n", doc.GetProjectDesigner().c_str());
    std::printf("Project Address:   %s\n", doc.GetProjectAddress().c_str());
    std::printf("Date:              %s\n", doc.GetProjectDate().c_str());
    std::printf("Station:           %s", doc.GetCityName().c_str());
    if (doc.IsCitySelected()) std::printf(" (%s)", doc.GetCityRegion().c_str());
    std::printf("\n");
    std::printf("Input Units:       %s\n", doc.GetInputUnitsName().c_str());
    std::printf("Output Units:      %s\n", doc.GetOutputUnitsName().c_str());
    std::printf("Display Size:      %s\n", doc.IsDisplaySmall() ? "Small" : "Large");
    std::printf("Font Size:         %s\n", doc.IsFontSmall() ? "Small" : "Large");
    std::printf("Windows:           %d\n", windows);
    std::printf("General data:      %s\n", YesNo(doc.m_bGeneralDataSupplied));
    std::printf("Glass windows:     %s\n", YesNo(doc.m_bWindowsSupplied));
    std::printf("Walls and roof:    %s\n", YesNo(doc.m_bWallsRoofSupplied));
    std::printf("Floor and ceiling: %s\n", YesNo(doc.m_bFloorCeilingSupplied));
    std::printf("Glass blocks:      %s\n", YesNo(doc.m_bGlassBlocksSupplied));
    if (!doc.m_bGeneralDataSupplied) return;
    // The design figures, in the project's output units.
    const PeakResult peak =
        FindPeak([&](int hour, int month) { return doc.GetLoadComponent(hour, month, 1); });
    static const char* const kMonths[13] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* cooling = doc.IsOutputMetric() ? "kW" : "Tons";
    const char* heating = doc.IsOutputMetric() ? "Watts" : "Btu/h";
    std::printf("Peak cooling load: %.2f %s, %s 21, solar hour %d\n", peak.dMax, cooling,
                kMonths[peak.nMaxMonth], peak.nMaxHour);
    std::printf("  room sensible:   %.2f %s\n",
                doc.GetLoadComponent(peak.nMaxHour, peak.nMaxMonth, 20), cooling);
    std::printf("  room latent:     %.2f %s\n",
                doc.GetLoadComponent(peak.nMaxHour, peak.nMaxMonth, 21), cooling);
    std::printf("Heating load:      %.0f %s\n", doc.GetHeatLossItem(13), heating);
}

// Loads a project that must be really there: a newer version is a failure here.
bool Load(CQuarnDoc& doc, const char* path) {
    return LoadProject(doc, path) == LoadStatus::kLoaded;
}

}  // namespace

int main(int argc, char** argv) {
    InitInstallDir(argc > 0 ? argv[0] : nullptr);
    if (argc < 2) return Usage();

    CStderrMessages messages;
    auto doc = std::make_unique<CQuarnDoc>(messages);
    const std::string command = argv[1];

    if (command == "new" && argc == 3) {
        doc->OnNewDocument();
        return SaveProject(*doc, argv[2]) ? 0 : 1;
    }
    if (command == "resave" && argc == 4) {
        if (!Load(*doc, argv[2])) return 1;
        return SaveProject(*doc, argv[3]) ? 0 : 1;
    }
    if (command == "build" && argc == 5 && std::strcmp(argv[3], "-o") == 0) {
        return BuildProject(argv[2], argv[4], *doc);
    }
    if (command == "recalc" && argc == 4) {
        if (!Load(*doc, argv[2])) return 1;
        // What finishing the General Project Data wizard without edits does.
        doc->RecalcGeneralData();
        doc->FinishInput();
        return SaveProject(*doc, argv[3]) ? 0 : 1;
    }
    if (command == "dump" && argc == 3) {
        if (!Load(*doc, argv[2])) return 1;
        // Project texts are 8-bit; invalid UTF-8 is replaced rather than refused.
        std::printf("%s\n", DocumentToJson(*doc)
                                .dump(1, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
        return 0;
    }
    if (command == "summary" && argc == 3) {
        if (!Load(*doc, argv[2])) return 1;
        PrintSummary(*doc);
        return 0;
    }
    if (command == "stations" && argc <= 4) {
        if (argc == 4 && std::strcmp(argv[2], "--index") == 0) return PrintStationClimate(argv[3]);
        if (argc <= 3) return ListStationsMatching(argc == 3 ? argv[2] : "");
    }
    if (command == "tables" && argc >= 3) {
        const std::string sub = argv[2];
        if (sub == "check" && argc == 4) return CheckTables(argv[3], false);
        if (sub == "check" && argc == 5 && std::strcmp(argv[3], "--strict") == 0) {
            return CheckTables(argv[4], true);
        }
        if (sub == "build" && argc == 5) return BuildTables(argv[3], argv[4]);
        if (sub == "show" && argc == 4) return ShowTable(argv[3]);
    }
    if (command == "uvalue" && argc >= 3) {
        if (argc == 3 && std::strcmp(argv[2], "--list") == 0) return ListUValueMaterials();
        return RunUValue(argc - 2, argv + 2);
    }
    if (command == "report") return RunReport(*doc, argc - 2, argv + 2);
    if (command == "export") return RunExport(*doc, argc - 2, argv + 2);
    if (command == "render") return RunRender(*doc, argc - 2, argv + 2);
    return Usage();
}
