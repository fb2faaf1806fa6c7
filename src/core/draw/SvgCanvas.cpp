#include "draw/SvgCanvas.h"

#include <algorithm>
#include <cmath>

#include "draw/FontMetrics.h"
#include "text/Encoding.h"
#include "text/Format.h"

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (char ch : ToUtf8(text)) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // Control characters are not allowed in XML text.
                if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t') out += ch;
        }
    }
    return out;
}

// The face named, then the font whose metrics measured the text where it names Arial.
std::string Family(const std::string& face) {
    return face == "Arial" ? "Arial, 'Liberation Sans', sans-serif" : Escape(face);
}

// Positions to a hundredth of a unit, so the document stays short and stable.
double Round2(double v) { return std::round(v * 100) / 100; }

}  // namespace

void CSvgCanvas::Extend(int x, int y) {
    m_maxX = std::max(m_maxX, x);
    m_minY = std::min(m_minY, y);
}

std::string CSvgCanvas::Stroke() const {
    return StrFormat("stroke=\"rgb(%d,%d,%d)\" stroke-width=\"%d\"", m_pen.r, m_pen.g, m_pen.b,
                     std::max(1, m_pen.nWidth));
}

void CSvgCanvas::LineTo(int x, int y) {
    m_body += StrFormat("<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" %s/>\n", m_x, -m_y, x, -y,
                        Stroke().c_str());
    Extend(m_x, m_y);
    Extend(x, y);
    m_x = x;
    m_y = y;
}

void CSvgCanvas::Rectangle(int left, int top, int right, int bottom) {
    const int x = std::min(left, right), y = std::max(top, bottom);
    m_body += StrFormat("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"none\" %s/>\n",
                        x, -y, std::abs(right - left), std::abs(top - bottom), Stroke().c_str());
    Extend(left, top);
    Extend(right, bottom);
}

void CSvgCanvas::TextOut(int x, int y, const std::string& text) {
    const CanvasSize size = MeasureText(m_font, text);
    const TextPlacement place =
        PlaceText(m_align, m_font.nEscapement, size.cx, FontAscent(m_font), FontDescent(m_font));
    // The baseline is placed here, with the font's own metrics, rather than left to the
    // viewer's idea of text edges; horizontal text keeps its anchor so that the viewer centres
    // it with the widths it really draws.
    const unsigned horizontal = m_align & 6u;
    const bool rotated = m_font.nEscapement != 0;
    const char* anchor = rotated                      ? "start"
                         : horizontal == kAlignCenter ? "middle"
                         : horizontal == kAlignRight  ? "end"
                                                      : "start";
    std::string rotate;
    if (rotated) {
        rotate = StrFormat(" transform=\"rotate(%g %d %d)\"", -m_font.nEscapement / 10.0, x, -y);
    }
    m_body += StrFormat(
        "<text x=\"%g\" y=\"%g\" font-family=\"%s\" font-size=\"%d\" font-weight=\"%d\"%s "
        "text-anchor=\"%s\" dominant-baseline=\"alphabetic\"%s>%s</text>\n",
        Round2(x + (rotated ? place.dx : 0)), Round2(-y + place.dy), Family(m_font.strFace).c_str(),
        FontEmSize(m_font.nHeight), m_font.nWeight,
        m_font.bUnderline ? " text-decoration=\"underline\"" : "", anchor, rotate.c_str(),
        Escape(text).c_str());
    const TextBox box = TextOutBox(m_font, m_align, x, y, text);
    Extend(static_cast<int>(std::ceil(box.right)), static_cast<int>(std::floor(box.bottom)));
}

CanvasSize CSvgCanvas::GetTextExtent(const std::string& text) { return MeasureText(m_font, text); }

CanvasSize CSvgCanvas::PictureSize(int width, int height) const {
    return {std::max(width, m_maxX) + 10, std::max(height, -m_minY) + 10};
}

std::string CSvgCanvas::Document(int width, int height) const {
    const CanvasSize picture = PictureSize(width, height);
    const int w = picture.cx;
    const int h = picture.cy;
    return StrFormat(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%gin\" height=\"%gin\" "
               "viewBox=\"0 0 %d %d\">\n<rect width=\"%d\" height=\"%d\" fill=\"white\"/>\n",
               w / 100.0, h / 100.0, w, h, w, h) +
           m_body + "</svg>\n";
}
