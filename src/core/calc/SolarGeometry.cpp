// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::CalcSunlitGlassArea(int, int, int, const CWindowList&) {}
int CQuarnDoc::IsWallSunlit(int, int, int) const { return 0; }
