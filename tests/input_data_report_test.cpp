#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/RecordingCanvas.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

using Call = CRecordingCanvas::Call;
using Op = CRecordingCanvas::Op;

// The value of the copy-text line "label\tvalue".
std::string CopyValue(const std::string& copy, const std::string& label) {
    const size_t at = copy.find("\n" + label + "\t");
    if (at == std::string::npos) return "(missing " + label + ")";
    const size_t start = at + label.size() + 2;
    return copy.substr(start, copy.find('\n', start) - start);
}

// Texts drawn at the given x, in drawing order.
std::vector<std::string> TextsAt(const CRecordingCanvas& canvas, int x) {
    std::vector<std::string> texts;
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kText && c.x1 == x) texts.push_back(c.text);
    }
    return texts;
}

struct InputDataReportTest : NewProjectTest {
    // A letter page: printable 816 wide, so u = 68 and the labels start at 68.
    static constexpr int kU = 68;

    // As the view does after drawing: the document shows the report.
    ScrollSizes Show(const DrawResult& drawn) {
        ShowViewKind(*doc, kInputDataReportKind, drawn);
        return drawn.sizes;
    }

    std::vector<Call> PrintPage(int n, CRecordingCanvas& canvas) {
        Show(DrawInputDataReport(*doc, canvas, ViewPage{1000, 600, 816, 1056, n}));
        return canvas.calls;
    }
    std::vector<std::string> PrintedLabels(int n) {
        CRecordingCanvas canvas(true, false);
        PrintPage(n, canvas);
        return TextsAt(canvas, kU);
    }
    std::string ScreenCopy() {
        CRecordingCanvas screen;
        Show(DrawInputDataReport(*doc, screen, ViewPage{1000, 600, 0, 0, 1}));
        return doc->m_strCopyText;
    }

    void FillInputs() {
        doc->m_dWallArea[kNorth] = 100.0;
        doc->m_dWallUCool[kNorth] = 0.1;
        doc->m_dHoodedElecBtuh = 3412.7;
        doc->m_dBuildingVolume = 10000.0;
        doc->m_dSlabPerimeter = 100.0;
        doc->m_dSurfTDCool[kCeiling] = 18.0;
        doc->m_dSurfArea[kPartitionGlass] = 50.0;
        doc->m_dGroundTemp = 50.0;
        doc->m_dFluorWatts = 1500.0;
        doc->m_dMotorInDrivenInKW = 2.5;
        doc->m_dMotorOutDrivenInKW = 0.75;
        doc->m_dMotorInDrivenOutKW = 1.25;
        doc->m_dElecEquipKW = 15.0;
        doc->m_nOccupants[0] = 3;
        doc->m_nOccupants[10] = 4;
        doc->m_dSkySC[1] = 0.55;
        doc->m_dInfilACHCool = 0.5;
    }
};

}  // namespace

TEST_F(InputDataReportTest, PrintedPagesSplitTheGroups) {
    const std::vector<std::string> page1 = PrintedLabels(1);
    ASSERT_EQ(page1.size(), 4u + 4 + 8 + 24);
    EXPECT_EQ(page1.front(), "Project Name :");
    EXPECT_EQ(page1[8], "Cooling, Outside Design DB Temp :");
    EXPECT_EQ(page1.back(), "North West Wall, Heating U-Value :");

    const std::vector<std::string> page2 = PrintedLabels(2);
    ASSERT_EQ(page2.size(), 3u + 10 + 5 + 4 * 5);
    EXPECT_EQ(page2.front(), "Roof, Area :");
    EXPECT_EQ(page2.back(), "Partition 2, Heating Temp Dif. :");

    const std::vector<std::string> page3 = PrintedLabels(3);
    ASSERT_EQ(page3.size(), 5u + 5 + 8 + 8 + 12 + 3);
    EXPECT_EQ(page3.front(), "Partition 3, Area :");
    EXPECT_EQ(page3.back(), "Building Volume :");

    // The three pages together are the screen's list, in the same order.
    std::vector<std::string> printed = page1;
    printed.insert(printed.end(), page2.begin(), page2.end());
    printed.insert(printed.end(), page3.begin(), page3.end());
    CRecordingCanvas screen;
    Show(DrawInputDataReport(*doc, screen, ViewPage{1000, 600, 0, 0, 1}));
    EXPECT_EQ(TextsAt(screen, 1500 / 12 / 4), printed);

    CRecordingCanvas none(true, false);
    EXPECT_TRUE(PrintPage(4, none).empty());
}

TEST_F(InputDataReportTest, PrintedPageLayout) {
    CRecordingCanvas canvas(true, true);
    const std::vector<Call> calls = PrintPage(2, canvas);
    ASSERT_FALSE(calls.empty());
    const Call& title = calls.front();
    EXPECT_EQ(title.text, "Project Input Data - Page 2 of 3");
    EXPECT_EQ(title.x1, kU + (816 - kU - kU) / 2);
    EXPECT_EQ(title.y1, -kU);
    EXPECT_EQ(title.align, kAlignCenter | kAlignTop);
    EXPECT_EQ(title.font, (CanvasFont{18, 500, true, 0, "Arial"}));
    const Call& first = calls[1];
    EXPECT_EQ(first.text, "Roof, Area :");
    EXPECT_EQ(first.y1, -kU - 2 * 18);
    EXPECT_EQ(first.font, (CanvasFont{18, 500, false, 0, "Arial"}));
    // Values start half a unit after the widest label ("Glass in Partition, Cooling Temp Dif. :"
    // is 39 characters of 0.6 x 18 in the recording canvas's metric).
    EXPECT_EQ(calls[2].x1, kU + 39 * 18 * 6 / 10 + kU / 2);
    EXPECT_EQ(calls[2].y1, first.y1);
    EXPECT_EQ(calls[3].y1, first.y1 - 18);
    // A blank line (two pitches) between the roof and the windows.
    EXPECT_EQ(calls[7].text, "North, Total Window Area :");
    EXPECT_EQ(calls[7].y1, first.y1 - 4 * 18);
}

TEST_F(InputDataReportTest, PrintingLeavesTheCopyTextAlone) {
    doc->m_strCopyText = "table";
    doc->m_bCopyAvailable = 0;
    CRecordingCanvas canvas(true, false);
    PrintPage(1, canvas);
    EXPECT_EQ(doc->m_strCopyText, "table");
    EXPECT_EQ(doc->m_bCopyAvailable, 0);
}

TEST_F(InputDataReportTest, ScreenPageAndCopyText) {
    doc->m_strProjectName = "Clinic";
    doc->m_dInsideDBHeat = 70.0;
    CRecordingCanvas screen;
    screen.UseFontMetrics();  // a short name fits the page as it does on screen
    // Display Large: W = client width x 3/2, H = client height x 4.
    const ScrollSizes large = Show(DrawInputDataReport(*doc, screen, ViewPage{1000, 600, 0, 0, 1}));
    EXPECT_EQ(large.nTotalWidth, 1500);
    EXPECT_EQ(large.nTotalHeight, 4 * 2400);
    EXPECT_EQ(large.nPageHeight, 2400);
    EXPECT_EQ(screen.calls.front().text, "Project Input Data");
    EXPECT_EQ(screen.calls.front().font.nHeight, 1500 / 26);
    EXPECT_EQ(doc->m_bCopyAvailable, 1);

    const std::string& copy = doc->m_strCopyText;
    EXPECT_EQ(copy.rfind("Project Input Data\n\nProject Name :\tClinic\nProject Address :\t\n", 0),
              0u);
    EXPECT_NE(copy.find("\nDate :\t\n\nWeather Station :\t"), std::string::npos);
    EXPECT_NE(copy.find("Heating, Inside Design DB Temp :\t70.00 Deg F\n\nNorth Wall, Area :\t"),
              std::string::npos);
    EXPECT_NE(copy.find("Partition 2, Heating Temp Dif. :\t0.00 Deg F\n\nPartition 3, Area :\t"),
              std::string::npos);
    EXPECT_EQ(CopyValue(copy, "Cooling, Inside Design Rel Hum :"), "50.00% RH");
    const std::string tail = "\nBuilding Volume :\t0.0 Cu Ft\n";
    ASSERT_GE(copy.size(), tail.size());
    EXPECT_EQ(copy.substr(copy.size() - tail.size()), tail);

    // Display Small: the client width, twice the client height.
    doc->m_nDisplaySize = 1;
    CRecordingCanvas small;
    const ScrollSizes sizes = Show(DrawInputDataReport(*doc, small, ViewPage{1000, 600, 0, 0, 1}));
    EXPECT_EQ(sizes.nTotalWidth, 1000);
    EXPECT_EQ(sizes.nTotalHeight, 4 * 1200);
    EXPECT_EQ(small.calls.front().font.nHeight, 18);
}

TEST_F(InputDataReportTest, EnglishValues) {
    FillInputs();
    const std::string copy = ScreenCopy();
    EXPECT_EQ(CopyValue(copy, "North Wall, Area :"), "100.00 Sq Ft");
    EXPECT_EQ(CopyValue(copy, "North Wall, Cooling U-Value :"), "0.1000 Btu/(h.Sq Ft.F)");
    EXPECT_EQ(CopyValue(copy, "Hooded Elec/Steam Appliances :"), "3413 Btu/Hr");
    EXPECT_EQ(CopyValue(copy, "Building Volume :"), "10000.0 Cu Ft");
    EXPECT_EQ(CopyValue(copy, "On/Below Grade, Floor Slab Perim :"), "100.00 Feet");
    EXPECT_EQ(CopyValue(copy, "Ceiling, Cooling Temp Dif. :"), "18.00 Deg F");
    EXPECT_EQ(CopyValue(copy, "Glass in Partition, Area :"), "50.00 Sq Ft");
    EXPECT_EQ(CopyValue(copy, "Total Occupants (All Categories) :"), "7");
    EXPECT_EQ(CopyValue(copy, "Skylight in Shade, Shading Coef :"), "0.55");
    EXPECT_EQ(CopyValue(copy, "Cooling Infiltration Rate :"), "0.50 Air Changes/Hr");
}

TEST_F(InputDataReportTest, MetricValues) {
    FillInputs();
    doc->m_nOutputUnits = 1;
    const std::string copy = ScreenCopy();
    EXPECT_EQ(CopyValue(copy, "North Wall, Area :"), "9.29 Sq m");
    EXPECT_EQ(CopyValue(copy, "North Wall, Cooling U-Value :"), "0.5680 W/(Sq m.C)");
    EXPECT_EQ(CopyValue(copy, "Hooded Elec/Steam Appliances :"), "1000 Watts");
    EXPECT_EQ(CopyValue(copy, "Building Volume :"), "283.2 Cu m");
    EXPECT_EQ(CopyValue(copy, "On/Below Grade, Floor Slab Perim :"), "30.48 Meter");
    EXPECT_EQ(CopyValue(copy, "Ceiling, Cooling Temp Dif. :"), "10.00 Deg C");  // a difference
    EXPECT_EQ(CopyValue(copy, "Heating, Design Ground Temp :"), "10.00 Deg C");
    // Lamps, motors, occupants and infiltration are the same in both systems.
    EXPECT_EQ(CopyValue(copy, "Installed Fluorescent Lamps :"), "1500 Watts");
    EXPECT_EQ(CopyValue(copy, "Motor In, Driven Equip In Space :"), "2.50 kW");
    EXPECT_EQ(CopyValue(copy, "Total Occupants (All Categories) :"), "7");
    EXPECT_EQ(CopyValue(copy, "Cooling Infiltration Rate :"), "0.50 Air Changes/Hr");
}

// Motors and electronic equipment are entered in kilowatts and printed as such, unconverted,
// in both unit systems; the lamps beside them stay in watts.
TEST_F(InputDataReportTest, KilowattLinesInBothUnitSystems) {
    FillInputs();
    for (const int units : {0, 1}) {
        SCOPED_TRACE(units);
        doc->m_nOutputUnits = units;
        const std::string copy = ScreenCopy();
        EXPECT_EQ(CopyValue(copy, "Motor In, Driven Equip In Space :"), "2.50 kW");
        EXPECT_EQ(CopyValue(copy, "Motor Out, Driven Equip In Space :"), "0.75 kW");
        EXPECT_EQ(CopyValue(copy, "Motor In, Driven Equip Out Space :"), "1.25 kW");
        EXPECT_EQ(CopyValue(copy, "Electronic Equipment :"), "15.00 kW");
        EXPECT_EQ(CopyValue(copy, "Installed Fluorescent Lamps :"), "1500 Watts");
        EXPECT_EQ(CopyValue(copy, "Installed Incandescent Lamps :"), "0 Watts");
    }
}
