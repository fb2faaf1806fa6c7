// The project input data report: every input of the project, one labelled value per line, in
// the output unit system. On screen one long page; printed, three fixed pages.

#include <algorithm>
#include <string>
#include <vector>

#include "document/QuarnDoc.h"
#include "text/Format.h"
#include "units/Units.h"
#include "views/ReportWriter.h"
#include "views/ViewDrawing.h"

namespace {

constexpr const char* kOrientationWords[kOrientations] = {
    "North", "North East", "East", "South East", "South", "South West", "West", "North West"};

using Group = std::vector<ReportLine>;

// Values and unit words of one line kind in the output unit system. English shows the stored
// values.
class CReportUnits {
  public:
    explicit CReportUnits(const CQuarnDoc& doc)
        : m_bMetric(doc.IsOutputMetric() != 0),
          m_strTemp(doc.GetOutputTempUnit()),
          m_strLength(doc.GetOutputLengthUnit()) {}

    std::string Area(double sqft) const {
        return StrFormat("%.2f %s", m_bMetric ? AreaToMetric(sqft) : sqft,
                         m_bMetric ? "Sq m" : "Sq Ft");
    }
    std::string UValue(double u) const {
        return StrFormat("%.4f %s", m_bMetric ? UValueToMetric(u) : u,
                         m_bMetric ? "W/(Sq m.C)" : "Btu/(h.Sq Ft.F)");
    }
    std::string Temperature(double f) const {
        return StrFormat("%.2f %s", m_bMetric ? FahrenheitToCelsius(f) : f, m_strTemp.c_str());
    }
    std::string TempDiff(double d) const {
        return StrFormat("%.2f %s", m_bMetric ? TempDiffToMetric(d) : d, m_strTemp.c_str());
    }
    std::string Length(double ft) const {
        return StrFormat("%.2f %s", m_bMetric ? FeetToMeters(ft) : ft, m_strLength.c_str());
    }
    std::string ApplianceHeat(double btuh) const {
        return StrFormat("%.0f %s", m_bMetric ? btuh * kBtuhToW : btuh,
                         m_bMetric ? "Watts" : "Btu/Hr");
    }
    std::string Volume(double cuft) const {
        return StrFormat("%.1f %s", m_bMetric ? cuft * kCuFtToCuM : cuft,
                         m_bMetric ? "Cu m" : "Cu Ft");
    }

  private:
    bool m_bMetric;
    std::string m_strTemp;
    std::string m_strLength;
};

std::string Plain(double value) { return StrFormat("%.2f", value); }

const ReportLine kBlankLine{{}, {}, true};

Group DesignConditions(const CQuarnDoc& doc, const CReportUnits& units) {
    return {
        {"Cooling, Outside Design DB Temp :", units.Temperature(doc.GetOutsideDBCool())},
        {"Cooling, Outside Design WB Temp :", units.Temperature(doc.GetOutsideWBCool())},
        {"Cooling, Outside Daily Range :", units.TempDiff(doc.GetDailyRange())},
        {"Cooling, Inside Design DB Temp :", units.Temperature(doc.GetInsideDBCool())},
        {"Cooling, Inside Design Rel Hum :", StrFormat("%.2f%% RH", doc.GetInsideRH())},
        {"Heating, Outside Design DB Temp :", units.Temperature(doc.GetOutsideDBHeat())},
        {"Heating, Design Ground Temp :", units.Temperature(doc.GetGroundTemp())},
        {"Heating, Inside Design DB Temp :", units.Temperature(doc.GetInsideDBHeat())},
    };
}

Group Walls(const CQuarnDoc& doc, const CReportUnits& units) {
    Group lines;
    for (int o = 0; o < kOrientations; ++o) {
        lines.push_back(
            {std::string(kOrientationWords[o]) + " Wall, Area :", units.Area(doc.m_dWallArea[o])});
    }
    lines.push_back(kBlankLine);
    for (int o = 0; o < kOrientations; ++o) {
        lines.push_back({std::string(kOrientationWords[o]) + " Wall, Cooling U-Value :",
                         units.UValue(doc.m_dWallUCool[o])});
    }
    lines.push_back(kBlankLine);
    for (int o = 0; o < kOrientations; ++o) {
        lines.push_back({std::string(kOrientationWords[o]) + " Wall, Heating U-Value :",
                         units.UValue(doc.m_dWallUHeat[o])});
    }
    return lines;
}

Group Windows(const CQuarnDoc& doc, const CReportUnits& units) {
    Group lines;
    for (int o = 0; o < kOrientations; ++o) {
        lines.push_back({std::string(kOrientationWords[o]) + ", Total Window Area :",
                         units.Area(doc.m_dWindowArea[o])});
    }
    lines.push_back(kBlankLine);
    lines.push_back({"Window in Sun, Shading Coef:", Plain(doc.GetSCSunlit())});
    lines.push_back({"Window in Shade, Shading Coef:", Plain(doc.GetSCShaded())});
    return lines;
}

// Area, U-values and temperature differences of the ceiling, floor, a partition or the glass
// in partitions.
Group Surface(const CQuarnDoc& doc, const CReportUnits& units, const std::string& name,
              int surface) {
    return {
        {name + ", Area :", units.Area(doc.m_dSurfArea[surface])},
        {name + ", Cooling U-Value :", units.UValue(doc.m_dSurfUCool[surface])},
        {name + ", Heating U-Value :", units.UValue(doc.m_dSurfUHeat[surface])},
        {name + ", Cooling Temp Dif. :", units.TempDiff(doc.m_dSurfTDCool[surface])},
        {name + ", Heating Temp Dif. :", units.TempDiff(doc.m_dSurfTDHeat[surface])},
    };
}

Group Skylights(const CQuarnDoc& doc, const CReportUnits& units) {
    Group lines;
    const char* names[2] = {"Skylight in Sun", "Skylight in Shade"};
    for (int s = 0; s < 2; ++s) {
        if (s == 1) lines.push_back(kBlankLine);
        const std::string name = names[s];
        lines.push_back({name + ", Area :", units.Area(doc.m_dSkyArea[s])});
        lines.push_back({name + ", Shading Coef :", Plain(doc.m_dSkySC[s])});
        lines.push_back({name + ", Cooling U-Value :", units.UValue(doc.m_dSkyUCool[s])});
        lines.push_back({name + ", Heating U-Value :", units.UValue(doc.m_dSkyUHeat[s])});
    }
    return lines;
}

Group GlassBlocks(const CQuarnDoc& doc, const CReportUnits& units) {
    Group lines;
    for (int o = 0; o < kOrientations; ++o) {
        lines.push_back({std::string(kOrientationWords[o]) + " Glass Blocks, Area :",
                         units.Area(doc.m_dGlassBlockArea[o])});
    }
    return lines;
}

// Lamps, motors and electronic equipment are shown as stored in both unit systems: lamps in
// watts, motors and electronic equipment in kilowatts, as they are entered.
Group InternalLoads(const CQuarnDoc& doc, const CReportUnits& units) {
    return {
        {"Installed Fluorescent Lamps :", StrFormat("%.0f %s", doc.GetFluorWatts(), "Watts")},
        {"Fluorescent Lamps Ballast Factor :", Plain(doc.GetBallastFactor())},
        {"Installed Incandescent Lamps :", StrFormat("%.0f %s", doc.GetIncandWatts(), "Watts")},
        {"Total Occupants (All Categories) :", StrFormat("%lld", doc.GetTotalOccupants())},
        {"Hooded Elec/Steam Appliances :", units.ApplianceHeat(doc.GetHoodedElecBtuh())},
        {"Hooded Gas Appliances :", units.ApplianceHeat(doc.GetHoodedGasBtuh())},
        {"Unhooded Elec/Steam Appliances :", units.ApplianceHeat(doc.GetUnhoodedElecBtuh())},
        {"Unhooded Gas Appliances :", units.ApplianceHeat(doc.GetUnhoodedGasBtuh())},
        {"Motor In, Driven Equip In Space :",
         StrFormat("%.2f %s", doc.GetMotorInDrivenInKW(), "kW")},
        {"Motor Out, Driven Equip In Space :",
         StrFormat("%.2f %s", doc.GetMotorOutDrivenInKW(), "kW")},
        {"Motor In, Driven Equip Out Space :",
         StrFormat("%.2f %s", doc.GetMotorInDrivenOutKW(), "kW")},
        {"Electronic Equipment :", StrFormat("%.2f %s", doc.GetElecEquipKW(), "kW")},
    };
}

// The seventeen groups in report order; blank lines separate them.
std::vector<Group> InputGroups(const CQuarnDoc& doc) {
    const CReportUnits units(doc);
    std::vector<Group> groups;
    groups.push_back(ProjectLines(doc));
    groups.push_back(StationLines(doc));
    groups.push_back(DesignConditions(doc, units));
    groups.push_back(Walls(doc, units));
    groups.push_back({
        {"Roof, Area :", units.Area(doc.GetRoofArea())},
        {"Roof, Cooling U-Value :", units.UValue(doc.GetRoofUCool())},
        {"Roof, Heating U-Value :", units.UValue(doc.GetRoofUHeat())},
    });
    groups.push_back(Windows(doc, units));
    groups.push_back({
        {"Below Grade, Wall Area :", units.Area(doc.GetBGWallArea())},
        {"Below Grade, Wall Heating U-Value :", units.UValue(doc.GetBGWallUHeat())},
        {"On/Below Grade, Floor Area :", units.Area(doc.GetSlabArea())},
        {"On/Below Grade, Floor Heat.U-Val :", units.UValue(doc.GetSlabUHeat())},
        {"On/Below Grade, Floor Slab Perim :", units.Length(doc.GetSlabPerimeter())},
    });
    groups.push_back(Surface(doc, units, "Ceiling", kCeiling));
    groups.push_back(Surface(doc, units, "Floor", kFloor));
    groups.push_back(Surface(doc, units, "Partition 1", kPartition1));
    groups.push_back(Surface(doc, units, "Partition 2", kPartition2));
    groups.push_back(Surface(doc, units, "Partition 3", kPartition3));
    groups.push_back(Surface(doc, units, "Glass in Partition", kPartitionGlass));
    groups.push_back(Skylights(doc, units));
    groups.push_back(GlassBlocks(doc, units));
    groups.push_back(InternalLoads(doc, units));
    groups.push_back({
        {"Cooling Infiltration Rate :",
         StrFormat("%.2f %s", doc.GetInfilACHCool(), "Air Changes/Hr")},
        {"Heating Infiltration Rate :",
         StrFormat("%.2f %s", doc.GetInfilACHHeat(), "Air Changes/Hr")},
        {"Building Volume :", units.Volume(doc.GetBuildingVolume())},
    });
    return groups;
}

// First group of each printed page (0-based), and the end of the last.
constexpr size_t kPageFirstGroup[4] = {0, 4, 11, 17};

// The value column: a gap after the widest label in the current font, the same on every line
// and every page, so no label runs into its value whatever the font.
int ValueColumn(ICanvas& canvas, const std::vector<Group>& groups, int left, int gap) {
    int widest = 0;
    for (const Group& group : groups) {
        for (const ReportLine& line : group) {
            widest = std::max(widest, canvas.GetTextExtent(line.strLabel).cx);
        }
    }
    return left + widest + gap;
}

void WriteGroups(CReportWriter& w, const std::vector<Group>& groups, size_t first, size_t last,
                 int valueX) {
    for (size_t g = first; g < last; ++g) {
        if (g > first) w.Blank();
        WriteLines(w, groups[g], valueX);
    }
}

}  // namespace

DrawResult DrawInputDataReport(const CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page) {
    const std::vector<Group> groups = InputGroups(doc);

    if (canvas.IsPrinting()) {
        const int n = page.nPageNumber;
        if (n < 1 || n > 3) return {};
        const int W = page.nPrintWidth;
        const int u = W / 12;
        const int L = u;
        const int R = W - u;
        CReportWriter w(canvas, 18, L, -u);
        w.Title(StrFormat("Project Input Data - Page %d of 3", n), L + (R - L) / 2);
        WriteGroups(w, groups, kPageFirstGroup[n - 1], kPageFirstGroup[n],
                    ValueColumn(canvas, groups, L, u / 2));
        // The printed pages leave the copy text and the scroll sizes of the screen alone.
        return {};
    }

    const int displaySize = doc.m_nDisplaySize;
    if (displaySize != 0 && displaySize != 1) return {};
    // One long page: taller than the table pages, so the whole list scrolls in one piece.
    const int W = displaySize == 0 ? (page.nClientWidth * 3) / 2 : page.nClientWidth;
    const int H = displaySize == 0 ? page.nClientHeight * 4 : page.nClientHeight * 2;
    const int u = W / 12;
    const int L = u / 4;
    const int R = W - L;
    CReportWriter w(canvas, ReportFontHeight(doc, false, W), L, -u);
    w.Title("Project Input Data", L + (R - L) / 2);
    const int valueX = ValueColumn(canvas, groups, L, u / 2);
    WriteGroups(w, groups, 0, groups.size(), valueX);

    // A long name in large letters may run past the page: the page then scrolls that far.
    int right = 0;
    for (const Group& group : groups) {
        for (const ReportLine& line : group) {
            right = std::max(right, valueX + canvas.GetTextExtent(line.strValue).cx);
        }
    }
    ScrollSizes sizes = PageScrollSizes(W, H);
    sizes.nTotalWidth = std::max(W, right + L);
    return {sizes, DrawResult::Copy::kText, w.CopyText()};
}
