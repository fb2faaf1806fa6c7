#include "document/ProjectChecks.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <type_traits>

#include "input/FieldLimits.h"
#include "text/Format.h"

namespace {

// The doubles of a member, whatever its shape, as one run of cells.
struct DoubleCells {
    const char* pszName;
    const double* pFirst;
    size_t nCount;
};

template <class T>
DoubleCells Cells(const char* name, const T& member) {
    static_assert(sizeof(T) % sizeof(double) == 0);
    return {name, reinterpret_cast<const double*>(&member), sizeof(T) / sizeof(double)};
}

// An integer field and the values it may hold; codes are 0 (nothing chosen) or multiples of 10
// up to high, as the construction trees store them.
struct IntField {
    const char* pszName;
    const int* pFirst;
    size_t nCount;
    int nLow;
    int nHigh;
    bool bCodes = false;
};

template <class T>
IntField Ints(const char* name, const T& member, int low, int high, bool codes = false) {
    static_assert(sizeof(T) % sizeof(int) == 0);
    return {name, reinterpret_cast<const int*>(&member), sizeof(T) / sizeof(int), low, high, codes};
}

constexpr int kNoChoice = -1;     // a radio group with no button selected
constexpr int kHourChoices = 10;  // 2, 4, ..., 18, above 18 hours
constexpr int kLastStation = 1989;

std::string Element(const char* name, size_t count, size_t i) {
    if (count == 1) return name;
    return StrFormat("%s[%zu]", name, i);
}

std::optional<std::string> FindBadInt(const CQuarnDocData& d) {
    const std::initializer_list<IntField> fields = {
        Ints("m_nCityIndex", d.m_nCityIndex, 0, kLastStation),
        Ints("m_nCoolDesignLevel", d.m_nCoolDesignLevel, kNoChoice, 2),
        Ints("m_nHeatDesignLevel", d.m_nHeatDesignLevel, kNoChoice, 1),
        Ints("m_nRoofType", d.m_nRoofType, kNoChoice, 12),
        Ints("m_nSuspendedCeiling", d.m_nSuspendedCeiling, kNoChoice, 1),
        Ints("m_nRoofColor", d.m_nRoofColor, kNoChoice, 1),
        Ints("m_nAtticFan", d.m_nAtticFan, kNoChoice, 1),
        Ints("m_nWallColor", d.m_nWallColor, kNoChoice, 2),
        Ints("m_nWallGroup", d.m_nWallGroup, 0, 70, true),
        Ints("m_nLightOnHour", d.m_nLightOnHour, 0, 24),
        Ints("m_nLightHoursSel", d.m_nLightHoursSel, kNoChoice, 5),
        Ints("m_nAClass", d.m_nAClass, kNoChoice, 3),
        Ints("m_nBClass", d.m_nBClass, 0, 40, true),
        Ints("m_nLightSchedule", d.m_nLightSchedule, 0, 100),
        Ints("m_nOccupancyStartHour", d.m_nOccupancyStartHour, 0, 24),
        Ints("m_nOccupancyHoursSel", d.m_nOccupancyHoursSel, kNoChoice, kHourChoices - 1),
        Ints("m_nOccupancyHours", d.m_nOccupancyHours, 0, 24),
        Ints("m_nOccupants", d.m_nOccupants, 0, kMaxCount),
        Ints("m_nHoodedOnHour", d.m_nHoodedOnHour, 0, 24),
        Ints("m_nHoodedHoursSel", d.m_nHoodedHoursSel, kNoChoice, kHourChoices - 1),
        Ints("m_nUnhoodedOnHour", d.m_nUnhoodedOnHour, 0, 24),
        Ints("m_nUnhoodedHoursSel", d.m_nUnhoodedHoursSel, kNoChoice, kHourChoices - 1),
        Ints("m_nUnhoodedHours", d.m_nUnhoodedHours, 0, 24),
        Ints("m_nPowerEquipOnHour", d.m_nPowerEquipOnHour, 0, 24),
        Ints("m_nPowerEquipHoursSel", d.m_nPowerEquipHoursSel, kNoChoice, kHourChoices - 1),
        Ints("m_nMotorInDrivenInEff", d.m_nMotorInDrivenInEff, 0, 100),
        Ints("m_nMotorInDrivenInLoad", d.m_nMotorInDrivenInLoad, 0, 180),
        Ints("m_nMotorInDrivenInUse", d.m_nMotorInDrivenInUse, 0, 100),
        Ints("m_nMotorOutDrivenInLoad", d.m_nMotorOutDrivenInLoad, 0, 180),
        Ints("m_nMotorOutDrivenInUse", d.m_nMotorOutDrivenInUse, 0, 100),
        Ints("m_nMotorInDrivenOutEff", d.m_nMotorInDrivenOutEff, 0, 100),
        Ints("m_nMotorInDrivenOutLoad", d.m_nMotorInDrivenOutLoad, 0, 180),
        Ints("m_nMotorInDrivenOutUse", d.m_nMotorInDrivenOutUse, 0, 100),
        Ints("m_nElecEquipOnHour", d.m_nElecEquipOnHour, 0, 24),
        Ints("m_nElecEquipHoursSel", d.m_nElecEquipHoursSel, kNoChoice, kHourChoices - 1),
        Ints("m_nElecEquipUseFactor", d.m_nElecEquipUseFactor, 0, 100),
        Ints("m_nGlassType", d.m_nGlassType, kNoChoice, 26),
        Ints("m_nInteriorShading", d.m_nInteriorShading, kNoChoice, 13),
        Ints("m_nShadingRoomCombo", d.m_nShadingRoomCombo, kNoChoice, 3),
        Ints("m_bGeneralDataSupplied", d.m_bGeneralDataSupplied, 0, 1),
        Ints("m_bWindowsSupplied", d.m_bWindowsSupplied, 0, 1),
        Ints("m_bWallsRoofSupplied", d.m_bWallsRoofSupplied, 0, 1),
        Ints("m_bGlassBlocksSupplied", d.m_bGlassBlocksSupplied, 0, 1),
        Ints("m_bFloorCeilingSupplied", d.m_bFloorCeilingSupplied, 0, 1),
        Ints("m_nGlassBlockShade", d.m_nGlassBlockShade, kNoChoice, 1),
    };
    for (const IntField& f : fields) {
        for (size_t i = 0; i < f.nCount; ++i) {
            const int v = f.pFirst[i];
            const bool codeOk = !f.bCodes || v % 10 == 0;
            if (v >= f.nLow && v <= f.nHigh && codeOk) continue;
            const std::string allowed = f.bCodes ? StrFormat("0, 10, 20, ... %d", f.nHigh)
                                                 : StrFormat("%d to %d", f.nLow, f.nHigh);
            return StrFormat("%s holds %d, not one of %s", Element(f.pszName, f.nCount, i).c_str(),
                             v, allowed.c_str());
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindBadDouble(const CQuarnDocData& d) {
    const std::initializer_list<DoubleCells> members = {
        Cells("m_dHeatLoss", d.m_dHeatLoss),
        Cells("m_dMonthHumRatio", d.m_dMonthHumRatio),
        Cells("m_dRoomHumRatio", d.m_dRoomHumRatio),
        Cells("m_dPsyAtDB", d.m_dPsyAtDB),
        Cells("m_dPsyAtWB", d.m_dPsyAtWB),
        Cells("m_dPsyAtRoom", d.m_dPsyAtRoom),
        Cells("m_dVentCFM", d.m_dVentCFM),
        Cells("m_tblVentSens", d.m_tblVentSens),
        Cells("m_tblVentLat", d.m_tblVentLat),
        Cells("m_tblInfilSens", d.m_tblInfilSens),
        Cells("m_tblInfilLat", d.m_tblInfilLat),
        Cells("m_tblHoodedAppl", d.m_tblHoodedAppl),
        Cells("m_tblUnhoodedApplSens", d.m_tblUnhoodedApplSens),
        Cells("m_tblUnhoodedApplLat", d.m_tblUnhoodedApplLat),
        Cells("m_tblPowerEquip", d.m_tblPowerEquip),
        Cells("m_tblElecEquip", d.m_tblElecEquip),
        Cells("m_tblPeopleSens", d.m_tblPeopleSens),
        Cells("m_tblPeopleLat", d.m_tblPeopleLat),
        Cells("m_tblLights", d.m_tblLights),
        Cells("m_tblGlassBlockAll", d.m_tblGlassBlockAll),
        Cells("m_tblGlassBlock", d.m_tblGlassBlock),
        Cells("m_dCLFGlassBlock", d.m_dCLFGlassBlock),
        Cells("m_tblSkylight", d.m_tblSkylight),
        Cells("m_tblGlassCondAll", d.m_tblGlassCondAll),
        Cells("m_tblGlassCond", d.m_tblGlassCond),
        Cells("m_tblGlassSolarAll", d.m_tblGlassSolarAll),
        Cells("m_tblGlassSolar", d.m_tblGlassSolar),
        Cells("m_tblGlassShadedArea", d.m_tblGlassShadedArea),
        Cells("m_tblGlassSunlitArea", d.m_tblGlassSunlitArea),
        Cells("m_dWindowArea", d.m_dWindowArea),
        Cells("m_tblFloorCeilPart", d.m_tblFloorCeilPart),
        Cells("m_tblRoof", d.m_tblRoof),
        Cells("m_tblWall", d.m_tblWall),
        Cells("m_tblWallAll", d.m_tblWallAll),
        Cells("m_tblRoomLatent", d.m_tblRoomLatent),
        Cells("m_tblRoomSensible", d.m_tblRoomSensible),
        Cells("m_tblRoomTotal", d.m_tblRoomTotal),
        Cells("m_tblTotal", d.m_tblTotal),
        Cells("m_dGlassBlockUCool", d.m_dGlassBlockUCool),
        Cells("m_dGlassBlockUHeat", d.m_dGlassBlockUHeat),
        Cells("m_dGlassBlockSCSun", d.m_dGlassBlockSCSun),
        Cells("m_dGlassBlockSCShade", d.m_dGlassBlockSCShade),
        Cells("m_dGlassBlockArea", d.m_dGlassBlockArea),
        Cells("m_dSurfArea", d.m_dSurfArea),
        Cells("m_dSurfTDCool", d.m_dSurfTDCool),
        Cells("m_dSurfUCool", d.m_dSurfUCool),
        Cells("m_dSurfUHeat", d.m_dSurfUHeat),
        Cells("m_dSkyArea", d.m_dSkyArea),
        Cells("m_dSkySC", d.m_dSkySC),
        Cells("m_dSkyUCool", d.m_dSkyUCool),
        Cells("m_dSkyUHeat", d.m_dSkyUHeat),
        Cells("m_dSurfTDHeat", d.m_dSurfTDHeat),
        Cells("m_dSlabArea", d.m_dSlabArea),
        Cells("m_dSlabUHeat", d.m_dSlabUHeat),
        Cells("m_dSlabEdgeFactor", d.m_dSlabEdgeFactor),
        Cells("m_dSlabPerimeter", d.m_dSlabPerimeter),
        Cells("m_dWallArea", d.m_dWallArea),
        Cells("m_dRoofArea", d.m_dRoofArea),
        Cells("m_dWallUHeat", d.m_dWallUHeat),
        Cells("m_dRoofUHeat", d.m_dRoofUHeat),
        Cells("m_dWallUCool", d.m_dWallUCool),
        Cells("m_dRoofUCool", d.m_dRoofUCool),
        Cells("m_dBGWallArea", d.m_dBGWallArea),
        Cells("m_dGroundTemp", d.m_dGroundTemp),
        Cells("m_dBGWallUHeat", d.m_dBGWallUHeat),
        Cells("m_dVentPerOccupant", d.m_dVentPerOccupant),
        Cells("m_dGlassUCool", d.m_dGlassUCool),
        Cells("m_dGlassUHeat", d.m_dGlassUHeat),
        Cells("m_dGlassUSkyCool", d.m_dGlassUSkyCool),
        Cells("m_dGlassUSkyHeat", d.m_dGlassUSkyHeat),
        Cells("m_dSHGFShaded", d.m_dSHGFShaded),
        Cells("m_dSHGFSunlit", d.m_dSHGFSunlit),
        Cells("m_dCLFSkyA", d.m_dCLFSkyA),
        Cells("m_dCLFSkyB", d.m_dCLFSkyB),
        Cells("m_dCLFGlass", d.m_dCLFGlass),
        Cells("m_dSCSunlit", d.m_dSCSunlit),
        Cells("m_dSCShaded", d.m_dSCShaded),
        Cells("m_dDailyRangePct", d.m_dDailyRangePct),
        Cells("m_dCLFElecEquip", d.m_dCLFElecEquip),
        Cells("m_dElecEquipKW", d.m_dElecEquipKW),
        Cells("m_dInfilACHCool", d.m_dInfilACHCool),
        Cells("m_dInfilACHHeat", d.m_dInfilACHHeat),
        Cells("m_dBuildingVolume", d.m_dBuildingVolume),
        Cells("m_dCLFPowerEquip", d.m_dCLFPowerEquip),
        Cells("m_dMotorInDrivenInKW", d.m_dMotorInDrivenInKW),
        Cells("m_dMotorOutDrivenInKW", d.m_dMotorOutDrivenInKW),
        Cells("m_dMotorInDrivenOutKW", d.m_dMotorInDrivenOutKW),
        Cells("m_dCLFUnhoodedAppl", d.m_dCLFUnhoodedAppl),
        Cells("m_dCLFHoodedAppl", d.m_dCLFHoodedAppl),
        Cells("m_dHoodedElecBtuh", d.m_dHoodedElecBtuh),
        Cells("m_dHoodedGasBtuh", d.m_dHoodedGasBtuh),
        Cells("m_dUnhoodedElecBtuh", d.m_dUnhoodedElecBtuh),
        Cells("m_dUnhoodedGasBtuh", d.m_dUnhoodedGasBtuh),
        Cells("m_dCLFPeople", d.m_dCLFPeople),
        Cells("m_dPeopleGain", d.m_dPeopleGain),
        Cells("m_dBallastFactor", d.m_dBallastFactor),
        Cells("m_dIncandWatts", d.m_dIncandWatts),
        Cells("m_dFluorWatts", d.m_dFluorWatts),
        Cells("m_dCLFLights", d.m_dCLFLights),
        Cells("m_tblCLTDGlassCorr", d.m_tblCLTDGlassCorr),
        Cells("m_dCLTDGlass", d.m_dCLTDGlass),
        Cells("m_dLastUValue", d.m_dLastUValue),
        Cells("m_dLM", d.m_dLM),
        Cells("m_dCLTDWall", d.m_dCLTDWall),
        Cells("m_dWallK", d.m_dWallK),
        Cells("m_dRoofF", d.m_dRoofF),
        Cells("m_dRoofK", d.m_dRoofK),
        Cells("m_dCLTDRoof", d.m_dCLTDRoof),
        Cells("m_dInsideDBHeat", d.m_dInsideDBHeat),
        Cells("m_dInsideRH", d.m_dInsideRH),
        Cells("m_dInsideDBCool", d.m_dInsideDBCool),
        Cells("m_dMonthWB", d.m_dMonthWB),
        Cells("m_dMonthDB", d.m_dMonthDB),
        Cells("m_dOutsideDBHeat", d.m_dOutsideDBHeat),
        Cells("m_dOutsideWBCool", d.m_dOutsideWBCool),
        Cells("m_dOutsideDBCool", d.m_dOutsideDBCool),
        Cells("m_dLatitude", d.m_dLatitude),
        Cells("m_dLongitude", d.m_dLongitude),
        Cells("m_dElevation", d.m_dElevation),
        Cells("m_dHeatDB996", d.m_dHeatDB996),
        Cells("m_dHeatDB99", d.m_dHeatDB99),
        Cells("m_dCoolDB04", d.m_dCoolDB04),
        Cells("m_dCoolWB04", d.m_dCoolWB04),
        Cells("m_dCoolDB1", d.m_dCoolDB1),
        Cells("m_dCoolWB1", d.m_dCoolWB1),
        Cells("m_dCoolDB2", d.m_dCoolDB2),
        Cells("m_dCoolWB2", d.m_dCoolWB2),
        Cells("m_dDailyRange", d.m_dDailyRange),
    };
    for (const DoubleCells& m : members) {
        for (size_t i = 0; i < m.nCount; ++i) {
            if (std::isfinite(m.pFirst[i])) continue;
            return StrFormat("%s holds a value that is not a finite number",
                             Element(m.pszName, m.nCount, i).c_str());
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindBadWindow(const CQuarnDocData& d) {
    static constexpr const char* kLists[kOrientations] = {"N", "NE", "E", "SE",
                                                          "S", "SW", "W", "NW"};
    for (int o = 0; o < kOrientations; ++o) {
        const CWindowList& list = d.m_aWindows[o];
        for (int i = 0; i < list.GetSize(); ++i) {
            const CWindo w = list.GetAt(i);
            const std::string where = StrFormat("window %d of the %s list", i + 1, kLists[o]);
            if (w.m_nQuantity < 0 || w.m_nQuantity > kMaxCount) {
                return StrFormat("%s has a quantity of %d, not one of 0 to %d", where.c_str(),
                                 w.m_nQuantity, kMaxCount);
            }
            for (double v :
                 {w.m_dHeight, w.m_dWidth, w.m_dLeftFinDist, w.m_dRightFinDist, w.m_dOverhangWidth,
                  w.m_dOverhangHeight, w.m_dLeftFinWidth, w.m_dRightFinWidth}) {
                if (!std::isfinite(v)) {
                    return where + " has a dimension that is not a finite number";
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindDamagedField(const CQuarnDocData& project) {
    if (auto bad = FindBadWindow(project)) return bad;
    if (auto bad = FindBadInt(project)) return bad;
    return FindBadDouble(project);
}
