// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::ReadRoofCLTD() {}
void CQuarnDoc::SetRoofColorFactor() {}
void CQuarnDoc::SetAtticFactor() {}
void CQuarnDoc::SetWallColorFactor() {}
void CQuarnDoc::ReadWallCLTD() {}
void CQuarnDoc::ReadLatitudeCorrection() {}
void CQuarnDoc::CalcConductionLoads(int, int) {}
