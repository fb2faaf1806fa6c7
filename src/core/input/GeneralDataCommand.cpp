#include "input/GeneralDataCommand.h"

#include <algorithm>
#include <iterator>

#include "document/QuarnDoc.h"
#include "input/ConstructionTrees.h"
#include "input/DataCommandGuards.h"
#include "input/Recalculate.h"
#include "tessil/tessil.h"
#include "text/Format.h"
#include "tree/MemoryTreeCtrl.h"
#include "units/Units.h"

namespace {

using V = CGeneralDataValues;
using D = CQuarnDocData;

constexpr int kMaxProjectNameChars = 34;
constexpr int kHourChoices = 10;  // 2, 4, ..., 18, above 18 hours

const GeneralDataRow kFields[] = {
    // Page 1: project identification (the station is chosen in the tree).
    {"m_strProjectName", &V::m_strProjectName, &D::m_strProjectName, UnitKind::kNone,
     MaxChars(kMaxProjectNameChars), 1},
    {"m_strProjectDesigner", &V::m_strProjectDesigner, &D::m_strProjectDesigner, UnitKind::kNone,
     NoCheck(), 1},
    {"m_strProjectAddress", &V::m_strProjectAddress, &D::m_strProjectAddress, UnitKind::kNone,
     NoCheck(), 1},
    {"m_strProjectDate", &V::m_strProjectDate, &D::m_strProjectDate, UnitKind::kNone, NoCheck(), 1},
    // Page 2: design temperature frequencies.
    {"m_nCoolDesignLevel", &V::m_nCoolDesignLevel, &D::m_nCoolDesignLevel, UnitKind::kNone,
     Choice(3), 2},
    {"m_nHeatDesignLevel", &V::m_nHeatDesignLevel, &D::m_nHeatDesignLevel, UnitKind::kNone,
     Choice(2), 2},
    // Page 3: inside design conditions.
    {"m_dInsideDBCool", &V::m_dInsideDBCool, &D::m_dInsideDBCool, UnitKind::kTemperature,
     NotNegative(FieldKind::kTemperature), 3},
    {"m_dInsideRH", &V::m_dInsideRH, &D::m_dInsideRH, UnitKind::kNone, RealRange(40.0, 65.0), 3},
    {"m_dInsideDBHeat", &V::m_dInsideDBHeat, &D::m_dInsideDBHeat, UnitKind::kTemperature,
     NotNegative(FieldKind::kTemperature), 3},
    // Pages 4 and 5: roof and walls.
    {"m_nRoofType", &V::m_nRoofType, &D::m_nRoofType, UnitKind::kNone, Choice(13), 4},
    {"m_nSuspendedCeiling", &V::m_nSuspendedCeiling, &D::m_nSuspendedCeiling, UnitKind::kNone,
     Choice(2), 5},
    {"m_nRoofColor", &V::m_nRoofColor, &D::m_nRoofColor, UnitKind::kNone, Choice(2), 5},
    {"m_nAtticFan", &V::m_nAtticFan, &D::m_nAtticFan, UnitKind::kNone, Choice(2), 5},
    {"m_nWallColor", &V::m_nWallColor, &D::m_nWallColor, UnitKind::kNone, Choice(3), 5},
    // Page 6: the wall construction group, chosen in the tree.
    {"m_nWallGroup",
     &V::m_nWallGroup,
     {},
     UnitKind::kNone,
     TreeChoice(kNoWallGroupMessage),
     6,
     &V::nCurrentWallGroup},
    // Page 7: lights and the 'a' and 'b' classifications.
    {"m_nLightOnHour", &V::m_nLightOnHour, &D::m_nLightOnHour, UnitKind::kNone, IntRange(1, 24), 7},
    {"m_nLightHoursSel", &V::m_nLightHoursSel, &D::m_nLightHoursSel, UnitKind::kNone, Choice(6), 7},
    {"m_nAClass", &V::m_nAClass, &D::m_nAClass, UnitKind::kNone, Choice(4), 7},
    {"m_nBClass",
     &V::m_nBClass,
     {},
     UnitKind::kNone,
     TreeChoice(kNoBClassMessage),
     7,
     &V::nCurrentBClass},
    // Page 8: lights schedule and installed watts.
    {"m_nLightSchedule", &V::m_nLightSchedule, &D::m_nLightSchedule, UnitKind::kNone,
     IntRange(0, 100), 8},
    {"m_dFluorWatts", &V::m_dFluorWatts, &D::m_dFluorWatts, UnitKind::kNone,
     NotNegative(FieldKind::kWatts), 8},
    {"m_dIncandWatts", &V::m_dIncandWatts, &D::m_dIncandWatts, UnitKind::kNone,
     NotNegative(FieldKind::kWatts), 8},
    {"m_dBallastFactor", &V::m_dBallastFactor, &D::m_dBallastFactor, UnitKind::kNone,
     NotNegative(FieldKind::kFactor), 8},
    // Page 9: occupancy and ventilation.
    {"m_nOccupancyStartHour", &V::m_nOccupancyStartHour, &D::m_nOccupancyStartHour, UnitKind::kNone,
     IntRange(1, 24), 9},
    {"m_nOccupancyHoursSel", &V::m_nOccupancyHoursSel, &D::m_nOccupancyHoursSel, UnitKind::kNone,
     Choice(kHourChoices), 9},
    {"m_nOccupants", &V::m_nOccupants, &D::m_nOccupants, UnitKind::kNone, Count(), 9},
    {"m_dVentPerOccupant", &V::m_dVentPerOccupant, &D::m_dVentPerOccupant, UnitKind::kAirFlow,
     NotNegative(FieldKind::kAirFlow), 9},
    // Page 10: appliances.
    {"m_nHoodedOnHour", &V::m_nHoodedOnHour, &D::m_nHoodedOnHour, UnitKind::kNone, IntRange(1, 24),
     10},
    {"m_nHoodedHoursSel", &V::m_nHoodedHoursSel, &D::m_nHoodedHoursSel, UnitKind::kNone,
     Choice(kHourChoices), 10},
    {"m_dHoodedElecBtuh", &V::m_dHoodedElecBtuh, &D::m_dHoodedElecBtuh, UnitKind::kHeatRate,
     NotNegative(FieldKind::kHeatRate), 10},
    {"m_dHoodedGasBtuh", &V::m_dHoodedGasBtuh, &D::m_dHoodedGasBtuh, UnitKind::kHeatRate,
     NotNegative(FieldKind::kHeatRate), 10},
    {"m_nUnhoodedOnHour", &V::m_nUnhoodedOnHour, &D::m_nUnhoodedOnHour, UnitKind::kNone,
     IntRange(1, 24), 10},
    {"m_nUnhoodedHoursSel", &V::m_nUnhoodedHoursSel, &D::m_nUnhoodedHoursSel, UnitKind::kNone,
     Choice(kHourChoices), 10},
    {"m_dUnhoodedElecBtuh", &V::m_dUnhoodedElecBtuh, &D::m_dUnhoodedElecBtuh, UnitKind::kHeatRate,
     NotNegative(FieldKind::kHeatRate), 10},
    {"m_dUnhoodedGasBtuh", &V::m_dUnhoodedGasBtuh, &D::m_dUnhoodedGasBtuh, UnitKind::kHeatRate,
     NotNegative(FieldKind::kHeatRate), 10},
    // Page 11: power equipment. Efficiencies and use factors 1 to 100, load factors 1 to 180.
    {"m_nPowerEquipOnHour", &V::m_nPowerEquipOnHour, &D::m_nPowerEquipOnHour, UnitKind::kNone,
     IntRange(1, 24), 11},
    {"m_nPowerEquipHoursSel", &V::m_nPowerEquipHoursSel, &D::m_nPowerEquipHoursSel, UnitKind::kNone,
     Choice(kHourChoices), 11},
    {"m_dMotorInDrivenInKW", &V::m_dMotorInDrivenInKW, &D::m_dMotorInDrivenInKW, UnitKind::kNone,
     NotNegative(FieldKind::kKilowatts), 11},
    {"m_nMotorInDrivenInEff", &V::m_nMotorInDrivenInEff, &D::m_nMotorInDrivenInEff, UnitKind::kNone,
     IntRange(1, 100), 11},
    {"m_nMotorInDrivenInLoad", &V::m_nMotorInDrivenInLoad, &D::m_nMotorInDrivenInLoad,
     UnitKind::kNone, IntRange(1, 180), 11},
    {"m_nMotorInDrivenInUse", &V::m_nMotorInDrivenInUse, &D::m_nMotorInDrivenInUse, UnitKind::kNone,
     IntRange(1, 100), 11},
    {"m_dMotorOutDrivenInKW", &V::m_dMotorOutDrivenInKW, &D::m_dMotorOutDrivenInKW, UnitKind::kNone,
     NotNegative(FieldKind::kKilowatts), 11},
    {"m_nMotorOutDrivenInLoad", &V::m_nMotorOutDrivenInLoad, &D::m_nMotorOutDrivenInLoad,
     UnitKind::kNone, IntRange(1, 180), 11},
    {"m_nMotorOutDrivenInUse", &V::m_nMotorOutDrivenInUse, &D::m_nMotorOutDrivenInUse,
     UnitKind::kNone, IntRange(1, 100), 11},
    {"m_dMotorInDrivenOutKW", &V::m_dMotorInDrivenOutKW, &D::m_dMotorInDrivenOutKW, UnitKind::kNone,
     NotNegative(FieldKind::kKilowatts), 11},
    {"m_nMotorInDrivenOutEff", &V::m_nMotorInDrivenOutEff, &D::m_nMotorInDrivenOutEff,
     UnitKind::kNone, IntRange(1, 100), 11},
    {"m_nMotorInDrivenOutLoad", &V::m_nMotorInDrivenOutLoad, &D::m_nMotorInDrivenOutLoad,
     UnitKind::kNone, IntRange(1, 180), 11},
    {"m_nMotorInDrivenOutUse", &V::m_nMotorInDrivenOutUse, &D::m_nMotorInDrivenOutUse,
     UnitKind::kNone, IntRange(1, 100), 11},
    // Page 12: electronic equipment, infiltration, building volume.
    {"m_nElecEquipOnHour", &V::m_nElecEquipOnHour, &D::m_nElecEquipOnHour, UnitKind::kNone,
     IntRange(1, 24), 12},
    {"m_nElecEquipHoursSel", &V::m_nElecEquipHoursSel, &D::m_nElecEquipHoursSel, UnitKind::kNone,
     Choice(kHourChoices), 12},
    {"m_dElecEquipKW", &V::m_dElecEquipKW, &D::m_dElecEquipKW, UnitKind::kNone,
     NotNegative(FieldKind::kKilowatts), 12},
    {"m_nElecEquipUseFactor", &V::m_nElecEquipUseFactor, &D::m_nElecEquipUseFactor, UnitKind::kNone,
     IntRange(1, 100), 12},
    {"m_dInfilACHCool", &V::m_dInfilACHCool, &D::m_dInfilACHCool, UnitKind::kNone,
     NotNegative(FieldKind::kAirChanges), 12},
    {"m_dInfilACHHeat", &V::m_dInfilACHHeat, &D::m_dInfilACHHeat, UnitKind::kNone,
     NotNegative(FieldKind::kAirChanges), 12},
    {"m_dBuildingVolume", &V::m_dBuildingVolume, &D::m_dBuildingVolume, UnitKind::kVolume,
     NotNegative(FieldKind::kVolume), 12},
    // Pages 13 and 14: glass.
    {"m_nGlassType", &V::m_nGlassType, &D::m_nGlassType, UnitKind::kNone, Choice(27), 13},
    {"m_nInteriorShading", &V::m_nInteriorShading, &D::m_nInteriorShading, UnitKind::kNone,
     Choice(14), 14},
    {"m_nShadingRoomCombo", &V::m_nShadingRoomCombo, &D::m_nShadingRoomCombo, UnitKind::kNone,
     Choice(4), 14},
};

HTREEITEM FindItemWithData(const CTreeCtrl& tree, HTREEITEM first, std::intptr_t data) {
    for (HTREEITEM item = first; item != 0; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemData(item) == data) return item;
        if (HTREEITEM found = FindItemWithData(tree, tree.GetChildItem(item), data)) return found;
    }
    return 0;
}

}  // namespace

std::span<const GeneralDataRow> GeneralDataFields() { return kFields; }

std::string StationCaption(const std::string& city, const std::string& region) {
    return StrFormat("Current Weather Station: %s, %s", city.c_str(), region.c_str());
}

CGeneralDataValues FillGeneralData(const CQuarnDoc& doc) {
    CGeneralDataValues v;
    const UnitSystem units = InputUnitSystem(doc);
    FillFields(GeneralDataFields(), v, static_cast<const CQuarnDocData&>(doc), units);

    // The captions of the trees and the unit texts. The station index handed over is cleared
    // again by the page's initialisation (nothing selected in the fresh tree).
    v.strStationCaption = StationCaption(doc.m_strCityName, doc.m_strCityRegion);
    v.strWallGroupCaption = StrFormat("\tCurrent Wall Construction Group:\n%s\n%s",
                                      doc.m_strWallGroup1.c_str(), doc.m_strWallGroup2.c_str());
    v.nCurrentWallGroup = doc.m_nWallGroup;
    v.strBClassCaption =
        StrFormat("Current 'b' Classification: %s\n%s\n%s", doc.m_strBClass1.c_str(),
                  doc.m_strBClass2.c_str(), doc.m_strBClass3.c_str());
    v.nCurrentBClass = doc.m_nBClass;
    v.strCoolTempUnit = doc.GetInputTempUnit();
    v.strHeatTempUnit = doc.GetInputTempUnit();
    if (units != UnitSystem::kNone) {
        const bool metric = units == UnitSystem::kMetric;
        v.strVentCaption = metric ? "Ventil: L/s /Occup" : "Ventil: CFM /Occup";
        const char* unit = metric ? "Watts" : "Btu/Hr";
        v.strHoodedElecUnit = v.strHoodedGasUnit = unit;
        v.strUnhoodedElecUnit = v.strUnhoodedGasUnit = unit;
        v.strVolumeUnit = metric ? "Cu Meter" : "Cu Ft";
        v.nEnglishGlassCaptions = metric ? 0 : 1;
    }
    // The cooling temperature is cut to 3 decimals for display (and stored so).
    if (units == UnitSystem::kMetric) v.m_dInsideDBCool = RoundDown(v.m_dInsideDBCool, 3);
    return v;
}

InputResult ValidateGeneralData(const CGeneralDataValues& v) {
    return CheckFields(GeneralDataFields(), v);
}

InputResult ValidateGeneralData(const CGeneralDataValues& v, int page) {
    return CheckFields<CGeneralDataValues, CQuarnDocData>(
        GeneralDataFields(), v,
        [page](const GeneralDataRow& row, const std::string&) { return row.page == page; });
}

InputResult ValidateGeneralData(const CGeneralDataValues& v,
                                const FieldFilter<CGeneralDataValues>& only) {
    return CheckFields(GeneralDataFields(), v, only);
}

void ApplyGeneralData(CQuarnDoc& doc, const CGeneralDataValues& v) {
    ApplyFields(GeneralDataFields(), static_cast<CQuarnDocData&>(doc), v, InputUnitSystem(doc));

    // The tree choices; none made keeps the project's.
    if (v.m_nCityIndex > 0) {
        doc.m_nCityIndex = v.m_nCityIndex;
        doc.m_strCityName = v.m_strCityName;
        doc.m_strCityRegion = v.m_strCityRegion;
    }
    if (v.m_nWallGroup > 0) {
        doc.m_nWallGroup = v.m_nWallGroup;
        doc.m_strWallGroup1 = v.m_strWallGroup1;
        doc.m_strWallGroup2 = v.m_strWallGroup2;
    }
    if (v.m_nBClass > 0) {
        doc.m_nBClass = v.m_nBClass;
        doc.m_strBClass1 = v.m_strBClass1;
        doc.m_strBClass2 = v.m_strBClass2;
        doc.m_strBClass3 = v.m_strBClass3;
    }

    doc.m_bGeneralDataSupplied = 1;
    Recalculate(doc);
}

InputResult SelectStation(CGeneralDataValues& values, int index) {
    if (index == 0) {
        values.m_nCityIndex = 0;
        values.m_strCityName.clear();
        values.m_strCityRegion.clear();
        return std::nullopt;
    }
    CMemoryTreeCtrl tree;
    PopulateCityTree(&tree);
    const HTREEITEM item = index > 0 ? FindItemWithData(tree, tree.GetRootItem(), index) : 0;
    if (item == 0) {
        return InputError{"m_nCityIndex",
                          StrFormat("There is no weather station with the index %d.", index)};
    }
    const TreeSelection selection = ReadTreeSelection(tree, item);
    values.m_nCityIndex = selection.nCode;
    values.m_strCityName = selection.strLeaf;
    values.m_strCityRegion = selection.strParent;
    return std::nullopt;
}

InputResult SelectWallGroup(CGeneralDataValues& values, const std::vector<std::string>& path) {
    WallGroupChoice choice;
    if (!path.empty()) {
        if (InputResult error = ResolveWallGroup(path, choice)) return error;
    }
    values.m_nWallGroup = choice.m_nWallGroup;
    values.m_strWallGroup1 = choice.m_strWallGroup1;
    values.m_strWallGroup2 = choice.m_strWallGroup2;
    return std::nullopt;
}

InputResult SelectBClass(CGeneralDataValues& values, const std::vector<std::string>& path) {
    BClassChoice choice;
    if (!path.empty()) {
        if (InputResult error = ResolveBClass(path, choice)) return error;
    }
    values.m_nBClass = choice.m_nBClass;
    values.m_strBClass1 = choice.m_strBClass1;
    values.m_strBClass2 = choice.m_strBClass2;
    values.m_strBClass3 = choice.m_strBClass3;
    return std::nullopt;
}
