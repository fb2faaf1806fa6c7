#pragma once

#include <cstdint>
#include <string>

// The drawing surface the views paint on, standing in for a device context in the
// MM_LOENGLISH mapping: one logical unit is 0.01 inch, x grows to the right and y upwards, so
// positions below the top of the page have negative y. The same table, graph and report code
// paints on screen (QPainter), into SVG and PDF files, and into a recording canvas for tests.

struct CanvasFont {
    int nHeight = 0;    // logical units
    int nWeight = 400;  // 400 normal, 500 medium, 700 bold
    bool bUnderline = false;
    int nEscapement = 0;  // tenths of a degree, counter-clockwise: 900 reads upwards
    std::string strFace = "Arial";

    bool operator==(const CanvasFont&) const = default;
};

struct CanvasPen {
    uint8_t r = 0, g = 0, b = 0;
    int nWidth = 1;

    bool operator==(const CanvasPen&) const = default;
};

// Text alignment flags, combined with |: one horizontal and one vertical.
enum CanvasAlign : unsigned {
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCenter = 6,
    kAlignTop = 0,
    kAlignBottom = 8,
    kAlignBaseline = 24,
};

struct CanvasSize {
    int cx = 0;
    int cy = 0;
};

class ICanvas {
  public:
    virtual ~ICanvas() = default;

    // True for any printed page (print layout), on a printer or in print preview.
    virtual bool IsPrinting() const = 0;
    // True only when the output goes to a real printer (not the preview, not the screen).
    virtual bool IsPrinterOutput() const = 0;

    virtual void SetFont(const CanvasFont& font) = 0;
    virtual void SetPen(const CanvasPen& pen) = 0;
    virtual void SetTextAlign(unsigned align) = 0;

    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // An outlined rectangle with the current pen; the inside is left as it is.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // Size of the text in the current font, logical units.
    virtual CanvasSize GetTextExtent(const std::string& text) = 0;
};

// What a view gives its drawing routine: the client area (device pixels, taken as logical
// units the way the views scale them), and for printed pages the printable rectangle.
struct ViewPage {
    int nClientWidth = 0;
    int nClientHeight = 0;
    int nPrintWidth = 0;  // printable rectangle of a printed page, logical units
    int nPrintHeight = 0;
    int nPageNumber = 1;  // printed page 1..3 of the project input data report
};

// Scroll sizes the drawing asks the view to use (MM_LOENGLISH units).
struct ScrollSizes {
    int nTotalWidth = 0, nTotalHeight = 0;
    int nPageWidth = 0, nPageHeight = 0;
    int nLineWidth = 0, nLineHeight = 0;
};
