#pragma once

#include <string>

#include "draw/Canvas.h"

class CQuarnDoc;

// The extreme values of the current view kind over hours 1..24 and months 1..12, in output
// units, found by the peak search before anything is drawn (it also leaves the document's
// view title and axis caption set for the kind).
struct ViewExtremes {
    int m_nMinMonth = 1;
    int m_nMinHour = 1;
    int m_nMaxMonth = 1;
    int m_nMaxHour = 1;
    double m_dMinValue = 0;
    double m_dMaxValue = 0;
    double m_dAbsMax = 0;
};

// Runs the peak search over GetViewValue for the document's current kind.
ViewExtremes FindViewExtremes(CQuarnDoc& doc);

// Draws the document's current view kind: the extremes, then the graph, table or report.
// Tables and reports hand their text to the document (m_strCopyText, m_bCopyAvailable = 1);
// graphs set m_bCopyAvailable to 0. Returns the scroll sizes the view should use.
ScrollSizes DrawView(CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page);

// The drawing routines DrawView dispatches to, each for the document's current kind.
ScrollSizes DrawTable(CQuarnDoc& doc, const ViewExtremes& extremes, ICanvas& canvas,
                      const ViewPage& page);
ScrollSizes DrawGraph(CQuarnDoc& doc, const ViewExtremes& extremes, ICanvas& canvas,
                      const ViewPage& page);
ScrollSizes DrawPeakSummaryReport(CQuarnDoc& doc, const ViewExtremes& extremes, ICanvas& canvas,
                                  const ViewPage& page);
ScrollSizes DrawHeatingReport(CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page);
// On screen the whole list on one long page; printed, page page.nPageNumber of 3.
ScrollSizes DrawInputDataReport(CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page);

// The fixed page of every printed table, graph and report.
inline constexpr int kPrintPageWidth = 784;
inline constexpr int kPrintPageHeight = 454;
