// The heating load report: identification, heating design temperatures and the winter heat
// losses by item, as the heat-loss calculation left them.

#include <string>

#include "document/QuarnDoc.h"
#include "text/Format.h"
#include "views/ReportWriter.h"
#include "views/ViewDrawing.h"

namespace {

struct LossRow {
    const char* label;
    int item;
};

constexpr LossRow kLossRows[] = {
    {"Walls above grade", 1},
    {"Walls below grade", 2},
    {"Roof", 3},
    {"Glass", 4},
    {"Skylights", 5},
    {"Glass blocks", 6},
    {"Floor above unheated space", 7},
    {"Floors on or below grade", 8},
    {"Ceiling", 9},
    {"Partitions", 10},
    {"Infiltration", 11},
    {"Ventilation", 12},
};

constexpr int kTotalLossItem = 13;

}  // namespace

DrawResult DrawHeatingReport(const CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page) {
    const int displaySize = doc.m_nDisplaySize;
    if (displaySize != 0 && displaySize != 1) return {};
    const bool printing = canvas.IsPrinting();
    const PageSize size = TablePageSize(displaySize, printing, page);
    const int W = size.nWidth;

    const int u = W / 12;
    const int L = printing ? u : u / 4;
    const int R = W - L;
    const bool metric = doc.IsOutputMetric() != 0;

    CReportWriter w(canvas, ReportFontHeight(doc, printing, W), L, -u);
    const int pitch = w.Pitch();
    w.Title("Heating Load Report", L + (R - L) / 2);

    WriteLines(w, ProjectLines(doc), L + 4 * u);
    w.Blank();
    WriteLines(w, StationLines(doc), L + 4 * u);
    w.Blank();

    const int x5 = L + 5 * u;
    w.Line("Outside Design DB Temp :", x5, ReportTemperature(doc, doc.GetOutsideDBHeat()));
    w.Line("Inside Design DB Temp :", x5, ReportTemperature(doc, doc.GetInsideDBHeat()));
    w.Blank();

    w.Line("Summary of Heat Losses :");
    const int valueRight = L + 9 * u;
    const int valueWidth = 3 * u;
    const int boxLeft = L - u / 8;
    const int boxRight = valueRight + u / 4;
    const int margin = pitch / 4;

    const int boxTop = w.Y() - margin;
    w.Skip(2 * margin);
    w.CentredText(L + (valueRight - valueWidth - L) / 2, "Item");
    w.CentredText(valueRight - valueWidth / 2, "Sensible Heat");
    w.AppendCopy("Item\tSensible Heat\n");
    w.NextLine();
    const std::string unit = metric ? "( Watts )" : "( Btu/h )";
    w.CentredText(valueRight - valueWidth / 2, unit);
    w.AppendCopy("\t" + unit + "\n");
    w.NextLine();
    DrawReportBox(canvas, boxLeft, boxTop, boxRight, w.Y() - margin);
    w.Skip(2 * margin);

    // Right-aligned by the measured width, so the decimal points line up.
    auto valueRow = [&](const std::string& label, int item) {
        const std::string value = StrFormat("%.2f", doc.GetHeatLossItem(item));
        w.Text(L, label);
        w.Text(valueRight - canvas.GetTextExtent(value).cx, value);
        w.AppendCopy(label + "\t" + value + "\n");
        w.NextLine();
    };
    for (const LossRow& row : kLossRows) valueRow(row.label, row.item);

    canvas.SetPen({0, 0, 0, 1});
    canvas.MoveTo(boxLeft, w.Y() - margin);
    canvas.LineTo(boxRight, w.Y() - margin);
    w.Skip(2 * margin);
    // The total is the heat-loss calculation's own, not a sum of the rows shown.
    valueRow("Total Heat Losses", kTotalLossItem);

    w.Line("Ventilation Air :", x5,
           StrFormat("%.2f", doc.GetVentilationAirFlow()) + (metric ? " L/s" : " CFM"));

    return {PageScrollSizes(W, size.nHeight), DrawResult::Copy::kText, w.CopyText()};
}
