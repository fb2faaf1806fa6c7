#pragma once

#include <span>
#include <string>
#include <vector>

#include "document/QuarnDocData.h"
#include "input/FieldTable.h"
#include "input/InputError.h"

class CQuarnDoc;

// The General Project Data command: the fourteen wizard pages' values, filled from the project,
// checked as the pages check them, and stored back on Finish. Values are in the project's input
// unit system. Members named after a document member store into it; the others are what the
// pages show or keep for themselves.
//
// Initial values are the pages' own: radio groups -1 (nothing selected), page 2's levels 1,
// numbers 0, texts empty. With neither unit system selected the converted fields of pages 3, 9,
// 10 and 12 keep them and Finish does not store them.

inline constexpr const char* kGeneralDataCaption = "Input Data for Project";

struct CGeneralDataValues {
    // Page 1: project identification and the weather station. The tree pages start every visit
    // with nothing selected: index 0 and empty texts keep the project's station on Finish.
    std::string m_strProjectName;  // at most 34 characters
    std::string m_strProjectDesigner;
    std::string m_strProjectAddress;
    std::string m_strProjectDate;
    int m_nCityIndex = 0;
    std::string m_strCityName;
    std::string m_strCityRegion;
    std::string strStationCaption;  // "Current Weather Station: %s, %s"

    // Page 2: design temperature frequencies.
    int m_nCoolDesignLevel = 1;  // 0.4 %, 1 %, 2 %
    int m_nHeatDesignLevel = 1;  // 99.6 %, 99 %

    // Page 3: inside design conditions.
    double m_dInsideDBCool = 0;
    double m_dInsideRH = 0;  // 40 to 65
    double m_dInsideDBHeat = 0;
    std::string strCoolTempUnit;
    std::string strHeatTempUnit;

    // Pages 4 and 5: roof and walls.
    int m_nRoofType = -1;  // 13 roofs
    int m_nSuspendedCeiling = -1;
    int m_nRoofColor = -1;
    int m_nAtticFan = -1;
    int m_nWallColor = -1;  // 3 colors

    // Page 6: wall construction group. A group of 0 keeps the project's; Next needs a group
    // chosen now or one in the project (nCurrentWallGroup).
    std::string strWallGroupCaption;
    int m_nWallGroup = 0;
    std::string m_strWallGroup1;  // leaf text
    std::string m_strWallGroup2;  // construction text
    int nCurrentWallGroup = 0;

    // Page 7: lights, 'a' and 'b' classification (a 'b' class of 0 as the wall group).
    std::string strBClassCaption;
    int m_nLightOnHour = 0;     // 1 to 24
    int m_nLightHoursSel = -1;  // 8, 10, 12, 14, 16, more than 16 hours
    int m_nAClass = -1;         // 0.45, 0.55, 0.65, 0.75
    int m_nBClass = 0;
    std::string m_strBClass1;  // leaf text
    std::string m_strBClass2;  // air circulation text
    std::string m_strBClass3;  // floor covering text
    int nCurrentBClass = 0;

    // Page 8: lights schedule (percent on at solar hours 1..24) and installed watts.
    int m_nLightSchedule[24] = {};  // 0 to 100
    double m_dFluorWatts = 0;
    double m_dIncandWatts = 0;
    double m_dBallastFactor = 0;

    // Page 9: occupancy and ventilation per occupant (CFM or L/s).
    int m_nOccupancyStartHour = 0;
    int m_nOccupancyHoursSel = -1;  // 2, 4, ..., 18, above 18 hours
    int m_nOccupants[kOccupancyCategories] = {};
    double m_dVentPerOccupant[kOccupancyCategories] = {};
    std::string strVentCaption;  // "Ventil: CFM /Occup" or "Ventil: L/s /Occup"

    // Page 10: appliance ratings (Btu/h or W).
    int m_nHoodedOnHour = 0;
    int m_nHoodedHoursSel = -1;
    double m_dHoodedElecBtuh = 0;
    double m_dHoodedGasBtuh = 0;
    int m_nUnhoodedOnHour = 0;
    int m_nUnhoodedHoursSel = -1;
    double m_dUnhoodedElecBtuh = 0;
    double m_dUnhoodedGasBtuh = 0;
    std::string strHoodedElecUnit;  // "Btu/Hr" or "Watts"
    std::string strHoodedGasUnit;
    std::string strUnhoodedElecUnit;
    std::string strUnhoodedGasUnit;

    // Page 11: power equipment. Efficiencies and use factors 1 to 100, load factors 1 to 180.
    int m_nPowerEquipOnHour = 0;
    int m_nPowerEquipHoursSel = -1;
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

    // Page 12: electronic equipment, infiltration, building volume (cu ft or cu m).
    int m_nElecEquipOnHour = 0;
    int m_nElecEquipHoursSel = -1;
    double m_dElecEquipKW = 0;
    int m_nElecEquipUseFactor = 0;
    double m_dInfilACHCool = 0;
    double m_dInfilACHHeat = 0;
    double m_dBuildingVolume = 0;
    std::string strVolumeUnit;  // "Cu Ft" or "Cu Meter"

    // Pages 13 and 14: glass. The flag picks the glass captions: 1 English, 0 millimetres.
    int m_nGlassType = -1;  // 27 glasses
    int nEnglishGlassCaptions = 0;
    int m_nInteriorShading = -1;   // 14 devices
    int m_nShadingRoomCombo = -1;  // 4 combinations
};

// The pages' fields, one row each, in page order: the order the pages check them in.
using GeneralDataRow = FieldRow<CGeneralDataValues>;
std::span<const GeneralDataRow> GeneralDataFields();

// What the command puts into the pages before the wizard shows them.
CGeneralDataValues FillGeneralData(const CQuarnDoc& doc);

// "Current Weather Station: %s, %s", for the project's station and for one just picked.
std::string StationCaption(const std::string& city, const std::string& region);

// The pages' checks in page order, as Finish makes them; the first field at fault.
InputResult ValidateGeneralData(const CGeneralDataValues& values);
// The same checks for one page's fields only (the fields of the other pages are not looked
// at), as Next makes them; or for the fields a filter picks.
InputResult ValidateGeneralData(const CGeneralDataValues& values, int page);
InputResult ValidateGeneralData(const CGeneralDataValues& values,
                                const FieldFilter<CGeneralDataValues>& only);

// Finish: stores the values (accepted by ValidateGeneralData) in English units, recalculates
// the general data, sets the supplied flag and recalculates the loads.
void ApplyGeneralData(CQuarnDoc& doc, const CGeneralDataValues& values);

// Choices made in the trees, as the pages take them from the selected item. Index 0 (and an
// empty path) is no selection. An unknown index or path is refused naming the field.
InputResult SelectStation(CGeneralDataValues& values, int index);
InputResult SelectWallGroup(CGeneralDataValues& values, const std::vector<std::string>& path);
InputResult SelectBClass(CGeneralDataValues& values, const std::vector<std::string>& path);

// Every value a user types or picks on the pages, by member name. The station, wall group and
// 'b' class are chosen in trees, through the Select functions above.
template <class F>
void ForEachField(CGeneralDataValues& v, F&& field) {
    ForEachTableField(GeneralDataFields(), v, field);
}
