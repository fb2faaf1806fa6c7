// Room and grand totals of one hour-month cell, and the summary values the reports read in the
// output unit system.
#include "document/QuarnDoc.h"
#include "document/ResultTables.h"
#include "units/Units.h"

void CQuarnDoc::CalcRoomTotals(int hour, int month) {
    const int h = hour;
    const int m = month;
    // The daily internal-load tables hold the same value for every month, in column 1.
    m_tblRoomSensible[h][m] =
        m_tblGlassSolarAll[h][m] + m_tblSkylight[h][m] + m_tblElecEquip[h][1] +
        m_tblPowerEquip[h][1] + m_tblHoodedAppl[h][1] + m_tblInfilSens[h][m] + m_tblWallAll[h][m] +
        m_tblRoof[h][m] + m_tblGlassBlockAll[h][m] + m_tblFloorCeilPart[h][m] + m_tblLights[h][1] +
        m_tblGlassCondAll[h][m] + m_tblPeopleSens[h][1] + m_tblUnhoodedApplSens[h][1];
    m_tblRoomLatent[h][m] = m_tblInfilLat[h][m] + m_tblPeopleLat[h][1] + m_tblUnhoodedApplLat[h][1];
    m_tblRoomTotal[h][m] = m_tblRoomSensible[h][m] + m_tblRoomLatent[h][m];
}

void CQuarnDoc::CalcGrandTotal(int hour, int month) {
    // Outdoor air is conditioned at the coil, not in the room: it enters only the grand total.
    m_tblTotal[hour][month] =
        m_tblRoomTotal[hour][month] + m_tblVentSens[hour][month] + m_tblVentLat[hour][month];
}

double CQuarnDoc::GetLoadComponent(int hour, int month, int item) const {
    const UnitSystem units = OutputUnitSystem(*this);
    if (units == UnitSystem::kNone) return 0.0;
    const std::optional<LoadItem> load = LoadItemOfNumber(item);
    if (!load) return 0.0;
    // Indices outside the tables answer 0 like an item out of range.
    if (hour < 0 || hour > 24 || month < 0 || month > 12) return 0.0;
    const double tons = LoadItemTons(*this, hour, month, *load);
    return units == UnitSystem::kMetric ? kKwPerTon * tons : tons;
}

double CQuarnDoc::GetLoadComponent(int hour, int month, LoadItem item) const {
    return GetLoadComponent(hour, month, static_cast<int>(item));
}

double CQuarnDoc::GetVentilationAirFlow() const {
    switch (OutputUnitSystem(*this)) {
        case UnitSystem::kEnglish:
            return m_dVentCFM;
        case UnitSystem::kMetric:
            return m_dVentCFM / kCfmPerLps;
        case UnitSystem::kNone:
            break;
    }
    return 0.0;
}

double CQuarnDoc::GetHeatLossItem(int item) const {
    if (item < 1 || item > 13) return 0.0;
    switch (OutputUnitSystem(*this)) {
        case UnitSystem::kEnglish:
            return m_dHeatLoss[item - 1];
        case UnitSystem::kMetric:
            return m_dHeatLoss[item - 1] / kBtuhPerW;
        case UnitSystem::kNone:
            break;
    }
    return 0.0;
}
