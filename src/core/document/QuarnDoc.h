#pragma once

#include <functional>
#include <string>
#include <utility>

#include "calc/SunTable.h"
#include "document/QuarnDocData.h"
#include "document/ResultTables.h"
#include "messages/UserMessages.h"

// One-line accessors named after the member without its prefix; array elements get the
// orientation, surface or sun/shade written out.
#define THERMAVO_GET(Name, expr) \
    double Get##Name() const { return expr; }
#define THERMAVO_GET_SET(Name, expr)          \
    double Get##Name() const { return expr; } \
    void Set##Name(double value) { expr = value; }
#define THERMAVO_EIGHT(Macro, Name, member)                                               \
    Macro(Name##North, member[kNorth]) Macro(Name##NorthEast, member[kNorthEast])         \
        Macro(Name##East, member[kEast]) Macro(Name##SouthEast, member[kSouthEast])       \
            Macro(Name##South, member[kSouth]) Macro(Name##SouthWest, member[kSouthWest]) \
                Macro(Name##West, member[kWest]) Macro(Name##NorthWest, member[kNorthWest])
#define THERMAVO_SIX(Name, member)                          \
    THERMAVO_GET_SET(Name##Floor, member[kFloor])           \
    THERMAVO_GET_SET(Name##Ceiling, member[kCeiling])       \
    THERMAVO_GET_SET(Name##Partition1, member[kPartition1]) \
    THERMAVO_GET_SET(Name##Partition2, member[kPartition2]) \
    THERMAVO_GET_SET(Name##Partition3, member[kPartition3]) \
    THERMAVO_GET_SET(Name##PartitionGlass, member[kPartitionGlass])
#define THERMAVO_SUN_SHADE(Name, member) \
    THERMAVO_GET_SET(Name##Sun, member[0]) THERMAVO_GET_SET(Name##Shade, member[1])

// The project document of the "Space" document type: the whole project in plain members
// (CQuarnDocData) and the behaviour that belongs to it. Input commands, calculations and views
// use the members directly or through the accessors.
class CQuarnDoc : public CQuarnDocData {
  public:
    explicit CQuarnDoc(IUserMessages& messages) : m_pMessages(&messages) {}

    IUserMessages& Messages() const { return *m_pMessages; }

    // Puts the document into the state of a fresh project and loads the options file.
    bool OnNewDocument();

    // Reads the options file into the four option members (see Options.h).
    void LoadOptions();

    // ---- Recalculation (each step brings derived values up to date from the inputs) ----
    // The general-data steps, in their fixed order, after the General Project Data command.
    void RecalcGeneralData();
    // The common ending of every input command: hourly loads, heating losses, modified flag,
    // views updated.
    void FinishInput();

    // Station design values in use, by the chosen frequency levels.
    void SelectCoolingDesign();
    void SelectHeatingDesign();

    // Outdoor conditions, steam table, humidity ratios.
    void CalcMonthlyDesignTemps();
    void ReadSteamTable();
    void CalcHumidityRatios();

    // Walls and roof.
    void ReadRoofCLTD();
    void SetRoofColorFactor();
    void SetAtticFactor();
    void SetWallColorFactor();
    void ReadWallCLTD();
    void ReadLatitudeCorrection();

    // Internal loads.
    void ReadLightsCLF();
    void AdjustPeopleGains();
    void ReadPeopleCLF();
    void ReadHoodedCLF();
    void ReadUnhoodedCLF();
    void ReadPowerEquipCLF();
    void ReadElecEquipCLF();

    // Glass.
    void CorrectGlassCLTD();
    void ReadShadingCoefficients();
    void ReadGlassCLF();
    void SetGlassUValues();
    void ReadSunlitSHGF();
    void ReadShadedSHGF();
    void SetGlassBlockU();
    void SetGlassBlockSC();
    void ReadGlassBlockCLF();

    // The hourly engine: hour 1..24 (outer) by month 1..12 (inner).
    void RecalcHours();
    void CalcHourLoads(int hour, int month);
    // Sunlit and shaded glass area of the orientation whose azimuth (0, 45, ..., 315) is given.
    void CalcSunlitGlassArea(int hour, int month, int wallAzimuth, const CWindowList& windows);
    int IsWallSunlit(int hour, int month, int wallAzimuth) const;

    // Parts of one hour's calculation, in the order CalcHourLoads runs them; the internal loads,
    // which depend on the hour alone, come first.
    void CalcConductionLoads(int hour,
                             int month);  // walls, all walls, roof, floor/ceiling/partitions
    void CalcGlassLoads(int hour, int month,
                        int orientation);  // solar and conduction of one orientation
    void CalcGlassTotalsSkylightsAndBlocks(int hour, int month);
    void CalcInternalLoads(int hour);  // lights, people, equipment, appliances
    void CalcInfiltrationLoads(int hour, int month);
    void CalcRoomTotals(int hour, int month);
    void CalcVentilationLoads(int hour, int month);
    void CalcGrandTotal(int hour, int month);

    // Winter heat losses, after the hourly loads (they read the ventilation air flow).
    void CalcHeatLosses();

    // Summary values in the output unit system (tons or kW, CFM or L/s, Btu/h or W); 0 for an
    // item out of range or no output unit system.
    double GetLoadComponent(int hour, int month, int item) const;
    double GetLoadComponent(int hour, int month, LoadItem item) const;
    double GetVentilationAirFlow() const;
    double GetHeatLossItem(int item) const;

    // What "update all views" does; the GUI installs its own, the core has nothing to redraw.
    void SetViewUpdater(std::function<void()> updater) { m_viewUpdater = std::move(updater); }
    void UpdateAllViews() const {
        if (m_viewUpdater) m_viewUpdater();
    }

    // Framework state that the project file does not hold.
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }

    // Surfaces, skylights, slab, walls, roof, below-grade wall
    THERMAVO_SIX(SurfArea, m_dSurfArea)
    THERMAVO_SIX(SurfTDCool, m_dSurfTDCool)
    THERMAVO_SIX(SurfUCool, m_dSurfUCool)
    THERMAVO_SIX(SurfUHeat, m_dSurfUHeat)
    THERMAVO_SIX(SurfTDHeat, m_dSurfTDHeat)
    THERMAVO_SUN_SHADE(SkyArea, m_dSkyArea)
    THERMAVO_SUN_SHADE(SkySC, m_dSkySC)
    THERMAVO_SUN_SHADE(SkyUCool, m_dSkyUCool)
    THERMAVO_SUN_SHADE(SkyUHeat, m_dSkyUHeat)
    THERMAVO_GET_SET(SlabArea, m_dSlabArea)
    THERMAVO_GET_SET(SlabUHeat, m_dSlabUHeat)
    THERMAVO_GET_SET(SlabEdgeFactor, m_dSlabEdgeFactor)
    THERMAVO_GET_SET(SlabPerimeter, m_dSlabPerimeter)
    THERMAVO_EIGHT(THERMAVO_GET_SET, WallArea, m_dWallArea)
    THERMAVO_EIGHT(THERMAVO_GET_SET, WallUHeat, m_dWallUHeat)
    THERMAVO_EIGHT(THERMAVO_GET_SET, WallUCool, m_dWallUCool)
    THERMAVO_GET_SET(RoofArea, m_dRoofArea)
    THERMAVO_GET_SET(RoofUHeat, m_dRoofUHeat)
    THERMAVO_GET_SET(RoofUCool, m_dRoofUCool)
    THERMAVO_GET_SET(BGWallArea, m_dBGWallArea)
    THERMAVO_GET_SET(GroundTemp, m_dGroundTemp)
    THERMAVO_GET_SET(BGWallUHeat, m_dBGWallUHeat)

    // Read-only values the reports use
    THERMAVO_EIGHT(THERMAVO_GET, WindowArea, m_dWindowArea)
    THERMAVO_EIGHT(THERMAVO_GET, GlassBlockArea, m_dGlassBlockArea)
    THERMAVO_GET(SCSunlit, m_dSCSunlit)
    THERMAVO_GET(SCShaded, m_dSCShaded)
    THERMAVO_GET(IncandWatts, m_dIncandWatts)
    THERMAVO_GET(FluorWatts, m_dFluorWatts)
    THERMAVO_GET(BallastFactor, m_dBallastFactor)
    THERMAVO_GET(HoodedElecBtuh, m_dHoodedElecBtuh)
    THERMAVO_GET(HoodedGasBtuh, m_dHoodedGasBtuh)
    THERMAVO_GET(UnhoodedElecBtuh, m_dUnhoodedElecBtuh)
    THERMAVO_GET(UnhoodedGasBtuh, m_dUnhoodedGasBtuh)
    THERMAVO_GET(MotorInDrivenInKW, m_dMotorInDrivenInKW)
    THERMAVO_GET(MotorOutDrivenInKW, m_dMotorOutDrivenInKW)
    THERMAVO_GET(MotorInDrivenOutKW, m_dMotorInDrivenOutKW)
    THERMAVO_GET(ElecEquipKW, m_dElecEquipKW)
    THERMAVO_GET(InfilACHCool, m_dInfilACHCool)
    THERMAVO_GET(InfilACHHeat, m_dInfilACHHeat)
    THERMAVO_GET(BuildingVolume, m_dBuildingVolume)
    THERMAVO_GET(OutsideDBCool, m_dOutsideDBCool)
    THERMAVO_GET(OutsideWBCool, m_dOutsideWBCool)
    THERMAVO_GET(OutsideDBHeat, m_dOutsideDBHeat)
    THERMAVO_GET(InsideDBCool, m_dInsideDBCool)
    THERMAVO_GET(InsideDBHeat, m_dInsideDBHeat)
    THERMAVO_GET(InsideRH, m_dInsideRH)
    THERMAVO_GET(Latitude, m_dLatitude)
    THERMAVO_GET(Longitude, m_dLongitude)
    THERMAVO_GET(Elevation, m_dElevation)
    THERMAVO_GET(DailyRange, m_dDailyRange)

    std::string GetProjectName() const { return m_strProjectName; }
    std::string GetProjectDesigner() const { return m_strProjectDesigner; }
    std::string GetProjectAddress() const { return m_strProjectAddress; }
    std::string GetProjectDate() const { return m_strProjectDate; }
    std::string GetCityName() const { return m_strCityName; }
    std::string GetCityRegion() const { return m_strCityRegion; }

    long long GetTotalOccupants() const;
    int IsCitySelected();

    // Unit and option tests: 1 or 0. A unit value other than 0 and 1 answers 0 to both tests.
    int IsInputMetric() const;
    int IsInputEnglish() const;
    int IsOutputMetric() const;
    int IsOutputEnglish() const;
    int IsDisplayLarge() const;
    int IsDisplaySmall() const;
    int IsFontLarge() const;
    int IsFontSmall() const;

    // Unit labels: English, Metric, or empty ("No Units Selected" for the names).
    std::string GetInputTempUnit() const;
    std::string GetOutputTempUnit() const;
    std::string GetInputUnitsName() const;
    std::string GetOutputUnitsName() const;
    std::string GetOutputLengthUnit() const;
    std::string GetInputThicknessUnit() const;
    std::string GetLatitudeLabel() const;
    std::string GetLongitudeLabel() const;

  private:
    // The steps of one hour's calculation that depend on the month: all but the internal loads,
    // which read nothing the others write.
    void CalcMonthOfHourLoads(int hour, int month);

    IUserMessages* m_pMessages;
    std::function<void()> m_viewUpdater;
    bool m_bModified = false;
    std::string m_strPathName;
    // The sun for the latitude of the last recalculation; refilled when the latitude changes.
    mutable SunTable m_sunTable;
};

#undef THERMAVO_GET
#undef THERMAVO_GET_SET
#undef THERMAVO_EIGHT
#undef THERMAVO_SIX
#undef THERMAVO_SUN_SHADE
