// The fixed order of the recalculation: each step reads only what the steps before it wrote.
#include "document/QuarnDoc.h"
#include "lumora/lumora.h"

void CQuarnDoc::RecalcGeneralData() {
    SetCityVars(&m_nCityIndex, &m_dLatitude, &m_dLongitude, &m_dElevation, &m_dHeatDB996,
                &m_dHeatDB99, &m_dCoolDB04, &m_dCoolWB04, &m_dCoolDB1, &m_dCoolWB1, &m_dCoolDB2,
                &m_dCoolWB2, &m_dDailyRange);
    SelectCoolingDesign();
    SelectHeatingDesign();
    CalcMonthlyDesignTemps();
    ReadRoofCLTD();
    SetRoofColorFactor();
    SetAtticFactor();
    SetWallColorFactor();
    ReadWallCLTD();
    ReadLatitudeCorrection();
    CorrectGlassCLTD();
    ReadLightsCLF();
    AdjustPeopleGains();
    ReadPeopleCLF();
    ReadHoodedCLF();
    ReadUnhoodedCLF();
    ReadPowerEquipCLF();
    ReadElecEquipCLF();
    ReadSteamTable();
    CalcHumidityRatios();
    ReadShadingCoefficients();
    ReadGlassCLF();
    SetGlassUValues();
    ReadSunlitSHGF();
    ReadShadedSHGF();
}

void CQuarnDoc::FinishInput() {
    RecalcHours();
    CalcHeatLosses();
    SetModifiedFlag();
    UpdateAllViews();
}

void CQuarnDoc::SelectCoolingDesign() {
    switch (m_nCoolDesignLevel) {
        case 0:
            m_dOutsideDBCool = m_dCoolDB04;
            m_dOutsideWBCool = m_dCoolWB04;
            break;
        case 1:
            m_dOutsideDBCool = m_dCoolDB1;
            m_dOutsideWBCool = m_dCoolWB1;
            break;
        case 2:
            m_dOutsideDBCool = m_dCoolDB2;
            m_dOutsideWBCool = m_dCoolWB2;
            break;
        default:
            break;
    }
}

void CQuarnDoc::SelectHeatingDesign() {
    if (m_nHeatDesignLevel == 0) m_dOutsideDBHeat = m_dHeatDB996;
    if (m_nHeatDesignLevel == 1) m_dOutsideDBHeat = m_dHeatDB99;
}

void CQuarnDoc::RecalcHours() {
    m_sunTable.Prepare(m_dLatitude);
    for (int hour = 1; hour <= 24; ++hour) {
        // The internal loads depend on the hour alone: once per hour, not once per month.
        CalcInternalLoads(hour);
        for (int month = 1; month <= 12; ++month) CalcMonthOfHourLoads(hour, month);
    }
}

void CQuarnDoc::CalcHourLoads(int hour, int month) {
    CalcInternalLoads(hour);
    CalcMonthOfHourLoads(hour, month);
}

void CQuarnDoc::CalcMonthOfHourLoads(int hour, int month) {
    CalcConductionLoads(hour, month);
    for (int k = 0; k < kOrientations; ++k) {
        CalcSunlitGlassArea(hour, month, 45 * k, m_aWindows[k]);
        CalcGlassLoads(hour, month, k);
    }
    CalcGlassTotalsSkylightsAndBlocks(hour, month);
    CalcInfiltrationLoads(hour, month);
    CalcRoomTotals(hour, month);
    CalcVentilationLoads(hour, month);
    CalcGrandTotal(hour, month);
}
