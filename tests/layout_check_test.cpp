// Every view, in every display size, font size and layout, on a canvas that measures text like
// the real font: no two texts (labels, captions, legend entries, tick values) overlap, no text
// covers a legend marker, and every text lies on the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "draw/FontMetrics.h"
#include "draw/RecordingCanvas.h"
#include "input/ProjectDescription.h"
#include "paths/InstallDir.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

using json = nlohmann::json;
using Call = CRecordingCanvas::Call;
using Op = CRecordingCanvas::Op;

// The printable part of a Letter sheet with the command line's margins, 0.01 inch.
constexpr int kPaperWidth = 784;
constexpr int kPaperHeight = 1040;

struct Placed {
    std::string text;
    TextBox box;  // with the room it needs from its neighbours
    TextBox ink;  // the text box itself
};

// Boxes may touch; sharing less than a logical unit is not an overlap.
bool Overlap(const TextBox& a, const TextBox& b) {
    constexpr double kSlack = 0.5;
    return a.left < b.right - kSlack && b.left < a.right - kSlack && a.bottom < b.top - kSlack &&
           b.bottom < a.top - kSlack;
}

std::string Describe(const Placed& p) {
    return testing::PrintToString(p.text) + " [" + std::to_string(p.box.left) + ", " +
           std::to_string(p.box.bottom) + " .. " + std::to_string(p.box.right) + ", " +
           std::to_string(p.box.top) + "]";
}

std::vector<Placed> TextBoxes(const CRecordingCanvas& canvas) {
    std::vector<Placed> out;
    for (const Call& c : canvas.calls) {
        if (c.op != Op::kText || c.text.find_first_not_of(' ') == std::string::npos) continue;
        // A tenth of an em on either end along the line: texts closer than a fifth of an em
        // (under a space) read as one, like hour numbers run together.
        const TextBox ink = TextOutBox(c.font, c.align, c.x1, c.y1, c.text);
        TextBox box = ink;
        const double pad = 0.1 * FontEmSize(c.font.nHeight);
        if (c.font.nEscapement == 0) {
            box.left -= pad;
            box.right += pad;
        } else {
            box.bottom -= pad;
            box.top += pad;
        }
        out.push_back({c.text, box, ink});
    }
    return out;
}

// Marker-sized figures: a move and the few short lines drawn from it.
std::vector<TextBox> MarkerBoxes(const CRecordingCanvas& canvas) {
    std::vector<TextBox> out;
    for (size_t i = 0; i < canvas.calls.size(); ++i) {
        if (canvas.calls[i].op != Op::kMove) continue;
        TextBox box{1e300, 1e300, -1e300, -1e300};
        size_t j = i + 1;
        for (; j < canvas.calls.size() && canvas.calls[j].op == Op::kLine; ++j) {
            const Call& c = canvas.calls[j];
            box.left = std::min({box.left, 1.0 * c.x1, 1.0 * c.x2});
            box.right = std::max({box.right, 1.0 * c.x1, 1.0 * c.x2});
            box.bottom = std::min({box.bottom, 1.0 * c.y1, 1.0 * c.y2});
            box.top = std::max({box.top, 1.0 * c.y1, 1.0 * c.y2});
        }
        if (j > i + 1 && box.right - box.left <= 6 && box.top - box.bottom <= 6) {
            out.push_back(box);
        }
    }
    return out;
}

struct Layout {
    int displaySize;
    int fontSize;
    bool printing;
    bool printer = false;  // a real printer turns the rotated caption the other way
};

std::string Name(const Layout& l) {
    return std::string(l.displaySize == 0 ? "Display Large" : "Display Small") +
           (l.fontSize == 0 ? ", Font Large" : ", Font Small") +
           (l.printer    ? ", printer"
            : l.printing ? ", print"
                         : ", screen");
}

// The faults of one drawing, one line each; empty when it is clean.
std::vector<std::string> CheckLayout(CQuarnDoc& doc, int kind, const Layout& layout, int page) {
    doc.m_nDisplaySize = layout.displaySize;
    doc.m_nFontSize = layout.fontSize;
    CRecordingCanvas canvas(layout.printing, layout.printer);
    canvas.UseFontMetrics();
    ViewPage view;
    view.nClientWidth = 1000;  // the command line's screen pane
    view.nClientHeight = 700;
    view.nPrintWidth = kPaperWidth;
    view.nPrintHeight = kPaperHeight;
    view.nPageNumber = page;
    ScrollSizes sizes = DrawView(doc, kind, canvas, view).sizes;
    if (layout.printing) sizes = {kPaperWidth, kPaperHeight};  // the printable part of a sheet

    std::vector<std::string> faults;
    const std::vector<Placed> texts = TextBoxes(canvas);
    for (size_t i = 0; i < texts.size(); ++i) {
        const TextBox& b = texts[i].box;
        const TextBox& ink = texts[i].ink;
        if (ink.left < -0.5 || ink.top > 0.5 || ink.right > sizes.nTotalWidth + 0.5 ||
            ink.bottom < -sizes.nTotalHeight - 0.5) {
            faults.push_back("off the page " + std::to_string(sizes.nTotalWidth) + " x " +
                             std::to_string(sizes.nTotalHeight) + ": " + Describe(texts[i]));
        }
        for (size_t j = i + 1; j < texts.size(); ++j) {
            if (Overlap(b, texts[j].box)) {
                faults.push_back("overlap: " + Describe(texts[i]) + " and " + Describe(texts[j]));
            }
        }
        for (const TextBox& marker : MarkerBoxes(canvas)) {
            if (Overlap(b, marker)) faults.push_back("over a marker: " + Describe(texts[i]));
        }
    }
    return faults;
}

void CheckEveryView(CQuarnDoc& doc) {
    int drawings = 0;
    for (const ViewKindInfo& info : AllViewKinds()) {
        for (const Layout layout :
             {Layout{0, 0, false}, Layout{0, 1, false}, Layout{1, 0, false}, Layout{1, 1, false},
              Layout{0, 0, true}, Layout{0, 1, true}, Layout{1, 0, true}, Layout{1, 1, true},
              Layout{0, 0, true, true}}) {
            const int pages = info.nKind == kInputDataReportKind && layout.printing ? 3 : 1;
            for (int page = 1; page <= pages; ++page) {
                const std::vector<std::string> faults = CheckLayout(doc, info.nKind, layout, page);
                ++drawings;
                // One kind's faults at a time keep the report readable.
                for (size_t i = 0; i < std::min<size_t>(faults.size(), 3); ++i) {
                    ADD_FAILURE() << "kind " << info.nKind << ", " << Name(layout) << ", page "
                                  << page << ": " << faults[i];
                }
            }
        }
    }
    EXPECT_GT(drawings, 8 * 100);
}

TEST_F(NewProjectTest, EveryViewOfANewProjectIsLaidOutWithoutCollisions) { CheckEveryView(*doc); }

TEST_F(NewProjectTest, EveryViewOfTheExamplesIsLaidOutWithoutCollisions) {
    const std::string previous = g_strInstallDir;
    g_strInstallDir = THERMAVO_DATA_DIR;
    for (const char* name : {"office.json", "house.json"}) {
        SCOPED_TRACE(name);
        auto project = std::make_unique<CQuarnDoc>(messages);
        project->OnNewDocument();
        std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + "/examples/" + name);
        ASSERT_TRUE(in);
        ASSERT_EQ(ApplyProjectDescription(*project, json::parse(in)), std::nullopt);
        CheckEveryView(*project);
    }
    g_strInstallDir = previous;
}

// The measure itself: Liberation Sans widths (Arial's), and rotated text hanging from its
// reference point on the side of the letters' feet.
TEST(FontMetrics, MeasuresLikeArialAndTurnsRotatedBoxes) {
    CanvasFont font;
    font.nHeight = 23;  // an em of 20
    // "10" is two digits of 1139/2048 em: 22.2 units.
    EXPECT_EQ(MeasureText(font, "10").cx, 22);
    EXPECT_EQ(MeasureText(font, "iiii").cx, 18);  // narrow letters are narrow
    EXPECT_EQ(MeasureText(font, "Caf\xE9").cx, MeasureText(font, "Caf\xC3\xA9").cx);
    font.nWeight = 700;
    EXPECT_GT(MeasureText(font, "Load").cx, MeasureText(CanvasFont{23}, "Load").cx);

    CanvasFont down{23, 400, false, -900, "Arial"};  // reads downwards: feet to the left
    const TextBox d = TextOutBox(down, kAlignCenter | kAlignBottom, 100, -200, "Load");
    EXPECT_NEAR(d.right, 100, 1e-9);
    EXPECT_NEAR(d.top, -200, 1e-9);
    EXPECT_LT(d.left, 100 - 20);
    CanvasFont up{23, 400, false, 900, "Arial"};  // reads upwards: feet to the right
    const TextBox u = TextOutBox(up, kAlignCenter | kAlignBottom, 100, -200, "Load");
    EXPECT_NEAR(u.left, 100, 1e-9);
    EXPECT_NEAR(u.bottom, -200, 1e-9);
    const TextBox flat = TextOutBox(CanvasFont{23}, kAlignCenter | kAlignTop, 100, -200, "Load");
    EXPECT_NEAR(flat.top, -200, 1e-9);
    EXPECT_NEAR((flat.left + flat.right) / 2, 100, 1e-9);
}

}  // namespace
