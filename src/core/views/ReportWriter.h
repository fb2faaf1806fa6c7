#pragma once

// What the three reports share: the body font height, the fonts, and a writer that draws one
// labelled line after another while collecting the same text for the Copy command.

#include <cmath>
#include <string>
#include <vector>

#include "document/QuarnDoc.h"
#include "draw/Canvas.h"
#include "text/Format.h"
#include "units/Units.h"
#include "views/PageSetup.h"
#include "views/ViewDrawing.h"

// The report font height: the title and the body are the same height. 0 when the font-size
// option is neither Large nor Small on screen; then no fonts are made and the canvas keeps its
// current font.
inline int ReportFontHeight(const CQuarnDoc& doc, bool printing, int width) {
    if (printing) return 18;
    if (doc.IsDisplayLarge()) {
        if (doc.IsFontLarge()) return width / 26;
        if (doc.IsFontSmall()) return width / 42;
        return 0;
    }
    if (doc.IsFontLarge()) return 18;
    if (doc.IsFontSmall()) return 13;
    return 0;
}

inline CanvasFont ReportFont(int height, bool underline) {
    CanvasFont font;
    font.nHeight = height;
    font.nWeight = 500;
    font.bUnderline = underline;
    font.strFace = "Arial";
    return font;
}

// Draws report lines top-down at one pitch (the font height) per line, labels at the left
// margin, and builds the copy text: label and values separated by tabs, one "\n" per line and
// a further one per blank line.
class CReportWriter {
  public:
    CReportWriter(ICanvas& canvas, int fontHeight, int left, int top)
        : m_canvas(canvas), m_nFontHeight(fontHeight), m_nLeft(left), m_nY(top) {
        // Without a font of our own the pitch follows whatever font the canvas has.
        m_nPitch = fontHeight > 0 ? fontHeight : canvas.GetTextExtent("Ag").cy;
    }

    int Pitch() const { return m_nPitch; }
    int Left() const { return m_nLeft; }
    int Y() const { return m_nY; }
    const std::string& CopyText() const { return m_strCopy; }

    // The underlined title centred on x, followed by a blank line.
    void Title(const std::string& title, int xCentre) {
        SelectFont(true);
        m_canvas.SetTextAlign(kAlignCenter | kAlignTop);
        m_canvas.TextOut(xCentre, m_nY, title);
        m_strCopy += title + "\n\n";
        SelectFont(false);
        m_canvas.SetTextAlign(kAlignLeft | kAlignTop);
        m_nY -= 2 * m_nPitch;
    }

    void Line(const std::string& label) {
        Text(m_nLeft, label);
        m_strCopy += label + "\n";
        m_nY -= m_nPitch;
    }

    void Line(const std::string& label, int valueX, const std::string& value) {
        Text(m_nLeft, label);
        Text(valueX, value);
        m_strCopy += label + "\t" + value + "\n";
        m_nY -= m_nPitch;
    }

    void Blank() {
        m_strCopy += "\n";
        m_nY -= m_nPitch;
    }

    // Drawing on the current line without moving on or adding to the copy text.
    void Text(int x, const std::string& text) { m_canvas.TextOut(x, m_nY, text); }
    void RightText(int xRight, const std::string& text) {
        m_canvas.SetTextAlign(kAlignRight | kAlignTop);
        m_canvas.TextOut(xRight, m_nY, text);
        m_canvas.SetTextAlign(kAlignLeft | kAlignTop);
    }
    void CentredText(int xCentre, const std::string& text) {
        m_canvas.SetTextAlign(kAlignCenter | kAlignTop);
        m_canvas.TextOut(xCentre, m_nY, text);
        m_canvas.SetTextAlign(kAlignLeft | kAlignTop);
    }

    // Moves down by dy without a line (the margins around boxes).
    void Skip(int dy) { m_nY -= dy; }
    void NextLine() { m_nY -= m_nPitch; }
    void AppendCopy(const std::string& text) { m_strCopy += text; }

  private:
    void SelectFont(bool underline) {
        if (m_nFontHeight > 0) m_canvas.SetFont(ReportFont(m_nFontHeight, underline));
    }

    ICanvas& m_canvas;
    int m_nFontHeight;
    int m_nPitch;
    int m_nLeft;
    int m_nY;
    std::string m_strCopy;
};

// A box of four black lines (solid, width 1).
inline void DrawReportBox(ICanvas& canvas, int left, int top, int right, int bottom) {
    canvas.SetPen({0, 0, 0, 1});
    canvas.MoveTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
    canvas.LineTo(left, top);
}

// A temperature line's text in the output unit system ("Deg F" or "Deg C").
inline std::string ReportTemperature(const CQuarnDoc& doc, double fahrenheit) {
    const double t = doc.IsOutputMetric() ? FahrenheitToCelsius(fahrenheit) : fahrenheit;
    return StrFormat("%.2f %s", t, doc.GetOutputTempUnit().c_str());
}

// One labelled line of a report; a blank line has neither label nor value.
struct ReportLine {
    std::string strLabel;
    std::string strValue;
    bool bBlank = false;
};

inline void WriteLines(CReportWriter& w, const std::vector<ReportLine>& lines, int valueX) {
    for (const ReportLine& line : lines) {
        if (line.bBlank) {
            w.Blank();
        } else {
            w.Line(line.strLabel, valueX, line.strValue);
        }
    }
}

// The four identification lines.
inline std::vector<ReportLine> ProjectLines(const CQuarnDoc& doc) {
    return {
        {"Project Name :", doc.GetProjectName()},
        {"Project Address :", doc.GetProjectAddress()},
        {"Project Designer :", doc.GetProjectDesigner()},
        {"Date :", doc.GetProjectDate()},
    };
}

// Station, latitude, longitude and elevation. Latitude and longitude show their magnitude; the
// hemisphere is in the label.
inline std::vector<ReportLine> StationLines(const CQuarnDoc& doc) {
    const double elevation =
        doc.IsOutputMetric() ? FeetToMeters(doc.GetElevation()) : doc.GetElevation();
    return {
        {"Weather Station :",
         StrFormat("%s, %s", doc.GetCityName().c_str(), doc.GetCityRegion().c_str())},
        {"Latitude :",
         StrFormat("%.2f %s", std::fabs(doc.GetLatitude()), doc.GetLatitudeLabel().c_str())},
        {"Longitude :",
         StrFormat("%.2f %s", std::fabs(doc.GetLongitude()), doc.GetLongitudeLabel().c_str())},
        {"Elevation :", StrFormat("%.2f %s", elevation, doc.GetOutputLengthUnit().c_str())},
    };
}
