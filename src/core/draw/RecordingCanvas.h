#pragma once

#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/FontMetrics.h"

// Records every drawing call, so tests can check positions, texts, fonts and pens.
class CRecordingCanvas : public ICanvas {
  public:
    enum class Op { kText, kMove, kLine, kRectangle };
    struct Call {
        Op op;
        int x1, y1, x2, y2;  // text/move/line: (x1, y1) [to (x2, y2)]; rectangle: corners
        std::string text;
        CanvasFont font;
        CanvasPen pen;
        unsigned align;
    };

    explicit CRecordingCanvas(bool printing = false, bool printer = false)
        : m_bPrinting(printing), m_bPrinter(printer) {}

    bool IsPrinting() const override { return m_bPrinting; }
    bool IsPrinterOutput() const override { return m_bPrinter; }
    void SetFont(const CanvasFont& font) override { m_font = font; }
    void SetPen(const CanvasPen& pen) override { m_pen = pen; }
    void SetTextAlign(unsigned align) override { m_align = align; }
    void TextOut(int x, int y, const std::string& text) override {
        calls.push_back({Op::kText, x, y, x, y, text, m_font, m_pen, m_align});
    }
    void MoveTo(int x, int y) override {
        m_x = x;
        m_y = y;
        calls.push_back({Op::kMove, x, y, x, y, {}, m_font, m_pen, m_align});
    }
    void LineTo(int x, int y) override {
        calls.push_back({Op::kLine, m_x, m_y, x, y, {}, m_font, m_pen, m_align});
        m_x = x;
        m_y = y;
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        calls.push_back({Op::kRectangle, left, top, right, bottom, {}, m_font, m_pen, m_align});
    }
    // A simple metric, every character 0.6 of the font height wide, unless the canvas was told
    // to measure like the real font (layout checks).
    CanvasSize GetTextExtent(const std::string& text) override {
        if (m_bFontMetrics) return MeasureText(m_font, text);
        return {static_cast<int>(text.size()) * m_font.nHeight * 6 / 10, m_font.nHeight};
    }
    void UseFontMetrics() { m_bFontMetrics = true; }

    // The texts drawn, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Call& c : calls) {
            if (c.op == Op::kText) texts.push_back(c.text);
        }
        return texts;
    }

    std::vector<Call> calls;

  private:
    bool m_bPrinting;
    bool m_bPrinter;
    bool m_bFontMetrics = false;
    CanvasFont m_font;
    CanvasPen m_pen;
    unsigned m_align = 0;
    int m_x = 0, m_y = 0;
};
