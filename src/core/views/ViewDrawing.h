#pragma once

#include <functional>
#include <span>
#include <string>

#include "document/ResultTables.h"
#include "draw/Canvas.h"
#include "views/ViewValue.h"

class CQuarnDoc;

// What drawing a kind leaves for whoever shows it: the scroll sizes, and what the Copy command
// offers afterwards. Drawing never changes the document; ShowViewKind hands this to it.
struct DrawResult {
    enum class Copy {
        kUnchanged,  // Copy stays as it was: printed input-data pages, nothing drawn
        kNothing,    // a graph: nothing to copy (the previous text is kept but not offered)
        kText,       // tables and reports: strCopyText
    };
    ScrollSizes sizes;
    Copy copy = Copy::kUnchanged;
    std::string strCopyText;
};

// Draws a kind of the document: the graph, table or report. Nothing for a number that is no
// kind.
DrawResult DrawView(const CQuarnDoc& doc, int kind, ICanvas& canvas, const ViewPage& page);

// Records in the document that a view now shows the kind as drawn: the kind, its title and axis
// caption in the output units (kept when the kind has none), and the copy text. These members
// are saved with the project, so every view that shows a kind calls this after drawing it.
void ShowViewKind(CQuarnDoc& doc, int kind, const DrawResult& drawn);

// The drawing routines DrawView dispatches to.
DrawResult DrawTable(const CQuarnDoc& doc, int kind, ICanvas& canvas, const ViewPage& page);
DrawResult DrawGraph(const CQuarnDoc& doc, int kind, ICanvas& canvas, const ViewPage& page);

// What an hourly table or graph shows, whoever's values they are: a project's kind or the
// block load of several spaces.
struct HourlyView {
    // Hour 1..24 by month 1..12 in output units; hour 0 or month 0 gives the header cell (the
    // table's hour column reads month 0).
    std::function<double(int hour, int month)> value;
    std::string strTitle;
    std::string strAxis;  // the graph's value caption
    std::string strName;  // under the title: the project's or the building's name
    // The options the layout follows: Display Size and Font Size.
    int nDisplaySize = 0;
    int nFontSize = 0;
};
// A project's kind as the table and graph show it.
HourlyView HourlyViewOf(const CQuarnDoc& doc, int kind);
DrawResult DrawHourlyTable(const HourlyView& view, ICanvas& canvas, const ViewPage& page);
DrawResult DrawHourlyGraph(const HourlyView& view, ICanvas& canvas, const ViewPage& page);
// The summary at the peak cell of extremes (the total cooling load's, as DrawView finds them).
DrawResult DrawPeakSummaryReport(const CQuarnDoc& doc, const ViewExtremes& extremes,
                                 ICanvas& canvas, const ViewPage& page);
// The peak cooling summary's rows that carry sensible heat only, in report order; the block
// summary lists the same rows.
struct SensibleGainRow {
    const char* label;
    LoadItem item;
};
std::span<const SensibleGainRow> SensibleGainRows();
// The peak month and hour as both summaries print them: "July", "4:00 PM", "12:00 Noon";
// empty outside 1..12 and 1..24.
std::string MonthName(int month);
std::string SolarHourText(int hour);
DrawResult DrawHeatingReport(const CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page);
// On screen the whole list on one long page; printed, page page.nPageNumber of 3.
DrawResult DrawInputDataReport(const CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page);

// The fixed page of every printed table, graph and report.
inline constexpr int kPrintPageWidth = 784;
inline constexpr int kPrintPageHeight = 454;
