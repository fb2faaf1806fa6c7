#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/RecordingCanvas.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"

namespace {

using Call = CRecordingCanvas::Call;
using Op = CRecordingCanvas::Op;

std::vector<Call> TextCalls(const CRecordingCanvas& canvas) {
    std::vector<Call> texts;
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kText) texts.push_back(c);
    }
    return texts;
}

// Text calls in drawing order: 0 title, 1 project, 2..14 header, then 13 cells per hour.
constexpr int kFirstCell = 15;
std::vector<int> At(const Call& c) { return {c.x1, c.y1}; }
std::vector<int> Ends(const Call& c) { return {c.x1, c.y1, c.x2, c.y2}; }

const Call& Cell(const std::vector<Call>& texts, int hour, int column) {
    return texts.at(kFirstCell + (hour - 1) * 13 + column);
}

struct TableViewTest : NewProjectTest {
    CRecordingCanvas printer{true, true};
    ViewPage page{1000, 600, 0, 0, 1};

    // Draws the shown kind as the view does, which then shows it again.
    ScrollSizes Draw(CRecordingCanvas& canvas) {
        const DrawResult drawn = DrawTable(*doc, doc->m_nViewKind, canvas, page);
        ShowViewKind(*doc, doc->m_nViewKind, drawn);
        return drawn.sizes;
    }
    std::vector<Call> DrawTexts(int kind) {
        doc->m_nViewKind = kind;
        CRecordingCanvas canvas(true, false);
        Draw(canvas);
        return TextCalls(canvas);
    }
};

TEST_F(TableViewTest, NewProjectShowsHourColumnAndEmptyMonthCells) {
    doc->m_strProjectName = "Office Block";
    ASSERT_EQ(doc->m_nViewKind, 101);
    Draw(printer);
    const std::vector<Call> texts = TextCalls(printer);
    ASSERT_EQ(texts.size(), 15u + 24 * 13);
    EXPECT_EQ(texts[0].text, "Total Cooling Load - Tons");
    EXPECT_EQ(texts[1].text, "Office Block");
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(Cell(texts, h, 0).text, std::to_string(h) + ".00");
        for (int k = 1; k <= 12; ++k) EXPECT_EQ(Cell(texts, h, k).text, "") << h << "/" << k;
    }

    std::string expected =
        "Total Cooling Load - Tons\nOffice Block\n\n"
        "Hour\tJan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\n";
    for (int h = 1; h <= 24; ++h)
        expected += std::to_string(h) + ".00" + std::string(12, '\t') + "\n";
    EXPECT_EQ(doc->m_strCopyText, expected);
    EXPECT_EQ(doc->m_bCopyAvailable, 1);
}

// The largest absolute value of the whole table picks one format for every cell.
TEST_F(TableViewTest, DecimalsFollowTheLargestAbsoluteValue) {
    struct Case {
        double largest;
        const char* largestText;
        const char* small;  // 3.5 in the same table
    };
    const Case cases[] = {
        {9.9995, "9.999", "3.500"},
        {10.0, "10.00", "3.50"},
        {100.0, "100.0", "3.5"},
        {1000.0, "1000", "4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.largest);
        doc->m_tblTotal[5][7] = c.largest;
        doc->m_tblTotal[6][1] = 3.5;
        const std::vector<Call> texts = DrawTexts(101);
        EXPECT_EQ(Cell(texts, 5, 7).text, c.largestText);
        EXPECT_EQ(Cell(texts, 6, 1).text, c.small);
        EXPECT_EQ(Cell(texts, 6, 0).text, "6.00");  // the hour column keeps two decimals
    }
}

TEST_F(TableViewTest, NegativeCellsKeepTheirSignAndCountByMagnitude) {
    doc->m_tblGlassCondAll[2][1] = -150.0;  // night-time conduction loss
    doc->m_tblGlassCondAll[14][7] = 20.0;
    const std::vector<Call> texts = DrawTexts(122);
    EXPECT_EQ(Cell(texts, 2, 1).text, "-150.0");
    EXPECT_EQ(Cell(texts, 14, 7).text, "20.0");
    EXPECT_NE(doc->m_strCopyText.find("\n2.00\t-150.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0"
                                      "\t0.0\t0.0\n"),
              std::string::npos);
}

TEST_F(TableViewTest, DailyTableRepeatsAcrossMonths) {
    for (int h = 1; h <= 24; ++h) doc->m_tblLights[h][1] = 0.125 * h;
    const std::vector<Call> texts = DrawTexts(141);
    EXPECT_EQ(Cell(texts, 1, 1).text, "0.125");
    EXPECT_EQ(Cell(texts, 24, 1).text, "3.000");
    for (int h = 1; h <= 24; ++h) {
        for (int k = 2; k <= 12; ++k) EXPECT_EQ(Cell(texts, h, k).text, Cell(texts, h, 1).text);
    }
}

TEST_F(TableViewTest, PrintedPageGridAndPositions) {
    page = {2000, 1500, 0, 0, 1};  // the window size does not matter on paper
    const ScrollSizes sizes = Draw(printer);
    EXPECT_EQ(std::vector<int>({sizes.nTotalWidth, sizes.nTotalHeight, sizes.nPageWidth,
                                sizes.nPageHeight, sizes.nLineWidth, sizes.nLineHeight}),
              std::vector<int>({784, 1816, 196, 454, 78, 22}));

    // u 65, L 65, R 719, y0 -65, c 50
    const CanvasPen red{255, 0, 0, 1};
    std::vector<Call> grid;
    for (const Call& c : printer.calls) {
        if (c.op == Op::kLine || c.op == Op::kRectangle) grid.push_back(c);
    }
    ASSERT_EQ(grid.size(), 14u);
    EXPECT_EQ(Ends(grid[0]), std::vector<int>({65, -130, 719, -975}));
    EXPECT_EQ(Ends(grid[1]), std::vector<int>({65, -173, 719, -173}));
    EXPECT_EQ(Ends(grid[2]), std::vector<int>({115, -130, 115, -975}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(grid[i].pen, red);
    for (int k = 2; k <= 12; ++k) {
        EXPECT_EQ(grid[k + 1].pen, (CanvasPen{0, 0, 0, 1}));
        EXPECT_EQ(Ends(grid[k + 1]), std::vector<int>({65 + 50 * k, -130, 65 + 50 * k, -975}));
    }

    const std::vector<Call> texts = TextCalls(printer);
    EXPECT_EQ(At(texts[0]), std::vector<int>({392, -65}));
    EXPECT_EQ(At(texts[1]), std::vector<int>({392, -97}));
    EXPECT_EQ(texts[0].align, kAlignCenter | kAlignTop);
    EXPECT_EQ(At(texts[2]), std::vector<int>({90, -162}));    // "Hour"
    EXPECT_EQ(At(texts[14]), std::vector<int>({690, -162}));  // "Dec"
    EXPECT_EQ(texts[14].align, kAlignCenter | kAlignBottom);
    EXPECT_EQ(At(Cell(texts, 1, 0)), std::vector<int>({90, -205}));
    EXPECT_EQ(At(Cell(texts, 2, 0)), std::vector<int>({90, -238}));  // (hu)/2, (-2u)/3 apart
    EXPECT_EQ(At(Cell(texts, 24, 12)), std::vector<int>({690, -953}));
}

TEST_F(TableViewTest, DisplayLargeScreenScalesTheClientArea) {
    page = {1001, 601, 0, 0, 1};  // W = 3003 / 2 = 1501, H = 1803 / 2 = 901
    CRecordingCanvas screen;
    const ScrollSizes sizes = Draw(screen);
    EXPECT_EQ(std::vector<int>({sizes.nTotalWidth, sizes.nTotalHeight, sizes.nPageWidth,
                                sizes.nPageHeight, sizes.nLineWidth, sizes.nLineHeight}),
              std::vector<int>({1501, 3604, 375, 901, 150, 45}));
    // u 125, L 31, R 1470, y0 -125, c 110
    const std::vector<Call> texts = TextCalls(screen);
    EXPECT_EQ(At(texts[0]), std::vector<int>({750, -125}));
    EXPECT_EQ(At(texts[2]), std::vector<int>({86, -312}));
    EXPECT_EQ(At(Cell(texts, 1, 12)), std::vector<int>({1406, -395}));
    for (const Call& c : screen.calls) {
        if (c.op == Op::kRectangle) {
            EXPECT_EQ(Ends(c), std::vector<int>({31, -250, 1470, -1875}));
        }
    }
}

TEST_F(TableViewTest, FontHeightsPerCase) {
    struct Case {
        int display, font;
        bool printing;
        int title, project, cells;
    };
    // Screen cases draw on a 1000 x 600 client: W 1500 for Display Large, 1000 for Small.
    const Case cases[] = {
        {0, 0, true, 18, 17, 14},  {0, 1, true, 18, 17, 14}, {0, 0, false, 53, 50, 41},
        {0, 1, false, 33, 31, 26}, {1, 0, true, 18, 17, 14}, {1, 1, true, 18, 17, 14},
        {1, 0, false, 18, 17, 14}, {1, 1, false, 9, 8, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.display << c.font << c.printing);
        doc->m_nDisplaySize = c.display;
        doc->m_nFontSize = c.font;
        CRecordingCanvas canvas(c.printing, false);
        canvas.UseFontMetrics();  // the cells fit their columns as they do on screen
        Draw(canvas);
        const std::vector<Call> texts = TextCalls(canvas);
        CanvasFont title{c.title, 500, true, 0, "Arial"};
        EXPECT_EQ(texts[0].font, title);
        EXPECT_EQ(texts[1].font, (CanvasFont{c.project, 500, false, 0, "Arial"}));
        EXPECT_EQ(texts[2].font, (CanvasFont{c.cells, 500, false, 0, "Arial"}));
        EXPECT_EQ(texts.back().font, texts[2].font);
    }
}

TEST_F(TableViewTest, UnknownFontSizeOnScreenKeepsTheCanvasFont) {
    doc->m_nFontSize = 2;
    CRecordingCanvas screen;
    Draw(screen);
    for (const Call& c : TextCalls(screen)) EXPECT_EQ(c.font, CanvasFont{});
    EXPECT_EQ(doc->m_bCopyAvailable, 1);
}

TEST_F(TableViewTest, UnknownDisplaySizeDrawsNothingAndKeepsTheCopy) {
    doc->m_nDisplaySize = 2;
    doc->m_strCopyText = "previous";
    doc->m_bCopyAvailable = 0;
    Draw(printer);
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_EQ(doc->m_strCopyText, "previous");
    EXPECT_EQ(doc->m_bCopyAvailable, 0);
}

TEST_F(TableViewTest, CopyComesBackAfterAGraph) {
    Draw(printer);
    const std::string table = doc->m_strCopyText;
    doc->m_nViewKind = 1;
    CRecordingCanvas graph;
    ShowViewKind(*doc, 1, DrawGraph(*doc, 1, graph, page));
    EXPECT_EQ(doc->m_bCopyAvailable, 0);
    EXPECT_EQ(doc->m_strCopyText, table);  // a graph has nothing to copy, the text stays
    doc->m_nViewKind = 101;
    Draw(printer);
    EXPECT_EQ(doc->m_bCopyAvailable, 1);
}

}  // namespace
