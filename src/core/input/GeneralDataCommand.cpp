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

constexpr int kMaxProjectNameChars = 34;

// Characters as the user counts them: the project strings are UTF-8, so continuation bytes do
// not count.
int CountChars(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Collects the first failure; later checks do nothing once one has failed, as the pages stop
// at the first field at fault.
class CChecker {
  public:
    void Range(const std::string& field, int value, int low, int high) {
        if (!m_result && (value < low || value > high)) {
            Fail(field, IntegerRangeMessage(low, high));
        }
    }
    void Range(const std::string& field, double value, double low, double high) {
        // Written so that NaN is refused too.
        if (!m_result && !(value >= low && value <= high)) {
            Fail(field, StrFormat("Please enter a number between %g and %g.", low, high));
        }
    }
    // A radio group reports the 0-based index of its button.
    void Choice(const std::string& field, int value, int buttons) {
        Range(field, value, 0, buttons - 1);
    }
    // The numeric boxes of the wizard take digits and a point only, never a minus sign; a
    // number must also be finite and within its kind's maximum.
    void NotNegative(const std::string& field, double value, FieldKind kind) {
        if (!m_result) m_result = CheckNotNegative(field.c_str(), value, kind);
    }
    template <size_t N>
    void NotNegative(const char* field, const double (&values)[N], FieldKind kind) {
        for (size_t i = 0; i < N; ++i) NotNegative(Element(field, i), values[i], kind);
    }
    // Counts of people: not negative, and small enough that their sum is an int.
    template <size_t N>
    void Counts(const char* field, const int (&values)[N]) {
        for (size_t i = 0; i < N && !m_result; ++i) {
            if (values[i] < 0) {
                Fail(Element(field, i), kNotNegativeMessage);
            } else if (values[i] > kMaxCount) {
                Fail(Element(field, i), IntegerRangeMessage(0, kMaxCount));
            }
        }
    }
    void MaxChars(const std::string& field, const std::string& text, int chars) {
        if (!m_result && CountChars(text) > chars) {
            Fail(field, StrFormat("Please enter no more than %d characters.", chars));
        }
    }
    void TreeChoice(const std::string& field, int chosen, int current, const char* message) {
        if (!m_result && chosen == 0 && current == 0) Fail(field, message);
    }

    static std::string Element(const char* field, size_t i) {
        return StrFormat("%s[%zu]", field, i);
    }
    const InputResult& Result() const { return m_result; }

  private:
    void Fail(const std::string& field, const std::string& message) {
        m_result = InputError{field, message};
    }
    InputResult m_result;
};

constexpr int kHourChoices = 10;  // 2, 4, ..., 18, above 18 hours

template <class T, size_t N>
void CopyArray(T (&to)[N], const T (&from)[N]) {
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

HTREEITEM FindItemWithData(const CTreeCtrl& tree, HTREEITEM first, std::intptr_t data) {
    for (HTREEITEM item = first; item != 0; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemData(item) == data) return item;
        if (HTREEITEM found = FindItemWithData(tree, tree.GetChildItem(item), data)) return found;
    }
    return 0;
}

}  // namespace

CGeneralDataValues FillGeneralData(CQuarnDoc& doc) {
    CGeneralDataValues v;
    const bool metric = doc.IsInputMetric() != 0;
    const bool english = doc.IsInputEnglish() != 0;

    // Page 1. The station index handed over is cleared again by the page's initialisation
    // (nothing selected in the fresh tree).
    v.m_strProjectName = StrFormat("%s", doc.m_strProjectName.c_str());
    v.m_strProjectDesigner = StrFormat("%s", doc.m_strProjectDesigner.c_str());
    v.m_strProjectAddress = StrFormat("%s", doc.m_strProjectAddress.c_str());
    v.m_strProjectDate = StrFormat("%s", doc.m_strProjectDate.c_str());
    v.strStationCaption = StrFormat("Current Weather Station: %s, %s", doc.m_strCityName.c_str(),
                                    doc.m_strCityRegion.c_str());

    v.m_nCoolDesignLevel = doc.m_nCoolDesignLevel;
    v.m_nHeatDesignLevel = doc.m_nHeatDesignLevel;

    // Page 3: the cooling temperature is cut to 3 decimals for display (and stored so).
    if (metric) {
        v.m_dInsideDBCool = RoundDown(FahrenheitToCelsius(doc.m_dInsideDBCool), 3);
        v.m_dInsideDBHeat = FahrenheitToCelsius(doc.m_dInsideDBHeat);
    } else if (english) {
        v.m_dInsideDBCool = doc.m_dInsideDBCool;
        v.m_dInsideDBHeat = doc.m_dInsideDBHeat;
    }
    v.m_dInsideRH = doc.m_dInsideRH;
    v.strCoolTempUnit = doc.GetInputTempUnit();
    v.strHeatTempUnit = doc.GetInputTempUnit();

    v.m_nRoofType = doc.m_nRoofType;
    v.m_nSuspendedCeiling = doc.m_nSuspendedCeiling;
    v.m_nRoofColor = doc.m_nRoofColor;
    v.m_nAtticFan = doc.m_nAtticFan;
    v.m_nWallColor = doc.m_nWallColor;

    v.strWallGroupCaption = StrFormat("\tCurrent Wall Construction Group:\n%s\n%s",
                                      doc.m_strWallGroup1.c_str(), doc.m_strWallGroup2.c_str());
    v.nCurrentWallGroup = doc.m_nWallGroup;

    v.strBClassCaption =
        StrFormat("Current 'b' Classification: %s\n%s\n%s", doc.m_strBClass1.c_str(),
                  doc.m_strBClass2.c_str(), doc.m_strBClass3.c_str());
    v.m_nLightOnHour = doc.m_nLightOnHour;
    v.m_nLightHoursSel = doc.m_nLightHoursSel;
    v.m_nAClass = doc.m_nAClass;
    v.nCurrentBClass = doc.m_nBClass;

    CopyArray(v.m_nLightSchedule, doc.m_nLightSchedule);
    v.m_dFluorWatts = doc.m_dFluorWatts;
    v.m_dIncandWatts = doc.m_dIncandWatts;
    v.m_dBallastFactor = doc.m_dBallastFactor;

    v.m_nOccupancyStartHour = doc.m_nOccupancyStartHour;
    v.m_nOccupancyHoursSel = doc.m_nOccupancyHoursSel;
    CopyArray(v.m_nOccupants, doc.m_nOccupants);
    if (metric) {
        v.strVentCaption = "Ventil: L/s /Occup";
        for (int i = 0; i < kOccupancyCategories; ++i) {
            v.m_dVentPerOccupant[i] = doc.m_dVentPerOccupant[i] / kCfmPerLps;
        }
    } else if (english) {
        v.strVentCaption = "Ventil: CFM /Occup";
        CopyArray(v.m_dVentPerOccupant, doc.m_dVentPerOccupant);
    }

    if (metric || english) {
        const double factor = metric ? kBtuhPerW : 1.0;
        const char* unit = metric ? "Watts" : "Btu/Hr";
        v.m_dHoodedElecBtuh = doc.m_dHoodedElecBtuh / factor;
        v.m_dHoodedGasBtuh = doc.m_dHoodedGasBtuh / factor;
        v.m_dUnhoodedElecBtuh = doc.m_dUnhoodedElecBtuh / factor;
        v.m_dUnhoodedGasBtuh = doc.m_dUnhoodedGasBtuh / factor;
        v.strHoodedElecUnit = v.strHoodedGasUnit = unit;
        v.strUnhoodedElecUnit = v.strUnhoodedGasUnit = unit;
    }
    v.m_nHoodedOnHour = doc.m_nHoodedOnHour;
    v.m_nHoodedHoursSel = doc.m_nHoodedHoursSel;
    v.m_nUnhoodedOnHour = doc.m_nUnhoodedOnHour;
    v.m_nUnhoodedHoursSel = doc.m_nUnhoodedHoursSel;

    v.m_nPowerEquipOnHour = doc.m_nPowerEquipOnHour;
    v.m_nPowerEquipHoursSel = doc.m_nPowerEquipHoursSel;
    v.m_dMotorInDrivenInKW = doc.m_dMotorInDrivenInKW;
    v.m_nMotorInDrivenInEff = doc.m_nMotorInDrivenInEff;
    v.m_nMotorInDrivenInLoad = doc.m_nMotorInDrivenInLoad;
    v.m_nMotorInDrivenInUse = doc.m_nMotorInDrivenInUse;
    v.m_dMotorOutDrivenInKW = doc.m_dMotorOutDrivenInKW;
    v.m_nMotorOutDrivenInLoad = doc.m_nMotorOutDrivenInLoad;
    v.m_nMotorOutDrivenInUse = doc.m_nMotorOutDrivenInUse;
    v.m_dMotorInDrivenOutKW = doc.m_dMotorInDrivenOutKW;
    v.m_nMotorInDrivenOutEff = doc.m_nMotorInDrivenOutEff;
    v.m_nMotorInDrivenOutLoad = doc.m_nMotorInDrivenOutLoad;
    v.m_nMotorInDrivenOutUse = doc.m_nMotorInDrivenOutUse;

    v.m_nElecEquipOnHour = doc.m_nElecEquipOnHour;
    v.m_nElecEquipHoursSel = doc.m_nElecEquipHoursSel;
    v.m_dElecEquipKW = doc.m_dElecEquipKW;
    v.m_nElecEquipUseFactor = doc.m_nElecEquipUseFactor;
    v.m_dInfilACHCool = doc.m_dInfilACHCool;
    v.m_dInfilACHHeat = doc.m_dInfilACHHeat;
    if (metric) {
        v.m_dBuildingVolume = doc.m_dBuildingVolume / kCuFtPerCuM;
        v.strVolumeUnit = "Cu Meter";
    } else if (english) {
        v.m_dBuildingVolume = doc.m_dBuildingVolume;
        v.strVolumeUnit = "Cu Ft";
    }

    v.m_nGlassType = doc.m_nGlassType;
    if (english) v.nEnglishGlassCaptions = 1;
    if (metric) v.nEnglishGlassCaptions = 0;
    v.m_nInteriorShading = doc.m_nInteriorShading;
    v.m_nShadingRoomCombo = doc.m_nShadingRoomCombo;
    return v;
}

InputResult ValidateGeneralData(const CGeneralDataValues& v) {
    CChecker check;

    check.MaxChars("m_strProjectName", v.m_strProjectName, kMaxProjectNameChars);

    check.Choice("m_nCoolDesignLevel", v.m_nCoolDesignLevel, 3);
    check.Choice("m_nHeatDesignLevel", v.m_nHeatDesignLevel, 2);

    check.NotNegative("m_dInsideDBCool", v.m_dInsideDBCool, FieldKind::kTemperature);
    check.Range("m_dInsideRH", v.m_dInsideRH, 40.0, 65.0);
    check.NotNegative("m_dInsideDBHeat", v.m_dInsideDBHeat, FieldKind::kTemperature);

    check.Choice("m_nRoofType", v.m_nRoofType, 13);

    check.Choice("m_nSuspendedCeiling", v.m_nSuspendedCeiling, 2);
    check.Choice("m_nRoofColor", v.m_nRoofColor, 2);
    check.Choice("m_nAtticFan", v.m_nAtticFan, 2);
    check.Choice("m_nWallColor", v.m_nWallColor, 3);

    check.TreeChoice("m_nWallGroup", v.m_nWallGroup, v.nCurrentWallGroup, kNoWallGroupMessage);

    check.Range("m_nLightOnHour", v.m_nLightOnHour, 1, 24);
    check.Choice("m_nLightHoursSel", v.m_nLightHoursSel, 6);
    check.Choice("m_nAClass", v.m_nAClass, 4);
    check.TreeChoice("m_nBClass", v.m_nBClass, v.nCurrentBClass, kNoBClassMessage);

    for (size_t h = 0; h < std::size(v.m_nLightSchedule); ++h) {
        check.Range(CChecker::Element("m_nLightSchedule", h), v.m_nLightSchedule[h], 0, 100);
    }
    check.NotNegative("m_dFluorWatts", v.m_dFluorWatts, FieldKind::kWatts);
    check.NotNegative("m_dIncandWatts", v.m_dIncandWatts, FieldKind::kWatts);
    check.NotNegative("m_dBallastFactor", v.m_dBallastFactor, FieldKind::kFactor);

    check.Range("m_nOccupancyStartHour", v.m_nOccupancyStartHour, 1, 24);
    check.Choice("m_nOccupancyHoursSel", v.m_nOccupancyHoursSel, kHourChoices);
    check.Counts("m_nOccupants", v.m_nOccupants);
    check.NotNegative("m_dVentPerOccupant", v.m_dVentPerOccupant, FieldKind::kAirFlow);

    check.Range("m_nHoodedOnHour", v.m_nHoodedOnHour, 1, 24);
    check.Choice("m_nHoodedHoursSel", v.m_nHoodedHoursSel, kHourChoices);
    check.NotNegative("m_dHoodedElecBtuh", v.m_dHoodedElecBtuh, FieldKind::kHeatRate);
    check.NotNegative("m_dHoodedGasBtuh", v.m_dHoodedGasBtuh, FieldKind::kHeatRate);
    check.Range("m_nUnhoodedOnHour", v.m_nUnhoodedOnHour, 1, 24);
    check.Choice("m_nUnhoodedHoursSel", v.m_nUnhoodedHoursSel, kHourChoices);
    check.NotNegative("m_dUnhoodedElecBtuh", v.m_dUnhoodedElecBtuh, FieldKind::kHeatRate);
    check.NotNegative("m_dUnhoodedGasBtuh", v.m_dUnhoodedGasBtuh, FieldKind::kHeatRate);

    check.Range("m_nPowerEquipOnHour", v.m_nPowerEquipOnHour, 1, 24);
    check.Choice("m_nPowerEquipHoursSel", v.m_nPowerEquipHoursSel, kHourChoices);
    check.NotNegative("m_dMotorInDrivenInKW", v.m_dMotorInDrivenInKW, FieldKind::kKilowatts);
    check.Range("m_nMotorInDrivenInEff", v.m_nMotorInDrivenInEff, 1, 100);
    check.Range("m_nMotorInDrivenInLoad", v.m_nMotorInDrivenInLoad, 1, 180);
    check.Range("m_nMotorInDrivenInUse", v.m_nMotorInDrivenInUse, 1, 100);
    check.NotNegative("m_dMotorOutDrivenInKW", v.m_dMotorOutDrivenInKW, FieldKind::kKilowatts);
    check.Range("m_nMotorOutDrivenInLoad", v.m_nMotorOutDrivenInLoad, 1, 180);
    check.Range("m_nMotorOutDrivenInUse", v.m_nMotorOutDrivenInUse, 1, 100);
    check.NotNegative("m_dMotorInDrivenOutKW", v.m_dMotorInDrivenOutKW, FieldKind::kKilowatts);
    check.Range("m_nMotorInDrivenOutEff", v.m_nMotorInDrivenOutEff, 1, 100);
    check.Range("m_nMotorInDrivenOutLoad", v.m_nMotorInDrivenOutLoad, 1, 180);
    check.Range("m_nMotorInDrivenOutUse", v.m_nMotorInDrivenOutUse, 1, 100);

    check.Range("m_nElecEquipOnHour", v.m_nElecEquipOnHour, 1, 24);
    check.Choice("m_nElecEquipHoursSel", v.m_nElecEquipHoursSel, kHourChoices);
    check.NotNegative("m_dElecEquipKW", v.m_dElecEquipKW, FieldKind::kKilowatts);
    check.Range("m_nElecEquipUseFactor", v.m_nElecEquipUseFactor, 1, 100);
    check.NotNegative("m_dInfilACHCool", v.m_dInfilACHCool, FieldKind::kAirChanges);
    check.NotNegative("m_dInfilACHHeat", v.m_dInfilACHHeat, FieldKind::kAirChanges);
    check.NotNegative("m_dBuildingVolume", v.m_dBuildingVolume, FieldKind::kVolume);

    check.Choice("m_nGlassType", v.m_nGlassType, 27);
    check.Choice("m_nInteriorShading", v.m_nInteriorShading, 14);
    check.Choice("m_nShadingRoomCombo", v.m_nShadingRoomCombo, 4);
    return check.Result();
}

void ApplyGeneralData(CQuarnDoc& doc, const CGeneralDataValues& v) {
    const bool metric = doc.IsInputMetric() != 0;
    const bool english = doc.IsInputEnglish() != 0;

    if (v.m_nCityIndex > 0) {
        doc.m_nCityIndex = v.m_nCityIndex;
        doc.m_strCityName = v.m_strCityName;
        doc.m_strCityRegion = v.m_strCityRegion;
    }
    doc.m_strProjectName = v.m_strProjectName;
    doc.m_strProjectDesigner = v.m_strProjectDesigner;
    doc.m_strProjectAddress = v.m_strProjectAddress;
    doc.m_strProjectDate = v.m_strProjectDate;

    doc.m_nCoolDesignLevel = v.m_nCoolDesignLevel;
    doc.m_nHeatDesignLevel = v.m_nHeatDesignLevel;

    if (metric) {
        doc.m_dInsideDBCool = CelsiusToFahrenheit(v.m_dInsideDBCool);
        doc.m_dInsideDBHeat = CelsiusToFahrenheit(v.m_dInsideDBHeat);
    } else if (english) {
        doc.m_dInsideDBCool = v.m_dInsideDBCool;
        doc.m_dInsideDBHeat = v.m_dInsideDBHeat;
    }
    doc.m_dInsideRH = v.m_dInsideRH;

    doc.m_nRoofType = v.m_nRoofType;
    doc.m_nSuspendedCeiling = v.m_nSuspendedCeiling;
    doc.m_nRoofColor = v.m_nRoofColor;
    doc.m_nAtticFan = v.m_nAtticFan;
    doc.m_nWallColor = v.m_nWallColor;

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
    doc.m_nLightOnHour = v.m_nLightOnHour;
    doc.m_nLightHoursSel = v.m_nLightHoursSel;
    doc.m_nAClass = v.m_nAClass;

    CopyArray(doc.m_nLightSchedule, v.m_nLightSchedule);
    doc.m_dFluorWatts = v.m_dFluorWatts;
    doc.m_dIncandWatts = v.m_dIncandWatts;
    doc.m_dBallastFactor = v.m_dBallastFactor;

    doc.m_nOccupancyStartHour = v.m_nOccupancyStartHour;
    doc.m_nOccupancyHoursSel = v.m_nOccupancyHoursSel;
    CopyArray(doc.m_nOccupants, v.m_nOccupants);
    if (metric) {
        for (int i = 0; i < kOccupancyCategories; ++i) {
            doc.m_dVentPerOccupant[i] = v.m_dVentPerOccupant[i] * kCfmPerLps;
        }
    } else if (english) {
        CopyArray(doc.m_dVentPerOccupant, v.m_dVentPerOccupant);
    }

    if (metric || english) {
        const double factor = metric ? kBtuhPerW : 1.0;
        doc.m_dHoodedElecBtuh = v.m_dHoodedElecBtuh * factor;
        doc.m_dHoodedGasBtuh = v.m_dHoodedGasBtuh * factor;
        doc.m_dUnhoodedElecBtuh = v.m_dUnhoodedElecBtuh * factor;
        doc.m_dUnhoodedGasBtuh = v.m_dUnhoodedGasBtuh * factor;
    }
    doc.m_nHoodedOnHour = v.m_nHoodedOnHour;
    doc.m_nHoodedHoursSel = v.m_nHoodedHoursSel;
    doc.m_nUnhoodedOnHour = v.m_nUnhoodedOnHour;
    doc.m_nUnhoodedHoursSel = v.m_nUnhoodedHoursSel;

    doc.m_nPowerEquipOnHour = v.m_nPowerEquipOnHour;
    doc.m_nPowerEquipHoursSel = v.m_nPowerEquipHoursSel;
    doc.m_dMotorInDrivenInKW = v.m_dMotorInDrivenInKW;
    doc.m_nMotorInDrivenInEff = v.m_nMotorInDrivenInEff;
    doc.m_nMotorInDrivenInLoad = v.m_nMotorInDrivenInLoad;
    doc.m_nMotorInDrivenInUse = v.m_nMotorInDrivenInUse;
    doc.m_dMotorOutDrivenInKW = v.m_dMotorOutDrivenInKW;
    doc.m_nMotorOutDrivenInLoad = v.m_nMotorOutDrivenInLoad;
    doc.m_nMotorOutDrivenInUse = v.m_nMotorOutDrivenInUse;
    doc.m_dMotorInDrivenOutKW = v.m_dMotorInDrivenOutKW;
    doc.m_nMotorInDrivenOutEff = v.m_nMotorInDrivenOutEff;
    doc.m_nMotorInDrivenOutLoad = v.m_nMotorInDrivenOutLoad;
    doc.m_nMotorInDrivenOutUse = v.m_nMotorInDrivenOutUse;

    doc.m_nElecEquipOnHour = v.m_nElecEquipOnHour;
    doc.m_nElecEquipHoursSel = v.m_nElecEquipHoursSel;
    doc.m_dElecEquipKW = v.m_dElecEquipKW;
    doc.m_nElecEquipUseFactor = v.m_nElecEquipUseFactor;
    doc.m_dInfilACHCool = v.m_dInfilACHCool;
    doc.m_dInfilACHHeat = v.m_dInfilACHHeat;
    if (metric) {
        doc.m_dBuildingVolume = v.m_dBuildingVolume * kCuFtPerCuM;
    } else if (english) {
        doc.m_dBuildingVolume = v.m_dBuildingVolume;
    }

    doc.m_nGlassType = v.m_nGlassType;
    doc.m_nInteriorShading = v.m_nInteriorShading;
    doc.m_nShadingRoomCombo = v.m_nShadingRoomCombo;

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
