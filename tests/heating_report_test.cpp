#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "draw/RecordingCanvas.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

using Call = CRecordingCanvas::Call;
using Op = CRecordingCanvas::Op;

const char* const kRowLabels[12] = {"Walls above grade",
                                    "Walls below grade",
                                    "Roof",
                                    "Glass",
                                    "Skylights",
                                    "Glass blocks",
                                    "Floor above unheated space",
                                    "Floors on or below grade",
                                    "Ceiling",
                                    "Partitions",
                                    "Infiltration",
                                    "Ventilation"};

// The text call drawn right after the label (its value on the same line).
const Call* ValueCall(const CRecordingCanvas& canvas, const std::string& label) {
    for (size_t i = 0; i + 1 < canvas.calls.size(); ++i) {
        if (canvas.calls[i].op == Op::kText && canvas.calls[i].text == label &&
            canvas.calls[i + 1].op == Op::kText) {
            return &canvas.calls[i + 1];
        }
    }
    return nullptr;
}

std::string ValueAfter(const CRecordingCanvas& canvas, const std::string& label) {
    const Call* c = ValueCall(canvas, label);
    return c ? c->text : "(missing " + label + ")";
}

struct HeatingReportTest : NewProjectTest {
    ViewPage page{1000, 600, 0, 0, 1};
    CRecordingCanvas printer{true, true};

    // Draws as the view does: the document then shows the report.
    ScrollSizes Draw(CRecordingCanvas& canvas) {
        const DrawResult drawn = DrawHeatingReport(*doc, canvas, page);
        ShowViewKind(*doc, kHeatingReportKind, drawn);
        return drawn.sizes;
    }
};

}  // namespace

TEST_F(HeatingReportTest, NewProjectShowsZeroLosses) {
    Draw(printer);
    for (const char* label : kRowLabels) EXPECT_EQ(ValueAfter(printer, label), "0.00") << label;
    EXPECT_EQ(ValueAfter(printer, "Total Heat Losses"), "0.00");
    EXPECT_EQ(ValueAfter(printer, "Ventilation Air :"), "0.00 CFM");
    EXPECT_EQ(doc->m_bCopyAvailable, 1);
}

TEST_F(HeatingReportTest, TotalIsTheCalculatedItemThirteen) {
    for (int i = 0; i < 12; ++i) doc->m_dHeatLoss[i] = 1000.0 * (i + 1);
    doc->m_dHeatLoss[12] = 12345.5;  // deliberately not the sum of the rows
    Draw(printer);
    EXPECT_EQ(ValueAfter(printer, "Walls above grade"), "1000.00");
    EXPECT_EQ(ValueAfter(printer, "Ventilation"), "12000.00");
    EXPECT_EQ(ValueAfter(printer, "Total Heat Losses"), "12345.50");
}

TEST_F(HeatingReportTest, MetricShowsWattsAndCelsius) {
    doc->m_dHeatLoss[0] = 3412.7;
    doc->m_dHeatLoss[12] = 6825.4;
    doc->m_dOutsideDBHeat = 5.0;
    doc->m_dInsideDBHeat = 68.0;
    doc->m_dVentCFM = 423.72;
    doc->m_nOutputUnits = 1;
    Draw(printer);
    EXPECT_EQ(ValueAfter(printer, "Walls above grade"), "1000.00");
    EXPECT_EQ(ValueAfter(printer, "Total Heat Losses"), "2000.00");
    EXPECT_EQ(ValueAfter(printer, "Outside Design DB Temp :"), "-15.00 Deg C");
    EXPECT_EQ(ValueAfter(printer, "Inside Design DB Temp :"), "20.00 Deg C");
    EXPECT_EQ(ValueAfter(printer, "Ventilation Air :"), "200.00 L/s");
    const std::vector<std::string> texts = printer.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "( Watts )"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "( Btu/h )"), texts.end());
}

// Values end on the value column, measured with the canvas's text extent.
TEST_F(HeatingReportTest, ValuesAreRightAlignedAtTheValueColumn) {
    doc->m_dHeatLoss[0] = 123456.0;
    doc->m_dHeatLoss[2] = 7.0;
    Draw(printer);
    // Printed: W = 784, u = 65, left margin u, value column ends at L + 9u.
    const int right = 65 + 9 * 65;
    for (const char* label : {"Walls above grade", "Roof", "Total Heat Losses"}) {
        const Call* value = ValueCall(printer, label);
        ASSERT_NE(value, nullptr) << label;
        EXPECT_EQ(value->x1 + static_cast<int>(value->text.size()) * 18 * 6 / 10, right) << label;
        EXPECT_EQ(value->align, kAlignLeft | kAlignTop);
    }
    EXPECT_EQ(ValueCall(printer, "Walls above grade")->y1 - 18,
              ValueCall(printer, "Walls below grade")->y1);
}

TEST_F(HeatingReportTest, CopyTextLayout) {
    doc->m_strProjectName = "House";
    doc->m_dHeatLoss[3] = 250.5;
    doc->m_dOutsideDBHeat = -10.0;
    doc->m_dInsideDBHeat = 70.0;
    Draw(printer);
    const std::string& copy = doc->m_strCopyText;
    EXPECT_EQ(copy.rfind("Heating Load Report\n\n"
                         "Project Name :\tHouse\n",
                         0),
              0u);
    EXPECT_NE(copy.find("\nElevation :\t0.00 Feet\n\n"
                        "Outside Design DB Temp :\t-10.00 Deg F\n"
                        "Inside Design DB Temp :\t70.00 Deg F\n\n"
                        "Summary of Heat Losses :\n"
                        "Item\tSensible Heat\n"
                        "\t( Btu/h )\n"
                        "Walls above grade\t0.00\n"),
              std::string::npos);
    EXPECT_NE(copy.find("\nGlass\t250.50\n"), std::string::npos);
    const std::string tail =
        "Ventilation\t0.00\nTotal Heat Losses\t0.00\nVentilation Air :\t0.00 CFM\n";
    ASSERT_GE(copy.size(), tail.size());
    EXPECT_EQ(copy.substr(copy.size() - tail.size()), tail);
}

TEST_F(HeatingReportTest, ScreenPageAndFonts) {
    // Display Large, Font Small: W = 1500, u = 125, left margin 31, font W / 42.
    doc->m_nFontSize = 1;
    CRecordingCanvas screen;
    const ScrollSizes sizes = Draw(screen);
    EXPECT_EQ(sizes.nTotalWidth, 1500);
    EXPECT_EQ(sizes.nTotalHeight, 3600);
    const Call& title = screen.calls.front();
    EXPECT_EQ(title.text, "Heating Load Report");
    EXPECT_EQ(title.x1, 31 + (1469 - 31) / 2);
    EXPECT_EQ(title.y1, -125);
    EXPECT_EQ(title.font, (CanvasFont{35, 500, true, 0, "Arial"}));
    EXPECT_EQ(ValueCall(screen, "Project Name :")->x1, 31 + 4 * 125);
    EXPECT_EQ(ValueCall(screen, "Outside Design DB Temp :")->x1, 31 + 5 * 125);
    EXPECT_EQ(ValueCall(screen, "Project Name :")->font.bUnderline, false);
}
