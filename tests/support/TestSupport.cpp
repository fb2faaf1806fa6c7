#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <type_traits>

#include "document/Options.h"

namespace fs = std::filesystem;

CTempDir::CTempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate =
            fs::temp_directory_path() / ("thermavo-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

CTempDir::~CTempDir() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

CScopedConfigHome::CScopedConfigHome() {
    if (const char* previous = std::getenv("XDG_CONFIG_HOME")) m_previous = previous;
    setenv("XDG_CONFIG_HOME", m_dir.Path().c_str(), 1);
}

CScopedConfigHome::~CScopedConfigHome() { setenv("XDG_CONFIG_HOME", m_previous.c_str(), 1); }

std::string CScopedConfigHome::OptionsPath() const { return GetOptionsFilePath(); }

void CScopedConfigHome::WriteOptions(const std::vector<uint8_t>& bytes) const {
    fs::create_directories(fs::path(OptionsPath()).parent_path());
    WriteFileBytes(OptionsPath(), bytes);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

namespace {

// Distinct values, with a few that a careless encoder would mangle.
struct Sequence {
    int nextInt = 1;
    int nextDouble = 0;
    int nextString = 0;

    void Set(int& v) { v = (nextInt++ % 3 == 0) ? -nextInt * 7919 : nextInt * 131; }
    void Set(double& v) {
        static const double special[] = {-0.0, 5e-324, 1.7976931348623157e308, -1.25e-300};
        const int i = nextDouble++;
        v = (i % 97 == 5) ? special[(i / 97) % 4] : 1000.0 + i * 1.0009765625 - (i % 2) * 2e6;
    }
    void Set(std::string& v) {
        // Lengths on both sides of every prefix boundary of the string encoding.
        static const size_t lengths[] = {1, 254, 255, 0, 65533, 65534, 70000, 3, 17, 30, 40, 2, 9};
        const size_t length = lengths[nextString % 13];
        v.assign(length, static_cast<char>('A' + nextString % 26));
        if (length > 1) v[1] = static_cast<char>(0xE9);  // 8-bit text passes through untouched
        ++nextString;
    }
};

template <class T>
void FillOne(Sequence& s, T& value) {
    if constexpr (std::is_array_v<T>) {
        for (auto& element : value) FillOne(s, element);
    } else {
        s.Set(value);
    }
}

template <class... T>
void Fill(Sequence& s, T&... values) {
    (FillOne(s, values), ...);
}

}  // namespace

void FillDistinct(CQuarnDocData& d) {
    Sequence s;
    Fill(s, d.m_strViewAxis, d.m_strViewTitle, d.m_nViewKind, d.m_bGeneralDataSupplied,
         d.m_bWindowsSupplied, d.m_bWallsRoofSupplied, d.m_bGlassBlocksSupplied,
         d.m_bFloorCeilingSupplied);
    Fill(s, d.m_dHeatLoss, d.m_dMonthHumRatio, d.m_dRoomHumRatio, d.m_dPsyAtDB, d.m_dPsyAtWB,
         d.m_dPsyAtRoom, d.m_dVentCFM);
    Fill(s, d.m_tblVentSens, d.m_tblVentLat, d.m_tblInfilSens, d.m_tblInfilLat, d.m_tblHoodedAppl,
         d.m_tblUnhoodedApplSens, d.m_tblUnhoodedApplLat, d.m_tblPowerEquip, d.m_tblElecEquip,
         d.m_tblPeopleSens, d.m_tblPeopleLat, d.m_tblLights, d.m_tblGlassBlockAll,
         d.m_tblGlassBlock, d.m_dCLFGlassBlock, d.m_tblSkylight, d.m_tblGlassCondAll,
         d.m_tblGlassCond, d.m_tblGlassSolarAll, d.m_tblGlassSolar, d.m_tblGlassShadedArea,
         d.m_tblGlassSunlitArea, d.m_dWindowArea, d.m_tblFloorCeilPart, d.m_tblRoof, d.m_tblWall,
         d.m_tblWallAll, d.m_tblRoomLatent, d.m_tblRoomSensible, d.m_tblRoomTotal, d.m_tblTotal);
    Fill(s, d.m_dGlassBlockUCool, d.m_dGlassBlockUHeat, d.m_dGlassBlockSCSun,
         d.m_dGlassBlockSCShade, d.m_dGlassBlockArea, d.m_nGlassBlockShade);
    Fill(s, d.m_dSurfArea, d.m_dSurfTDCool, d.m_dSurfUCool, d.m_dSurfUHeat, d.m_dSkyArea,
         d.m_dSkySC, d.m_dSkyUCool, d.m_dSkyUHeat, d.m_dSurfTDHeat, d.m_dSlabArea, d.m_dSlabUHeat,
         d.m_dSlabEdgeFactor, d.m_dSlabPerimeter, d.m_dWallArea, d.m_dRoofArea, d.m_dWallUHeat,
         d.m_dRoofUHeat, d.m_dWallUCool, d.m_dRoofUCool, d.m_dBGWallArea, d.m_dGroundTemp,
         d.m_dBGWallUHeat);
    Fill(s, d.m_dVentPerOccupant, d.m_dGlassUCool, d.m_dGlassUHeat, d.m_dGlassUSkyCool,
         d.m_dGlassUSkyHeat, d.m_dSHGFShaded, d.m_dSHGFSunlit, d.m_dCLFSkyA, d.m_dCLFSkyB,
         d.m_dCLFGlass, d.m_dSCSunlit, d.m_dSCShaded, d.m_nInteriorShading, d.m_nShadingRoomCombo,
         d.m_nGlassType, d.m_dDailyRangePct);
    Fill(s, d.m_dCLFElecEquip, d.m_nElecEquipOnHour, d.m_nElecEquipHoursSel, d.m_dElecEquipKW,
         d.m_nElecEquipUseFactor, d.m_dInfilACHCool, d.m_dInfilACHHeat, d.m_dBuildingVolume,
         d.m_dCLFPowerEquip, d.m_nPowerEquipOnHour, d.m_nPowerEquipHoursSel, d.m_dMotorInDrivenInKW,
         d.m_nMotorInDrivenInEff, d.m_nMotorInDrivenInLoad, d.m_nMotorInDrivenInUse,
         d.m_dMotorOutDrivenInKW, d.m_nMotorOutDrivenInLoad, d.m_nMotorOutDrivenInUse,
         d.m_dMotorInDrivenOutKW, d.m_nMotorInDrivenOutEff, d.m_nMotorInDrivenOutLoad,
         d.m_nMotorInDrivenOutUse);
    Fill(s, d.m_dCLFUnhoodedAppl, d.m_dCLFHoodedAppl, d.m_nHoodedOnHour, d.m_nHoodedHoursSel,
         d.m_dHoodedElecBtuh, d.m_dHoodedGasBtuh, d.m_nUnhoodedOnHour, d.m_nUnhoodedHoursSel,
         d.m_nUnhoodedHours, d.m_dUnhoodedElecBtuh, d.m_dUnhoodedGasBtuh);
    Fill(s, d.m_dCLFPeople, d.m_nOccupancyStartHour, d.m_nOccupancyHoursSel, d.m_nOccupancyHours,
         d.m_nOccupants, d.m_dPeopleGain);
    Fill(s, d.m_dBallastFactor, d.m_dIncandWatts, d.m_dFluorWatts, d.m_nLightSchedule,
         d.m_dCLFLights, d.m_strBClass3, d.m_strBClass2, d.m_strBClass1, d.m_nBClass, d.m_nAClass,
         d.m_nLightHoursSel, d.m_nLightOnHour);
    Fill(s, d.m_tblCLTDGlassCorr, d.m_dCLTDGlass, d.m_dLM, d.m_dCLTDWall, d.m_strWallGroup2,
         d.m_strWallGroup1, d.m_nWallGroup, d.m_dWallK, d.m_dRoofF, d.m_dRoofK, d.m_nWallColor,
         d.m_nAtticFan, d.m_nRoofColor, d.m_nSuspendedCeiling, d.m_dCLTDRoof, d.m_nRoofType);
    Fill(s, d.m_dInsideDBHeat, d.m_dInsideRH, d.m_dInsideDBCool, d.m_dMonthWB, d.m_dMonthDB,
         d.m_dOutsideDBHeat, d.m_dOutsideWBCool, d.m_dOutsideDBCool, d.m_nHeatDesignLevel,
         d.m_nCoolDesignLevel);
    Fill(s, d.m_nInputUnits, d.m_nOutputUnits, d.m_nDisplaySize, d.m_nFontSize);
    Fill(s, d.m_strProjectName, d.m_strProjectDesigner, d.m_strProjectAddress, d.m_strProjectDate);
    Fill(s, d.m_dLatitude, d.m_dLongitude, d.m_dElevation, d.m_dHeatDB996, d.m_dHeatDB99,
         d.m_dCoolDB04, d.m_dCoolWB04, d.m_dCoolDB1, d.m_dCoolWB1, d.m_dCoolDB2, d.m_dCoolWB2,
         d.m_dDailyRange);
    Fill(s, d.m_strCityRegion, d.m_strCityName, d.m_nCityIndex);

    // Windows in some lists, none in others.
    for (int o : {kNorth, kEast, kSouthWest, kNorthWest}) {
        for (int i = 0; i < o + 1; ++i) {
            CWindo w;
            Fill(s, w.m_nQuantity, w.m_dHeight, w.m_dWidth, w.m_dLeftFinDist, w.m_dRightFinDist,
                 w.m_dOverhangWidth, w.m_dOverhangHeight, w.m_dLeftFinWidth, w.m_dRightFinWidth);
            d.m_aWindows[o].Add(w);
        }
    }
}

void FillDistinctLoadable(CQuarnDocData& d) {
    FillDistinct(d);
    d.m_nCityIndex = 1234;
    d.m_nCoolDesignLevel = 2;
    d.m_nHeatDesignLevel = 0;
    d.m_nRoofType = 11;
    d.m_nSuspendedCeiling = 1;
    d.m_nRoofColor = -1;
    d.m_nAtticFan = 0;
    d.m_nWallColor = 2;
    d.m_nWallGroup = 60;
    d.m_nLightOnHour = 5;
    d.m_nLightHoursSel = 4;
    d.m_nAClass = 3;
    d.m_nBClass = 20;
    for (int h = 0; h < 24; ++h) d.m_nLightSchedule[h] = 100 - 3 * h;
    d.m_nOccupancyStartHour = 9;
    d.m_nOccupancyHoursSel = 7;
    d.m_nOccupancyHours = 16;
    for (int i = 0; i < kOccupancyCategories; ++i) d.m_nOccupants[i] = 1000000 - 77777 * i;
    d.m_nHoodedOnHour = 24;
    d.m_nHoodedHoursSel = 9;
    d.m_nUnhoodedOnHour = 1;
    d.m_nUnhoodedHoursSel = 8;
    d.m_nUnhoodedHours = 18;
    d.m_nPowerEquipOnHour = 13;
    d.m_nPowerEquipHoursSel = 3;
    d.m_nMotorInDrivenInEff = 88;
    d.m_nMotorInDrivenInLoad = 180;
    d.m_nMotorInDrivenInUse = 77;
    d.m_nMotorOutDrivenInLoad = 150;
    d.m_nMotorOutDrivenInUse = 66;
    d.m_nMotorInDrivenOutEff = 55;
    d.m_nMotorInDrivenOutLoad = 44;
    d.m_nMotorInDrivenOutUse = 33;
    d.m_nElecEquipOnHour = 14;
    d.m_nElecEquipHoursSel = 2;
    d.m_nElecEquipUseFactor = 99;
    d.m_nGlassType = 26;
    d.m_nInteriorShading = 13;
    d.m_nShadingRoomCombo = 3;
    d.m_bGeneralDataSupplied = 1;
    d.m_bWindowsSupplied = 0;
    d.m_bWallsRoofSupplied = 1;
    d.m_bGlassBlocksSupplied = 0;
    d.m_bFloorCeilingSupplied = 1;
    d.m_nGlassBlockShade = 1;
    int quantity = 1;
    for (CWindowList& list : d.m_aWindows) {
        for (int i = 0; i < list.GetSize(); ++i) {
            CWindo w = list.GetAt(i);
            w.m_nQuantity = quantity++;
            list.SetAt(i, w);
        }
    }
}
