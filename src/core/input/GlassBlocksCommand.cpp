#include "input/GlassBlocksCommand.h"

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "units/Units.h"

CGlassBlocksValues FillGlassBlocks(CQuarnDoc& doc) {
    CGlassBlocksValues v;
    const int shade = doc.m_nGlassBlockShade;
    v.m_nGlassBlockShade = (shade == 0 || shade == 1) ? shade : -1;
    if (doc.IsInputEnglish()) {
        v.m_strAreaUnit = "Sq Ft";
        for (int k = 0; k < kOrientations; ++k) v.m_dGlassBlockArea[k] = doc.m_dGlassBlockArea[k];
    } else if (doc.IsInputMetric()) {
        v.m_strAreaUnit = "Sq m";
        for (int k = 0; k < kOrientations; ++k) {
            v.m_dGlassBlockArea[k] = doc.m_dGlassBlockArea[k] / kSqFtPerSqMGlassBlock;
        }
    }
    return v;
}

InputResult ValidateGlassBlocks(const CGlassBlocksValues& v) {
    if (auto e = CheckNotNegative("m_dGlassBlockArea", v.m_dGlassBlockArea, FieldKind::kArea))
        return e;
    if (v.m_nGlassBlockShade < -1 || v.m_nGlassBlockShade > 1) {
        return InputError{"m_nGlassBlockShade", "Please enter an integer between 0 and 1."};
    }
    return std::nullopt;
}

void ApplyGlassBlocks(CQuarnDoc& doc, const CGlassBlocksValues& v) {
    doc.m_nGlassBlockShade = v.m_nGlassBlockShade;
    // With no unit system selected the areas never held the project's values; storing them
    // would wipe the glass blocks out, so they are kept then.
    if (doc.IsInputEnglish()) {
        for (int k = 0; k < kOrientations; ++k) doc.m_dGlassBlockArea[k] = v.m_dGlassBlockArea[k];
    } else if (doc.IsInputMetric()) {
        for (int k = 0; k < kOrientations; ++k) {
            doc.m_dGlassBlockArea[k] = v.m_dGlassBlockArea[k] * kSqFtPerSqMGlassBlock;
        }
    }
    doc.SetGlassBlockU();
    doc.SetGlassBlockSC();
    doc.ReadGlassBlockCLF();
    doc.m_bGlassBlocksSupplied = 1;
    doc.FinishInput();
}
