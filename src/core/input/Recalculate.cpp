#include "input/Recalculate.h"

#include "document/QuarnDoc.h"

void Recalculate(CQuarnDoc& doc) {
    doc.RecalcGeneralData();
    doc.FinishInput();
}
