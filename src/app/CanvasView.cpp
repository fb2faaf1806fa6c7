#include "CanvasView.h"

#include <QGestureEvent>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "QPainterCanvas.h"
#include "ZoomSteps.h"

namespace {
// Printed pages: the fixed print layout centred across the paper, a little below its top.
constexpr int kPrintMarginY = 30;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;
// A fit that moves the scroll bars changes the viewport, and with it the layout: a few passes
// settle it.
constexpr int kFitPasses = 3;

void SetBar(QScrollBar* bar, int total, int client, int page, int line, double zoom) {
    const auto scaled = [zoom](int value) { return static_cast<int>(std::ceil(value * zoom)); };
    const int shown = scaled(total);
    bar->setRange(0, std::max(0, shown - client));
    bar->setPageStep(page > 0 ? std::max(1, scaled(page)) : std::max(1, shown / 10));
    bar->setSingleStep(line > 0 ? std::max(1, scaled(line)) : std::max(1, shown / 100));
}
}  // namespace

CCanvasView::CCanvasView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    ApplyScrollSizes(m_sizes);
    viewport()->grabGesture(Qt::PinchGesture);
}

void CCanvasView::paintEvent(QPaintEvent*) {
    const int before = ZoomPercent();
    for (int pass = 0; pass < kFitPasses; ++pass) {
        const QSize viewportSize = viewport()->size();
        const double zoom = m_zoom;
        DrawOnce();
        if (m_fit == ZoomFit::kNone) break;
        m_zoom = FitZoom();
        ApplyScrollSizes(m_sizes);
        if (viewport()->size() == viewportSize && m_zoom == zoom) break;
    }
    if (ZoomPercent() != before) emit ZoomChanged(ZoomPercent());
    emit Drawn();
}

void CCanvasView::DrawOnce() {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The drawing keeps its logical units; the painter scales them, so text and lines grow
    // together and the layout stays that of 100 %.
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.scale(m_zoom, m_zoom);
    CQPainterCanvas canvas(painter, false, false);
    ViewPage page;
    page.nClientWidth = viewport()->width();
    page.nClientHeight = viewport()->height();
    const DrawResult drawn = DrawContent(canvas, page);
    painter.end();
    ContentDrawn(drawn);
    ApplyScrollSizes(drawn.sizes);
}

void CCanvasView::ApplyScrollSizes(const ScrollSizes& sizes) {
    m_sizes = sizes;
    SetBar(horizontalScrollBar(), sizes.nTotalWidth, viewport()->width(), sizes.nPageWidth,
           sizes.nLineWidth, m_zoom);
    SetBar(verticalScrollBar(), sizes.nTotalHeight, viewport()->height(), sizes.nPageHeight,
           sizes.nLineHeight, m_zoom);
}

int CCanvasView::ZoomPercent() const { return zoom::Percent(m_zoom); }

double CCanvasView::FitZoom() const {
    const QSize area = maximumViewportSize();
    const zoom::Extent extent{m_sizes.nTotalWidth, m_sizes.nPageHeight, m_sizes.nTotalHeight};
    const int bar = verticalScrollBar()->sizeHint().width();
    return m_fit == ZoomFit::kPage ? zoom::FitPage(extent, area.width(), area.height(), bar)
                                   : zoom::FitWidth(extent, area.width(), area.height(), bar);
}

void CCanvasView::SetZoom(double factor, QPointF anchor) {
    m_fit = ZoomFit::kNone;
    const double zoom = zoom::Clamp(factor);
    if (zoom == m_zoom) return;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const QPointF logical = (QPointF(h->value(), v->value()) + anchor) / m_zoom;
    m_zoom = zoom;
    ApplyScrollSizes(m_sizes);
    h->setValue(static_cast<int>(std::lround(logical.x() * m_zoom - anchor.x())));
    v->setValue(static_cast<int>(std::lround(logical.y() * m_zoom - anchor.y())));
    viewport()->update();
    emit ZoomChanged(ZoomPercent());
}

void CCanvasView::ZoomIn() { SetZoom(zoom::In(m_zoom)); }

void CCanvasView::ZoomOut() { SetZoom(zoom::Out(m_zoom)); }

void CCanvasView::ActualSize() { SetZoom(zoom::kActual); }

void CCanvasView::SetFit(ZoomFit fit) {
    m_fit = fit;
    if (fit == ZoomFit::kNone) return;
    const int before = ZoomPercent();
    m_zoom = FitZoom();
    ApplyScrollSizes(m_sizes);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (ZoomPercent() != before) emit ZoomChanged(ZoomPercent());
}

void CCanvasView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        m_wheelTurn = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Ctrl+wheel zooms a step per notch about the mouse; fine wheels add up to a notch.
    m_wheelTurn += event->angleDelta().y();
    while (std::abs(m_wheelTurn) >= kWheelNotch) {
        const bool in = m_wheelTurn > 0;
        m_wheelTurn += in ? -kWheelNotch : kWheelNotch;
        SetZoom(in ? zoom::In(m_zoom) : zoom::Out(m_zoom), event->position());
    }
    event->accept();
}

bool CCanvasView::viewportEvent(QEvent* event) {
    // Pinching scales continuously about the fingers, within the same limits.
    if (event->type() == QEvent::NativeGesture) {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            SetZoom(m_zoom * (1.0 + gesture->value()), gesture->position());
            return true;
        }
    } else if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
            if (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged)
                SetZoom(m_zoom * pinch->scaleFactor(),
                        viewport()->mapFromGlobal(pinch->centerPoint()));
            gestures->accept(pinch);
            return true;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CCanvasView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ApplyScrollSizes(m_sizes);
}

void CCanvasView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
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

void CCanvasView::mouseReleaseEvent(QMouseEvent* event) {
    viewport()->repaint();
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CCanvasView::focusInEvent(QFocusEvent* event) {
    SetActive(true);
    QAbstractScrollArea::focusInEvent(event);
}

void CCanvasView::focusOutEvent(QFocusEvent* event) {
    SetActive(false);
    QAbstractScrollArea::focusOutEvent(event);
}

void CCanvasView::SetActive(bool active) {
    if (active == m_bActive) return;
    m_bActive = active;
    viewport()->update();
}

bool CCanvasView::Print(QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, PageCount());
    printer.setFromTo(0, 0);
    if (dialog.exec() != QDialog::Accepted) return false;
    PrintPages(printer, printer.outputFormat() == QPrinter::NativeFormat, true);
    return true;
}

QPrintPreviewDialog* CCanvasView::CreatePrintPreview(QPrinter& printer) {
    auto* dialog = new QPrintPreviewDialog(&printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintPages(*target, false, false); });
    return dialog;
}

void CCanvasView::PrintPages(QPrinter& printer, bool printerOutput, bool useRange) {
    int first = 1, last = PageCount();
    if (useRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    PrintRange(printer, printerOutput, first, last, viewport()->size());
}

namespace {
// The printed page on the printer's paper, and how far in from the paper's left edge it sits.
struct PrintLayout {
    ViewPage page;
    int nMarginX = 0;
};

PrintLayout LayOutPrint(const QPrinter& printer, QSize client) {
    // The drawing works in 0.01 inch units.
    const double scale = printer.resolution() / 100.0;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const int paperWidth = static_cast<int>(paper.width() / scale);
    const int paperHeight = static_cast<int>(paper.height() / scale);
    PrintLayout layout;
    layout.nMarginX = std::max(0, (paperWidth - kPrintPageWidth) / 2);
    layout.page.nClientWidth = client.width();
    layout.page.nClientHeight = client.height();
    layout.page.nPrintWidth = paperWidth - 2 * layout.nMarginX;
    layout.page.nPrintHeight = paperHeight - 2 * kPrintMarginY;
    return layout;
}
}  // namespace

ViewPage PrintedPage(const QPrinter& printer, QSize client) {
    return LayOutPrint(printer, client).page;
}

bool PrintDrawnPages(QPrinter& printer, bool printerOutput, int first, int last, QSize client,
                     const PageDrawer& draw) {
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = printer.resolution() / 100.0;
    painter.scale(scale, scale);
    PrintLayout layout = LayOutPrint(printer, client);
    for (int number = first; number <= last; ++number) {
        if (number > first) printer.newPage();
        CQPainterCanvas canvas(painter, true, printerOutput, layout.nMarginX, kPrintMarginY);
        layout.page.nPageNumber = number;
        draw(canvas, layout.page);
    }
    return painter.end();
}
