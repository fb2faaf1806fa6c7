// The peak cooling load summary: identification, design conditions, the peak month and hour
// of the grand total, and the heat gains by item read at that one cell.

#include <string>

#include "document/QuarnDoc.h"
#include "text/Format.h"
#include "units/Units.h"
#include "views/ReportWriter.h"
#include "views/ViewDrawing.h"

namespace {

// Right edges of the three value columns, measured from the label start.
struct GainColumns {
    int nSensible;
    int nLatent;
    int nTotal;
    int nWidth;
};

// One row of the heat-gain table. A row without a latent part leaves that column empty.
void GainRow(CReportWriter& w, const GainColumns& c, const std::string& label,
             const std::string& sensible, const std::string& latent, const std::string& total) {
    w.Text(w.Left(), label);
    if (!sensible.empty()) w.RightText(c.nSensible, sensible);
    if (!latent.empty()) w.RightText(c.nLatent, latent);
    if (!total.empty()) w.RightText(c.nTotal, total);
    w.AppendCopy(label + "\t" + sensible + "\t" + latent + "\t" + total + "\n");
    w.NextLine();
}

}  // namespace

DrawResult DrawPeakSummaryReport(const CQuarnDoc& doc, const ViewExtremes& extremes,
                                 ICanvas& canvas, const ViewPage& page) {
    const int displaySize = doc.m_nDisplaySize;
    if (displaySize != 0 && displaySize != 1) return {};
    const bool printing = canvas.IsPrinting();
    const PageSize size = TablePageSize(displaySize, printing, page);
    const int W = size.nWidth;

    const int u = printing ? W / 14 : W / 12;
    const int L = printing ? u : u / 4;
    const int R = W - L;
    const bool metric = doc.IsOutputMetric() != 0;

    CReportWriter w(canvas, ReportFontHeight(doc, printing, W), L, -u);
    const int pitch = w.Pitch();
    w.Title("Peak Cooling Load Summary Report", L + (R - L) / 2);

    WriteLines(w, ProjectLines(doc), L + 4 * u);
    w.Blank();
    WriteLines(w, StationLines(doc), L + 4 * u);
    w.Blank();

    const int x5 = L + 5 * u;
    w.Line("Outside Design DB Temp :", x5, ReportTemperature(doc, doc.GetOutsideDBCool()));
    w.Line("Outside Design WB Temp :", x5, ReportTemperature(doc, doc.GetOutsideWBCool()));
    // A range is a difference: no 32 degree offset.
    const double range = metric ? TempDiffToMetric(doc.GetDailyRange()) : doc.GetDailyRange();
    w.Line("Daily Range :", x5, StrFormat("%.2f %s", range, doc.GetOutputTempUnit().c_str()));
    w.Line("Inside Design DB Temp :", x5, ReportTemperature(doc, doc.GetInsideDBCool()));
    w.Line("Inside Design Rel Hum :", x5, StrFormat("%.2f %%RH", doc.GetInsideRH()));
    w.Blank();

    const int month = extremes.m_nMaxMonth;
    const int hour = extremes.m_nMaxHour;
    w.Line("Peak Month :", x5, MonthName(month));
    const std::string peakHour = SolarHourText(hour);
    w.Line("Peak Hour :", x5, peakHour.empty() ? peakHour : peakHour + ", Solar Time");
    w.Blank();

    w.Line("Summary of Heat Gains :");
    GainColumns c;
    c.nWidth = (5 * u) / 2;
    c.nSensible = L + 6 * u;
    c.nTotal = L + 11 * u;
    c.nLatent = c.nSensible + (c.nTotal - c.nSensible) / 2;
    const int boxLeft = L - u / 8;
    const int boxRight = c.nTotal + u / 4;
    const int margin = pitch / 4;

    // Headings and their unit line, boxed.
    int boxTop = w.Y() - margin;
    w.Skip(2 * margin);
    const std::string unit = metric ? "( kW )" : "( Ton )";
    w.CentredText(L + (c.nSensible - c.nWidth - L) / 2, "Item");
    w.CentredText(c.nSensible - c.nWidth / 2, "Sensible Heat");
    w.CentredText(c.nLatent - c.nWidth / 2, "Latent Heat");
    w.CentredText(c.nTotal - c.nWidth / 2, "Total Heat");
    w.AppendCopy("Item\tSensible Heat\tLatent Heat\tTotal Heat\n");
    w.NextLine();
    w.CentredText(c.nSensible - c.nWidth / 2, unit);
    w.CentredText(c.nLatent - c.nWidth / 2, unit);
    w.CentredText(c.nTotal - c.nWidth / 2, unit);
    w.AppendCopy("\t" + unit + "\t" + unit + "\t" + unit + "\n");
    w.NextLine();
    int boxBottom = w.Y() - margin;
    DrawReportBox(canvas, boxLeft, boxTop, boxRight, boxBottom);
    w.Skip(2 * margin);

    using Item = LoadItem;
    auto gain = [&](LoadItem item) {
        return StrFormat("%.2f", doc.GetLoadComponent(hour, month, item));
    };
    auto sum = [&](LoadItem a, LoadItem b) {
        return StrFormat(
            "%.2f", doc.GetLoadComponent(hour, month, a) + doc.GetLoadComponent(hour, month, b));
    };

    for (const SensibleGainRow& row : SensibleGainRows()) {
        const std::string value = gain(row.item);
        GainRow(w, c, row.label, value, "", value);
    }
    GainRow(w, c, "People", gain(Item::kPeopleSens), gain(Item::kPeopleLat),
            sum(Item::kPeopleLat, Item::kPeopleSens));
    GainRow(w, c, "Appliances", gain(Item::kAppliancesSens), gain(Item::kAppliancesLat),
            sum(Item::kAppliancesLat, Item::kAppliancesSens));
    GainRow(w, c, "Infiltration", gain(Item::kInfilSens), gain(Item::kInfilLat),
            sum(Item::kInfilLat, Item::kInfilSens));
    boxTop = boxBottom;
    boxBottom = w.Y() - margin;
    DrawReportBox(canvas, boxLeft, boxTop, boxRight, boxBottom);
    w.Skip(2 * margin);

    GainRow(w, c, "Total Heat Gains", gain(Item::kRoomSensible), gain(Item::kRoomLatent),
            gain(Item::kRoomTotal));
    w.Blank();

    const double roomTotal = doc.GetLoadComponent(hour, month, Item::kRoomTotal);
    const double ratio =
        roomTotal == 0 ? 0.0 : doc.GetLoadComponent(hour, month, Item::kRoomSensible) / roomTotal;
    w.Line("Sensible Heat Ratio :", x5, StrFormat("%.2f", ratio));
    w.Line("Ventilation Air :", x5,
           StrFormat("%.2f", doc.GetVentilationAirFlow()) + (metric ? " L/s" : " CFM"));
    w.Blank();

    boxTop = w.Y() - margin;
    w.Skip(2 * margin);
    GainRow(w, c, "Ventilation Load", gain(Item::kVentSens), gain(Item::kVentLat),
            sum(Item::kVentLat, Item::kVentSens));
    boxBottom = w.Y() - margin;
    DrawReportBox(canvas, boxLeft, boxTop, boxRight, boxBottom);
    w.Skip(2 * margin);

    GainRow(w, c, "Total Cooling Load on Coils and Refrig. Apparatus", "", "", gain(Item::kTotal));

    return {PageScrollSizes(W, size.nHeight), DrawResult::Copy::kText, w.CopyText()};
}

std::span<const SensibleGainRow> SensibleGainRows() {
    using Item = LoadItem;
    static constexpr SensibleGainRow kRows[] = {
        {"Walls conduction", Item::kWalls},
        {"Roof conduction", Item::kRoof},
        {"Floor, ceiling, partitions", Item::kFloorCeilPart},
        {"Glass solar trans.", Item::kGlassSolar},
        {"Glass conduction", Item::kGlassCond},
        {"Skylights", Item::kSkylights},
        {"Glass blocks", Item::kGlassBlocks},
        {"Lights", Item::kLights},
        {"Electronic equipment", Item::kElecEquip},
        {"Power equipment", Item::kPowerEquip},
    };
    return kRows;
}

std::string MonthName(int month) {
    static constexpr const char* kMonthNames[12] = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? kMonthNames[month - 1] : std::string();
}

std::string SolarHourText(int hour) {
    if (hour == 12) return "12:00 Noon";
    if (hour == 24) return "12:00 Midnight";
    if (hour >= 1 && hour <= 11) return StrFormat("%d:00 AM", hour);
    if (hour >= 13 && hour <= 23) return StrFormat("%d:00 PM", hour - 12);
    return {};
}
