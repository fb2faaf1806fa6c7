#include <gtest/gtest.h>

#include <cmath>

#include "document/QuarnDoc.h"
#include "support/TestSupport.h"

namespace {

// A document with every member zero, so that each test sets exactly the surfaces it means.
struct HeatLossesTest : ::testing::Test {
    CRecordingMessages messages;
    CQuarnDoc doc{messages};

    void SetWalls() {
        doc.m_dInsideDBHeat = 70;
        doc.m_dOutsideDBHeat = 10;  // dT = 60
        for (int i = 0; i < kOrientations; ++i) {
            doc.m_dWallUHeat[i] = 0.1 * (i + 1);
            doc.m_dWallArea[i] = 100 + 10 * i;  // U x A over the eight: 528
        }
    }

    // Every item with its own surfaces; the comments give each item by hand (dT 60, dTg 20).
    void SetEverything() {
        SetWalls();
        doc.m_dGroundTemp = 50;
        doc.m_dBGWallUHeat = 0.2;
        doc.m_dBGWallArea = 50;  // 200
        doc.m_dRoofUHeat = 0.05;
        doc.m_dRoofArea = 1000;  // 3000
        doc.m_dWindowArea[kNorth] = 10;
        doc.m_dWindowArea[kNorthEast] = 20;
        doc.m_dWindowArea[kSouth] = 30;
        doc.m_dWindowArea[kNorthWest] = 40;
        doc.m_dGlassUHeat = 0.58;  // 3480
        doc.m_dSkyUHeat[0] = 0.9;
        doc.m_dSkyArea[0] = 10;
        doc.m_dSkyUHeat[1] = 0.8;
        doc.m_dSkyArea[1] = 5;  // 540 + 240
        doc.m_dGlassBlockArea[kEast] = 25;
        doc.m_dGlassBlockArea[kWest] = 15;
        doc.m_dGlassBlockUHeat = 0.43;  // 1032
        const double td[kSurfaces] = {15, 10, 10, 12, 8, 20};
        const double u[kSurfaces] = {0.3, 0.25, 0.4, 0.5, 0.35, 1.1};
        const double area[kSurfaces] = {200, 300, 100, 50, 40, 10};
        for (int j = 0; j < kSurfaces; ++j) {
            doc.m_dSurfTDHeat[j] = td[j];
            doc.m_dSurfUHeat[j] = u[j];
            doc.m_dSurfArea[j] = area[j];
        }  // floor 900, ceiling 750, partitions 400 + 300 + 112 + 220
        doc.m_dSlabUHeat = 0.1;
        doc.m_dSlabArea = 500;
        doc.m_dSlabPerimeter = 80;
        doc.m_dSlabEdgeFactor = 0.5;  // 1000 + 40
        doc.m_dBuildingVolume = 20000;
        doc.m_dInfilACHHeat = 0.5;  // 10800
        doc.m_dVentCFM = 300;       // 19440
    }
};

constexpr double kEveryItem[13] = {31680, 200, 3000, 3480,  780,   1032, 900,
                                   1040,  750, 1032, 10800, 19440, 74134};

}  // namespace

TEST_F(HeatLossesTest, WallsAloneGiveOnlyTheFirstItemAndTheTotal) {
    SetWalls();
    doc.m_dGroundTemp = 40;
    doc.CalcHeatLosses();
    EXPECT_NEAR(doc.m_dHeatLoss[0], 528 * 60, 1e-9);
    for (int item = 1; item < 12; ++item) EXPECT_EQ(doc.m_dHeatLoss[item], 0.0) << item + 1;
    EXPECT_EQ(doc.m_dHeatLoss[12], doc.m_dHeatLoss[0]);
}

TEST_F(HeatLossesTest, EveryItemFromItsOwnSurfaces) {
    SetEverything();
    doc.CalcHeatLosses();
    for (int item = 0; item < 13; ++item) {
        EXPECT_NEAR(doc.m_dHeatLoss[item], kEveryItem[item], 1e-9) << item + 1;
    }
}

TEST_F(HeatLossesTest, NegativeDifferenceGivesNegativeItemsButSurfacesKeepTheirOwn) {
    SetEverything();
    doc.m_dInsideDBHeat = 10;
    doc.m_dOutsideDBHeat = 70;  // dT = -60
    doc.m_dGroundTemp = -10;    // dTg = 20 as before
    doc.CalcHeatLosses();
    const int flipped[] = {0, 2, 3, 4, 5, 10, 11};
    for (int item : flipped) EXPECT_NEAR(doc.m_dHeatLoss[item], -kEveryItem[item], 1e-9) << item;
    // Floor above unheated space, ceiling and partitions use the differences entered for them;
    // the below-grade items follow the ground.
    const int kept[] = {1, 6, 7, 8, 9};
    for (int item : kept) EXPECT_NEAR(doc.m_dHeatLoss[item], kEveryItem[item], 1e-9) << item;
}

TEST_F(HeatLossesTest, GroundTemperatureMovesBothBelowGradeItemsAndNothingElse) {
    SetEverything();
    doc.m_dGroundTemp = 60;  // dTg = 10
    doc.CalcHeatLosses();
    EXPECT_NEAR(doc.m_dHeatLoss[1], 100, 1e-9);
    EXPECT_NEAR(doc.m_dHeatLoss[7], 500 + 40, 1e-9);
    for (int item = 0; item < 12; ++item) {
        if (item != 1 && item != 7) {
            EXPECT_NEAR(doc.m_dHeatLoss[item], kEveryItem[item], 1e-9) << item + 1;
        }
    }

    // The slab edge alone: perimeter x factor at any temperature.
    doc.m_dSlabArea = 0;
    doc.m_dGroundTemp = -200;
    doc.m_dInsideDBHeat = 90;
    doc.CalcHeatLosses();
    EXPECT_EQ(doc.m_dHeatLoss[7], 40.0);
}

TEST_F(HeatLossesTest, ReportAccessorConvertsToWattsByItsOwnFactor) {
    SetEverything();
    doc.CalcHeatLosses();
    EXPECT_NEAR(doc.GetHeatLossItem(1), 31680, 1e-9);
    EXPECT_NEAR(doc.GetHeatLossItem(13), 74134, 1e-9);
    doc.m_nOutputUnits = 1;
    EXPECT_NEAR(doc.GetHeatLossItem(13), 74134 / 3.4127, 1e-9);
    EXPECT_GT(std::abs(doc.GetHeatLossItem(13) - 74134 / 3.412), 1.0);
    EXPECT_NEAR(doc.GetHeatLossItem(12), 19440 / 3.4127, 1e-9);
    EXPECT_EQ(doc.GetHeatLossItem(0), 0.0);
    EXPECT_EQ(doc.GetHeatLossItem(14), 0.0);
    doc.m_nOutputUnits = 2;
    EXPECT_EQ(doc.GetHeatLossItem(13), 0.0);
}
