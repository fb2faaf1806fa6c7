#pragma once

#include <string>

#include "draw/Canvas.h"

// Paints into an SVG document, for headless rendering (command line, tests). Logical units
// are 0.01 inch with y upwards; the SVG turns y downwards and sizes the picture in inches.
class CSvgCanvas : public ICanvas {
  public:
    explicit CSvgCanvas(bool printing = false) : m_bPrinting(printing) {}

    bool IsPrinting() const override { return m_bPrinting; }
    bool IsPrinterOutput() const override { return false; }
    void SetFont(const CanvasFont& font) override { m_font = font; }
    void SetPen(const CanvasPen& pen) override { m_pen = pen; }
    void SetTextAlign(unsigned align) override { m_align = align; }
    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override {
        m_x = x;
        m_y = y;
    }
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    CanvasSize GetTextExtent(const std::string& text) override;

    // The finished document; the picture covers at least width x height logical units and
    // everything drawn.
    std::string Document(int width, int height) const;
    // The size of that document's picture, logical units.
    CanvasSize PictureSize(int width, int height) const;

  private:
    void Extend(int x, int y);
    std::string Stroke() const;

    bool m_bPrinting;
    CanvasFont m_font;
    CanvasPen m_pen;
    unsigned m_align = 0;
    int m_x = 0, m_y = 0;
    int m_maxX = 0, m_minY = 0;
    std::string m_body;
};
