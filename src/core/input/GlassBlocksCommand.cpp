#include "input/GlassBlocksCommand.h"

#include "document/QuarnDoc.h"

namespace {

using V = CGlassBlocksValues;
using D = CQuarnDocData;

const GlassBlocksRow kFields[] = {
    {"m_dGlassBlockArea", &V::m_dGlassBlockArea, &D::m_dGlassBlockArea, UnitKind::kGlassBlockArea,
     NotNegative(FieldKind::kArea)},
    {"m_nGlassBlockShade", &V::m_nGlassBlockShade, &D::m_nGlassBlockShade, UnitKind::kNone,
     ChoiceOrNone(2)},
};

}  // namespace

std::span<const GlassBlocksRow> GlassBlocksFields() { return kFields; }

CGlassBlocksValues FillGlassBlocks(const CQuarnDoc& doc) {
    CGlassBlocksValues v;
    const UnitSystem units = InputUnitSystem(doc);
    FillFields(GlassBlocksFields(), v, static_cast<const CQuarnDocData&>(doc), units);
    if (units == UnitSystem::kEnglish) v.m_strAreaUnit = "Sq Ft";
    if (units == UnitSystem::kMetric) v.m_strAreaUnit = "Sq m";
    return v;
}

InputResult ValidateGlassBlocks(const CGlassBlocksValues& v) {
    return CheckFields(GlassBlocksFields(), v);
}

void ApplyGlassBlocks(CQuarnDoc& doc, const CGlassBlocksValues& v) {
    ApplyFields(GlassBlocksFields(), static_cast<CQuarnDocData&>(doc), v, InputUnitSystem(doc));
    doc.SetGlassBlockU();
    doc.SetGlassBlockSC();
    doc.ReadGlassBlockCLF();
    doc.m_bGlassBlocksSupplied = 1;
    doc.FinishInput();
}
