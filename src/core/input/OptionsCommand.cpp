#include "input/OptionsCommand.h"

#include "document/Options.h"
#include "document/QuarnDoc.h"

namespace {
// A radio group shows no button for a value that is not one of its choices, and reads back -1.
int RadioChoice(int value) { return (value == 0 || value == 1) ? value : -1; }

InputResult CheckRadio(const char* name, int value) {
    if (value >= -1 && value <= 1) return std::nullopt;
    return InputError{name, "Please enter an integer between 0 and 1."};
}
}  // namespace

COptionsValues FillOptions(const CQuarnDoc& doc) {
    COptionsValues v;
    v.m_nInputUnits = RadioChoice(doc.m_nInputUnits);
    v.m_nOutputUnits = RadioChoice(doc.m_nOutputUnits);
    v.m_nDisplaySize = RadioChoice(doc.m_nDisplaySize);
    v.m_nFontSize = RadioChoice(doc.m_nFontSize);
    return v;
}

InputResult ValidateOptions(const COptionsValues& v) {
    if (auto e = CheckRadio("m_nInputUnits", v.m_nInputUnits)) return e;
    if (auto e = CheckRadio("m_nOutputUnits", v.m_nOutputUnits)) return e;
    if (auto e = CheckRadio("m_nDisplaySize", v.m_nDisplaySize)) return e;
    return CheckRadio("m_nFontSize", v.m_nFontSize);
}

void ApplyOptions(CQuarnDoc& doc, const COptionsValues& v) {
    doc.Messages().ShowMessage("Future projects will use these settings");
    doc.m_nInputUnits = v.m_nInputUnits;
    doc.m_nOutputUnits = v.m_nOutputUnits;
    doc.m_nDisplaySize = v.m_nDisplaySize;
    doc.m_nFontSize = v.m_nFontSize;
    const int values[kOptionCount] = {v.m_nInputUnits, v.m_nOutputUnits, v.m_nDisplaySize,
                                      v.m_nFontSize};
    WriteOptionsFile(values, doc.Messages());
    doc.UpdateAllViews();
}
