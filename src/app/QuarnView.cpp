#include "QuarnView.h"

#include <QKeyEvent>

#include "document/QuarnDoc.h"
#include "views/ViewKinds.h"

namespace {
constexpr int kInputDataPages = 3;
}  // namespace

CQuarnView::CQuarnView(CQuarnDoc& doc, QWidget* parent) : CCanvasView(parent), m_doc(doc) {}

int CQuarnView::PageCount() const { return PrintPageCount(m_doc.m_nViewKind); }

DrawResult CQuarnView::DrawContent(ICanvas& canvas, const ViewPage& page) {
    m_nDrawnKind = m_doc.m_nViewKind;
    return DrawView(m_doc, m_nDrawnKind, canvas, page);
}

void CQuarnView::ContentDrawn(const DrawResult& drawn) { ShowViewKind(m_doc, m_nDrawnKind, drawn); }

bool CQuarnView::PrintRange(QPrinter& printer, bool printerOutput, int first, int last,
                            QSize client) {
    return PrintDocumentPages(m_doc, printer, printerOutput, first, last, client);
}

void CQuarnView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        CCanvasView::keyPressEvent(event);
        return;
    }
    // Esc is the way back to the Total Cooling Load table from anywhere.
    if (m_doc.m_nViewKind != kTotalCoolingTableKind) SelectViewKind(m_doc, kTotalCoolingTableKind);
    viewport()->update();
    event->accept();
}

int PrintPageCount(int kind) { return kind == kInputDataReportKind ? kInputDataPages : 1; }

bool PrintDocumentPages(CQuarnDoc& doc, QPrinter& printer, bool printerOutput, int first, int last,
                        QSize client) {
    return PrintDrawnPages(printer, printerOutput, first, last, client,
                           [&doc](ICanvas& canvas, const ViewPage& page) {
                               const int kind = doc.m_nViewKind;
                               ShowViewKind(doc, kind, DrawView(doc, kind, canvas, page));
                           });
}
