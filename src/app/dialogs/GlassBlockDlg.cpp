#include "GlassBlockDlg.h"

bool RunGlassBlocksDialog(QWidget*, CQuarnDoc&) { return false; }
