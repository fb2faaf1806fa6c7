#include "ProjectCommands.h"

#include <cstdio>

#include "calc/PeakSearch.h"
#include "document/DocumentJson.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "input/Recalculate.h"

namespace {

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
    const PeakResult peak = FindPeak(
        [&](int hour, int month) { return doc.GetLoadComponent(hour, month, LoadItem::kTotal); });
    static const char* const kMonths[13] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* cooling = doc.IsOutputMetric() ? "kW" : "Tons";
    const char* heating = doc.IsOutputMetric() ? "Watts" : "Btu/h";
    std::printf("Peak cooling load: %.2f %s, %s 21, solar hour %d\n", peak.dMax, cooling,
                kMonths[peak.nMaxMonth], peak.nMaxHour);
    std::printf("  room sensible:   %.2f %s\n",
                doc.GetLoadComponent(peak.nMaxHour, peak.nMaxMonth, LoadItem::kRoomSensible),
                cooling);
    std::printf("  room latent:     %.2f %s\n",
                doc.GetLoadComponent(peak.nMaxHour, peak.nMaxMonth, LoadItem::kRoomLatent),
                cooling);
    std::printf("Heating load:      %.0f %s\n", doc.GetHeatLossItem(13), heating);
}

// Loads a project that must be really there: a newer version is a failure here.
bool Load(CQuarnDoc& doc, const char* path) {
    return LoadProject(doc, path) == LoadStatus::kLoaded;
}

}  // namespace

int NewProject(CQuarnDoc& doc, const char* outPath) {
    doc.OnNewDocument();
    return SaveProject(doc, outPath) ? 0 : 1;
}

int ResaveProject(CQuarnDoc& doc, const char* inPath, const char* outPath) {
    if (!Load(doc, inPath)) return 1;
    return SaveProject(doc, outPath) ? 0 : 1;
}

int RecalcProject(CQuarnDoc& doc, const char* inPath, const char* outPath) {
    if (!Load(doc, inPath)) return 1;
    // What finishing the General Project Data wizard without edits does.
    Recalculate(doc);
    return SaveProject(doc, outPath) ? 0 : 1;
}

int DumpProject(CQuarnDoc& doc, const char* inPath) {
    if (!Load(doc, inPath)) return 1;
    // Project texts are 8-bit; invalid UTF-8 is replaced rather than refused.
    std::printf(
        "%s\n",
        DocumentToJson(doc).dump(1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    return 0;
}

int PrintProjectSummary(CQuarnDoc& doc, const char* inPath) {
    if (!Load(doc, inPath)) return 1;
    PrintSummary(doc);
    return 0;
}
