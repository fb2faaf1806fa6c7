// Walls, roof and partitions: the file and row each choice reads, and the corrected temperature
// difference times U and area, checked against values worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/InstallDir.h"
#include "support/NewProjectTest.h"

namespace {

struct ConductionTest : NewProjectTest {
    CScopedInstallDir install;
    int ErrorsNaming(const std::string& name) const {
        return static_cast<int>(
            std::count_if(messages.fileErrors.begin(), messages.fileErrors.end(),
                          [&](const std::string& e) { return e.find(name) != std::string::npos; }));
    }
    // Each cell tells its file, row and column: Label(1000 n + 100 r + c), scaled by a power of
    // two (exactly) into the range of a temperature difference and of a correction.
    static double Label(double code) { return code / 1024; }
    void WriteLabelled(int n) const {
        install.WriteTable(n, [n](int r, int c) { return Label(1000.0 * n + 100 * r + c); });
    }
};

TEST_F(ConductionTest, EachChoiceReadsItsFileAndNoGroupReadsNone) {
    for (int n = 26; n <= 34; ++n) WriteLabelled(n);
    doc->m_nRoofType = 4;
    doc->m_nSuspendedCeiling = 0;
    doc->ReadRoofCLTD();
    EXPECT_EQ(doc->m_dCLTDRoof[7], Label(34507));
    doc->m_nSuspendedCeiling = 1;
    doc->ReadRoofCLTD();
    EXPECT_EQ(doc->m_dCLTDRoof[7], Label(33507));
    for (int group = 1; group <= 7; ++group) {
        doc->m_nWallGroup = 10 * group;
        doc->ReadWallCLTD();
        EXPECT_EQ(doc->m_dCLTDWall[8][24], Label(1000.0 * (25 + group) + 824));
    }
    ASSERT_TRUE(messages.messages.empty());

    // No group: the message, before any file is looked for, and the rows stay.
    for (int n = 26; n <= 32; ++n) install.Remove(n);
    doc->m_nWallGroup = 0;
    doc->ReadWallCLTD();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"No wall construction group selected.\n"
                                                          "Go back to Page 6 of the Gen. Data "
                                                          "Input Wizard."});
    EXPECT_TRUE(messages.fileErrors.empty());
    EXPECT_EQ(doc->m_dCLTDWall[8][24], Label(32824));
}

TEST_F(ConductionTest, AMissingWallFileIsReportedOncePerRecalculationAndTheOldTableKept) {
    WriteLabelled(26);
    doc->m_nWallGroup = 10;
    doc->ReadWallCLTD();
    install.Remove(26);
    doc->RecalcGeneralData();
    doc->FinishInput();
    EXPECT_EQ(ErrorsNaming("qlex26.dat"), 1);
    EXPECT_EQ(doc->m_dCLTDWall[3][14], Label(26314));
}

TEST_F(ConductionTest, LatitudeBracketsIncludeTheLowerBoundOnlyAndServeTheSouth) {
    for (int n : {10, 11, 12, 18, 19}) WriteLabelled(n);
    for (auto [latitude, expected] : {std::pair{16.0, 10000.0}, std::pair{20.0, 10500.0},
                                      std::pair{24.0, 11000.0}, std::pair{-20.0, 18500.0}}) {
        doc->m_dLatitude = latitude;
        doc->ReadLatitudeCorrection();
        EXPECT_EQ(doc->m_dLM[7][9], Label(expected + 709)) << latitude;
    }
    // 24 degrees is read with the 32-degree file.
    install.Remove(12);
    doc->m_dLatitude = 24.0;
    doc->m_dLM[7][9] = -1.0;
    doc->ReadLatitudeCorrection();
    EXPECT_EQ(ErrorsNaming("qlex12.dat"), 1);
    EXPECT_EQ(doc->m_dLM[7][9], -1.0);
}

// Synthetic tables: wall CLTD = hour + 2 x row, LM at 16 N = month - column, roof row 1 =
// hour / 2 + 1. Daily range 20: tm = month's dry-bulb - 95.
struct ConductionFormulaTest : ConductionTest {
    void SetUp() override {
        ConductionTest::SetUp();
        install.WriteTable(26, [](int r, int c) { return c + 2.0 * r; });
        install.WriteTable(10, [](int r, int c) { return 1.0 * (r - c); });
        install.WriteTable(11, [](int, int) { return 30.0; });
        install.WriteTable(34, [](int r, int c) { return c * 0.5 + r; });
        doc->m_dLatitude = 16.0;
        doc->m_nWallGroup = 10;
        doc->m_nRoofType = 0;
        doc->m_dDailyRange = 20.0;
        doc->m_dMonthDB[1] = 40.0;  // tm = -55
        doc->m_dMonthDB[7] = 97.0;  // tm = 2
        doc->m_dWallUCool[kEast] = 0.2;
        doc->m_dWallArea[kEast] = 100.0;
        doc->m_dWallUCool[kWest] = 0.1;
        doc->m_dWallArea[kWest] = 50.0;
        doc->m_dRoofUCool = 0.1;
        doc->m_dRoofArea = 1000.0;
    }
    void Read(int wallColor, int roofColor, int atticFan, double inside) {
        doc->m_nWallColor = wallColor;
        doc->m_nRoofColor = roofColor;
        doc->m_nAtticFan = atticFan;
        doc->m_dInsideDBCool = inside;
        doc->ReadRoofCLTD();
        doc->SetRoofColorFactor();
        doc->SetAtticFactor();
        doc->SetWallColorFactor();
        doc->ReadWallCLTD();
        doc->ReadLatitudeCorrection();
        ASSERT_TRUE(messages.fileErrors.empty());
    }
};

TEST_F(ConductionFormulaTest, HourAndMonthEnterTheWallAndRoofLoadsNightLoadsStayNegative) {
    Read(0, 0, 1, 75.0);  // ti = 3
    doc->CalcConductionLoads(14, 7);
    // East: LM 7 - 3, CLTD 14 + 6; west: LM 0, CLTD 14 + 14.
    EXPECT_DOUBLE_EQ(doc->m_tblWall[kEast][14][7], (4 + 20 + 3 + 2) * 0.2 * 100 / 12000);
    EXPECT_DOUBLE_EQ(doc->m_tblWallAll[14][7], (580 + (28 + 3 + 2) * 0.1 * 50) / 12000);
    doc->CalcConductionLoads(15, 7);
    EXPECT_DOUBLE_EQ(doc->m_tblWall[kEast][15][7], (4 + 21 + 3 + 2) * 0.2 * 100 / 12000);
    doc->CalcConductionLoads(3, 1);
    EXPECT_DOUBLE_EQ(doc->m_tblWall[kEast][3][1], (-2 + 9 + 3 - 55) * 0.2 * 100 / 12000);
    EXPECT_LT(doc->m_tblWallAll[3][1], 0.0);
    // Roof: LM 1 - 9, CLTD 1.5 + 1.
    EXPECT_DOUBLE_EQ(doc->m_tblRoof[3][1], (-8 + 2.5 + 3 - 55) * 0.1 * 1000 / 12000);
}

TEST_F(ConductionFormulaTest, ColourScalesOnlyTheTableAtticFactorTheWholeDifference) {
    install.WriteTable(10, [](int r, int c) { return c == 9 ? r - 9.0 : 0.0; });
    Read(2, 1, 0, 78.0);
    doc->CalcConductionLoads(10, 7);
    EXPECT_DOUBLE_EQ(doc->m_tblWall[kEast][10][7], (0.65 * 16 + 2) * 0.2 * 100 / 12000);
    doc->m_dInsideDBCool = 75.0;
    doc->CalcConductionLoads(12, 7);
    EXPECT_DOUBLE_EQ(doc->m_tblRoof[12][7], ((-2 + 7) * 0.5 + 3 + 2) * 0.75 * 0.1 * 1000 / 12000);
    doc->m_dRoofArea = 0.0;
    doc->CalcConductionLoads(12, 7);
    EXPECT_EQ(doc->m_tblRoof[12][7], 0.0);
}

TEST_F(ConductionFormulaTest, PartitionsTakeTheGivenDifferencesAtEveryHour) {
    const double u[] = {0.3, 0.2, 0.4, 0.0, 0.5, 1.06}, td[] = {10, 5, 12, 20, -4, 15},
                 area[] = {100, 50, 25, 30, 10, 10};
    std::copy(u, u + 6, doc->m_dSurfUCool);
    std::copy(td, td + 6, doc->m_dSurfTDCool);
    std::copy(area, area + 6, doc->m_dSurfArea);
    doc->CalcConductionLoads(1, 1);
    doc->CalcConductionLoads(24, 7);
    EXPECT_DOUBLE_EQ(doc->m_tblFloorCeilPart[1][1], (300 + 50 + 120 - 20 + 159) / 12000.0);
    EXPECT_EQ(doc->m_tblFloorCeilPart[24][7], doc->m_tblFloorCeilPart[1][1]);
}

}  // namespace
