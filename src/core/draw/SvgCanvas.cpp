#include "draw/SvgCanvas.h"

#include <algorithm>

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

// A font height names the whole text cell; the em of Arial is about 1/1.15 of it.
int EmSize(int cellHeight) { return std::max(1, static_cast<int>(cellHeight / 1.15 + 0.5)); }

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
    const unsigned horizontal = m_align & 6u;
    const unsigned vertical = m_align & 24u;
    const char* anchor = horizontal == kAlignCenter  ? "middle"
                         : horizontal == kAlignRight ? "end"
                                                     : "start";
    const char* baseline = vertical == kAlignBaseline ? "alphabetic"
                           : vertical == kAlignBottom ? "text-after-edge"
                                                      : "text-before-edge";
    std::string rotate;
    if (m_font.nEscapement != 0) {
        rotate = StrFormat(" transform=\"rotate(%g %d %d)\"", -m_font.nEscapement / 10.0, x, -y);
    }
    m_body += StrFormat(
        "<text x=\"%d\" y=\"%d\" font-family=\"%s\" font-size=\"%d\" font-weight=\"%d\"%s "
        "text-anchor=\"%s\" dominant-baseline=\"%s\"%s>%s</text>\n",
        x, -y, Escape(m_font.strFace).c_str(), EmSize(m_font.nHeight), m_font.nWeight,
        m_font.bUnderline ? " text-decoration=\"underline\"" : "", anchor, baseline, rotate.c_str(),
        Escape(text).c_str());
    const CanvasSize size = GetTextExtent(text);
    Extend(x + size.cx, y - size.cy);
}

CanvasSize CSvgCanvas::GetTextExtent(const std::string& text) {
    // Arial averages a little over half its height per character.
    const int height = std::max(1, m_font.nHeight);
    return {static_cast<int>(ToUtf8(text).size()) * height * 55 / 100, height};
}

std::string CSvgCanvas::Document(int width, int height) const {
    const int w = std::max(width, m_maxX) + 10;
    const int h = std::max(height, -m_minY) + 10;
    return StrFormat(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%gin\" height=\"%gin\" "
               "viewBox=\"0 0 %d %d\">\n<rect width=\"%d\" height=\"%d\" fill=\"white\"/>\n",
               w / 100.0, h / 100.0, w, h, w, h) +
           m_body + "</svg>\n";
}
