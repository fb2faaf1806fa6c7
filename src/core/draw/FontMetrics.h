#pragma once

#include <string>

#include "draw/Canvas.h"

// Text extents in the font the views name ("Arial"), measured with the advance widths of
// Liberation Sans, which has Arial's metrics and is what the drawings are rendered with where
// Arial is missing. The canvases without a font engine (SVG without Qt, the recording canvas of
// the layout checks) size text with it, so their layout agrees with the screen and PDF.

struct FontFaceMetrics {
    int nUnitsPerEm;
    int nAscender;
    int nDescender;     // positive, below the baseline
    int nAdvance[256];  // by Windows-1252 / Latin-1 character, font units
};

// The em, in logical units, of a font whose cell height is nHeight: the em of Arial is about
// 1/1.15 of its cell.
int FontEmSize(int cellHeight);

// Width and height (ascent plus descent) of the text in the font, logical units.
CanvasSize MeasureText(const CanvasFont& font, const std::string& text);
// The ascent of the font, logical units: how far the top of its text box lies above the
// baseline.
double FontAscent(const CanvasFont& font);
double FontDescent(const CanvasFont& font);

// Where a TextOut puts the start of the text's baseline, relative to its reference point, in
// the text's own frame (x along the reading direction, y towards the feet of the letters):
// horizontal text is aligned by the flags; rotated text, as on the original platform, hangs from
// its reference point, the top-left corner of the text box turned with the text.
struct TextPlacement {
    double dx = 0;
    double dy = 0;
};
TextPlacement PlaceText(unsigned align, int escapement, double width, double ascent,
                        double descent);

// The upright rectangle (logical units, y upwards) a TextOut covers, measured with the table.
struct TextBox {
    double left = 0, bottom = 0, right = 0, top = 0;
};
TextBox TextOutBox(const CanvasFont& font, unsigned align, int x, int y, const std::string& text);
