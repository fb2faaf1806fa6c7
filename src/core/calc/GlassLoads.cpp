// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::CorrectGlassCLTD() {}
void CQuarnDoc::ReadShadingCoefficients() {}
void CQuarnDoc::ReadGlassCLF() {}
void CQuarnDoc::SetGlassUValues() {}
void CQuarnDoc::ReadSunlitSHGF() {}
void CQuarnDoc::ReadShadedSHGF() {}
void CQuarnDoc::SetGlassBlockU() {}
void CQuarnDoc::SetGlassBlockSC() {}
void CQuarnDoc::ReadGlassBlockCLF() {}
void CQuarnDoc::CalcGlassLoads(int, int, int) {}
void CQuarnDoc::CalcGlassTotalsSkylightsAndBlocks(int, int) {}
