#include <algorithm>
#include <iterator>
#include <memory>

#include "document/QuarnDoc.h"

namespace {
void WriteHeaders(HourlyTable& table) {
    for (int r = 0; r < 25; ++r) table[r][0] = r;
    for (int c = 0; c < 13; ++c) table[0][c] = c;
}

void WriteHeaders(DailyTable& table) {
    for (int r = 0; r < 25; ++r) table[r][0] = r;
    table[0][1] = 1;
}

template <size_t N>
void WriteHeaders(HourlyTable (&family)[N]) {
    for (HourlyTable& table : family) WriteHeaders(table);
}

template <class T, size_t N>
void Assign(T (&member)[N], std::initializer_list<T> values) {
    std::copy(values.begin(), values.end(), std::begin(member));
}

void SetDefaults(CQuarnDocData& d) {
    d.m_strCityName = "No Station Registered";
    d.m_nCityIndex = 0;
    d.m_nCoolDesignLevel = 1;  // 1 %
    d.m_nHeatDesignLevel = 1;  // 99 %
    d.m_dInsideDBCool = 78.0;
    d.m_dInsideRH = 50.0;
    d.m_dInsideDBHeat = 72.0;
    d.m_nRoofType = 2;   // No 3, 4 in. light-weight concrete
    d.m_nWallColor = 1;  // medium colored
    d.m_strWallGroup1 = "No wall construction group registered";
    Assign(d.m_dCLTDGlass, {0.,  1.,  0.,  -1., -2., -2., -2., -2., 0., 2., 4., 7., 9.,
                            12., 13., 14., 14., 13., 12., 10., 8.,  6., 4., 3., 2.});
    d.m_nLightOnHour = 7;
    d.m_nLightHoursSel = 2;  // twelve hours
    d.m_nAClass = 1;         // 0.55
    d.m_strBClass1 = "No 'b' classification registered";
    d.m_dBallastFactor = 1.2;
    for (int h = 1; h <= 24; ++h) d.m_nLightSchedule[h - 1] = (h >= 7 && h <= 21) ? 100 : 20;
    d.m_nOccupancyStartHour = 8;
    d.m_nOccupancyHoursSel = 4;  // 10 hours
    Assign(d.m_dVentPerOccupant, {15., 15., 20., 25., 15., 10., 10., 20., 20., 10., 25.});
    d.m_nHoodedOnHour = 9;
    d.m_nUnhoodedOnHour = 9;
    d.m_nPowerEquipOnHour = 8;
    d.m_nPowerEquipHoursSel = 4;
    d.m_nMotorInDrivenInEff = 90;
    d.m_nMotorInDrivenOutEff = 90;
    d.m_nMotorInDrivenInLoad = 95;
    d.m_nMotorOutDrivenInLoad = 95;
    d.m_nMotorInDrivenOutLoad = 95;
    d.m_nMotorInDrivenInUse = 80;
    d.m_nMotorOutDrivenInUse = 80;
    d.m_nMotorInDrivenOutUse = 80;
    d.m_nElecEquipOnHour = 8;
    d.m_nElecEquipHoursSel = 4;
    d.m_nElecEquipUseFactor = 80;
    d.m_dInfilACHCool = 0.25;
    d.m_dInfilACHHeat = 0.5;
    Assign(d.m_dDailyRangePct, {0.,  87., 92., 96., 99., 100., 98., 93., 84., 71., 56., 39., 23.,
                                11., 3.,  0.,  3.,  10., 21.,  34., 47., 58., 68., 76., 82.});
    d.m_nGlassType = 2;        // C: 1/4 in. regular plate
    d.m_nInteriorShading = 9;  // 10: medium colored semi-open yarn
    d.m_dSCSunlit = 1.0;
    d.m_dSCShaded = 1.0;
    Assign(d.m_dCLFSkyA,
           {0.,   0.11, 0.09, 0.07, 0.06, 0.05, 0.07, 0.14, 0.24, 0.36, 0.48, 0.58, 0.66,
            0.72, 0.74, 0.73, 0.67, 0.59, 0.47, 0.37, 0.29, 0.24, 0.19, 0.16, 0.13});
    Assign(d.m_dCLFSkyB,
           {0.,   0.17, 0.16, 0.15, 0.14, 0.13, 0.15, 0.2,  0.28, 0.36, 0.45, 0.52, 0.59,
            0.62, 0.64, 0.62, 0.58, 0.51, 0.42, 0.35, 0.29, 0.26, 0.23, 0.21, 0.19});
    d.m_dGroundTemp = 14.0;
    d.m_dSurfUCool[kPartitionGlass] = 1.06;
    d.m_dSurfUHeat[kPartitionGlass] = 1.06;
    Assign(d.m_dSkySC, {0.95, 0.95});
    Assign(d.m_dSkyUCool, {0.86, 0.86});
    Assign(d.m_dSkyUHeat, {1.4, 1.4});
    d.m_dSlabEdgeFactor = 45.0;
    d.m_nViewKind = 101;  // Total Cooling Load table

    // Every result table gets its headers; the corrected glass temperature differences have
    // none.
    WriteHeaders(d.m_tblVentSens);
    WriteHeaders(d.m_tblVentLat);
    WriteHeaders(d.m_tblInfilSens);
    WriteHeaders(d.m_tblInfilLat);
    for (DailyTable* t :
         {&d.m_tblHoodedAppl, &d.m_tblUnhoodedApplSens, &d.m_tblUnhoodedApplLat, &d.m_tblPowerEquip,
          &d.m_tblElecEquip, &d.m_tblPeopleSens, &d.m_tblPeopleLat, &d.m_tblLights}) {
        WriteHeaders(*t);
    }
    WriteHeaders(d.m_tblGlassBlockAll);
    WriteHeaders(d.m_tblGlassBlock);
    WriteHeaders(d.m_tblSkylight);
    WriteHeaders(d.m_tblGlassCondAll);
    WriteHeaders(d.m_tblGlassCond);
    WriteHeaders(d.m_tblGlassSolarAll);
    WriteHeaders(d.m_tblGlassSolar);
    WriteHeaders(d.m_tblGlassShadedArea);
    WriteHeaders(d.m_tblGlassSunlitArea);
    WriteHeaders(d.m_tblFloorCeilPart);
    WriteHeaders(d.m_tblRoof);
    WriteHeaders(d.m_tblWall);
    WriteHeaders(d.m_tblWallAll);
    WriteHeaders(d.m_tblRoomLatent);
    WriteHeaders(d.m_tblRoomSensible);
    WriteHeaders(d.m_tblRoomTotal);
    WriteHeaders(d.m_tblTotal);
}
}  // namespace

bool CQuarnDoc::OnNewDocument() {
    // The framework's part: forget the old contents and the modified state.
    m_bModified = false;
    m_strPathName.clear();

    // Built on the heap: a project is some 190 KB, too much for a small stack.
    auto fresh = std::make_unique<CQuarnDocData>();
    SetDefaults(*fresh);
    static_cast<CQuarnDocData&>(*this) = *fresh;
    for (CWindowList& list : m_aWindows) list.FreeExtra();

    LoadOptions();
    return true;
}
