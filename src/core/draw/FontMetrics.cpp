#include "draw/FontMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/Encoding.h"

namespace {

#include "draw/FontMetricsTable.inc"

const FontFaceMetrics& Face(const CanvasFont& font) {
    return font.nWeight >= 600 ? kLiberationSansBold : kLiberationSansRegular;
}

double Scale(const CanvasFont& font) {
    return static_cast<double>(FontEmSize(font.nHeight)) / Face(font).nUnitsPerEm;
}

}  // namespace

int FontEmSize(int cellHeight) { return std::max(1, static_cast<int>(cellHeight / 1.15 + 0.5)); }

CanvasSize MeasureText(const CanvasFont& font, const std::string& text) {
    const FontFaceMetrics& face = Face(font);
    // Project texts may be Windows-1252 or UTF-8; both are measured by their characters.
    const std::string utf8 = ToUtf8(text);
    long units = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<uint8_t>(utf8[i]);
        uint32_t code = lead;
        size_t length = 1;
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
            if (i + 1 < utf8.size()) code = ((lead & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
        }
        // Characters beyond Latin-1 are rare in project texts: they count as a digit's width.
        units += length <= 2 && code < 256 ? face.nAdvance[code]
                                           : face.nAdvance[static_cast<uint8_t>('0')];
        i += length;
    }
    const double scale = Scale(font);
    return {static_cast<int>(units * scale + 0.5),
            static_cast<int>((face.nAscender + face.nDescender) * scale + 0.5)};
}

double FontAscent(const CanvasFont& font) { return Face(font).nAscender * Scale(font); }

double FontDescent(const CanvasFont& font) { return Face(font).nDescender * Scale(font); }

TextPlacement PlaceText(unsigned align, int escapement, double width, double ascent,
                        double descent) {
    if (escapement != 0) return {0, ascent};
    TextPlacement place;
    const unsigned horizontal = align & 6u;
    const unsigned vertical = align & 24u;
    if (horizontal == kAlignCenter) place.dx = -width / 2;
    if (horizontal == kAlignRight) place.dx = -width;
    place.dy = ascent;  // top: the reference point is the top of the text
    if (vertical == kAlignBottom) place.dy = -descent;
    if (vertical == kAlignBaseline) place.dy = 0;
    return place;
}

TextBox TextOutBox(const CanvasFont& font, unsigned align, int x, int y, const std::string& text) {
    const double width = MeasureText(font, text).cx;
    const double ascent = FontAscent(font);
    const double descent = FontDescent(font);
    const TextPlacement place = PlaceText(align, font.nEscapement, width, ascent, descent);
    // Corners in the text's frame, then turned: along the reading direction r and towards the
    // feet of the letters d (y upwards).
    const double angle = font.nEscapement / 10.0 * 3.14159265358979323846 / 180.0;
    const double rx = std::cos(angle), ry = std::sin(angle);
    const double downX = std::sin(angle), downY = -std::cos(angle);
    TextBox box{1e300, 1e300, -1e300, -1e300};
    for (const double a : {place.dx, place.dx + width}) {
        for (const double b : {place.dy - ascent, place.dy + descent}) {
            const double px = x + a * rx + b * downX;
            const double py = y + a * ry + b * downY;
            box.left = std::min(box.left, px);
            box.right = std::max(box.right, px);
            box.bottom = std::min(box.bottom, py);
            box.top = std::max(box.top, py);
        }
    }
    return box;
}
