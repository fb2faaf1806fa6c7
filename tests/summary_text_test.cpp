#include <gtest/gtest.h>

#include "support/NewProjectTest.h"
#include "views/SummaryText.h"

namespace {

struct SummaryTextTest : NewProjectTest {
    // Denver, as the general project data would leave it.
    void ChooseStation() {
        doc->m_nCityIndex = 106;
        doc->m_strCityName = "Denver AP";
        doc->m_strCityRegion = "Colorado";
        doc->m_strProjectName = "Office";
        doc->m_dLatitude = 39.75;
        doc->m_dLongitude = 104.87;
        doc->m_dElevation = 5331.0;
        doc->m_dOutsideDBCool = 93.0;
        doc->m_dOutsideWBCool = 60.0;
        doc->m_dDailyRange = 26.9;
        doc->m_dOutsideDBHeat = -3.0;
        doc->m_dInsideDBCool = 76.0;
        doc->m_dInsideRH = 45.0;
        doc->m_dInsideDBHeat = 70.0;
    }
};

TEST_F(SummaryTextTest, NewProjectFillsOnlyTheUnitsBox) {
    doc->m_nOutputUnits = 1;
    const SummaryText s = BuildSummaryText(*doc, {});
    SummaryText expected;
    expected.strUnits = "Input Units:\tEnglish\nOutput Units:\tMetric";
    EXPECT_EQ(s, expected);
}

TEST_F(SummaryTextTest, WithoutAStationTheOtherBoxesKeepTheirText) {
    ChooseStation();
    const SummaryText before = BuildSummaryText(*doc, {});
    doc->m_nCityIndex = 0;  // station cleared, project renamed: the pane does not follow
    doc->m_strProjectName = "Renamed";
    doc->m_nInputUnits = 1;
    const SummaryText after = BuildSummaryText(*doc, before);
    SummaryText expected = before;
    expected.strUnits = "Input Units:\tMetric\nOutput Units:\tEnglish";
    EXPECT_EQ(after, expected);
}

TEST_F(SummaryTextTest, UnitSystemsOutsideEnglishAndMetricAreNamedAsNotSelected) {
    doc->m_nInputUnits = 2;
    doc->m_nOutputUnits = -1;
    EXPECT_EQ(BuildSummaryText(*doc, {}).strUnits,
              "Input Units:\tNo Units Selected\nOutput Units:\tNo Units Selected");
}

TEST_F(SummaryTextTest, EnglishOutput) {
    ChooseStation();
    const SummaryText s = BuildSummaryText(*doc, {});
    EXPECT_EQ(s.strProject, "Project Name: Office");
    EXPECT_EQ(s.strStation, "Weather Station: Denver AP, Colorado");
    EXPECT_EQ(s.strLatitude, "Latitude:\t39.75 Deg North");
    EXPECT_EQ(s.strLongitude, "Longitude:\t104.87 Deg West");
    EXPECT_EQ(s.strElevation, "Elevation:\t5331.00 Feet");
    EXPECT_EQ(s.strOutside,
              "Summer Outside Design Conditions\n"
              "\tDB Temperature:\t93.00 Deg F\n"
              "\tWB Temperature:\t60.00 Deg F\n"
              "\tDaily Range:\t\t26.90 Deg F\n\n"
              "Winter Outside Design Conditions\n"
              "\tDB Temperature:\t-3.00 Deg F");
    EXPECT_EQ(s.strInside,
              "Inside Design Conditions\n"
              "\tCooling: 76.00\tDeg F (DB), 45.00 %RH\n"
              "\tHeating: 70.00\tDeg F (DB)");
    EXPECT_EQ(s.strUnits, "Input Units:\tEnglish\nOutput Units:\tEnglish");
}

TEST_F(SummaryTextTest, MetricOutputConvertsTemperaturesRangeAndElevation) {
    ChooseStation();
    doc->m_nOutputUnits = 1;
    const SummaryText s = BuildSummaryText(*doc, {});
    EXPECT_EQ(s.strElevation, "Elevation:\t1624.81 Meter");
    EXPECT_EQ(s.strOutside,
              "Summer Outside Design Conditions\n"
              "\tDB Temperature:\t33.89 Deg C\n"
              "\tWB Temperature:\t15.56 Deg C\n"
              "\tDaily Range:\t\t14.94 Deg C\n\n"  // a difference: x 5/9 without the offset
              "Winter Outside Design Conditions\n"
              "\tDB Temperature:\t-19.44 Deg C");
    EXPECT_EQ(s.strInside,
              "Inside Design Conditions\n"
              "\tCooling: 24.44\tDeg C (DB), 45.00 %RH\n"
              "\tHeating: 21.11\tDeg C (DB)");
    // Latitude and longitude are degrees in both systems.
    EXPECT_EQ(s.strLatitude, "Latitude:\t39.75 Deg North");
}

TEST_F(SummaryTextTest, SouthernAndEasternStationsShowAbsoluteDegrees) {
    ChooseStation();
    doc->m_dLatitude = -33.95;
    doc->m_dLongitude = -151.18;
    const SummaryText s = BuildSummaryText(*doc, {});
    EXPECT_EQ(s.strLatitude, "Latitude:\t33.95 Deg South");
    EXPECT_EQ(s.strLongitude, "Longitude:\t151.18 Deg East");
    doc->m_dLatitude = 0.0;
    doc->m_dLongitude = 0.0;
    EXPECT_EQ(BuildSummaryText(*doc, {}).strLatitude, "Latitude:\t0.00 Deg North");
    EXPECT_EQ(BuildSummaryText(*doc, {}).strLongitude, "Longitude:\t0.00 Deg West");
}

}  // namespace
