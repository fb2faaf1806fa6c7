#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "draw/RecordingCanvas.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

// Every data cell of every result table gets a value of its own: a different base per table
// (and per orientation), varying by hour and month; headers are left as the new project has them.
void FillResultTables(CQuarnDocData& d) {
    int base = 1;
    auto hourly = [&base](HourlyTable& t) {
        for (int h = 1; h <= 24; ++h) {
            for (int m = 1; m <= 12; ++m) t[h][m] = base + 0.01 * h + 0.0001 * m - 0.3;
        }
        ++base;
    };
    auto daily = [&base](DailyTable& t) {
        for (int h = 1; h <= 24; ++h) t[h][1] = base + 0.01 * h;
        ++base;
    };
    for (HourlyTable* t :
         {&d.m_tblVentSens, &d.m_tblVentLat, &d.m_tblInfilSens, &d.m_tblInfilLat,
          &d.m_tblGlassBlockAll, &d.m_tblSkylight, &d.m_tblGlassCondAll, &d.m_tblGlassSolarAll,
          &d.m_tblFloorCeilPart, &d.m_tblRoof, &d.m_tblWallAll, &d.m_tblTotal}) {
        hourly(*t);
    }
    for (int o = 0; o < kOrientations; ++o) {
        hourly(d.m_tblGlassBlock[o]);
        hourly(d.m_tblGlassCond[o]);
        hourly(d.m_tblGlassSolar[o]);
        hourly(d.m_tblGlassSunlitArea[o]);
        hourly(d.m_tblWall[o]);
        d.m_dWindowArea[o] = 50.0 + 10 * o;
    }
    for (DailyTable* t :
         {&d.m_tblHoodedAppl, &d.m_tblUnhoodedApplSens, &d.m_tblUnhoodedApplLat, &d.m_tblPowerEquip,
          &d.m_tblElecEquip, &d.m_tblPeopleSens, &d.m_tblPeopleLat, &d.m_tblLights}) {
        daily(*t);
    }
}

struct ViewValueTest : NewProjectTest {
    int read = 0;  // the kind Value last read, whose labels Title and Axis give
    double Value(int kind, int hour, int month) {
        read = kind;
        return ViewValue(*doc, kind, hour, month);
    }
    std::optional<ViewLabelText> Labels() const { return ViewLabels(read, OutputUnitSystem(*doc)); }
    std::string Title() const { return Labels() ? Labels()->strTitle : "(no labels)"; }
    std::string Axis() const { return Labels() ? Labels()->strAxis : "(no labels)"; }
    // Draws a kind as the view does, which then shows it.
    ScrollSizes Show(int kind, ICanvas& canvas) {
        const DrawResult drawn = DrawView(*doc, kind, canvas, ViewPage{1000, 800});
        ShowViewKind(*doc, kind, drawn);
        return drawn.sizes;
    }
};

TEST_F(ViewValueTest, EachKindReadsItsOwnResultTable) {
    FillResultTables(*doc);
    const CQuarnDocData& d = *doc;
    struct Case {
        int kind;
        double expected;
    };
    const int h = 15, m = 7;
    const Case cases[] = {
        {1, d.m_tblTotal[h][m]},
        {102, d.m_tblWallAll[h][m]},
        {3, d.m_tblWall[kNorth][h][m]},
        {108, d.m_tblWall[kSouthWest][h][m]},
        {11, d.m_tblRoof[h][m]},
        {112, d.m_tblFloorCeilPart[h][m]},
        {13, d.m_tblGlassSolarAll[h][m]},
        {116, d.m_tblGlassSolar[kEast][h][m]},
        {22, d.m_tblGlassCondAll[h][m]},
        {130, d.m_tblGlassCond[kNorthWest][h][m]},
        {31, d.m_tblSkylight[h][m]},
        {132, d.m_tblGlassBlockAll[h][m]},
        {37, d.m_tblGlassBlock[kSouth][h][m]},
        {141, d.m_tblLights[h][1]},
        {42, d.m_tblPeopleSens[h][1]},
        {143, d.m_tblPeopleLat[h][1]},
        {44, d.m_tblElecEquip[h][1]},
        {145, d.m_tblPowerEquip[h][1]},
        {46, d.m_tblHoodedAppl[h][1]},
        {147, d.m_tblUnhoodedApplSens[h][1]},
        {48, d.m_tblUnhoodedApplLat[h][1]},
        {149, d.m_tblInfilSens[h][m]},
        {50, d.m_tblInfilLat[h][m]},
        {151, d.m_tblVentSens[h][m]},
        {52, d.m_tblVentLat[h][m]},
        {71, d.m_tblGlassSunlitArea[kNorthEast][h][m]},
        {174, d.m_tblGlassSunlitArea[kSouth][h][m]},
        {85, 100.0 * d.m_tblGlassSunlitArea[kSouthWest][h][m] / d.m_dWindowArea[kSouthWest]},
        {200, d.m_tblTotal[h][m]},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Value(c.kind, h, m), c.expected) << c.kind;
}

TEST_F(ViewValueTest, HourOrMonthZeroGivesTheRawHeaderCell) {
    doc->m_nOutputUnits = 1;  // no conversion even in metric
    EXPECT_EQ(Value(111, 7, 0), 7.0);
    EXPECT_EQ(Value(111, 0, 5), 5.0);
    EXPECT_EQ(Value(175, 0, 12), 12.0);
    EXPECT_EQ(Value(185, 24, 0), 24.0);  // no percentage of a header
    doc->m_tblRoof[0][0] = -2.5;
    EXPECT_EQ(Value(11, 0, 0), -2.5);
}

TEST_F(ViewValueTest, DailyTablesTestTheMonthOnly) {
    doc->m_tblLights[9][1] = 2.0;
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(Value(141, 9, m), 2.0) << m;
    EXPECT_EQ(Value(141, 9, 0), 9.0);  // column 0: the hour
    doc->m_nOutputUnits = 1;
    EXPECT_DOUBLE_EQ(Value(41, 9, 3), 7.04);
    // Hour 0 with a month reads row 0's value column, converted like any value.
    EXPECT_DOUBLE_EQ(Value(141, 0, 3), 3.52);
    EXPECT_EQ(Value(141, 0, 0), 0.0);
}

TEST_F(ViewValueTest, CoolingTitlesAndUnits) {
    doc->m_tblWall[kSouthWest][15][7] = 1.25;
    EXPECT_EQ(Value(8, 15, 7), 1.25);
    EXPECT_EQ(Title(), "South West Wall Cooling Load - Tons");
    EXPECT_EQ(Axis(), "Cooling Load (Tons)");
    doc->m_nOutputUnits = 1;
    EXPECT_DOUBLE_EQ(Value(108, 15, 7), 4.4);
    EXPECT_EQ(Title(), "South West Wall Cooling Load - kW");
    EXPECT_EQ(Axis(), "Cooling Load ( kW )");
    Value(112, 1, 1);
    EXPECT_EQ(Title(), "Floor, Ceiling & Partitions Cooling Load - kW");
}

TEST_F(ViewValueTest, GlassAreaTitlesAndUnits) {
    doc->m_tblGlassSunlitArea[kEast][10][6] = 107.65;
    EXPECT_EQ(Value(172, 10, 6), 107.65);
    EXPECT_EQ(Title(), "East Glass Areas in Direct Sunshine - Sq Ft");
    EXPECT_EQ(Axis(), "Glass Area (Sq Ft)");
    doc->m_nOutputUnits = 1;
    EXPECT_DOUBLE_EQ(Value(72, 10, 6), 10.0);
    EXPECT_EQ(Title(), "East Glass Areas in Direct Sunshine - Sq m");
    EXPECT_EQ(Axis(), "Glass Area (Sq m)");
    Value(177, 1, 1);
    EXPECT_EQ(Title(), "North West Glass Areas in Direct Sunshine - Sq m");
}

TEST_F(ViewValueTest, PercentInSunIsTheSameInBothSystemsAndZeroWithoutWindows) {
    doc->m_dWindowArea[kWest] = 40.0;
    doc->m_tblGlassSunlitArea[kWest][14][8] = 10.0;
    EXPECT_DOUBLE_EQ(Value(186, 14, 8), 25.0);
    EXPECT_EQ(Title(), "Percentage West Glass Area in Direct Sunshine");
    EXPECT_EQ(Axis(), "Percent Glass Area");
    doc->m_nOutputUnits = 1;
    EXPECT_DOUBLE_EQ(Value(86, 14, 8), 25.0);
    EXPECT_EQ(Title(), "Percentage West Glass Area in Direct Sunshine");

    // An orientation without windows: 0 everywhere, whatever the sunlit table holds.
    doc->m_tblGlassSunlitArea[kNorthEast][14][8] = 10.0;
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) ASSERT_EQ(Value(181, h, m), 0.0);
    }
    EXPECT_EQ(Title(), "Percentage North East Glass Area in Direct Sunshine");
}

TEST_F(ViewValueTest, SummaryReadsTheTotalOtherReportsAndNoUnitSystemNothing) {
    doc->m_tblTotal[15][7] = 3.0;
    doc->m_nOutputUnits = 1;
    EXPECT_DOUBLE_EQ(Value(200, 15, 7), 10.56);
    EXPECT_EQ(Title(), "Total Cooling Load - kW");

    // 201, 202 and numbers that are no kind answer 0 and have no labels: showing them leaves
    // both strings alone.
    CRecordingCanvas canvas;
    for (int kind : {201, 202, 0, 53, 99, 203, -1}) {
        doc->m_strViewTitle = "title";
        doc->m_strViewAxis = "axis";
        EXPECT_EQ(Value(kind, 15, 7), 0.0) << kind;
        EXPECT_EQ(Value(kind, 15, 0), 0.0) << kind;
        EXPECT_FALSE(Labels()) << kind;
        Show(kind, canvas);
        EXPECT_EQ(doc->m_strViewTitle, "title") << kind;
        EXPECT_EQ(doc->m_strViewAxis, "axis") << kind;
    }
    // So does every kind when the output unit system is neither English nor Metric.
    doc->m_nOutputUnits = 2;
    EXPECT_EQ(Value(101, 15, 7), 0.0);
    EXPECT_EQ(Value(101, 15, 0), 0.0);  // not even the header
    EXPECT_FALSE(Labels());
    Show(101, canvas);
    EXPECT_EQ(doc->m_strViewTitle, "title");
    EXPECT_EQ(doc->m_strViewAxis, "axis");
}

TEST_F(ViewValueTest, MetricScalesCoolingAndAreasButNotTheHourColumn) {
    FillResultTables(*doc);
    for (const ViewKindInfo& k : AllViewKinds()) {
        if (k.form == ViewForm::kReport) continue;
        for (int h = 1; h <= 24; ++h) {
            doc->m_nOutputUnits = 0;
            const double hourEnglish = Value(k.nKind, h, 0);
            double english[13];
            for (int m = 1; m <= 12; ++m) english[m] = Value(k.nKind, h, m);
            doc->m_nOutputUnits = 1;
            ASSERT_EQ(Value(k.nKind, h, 0), hourEnglish) << k.nKind;
            ASSERT_EQ(hourEnglish, h) << k.nKind;
            for (int m = 1; m <= 12; ++m) {
                const double factor = k.quantity == ViewQuantity::kCoolingLoad      ? 3.52
                                      : k.quantity == ViewQuantity::kGlassAreaInSun ? 1 / 10.765
                                                                                    : 1.0;
                ASSERT_NEAR(Value(k.nKind, h, m), english[m] * factor, 1e-12)
                    << k.nKind << " " << h << " " << m;
                ASSERT_NE(english[m], 0.0);
            }
        }
    }
}

TEST_F(ViewValueTest, AllEqualCellsPutBothExtremesAtJanuaryOneAM) {
    // Whatever kind was shown before, an all-zero new project has its extremes at (1, 1).
    for (int kind : {5, 101, 45, 176, 187, 200, 201, 202}) {
        const ViewExtremes e = FindViewExtremes(*doc, kind);
        EXPECT_EQ(e.m_nMaxMonth, 1) << kind;
        EXPECT_EQ(e.m_nMaxHour, 1) << kind;
        EXPECT_EQ(e.m_nMinMonth, 1) << kind;
        EXPECT_EQ(e.m_nMinHour, 1) << kind;
        EXPECT_EQ(e.m_dMaxValue, 0.0) << kind;
        EXPECT_EQ(e.m_dMinValue, 0.0) << kind;
        EXPECT_EQ(e.m_dAbsMax, 0.0) << kind;
    }
}

TEST_F(ViewValueTest, ExtremesInOutputUnitsWithTheirCells) {
    doc->m_tblGlassCond[kSouth][4][1] = -4.0;  // a cold night
    doc->m_tblGlassCond[kSouth][15][7] = 3.0;
    doc->m_nOutputUnits = 1;
    const ViewExtremes e = FindViewExtremes(*doc, 127);
    EXPECT_DOUBLE_EQ(e.m_dMaxValue, 10.56);
    EXPECT_EQ(e.m_nMaxMonth, 7);
    EXPECT_EQ(e.m_nMaxHour, 15);
    EXPECT_DOUBLE_EQ(e.m_dMinValue, -14.08);
    EXPECT_EQ(e.m_nMinMonth, 1);
    EXPECT_EQ(e.m_nMinHour, 4);
    EXPECT_DOUBLE_EQ(e.m_dAbsMax, 14.08);
    EXPECT_EQ(ViewLabels(127, UnitSystem::kMetric)->strTitle,
              "South Glass Conduction Cooling Load - kW");
}

TEST_F(ViewValueTest, ShowingAKindSetsItsTitleAndDrawsNothingForOtherKinds) {
    doc->m_strViewTitle = "stale";
    CRecordingCanvas table;
    const ScrollSizes sizes = Show(101, table);
    EXPECT_EQ(doc->m_strViewTitle, "Total Cooling Load - Tons");
    ASSERT_FALSE(table.Texts().empty());
    EXPECT_EQ(table.Texts().front(), "Total Cooling Load - Tons");
    EXPECT_GT(sizes.nTotalWidth, 0);
    EXPECT_EQ(doc->m_bCopyAvailable, 1);

    CRecordingCanvas graph;
    Show(1, graph);
    EXPECT_EQ(doc->m_bCopyAvailable, 0);
    EXPECT_FALSE(graph.calls.empty());

    for (int kind : {0, 60, 99, 153, 203}) {
        CRecordingCanvas none;
        const ScrollSizes zero = Show(kind, none);
        EXPECT_TRUE(none.calls.empty()) << kind;
        EXPECT_EQ(zero.nTotalWidth, 0) << kind;
        EXPECT_EQ(zero.nTotalHeight, 0) << kind;
        EXPECT_EQ(zero.nPageWidth, 0) << kind;
        EXPECT_EQ(zero.nLineHeight, 0) << kind;
    }
}

}  // namespace
