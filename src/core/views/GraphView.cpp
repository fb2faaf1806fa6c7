// The hourly graph: two line charts, January to June above July to December, one coloured
// curve with its own marker per month on a round vertical scale that always includes zero.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "document/QuarnDoc.h"
#include "text/Format.h"
#include "views/GraphScale.h"
#include "views/PageSetup.h"
#include "views/ViewDrawing.h"

namespace {
// Largest magnitude a graph places: beyond it the scale's sums and steps could overflow.
constexpr double kMaxPlottable = 1e300;
// Spans below this have no round step a double can hold (10 to the power k overflows for the
// decades of subnormal spans): such a graph is drawn on the scale of an all-zero one.
constexpr double kMinSpan = 1e-300;
}  // namespace

bool IsPlottable(double value) { return std::isfinite(value) && std::fabs(value) <= kMaxPlottable; }

GraphScale ComputeGraphScale(double minValue, double maxValue) {
    if (!IsPlottable(minValue) || !IsPlottable(maxValue)) minValue = maxValue = 0;
    double P = 1;
    double N = 1;
    if (minValue >= 0 && maxValue > 0) {
        P = maxValue;
        N = 0;
    } else if (minValue < 0 && maxValue >= 0) {
        P = maxValue;
        N = std::fabs(minValue);
    } else if (minValue < 0 && maxValue < 0) {
        P = 0;
        N = std::fabs(minValue);
    }

    double S = P + N;
    if (!(S >= kMinSpan)) {
        P = N = 1;
        S = 2;
    }
    const double kLog2 = std::log10(2.0);
    const double kLog5 = std::log10(5.0);
    double d = std::log10(S);
    double step;
    if (S >= 1) {
        double i;
        const double f = std::modf(d, &i);
        const double decade = std::pow(10.0, i);
        step = f <= kLog2 ? 0.2 * decade : (f <= kLog5 ? 0.5 * decade : decade);
    } else {
        int k = 0;
        while (d < 0) {
            d += 1;
            ++k;
        }
        const double decade = std::pow(10.0, k);
        step = d <= kLog2 ? 0.2 / decade : (d <= kLog5 ? 0.5 / decade : 1 / decade);
    }

    GraphScale scale;
    scale.dStep = step;
    scale.nP = static_cast<int>(std::ceil(P / step));
    scale.nN = static_cast<int>(std::ceil(N / step));
    scale.pszLabelFormat = GraphLabelFormat(step);
    return scale;
}

const char* GraphLabelFormat(double step) {
    if (step <= 0.1) return "%.3f";
    if (step <= 1) return "%.2f";
    if (step <= 10) return "%.1f";
    return "%.0f";
}

namespace {

// A device coordinate from a position the scale computed; far outside any page it is held at
// the edge of what an int carries, so no conversion overflows.
int ToDevice(double y) {
    constexpr double kLimit = 1e9;
    if (!(y >= -kLimit)) return static_cast<int>(-kLimit);  // NaN too
    if (!(y <= kLimit)) return static_cast<int>(kLimit);
    return static_cast<int>(y);
}

// Colours of the six month positions of a chart, the same for the first and the second half.
constexpr CanvasPen kMonthPens[6] = {
    {255, 0, 0, 1},   {0, 255, 0, 1},   {0, 0, 255, 1},
    {180, 180, 0, 1}, {255, 0, 255, 1}, {0, 255, 255, 1},
};
constexpr CanvasPen kFramePen{0, 0, 0, 2};

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct GraphFonts {
    bool bMake = false;
    int nSmall = 0;
    int nMiddle = 0;
    int nLarge = 0;
    int nRotated = 0;
};

GraphFonts ChooseGraphFonts(int displaySize, int fontSize, bool printing, int width) {
    if (printing) return {true, 14, 17, 20, 14};
    if (displaySize == 0) {
        if (fontSize == 0) return {true, width / 34, width / 28, width / 23, width / 34};
        if (fontSize == 1) return {true, width / 53, width / 45, width / 38, width / 53};
    } else {
        if (fontSize == 0) return {true, 14, 17, 20, 14};
        if (fontSize == 1) return {true, 10, 12, 14, 10};
    }
    return {};
}

// The least room between two texts side by side, about a space of the font.
int Gap(int fontHeight) { return std::max(2, fontHeight / 4); }

// Centred over the frame, or moved left as far as a long line needs to stay on the page.
int CentreOnPage(ICanvas& canvas, const std::string& text, int xMid, int W) {
    const int half = (canvas.GetTextExtent(text).cx + 1) / 2;
    return std::max(half, std::min(xMid, W - half));
}

CanvasFont GraphFont(int height, int escapement = 0) {
    CanvasFont font;
    font.nHeight = height;
    font.nWeight = 400;
    font.nEscapement = escapement;
    font.strFace = "Arial";
    return font;
}

// The month's marker around (x, y), half-size 3; the shape follows the month's position in its
// half of the year so each curve can be told apart without colour.
void DrawMarker(ICanvas& canvas, int position, int x, int y) {
    const int s = 3;
    switch (position) {
        case 0:  // square
            canvas.MoveTo(x - s, y + s);
            canvas.LineTo(x + s, y + s);
            canvas.LineTo(x + s, y - s);
            canvas.LineTo(x - s, y - s);
            canvas.LineTo(x - s, y + s);
            break;
        case 1:  // diamond
            canvas.MoveTo(x, y + s);
            canvas.LineTo(x + s, y);
            canvas.LineTo(x, y - s);
            canvas.LineTo(x - s, y);
            canvas.LineTo(x, y + s);
            break;
        case 2:  // plus
            canvas.MoveTo(x - s, y);
            canvas.LineTo(x + s, y);
            canvas.MoveTo(x, y + s);
            canvas.LineTo(x, y - s);
            break;
        case 3:  // diagonal cross
            canvas.MoveTo(x - s, y + s);
            canvas.LineTo(x + s, y - s);
            canvas.MoveTo(x - s, y - s);
            canvas.LineTo(x + s, y + s);
            break;
        case 4:  // triangle, flat side 2 above the point, apex 3 below
            canvas.MoveTo(x - s, y + 2);
            canvas.LineTo(x + s, y + 2);
            canvas.LineTo(x, y - s);
            canvas.LineTo(x - s, y + 2);
            break;
        default:  // hourglass: top edge, diagonal, bottom edge, diagonal back
            canvas.MoveTo(x - s, y + s);
            canvas.LineTo(x + s, y + s);
            canvas.LineTo(x - s, y - s);
            canvas.LineTo(x + s, y - s);
            canvas.LineTo(x - s, y + s);
            break;
    }
}

}  // namespace

DrawResult DrawGraph(const CQuarnDoc& doc, int kind, ICanvas& canvas, const ViewPage& page) {
    return DrawHourlyGraph(HourlyViewOf(doc, kind), canvas, page);
}

DrawResult DrawHourlyGraph(const HourlyView& view, ICanvas& canvas, const ViewPage& page) {
    const int displaySize = view.nDisplaySize;
    if (displaySize != 0 && displaySize != 1) return {};
    const bool printing = canvas.IsPrinting();

    const PageSize size = TablePageSize(displaySize, printing, page);
    const int W = size.nWidth;
    const int H = size.nHeight;
    const ScrollSizes sizes = PageScrollSizes(W, H);
    const std::string& title = view.strTitle;
    const std::string& axis = view.strAxis;

    const GraphFonts heights = ChooseGraphFonts(displaySize, view.nFontSize, printing, W);
    // A real printer turns the rotated text the other way round from the screen and preview.
    const int rotation = canvas.IsPrinterOutput() ? 900 : -900;
    auto selectFont = [&](int height, int escapement = 0) {
        if (heights.bMake) canvas.SetFont(GraphFont(height, escapement));
    };

    // Values the graph cannot place are left out, and the scale comes from the others.
    double values[12][25] = {};
    int unplotted[2] = {0, 0};  // per chart
    bool anyPlottable = false;
    double minValue = 0;
    double maxValue = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int hour = 1; hour <= 24; ++hour) {
            const double v = view.value(hour, m);
            values[m - 1][hour] = v;
            if (!IsPlottable(v)) {
                ++unplotted[m <= 6 ? 0 : 1];
                continue;
            }
            if (!anyPlottable) minValue = maxValue = v;
            anyPlottable = true;
            minValue = std::min(minValue, v);
            maxValue = std::max(maxValue, v);
        }
    }
    if (unplotted[0] + unplotted[1] == 0) {
        // Every value is drawn: the scale of the view's own extremes, as always.
        const PeakResult extremes = FindPeak(view.value);
        minValue = extremes.dMin;
        maxValue = extremes.dMax;
    }
    const GraphScale scale = ComputeGraphScale(minValue, maxValue);
    const double step = scale.dStep;

    const int u = W / 12;
    const int t = u / 13;
    const int left = 2 * u;
    const int right = W - u;
    const int xMid = left + (right - left) / 2;
    const int pitch = (right - left) / 24;
    const int plotHeight = H - 2 * u;
    const double yScale = plotHeight / ((scale.nN + scale.nP) * step);
    const double zeroOffset = scale.nN * step * yScale;
    auto hourX = [&](int hour) { return left + pitch / 2 + (hour - 1) * pitch; };

    for (int chart = 0; chart < 2; ++chart) {
        const int m0 = chart == 0 ? 1 : 7;
        const int shift = chart == 0 ? 0 : H + u;
        const int top = -2 * u - shift;
        const int bottom = -H - shift;
        auto valueY = [&](double v) { return ToDevice(bottom + zeroOffset + v * yScale); };
        const double(*chartValues)[25] = &values[m0 - 1];

        canvas.SetPen(kFramePen);
        canvas.Rectangle(left, top, right, bottom);

        for (int i = 0; i < 6; ++i) {
            canvas.SetPen(kMonthPens[i]);
            // A value left out breaks the curve; it goes on from the next one drawn.
            bool drawing = false;
            for (int hour = 1; hour <= 24; ++hour) {
                const double v = chartValues[i][hour];
                if (!IsPlottable(v)) {
                    drawing = false;
                } else if (drawing) {
                    canvas.LineTo(hourX(hour), valueY(v));
                } else {
                    canvas.MoveTo(hourX(hour), valueY(v));
                    drawing = true;
                }
            }
        }
        for (int i = 0; i < 6; ++i) {
            canvas.SetPen(kMonthPens[i]);
            for (int hour = 1; hour <= 24; ++hour) {
                const double v = chartValues[i][hour];
                if (IsPlottable(v)) DrawMarker(canvas, i, hourX(hour), valueY(v));
            }
        }

        canvas.SetPen(kFramePen);
        selectFont(heights.nSmall);
        canvas.SetTextAlign(kAlignRight | kAlignBaseline);
        int labelWidth = 0;
        for (int k = -scale.nN; k <= scale.nP; ++k) {
            const double value = k * step;
            const int y = valueY(value);
            canvas.MoveTo(left, y);
            canvas.LineTo(left - t, y);
            if (k == 0) {
                canvas.MoveTo(left, y);
                canvas.LineTo(right, y);
            }
            const std::string label = StrFormat(scale.pszLabelFormat, value);
            labelWidth = std::max(labelWidth, canvas.GetTextExtent(label).cx);
            canvas.TextOut(left - 2 * t, y - 4, label);
        }

        // The caption hangs from its reference point, so its box ends 0.8u left of the frame,
        // or further left where long tick values would reach it; reading upwards (on a
        // printer) it lies on the other side of the point and moves by its own height.
        selectFont(heights.nRotated, rotation);
        canvas.SetTextAlign(kAlignCenter | kAlignBottom);
        const int captionEdge = std::min(static_cast<int>(left - 0.8 * u),
                                         left - 2 * t - labelWidth - Gap(heights.nSmall));
        const int captionX =
            rotation > 0 ? captionEdge - canvas.GetTextExtent(axis).cy : captionEdge;
        canvas.TextOut(captionX, top - plotHeight / 2, axis);

        // The hour numbers take the small font unless two-digit numbers would run together at
        // this pitch; then the largest that keeps them apart.
        int hourFont = heights.nSmall;
        selectFont(hourFont);
        while (heights.bMake && hourFont > 1 &&
               canvas.GetTextExtent("24").cx + Gap(hourFont) > pitch) {
            selectFont(--hourFont);
        }
        canvas.SetTextAlign(kAlignCenter | kAlignTop);
        for (int hour = 1; hour <= 24; ++hour) {
            canvas.MoveTo(hourX(hour), bottom);
            canvas.LineTo(hourX(hour), bottom - t);
            canvas.TextOut(hourX(hour), bottom - 2 * t, StrFormat("%d", hour));
        }
        // Under the hour numbers, and 6t below the frame where they leave room.
        const int hourCaptionY =
            std::min(bottom - 6 * t, bottom - 2 * t - canvas.GetTextExtent("24").cy);
        selectFont(heights.nSmall);
        canvas.TextOut(xMid, hourCaptionY, "Hour of Day (Solar Time)");

        selectFont(heights.nMiddle);
        canvas.SetTextAlign(kAlignCenter | kAlignBottom);
        const std::string period = chart == 0 ? "January To June - " : "July To December - ";
        std::string caption = period + view.strName;
        if (unplotted[chart] > 0) {
            caption += StrFormat(" (%d %s not drawn: not a finite number or too large)",
                                 unplotted[chart], unplotted[chart] == 1 ? "value" : "values");
        }
        canvas.TextOut(CentreOnPage(canvas, caption, xMid, W), top + 2 * t, caption);

        selectFont(heights.nLarge);
        canvas.TextOut(CentreOnPage(canvas, title, xMid, W), top + 8 * t, title);

        selectFont(heights.nSmall);
        canvas.SetTextAlign(kAlignLeft | kAlignBaseline);
        // 12t below the frame, or lower where the hour caption above it needs the room.
        const int line = canvas.GetTextExtent("Hour of Day (Solar Time)").cy;
        const int yLegend = std::min(bottom - 12 * t, hourCaptionY - 2 * line + 4);
        // Entries two pitches apart, or wider where a month's name would reach the next marker.
        int nameWidth = 0;
        for (int i = 0; i < 6; ++i) {
            nameWidth = std::max(nameWidth, canvas.GetTextExtent(kMonthNames[m0 - 1 + i]).cx);
        }
        const int entryStep = std::max(2 * pitch, pitch / 2 + nameWidth + Gap(heights.nSmall) + 3);
        for (int i = 0; i < 6; ++i) {
            const int x = left + 5 * pitch + i * entryStep;
            canvas.SetPen(kMonthPens[i]);
            DrawMarker(canvas, i, x, yLegend);
            canvas.TextOut(x + pitch / 2, yLegend - 4, kMonthNames[m0 - 1 + i]);
        }
    }

    return {sizes, DrawResult::Copy::kNothing, {}};
}
