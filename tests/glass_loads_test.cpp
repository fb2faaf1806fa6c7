#include <gtest/gtest.h>

#include "document/QuarnDoc.h"
#include "support/InstallDir.h"

namespace {

constexpr double kTons = 1.0 / 12000;

struct GlassLoadsTest : ::testing::Test {
    CScopedInstallDir install;
    CRecordingMessages messages;
    CQuarnDoc doc{messages};

    // Table NN with cell [r][c] = Label(base + 100 r + c), so a value names its cell; the power of
    // two scales it exactly into the range of a shading coefficient, CLF or SHGF.
    static double Label(double code) { return code / 65536; }
    void Write(int number, double base) {
        install.WriteTable(number, [base](int r, int c) { return Label(base + 100.0 * r + c); });
    }
};

}  // namespace

TEST_F(GlassLoadsTest, CorrectedCLTDAndUValues) {
    for (int h = 1; h <= 24; ++h) doc.m_dCLTDGlass[h] = h;
    for (int m = 1; m <= 12; ++m) doc.m_dMonthDB[m] = 90 + m;
    doc.m_dInsideDBCool = 75;
    doc.m_dDailyRange = 20;
    doc.CorrectGlassCLTD();
    EXPECT_EQ(doc.m_tblCLTDGlassCorr[4][7], 4 + 3 + (97 - 10 - 85));
    EXPECT_EQ(doc.m_tblCLTDGlassCorr[24][12], 24 + 3 + (102 - 10 - 85));

    // shading, glass type -> cooling, heating, skylight cooling, skylight heating
    const double cases[][6] = {{0, 21, 1.04, 1.1, 0.83, 1.23},
                               {0, 22, 0.61, 0.58, 0.54, 0.65},
                               {1, 0, 0.81, 0.83, 0.83, 1.23},
                               {13, 26, 0.55, 0.48, 0.54, 0.65}};
    for (const auto& c : cases) {
        doc.m_nInteriorShading = static_cast<int>(c[0]);
        doc.m_nGlassType = static_cast<int>(c[1]);
        doc.SetGlassUValues();
        EXPECT_EQ(doc.m_dGlassUCool, c[2]);
        EXPECT_EQ(doc.m_dGlassUHeat, c[3]);
        EXPECT_EQ(doc.m_dGlassUSkyCool, c[4]);
        EXPECT_EQ(doc.m_dGlassUSkyHeat, c[5]);
    }
}

TEST_F(GlassLoadsTest, ShadingCoefficientsAndCLFRowsFollowTheChoices) {
    doc.m_dSCSunlit = doc.m_dSCShaded = -1;
    doc.ReadShadingCoefficients();  // no qlex38
    EXPECT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_EQ(doc.m_dSCSunlit + doc.m_dSCShaded, -2);
    Write(38, 0);
    doc.m_nGlassType = 4;
    doc.m_nInteriorShading = 3;
    doc.ReadShadingCoefficients();
    EXPECT_EQ(doc.m_dSCSunlit, Label(507));
    EXPECT_EQ(doc.m_dSCShaded, Label(508));

    Write(1, 0);
    Write(2, 5000);
    for (int combo = 1; combo <= 3; ++combo) {
        doc.m_nShadingRoomCombo = combo;
        doc.ReadGlassCLF();
        EXPECT_EQ(doc.m_dCLFGlass[0][24], Label(24));
        for (int o = 0; o < 9; ++o) {
            EXPECT_EQ(doc.m_dCLFGlass[o + 1][7], Label((3 * o + combo) * 100 + 7));
        }
    }
    doc.m_nShadingRoomCombo = 0;
    doc.ReadGlassCLF();
    EXPECT_EQ(doc.m_dCLFGlass[9][24], Label(5924));
    doc.m_nShadingRoomCombo = 4;
    doc.ReadGlassCLF();
    EXPECT_EQ(doc.m_dCLFGlass[9][24], Label(5924));

    // shade -> U cooling, U heating, SC sun, SC shade, CLF north and horizontal at 12:00
    const double blocks[][7] = {{0, 0.51, 0.43, 0.65, 0.4, 112, 2512},
                                {1, 0.48, 0.38, 0.44, 0.34, 5112, 5912},
                                {2, 0.48, 0.38, 0.44, 0.34, 5112, 5912}};
    for (const auto& b : blocks) {
        doc.m_nGlassBlockShade = static_cast<int>(b[0]);
        doc.SetGlassBlockU();
        doc.SetGlassBlockSC();
        doc.ReadGlassBlockCLF();
        const double got[6] = {doc.m_dGlassBlockUCool,      doc.m_dGlassBlockUHeat,
                               doc.m_dGlassBlockSCSun,      doc.m_dGlassBlockSCShade,
                               doc.m_dCLFGlassBlock[1][12], doc.m_dCLFGlassBlock[9][12]};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(got[i], i < 4 ? b[i + 1] : Label(b[i + 1])) << "shade " << b[0];
        }
    }
    EXPECT_EQ(messages.fileErrors.size(), 1u);
}

TEST_F(GlassLoadsTest, SolarHeatGainFactorsByLatitude) {
    Write(46, 1000);
    Write(47, 2000);
    const double sunlit[][2] = {{20, 1703}, {23, 1703 + 750}};
    for (const auto& s : sunlit) {
        doc.m_dLatitude = s[0];
        doc.ReadSunlitSHGF();
        EXPECT_EQ(doc.m_dSHGFSunlit[7][3], Label(s[1]));
    }
    install.Remove(46);
    Write(48, 3000);
    doc.m_dLatitude = 24;  // 24 to 28: qlex46 not needed
    doc.ReadSunlitSHGF();
    EXPECT_EQ(doc.m_dSHGFSunlit[7][3], Label(2703));
    Write(64, 4000);  // 28 S, while 32 S (qlex65) is missing: nothing changes
    doc.m_dLatitude = -30;
    doc.ReadSunlitSHGF();
    EXPECT_EQ(doc.m_dSHGFSunlit[7][3], Label(2703));

    for (int m = 1; m <= 12; ++m) {
        for (int c = 1; c <= 9; ++c) doc.m_dSHGFSunlit[m][c] = 10 * m + c;
    }
    Write(39, 7000);
    Write(40, 8000);
    // latitude, file base, sunlit column taken beyond 24 degrees (0: the file's own values)
    const double shaded[][3] = {{30, 7000, 1}, {24, 7000, 0}, {-24, 8000, 0}, {-30, 8000, 5}};
    for (const auto& s : shaded) {
        doc.m_dLatitude = s[0];
        doc.ReadShadedSHGF();
        for (int m = 0; m <= 12; ++m) {
            for (int c = 0; c <= 9; ++c) {
                const bool pole = s[2] != 0 && m >= 1 && c >= 1 && c <= 8;
                EXPECT_EQ(doc.m_dSHGFShaded[m][c], pole ? 10 * m + s[2] : Label(s[1] + 100 * m + c))
                    << s[0] << " [" << m << "][" << c << "]";
            }
        }
    }
    install.Remove(39);
    doc.m_dLatitude = 10;
    doc.ReadShadedSHGF();
    EXPECT_EQ(doc.m_dSHGFShaded[3][3], 35);  // the table of 30 S kept
    EXPECT_EQ(messages.fileErrors.size(), 2u);
}

TEST_F(GlassLoadsTest, WindowSkylightAndGlassBlockLoads) {
    for (int r = 0; r < 10; ++r) doc.m_dCLFGlass[r][3] = doc.m_dCLFGlass[r][2] = 0.1 * r;
    doc.m_dSHGFShaded[7][5] = 40;
    doc.m_dSHGFShaded[7][1] = 999;
    doc.m_dSHGFSunlit[7][5] = 200;
    doc.m_dSCShaded = 0.5;
    doc.m_dSCSunlit = 0.8;
    doc.m_dGlassUCool = 1.04;
    doc.m_dWindowArea[4] = 40;
    doc.m_tblGlassShadedArea[4][3][7] = 30;
    doc.m_tblGlassSunlitArea[4][3][7] = 10;
    doc.m_tblGlassShadedArea[4][2][7] = 40;  // night
    doc.m_tblCLTDGlassCorr[2][7] = -2;       // early morning
    doc.CalcGlassLoads(3, 7, 4);
    doc.CalcGlassLoads(2, 7, 4);
    EXPECT_DOUBLE_EQ(doc.m_tblGlassSolar[4][3][7],
                     (30 * .1 * 40 * .5 + 10 * .5 * 200 * .8) * kTons);
    EXPECT_DOUBLE_EQ(doc.m_tblGlassSolar[4][2][7], 40 * .1 * 40 * .5 * kTons);
    EXPECT_DOUBLE_EQ(doc.m_tblGlassCond[4][2][7], -2 * 40 * 1.04 * kTons);

    // 30 N, June noon: the south wall is in sun, the north wall is not.
    doc.m_dLatitude = 30;
    for (int o = 0; o < 8; ++o) doc.m_tblGlassSolar[o][12][6] = o + 1;
    doc.m_tblCLTDGlassCorr[12][6] = 15;
    doc.m_dSkyUCool[0] = 0.8, doc.m_dSkyUCool[1] = 0.5;
    doc.m_dSkyArea[0] = 10, doc.m_dSkyArea[1] = 20;
    doc.m_dSkySC[0] = 0.7, doc.m_dSkySC[1] = 0.5;
    doc.m_dCLFSkyA[12] = 0.66, doc.m_dCLFSkyB[12] = 0.59;
    doc.m_dSHGFSunlit[6][9] = 250, doc.m_dSHGFShaded[6][9] = 100;
    doc.m_dGlassBlockArea[0] = 10, doc.m_dGlassBlockArea[4] = 20;
    doc.m_dLM[6][1] = 1, doc.m_dLM[6][5] = -3;
    doc.m_dGlassBlockUCool = 0.51;
    doc.m_dGlassBlockSCSun = 0.65, doc.m_dGlassBlockSCShade = 0.4;
    doc.m_dCLFGlassBlock[1][12] = 0.3, doc.m_dCLFGlassBlock[5][12] = 0.6;
    doc.m_dSHGFSunlit[6][1] = 35, doc.m_dSHGFShaded[6][1] = 30;
    doc.m_dSHGFSunlit[6][5] = 70, doc.m_dSHGFShaded[6][5] = 33;
    doc.CalcGlassTotalsSkylightsAndBlocks(12, 6);
    EXPECT_EQ(doc.m_tblGlassSolarAll[12][6], 36);
    EXPECT_DOUBLE_EQ(doc.m_tblSkylight[12][6],
                     (18 * 15 + 0.66 * 250 * 7 + 0.59 * 100 * 10) * kTons);
    EXPECT_DOUBLE_EQ(doc.m_tblGlassBlock[0][12][6], (16 * 10 * .51 + .3 * 10 * 30 * .4) * kTons);
    EXPECT_DOUBLE_EQ(doc.m_tblGlassBlock[4][12][6], (12 * 20 * .51 + .6 * 20 * 70 * .65) * kTons);
    EXPECT_DOUBLE_EQ(doc.m_tblGlassBlockAll[12][6], (117.6 + 668.4) * kTons);
}
