#include "input/OptionsCommand.h"

#include "document/Options.h"
#include "document/QuarnDoc.h"

namespace {

using V = COptionsValues;
using D = CQuarnDocData;

// A radio group shows no button for a value that is not one of its choices, and reads back -1.
const OptionsRow kFields[] = {
    {"m_nInputUnits", &V::m_nInputUnits, &D::m_nInputUnits, UnitKind::kNone, ChoiceOrNone(2)},
    {"m_nOutputUnits", &V::m_nOutputUnits, &D::m_nOutputUnits, UnitKind::kNone, ChoiceOrNone(2)},
    {"m_nDisplaySize", &V::m_nDisplaySize, &D::m_nDisplaySize, UnitKind::kNone, ChoiceOrNone(2)},
    {"m_nFontSize", &V::m_nFontSize, &D::m_nFontSize, UnitKind::kNone, ChoiceOrNone(2)},
};

}  // namespace

std::span<const OptionsRow> OptionsFields() { return kFields; }

COptionsValues FillOptions(const CQuarnDoc& doc) {
    COptionsValues v;
    FillFields(OptionsFields(), v, static_cast<const CQuarnDocData&>(doc), UnitSystem::kNone);
    return v;
}

InputResult ValidateOptions(const COptionsValues& v) { return CheckFields(OptionsFields(), v); }

void StoreOptions(CQuarnDoc& doc, const COptionsValues& v) {
    ApplyFields(OptionsFields(), static_cast<CQuarnDocData&>(doc), v, UnitSystem::kNone);
}

void ApplyOptions(CQuarnDoc& doc, const COptionsValues& v) {
    doc.Messages().ShowMessage("Future projects will use these settings");
    StoreOptions(doc, v);
    const int values[kOptionCount] = {v.m_nInputUnits, v.m_nOutputUnits, v.m_nDisplaySize,
                                      v.m_nFontSize};
    WriteOptionsFile(values, doc.Messages());
    doc.UpdateAllViews();
}
