#include "calc/PeakSearch.h"
#include "document/QuarnDoc.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

ViewExtremes FindViewExtremes(CQuarnDoc& doc) {
    const PeakResult peak =
        FindPeak([&doc](int hour, int month) { return doc.GetViewValue(hour, month); });
    ViewExtremes e;
    e.m_dMaxValue = peak.dMax;
    e.m_nMaxMonth = peak.nMaxMonth;
    e.m_nMaxHour = peak.nMaxHour;
    e.m_dMinValue = peak.dMin;
    e.m_nMinMonth = peak.nMinMonth;
    e.m_nMinHour = peak.nMinHour;
    e.m_dAbsMax = peak.dAbsMax;
    return e;
}

ScrollSizes DrawView(CQuarnDoc& doc, ICanvas& canvas, const ViewPage& page) {
    // The search also sets the view title and axis caption the drawing uses.
    const ViewExtremes extremes = FindViewExtremes(doc);
    const int kind = doc.m_nViewKind;
    if (IsGraphKind(kind)) return DrawGraph(doc, extremes, canvas, page);
    if (IsTableKind(kind)) return DrawTable(doc, extremes, canvas, page);
    switch (kind) {
        case kPeakSummaryKind:
            return DrawPeakSummaryReport(doc, extremes, canvas, page);
        case kHeatingReportKind:
            return DrawHeatingReport(doc, canvas, page);
        case kInputDataReportKind:
            return DrawInputDataReport(doc, canvas, page);
        default:
            return {};
    }
}
