#include "WinSheet.h"

bool RunWindowsWizard(QWidget*, CQuarnDoc&) { return false; }
