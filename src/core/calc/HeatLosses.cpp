// The winter heating load: a steady-state loss at the heating design condition, twelve items and
// their total in Btu/h, with no solar or internal gain credit.
#include "document/QuarnDoc.h"

void CQuarnDoc::CalcHeatLosses() {
    const double dT = m_dInsideDBHeat - m_dOutsideDBHeat;
    const double dTg = m_dInsideDBHeat - m_dGroundTemp;  // below grade the ground is outside

    double walls = 0;
    double windowArea = 0;
    double glassBlockArea = 0;
    for (int i = 0; i < kOrientations; ++i) {
        walls += m_dWallUHeat[i] * m_dWallArea[i] * dT;
        windowArea += m_dWindowArea[i];
        glassBlockArea += m_dGlassBlockArea[i];
    }
    double partitions = 0;
    for (int j = kPartition1; j <= kPartitionGlass; ++j) {
        partitions += m_dSurfTDHeat[j] * m_dSurfUHeat[j] * m_dSurfArea[j];
    }

    m_dHeatLoss[0] = walls;
    m_dHeatLoss[1] = m_dBGWallUHeat * m_dBGWallArea * dTg;
    m_dHeatLoss[2] = m_dRoofUHeat * m_dRoofArea * dT;
    m_dHeatLoss[3] = windowArea * m_dGlassUHeat * dT;
    m_dHeatLoss[4] = m_dSkyUHeat[1] * m_dSkyArea[1] * dT + m_dSkyUHeat[0] * m_dSkyArea[0] * dT;
    m_dHeatLoss[5] = glassBlockArea * m_dGlassBlockUHeat * dT;
    // Surfaces next to unconditioned space lose across the difference the user entered for each.
    m_dHeatLoss[6] = m_dSurfTDHeat[kFloor] * m_dSurfUHeat[kFloor] * m_dSurfArea[kFloor];
    // The edge factor already is a loss per foot of exposed perimeter.
    m_dHeatLoss[7] = m_dSlabUHeat * m_dSlabArea * dTg + m_dSlabPerimeter * m_dSlabEdgeFactor;
    m_dHeatLoss[8] = m_dSurfTDHeat[kCeiling] * m_dSurfUHeat[kCeiling] * m_dSurfArea[kCeiling];
    m_dHeatLoss[9] = partitions;
    // 0.018 Btu per cu ft and F for air changes; 1.08 Btu/h per CFM and F for outdoor air.
    m_dHeatLoss[10] = m_dBuildingVolume * m_dInfilACHHeat * dT * 0.018;
    m_dHeatLoss[11] = dT * m_dVentCFM * 1.08;

    double total = 0;
    for (int item = 0; item < 12; ++item) total += m_dHeatLoss[item];
    m_dHeatLoss[12] = total;
}
