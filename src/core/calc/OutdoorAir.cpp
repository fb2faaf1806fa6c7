// The outdoor side of the cooling load: monthly design temperatures, the steam-table properties
// and humidity ratios they lead to, and the sensible and latent loads of infiltration and
// ventilation air.
#include <cmath>
#include <memory>

#include "document/QuarnDoc.h"
#include "tables/ReferenceReader.h"

namespace {

constexpr int kSteamTableFile = 75;
constexpr int kSteamFirstRow = 1;
constexpr int kSteamLastScannedRow = 195;  // its bracket reaches row 196, the last one
constexpr int kSteamLastRow = 196;
constexpr int kSteamTempColumn = 1;
constexpr int kSteamProperties = 6;  // columns 2..7
// The properties of the condensed phase under the vapour: ice at or below the triple point of
// water, 32.018 F, liquid above it.
constexpr int kCondensedEnthalpy = 2;
constexpr int kCondensedEntropy = 4;
constexpr double kTriplePointF = 32.018;

// The six properties of the steam table at temperature t. Rows are scanned in order and the
// last row at or below t opens the bracket, so t beyond the last row extrapolates from the top
// two rows. Below the first row nothing brackets t: it extrapolates from the first two rows
// instead of keeping the bracket of the previous month's lookup (the room's lookup, which comes
// first, would have none), so each lookup stays inside the table and stands alone.
void SteamProperties(const TableData& table, double t, double* properties) {
    int lo = kSteamFirstRow;
    int hi = kSteamFirstRow + 1;
    for (int row = kSteamFirstRow; row <= kSteamLastScannedRow; ++row) {
        if (table.At(row, kSteamTempColumn) <= t) {
            lo = row;
            hi = row + 1;
        }
    }
    const double x0 = table.At(lo, kSteamTempColumn);
    const double x1 = table.At(hi, kSteamTempColumn);
    for (int p = 0; p < kSteamProperties; ++p) {
        properties[p] = Interpolate(x0, t, x1, table.At(lo, p + 2), table.At(hi, p + 2));
    }

    // A bracket with ice in one row and water in the other (32 and 33 F) would mix the two
    // phases' enthalpies, which differ by the heat of fusion. The condensed phase's properties
    // come instead from the two nearest rows of t's own phase, extrapolated over the short way
    // from the nearer one.
    if (!(x0 <= kTriplePointF && x1 > kTriplePointF)) return;
    const int a = t > kTriplePointF ? hi : lo - 1;
    const int b = a + 1;
    if (a < kSteamFirstRow || b > kSteamLastRow) return;
    const double xa = table.At(a, kSteamTempColumn);
    const double xb = table.At(b, kSteamTempColumn);
    for (int p : {kCondensedEnthalpy, kCondensedEntropy}) {
        properties[p] = Interpolate(xa, t, xb, table.At(a, p + 2), table.At(b, p + 2));
    }
}

// Outdoor dry-bulb of the hour: the month's design dry-bulb less the hour's share of the daily
// range (in the usual profile hour 15 is the warmest, hour 5 the coolest).
double OutdoorDryBulb(const CQuarnDocData& d, int hour, int month) {
    return d.m_dMonthDB[month] - d.m_dDailyRangePct[hour] * d.m_dDailyRange * 0.01;
}

// Humidity ratio of air whose water vapour pressure is pw, at barometric pressure p.
double HumidityRatio(double pw, double p) {
    if (p - pw == 0.0) return 0.622 * pw;
    return 0.622 * pw / (p - pw);
}

}  // namespace

void CQuarnDoc::CalcMonthlyDesignTemps() {
    const double t = m_dOutsideDBCool;
    const double m = (t + m_dOutsideDBHeat) * 0.5;
    const double d = t - m;
    const double e = 0.8 * d;
    // January .. December north of the equator: up from the mean to the design value in June and
    // July, then down towards the value of the month before the coldest one in smaller steps.
    const double profile[12] = {m, t - 0.8 * d, t - 0.6 * d, t - 0.4 * d, t - 0.2 * d, t,
                                t, t - 0.2 * e, t - 0.4 * e, t - 0.6 * e, t - 0.8 * e, t - 0.8 * d};
    const bool south = m_dLatitude < 0;
    for (int month = 1; month <= 12; ++month) {
        // South of the equator the seasons come six months later.
        const int index = south ? (month + 5) % 12 : month - 1;
        m_dMonthDB[month] = profile[index];
        const bool peak = index == 5 || index == 6;
        // A project without a station has T = 0: every month keeps the design wet-bulb rather
        // than a division by zero that would spread into every latent load.
        if (peak || t == 0.0) {
            m_dMonthWB[month] = m_dOutsideWBCool;
        } else {
            m_dMonthWB[month] = m_dOutsideWBCool * m_dMonthDB[month] / t;
        }
    }
}

void CQuarnDoc::ReadSteamTable() {
    const std::shared_ptr<const TableData> shared =
        ReadSharedReferenceTable(kSteamTableFile, Messages());
    if (shared == nullptr) return;
    const TableData& table = *shared;

    SteamProperties(table, m_dInsideDBCool, m_dPsyAtRoom);
    double properties[kSteamProperties];
    for (int month = 1; month <= 12; ++month) {
        SteamProperties(table, m_dMonthDB[month], properties);
        for (int p = 0; p < kSteamProperties; ++p) m_dPsyAtDB[p][month] = properties[p];
        SteamProperties(table, m_dMonthWB[month], properties);
        for (int p = 0; p < kSteamProperties; ++p) m_dPsyAtWB[p][month] = properties[p];
    }
}

void CQuarnDoc::CalcHumidityRatios() {
    // Barometric pressure of the standard atmosphere at the station's elevation, psia.
    const double p = 14.696 * std::pow(1 - 6.875012049586458e-06 * m_dElevation, 5.256);

    for (int month = 1; month <= 12; ++month) {
        const double ws = HumidityRatio(m_dPsyAtWB[0][month], p);
        const double numerator = (m_dPsyAtWB[3][month] - m_dPsyAtWB[2][month]) * ws -
                                 0.24 * (m_dMonthDB[month] - m_dMonthWB[month]);
        const double denominator = m_dPsyAtDB[3][month] - m_dPsyAtWB[2][month];
        m_dMonthHumRatio[month] = denominator == 0.0 ? numerator : numerator / denominator;
    }

    const double pw = m_dInsideRH * m_dPsyAtRoom[0] * 0.01;
    m_dRoomHumRatio = HumidityRatio(pw, p);
}

void CQuarnDoc::CalcInfiltrationLoads(int hour, int month) {
    const double to = OutdoorDryBulb(*this, hour, month);
    // Air changes x volume / 60 is CFM; 1.1 and 4840 make Btu/h; the factors include / 12000.
    m_tblInfilSens[hour][month] =
        (to - m_dInsideDBCool) * m_dBuildingVolume * m_dInfilACHCool * 1.5277777777777778e-06;
    m_tblInfilLat[hour][month] = (m_dMonthHumRatio[month] - m_dRoomHumRatio) * m_dBuildingVolume *
                                 m_dInfilACHCool * 0.006722222222222222;
}

void CQuarnDoc::CalcVentilationLoads(int hour, int month) {
    m_dVentCFM = 0;
    for (int i = 0; i < kOccupancyCategories; ++i) {
        m_dVentCFM += m_nOccupants[i] * m_dVentPerOccupant[i];
    }
    const double to = OutdoorDryBulb(*this, hour, month);
    // 1.1 and 4840 per CFM make Btu/h; the factors include / 12000.
    m_tblVentSens[hour][month] = (to - m_dInsideDBCool) * m_dVentCFM * 9.166666666666667e-05;
    m_tblVentLat[hour][month] =
        (m_dMonthHumRatio[month] - m_dRoomHumRatio) * m_dVentCFM * 0.4033333333333333;
}
