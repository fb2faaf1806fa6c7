// Placeholder until the calculation is written.
#include "document/QuarnDoc.h"

void CQuarnDoc::ReadLightsCLF() {}
void CQuarnDoc::AdjustPeopleGains() {}
void CQuarnDoc::ReadPeopleCLF() {}
void CQuarnDoc::ReadHoodedCLF() {}
void CQuarnDoc::ReadUnhoodedCLF() {}
void CQuarnDoc::ReadPowerEquipCLF() {}
void CQuarnDoc::ReadElecEquipCLF() {}
void CQuarnDoc::CalcInternalLoads(int) {}
