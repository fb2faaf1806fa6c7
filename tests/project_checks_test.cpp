// What the loader refuses beyond the file's shape: values no version of the program stores.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "document/ProjectChecks.h"
#include "document/ProjectFile.h"
#include "support/NewProjectTest.h"

namespace {

struct ProjectChecksTest : NewProjectTest {
    // Loads the project as changed by change into a document holding another project, and
    // tells whether it was taken; a refusal must leave that document exactly as it was.
    bool LoadsWith(const std::function<void(CQuarnDocData&)>& change) {
        auto changed = std::make_unique<CQuarnDocData>(*doc);
        change(*changed);
        const std::vector<uint8_t> bytes = SerializeProject(*changed);

        auto target = std::make_unique<CQuarnDoc>(messages);
        target->OnNewDocument();
        target->m_strProjectName = "Open already";
        const auto before = std::make_unique<CQuarnDocData>(*target);
        messages.Clear();
        const LoadStatus status =
            LoadProjectBytes(*target, bytes.data(), bytes.size(), "project.Spc");
        if (status == LoadStatus::kLoaded) {
            EXPECT_TRUE(messages.fileErrors.empty());
            return true;
        }
        EXPECT_EQ(status, LoadStatus::kFailed);
        EXPECT_EQ(messages.fileErrors.size(), 1u);
        EXPECT_TRUE(static_cast<const CQuarnDocData&>(*target) == *before);
        return false;
    }
    std::string LastError() const {
        return messages.fileErrors.empty() ? "" : messages.fileErrors.back();
    }
};

TEST_F(ProjectChecksTest, IntegersOutsideWhatTheProgramStoresAreRefusedByName) {
    struct Case {
        const char* field;
        std::function<void(CQuarnDocData&)> change;
    };
    const Case cases[] = {
        {"m_nLightOnHour holds -2147483648", [](auto& d) { d.m_nLightOnHour = INT_MIN; }},
        {"m_nOccupancyStartHour holds 25", [](auto& d) { d.m_nOccupancyStartHour = 25; }},
        {"m_nHoodedOnHour holds -1", [](auto& d) { d.m_nHoodedOnHour = -1; }},
        {"m_nOccupants[4] holds 1000001", [](auto& d) { d.m_nOccupants[4] = 1000001; }},
        {"m_nOccupants[0] holds -1", [](auto& d) { d.m_nOccupants[0] = -1; }},
        {"m_nMotorOutDrivenInUse holds 2147483647",
         [](auto& d) { d.m_nMotorOutDrivenInUse = INT_MAX; }},
        {"m_nGlassType holds 27", [](auto& d) { d.m_nGlassType = 27; }},
        {"m_nGlassType holds -2", [](auto& d) { d.m_nGlassType = -2; }},
        {"m_nWallGroup holds 15", [](auto& d) { d.m_nWallGroup = 15; }},
        {"m_nBClass holds 50", [](auto& d) { d.m_nBClass = 50; }},
        {"m_nLightSchedule[23] holds 101", [](auto& d) { d.m_nLightSchedule[23] = 101; }},
        {"m_bWindowsSupplied holds 2", [](auto& d) { d.m_bWindowsSupplied = 2; }},
        {"m_nCityIndex holds 1990", [](auto& d) { d.m_nCityIndex = 1990; }},
        {"m_nOccupancyHoursSel holds 10", [](auto& d) { d.m_nOccupancyHoursSel = 10; }},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(LoadsWith(c.change)) << c.field;
        EXPECT_NE(LastError().find(c.field), std::string::npos) << LastError();
        EXPECT_NE(LastError().find("damaged"), std::string::npos) << LastError();
    }
}

TEST_F(ProjectChecksTest, ValuesTheProgramItselfCanHoldStayAccepted) {
    // No button selected, nothing chosen in a tree, factors never entered, no station record.
    EXPECT_TRUE(LoadsWith([](auto& d) {
        d.m_nGlassType = d.m_nInteriorShading = d.m_nShadingRoomCombo = -1;
        d.m_nRoofType = d.m_nWallColor = d.m_nCoolDesignLevel = d.m_nHeatDesignLevel = -1;
        d.m_nLightHoursSel = d.m_nAClass = d.m_nOccupancyHoursSel = -1;
        d.m_nWallGroup = d.m_nBClass = 0;
        d.m_nMotorInDrivenInEff = d.m_nMotorInDrivenOutEff = 0;
        d.m_nLightOnHour = d.m_nElecEquipOnHour = 0;
    }));
    EXPECT_TRUE(LoadsWith([](auto& d) {
        d.m_nCityIndex = 1989;
        d.m_nWallGroup = 70;
        d.m_nBClass = 40;
        d.m_nOccupants[10] = 1000000;
        d.m_nMotorInDrivenInLoad = 180;
        d.m_nLightOnHour = 24;
        d.m_nGlassType = 26;
        d.m_dWallArea[3] = 0;
        d.m_tblTotal[4][4] = 5e-324;  // subnormal, but a number
        d.m_dFluorWatts = 1.7976931348623157e308;
    }));
    // The options and the view kind: every use copes with any value.
    EXPECT_TRUE(LoadsWith([](auto& d) {
        d.m_nInputUnits = 7;
        d.m_nDisplaySize = -3;
        d.m_nViewKind = 999;
    }));
}

TEST_F(ProjectChecksTest, NumbersThatAreNotFiniteAreRefusedByName) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(LoadsWith([&](auto& d) { d.m_dFluorWatts = nan; }));
    EXPECT_NE(LastError().find("m_dFluorWatts holds a value that is not a finite number"),
              std::string::npos)
        << LastError();
    EXPECT_FALSE(LoadsWith([&](auto& d) { d.m_tblTotal[2][1] = -inf; }));
    EXPECT_NE(LastError().find("m_tblTotal[27]"), std::string::npos) << LastError();
    EXPECT_FALSE(LoadsWith([&](auto& d) { d.m_dHeatLoss[12] = inf; }));
    EXPECT_NE(LastError().find("m_dHeatLoss[12]"), std::string::npos) << LastError();
    EXPECT_FALSE(LoadsWith([&](auto& d) { d.m_tblGlassSunlitArea[7][24][12] = nan; }));
    EXPECT_NE(LastError().find("m_tblGlassSunlitArea"), std::string::npos) << LastError();
}

TEST_F(ProjectChecksTest, WindowRecordsAreCheckedToo) {
    CWindo w;
    w.SetQuantity(2);
    w.SetHeight(4);
    w.SetWidth(3);
    EXPECT_TRUE(LoadsWith([&](auto& d) { d.m_aWindows[kEast].Add(w); }));

    CWindo negative = w;
    negative.SetQuantity(-5);
    EXPECT_FALSE(LoadsWith([&](auto& d) { d.m_aWindows[kEast].Add(negative); }));
    EXPECT_NE(LastError().find("window 1 of the E list has a quantity of -5"), std::string::npos)
        << LastError();

    CWindo notANumber = w;
    notANumber.SetOverhangWidth(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(LoadsWith([&](auto& d) {
        d.m_aWindows[kNorthWest].Add(w);
        d.m_aWindows[kNorthWest].Add(notANumber);
    }));
    EXPECT_NE(LastError().find("window 2 of the NW list"), std::string::npos) << LastError();
}

TEST_F(ProjectChecksTest, TheCheckNamesTheFirstFieldAtFault) {
    auto d = std::make_unique<CQuarnDocData>(*doc);
    EXPECT_EQ(FindDamagedField(*d), std::nullopt);
    d->m_nRoofType = 13;
    d->m_nGlassType = 99;
    EXPECT_EQ(FindDamagedField(*d), "m_nRoofType holds 13, not one of -1 to 12");
    d->m_nRoofType = 0;
    d->m_nWallGroup = 71;
    EXPECT_EQ(FindDamagedField(*d), "m_nWallGroup holds 71, not one of 0, 10, 20, ... 70");
}

}  // namespace
