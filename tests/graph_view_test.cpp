#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "draw/RecordingCanvas.h"
#include "support/NewProjectTest.h"
#include "views/GraphScale.h"
#include "views/ViewDrawing.h"

namespace {

using Call = CRecordingCanvas::Call;
using Op = CRecordingCanvas::Op;

// ---- Vertical scale ----

struct ScaleCase {
    double min, max;
    double step;
    int nP, nN;
    std::string format;
};

TEST(GraphScaleTest, RoundStepsThatIncludeZero) {
    const ScaleCase cases[] = {
        {0, 7.3, 1, 8, 0, "%.2f"},  // a step of exactly 1 still takes two decimals
        {-0.4, 1.5, 0.2, 8, 2, "%.2f"},
        {0, 0.03, 0.005, 6, 0, "%.3f"},  // below 1: two decades up, then 0.5 / 100
        {0, 0, 0.2, 5, 5, "%.2f"},       // nothing to show: -1 .. 1
        {0, 100, 20, 5, 0, "%.0f"},
        {-3, -1, 0.5, 0, 6, "%.2f"},  // all below zero: the axis ends at zero
        {0, 2, 0.2, 10, 0, "%.2f"},   // fraction exactly log10(2) stays with 0.2
        {0, 5, 0.5, 10, 0, "%.2f"},   // fraction exactly log10(5) stays with 0.5
        {0, 10, 2, 5, 0, "%.1f"},
        {0, 0.1, 0.02, 5, 0, "%.3f"},
        {-350, 1200, 200, 6, 2, "%.0f"},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " .. " << c.max);
        const GraphScale s = ComputeGraphScale(c.min, c.max);
        EXPECT_NEAR(s.dStep, c.step, c.step * 1e-12);
        EXPECT_EQ(s.nP, c.nP);
        EXPECT_EQ(s.nN, c.nN);
        EXPECT_EQ(s.pszLabelFormat, c.format);
    }
}

TEST(GraphScaleTest, SpansWithoutARoundStepUseTheAllZeroScale) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const GraphScale zero = ComputeGraphScale(0, 0);
    for (auto [min, max] : {std::pair{5e-324, 5e-324}, std::pair{0.0, 1e-310},
                            std::pair{-1e-305, 0.0}, std::pair{nan, 1.0}, std::pair{0.0, inf},
                            std::pair{-inf, inf}, std::pair{0.0, 1.7976931348623157e308}}) {
        SCOPED_TRACE(testing::Message() << min << " .. " << max);
        const GraphScale s = ComputeGraphScale(min, max);
        EXPECT_EQ(s.dStep, zero.dStep);
        EXPECT_EQ(s.nP, zero.nP);
        EXPECT_EQ(s.nN, zero.nN);
    }
    // The largest spans still placed get a finite round step.
    const GraphScale huge = ComputeGraphScale(-1e300, 1e300);
    EXPECT_TRUE(std::isfinite(huge.dStep));
    EXPECT_GT(huge.dStep, 0);
    EXPECT_EQ(huge.nP + huge.nN, 10);
    const GraphScale tiny = ComputeGraphScale(0, 3e-300);
    EXPECT_GT(tiny.dStep, 0);
    EXPECT_EQ(tiny.nP, 6);
}

// ---- Drawing ----

const Call* FindText(const CRecordingCanvas& canvas, const std::string& text, int nth = 0) {
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kText && c.text == text && nth-- == 0) return &c;
    }
    return nullptr;
}

std::vector<std::string> TextsAligned(const CRecordingCanvas& canvas, unsigned align) {
    std::vector<std::string> texts;
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kText && c.align == align) texts.push_back(c.text);
    }
    return texts;
}

using Segment = std::array<int, 4>;

// Segments compared whatever their drawing order and direction.
std::vector<Segment> Sorted(std::vector<Segment> segments) {
    for (Segment& s : segments) {
        if (std::make_pair(s[2], s[3]) < std::make_pair(s[0], s[1])) s = {s[2], s[3], s[0], s[1]};
    }
    std::sort(segments.begin(), segments.end());
    return segments;
}

// The lines of one pen lying wholly within 3 units of (x, y), relative to it.
std::vector<Segment> MarkerAt(const CRecordingCanvas& canvas, const CanvasPen& pen, int x, int y) {
    std::vector<Segment> segments;
    auto near = [&](int px, int py) { return std::abs(px - x) <= 3 && std::abs(py - y) <= 3; };
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kLine && c.pen == pen && near(c.x1, c.y1) && near(c.x2, c.y2))
            segments.push_back({c.x1 - x, c.y1 - y, c.x2 - x, c.y2 - y});
    }
    return Sorted(segments);
}

const CanvasPen kPens[6] = {{255, 0, 0, 1},   {0, 255, 0, 1},   {0, 0, 255, 1},
                            {180, 180, 0, 1}, {255, 0, 255, 1}, {0, 255, 255, 1}};
const CanvasPen kFrame{0, 0, 0, 2};

// Marker shapes by month position, as drawn around the point (0, 0).
const std::vector<Segment> kShapes[6] = {
    Sorted({{-3, 3, 3, 3}, {3, 3, 3, -3}, {3, -3, -3, -3}, {-3, -3, -3, 3}}),  // square
    Sorted({{0, 3, 3, 0}, {3, 0, 0, -3}, {0, -3, -3, 0}, {-3, 0, 0, 3}}),      // diamond
    Sorted({{-3, 0, 3, 0}, {0, 3, 0, -3}}),                                    // plus
    Sorted({{-3, 3, 3, -3}, {-3, -3, 3, 3}}),                                  // cross
    Sorted({{-3, 2, 3, 2}, {3, 2, 0, -3}, {0, -3, -3, 2}}),                    // triangle
    Sorted({{-3, 3, 3, 3}, {3, 3, -3, -3}, {-3, -3, 3, -3}, {3, -3, -3, 3}}),  // hourglass
};

// Printed page: u 65, t 5, frame x 130..719, pitch 24, plot height 324; the first chart from
// y -130 to -454, the second from -649 to -973.
struct GraphViewTest : NewProjectTest {
    CRecordingCanvas preview{true, false};
    ViewPage page{1000, 600, 0, 0, 1};

    void SetUp() override {
        NewProjectTest::SetUp();
        doc->m_nViewKind = 1;
        doc->m_strProjectName = "Office Block";
    }
    ScrollSizes Draw(CRecordingCanvas& canvas) {
        const DrawResult drawn = DrawGraph(*doc, doc->m_nViewKind, canvas, page);
        ShowViewKind(*doc, doc->m_nViewKind, drawn);
        return drawn.sizes;
    }
};

TEST_F(GraphViewTest, ValueLabelsAndZeroLine) {
    doc->m_tblTotal[14][2] = 1.5;
    doc->m_tblTotal[3][11] = -0.4;
    Draw(preview);
    const std::vector<std::string> labels = TextsAligned(preview, kAlignRight | kAlignBaseline);
    const std::vector<std::string> oneChart = {"-0.40", "-0.20", "0.00", "0.20", "0.40", "0.60",
                                               "0.80",  "1.00",  "1.20", "1.40", "1.60"};
    std::vector<std::string> both = oneChart;
    both.insert(both.end(), oneChart.begin(), oneChart.end());
    EXPECT_EQ(labels, both);

    // scale 162 per unit, zero 64.8 above the bottom: truncated to -389
    const Call* zero = FindText(preview, "0.00");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(std::vector<int>({zero->x1, zero->y1}), std::vector<int>({120, -393}));
    EXPECT_TRUE(std::any_of(preview.calls.begin(), preview.calls.end(), [](const Call& c) {
        return c.op == Op::kLine && c.pen == kFrame && c.x1 == 130 && c.x2 == 719 && c.y1 == -389 &&
               c.y2 == -389;
    }));
}

TEST_F(GraphViewTest, MarkerShapesPerMonth) {
    // Each month its own level, 27 units apart (step 2, six steps over 324 units).
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) doc->m_tblTotal[h][m] = m;
    }
    Draw(preview);
    const int hour5 = 130 + 12 + 4 * 24;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const int first = static_cast<int>(-454 + 27.0 * (i + 1));
        const int second = static_cast<int>(-973 + 27.0 * (i + 7));
        EXPECT_EQ(MarkerAt(preview, kPens[i], hour5, first), kShapes[i]);
        EXPECT_EQ(MarkerAt(preview, kPens[i], hour5, second), kShapes[i]);
        // the legend: 12t below each frame, from five pitches in, two pitches apart
        const int x = 130 + 5 * 24 + 2 * i * 24;
        EXPECT_EQ(MarkerAt(preview, kPens[i], x, -514), kShapes[i]);
        EXPECT_EQ(MarkerAt(preview, kPens[i], x, -1033), kShapes[i]);
    }
    const Call* jan = FindText(preview, "Jan");
    const Call* dec = FindText(preview, "Dec");
    ASSERT_TRUE(jan && dec);
    EXPECT_EQ(std::vector<int>({jan->x1, jan->y1, dec->x1, dec->y1}),
              std::vector<int>({262, -518, 502, -1037}));
    EXPECT_EQ(jan->align, kAlignLeft | kAlignBaseline);
}

TEST_F(GraphViewTest, CaptionsAndHourAxis) {
    doc->m_tblTotal[15][7] = 7.3;
    Draw(preview);
    EXPECT_EQ(TextsAligned(preview, kAlignRight | kAlignBaseline).at(8), "8.00");
    auto at = [&](const std::string& text, int nth = 0) {
        const Call* c = FindText(preview, text, nth);
        return c ? std::vector<int>({c->x1, c->y1}) : std::vector<int>();
    };
    EXPECT_EQ(at("1"), std::vector<int>({142, -464}));
    EXPECT_EQ(at("24", 1), std::vector<int>({694, -983}));  // the second chart's
    EXPECT_EQ(at("Hour of Day (Solar Time)"), std::vector<int>({424, -484}));
    EXPECT_EQ(at("January To June - Office Block"), std::vector<int>({424, -120}));
    EXPECT_EQ(at("July To December - Office Block"), std::vector<int>({424, -639}));
    EXPECT_EQ(at("Total Cooling Load - Tons"), std::vector<int>({424, -90}));
    EXPECT_EQ(at("Total Cooling Load - Tons", 1), std::vector<int>({424, -609}));
    EXPECT_EQ(FindText(preview, "Hour of Day (Solar Time)")->align, kAlignCenter | kAlignTop);
    EXPECT_EQ(FindText(preview, "Total Cooling Load - Tons")->align, kAlignCenter | kAlignBottom);
}

TEST_F(GraphViewTest, ValueCaptionTurnsTheOtherWayOnAPrinter) {
    CRecordingCanvas screen;
    CRecordingCanvas printer(true, true);
    Draw(screen);
    Draw(preview);
    Draw(printer);
    const std::string axis = "Cooling Load (Tons)";
    ASSERT_TRUE(FindText(screen, axis) && FindText(preview, axis) && FindText(printer, axis));
    EXPECT_EQ(FindText(screen, axis)->font.nEscapement, -900);
    EXPECT_EQ(FindText(preview, axis)->font.nEscapement, -900);
    EXPECT_EQ(FindText(printer, axis)->font.nEscapement, 900);
    const Call* caption = FindText(printer, axis);
    // Reading upwards the caption lies right of its reference point, which therefore stands
    // its height (14) left of where the box ends: clear of the widest tick value (42 wide in
    // this canvas's measure, ending 2t = 10 left of the frame at 130), 3 units apart.
    EXPECT_EQ(std::vector<int>({caption->x1, caption->y1}), std::vector<int>({61, -292}));
    EXPECT_EQ(caption->align, kAlignCenter | kAlignBottom);
    EXPECT_EQ(caption->font.nHeight, 14);
}

TEST_F(GraphViewTest, FontHeightsPerCase) {
    struct Case {
        int display, font;
        bool printing;
        int small, middle, large, rotated;
    };
    // Screen cases draw on a 1000 x 600 client: W 1500 for Display Large.
    const Case cases[] = {
        {0, 0, true, 14, 17, 20, 14},  {1, 1, true, 14, 17, 20, 14},  {0, 0, false, 44, 53, 65, 44},
        {0, 1, false, 28, 33, 39, 28}, {1, 0, false, 14, 17, 20, 14}, {1, 1, false, 10, 12, 14, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.display << c.font << c.printing);
        doc->m_nDisplaySize = c.display;
        doc->m_nFontSize = c.font;
        CRecordingCanvas canvas(c.printing, false);
        Draw(canvas);
        auto font = [&](const std::string& text) { return FindText(canvas, text)->font; };
        // The hour numbers take a smaller font where two digits would run together.
        EXPECT_EQ(font("Hour of Day (Solar Time)"), (CanvasFont{c.small, 400, false, 0, "Arial"}));
        EXPECT_EQ(font("Jan"), font("Hour of Day (Solar Time)"));
        EXPECT_LE(font("12").nHeight, c.small);
        EXPECT_EQ(font("January To June - Office Block"),
                  (CanvasFont{c.middle, 400, false, 0, "Arial"}));
        EXPECT_EQ(font("Total Cooling Load - Tons"), (CanvasFont{c.large, 400, false, 0, "Arial"}));
        EXPECT_EQ(font("Cooling Load (Tons)"), (CanvasFont{c.rotated, 400, false, -900, "Arial"}));
    }
}

}  // namespace

TEST_F(GraphViewTest, ValuesThatCannotBePlacedAreLeftOutAndTheCaptionSaysSo) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    doc->m_tblTotal[5][2] = nan;
    doc->m_tblTotal[6][2] = std::numeric_limits<double>::infinity();
    doc->m_tblTotal[7][2] = -1.7976931348623157e308;
    doc->m_tblTotal[14][2] = 1.5;
    doc->m_tblTotal[3][11] = -0.4;
    Draw(preview);

    // The scale of the values that are drawn, as without the others.
    EXPECT_EQ(TextsAligned(preview, kAlignRight | kAlignBaseline).front(), "-0.40");
    EXPECT_EQ(TextsAligned(preview, kAlignRight | kAlignBaseline).at(10), "1.60");
    EXPECT_NE(FindText(preview,
                       "January To June - Office Block (3 values not drawn: not a finite number "
                       "or too large)"),
              nullptr);
    EXPECT_NE(FindText(preview, "July To December - Office Block"), nullptr);
    // Every point stays on the page: no coordinate is anywhere near an int's end.
    for (const Call& c : preview.calls) {
        for (int v : {c.x1, c.y1, c.x2, c.y2}) ASSERT_LT(std::abs(v), 10000);
    }
    // February's curve breaks at hours 5..7: hour 4 is not joined to hour 8.
    const int x4 = 130 + 12 + 3 * 24;
    const int x8 = 130 + 12 + 7 * 24;
    for (const Call& c : preview.calls) {
        // February is drawn in the first chart, from y -130 to -454.
        if (c.op != Op::kLine || c.pen != kPens[1] || c.y1 < -460 || c.y1 > -120) continue;
        if (std::abs(c.x2 - c.x1) >= 20) {  // a curve segment, not a marker stroke
            EXPECT_FALSE(c.x1 == x4 && c.x2 == x8);
            EXPECT_FALSE(c.x1 > x4 && c.x1 < x8 && c.x2 > x4 && c.x2 < x8) << c.x1;
        }
        // and no marker at the hours left out
        for (int h : {5, 6, 7}) {
            const int x = 130 + 12 + (h - 1) * 24;
            EXPECT_FALSE(std::abs(c.x1 - x) <= 3 && std::abs(c.x2 - x) <= 3) << h;
        }
    }
}

TEST_F(GraphViewTest, AllEqualSubnormalValuesDrawAFlatLineOnTheZeroScale) {
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) doc->m_tblTotal[h][m] = 5e-324;
    }
    Draw(preview);
    const std::vector<std::string> labels = TextsAligned(preview, kAlignRight | kAlignBaseline);
    ASSERT_EQ(labels.size(), 22u);
    EXPECT_EQ(labels.front(), "-1.00");
    EXPECT_EQ(labels.at(10), "1.00");
    // Every January point on one height.
    std::vector<int> heights;
    for (const Call& c : preview.calls) {
        if (c.op == Op::kLine && c.pen == kPens[0] && c.y1 == c.y2 && c.x2 - c.x1 == 24 &&
            c.y1 > -460 && c.y1 < -120) {
            heights.push_back(c.y1);
        }
    }
    ASSERT_FALSE(heights.empty());
    EXPECT_TRUE(
        std::all_of(heights.begin(), heights.end(), [&](int y) { return y == heights.front(); }));
}
