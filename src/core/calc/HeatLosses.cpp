// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::CalcHeatLosses() {}
