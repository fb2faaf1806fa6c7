#include <cstdint>

#include "lumora/lumora.h"

namespace {

struct CityRecord {
    int bHasRecord;
    double dValues[12];
};

// Indexed by station index; 0 and the indices without a station carry no record.
constexpr CityRecord kCityVars[1990] = {
#include "CityVarsData.inc"
};

}  // namespace

extern "C" void SetCityVars(int* pIndex, double* pLatitude, double* pLongitude, double* pElevation,
                            double* pHeatDB996, double* pHeatDB99, double* pCoolDB04,
                            double* pCoolWB04, double* pCoolDB1, double* pCoolWB1, double* pCoolDB2,
                            double* pCoolWB2, double* pDailyRange) {
    // One unsigned comparison rejects both indices below 1 and above 1989.
    if (static_cast<uint32_t>(*pIndex) - 1u > 1988u) return;
    const CityRecord& record = kCityVars[*pIndex];
    if (!record.bHasRecord) return;
    const double* v = record.dValues;
    *pLatitude = v[0];
    *pLongitude = v[1];
    *pElevation = v[2];
    *pHeatDB996 = v[3];
    *pHeatDB99 = v[4];
    *pCoolDB04 = v[5];
    *pCoolWB04 = v[6];
    *pCoolDB1 = v[7];
    *pCoolWB1 = v[8];
    *pCoolDB2 = v[9];
    *pCoolWB2 = v[10];
    *pDailyRange = v[11];
}
