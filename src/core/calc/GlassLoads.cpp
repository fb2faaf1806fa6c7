// Heat gains through glass: the reference rows the glass loads need (shading coefficients,
// cooling load factors, solar heat gain factors, U-values), and each hour's window solar gain
// and conduction, skylights and glass block walls. Loads are stored in tons.
#include "document/QuarnDoc.h"
#include "tables/ReferenceReader.h"

namespace {

constexpr double kTonsPerBtuh = 8.333333333333333e-05;  // 1 / 12000

constexpr int kGlassCLFNoShading = 1;  // qlex01: rows 1 + 3 x orientation + construction
constexpr int kGlassCLFShading = 2;    // qlex02: rows 1..9 by orientation
constexpr int kShadingCoefficients = 38;
constexpr int kShadedSHGFNorth = 39;
constexpr int kShadedSHGFSouth = 40;

constexpr int kFirstDoubleGlazing = 22;
constexpr int kGlassTypes = 27;
constexpr int kShadingDevices = 14;

void CopyRow(const TableData& table, int row, double (&target)[25]) {
    for (int c = 0; c < 25; ++c) target[c] = table.At(row, c);
}

// Rows 0, then 1 + 3 x orientation + construction for N..NW and horizontal.
void CopyUnshadedCLF(const TableData& table, int construction, double (&target)[10][25]) {
    CopyRow(table, 0, target[0]);
    for (int o = 0; o < 9; ++o) CopyRow(table, 1 + 3 * o + construction, target[o + 1]);
}

void CopyAllRows(const TableData& table, double (&target)[10][25]) {
    for (int r = 0; r < 10; ++r) CopyRow(table, r, target[r]);
}

}  // namespace

void CQuarnDoc::CorrectGlassCLTD() {
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) {
            m_tblCLTDGlassCorr[h][m] = m_dCLTDGlass[h] + (78.0 - m_dInsideDBCool) +
                                       (m_dMonthDB[m] - m_dDailyRange * 0.5 - 85.0);
        }
    }
}

void CQuarnDoc::ReadShadingCoefficients() {
    // A choice outside the table has no coefficients to copy; keep the previous ones.
    if (m_nGlassType < 0 || m_nGlassType >= kGlassTypes) return;
    if (m_nInteriorShading < 0 || m_nInteriorShading >= kShadingDevices) return;
    TableData table;
    if (!ReadReferenceTable(kShadingCoefficients, Messages(), table)) return;
    const int row = m_nGlassType + 1;
    const int column = 1 + 2 * m_nInteriorShading;
    m_dSCSunlit = table.At(row, column);
    m_dSCShaded = table.At(row, column + 1);
}

void CQuarnDoc::ReadGlassCLF() {
    TableData table;
    if (m_nShadingRoomCombo == 0) {
        if (ReadReferenceTable(kGlassCLFShading, Messages(), table)) {
            CopyAllRows(table, m_dCLFGlass);
        }
    } else if (m_nShadingRoomCombo >= 1 && m_nShadingRoomCombo <= 3) {
        if (ReadReferenceTable(kGlassCLFNoShading, Messages(), table)) {
            CopyUnshadedCLF(table, m_nShadingRoomCombo - 1, m_dCLFGlass);
        }
    }
}

void CQuarnDoc::SetGlassUValues() {
    // Values outside the choice lists have no row in the table and change nothing.
    if (m_nGlassType < 0 || m_nGlassType >= kGlassTypes) return;
    if (m_nInteriorShading < 0 || m_nInteriorShading >= kShadingDevices) return;
    const bool doubleGlazing = m_nGlassType >= kFirstDoubleGlazing;
    if (m_nInteriorShading == 0) {
        m_dGlassUCool = doubleGlazing ? 0.61 : 1.04;
        m_dGlassUHeat = doubleGlazing ? 0.58 : 1.1;
    } else {
        m_dGlassUCool = doubleGlazing ? 0.55 : 0.81;
        m_dGlassUHeat = doubleGlazing ? 0.48 : 0.83;
    }
    m_dGlassUSkyCool = doubleGlazing ? 0.54 : 0.83;
    m_dGlassUSkyHeat = doubleGlazing ? 0.65 : 1.23;
}

void CQuarnDoc::ReadSunlitSHGF() {
    ReadInterpolatedLatitudeTable(SunlitShgfBracket(m_dLatitude), Messages(), m_dSHGFSunlit);
}

void CQuarnDoc::ReadShadedSHGF() {
    TableData table;
    const int file = m_dLatitude < 0 ? kShadedSHGFSouth : kShadedSHGFNorth;
    if (!ReadReferenceTable(file, Messages(), table)) return;
    for (int r = 0; r < 13; ++r) {
        for (int c = 0; c < 10; ++c) m_dSHGFShaded[r][c] = table.At(r, c);
    }
    // Beyond 24 degrees the shaded glass takes the month's sunlit value of the side facing the
    // pole: north in the northern hemisphere, south in the southern.
    int poleSide = 0;
    if (m_dLatitude > 24) poleSide = 1;
    if (m_dLatitude < -24) poleSide = 5;
    if (poleSide == 0) return;
    for (int m = 1; m <= 12; ++m) {
        for (int c = 1; c <= 8; ++c) m_dSHGFShaded[m][c] = m_dSHGFSunlit[m][poleSide];
    }
}

void CQuarnDoc::SetGlassBlockU() {
    if (m_nGlassBlockShade == 0) {
        m_dGlassBlockUCool = 0.51;
        m_dGlassBlockUHeat = 0.43;
    } else if (m_nGlassBlockShade == 1) {
        m_dGlassBlockUCool = 0.48;
        m_dGlassBlockUHeat = 0.38;
    }
}

void CQuarnDoc::SetGlassBlockSC() {
    if (m_nGlassBlockShade == 0) {
        m_dGlassBlockSCSun = 0.65;
        m_dGlassBlockSCShade = 0.4;
    } else if (m_nGlassBlockShade == 1) {
        m_dGlassBlockSCSun = 0.44;
        m_dGlassBlockSCShade = 0.34;
    }
}

void CQuarnDoc::ReadGlassBlockCLF() {
    TableData table;
    if (m_nGlassBlockShade == 0) {
        // Glass block walls count as light construction.
        if (ReadReferenceTable(kGlassCLFNoShading, Messages(), table)) {
            CopyUnshadedCLF(table, 0, m_dCLFGlassBlock);
        }
    } else if (m_nGlassBlockShade == 1) {
        if (ReadReferenceTable(kGlassCLFShading, Messages(), table)) {
            CopyAllRows(table, m_dCLFGlassBlock);
        }
    }
}

void CQuarnDoc::CalcGlassLoads(int hour, int month, int orientation) {
    if (hour < 1 || hour > 24 || month < 1 || month > 12) return;
    if (orientation < 0 || orientation >= kOrientations) return;
    const int h = hour;
    const int m = month;
    const int k = orientation;
    // Shaded glass of every orientation behaves like north glass: it sees only diffuse light.
    const double solar =
        m_tblGlassShadedArea[k][h][m] * m_dCLFGlass[1][h] * m_dSHGFShaded[m][k + 1] * m_dSCShaded +
        m_tblGlassSunlitArea[k][h][m] * m_dCLFGlass[k + 1][h] * m_dSHGFSunlit[m][k + 1] *
            m_dSCSunlit;
    m_tblGlassSolar[k][h][m] = solar * kTonsPerBtuh;
    m_tblGlassCond[k][h][m] =
        m_dWindowArea[k] * m_dGlassUCool * m_tblCLTDGlassCorr[h][m] * kTonsPerBtuh;
}

void CQuarnDoc::CalcGlassTotalsSkylightsAndBlocks(int hour, int month) {
    if (hour < 1 || hour > 24 || month < 1 || month > 12) return;
    const int h = hour;
    const int m = month;

    double solarAll = 0.0;
    double condAll = 0.0;
    for (int k = 0; k < kOrientations; ++k) {
        solarAll += m_tblGlassSolar[k][h][m];
        condAll += m_tblGlassCond[k][h][m];
    }
    m_tblGlassSolarAll[h][m] = solarAll;
    m_tblGlassCondAll[h][m] = condAll;

    const double cltd = m_tblCLTDGlassCorr[h][m];
    const double skylight =
        (m_dSkyUCool[0] * m_dSkyArea[0] + m_dSkyUCool[1] * m_dSkyArea[1]) * cltd +
        m_dCLFSkyA[h] * m_dSHGFSunlit[m][9] * m_dSkySC[0] * m_dSkyArea[0] +
        m_dCLFSkyB[h] * m_dSHGFShaded[m][9] * m_dSkySC[1] * m_dSkyArea[1];
    m_tblSkylight[h][m] = skylight * kTonsPerBtuh;

    // A glass block wall is wholly in sun or wholly in shade: no overhangs or fins.
    m_sunTable.Prepare(m_dLatitude);
    double blocksAll = 0.0;
    for (int k = 0; k < kOrientations; ++k) {
        const double area = m_dGlassBlockArea[k];
        const bool sun = m_sunTable.Wall(k, h, m).sunlit;
        const double shgf = sun ? m_dSHGFSunlit[m][k + 1] : m_dSHGFShaded[m][k + 1];
        const double sc = sun ? m_dGlassBlockSCSun : m_dGlassBlockSCShade;
        const double gain = (m_dLM[m][k + 1] + cltd) * area * m_dGlassBlockUCool +
                            m_dCLFGlassBlock[k + 1][h] * area * shgf * sc;
        m_tblGlassBlock[k][h][m] = gain * kTonsPerBtuh;
        blocksAll += m_tblGlassBlock[k][h][m];
    }
    m_tblGlassBlockAll[h][m] = blocksAll;
}
