#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "document/DocMembers.h"
#include "document/QuarnDoc.h"
#include "input/GeneralDataCommand.h"
#include "support/InstallDir.h"
#include "support/NewProjectTest.h"
#include "tables/DataFiles.h"

namespace {

const char* const kBrickLeaf = "C: Air Space+4-in. (100 mm) Face Brick";
const char* const kBrickNode = "4-in. (100 mm) Face Brick+(Brick)";
const char* const kFrameLeaf = "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation";
const std::vector<std::string> kTileMediumWood = {
    "Floor Covered With Tile",
    "Medium Ventilation Rate - supply thru floor, wall or ceiling diffuser",
    "A: 2 in. (50 mm) Wooden Floor"};

// Plausible reference tables, so that a recalculation reads known numbers without messages.
void WriteTables(const CScopedInstallDir& install) {
    for (const DataFileShape& shape : AllDataFiles()) {
        const int n = shape.nNumber;
        install.WriteTable(n, [n](int r, int c) -> double {
            if (n == 75) {  // steam table: -80 F upwards by 1 F
                const double t = -80.0 + (r - 1);
                if (c == 1) return t;
                if (c == 2) return 0.0885 * std::exp((t - 32) / 36.0);
                if (c == 4) return t - 32.0;
                if (c == 5) return 1061.0 + 0.444 * t;
                return c + 0.001 * r;
            }
            return 0.2 + 0.5 * (((r * 3 + c * 7 + n) % 11) / 10.0);
        });
    }
}

// A project that has been through the wizard once: Denver, a brick wall, a 'b' class.
struct GeneralDataTest : NewProjectTest {
    CScopedInstallDir install;

    void SetUp() override {
        NewProjectTest::SetUp();
        WriteTables(install);
        doc->m_nCityIndex = 106;
        doc->m_strCityName = "Denver AP";
        doc->m_strCityRegion = "Colorado";
        doc->m_nWallGroup = 30;
        doc->m_strWallGroup1 = kBrickLeaf;
        doc->m_strWallGroup2 = kBrickNode;
        doc->m_nBClass = 20;
        doc->m_strBClass1 = "B: 3 in. (75 mm) Concrete Floor";
        doc->m_strBClass2 = "Low Ventilation Rate - minimum for cooling load";
        doc->m_strBClass3 = "Floor Covered With Carpet And Rubber Pad";
        doc->m_dVentPerOccupant[3] = 25;
        doc->m_dHoodedElecBtuh = 20000;
        doc->m_dUnhoodedGasBtuh = 5000;
        doc->m_dBuildingVolume = 30000;
        doc->SetModifiedFlag(false);
    }

    CGeneralDataValues Fill() { return FillGeneralData(*doc); }
    void Apply(const CGeneralDataValues& v) {
        ASSERT_FALSE(ValidateGeneralData(v));
        ApplyGeneralData(*doc, v);
    }
};

// ---- Filling ----

TEST_F(GeneralDataTest, FillingThePagesLeavesTheProjectUntouched) {
    for (int units : {0, 1, 2}) {
        doc->m_nInputUnits = units;
        doc->IsInputMetric();  // the unit tests' caches are not project state
        doc->IsInputEnglish();
        const CQuarnDocData before = *doc;
        Fill();
        EXPECT_TRUE(before == static_cast<const CQuarnDocData&>(*doc)) << units;
        EXPECT_FALSE(doc->IsModified());
    }
}

TEST_F(GeneralDataTest, PagesStartWithNothingChosenInTheTreesAndShowTheCurrentChoices) {
    const CGeneralDataValues v = Fill();
    EXPECT_EQ(0, v.m_nCityIndex);
    EXPECT_EQ("", v.m_strCityName);
    EXPECT_EQ("Current Weather Station: Denver AP, Colorado", v.strStationCaption);
    EXPECT_EQ(0, v.m_nWallGroup);
    EXPECT_EQ(30, v.nCurrentWallGroup);
    EXPECT_EQ(std::string("\tCurrent Wall Construction Group:\n") + kBrickLeaf + "\n" + kBrickNode,
              v.strWallGroupCaption);
    EXPECT_EQ(0, v.m_nBClass);
    EXPECT_EQ(20, v.nCurrentBClass);
    EXPECT_EQ(
        "Current 'b' Classification: B: 3 in. (75 mm) Concrete Floor\nLow Ventilation Rate - "
        "minimum for cooling load\nFloor Covered With Carpet And Rubber Pad",
        v.strBClassCaption);
}

TEST_F(GeneralDataTest, LabelsFollowTheInputUnits) {
    CGeneralDataValues english = Fill();
    EXPECT_EQ("Deg F", english.strCoolTempUnit);
    EXPECT_EQ("Ventil: CFM /Occup", english.strVentCaption);
    EXPECT_EQ("Btu/Hr", english.strHoodedElecUnit);
    EXPECT_EQ("Btu/Hr", english.strUnhoodedGasUnit);
    EXPECT_EQ("Cu Ft", english.strVolumeUnit);
    EXPECT_EQ(1, english.nEnglishGlassCaptions);
    EXPECT_EQ(78.0, english.m_dInsideDBCool);

    doc->m_nInputUnits = 1;
    CGeneralDataValues metric = Fill();
    EXPECT_EQ("Deg C", metric.strHeatTempUnit);
    EXPECT_EQ("Ventil: L/s /Occup", metric.strVentCaption);
    EXPECT_EQ("Watts", metric.strHoodedGasUnit);
    EXPECT_EQ("Cu Meter", metric.strVolumeUnit);
    EXPECT_EQ(0, metric.nEnglishGlassCaptions);
}

// ---- Units on the way in and out ----

TEST_F(GeneralDataTest, MetricFinishWithoutEditsCutsOnlyTheCoolingTemperature) {
    doc->m_nInputUnits = 1;
    const CGeneralDataValues v = Fill();
    EXPECT_DOUBLE_EQ(25.555, v.m_dInsideDBCool);  // 25.5555... cut, not rounded to 25.556
    Apply(v);
    EXPECT_NEAR(77.999, doc->m_dInsideDBCool, 1e-9);
    EXPECT_NEAR(72.0, doc->m_dInsideDBHeat, 1e-12);
    EXPECT_EQ(50.0, doc->m_dInsideRH);
}

TEST_F(GeneralDataTest, MetricRatesRatingsAndVolumeRoundTrip) {
    doc->m_nInputUnits = 1;
    CGeneralDataValues v = Fill();
    EXPECT_DOUBLE_EQ(25 / 2.1186, v.m_dVentPerOccupant[3]);
    EXPECT_DOUBLE_EQ(20000 / 3.4127, v.m_dHoodedElecBtuh);
    EXPECT_DOUBLE_EQ(30000 / 35.314, v.m_dBuildingVolume);
    Apply(v);
    EXPECT_NEAR(25.0, doc->m_dVentPerOccupant[3], 1e-12);
    EXPECT_NEAR(20000.0, doc->m_dHoodedElecBtuh, 1e-9);
    EXPECT_NEAR(5000.0, doc->m_dUnhoodedGasBtuh, 1e-9);
    EXPECT_NEAR(30000.0, doc->m_dBuildingVolume, 1e-9);
    EXPECT_EQ(15.0, doc->m_dVentPerOccupant[0]);  // 15 CFM stays 15 through L/s

    // What a metric user types is stored with the wizard's factors.
    v = Fill();
    v.m_dInsideDBHeat = 20;
    v.m_dVentPerOccupant[0] = 10;
    v.m_dHoodedGasBtuh = 1000;
    v.m_dBuildingVolume = 100;
    Apply(v);
    EXPECT_DOUBLE_EQ(68.0, doc->m_dInsideDBHeat);
    EXPECT_DOUBLE_EQ(21.186, doc->m_dVentPerOccupant[0]);
    EXPECT_DOUBLE_EQ(3412.7, doc->m_dHoodedGasBtuh);
    EXPECT_DOUBLE_EQ(3531.4, doc->m_dBuildingVolume);
}

TEST_F(GeneralDataTest, WithoutUnitsTheConvertedFieldsAreNeitherShownNorStored) {
    doc->m_nInputUnits = 2;
    CGeneralDataValues v = Fill();
    EXPECT_EQ(0.0, v.m_dInsideDBCool);
    EXPECT_EQ(0.0, v.m_dInsideDBHeat);
    EXPECT_EQ(0.0, v.m_dVentPerOccupant[3]);
    EXPECT_EQ(0.0, v.m_dHoodedElecBtuh);
    EXPECT_EQ(0.0, v.m_dBuildingVolume);
    EXPECT_EQ("", v.strCoolTempUnit);
    EXPECT_EQ("", v.strVentCaption);
    EXPECT_EQ("", v.strHoodedElecUnit);
    EXPECT_EQ("", v.strVolumeUnit);
    EXPECT_EQ(50.0, v.m_dInsideRH);  // not converted, so filled

    v.m_dInsideDBCool = 1;
    v.m_dInsideDBHeat = 2;
    for (double& rate : v.m_dVentPerOccupant) rate = 3;
    v.m_dHoodedElecBtuh = v.m_dHoodedGasBtuh = v.m_dUnhoodedElecBtuh = v.m_dUnhoodedGasBtuh = 4;
    v.m_dBuildingVolume = 5;
    v.m_dInsideRH = 45;
    v.m_nOccupants[1] = 12;
    Apply(v);
    EXPECT_EQ(78.0, doc->m_dInsideDBCool);
    EXPECT_EQ(72.0, doc->m_dInsideDBHeat);
    EXPECT_EQ(25.0, doc->m_dVentPerOccupant[3]);
    EXPECT_EQ(15.0, doc->m_dVentPerOccupant[0]);
    EXPECT_EQ(20000.0, doc->m_dHoodedElecBtuh);
    EXPECT_EQ(0.0, doc->m_dHoodedGasBtuh);
    EXPECT_EQ(5000.0, doc->m_dUnhoodedGasBtuh);
    EXPECT_EQ(30000.0, doc->m_dBuildingVolume);
    EXPECT_EQ(45.0, doc->m_dInsideRH);
    EXPECT_EQ(12, doc->m_nOccupants[1]);
}

// ---- Tree choices ----

TEST_F(GeneralDataTest, NoStationChosenKeepsTheProjectsAndStillLooksItUp) {
    ASSERT_EQ(0.0, doc->m_dCoolDB1);
    Apply(Fill());
    EXPECT_EQ(106, doc->m_nCityIndex);
    EXPECT_EQ("Denver AP", doc->m_strCityName);
    EXPECT_EQ("Colorado", doc->m_strCityRegion);
    EXPECT_GT(doc->m_dCoolDB1, 0.0);  // the station library was asked for index 106
    EXPECT_GT(doc->m_dLatitude, 39.0);
    EXPECT_EQ(doc->m_dCoolDB1, doc->m_dOutsideDBCool);
}

TEST_F(GeneralDataTest, AChosenStationReplacesNameAndRegion) {
    CGeneralDataValues v = Fill();
    ASSERT_FALSE(SelectStation(v, 857));
    EXPECT_EQ("Kabul AP", v.m_strCityName);
    EXPECT_EQ("Afghanistan", v.m_strCityRegion);  // directly under its country
    v.m_nCoolDesignLevel = 2;
    v.m_nHeatDesignLevel = 0;
    Apply(v);
    EXPECT_EQ(857, doc->m_nCityIndex);
    EXPECT_EQ("Kabul AP", doc->m_strCityName);
    EXPECT_EQ("Afghanistan", doc->m_strCityRegion);
    EXPECT_EQ(doc->m_dCoolDB2, doc->m_dOutsideDBCool);
    EXPECT_EQ(doc->m_dCoolWB2, doc->m_dOutsideWBCool);
    EXPECT_EQ(doc->m_dHeatDB996, doc->m_dOutsideDBHeat);
    EXPECT_NE(doc->m_dCoolDB1, doc->m_dOutsideDBCool);
}

TEST(SelectStation, TakesNameAndRegionFromTheStationTree) {
    CGeneralDataValues v;
    ASSERT_FALSE(SelectStation(v, 106));
    EXPECT_EQ(106, v.m_nCityIndex);
    EXPECT_EQ("Denver AP", v.m_strCityName);
    EXPECT_EQ("Colorado", v.m_strCityRegion);

    for (int unknown : {-1, 99999}) {
        InputResult error = SelectStation(v, unknown);
        ASSERT_TRUE(error) << unknown;
        EXPECT_EQ("m_nCityIndex", error->strField);
        EXPECT_EQ(106, v.m_nCityIndex);  // untouched
    }
    ASSERT_FALSE(SelectStation(v, 0));
    EXPECT_EQ(0, v.m_nCityIndex);
    EXPECT_EQ("", v.m_strCityName);
    EXPECT_EQ("", v.m_strCityRegion);
}

TEST_F(GeneralDataTest, NoLeafChosenKeepsTheWallGroupAndBClass) {
    Apply(Fill());
    EXPECT_EQ(30, doc->m_nWallGroup);
    EXPECT_EQ(kBrickLeaf, doc->m_strWallGroup1);
    EXPECT_EQ(kBrickNode, doc->m_strWallGroup2);
    EXPECT_EQ(20, doc->m_nBClass);
    EXPECT_EQ("Floor Covered With Carpet And Rubber Pad", doc->m_strBClass3);

    CGeneralDataValues v = Fill();
    ASSERT_FALSE(SelectWallGroup(v, {"Frame Wall", kFrameLeaf}));
    ASSERT_FALSE(SelectBClass(v, kTileMediumWood));
    Apply(v);
    EXPECT_EQ(70, doc->m_nWallGroup);
    EXPECT_EQ(kFrameLeaf, doc->m_strWallGroup1);
    EXPECT_EQ("Frame Wall", doc->m_strWallGroup2);
    EXPECT_EQ(10, doc->m_nBClass);
    EXPECT_EQ(kTileMediumWood[2], doc->m_strBClass1);
    EXPECT_EQ(kTileMediumWood[1], doc->m_strBClass2);
    EXPECT_EQ(kTileMediumWood[0], doc->m_strBClass3);

    InputResult node = SelectWallGroup(v, {"Frame Wall"});
    ASSERT_TRUE(node);
    EXPECT_EQ("m_nWallGroup", node->strField);
    EXPECT_EQ(70, v.m_nWallGroup);
}

// ---- Finishing ----

TEST_F(NewProjectTest, FinishingTheWizardSuppliesGeneralDataAndRecalculates) {
    CScopedInstallDir install;
    WriteTables(install);
    CGeneralDataValues v = FillGeneralData(*doc);
    ASSERT_FALSE(SelectStation(v, 106));
    ASSERT_FALSE(SelectWallGroup(v, {"Frame Wall", kFrameLeaf}));
    ASSERT_FALSE(SelectBClass(v, kTileMediumWood));
    v.m_nOccupants[1] = 20;
    ASSERT_FALSE(ValidateGeneralData(v));
    ASSERT_EQ(0, doc->m_bGeneralDataSupplied);
    ASSERT_FALSE(doc->IsModified());

    int viewUpdates = 0;
    doc->SetViewUpdater([&] { ++viewUpdates; });
    ApplyGeneralData(*doc, v);
    EXPECT_EQ(1, doc->m_bGeneralDataSupplied);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(1, viewUpdates);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    EXPECT_TRUE(messages.fileErrors.empty());
    EXPECT_GT(doc->m_dOutsideDBCool, 80.0);  // Denver's 1 % design dry bulb
    EXPECT_EQ(doc->m_dCoolDB1, doc->m_dOutsideDBCool);
    EXPECT_GT(doc->m_tblPeopleSens[12][1], 0.0);
    EXPECT_GT(doc->m_tblTotal[15][7], 0.0);
}

// Every field a user types is stored into the document member it is named after.
TEST_F(GeneralDataTest, EveryFieldReachesTheMemberItIsNamedAfter) {
    const CGeneralDataValues base = Fill();
    std::vector<std::string> names;
    CGeneralDataValues copy = base;
    ForEachField(copy, [&](const char* name, auto&) { names.push_back(name); });

    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        CGeneralDataValues v;
        // Change the field to another value the pages accept.
        auto change = [&](auto& value, int step) {
            using T = std::remove_reference_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>) {
                value += "x";
            } else if constexpr (std::is_array_v<T>) {
                value[0] += step;
            } else {
                value += step;
            }
        };
        for (int step : {1, -1}) {
            v = base;
            ForEachField(v, [&](const char* n, auto& value) {
                if (n == name) change(value, step);
            });
            if (!ValidateGeneralData(v)) break;
        }
        ASSERT_FALSE(ValidateGeneralData(v)) << ValidateGeneralData(v)->strMessage;

        CQuarnDoc target(messages);
        static_cast<CQuarnDocData&>(target) = *doc;
        ApplyGeneralData(target, v);

        std::map<std::string, const void*> members;
#define X(m) members[#m] = &target.m;
        THERMAVO_FOR_EACH_DOC_MEMBER(X)
#undef X
        ASSERT_EQ(1u, members.count(name));
        ForEachField(v, [&](const char* n, auto& value) {
            if (n != name) return;
            using T = std::remove_reference_t<decltype(value)>;
            const T& stored = *static_cast<const T*>(members.at(name));
            if constexpr (std::is_array_v<T>) {
                EXPECT_TRUE(std::equal(std::begin(value), std::end(value), std::begin(stored)));
            } else {
                EXPECT_EQ(value, stored);
            }
        });
    }
}

// ---- Validation ----

struct Refusal {
    const char* field;
    std::function<void(CGeneralDataValues&)> edit;
    const char* message;
};

TEST_F(GeneralDataTest, EachPageRangeRefusesWithTheStandardMessage) {
    const char* const hours = "Please enter an integer between 1 and 24.";
    const char* const percent = "Please enter an integer between 1 and 100.";
    const char* const load = "Please enter an integer between 1 and 180.";
    const char* const negative = "Please enter a number that is not negative.";
    const std::vector<Refusal> refusals = {
        {"m_strProjectName", [](auto& v) { v.m_strProjectName = std::string(35, 'a'); },
         "Please enter no more than 34 characters."},
        {"m_nCoolDesignLevel", [](auto& v) { v.m_nCoolDesignLevel = 3; },
         "Please enter an integer between 0 and 2."},
        {"m_nHeatDesignLevel", [](auto& v) { v.m_nHeatDesignLevel = -1; },
         "Please enter an integer between 0 and 1."},
        {"m_dInsideRH", [](auto& v) { v.m_dInsideRH = 39.99; },
         "Please enter a number between 40 and 65."},
        {"m_dInsideRH", [](auto& v) { v.m_dInsideRH = 66; },
         "Please enter a number between 40 and 65."},
        {"m_dInsideDBHeat", [](auto& v) { v.m_dInsideDBHeat = -1; }, negative},
        {"m_nRoofType", [](auto& v) { v.m_nRoofType = 13; },
         "Please enter an integer between 0 and 12."},
        {"m_nWallColor", [](auto& v) { v.m_nWallColor = 3; },
         "Please enter an integer between 0 and 2."},
        {"m_nLightOnHour", [](auto& v) { v.m_nLightOnHour = 0; }, hours},
        {"m_nLightHoursSel", [](auto& v) { v.m_nLightHoursSel = 6; },
         "Please enter an integer between 0 and 5."},
        {"m_nLightSchedule[7]", [](auto& v) { v.m_nLightSchedule[7] = 101; },
         "Please enter an integer between 0 and 100."},
        {"m_nLightSchedule[23]", [](auto& v) { v.m_nLightSchedule[23] = -1; },
         "Please enter an integer between 0 and 100."},
        {"m_dBallastFactor", [](auto& v) { v.m_dBallastFactor = -0.5; }, negative},
        {"m_nOccupancyStartHour", [](auto& v) { v.m_nOccupancyStartHour = 25; }, hours},
        {"m_nOccupancyHoursSel", [](auto& v) { v.m_nOccupancyHoursSel = 10; },
         "Please enter an integer between 0 and 9."},
        {"m_nOccupants[2]", [](auto& v) { v.m_nOccupants[2] = -1; }, negative},
        {"m_dVentPerOccupant[10]", [](auto& v) { v.m_dVentPerOccupant[10] = -1; }, negative},
        {"m_nHoodedOnHour", [](auto& v) { v.m_nHoodedOnHour = 0; }, hours},
        {"m_nUnhoodedOnHour", [](auto& v) { v.m_nUnhoodedOnHour = 25; }, hours},
        {"m_nPowerEquipOnHour", [](auto& v) { v.m_nPowerEquipOnHour = 0; }, hours},
        {"m_nMotorInDrivenInEff", [](auto& v) { v.m_nMotorInDrivenInEff = 0; }, percent},
        {"m_nMotorInDrivenOutEff", [](auto& v) { v.m_nMotorInDrivenOutEff = 101; }, percent},
        {"m_nMotorInDrivenInLoad", [](auto& v) { v.m_nMotorInDrivenInLoad = 181; }, load},
        {"m_nMotorOutDrivenInLoad", [](auto& v) { v.m_nMotorOutDrivenInLoad = 0; }, load},
        {"m_nMotorInDrivenOutLoad", [](auto& v) { v.m_nMotorInDrivenOutLoad = 181; }, load},
        {"m_nMotorInDrivenInUse", [](auto& v) { v.m_nMotorInDrivenInUse = 101; }, percent},
        {"m_nMotorOutDrivenInUse", [](auto& v) { v.m_nMotorOutDrivenInUse = 0; }, percent},
        {"m_nMotorInDrivenOutUse", [](auto& v) { v.m_nMotorInDrivenOutUse = 101; }, percent},
        {"m_nElecEquipOnHour", [](auto& v) { v.m_nElecEquipOnHour = 25; }, hours},
        {"m_nElecEquipUseFactor", [](auto& v) { v.m_nElecEquipUseFactor = 0; }, percent},
        {"m_dInfilACHCool", [](auto& v) { v.m_dInfilACHCool = -0.25; }, negative},
        {"m_dBuildingVolume", [](auto& v) { v.m_dBuildingVolume = -1; }, negative},
        {"m_nGlassType", [](auto& v) { v.m_nGlassType = 27; },
         "Please enter an integer between 0 and 26."},
        {"m_nInteriorShading", [](auto& v) { v.m_nInteriorShading = 14; },
         "Please enter an integer between 0 and 13."},
        {"m_nShadingRoomCombo", [](auto& v) { v.m_nShadingRoomCombo = 4; },
         "Please enter an integer between 0 and 3."},
    };
    const CGeneralDataValues valid = Fill();
    ASSERT_FALSE(ValidateGeneralData(valid));
    for (const Refusal& r : refusals) {
        CGeneralDataValues v = valid;
        r.edit(v);
        const InputResult error = ValidateGeneralData(v);
        ASSERT_TRUE(error) << r.field;
        EXPECT_EQ(r.field, error->strField);
        EXPECT_EQ(r.message, error->strMessage) << r.field;
    }
}

TEST_F(GeneralDataTest, RangeEndsAreAccepted) {
    const std::vector<std::function<void(CGeneralDataValues&)>> edges = {
        [](auto& v) { v.m_dInsideRH = 40; },
        [](auto& v) { v.m_dInsideRH = 65; },
        [](auto& v) { v.m_nLightOnHour = 1; },
        [](auto& v) { v.m_nOccupancyStartHour = 24; },
        [](auto& v) { v.m_nMotorInDrivenInEff = 1; },
        [](auto& v) { v.m_nMotorInDrivenOutEff = 100; },
        [](auto& v) { v.m_nMotorInDrivenInLoad = 180; },
        [](auto& v) { v.m_nMotorOutDrivenInLoad = 1; },
        [](auto& v) { v.m_nElecEquipUseFactor = 100; },
        [](auto& v) { v.m_nLightSchedule[23] = 100; },
        [](auto& v) { v.m_strProjectName = std::string(34, 'a'); },
        // 34 characters of two bytes each
        [](auto& v) {
            v.m_strProjectName.clear();
            for (int i = 0; i < 34; ++i) v.m_strProjectName += "\xC3\xA9";
        },
    };
    const CGeneralDataValues valid = Fill();
    for (size_t i = 0; i < edges.size(); ++i) {
        CGeneralDataValues v = valid;
        edges[i](v);
        const InputResult error = ValidateGeneralData(v);
        EXPECT_FALSE(error) << i << ": " << error->strField;
    }
}

TEST_F(GeneralDataTest, TreePagesNeedALeafOnlyWhenTheProjectHasNone) {
    doc->m_nWallGroup = 0;
    doc->m_nBClass = 0;
    CGeneralDataValues v = Fill();
    InputResult wall = ValidateGeneralData(v);
    ASSERT_TRUE(wall);
    EXPECT_EQ("m_nWallGroup", wall->strField);
    EXPECT_EQ(
        "Please expand the tree and select a wall\nconstruction group, A to G, at a leaf node",
        wall->strMessage);

    ASSERT_FALSE(SelectWallGroup(v, {"Frame Wall", kFrameLeaf}));
    InputResult bclass = ValidateGeneralData(v);
    ASSERT_TRUE(bclass);
    EXPECT_EQ("m_nBClass", bclass->strField);
    EXPECT_EQ("Please expand the tree and select a\n 'b' Classification, A to D, at a leaf node",
              bclass->strMessage);

    // Page 7 checks its fields before its tree.
    v.m_nLightOnHour = 0;
    EXPECT_EQ("m_nLightOnHour", ValidateGeneralData(v)->strField);

    v.m_nLightOnHour = 7;
    ASSERT_FALSE(SelectBClass(v, kTileMediumWood));
    EXPECT_FALSE(ValidateGeneralData(v));
}

TEST_F(GeneralDataTest, TheFirstPageAtFaultIsReported) {
    CGeneralDataValues v = Fill();
    v.m_nMotorInDrivenInLoad = 200;  // page 11
    v.m_nLightSchedule[3] = 150;     // page 8
    v.m_dInsideRH = 70;              // page 3
    EXPECT_EQ("m_dInsideRH", ValidateGeneralData(v)->strField);
    v.m_dInsideRH = 50;
    EXPECT_EQ("m_nLightSchedule[3]", ValidateGeneralData(v)->strField);
    v.m_nLightSchedule[3] = 50;
    EXPECT_EQ("m_nMotorInDrivenInLoad", ValidateGeneralData(v)->strField);
}

}  // namespace
