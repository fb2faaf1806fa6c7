// Room and grand totals of one hour-month cell, and the summary values the reports read in the
// output unit system.
#include "document/QuarnDoc.h"
#include "units/Units.h"

namespace {

constexpr int kEnglishUnits = 0;
constexpr int kMetricUnits = 1;

// Summary item 1..22 of one cell, tons; daily tables give their one column.
double ComponentTons(const CQuarnDocData& d, int h, int m, int item) {
    switch (item) {
        case 1:
            return d.m_tblTotal[h][m];
        case 2:
            return d.m_tblWallAll[h][m];
        case 3:
            return d.m_tblRoof[h][m];
        case 4:
            return d.m_tblFloorCeilPart[h][m];
        case 5:
            return d.m_tblGlassSolarAll[h][m];
        case 6:
            return d.m_tblGlassCondAll[h][m];
        case 7:
            return d.m_tblSkylight[h][m];
        case 8:
            return d.m_tblGlassBlockAll[h][m];
        case 9:
            return d.m_tblLights[h][1];
        case 10:
            return d.m_tblPeopleSens[h][1];
        case 11:
            return d.m_tblPeopleLat[h][1];
        case 12:
            return d.m_tblElecEquip[h][1];
        case 13:
            return d.m_tblPowerEquip[h][1];
        // Hooded appliances have no latent part; the reports show them with the unhooded ones.
        case 14:
            return d.m_tblHoodedAppl[h][1] + d.m_tblUnhoodedApplSens[h][1];
        case 15:
            return d.m_tblUnhoodedApplLat[h][1];
        case 16:
            return d.m_tblInfilSens[h][m];
        case 17:
            return d.m_tblInfilLat[h][m];
        case 18:
            return d.m_tblVentSens[h][m];
        case 19:
            return d.m_tblVentLat[h][m];
        case 20:
            return d.m_tblRoomSensible[h][m];
        case 21:
            return d.m_tblRoomLatent[h][m];
        case 22:
            return d.m_tblRoomTotal[h][m];
        default:
            return 0.0;
    }
}

}  // namespace

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
    if (m_nOutputUnits != kEnglishUnits && m_nOutputUnits != kMetricUnits) return 0.0;
    if (item < 1 || item > 22) return 0.0;
    // Indices outside the tables answer 0 like an item out of range.
    if (hour < 0 || hour > 24 || month < 0 || month > 12) return 0.0;
    const double tons = ComponentTons(*this, hour, month, item);
    return m_nOutputUnits == kMetricUnits ? kKwPerTon * tons : tons;
}

double CQuarnDoc::GetVentilationAirFlow() const {
    if (m_nOutputUnits == kEnglishUnits) return m_dVentCFM;
    if (m_nOutputUnits == kMetricUnits) return m_dVentCFM / kCfmPerLps;
    return 0.0;
}

double CQuarnDoc::GetHeatLossItem(int item) const {
    if (item < 1 || item > 13) return 0.0;
    if (m_nOutputUnits == kEnglishUnits) return m_dHeatLoss[item - 1];
    if (m_nOutputUnits == kMetricUnits) return m_dHeatLoss[item - 1] / kBtuhPerW;
    return 0.0;
}
