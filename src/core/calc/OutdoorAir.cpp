// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::CalcMonthlyDesignTemps() {}
void CQuarnDoc::ReadSteamTable() {}
void CQuarnDoc::CalcHumidityRatios() {}
void CQuarnDoc::CalcInfiltrationLoads(int, int) {}
void CQuarnDoc::CalcVentilationLoads(int, int) {}
