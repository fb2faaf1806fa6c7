// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::CalcRoomTotals(int, int) {}
void CQuarnDoc::CalcGrandTotal(int, int) {}
double CQuarnDoc::GetLoadComponent(int, int, int) const { return 0; }
double CQuarnDoc::GetVentilationAirFlow() const { return 0; }
double CQuarnDoc::GetHeatLossItem(int) const { return 0; }
