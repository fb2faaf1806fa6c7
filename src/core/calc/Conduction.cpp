// Conduction through walls, roof, floor, ceiling and partitions by the cooling load temperature
// difference method: the set-up steps pick the reference rows and factors, the hourly step
// corrects the tabulated difference and multiplies it by U and area.
#include <memory>

#include "document/QuarnDoc.h"
#include "tables/ReferenceReader.h"

namespace {

// Btu/h to tons of refrigeration, the engine's one conversion (1 / 12000).
constexpr double kTonsPerBtuh = 8.333333333333333e-05;

constexpr int kRoofWithSuspendedCeilingFile = 34;
constexpr int kRoofWithoutSuspendedCeilingFile = 33;
constexpr int kRoofConstructions = 13;
constexpr int kFirstWallGroupFile = 26;  // group A; B..G follow

}  // namespace

void CQuarnDoc::ReadRoofCLTD() {
    int number = 0;
    if (m_nSuspendedCeiling == 0) number = kRoofWithSuspendedCeilingFile;
    if (m_nSuspendedCeiling == 1) number = kRoofWithoutSuspendedCeilingFile;
    if (number == 0) return;
    const std::shared_ptr<const TableData> table = ReadSharedReferenceTable(number, Messages());
    if (table == nullptr) return;
    // A roof number outside the table has no row; the previous row stays rather than reading
    // past the file.
    if (m_nRoofType < 0 || m_nRoofType >= kRoofConstructions) return;
    for (int h = 0; h < 25; ++h) m_dCLTDRoof[h] = table->At(m_nRoofType + 1, h);
}

void CQuarnDoc::SetRoofColorFactor() {
    if (m_nRoofColor == 0) m_dRoofK = 1.0;
    if (m_nRoofColor == 1) m_dRoofK = 0.5;
}

void CQuarnDoc::SetAtticFactor() {
    if (m_nAtticFan == 0) m_dRoofF = 0.75;
    if (m_nAtticFan == 1) m_dRoofF = 1.0;
}

void CQuarnDoc::SetWallColorFactor() {
    if (m_nWallColor == 0) m_dWallK = 1.0;
    if (m_nWallColor == 1) m_dWallK = 0.83;
    if (m_nWallColor == 2) m_dWallK = 0.65;
}

void CQuarnDoc::ReadWallCLTD() {
    // Groups A..G are stored as the tree codes 10..70.
    const bool chosen = m_nWallGroup >= 10 && m_nWallGroup <= 70 && m_nWallGroup % 10 == 0;
    if (!chosen) {
        Messages().ShowMessage(
            "No wall construction group selected.\nGo back to Page 6 of the Gen. Data Input "
            "Wizard.");
        return;
    }
    const std::shared_ptr<const TableData> table =
        ReadSharedReferenceTable(kFirstWallGroupFile + m_nWallGroup / 10 - 1, Messages());
    if (table == nullptr) return;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 25; ++c) m_dCLTDWall[r][c] = table->At(r, c);
    }
}

void CQuarnDoc::ReadLatitudeCorrection() {
    // Writes the table only when both files of the bracket were read.
    ReadInterpolatedLatitudeTable(LatitudeCorrectionBracket(m_dLatitude), Messages(), m_dLM);
}

void CQuarnDoc::CalcConductionLoads(int hour, int month) {
    if (hour < 1 || hour > 24 || month < 1 || month > 12) return;
    const int h = hour;
    const int m = month;

    // The tables hold differences for an outdoor daily mean of 85 F and a room at 78 F.
    const double tm = m_dMonthDB[m] - m_dDailyRange * 0.5 - 85.0;
    const double ti = 78.0 - m_dInsideDBCool;

    double allWalls = 0.0;
    for (int k = 0; k < kOrientations; ++k) {
        const double load = ((m_dLM[m][k + 1] + m_dCLTDWall[k + 1][h]) * m_dWallK + ti + tm) *
                            m_dWallUCool[k] * m_dWallArea[k] * kTonsPerBtuh;
        m_tblWall[k][h][m] = load;
        allWalls += load;
    }
    m_tblWallAll[h][m] = allWalls;

    // The colour factor scales only the tabulated difference; the attic factor scales all of it.
    m_tblRoof[h][m] = ((m_dLM[m][9] + m_dCLTDRoof[h]) * m_dRoofK + ti + tm) * m_dRoofF *
                      m_dRoofUCool * m_dRoofArea * kTonsPerBtuh;

    // The user gives these temperature differences directly: no correction, no hour.
    double surfaces = 0.0;
    for (int i = 0; i < kSurfaces; ++i) {
        surfaces += m_dSurfUCool[i] * m_dSurfTDCool[i] * m_dSurfArea[i];
    }
    m_tblFloorCeilPart[h][m] = surfaces * kTonsPerBtuh;
}
