// Lights, people, equipment and appliances: the row each choice reads, the hours that carry a
// load, and the loads, checked against values worked by hand.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/InstallDir.h"
#include "support/NewProjectTest.h"

namespace {

struct InternalLoadsTest : NewProjectTest {
    CScopedInstallDir install;
    // Each cell tells its file, row and column: Label(1000 n + 100 r + c), scaled by a power of
    // two (exactly) into the range of a cooling load factor.
    static double Label(double code) { return code / 65536; }
    void WriteLabelled(int n) const {
        install.WriteTable(n, [n](int r, int c) { return Label(1000.0 * n + 100 * r + c); });
    }
};

TEST_F(InternalLoadsTest, LightsRowFollowsTheChoicesAndNoBClassOnlyTellsTheUser) {
    WriteLabelled(5);
    doc->m_nLightHoursSel = 2;  // 12 hours: qlex05
    doc->m_nAClass = 1;
    doc->m_nBClass = 30;
    doc->ReadLightsCLF();
    EXPECT_EQ(doc->m_dCLFLights[0], Label(5700));
    EXPECT_EQ(doc->m_dCLFLights[23], Label(5723));

    doc->m_nBClass = 0;
    doc->ReadLightsCLF();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"No 'b' Classification for lights "
                                                          "selected.\nGo back to Page 7 of Data "
                                                          "Input Wizard."});
    EXPECT_EQ(doc->m_dCLFLights[23], Label(5723));
    install.Remove(5);  // the file is read before the classification is looked at
    doc->ReadLightsCLF();
    EXPECT_EQ(messages.fileErrors.size(), 1u);

    doc->m_nBClass = 10;
    doc->m_nLightHoursSel = 5;  // more than 16 hours: no file
    doc->ReadLightsCLF();
    for (double clf : doc->m_dCLFLights) EXPECT_EQ(clf, 1.0);
    EXPECT_EQ(messages.fileErrors.size(), 1u);
}

TEST_F(InternalLoadsTest, PeopleAt80FMoveGainFromSensibleToLatent) {
    doc->m_dInsideDBCool = 80.0;
    doc->AdjustPeopleGains();
    EXPECT_DOUBLE_EQ(doc->m_dPeopleGain[0][0], 195.834);
    EXPECT_DOUBLE_EQ(doc->m_dPeopleGain[0][1], 154.166);
    EXPECT_DOUBLE_EQ(doc->m_dPeopleGain[10][0] + doc->m_dPeopleGain[10][1], 635 + 1165);
}

// Every occupancy category against the table of heat gain per person: the published sensible
// and latent rates at a 78 F room (ASHRAE's rates of heat gain from occupants of conditioned
// spaces), and at 75 F, where each degree below 78 moves the category's shift (7.083 .. 15.83
// Btu/h) from latent back to sensible heat.
TEST_F(InternalLoadsTest, PeopleGainsOfEveryCategoryAt78FAndAt75F) {
    struct Gains {
        const char* category;
        double sensible78, latent78, sensible75, latent75;
    };
    const Gains table[kOccupancyCategories] = {
        {"seated at rest: theater, movie", 210, 140, 231.249, 118.751},
        {"very light work: office, hotel, apartment", 230, 190, 253.751, 166.249},
        {"seated, eating: restaurant", 255, 325, 287.49, 292.51},
        {"light work: office, hotel, apartment", 255, 255, 281.25, 228.75},
        {"light work: retail store, bank", 315, 325, 341.25, 298.75},
        {"light bench work: factory", 345, 435, 388.74, 391.26},
        {"light machine work: factory", 345, 695, 392.49, 647.51},
        {"bowling", 345, 615, 392.49, 567.51},
        {"moderate dancing", 405, 875, 450, 830},
        {"heavy machine work: factory", 565, 1035, 603.76, 996.24},
        {"heavy work, athletics: gymnasium", 635, 1165, 673.76, 1126.24},
    };
    doc->m_dInsideDBCool = 78.0;
    doc->AdjustPeopleGains();
    for (int i = 0; i < kOccupancyCategories; ++i) {
        EXPECT_EQ(doc->m_dPeopleGain[i][0], table[i].sensible78) << table[i].category;
        EXPECT_EQ(doc->m_dPeopleGain[i][1], table[i].latent78) << table[i].category;
    }
    doc->m_dInsideDBCool = 75.0;
    doc->AdjustPeopleGains();
    for (int i = 0; i < kOccupancyCategories; ++i) {
        EXPECT_DOUBLE_EQ(doc->m_dPeopleGain[i][0], table[i].sensible75) << table[i].category;
        EXPECT_DOUBLE_EQ(doc->m_dPeopleGain[i][1], table[i].latent75) << table[i].category;
    }
}

TEST_F(InternalLoadsTest, HoursChoicesPickTheirRowsAndAMissingFileChangesNothing) {
    WriteLabelled(37);
    WriteLabelled(36);
    doc->m_nOccupancyHoursSel = 4;
    doc->m_nUnhoodedHoursSel = 9;
    doc->ReadPeopleCLF();
    doc->ReadUnhoodedCLF();
    EXPECT_EQ(doc->m_dCLFPeople[24], Label(37524));
    EXPECT_EQ(doc->m_nOccupancyHours, 10);
    EXPECT_EQ(doc->m_dCLFUnhoodedAppl[24], 1.0);
    EXPECT_EQ(doc->m_nUnhoodedHours, 23);

    install.Remove(37);
    doc->m_nOccupancyHoursSel = 9;
    doc->ReadPeopleCLF();
    EXPECT_EQ(doc->m_dCLFPeople[24], Label(37524));
    EXPECT_EQ(doc->m_nOccupancyHours, 10);
    EXPECT_EQ(messages.fileErrors.size(), 1u);
}

// Synthetic factors, the same in every row: lights 0.5 + 0.02 per hour after switch-on, people
// 0.4 + 0.025, equipment and unhooded appliances 0.3 + 0.02, hooded appliances 0.2 + 0.03.
struct InternalLoadsFormulaTest : InternalLoadsTest {
    void Read() {
        install.WriteTable(5, [](int, int c) { return 0.5 + 0.02 * c; });
        install.WriteTable(37, [](int, int c) { return 0.4 + 0.025 * c; });
        install.WriteTable(36, [](int, int c) { return 0.3 + 0.02 * c; });
        install.WriteTable(35, [](int, int c) { return 0.2 + 0.03 * c; });
        doc->m_nBClass = 10;
        doc->ReadLightsCLF();
        doc->AdjustPeopleGains();
        doc->ReadPeopleCLF();
        doc->ReadHoodedCLF();
        doc->ReadUnhoodedCLF();
        doc->ReadPowerEquipCLF();
        doc->ReadElecEquipCLF();
        ASSERT_TRUE(messages.fileErrors.empty());
        for (int h = 1; h <= 24; ++h) doc->CalcInternalLoads(h);
    }
};

TEST_F(InternalLoadsFormulaTest, LightsAndPeopleStartAtTheirHours) {
    doc->m_dFluorWatts = 1000;
    doc->m_dIncandWatts = 300;  // with ballast 1.2: 1500 W
    for (int& percent : doc->m_nLightSchedule) percent = 50;
    doc->m_nOccupants[0] = 10;  // 210 / 140 Btu/h each
    doc->m_nOccupants[3] = 4;   // 255 / 255
    Read();                     // lights on at 7, people in at 8 for 10 hours
    EXPECT_EQ(doc->m_tblLights[6][1], 0.0);
    EXPECT_DOUBLE_EQ(doc->m_tblLights[7][1], 1500 * 50 * 0.5 * 0.0341 / 12000);
    EXPECT_DOUBLE_EQ(doc->m_tblLights[24][1], 1500 * 50 * 0.84 * 0.0341 / 12000);
    EXPECT_EQ(doc->m_tblPeopleSens[8][1], 0.0);
    EXPECT_DOUBLE_EQ(doc->m_tblPeopleSens[9][1], 3120 * 0.425 / 12000);
    EXPECT_EQ(doc->m_tblPeopleLat[7][1], 0.0);
    EXPECT_DOUBLE_EQ(doc->m_tblPeopleLat[8][1], 2420 / 12000.0);
    EXPECT_DOUBLE_EQ(doc->m_tblPeopleLat[18][1], 2420 / 12000.0);
    EXPECT_EQ(doc->m_tblPeopleLat[19][1], 0.0);

    doc->m_nOccupancyStartHour = 1;
    doc->m_nOccupancyHoursSel = 9;  // above 18 hours
    Read();
    EXPECT_EQ(doc->m_tblPeopleSens[1][1], 0.0);
    EXPECT_DOUBLE_EQ(doc->m_tblPeopleSens[2][1], 3120 / 12000.0);
    EXPECT_DOUBLE_EQ(doc->m_tblPeopleLat[24][1], 2420 / 12000.0);
}

TEST_F(InternalLoadsFormulaTest, EquipmentOnAt20DoesNotWrapPastMidnight) {
    doc->m_nElecEquipOnHour = doc->m_nPowerEquipOnHour = 20;
    doc->m_nHoodedOnHour = doc->m_nUnhoodedOnHour = 20;
    doc->m_nUnhoodedHoursSel = 3;  // 8 hours
    doc->m_dElecEquipKW = 5;       // use 80 %
    doc->m_dMotorInDrivenInKW = 10;
    doc->m_dMotorOutDrivenInKW = 2;
    doc->m_dMotorInDrivenOutKW = 4;  // efficiencies 90 %, loads 95 %, uses 80 %
    doc->m_dHoodedGasBtuh = 10000;
    doc->m_dHoodedElecBtuh = 5000;
    doc->m_dUnhoodedElecBtuh = 2000;
    doc->m_dUnhoodedGasBtuh = 1000;
    Read();
    for (const DailyTable* t : {&doc->m_tblElecEquip, &doc->m_tblPowerEquip, &doc->m_tblHoodedAppl,
                                &doc->m_tblUnhoodedApplSens, &doc->m_tblUnhoodedApplLat}) {
        for (int h = 1; h <= 4; ++h) EXPECT_EQ((*t)[h][1], 0.0) << h;
    }
    EXPECT_EQ(doc->m_tblUnhoodedApplLat[19][1], 0.0);
    EXPECT_DOUBLE_EQ(doc->m_tblUnhoodedApplLat[20][1], 3000 * 0.17 / 12000);
    // An hour after switch-on: factor 0.32, hooded 0.23.
    EXPECT_DOUBLE_EQ(doc->m_tblElecEquip[21][1], 0.8 * 5 * 0.32 * 3411.528 / 12000);
    EXPECT_DOUBLE_EQ(doc->m_tblHoodedAppl[21][1], 0.23 * (1000 + 800) / 12000.0);
    EXPECT_DOUBLE_EQ(doc->m_tblUnhoodedApplSens[21][1], 3000 * 0.32 * 0.33 / 12000);
    const double kw = (10 / 0.9 + 2 + 0.1 * 4 / 0.9) * 0.8 * 0.95;  // heat reaching the space
    EXPECT_DOUBLE_EQ(doc->m_tblPowerEquip[21][1], 0.32 * kw * 3411.528 / 12000);

    doc->m_nMotorInDrivenOutEff = 0;
    doc->CalcInternalLoads(21);
    EXPECT_EQ(doc->m_tblPowerEquip[21][1], 0.0);
}

}  // namespace

// Hours and factors at the ends of an int: a project built in memory (the loader refuses such
// files) must still compute without overflow, and an hour that far off means no load.
TEST_F(InternalLoadsFormulaTest, OnHoursAtTheEndsOfAnIntGiveNoLoadWithoutOverflow) {
    doc->m_dFluorWatts = 1000;
    doc->m_nOccupants[1] = 3;
    doc->m_dElecEquipKW = 5;
    doc->m_dHoodedGasBtuh = doc->m_dUnhoodedGasBtuh = 1000;
    doc->m_dMotorOutDrivenInKW = 2;
    Read();
    doc->m_nLightOnHour = doc->m_nOccupancyStartHour = INT_MIN;
    doc->m_nElecEquipOnHour = doc->m_nPowerEquipOnHour = INT_MIN;
    doc->m_nHoodedOnHour = INT_MIN;
    doc->m_nUnhoodedOnHour = INT_MAX;
    doc->m_nOccupancyHours = doc->m_nUnhoodedHours = INT_MAX;
    for (int h = 1; h <= 24; ++h) doc->CalcInternalLoads(h);
    for (const DailyTable* t : {&doc->m_tblLights, &doc->m_tblPeopleSens, &doc->m_tblPeopleLat,
                                &doc->m_tblElecEquip, &doc->m_tblPowerEquip, &doc->m_tblHoodedAppl,
                                &doc->m_tblUnhoodedApplSens, &doc->m_tblUnhoodedApplLat}) {
        for (int h = 1; h <= 24; ++h) EXPECT_EQ((*t)[h][1], 0.0) << h;
    }
    // In from hour 1 for INT_MAX hours: the end of the stay lies past any int, so people are
    // in all day long (a wrapped sum would have sent them home before they came).
    doc->m_nOccupancyStartHour = 1;
    doc->CalcInternalLoads(12);
    EXPECT_GT(doc->m_tblPeopleLat[12][1], 0.0);

    // The motor out of the space, driven equipment in it: the two factors multiply in double.
    doc->m_nPowerEquipOnHour = 1;
    doc->m_nMotorOutDrivenInUse = INT_MAX;
    doc->m_nMotorOutDrivenInLoad = INT_MAX;
    doc->CalcInternalLoads(2);
    EXPECT_GT(doc->m_tblPowerEquip[2][1], 0.0);
}
