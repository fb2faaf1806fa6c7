#pragma once

#if defined(_WIN32)
#define LUMORA_API __declspec(dllexport)
#else
#define LUMORA_API __attribute__((visibility("default")))
#endif

// Writes the design climate of station index *pIndex (1..1989): latitude (north positive),
// longitude (west positive), elevation ft, heating dry-bulb 99.6 % and 99 %, cooling dry-bulb
// and mean coincident wet-bulb at 0.4 %, 1 % and 2 % (deg F), mean daily range (F degrees).
// An index outside 1..1989, or one without a record, writes nothing.
extern "C" LUMORA_API void SetCityVars(int* pIndex, double* pLatitude, double* pLongitude,
                                       double* pElevation, double* pHeatDB996, double* pHeatDB99,
                                       double* pCoolDB04, double* pCoolWB04, double* pCoolDB1,
                                       double* pCoolWB1, double* pCoolDB2, double* pCoolWB2,
                                       double* pDailyRange);
