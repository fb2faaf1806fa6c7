#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "calc/PeakSearch.h"
#include "document/QuarnDoc.h"
#include "input/Recalculate.h"
#include "paths/InstallDir.h"
#include "support/HourlyModel.h"
#include "support/InstallDir.h"
#include "support/NewProjectTest.h"
#include "tables/DataFiles.h"

namespace {

// Every data file, with simple patterns of plausible magnitude.
void WriteAllTables(const CScopedInstallDir& install) {
    for (const DataFileShape& shape : AllDataFiles()) {
        const int n = shape.nNumber;
        install.WriteTable(n, [n](int r, int c) -> double {
            if (n == 75) {  // steam table: -80 F upwards by 1 F
                const double t = -80.0 + (r - 1);
                switch (c) {
                    case 1:
                        return t;
                    case 2:
                        return 0.0885 * std::exp((t - 32) / 36.0);
                    case 4:
                        return t - 32.0;
                    case 5:
                        return 1061.0 + 0.444 * t;
                    default:
                        return c + 0.001 * r;
                }
            }
            if (n >= 26 && n <= 34) return ((r * 7 + c * 3) % 29) - 6.0;          // CLTD
            if (n >= 8 && n <= 24) return ((r * 5 + c + n) % 9) - 4.0;            // LM
            if (n >= 39 && n <= 73) return 20.0 + ((r * 11 + c * 13 + n) % 200);  // SHGF
            if (n == 38) return 0.3 + 0.02 * ((r + c) % 30);                      // SC
            return 0.05 + 0.9 * (((r * 3 + c * 7 + n) % 19) / 18.0);              // CLF
        });
    }
}

CWindo Window(int quantity, double wh, double ww, double ld, double rd, double vw, double vh,
              double lw, double rw) {
    CWindo w;
    w.SetQuantity(quantity);
    w.SetHeight(wh);
    w.SetWidth(ww);
    w.SetLeftFinDist(ld);
    w.SetRightFinDist(rd);
    w.SetOverhangWidth(vw);
    w.SetOverhangHeight(vh);
    w.SetLeftFinWidth(lw);
    w.SetRightFinWidth(rw);
    return w;
}

// A project with every kind of input.
void FillProject(CQuarnDoc& d) {
    d.m_nCityIndex = 106;  // Denver AP, from the station library
    d.m_nWallGroup = 30;
    d.m_nBClass = 20;
    d.m_nAClass = 2;
    d.m_nSuspendedCeiling = 1;
    d.m_nRoofType = 4;
    d.m_nAtticFan = 0;
    d.m_nRoofColor = 1;
    d.m_nWallColor = 2;
    d.m_nGlassType = 23;
    d.m_nInteriorShading = 3;
    d.m_nShadingRoomCombo = 2;
    d.m_nGlassBlockShade = 0;
    d.m_dInsideDBCool = 76.0;
    d.m_dInsideRH = 45.0;
    d.m_dInsideDBHeat = 70.0;
    d.m_aWindows[kNorth].Add(Window(3, 5, 4, 0.5, 0.5, 2, 1, 1, 1));
    d.m_aWindows[kEast].Add(Window(2, 6, 3, 1, 0.25, 3, 0.5, 2, 0.5));
    d.m_aWindows[kSouth].Add(Window(4, 4, 6, 0, 0, 4, 0.2, 0, 0));
    d.m_aWindows[kSouth].Add(Window(1, 7, 2, 0.3, 0.3, 1.5, 2, 1.2, 1.2));
    d.m_aWindows[kSouthWest].Add(Window(2, 5, 5, 0, 0, 0, 0, 0, 0));
    d.m_aWindows[kWest].Add(Window(1, 8, 8, 2, 1, 10, 0, 3, 3));
    for (int k = 0; k < kOrientations; ++k) {
        d.m_dWallArea[k] = 300 + 20 * k;
        d.m_dWallUCool[k] = 0.1 + 0.01 * k;
        d.m_dWallUHeat[k] = 0.12 + 0.01 * k;
        d.m_dGlassBlockArea[k] = k % 3 == 0 ? 40 + k : 0;
    }
    d.m_dRoofArea = 2500;
    d.m_dRoofUCool = 0.09;
    d.m_dRoofUHeat = 0.1;
    d.m_dBGWallArea = 200;
    d.m_dBGWallUHeat = 0.2;
    for (int i = 0; i < kSurfaces; ++i) {
        d.m_dSurfArea[i] = 100 + 10 * i;
        d.m_dSurfTDCool[i] = 5 + i;
        d.m_dSurfUCool[i] = 0.3;
        d.m_dSurfUHeat[i] = 0.35;
        d.m_dSurfTDHeat[i] = 20 - i;
    }
    d.m_dSkyArea[0] = 30;
    d.m_dSkyArea[1] = 20;
    d.m_dSlabArea = 1500;
    d.m_dSlabUHeat = 0.05;
    d.m_dSlabPerimeter = 160;
    d.m_dFluorWatts = 4000;
    d.m_dIncandWatts = 600;
    d.m_nOccupants[1] = 20;
    d.m_nOccupants[3] = 5;
    d.m_nOccupants[8] = 2;
    d.m_dElecEquipKW = 6;
    d.m_dMotorInDrivenInKW = 3;
    d.m_dMotorOutDrivenInKW = 2;
    d.m_dMotorInDrivenOutKW = 4;
    d.m_dHoodedElecBtuh = 20000;
    d.m_dHoodedGasBtuh = 30000;
    d.m_dUnhoodedElecBtuh = 5000;
    d.m_dUnhoodedGasBtuh = 2000;
    d.m_nUnhoodedHoursSel = 3;
    d.m_nElecEquipHoursSel = 9;  // above 18 hours
    d.m_dBuildingVolume = 30000;
}

::testing::AssertionResult Near(double expected, double actual) {
    if (std::fabs(expected - actual) <= 1e-9 * std::max(1.0, std::fabs(expected))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << expected << " expected, " << actual << " computed";
}

void ExpectTablesMatch(const CQuarnDocData& model, const CQuarnDocData& engine) {
    auto hourly = [&](const char* name, const HourlyTable& a, const HourlyTable& b) {
        for (int h = 0; h <= 24; ++h) {
            for (int m = 0; m <= 12; ++m) {
                EXPECT_TRUE(Near(a[h][m], b[h][m])) << name << " [" << h << "][" << m << "]";
            }
        }
    };
    auto daily = [&](const char* name, const DailyTable& a, const DailyTable& b) {
        for (int h = 0; h <= 24; ++h) {
            for (int c = 0; c < 2; ++c)
                EXPECT_TRUE(Near(a[h][c], b[h][c])) << name << " [" << h << "]";
        }
    };
#define HOURLY(t) hourly(#t, model.t, engine.t)
#define DAILY(t) daily(#t, model.t, engine.t)
    HOURLY(m_tblVentSens);
    HOURLY(m_tblVentLat);
    HOURLY(m_tblInfilSens);
    HOURLY(m_tblInfilLat);
    DAILY(m_tblHoodedAppl);
    DAILY(m_tblUnhoodedApplSens);
    DAILY(m_tblUnhoodedApplLat);
    DAILY(m_tblPowerEquip);
    DAILY(m_tblElecEquip);
    DAILY(m_tblPeopleSens);
    DAILY(m_tblPeopleLat);
    DAILY(m_tblLights);
    HOURLY(m_tblGlassBlockAll);
    HOURLY(m_tblSkylight);
    HOURLY(m_tblGlassCondAll);
    HOURLY(m_tblGlassSolarAll);
    HOURLY(m_tblFloorCeilPart);
    HOURLY(m_tblRoof);
    HOURLY(m_tblWallAll);
    HOURLY(m_tblRoomLatent);
    HOURLY(m_tblRoomSensible);
    HOURLY(m_tblRoomTotal);
    HOURLY(m_tblTotal);
    for (int k = 0; k < kOrientations; ++k) {
        SCOPED_TRACE(k);
        HOURLY(m_tblGlassBlock[k]);
        HOURLY(m_tblGlassCond[k]);
        HOURLY(m_tblGlassSolar[k]);
        HOURLY(m_tblGlassShadedArea[k]);
        HOURLY(m_tblGlassSunlitArea[k]);
        HOURLY(m_tblWall[k]);
        EXPECT_TRUE(Near(model.m_dWindowArea[k], engine.m_dWindowArea[k]));
    }
#undef HOURLY
#undef DAILY
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(Near(model.m_dHeatLoss[i], engine.m_dHeatLoss[i])) << "item " << i + 1;
    EXPECT_TRUE(Near(model.m_dVentCFM, engine.m_dVentCFM));
}

struct RecalculationTest : NewProjectTest {
    CScopedInstallDir install;
    void SetUp() override {
        NewProjectTest::SetUp();
        WriteAllTables(install);
        FillProject(*doc);
    }
    void Recalculate() { ::Recalculate(*doc); }
};

}  // namespace

TEST_F(RecalculationTest, EveryCellAgreesWithAnIndependentReadingOfTheFormulas) {
    int updates = 0;
    doc->SetViewUpdater([&] { ++updates; });
    Recalculate();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(messages.fileErrors.empty());
    EXPECT_EQ(doc->m_dLatitude, 39.75);
    EXPECT_EQ(doc->m_dOutsideDBCool, 90.0);  // the 1 % level
    EXPECT_EQ(doc->m_dOutsideDBHeat, 3.0);   // the 99 % level
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(updates, 1);

    auto model = std::make_unique<CQuarnDocData>();
    ComputeHourlyModel(*doc, *model);
    ExpectTablesMatch(*model, *doc);
    EXPECT_NE(doc->m_tblTotal[14][7], 0.0);
}

TEST_F(RecalculationTest, RunningTwiceGivesBitIdenticalTables) {
    Recalculate();
    const auto first = std::make_unique<CQuarnDocData>(*doc);
    Recalculate();
    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*doc) == *first);
}

TEST_F(RecalculationTest, AWindowsChangeTouchesOnlyGlassTablesTotalsAndTheGlassHeatLoss) {
    Recalculate();
    const auto before = std::make_unique<CQuarnDocData>(*doc);
    doc->m_aWindows[kNorthEast].Add(Window(2, 4, 4, 0, 0, 1, 0.5, 0, 0));
    doc->FinishInput();
    const CQuarnDocData& after = *doc;
    auto same = [](const HourlyTable& a, const HourlyTable& b) {
        return std::memcmp(a, b, sizeof(HourlyTable)) == 0;
    };
    EXPECT_TRUE(same(after.m_tblWallAll, before->m_tblWallAll));
    EXPECT_TRUE(same(after.m_tblRoof, before->m_tblRoof));
    EXPECT_TRUE(same(after.m_tblInfilSens, before->m_tblInfilSens));
    EXPECT_TRUE(same(after.m_tblVentLat, before->m_tblVentLat));
    EXPECT_TRUE(same(after.m_tblGlassBlockAll, before->m_tblGlassBlockAll));
    EXPECT_FALSE(same(after.m_tblGlassCondAll, before->m_tblGlassCondAll));
    EXPECT_FALSE(same(after.m_tblGlassSolarAll, before->m_tblGlassSolarAll));
    EXPECT_FALSE(same(after.m_tblTotal, before->m_tblTotal));
    for (int i = 0; i < 12; ++i) {
        if (i == 3) {
            EXPECT_NE(after.m_dHeatLoss[i], before->m_dHeatLoss[i]);
        } else {
            EXPECT_EQ(after.m_dHeatLoss[i], before->m_dHeatLoss[i]) << "item " << i + 1;
        }
    }
    EXPECT_EQ(std::memcmp(after.m_dCLTDWall, before->m_dCLTDWall, sizeof after.m_dCLTDWall), 0);
    EXPECT_EQ(std::memcmp(after.m_dSHGFSunlit, before->m_dSHGFSunlit, sizeof after.m_dSHGFSunlit),
              0);
}

TEST_F(RecalculationTest, MissingChoicesAndFilesAreReportedAndTheRunGoesOn) {
    Recalculate();
    const auto before = std::make_unique<CQuarnDocData>(*doc);
    doc->m_nWallGroup = 0;
    doc->m_nBClass = 0;
    install.Remove(37);
    messages.Clear();
    int updates = 0;
    doc->SetViewUpdater([&] { ++updates; });
    Recalculate();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(
        messages.messages[0],
        "No wall construction group selected.\nGo back to Page 6 of the Gen. Data Input Wizard.");
    EXPECT_EQ(
        messages.messages[1],
        "No 'b' Classification for lights selected.\nGo back to Page 7 of Data Input Wizard.");
    ASSERT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_NE(messages.fileErrors[0].find("qlex37.dat"), std::string::npos);
    EXPECT_EQ(std::memcmp(doc->m_dCLTDWall, before->m_dCLTDWall, sizeof doc->m_dCLTDWall), 0);
    EXPECT_EQ(std::memcmp(doc->m_dCLFLights, before->m_dCLFLights, sizeof doc->m_dCLFLights), 0);
    EXPECT_EQ(std::memcmp(doc->m_dCLFPeople, before->m_dCLFPeople, sizeof doc->m_dCLFPeople), 0);
    EXPECT_EQ(updates, 1);
}

// A reference file of the right size holding garbage is damaged like a short one: reported, and
// the run goes on with the rows already in the document, so every number stays as it was.
TEST_F(RecalculationTest, DamagedValuesInAFileOfTheRightSizeAreReportedAndNotUsed) {
    doc->m_nSuspendedCeiling = 0;  // the roof reads qlex34
    Recalculate();
    const auto before = std::make_unique<CQuarnDocData>(*doc);
    install.WriteBytes(34, std::vector<uint8_t>(2800, 0x4a));  // every value 7.7e49
    install.WriteTable(75, [](int r, int c) { return r == 100 && c == 4 ? std::nan("") : 0.0; });
    messages.Clear();
    Recalculate();
    ASSERT_EQ(messages.fileErrors.size(), 2u);
    EXPECT_NE(messages.fileErrors[0].find("qlex34.dat: The reference data file is damaged"),
              std::string::npos)
        << messages.fileErrors[0];
    EXPECT_NE(messages.fileErrors[1].find("qlex75.dat: The reference data file is damaged"),
              std::string::npos)
        << messages.fileErrors[1];
    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*doc) == *before);
    EXPECT_LT(doc->m_tblTotal[15][7], 100.0);
}

TEST_F(RecalculationTest, ANewProjectWithoutAStationStaysFinite) {
    auto fresh = std::make_unique<CQuarnDoc>(messages);
    fresh->OnNewDocument();
    fresh->m_nWallGroup = 10;
    fresh->m_nBClass = 10;
    fresh->RecalcGeneralData();
    fresh->FinishInput();
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) {
            ASSERT_TRUE(std::isfinite(fresh->m_tblTotal[h][m])) << h << "/" << m;
            ASSERT_TRUE(std::isfinite(fresh->m_tblVentLat[h][m]));
        }
    }
}

// The real reference tables: a full project recalculates without any file message, and its
// peak falls on a summer afternoon, as a Denver office's should.
TEST_F(NewProjectTest, RealTablesGiveASummerAfternoonPeak) {
    const std::string previous = g_strInstallDir;
    g_strInstallDir = THERMAVO_DATA_DIR;
    FillProject(*doc);
    doc->RecalcGeneralData();
    doc->FinishInput();
    g_strInstallDir = previous;
    EXPECT_TRUE(messages.fileErrors.empty()) << messages.fileErrors.front();
    EXPECT_TRUE(messages.messages.empty());
    const PeakResult peak = FindPeak([&](int h, int m) { return doc->m_tblTotal[h][m]; });
    EXPECT_GE(peak.nMaxMonth, 6);
    EXPECT_LE(peak.nMaxMonth, 9);
    EXPECT_GE(peak.nMaxHour, 12);
    EXPECT_LE(peak.nMaxHour, 18);
    EXPECT_GT(doc->m_dHeatLoss[12], 0.0);
    EXPECT_GT(doc->m_tblWallAll[16][7], 0.0);
    EXPECT_GT(doc->m_tblGlassSolarAll[peak.nMaxHour][peak.nMaxMonth], 0.0);
}
