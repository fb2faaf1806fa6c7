#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>

#include "draw/Canvas.h"

// The core's canvas on a QPainter: screen, printer and PDF. Logical units are mapped one to
// one onto the painter's units with y turned downwards, so the painter must work in 0.01 inch
// units (a PDF writer at 100 dpi, or a widget scaled to that). The origin of the page is at
// (originX, originY) on the painter.
class CQPainterCanvas : public ICanvas {
  public:
    CQPainterCanvas(QPainter& painter, bool printing, bool printer, int originX = 0,
                    int originY = 0);

    bool IsPrinting() const override { return m_bPrinting; }
    bool IsPrinterOutput() const override { return m_bPrinter; }
    void SetFont(const CanvasFont& font) override;
    void SetPen(const CanvasPen& pen) override;
    void SetTextAlign(unsigned align) override { m_align = align; }
    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override {
        m_x = x;
        m_y = y;
    }
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    CanvasSize GetTextExtent(const std::string& text) override;

  private:
    QPointF Map(int x, int y) const { return QPointF(x + m_originX, -y + m_originY); }

    QPainter& m_painter;
    bool m_bPrinting;
    bool m_bPrinter;
    int m_originX, m_originY;
    unsigned m_align = 0;
    int m_escapement = 0;
    int m_x = 0, m_y = 0;
};
