#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QSize>
#include <functional>

#include "draw/Canvas.h"
#include "views/ViewDrawing.h"

class QPainter;
class QPrinter;
class QPrintPreviewDialog;

// One printed page drawn onto the canvas.
using PageDrawer = std::function<void(ICanvas& canvas, const ViewPage& page)>;

// Paints pages first..last onto printer as File > Print lays them out: the fixed print page
// centred across the paper, a little below its top; printerOutput only for a real printer.
// client: the size of the pane on screen, which the drawing code is given too. False when the
// printer cannot be painted on.
bool PrintDrawnPages(QPrinter& printer, bool printerOutput, int first, int last, QSize client,
                     const PageDrawer& draw);

// The page the drawing code is given for a print on printer's paper (page number 1).
ViewPage PrintedPage(const QPrinter& printer, QSize client);

// A results pane: paints what DrawContent draws on the canvas, one logical unit (0.01 inch) to
// one pixel times the pane's zoom, scrolled by the sizes the drawing asks for, and prints it.
// The zoom scales the drawing only: its layout, printing and the copy text are those of 100 %.
class CCanvasView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit CCanvasView(QWidget* parent = nullptr);

    const ScrollSizes& LastScrollSizes() const { return m_sizes; }
    bool IsActive() const { return m_bActive; }

    // Prints with the print dialog; false when cancelled.
    bool Print(QPrinter& printer);
    // The print preview dialog on what the pane shows (not yet shown; deleted on close).
    QPrintPreviewDialog* CreatePrintPreview(QPrinter& printer);
    // Paints the pages onto printer; printerOutput only for a real printer. useRange: honour
    // the from/to pages chosen in the print dialog.
    void PrintPages(QPrinter& printer, bool printerOutput, bool useRange);

    // The pages a print of what the pane shows has.
    virtual int PageCount() const = 0;

    // What the zoom follows: a chosen factor, or the viewport as it is resized.
    enum class ZoomFit { kNone, kWidth, kPage };

    // The zoom factor (1.0 = 100 %) and how it was chosen.
    double Zoom() const { return m_zoom; }
    int ZoomPercent() const;
    ZoomFit Fit() const { return m_fit; }
    // A chosen factor, kept within 25 %..400 %; the point at anchor (viewport pixels) stays
    // where it is.
    void SetZoom(double factor, QPointF anchor = QPointF());
    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    // The zoom that fits the page, kept as the pane is resized until another zoom is chosen.
    void SetFit(ZoomFit fit);
    // The page's width on screen, pixels.
    double ShownPageWidth() const { return m_sizes.nTotalWidth * m_zoom; }

  signals:
    // After every paint: what Copy offers may have changed.
    void Drawn();
    void ZoomChanged(int percent);

  protected:
    // The drawing on screen, and what is done with its result once the painter has finished.
    virtual DrawResult DrawContent(ICanvas& canvas, const ViewPage& page) = 0;
    virtual void ContentDrawn(const DrawResult&) {}
    // Pages first..last of the print; false when the printer cannot be painted on.
    virtual bool PrintRange(QPrinter& printer, bool printerOutput, int first, int last,
                            QSize client) = 0;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void ApplyScrollSizes(const ScrollSizes& sizes);
    void SetActive(bool active);
    // One drawing onto the viewport at the current zoom.
    void DrawOnce();
    // The factor the fit asks for with the last drawing's sizes.
    double FitZoom() const;

    ScrollSizes m_sizes{100, 100, 0, 0, 0, 0};
    bool m_bActive = false;
    double m_zoom = 1.0;
    ZoomFit m_fit = ZoomFit::kNone;
    // Wheel turns with Ctrl held, in eighths of a degree, until they make a whole notch.
    int m_wheelTurn = 0;
};
