#pragma once

#include <string>

#include "units/Units.h"
#include "windows/WindowList.h"

// Hourly result table: [solar hour 1..24][month 1..12]; row 0 and column 0 hold the numbers
// 0..24 and 0..12 written when a project is created.
using HourlyTable = double[25][13];
// A load that does not vary by month: [hour][1] holds the value, [r][0] = r, [0][1] = 1.
using DailyTable = double[25][2];

// Orientation order of every eight-element array, and the columns 1..8 of ten-column tables.
enum Orientation { kNorth, kNorthEast, kEast, kSouthEast, kSouth, kSouthWest, kWest, kNorthWest };
inline constexpr int kOrientations = 8;

// The six surfaces of the floor, ceiling and partitions input.
enum Surface { kFloor, kCeiling, kPartition1, kPartition2, kPartition3, kPartitionGlass };
inline constexpr int kSurfaces = 6;

inline constexpr int kOccupancyCategories = 11;

// Every member of a project, in declaration order, all zero (strings empty, lists empty) until
// a new project or a loaded file gives them their values. Kept apart from the document's
// behaviour so that a whole project can be reset or replaced in one assignment. Stored units
// are always English; cooling loads in tons, heat rates in Btu/h, areas in sq ft.
struct CQuarnDocData {
    // View state, supplied flags and copy text
    std::string m_strViewAxis;
    std::string m_strViewTitle;
    int m_nViewKind = 0;
    int m_bGeneralDataSupplied = 0;
    int m_bWindowsSupplied = 0;
    int m_bWallsRoofSupplied = 0;
    int m_bGlassBlocksSupplied = 0;
    int m_bFloorCeilingSupplied = 0;
    int m_bFontSmall = 0;
    int m_bFontLarge = 0;
    int m_bDisplaySmall = 0;
    int m_bDisplayLarge = 0;
    int m_bCopyAvailable = 0;
    std::string m_strCopyText;

    // Heating results, Btu/h: 0 walls above grade .. 11 ventilation, 12 total
    double m_dHeatLoss[13] = {};

    // Psychrometric block and ventilation total
    double m_dMonthHumRatio[13] = {};
    double m_dRoomHumRatio = 0;
    double m_dPsyAtDB[6][13] = {};
    double m_dPsyAtWB[6][13] = {};
    double m_dPsyAtRoom[6] = {};
    double m_dVentCFM = 0;

    // Cooling load result tables, tons
    HourlyTable m_tblVentSens = {};
    HourlyTable m_tblVentLat = {};
    HourlyTable m_tblInfilSens = {};
    HourlyTable m_tblInfilLat = {};
    DailyTable m_tblHoodedAppl = {};
    DailyTable m_tblUnhoodedApplSens = {};
    DailyTable m_tblUnhoodedApplLat = {};
    DailyTable m_tblPowerEquip = {};
    DailyTable m_tblElecEquip = {};
    DailyTable m_tblPeopleSens = {};
    DailyTable m_tblPeopleLat = {};
    DailyTable m_tblLights = {};
    HourlyTable m_tblGlassBlockAll = {};
    HourlyTable m_tblGlassBlock[kOrientations] = {};
    double m_dCLFGlassBlock[10][25] = {};  // reference rows: 0 header, 1..8 N..NW, 9 HOR
    HourlyTable m_tblSkylight = {};
    HourlyTable m_tblGlassCondAll = {};
    HourlyTable m_tblGlassCond[kOrientations] = {};
    HourlyTable m_tblGlassSolarAll = {};
    HourlyTable m_tblGlassSolar[kOrientations] = {};
    // Per orientation the shaded and the sunlit glass area, sq ft (the file interleaves them).
    HourlyTable m_tblGlassShadedArea[kOrientations] = {};
    HourlyTable m_tblGlassSunlitArea[kOrientations] = {};
    double m_dWindowArea[kOrientations] = {};
    HourlyTable m_tblFloorCeilPart = {};
    HourlyTable m_tblRoof = {};
    HourlyTable m_tblWall[kOrientations] = {};
    HourlyTable m_tblWallAll = {};
    HourlyTable m_tblRoomLatent = {};
    HourlyTable m_tblRoomSensible = {};
    HourlyTable m_tblRoomTotal = {};
    HourlyTable m_tblTotal = {};

    // Glass blocks
    double m_dGlassBlockUCool = 0;
    double m_dGlassBlockUHeat = 0;
    double m_dGlassBlockSCSun = 0;
    double m_dGlassBlockSCShade = 0;
    double m_dGlassBlockArea[kOrientations] = {};
    int m_nGlassBlockShade = 0;

    // Floor, ceiling, partitions (indexed by Surface), skylights (0 sun, 1 shade), slab, walls
    // and roof
    double m_dSurfArea[kSurfaces] = {};
    double m_dSurfTDCool[kSurfaces] = {};
    double m_dSurfUCool[kSurfaces] = {};
    double m_dSurfUHeat[kSurfaces] = {};
    double m_dSkyArea[2] = {};
    double m_dSkySC[2] = {};
    double m_dSkyUCool[2] = {};
    double m_dSkyUHeat[2] = {};
    double m_dSurfTDHeat[kSurfaces] = {};
    double m_dSlabArea = 0;
    double m_dSlabUHeat = 0;
    double m_dSlabEdgeFactor = 0;
    double m_dSlabPerimeter = 0;
    double m_dWallArea[kOrientations] = {};
    double m_dRoofArea = 0;
    double m_dWallUHeat[kOrientations] = {};
    double m_dRoofUHeat = 0;
    double m_dWallUCool[kOrientations] = {};
    double m_dRoofUCool = 0;
    double m_dBGWallArea = 0;
    double m_dGroundTemp = 0;
    double m_dBGWallUHeat = 0;

    // Windows and glass
    CWindowList m_aWindows[kOrientations];
    double m_dVentPerOccupant[kOccupancyCategories] = {};
    double m_dGlassUCool = 0;
    double m_dGlassUHeat = 0;
    double m_dGlassUSkyCool = 0;
    double m_dGlassUSkyHeat = 0;
    double m_dSHGFShaded[13][10] = {};
    double m_dSHGFSunlit[13][10] = {};
    double m_dCLFSkyA[25] = {};
    double m_dCLFSkyB[25] = {};
    double m_dCLFGlass[10][25] = {};
    double m_dSCSunlit = 0;
    double m_dSCShaded = 0;
    int m_nInteriorShading = 0;
    int m_nShadingRoomCombo = 0;
    int m_nGlassType = 0;
    double m_dDailyRangePct[25] = {};

    // Electronic and power equipment, infiltration
    double m_dCLFElecEquip[25] = {};
    int m_nElecEquipOnHour = 0;
    int m_nElecEquipHoursSel = 0;
    double m_dElecEquipKW = 0;
    int m_nElecEquipUseFactor = 0;
    double m_dInfilACHCool = 0;
    double m_dInfilACHHeat = 0;
    double m_dBuildingVolume = 0;
    double m_dCLFPowerEquip[25] = {};
    int m_nPowerEquipOnHour = 0;
    int m_nPowerEquipHoursSel = 0;
    double m_dMotorInDrivenInKW = 0;
    int m_nMotorInDrivenInEff = 0;
    int m_nMotorInDrivenInLoad = 0;
    int m_nMotorInDrivenInUse = 0;
    double m_dMotorOutDrivenInKW = 0;
    int m_nMotorOutDrivenInLoad = 0;
    int m_nMotorOutDrivenInUse = 0;
    double m_dMotorInDrivenOutKW = 0;
    int m_nMotorInDrivenOutEff = 0;
    int m_nMotorInDrivenOutLoad = 0;
    int m_nMotorInDrivenOutUse = 0;

    // Appliances
    double m_dCLFUnhoodedAppl[25] = {};
    double m_dCLFHoodedAppl[25] = {};
    int m_nHoodedOnHour = 0;
    int m_nHoodedHoursSel = 0;
    double m_dHoodedElecBtuh = 0;
    double m_dHoodedGasBtuh = 0;
    int m_nUnhoodedOnHour = 0;
    int m_nUnhoodedHoursSel = 0;
    int m_nUnhoodedHours = 0;
    double m_dUnhoodedElecBtuh = 0;
    double m_dUnhoodedGasBtuh = 0;

    // Occupancy
    double m_dCLFPeople[25] = {};
    int m_nOccupancyStartHour = 0;
    int m_nOccupancyHoursSel = 0;
    int m_nOccupancyHours = 0;
    int m_nOccupants[kOccupancyCategories] = {};
    double m_dPeopleGain[kOccupancyCategories][2] = {};  // sensible, latent per person

    // Lights
    double m_dBallastFactor = 0;
    double m_dIncandWatts = 0;
    double m_dFluorWatts = 0;
    int m_nLightSchedule[24] = {};
    double m_dCLFLights[24] = {};
    std::string m_strBClass3;
    std::string m_strBClass2;
    std::string m_strBClass1;
    int m_nBClass = 0;
    int m_nAClass = 0;
    int m_nLightHoursSel = 0;
    int m_nLightOnHour = 0;

    // Glass conduction, wall and roof reference rows and choices
    double m_tblCLTDGlassCorr[25][13] = {};  // indexed like an hourly table, no headers
    double m_dCLTDGlass[25] = {};
    double m_dLastUValue = 0;
    double m_dLM[13][10] = {};
    double m_dCLTDWall[9][25] = {};
    std::string m_strWallGroup2;
    std::string m_strWallGroup1;
    int m_nWallGroup = 0;
    double m_dWallK = 0;
    double m_dRoofF = 0;
    double m_dRoofK = 0;
    int m_nWallColor = 0;
    int m_nAtticFan = 0;
    int m_nRoofColor = 0;
    int m_nSuspendedCeiling = 0;
    double m_dCLTDRoof[25] = {};
    int m_nRoofType = 0;

    // Design conditions
    double m_dInsideDBHeat = 0;
    double m_dInsideRH = 0;
    double m_dInsideDBCool = 0;
    double m_dMonthWB[13] = {};
    double m_dMonthDB[13] = {};
    double m_dOutsideDBHeat = 0;
    double m_dOutsideWBCool = 0;
    double m_dOutsideDBCool = 0;
    int m_nHeatDesignLevel = 0;
    int m_nCoolDesignLevel = 0;

    // Former unit caches, never written now that the unit queries are const (they stay for the
    // JSON dump, which lists every member), and the options
    int m_bOutputEnglish = 0;
    int m_bInputEnglish = 0;
    int m_bOutputMetric = 0;
    int m_bInputMetric = 0;
    int m_nInputUnits = 0;
    int m_nOutputUnits = 0;
    int m_nDisplaySize = 0;
    int m_nFontSize = 0;

    // Project identity
    std::string m_strProjectName;
    std::string m_strProjectDesigner;
    std::string m_strProjectAddress;
    std::string m_strProjectDate;

    // Station climate record, in the order the station library delivers it
    double m_dLatitude = 0;   // north positive
    double m_dLongitude = 0;  // west positive
    double m_dElevation = 0;  // ft
    double m_dHeatDB996 = 0;
    double m_dHeatDB99 = 0;
    double m_dCoolDB04 = 0;
    double m_dCoolWB04 = 0;
    double m_dCoolDB1 = 0;
    double m_dCoolWB1 = 0;
    double m_dCoolDB2 = 0;
    double m_dCoolWB2 = 0;
    double m_dDailyRange = 0;

    // Station strings
    std::string m_strCityRegion;
    int m_bCitySelected = 0;
    std::string m_strCityName;
    int m_nCityIndex = 0;

    bool operator==(const CQuarnDocData&) const = default;
};

inline UnitSystem InputUnitSystem(const CQuarnDocData& d) {
    return UnitSystemOfCode(d.m_nInputUnits);
}
inline UnitSystem OutputUnitSystem(const CQuarnDocData& d) {
    return UnitSystemOfCode(d.m_nOutputUnits);
}
