#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "support/NewProjectTest.h"

namespace {

using NewDocumentTest = NewProjectTest;

void ExpectHourlyHeadersAndZeroBody(const HourlyTable& t) {
    for (int r = 0; r < 25; ++r) {
        for (int c = 0; c < 13; ++c) {
            const double expected = r == 0 ? c : (c == 0 ? r : 0.0);
            ASSERT_EQ(t[r][c], expected) << "at [" << r << "][" << c << "]";
        }
    }
}

}  // namespace

TEST_F(NewDocumentTest, EveryResultTableHasHeadersAndAZeroBody) {
    const CQuarnDocData& d = *doc;
    std::vector<const HourlyTable*> hourly = {
        &d.m_tblVentSens,      &d.m_tblVentLat,   &d.m_tblInfilSens,    &d.m_tblInfilLat,
        &d.m_tblGlassBlockAll, &d.m_tblSkylight,  &d.m_tblGlassCondAll, &d.m_tblGlassSolarAll,
        &d.m_tblFloorCeilPart, &d.m_tblRoof,      &d.m_tblWallAll,      &d.m_tblRoomLatent,
        &d.m_tblRoomSensible,  &d.m_tblRoomTotal, &d.m_tblTotal};
    for (int o = 0; o < kOrientations; ++o) {
        for (const HourlyTable* t :
             {&d.m_tblGlassBlock[o], &d.m_tblGlassCond[o], &d.m_tblGlassSolar[o],
              &d.m_tblGlassShadedArea[o], &d.m_tblGlassSunlitArea[o], &d.m_tblWall[o]}) {
            hourly.push_back(t);
        }
    }
    ASSERT_EQ(hourly.size(), 15u + 48u);
    for (const HourlyTable* t : hourly) ExpectHourlyHeadersAndZeroBody(*t);

    for (const DailyTable* t :
         {&d.m_tblHoodedAppl, &d.m_tblUnhoodedApplSens, &d.m_tblUnhoodedApplLat, &d.m_tblPowerEquip,
          &d.m_tblElecEquip, &d.m_tblPeopleSens, &d.m_tblPeopleLat, &d.m_tblLights}) {
        for (int r = 0; r < 25; ++r) {
            EXPECT_EQ((*t)[r][0], r);
            EXPECT_EQ((*t)[r][1], r == 0 ? 1.0 : 0.0);
        }
    }
    for (const auto& row : d.m_tblCLTDGlassCorr) {
        for (double v : row) EXPECT_EQ(v, 0.0);  // no headers in this one
    }
}

TEST_F(NewDocumentTest, DefaultsOfANewProject) {
    const CQuarnDoc& d = *doc;
    EXPECT_EQ(d.m_strCityName, "No Station Registered");
    EXPECT_EQ(d.m_strWallGroup1, "No wall construction group registered");
    EXPECT_EQ(d.m_strBClass1, "No 'b' classification registered");
    EXPECT_EQ(d.m_strProjectName, "");
    EXPECT_EQ(d.m_nCityIndex, 0);
    EXPECT_EQ(d.m_nCoolDesignLevel, 1);
    EXPECT_EQ(d.m_nHeatDesignLevel, 1);
    EXPECT_EQ(d.m_dInsideDBCool, 78.0);
    EXPECT_EQ(d.m_dInsideRH, 50.0);
    EXPECT_EQ(d.m_dInsideDBHeat, 72.0);
    EXPECT_EQ(d.m_nRoofType, 2);
    EXPECT_EQ(d.m_nWallColor, 1);
    EXPECT_EQ(d.m_nWallGroup, 0);
    EXPECT_EQ(d.m_nBClass, 0);
    EXPECT_EQ(d.m_dCLTDGlass[3], -1.0);
    EXPECT_EQ(d.m_dCLTDGlass[15], 14.0);
    EXPECT_EQ(d.m_dCLTDGlass[24], 2.0);
    EXPECT_EQ(d.m_nLightOnHour, 7);
    EXPECT_EQ(d.m_nLightHoursSel, 2);
    EXPECT_EQ(d.m_nAClass, 1);
    EXPECT_EQ(d.m_dBallastFactor, 1.2);
    const int schedule[24] = {20,  20,  20,  20,  20,  20,  100, 100, 100, 100, 100, 100,
                              100, 100, 100, 100, 100, 100, 100, 100, 100, 20,  20,  20};
    for (int h = 0; h < 24; ++h) EXPECT_EQ(d.m_nLightSchedule[h], schedule[h]) << "hour " << h + 1;
    EXPECT_EQ(d.m_nOccupancyStartHour, 8);
    EXPECT_EQ(d.m_nOccupancyHoursSel, 4);
    EXPECT_EQ(d.m_dVentPerOccupant[3], 25.0);
    EXPECT_EQ(d.m_dVentPerOccupant[10], 25.0);
    EXPECT_EQ(d.m_nHoodedOnHour, 9);
    EXPECT_EQ(d.m_nUnhoodedOnHour, 9);
    EXPECT_EQ(d.m_nPowerEquipOnHour, 8);
    EXPECT_EQ(d.m_nMotorInDrivenOutEff, 90);
    EXPECT_EQ(d.m_nMotorOutDrivenInLoad, 95);
    EXPECT_EQ(d.m_nMotorInDrivenOutUse, 80);
    EXPECT_EQ(d.m_nElecEquipUseFactor, 80);
    EXPECT_EQ(d.GetInfilACHCool(), 0.25);
    EXPECT_EQ(d.GetInfilACHHeat(), 0.5);
    EXPECT_EQ(d.m_dDailyRangePct[5], 100.0);
    EXPECT_EQ(d.m_dDailyRangePct[15], 0.0);
    EXPECT_EQ(d.m_dDailyRangePct[24], 82.0);
    EXPECT_EQ(d.m_nGlassType, 2);
    EXPECT_EQ(d.m_nInteriorShading, 9);
    EXPECT_EQ(d.GetSCSunlit(), 1.0);
    EXPECT_EQ(d.GetSCShaded(), 1.0);
    EXPECT_EQ(d.m_dCLFSkyA[14], 0.74);
    EXPECT_EQ(d.m_dCLFSkyB[14], 0.64);
    EXPECT_EQ(d.GetGroundTemp(), 14.0);
    EXPECT_EQ(d.GetSurfUCoolPartitionGlass(), 1.06);
    EXPECT_EQ(d.GetSurfUHeatPartitionGlass(), 1.06);
    EXPECT_EQ(d.GetSurfUCoolFloor(), 0.0);
    EXPECT_EQ(d.GetSkySCShade(), 0.95);
    EXPECT_EQ(d.GetSkyUCoolSun(), 0.86);
    EXPECT_EQ(d.GetSkyUHeatShade(), 1.4);
    EXPECT_EQ(d.GetSlabEdgeFactor(), 45.0);
    EXPECT_EQ(d.m_nViewKind, 101);
    EXPECT_EQ(d.m_dGlassBlockUCool, 0.0);  // set only by the glass blocks command
    EXPECT_EQ(d.GetTotalOccupants(), 0);
    EXPECT_FALSE(d.IsModified());
}

TEST_F(NewDocumentTest, DefaultsDoNotDependOnThePreviousProject) {
    const auto fresh = std::make_unique<CQuarnDocData>(*doc);

    FillDistinct(*doc);
    doc->m_dLastUValue = 0.2;
    doc->m_strCopyText = "copied";
    doc->m_bCopyAvailable = 1;
    doc->SetModifiedFlag();
    doc->SetPathName("/tmp/old.Spc");
    ASSERT_TRUE(doc->OnNewDocument());

    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*doc) == *fresh);
    for (const CWindowList& list : doc->m_aWindows) EXPECT_EQ(list.GetSize(), 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), "");
}

TEST_F(NewDocumentTest, AccessorsAndDerivedValues) {
    doc->SetWallAreaSouthWest(120.5);
    EXPECT_EQ(doc->m_dWallArea[kSouthWest], 120.5);
    doc->SetSurfTDHeatPartition2(9.0);
    EXPECT_EQ(doc->m_dSurfTDHeat[kPartition2], 9.0);
    doc->SetSkyAreaShade(12.0);
    EXPECT_EQ(doc->m_dSkyArea[1], 12.0);
    doc->m_dWindowArea[kNorthWest] = 33.0;
    EXPECT_EQ(doc->GetWindowAreaNorthWest(), 33.0);

    for (int i = 0; i < kOccupancyCategories; ++i) doc->m_nOccupants[i] = i + 1;
    EXPECT_EQ(doc->GetTotalOccupants(), 66);
    // Counts no page accepts still add up without wrapping round.
    for (int& n : doc->m_nOccupants) n = 2147483647;
    EXPECT_EQ(doc->GetTotalOccupants(), 23622320117LL);

    EXPECT_EQ(doc->IsCitySelected(), 0);
    doc->m_nCityIndex = 1062;
    EXPECT_EQ(doc->IsCitySelected(), 1);
    EXPECT_EQ(doc->m_bCitySelected, 1);
}

TEST_F(NewDocumentTest, NewProjectFileSizes) {
    // 16 bytes of window counts, 84 ints, 22971 doubles, 13 length bytes, and the texts of the
    // three non-empty default strings.
    EXPECT_EQ(SerializeProject(*doc).size(), 184133u + 21u + 37u + 32u);
    doc->m_strCityName.clear();
    doc->m_strWallGroup1.clear();
    doc->m_strBClass1.clear();
    EXPECT_EQ(SerializeProject(*doc).size(), 184133u);
}
