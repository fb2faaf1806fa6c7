#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/PeakSearch.h"
#include "draw/RecordingCanvas.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

using Call = CRecordingCanvas::Call;
using Op = CRecordingCanvas::Op;

// The peak of the grand total, as the view finds it before drawing the summary.
ViewExtremes TotalPeak(const CQuarnDoc& doc) {
    return ExtremesOf(FindPeak([&](int h, int m) { return doc.GetLoadComponent(h, m, 1); }));
}

// The line of the copy text that starts with the label, without its "\n".
std::string CopyLine(const std::string& copy, const std::string& label) {
    const size_t at = copy.find("\n" + label);
    if (at == std::string::npos) return "(missing " + label + ")";
    const size_t end = copy.find('\n', at + 1);
    return copy.substr(at + 1, end - at - 1);
}

// The text drawn right after the label (its value on the same line).
std::string ValueAfter(const CRecordingCanvas& canvas, const std::string& label) {
    const std::vector<std::string> texts = canvas.Texts();
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        if (texts[i] == label) return texts[i + 1];
    }
    return "(missing " + label + ")";
}

const Call* FindText(const CRecordingCanvas& canvas, const std::string& text) {
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kText && c.text == text) return &c;
    }
    return nullptr;
}

struct PeakSummaryTest : NewProjectTest {
    ViewPage page{1000, 600, 0, 0, 1};

    ScrollSizes Draw(CRecordingCanvas& canvas) {
        const DrawResult drawn = DrawPeakSummaryReport(*doc, TotalPeak(*doc), canvas, page);
        ShowViewKind(*doc, kPeakSummaryKind, drawn);
        return drawn.sizes;
    }

    // A project whose grand total peaks at 15:00 in July; the hour before carries larger
    // wall and people loads so that reading the wrong cell shows.
    void PeakInJuly() {
        doc->m_tblWallAll[15][7] = 1.25;
        doc->m_tblRoof[15][7] = 0.5;
        doc->m_tblGlassSolarAll[15][7] = 2.0;
        doc->m_tblInfilSens[15][7] = 0.25;
        doc->m_tblInfilLat[15][7] = 0.125;
        doc->m_tblVentSens[15][7] = 0.75;
        doc->m_tblVentLat[15][7] = 0.5;
        doc->m_tblWallAll[14][7] = 3.0;
        doc->m_tblPeopleSens[15][1] = 0.375;
        doc->m_tblPeopleLat[15][1] = 0.25;
        doc->m_tblPeopleSens[14][1] = 0.875;
        for (int h = 1; h <= 24; ++h) {
            for (int m = 1; m <= 12; ++m) {
                doc->CalcRoomTotals(h, m);
                doc->CalcGrandTotal(h, m);
            }
        }
        ASSERT_EQ(TotalPeak(*doc).m_nMaxHour, 15);
        ASSERT_EQ(TotalPeak(*doc).m_nMaxMonth, 7);
    }
};

}  // namespace

TEST_F(PeakSummaryTest, EmptyProjectPeaksOnTheFirstCell) {
    CRecordingCanvas canvas(true, false);
    Draw(canvas);
    EXPECT_EQ(ValueAfter(canvas, "Peak Month :"), "January");
    EXPECT_EQ(ValueAfter(canvas, "Peak Hour :"), "1:00 AM, Solar Time");
    EXPECT_EQ(ValueAfter(canvas, "Sensible Heat Ratio :"), "0.00");
    EXPECT_EQ(ValueAfter(canvas, "Ventilation Air :"), "0.00 CFM");
    EXPECT_EQ(ValueAfter(canvas, "Inside Design Rel Hum :"), "50.00 %RH");

    const std::string& copy = doc->m_strCopyText;
    EXPECT_EQ(copy.rfind("Peak Cooling Load Summary Report\n\nProject Name :\t", 0), 0u);
    EXPECT_EQ(CopyLine(copy, "Walls conduction"), "Walls conduction\t0.00\t\t0.00");
    EXPECT_EQ(CopyLine(copy, "People"), "People\t0.00\t0.00\t0.00");
    EXPECT_EQ(CopyLine(copy, "Total Cooling Load"),
              "Total Cooling Load on Coils and Refrig. Apparatus\t\t\t0.00");
    EXPECT_EQ(doc->m_bCopyAvailable, 1);
}

TEST_F(PeakSummaryTest, CopyTextLayoutAndBlankLines) {
    doc->m_strProjectName = "Office";
    doc->m_strProjectDate = "May 1";
    CRecordingCanvas canvas(true, false);
    Draw(canvas);
    const std::string& copy = doc->m_strCopyText;
    EXPECT_EQ(copy.rfind("Peak Cooling Load Summary Report\n\n"
                         "Project Name :\tOffice\n"
                         "Project Address :\t\n"
                         "Project Designer :\t\n"
                         "Date :\tMay 1\n\n"
                         "Weather Station :\tNo Station Registered, \n",
                         0),
              0u);
    for (const char* blankAfter : {"Elevation :", "Inside Design Rel Hum :", "Peak Hour :",
                                   "Total Heat Gains", "Ventilation Air :"}) {
        const size_t at = copy.find(std::string("\n") + blankAfter);
        ASSERT_NE(at, std::string::npos) << blankAfter;
        const size_t end = copy.find('\n', at + 1);
        EXPECT_EQ(copy.substr(end, 2), "\n\n") << blankAfter;
    }
    EXPECT_NE(copy.find("\nSummary of Heat Gains :\n"
                        "Item\tSensible Heat\tLatent Heat\tTotal Heat\n"
                        "\t( Ton )\t( Ton )\t( Ton )\n"
                        "Walls conduction\t"),
              std::string::npos);
    EXPECT_EQ(copy.back(), '\n');
}

TEST_F(PeakSummaryTest, EveryItemIsReadAtThePeakCell) {
    PeakInJuly();
    CRecordingCanvas canvas(true, false);
    Draw(canvas);
    EXPECT_EQ(ValueAfter(canvas, "Peak Month :"), "July");
    EXPECT_EQ(ValueAfter(canvas, "Peak Hour :"), "3:00 PM, Solar Time");

    const std::string& copy = doc->m_strCopyText;
    EXPECT_EQ(CopyLine(copy, "Walls conduction"), "Walls conduction\t1.25\t\t1.25");
    EXPECT_EQ(CopyLine(copy, "Glass solar trans."), "Glass solar trans.\t2.00\t\t2.00");
    EXPECT_EQ(CopyLine(copy, "People"), "People\t0.38\t0.25\t0.62");
    EXPECT_EQ(CopyLine(copy, "Infiltration"), "Infiltration\t0.25\t0.12\t0.38");
    // Room sensible 4.375, latent 0.375: the rows above add up to these.
    EXPECT_EQ(CopyLine(copy, "Total Heat Gains"), "Total Heat Gains\t4.38\t0.38\t4.75");
    EXPECT_EQ(CopyLine(copy, "Sensible Heat Ratio :"), "Sensible Heat Ratio :\t0.92");
    EXPECT_EQ(CopyLine(copy, "Ventilation Load"), "Ventilation Load\t0.75\t0.50\t1.25");
    // The coil load is the room total plus the ventilation load.
    EXPECT_EQ(CopyLine(copy, "Total Cooling Load"),
              "Total Cooling Load on Coils and Refrig. Apparatus\t\t\t6.00");
}

TEST_F(PeakSummaryTest, HeatGainsAreRightAlignedInTheirColumns) {
    PeakInJuly();
    CRecordingCanvas canvas(true, false);
    const ScrollSizes sizes = Draw(canvas);
    EXPECT_EQ(sizes.nTotalWidth, 784);
    EXPECT_EQ(sizes.nTotalHeight, 4 * 454);

    // Printed: u = 784 / 14 = 56, labels at 56, sensible ends at 56 + 6u, total at 56 + 11u.
    const Call* label = FindText(canvas, "People");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x1, 56);
    std::vector<const Call*> row;
    for (const Call& c : canvas.calls) {
        if (c.op == Op::kText && c.y1 == label->y1 && &c != label) row.push_back(&c);
    }
    ASSERT_EQ(row.size(), 3u);
    EXPECT_EQ(row[0]->text, "0.38");
    EXPECT_EQ(row[0]->x1, 56 + 6 * 56);
    EXPECT_EQ(row[2]->text, "0.62");
    EXPECT_EQ(row[2]->x1, 56 + 11 * 56);
    EXPECT_GT(row[1]->x1, row[0]->x1);
    EXPECT_LT(row[1]->x1, row[2]->x1);
    for (const Call* c : row) EXPECT_EQ(c->align, kAlignRight | kAlignTop);

    const Call* coil = FindText(canvas, "6.00");
    ASSERT_NE(coil, nullptr);
    EXPECT_EQ(coil->x1, 56 + 11 * 56);
}

TEST_F(PeakSummaryTest, MetricOutput) {
    PeakInJuly();
    doc->m_dOutsideDBCool = 95.0;
    doc->m_dOutsideWBCool = 77.0;
    doc->m_dDailyRange = 18.0;
    doc->m_dInsideDBCool = 77.0;
    doc->m_dElevation = 1000.0;
    doc->m_dVentCFM = 211.86;
    doc->m_nOutputUnits = 1;
    CRecordingCanvas canvas(true, false);
    Draw(canvas);
    EXPECT_EQ(ValueAfter(canvas, "Outside Design DB Temp :"), "35.00 Deg C");
    EXPECT_EQ(ValueAfter(canvas, "Outside Design WB Temp :"), "25.00 Deg C");
    EXPECT_EQ(ValueAfter(canvas, "Daily Range :"), "10.00 Deg C");  // no 32 degree offset
    EXPECT_EQ(ValueAfter(canvas, "Inside Design DB Temp :"), "25.00 Deg C");
    EXPECT_EQ(ValueAfter(canvas, "Elevation :"), "304.79 Meter");
    EXPECT_EQ(ValueAfter(canvas, "Ventilation Air :"), "100.00 L/s");

    const std::string& copy = doc->m_strCopyText;
    EXPECT_NE(copy.find("\t( kW )\t( kW )\t( kW )\n"), std::string::npos);
    EXPECT_EQ(CopyLine(copy, "Walls conduction"), "Walls conduction\t4.40\t\t4.40");
    EXPECT_EQ(CopyLine(copy, "Ventilation Load"), "Ventilation Load\t2.64\t1.76\t4.40");
    EXPECT_EQ(CopyLine(copy, "Sensible Heat Ratio :"), "Sensible Heat Ratio :\t0.92");
}

TEST_F(PeakSummaryTest, HemispheresAreInTheLabels) {
    doc->m_strCityName = "Cape Town";
    doc->m_strCityRegion = "South Africa";
    doc->m_dLatitude = -33.97;
    doc->m_dLongitude = -18.6;
    CRecordingCanvas canvas(true, false);
    Draw(canvas);
    EXPECT_EQ(ValueAfter(canvas, "Weather Station :"), "Cape Town, South Africa");
    EXPECT_EQ(ValueAfter(canvas, "Latitude :"), "33.97 Deg South");
    EXPECT_EQ(ValueAfter(canvas, "Longitude :"), "18.60 Deg East");

    doc->m_dLatitude = 0.0;
    doc->m_dLongitude = 104.87;
    CRecordingCanvas again(true, false);
    Draw(again);
    EXPECT_EQ(ValueAfter(again, "Latitude :"), "0.00 Deg North");
    EXPECT_EQ(ValueAfter(again, "Longitude :"), "104.87 Deg West");
}

TEST_F(PeakSummaryTest, PeakHourTexts) {
    const std::pair<int, const char*> hours[] = {{11, "11:00 AM, Solar Time"},
                                                 {12, "12:00 Noon, Solar Time"},
                                                 {13, "1:00 PM, Solar Time"},
                                                 {23, "11:00 PM, Solar Time"},
                                                 {24, "12:00 Midnight, Solar Time"}};
    for (const auto& [hour, text] : hours) {
        ViewExtremes e;
        e.m_nMaxHour = hour;
        e.m_nMaxMonth = 12;
        CRecordingCanvas canvas(true, false);
        DrawPeakSummaryReport(*doc, e, canvas, page);
        EXPECT_EQ(ValueAfter(canvas, "Peak Hour :"), text);
        EXPECT_EQ(ValueAfter(canvas, "Peak Month :"), "December");
    }
}

TEST_F(PeakSummaryTest, PageAndFontsOnScreenAndOnPaper) {
    // Display Large, Font Large: W = 1500, u = W / 12 = 125, left margin u / 4, font W / 26.
    CRecordingCanvas screen;
    const ScrollSizes sizes = Draw(screen);
    EXPECT_EQ(sizes.nTotalWidth, 1500);
    EXPECT_EQ(sizes.nTotalHeight, 4 * 900);
    EXPECT_EQ(sizes.nPageWidth, 375);
    EXPECT_EQ(sizes.nLineHeight, 45);
    const Call* title = FindText(screen, "Peak Cooling Load Summary Report");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x1, 31 + (1469 - 31) / 2);
    EXPECT_EQ(title->y1, -125);
    EXPECT_EQ(title->align, kAlignCenter | kAlignTop);
    EXPECT_EQ(title->font, (CanvasFont{57, 500, true, 0, "Arial"}));
    const Call* name = FindText(screen, "Project Name :");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x1, 31);
    EXPECT_EQ(name->y1, -125 - 2 * 57);  // a blank line after the title
    EXPECT_EQ(name->font, (CanvasFont{57, 500, false, 0, "Arial"}));
    EXPECT_EQ(ValueAfter(screen, "Project Name :"), "");
    const Call* address = FindText(screen, "Project Address :");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->y1, name->y1 - 57);

    // Display Small with Font Small: 13 whatever the window.
    doc->m_nDisplaySize = 1;
    doc->m_nFontSize = 1;
    CRecordingCanvas small;
    EXPECT_EQ(Draw(small).nTotalWidth, 1000);
    EXPECT_EQ(FindText(small, "Date :")->font.nHeight, 13);

    // Printed: 18, u = 784 / 14, whatever the options.
    doc->m_nDisplaySize = 0;
    doc->m_nFontSize = 1;
    CRecordingCanvas printer(true, true);
    Draw(printer);
    const Call* printedTitle = FindText(printer, "Peak Cooling Load Summary Report");
    EXPECT_EQ(printedTitle->x1, 392);
    EXPECT_EQ(printedTitle->y1, -56);
    EXPECT_EQ(printedTitle->font.nHeight, 18);
    EXPECT_EQ(FindText(printer, "Project Name :")->y1, -56 - 36);
}

TEST_F(PeakSummaryTest, UnknownDisplaySizeDrawsNothing) {
    doc->m_nDisplaySize = 2;
    CRecordingCanvas canvas;
    Draw(canvas);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(doc->m_bCopyAvailable, 0);
}
