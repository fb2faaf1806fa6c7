#include "document/QuarnDoc.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

DrawResult DrawView(const CQuarnDoc& doc, int kind, ICanvas& canvas, const ViewPage& page) {
    if (IsGraphKind(kind)) return DrawGraph(doc, kind, canvas, page);
    if (IsTableKind(kind)) return DrawTable(doc, kind, canvas, page);
    switch (kind) {
        case kPeakSummaryKind:
            return DrawPeakSummaryReport(doc, FindViewExtremes(doc, kind), canvas, page);
        case kHeatingReportKind:
            return DrawHeatingReport(doc, canvas, page);
        case kInputDataReportKind:
            return DrawInputDataReport(doc, canvas, page);
        default:
            return {};
    }
}

HourlyView HourlyViewOf(const CQuarnDoc& doc, int kind) {
    const std::optional<ViewLabelText> labels = ViewLabels(kind, OutputUnitSystem(doc));
    HourlyView view;
    view.value = [&doc, kind](int hour, int month) { return ViewValue(doc, kind, hour, month); };
    // With no labels for the kind the ones the project was saved with stand.
    view.strTitle = labels ? labels->strTitle : doc.m_strViewTitle;
    view.strAxis = labels ? labels->strAxis : doc.m_strViewAxis;
    view.strName = doc.m_strProjectName;
    view.nDisplaySize = doc.m_nDisplaySize;
    view.nFontSize = doc.m_nFontSize;
    return view;
}

void ShowViewKind(CQuarnDoc& doc, int kind, const DrawResult& drawn) {
    doc.m_nViewKind = kind;
    if (const std::optional<ViewLabelText> labels = ViewLabels(kind, OutputUnitSystem(doc))) {
        doc.m_strViewTitle = labels->strTitle;
        doc.m_strViewAxis = labels->strAxis;
    }
    switch (drawn.copy) {
        case DrawResult::Copy::kUnchanged:
            break;
        case DrawResult::Copy::kNothing:
            doc.m_bCopyAvailable = 0;
            break;
        case DrawResult::Copy::kText:
            doc.m_strCopyText = drawn.strCopyText;
            doc.m_bCopyAvailable = 1;
            break;
    }
}
