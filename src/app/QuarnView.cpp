#include "QuarnView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "QPainterCanvas.h"
#include "document/QuarnDoc.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {
// Printed pages: the fixed print layout centred across the paper, a little below its top.
constexpr int kPrintMarginY = 30;
constexpr int kInputDataPages = 3;

void SetBar(QScrollBar* bar, int total, int client, int page, int line) {
    bar->setRange(0, std::max(0, total - client));
    bar->setPageStep(page > 0 ? page : std::max(1, total / 10));
    bar->setSingleStep(line > 0 ? line : std::max(1, total / 100));
}
}  // namespace

CQuarnView::CQuarnView(CQuarnDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_doc(doc) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    ApplyScrollSizes(m_sizes);
}

int CQuarnView::PageCount() const {
    return m_doc.m_nViewKind == kInputDataReportKind ? kInputDataPages : 1;
}

void CQuarnView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing);
    CQPainterCanvas canvas(painter, false, false, -horizontalScrollBar()->value(),
                           -verticalScrollBar()->value());
    ViewPage page;
    page.nClientWidth = viewport()->width();
    page.nClientHeight = viewport()->height();
    const int kind = m_doc.m_nViewKind;
    const DrawResult drawn = DrawView(m_doc, kind, canvas, page);
    painter.end();
    ShowViewKind(m_doc, kind, drawn);
    ApplyScrollSizes(drawn.sizes);
    emit Drawn();
}

void CQuarnView::ApplyScrollSizes(const ScrollSizes& sizes) {
    m_sizes = sizes;
    SetBar(horizontalScrollBar(), sizes.nTotalWidth, viewport()->width(), sizes.nPageWidth,
           sizes.nLineWidth);
    SetBar(verticalScrollBar(), sizes.nTotalHeight, viewport()->height(), sizes.nPageHeight,
           sizes.nLineHeight);
}

void CQuarnView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ApplyScrollSizes(m_sizes);
}

void CQuarnView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_Escape:
            // Esc is the way back to the Total Cooling Load table from anywhere.
            if (m_doc.m_nViewKind != kTotalCoolingTableKind)
                SelectViewKind(m_doc, kTotalCoolingTableKind);
            viewport()->update();
            break;
        case Qt::Key_PageUp:
            v->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            v->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            v->setValue(v->minimum());
            h->setValue(h->minimum());
            break;
        case Qt::Key_End:
            v->setValue(v->maximum());
            h->setValue(h->maximum());
            break;
        case Qt::Key_Up:
            v->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Left:
            h->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CQuarnView::mouseReleaseEvent(QMouseEvent* event) {
    viewport()->repaint();
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CQuarnView::focusInEvent(QFocusEvent* event) {
    SetActive(true);
    QAbstractScrollArea::focusInEvent(event);
}

void CQuarnView::focusOutEvent(QFocusEvent* event) {
    SetActive(false);
    QAbstractScrollArea::focusOutEvent(event);
}

void CQuarnView::SetActive(bool active) {
    if (active == m_bActive) return;
    m_bActive = active;
    viewport()->update();
}

bool CQuarnView::Print(QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, PageCount());
    printer.setFromTo(0, 0);
    if (dialog.exec() != QDialog::Accepted) return false;
    PrintPages(printer, printer.outputFormat() == QPrinter::NativeFormat, true);
    return true;
}

QPrintPreviewDialog* CQuarnView::CreatePrintPreview(QPrinter& printer) {
    auto* dialog = new QPrintPreviewDialog(&printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintPages(*target, false, false); });
    return dialog;
}

void CQuarnView::PrintPages(QPrinter& printer, bool printerOutput, bool useRange) {
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // The drawing works in 0.01 inch units.
    const double scale = printer.resolution() / 100.0;
    painter.scale(scale, scale);
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const int paperWidth = static_cast<int>(paper.width() / scale);
    const int paperHeight = static_cast<int>(paper.height() / scale);
    const int marginX = std::max(0, (paperWidth - kPrintPageWidth) / 2);
    int first = 1, last = PageCount();
    if (useRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    for (int number = first; number <= last; ++number) {
        if (number > first) printer.newPage();
        CQPainterCanvas canvas(painter, true, printerOutput, marginX, kPrintMarginY);
        ViewPage page;
        page.nClientWidth = viewport()->width();
        page.nClientHeight = viewport()->height();
        page.nPrintWidth = paperWidth - 2 * marginX;
        page.nPrintHeight = paperHeight - 2 * kPrintMarginY;
        page.nPageNumber = number;
        const int kind = m_doc.m_nViewKind;
        ShowViewKind(m_doc, kind, DrawView(m_doc, kind, canvas, page));
    }
    painter.end();
}
