#pragma once

#include <span>

#include "input/FieldTable.h"
#include "input/InputError.h"

class CQuarnDoc;

// The Set Application Options dialog: four radio groups, each 0 or 1, -1 when no button is
// chosen (the dialog's own starting value, and what a stored value that is neither choice
// reads back as).
struct COptionsValues {
    int m_nInputUnits = -1;   // 0 English, 1 Metric
    int m_nOutputUnits = -1;  // 0 English, 1 Metric
    int m_nDisplaySize = -1;  // 0 Large, 1 Small
    int m_nFontSize = -1;     // 0 Large, 1 Small
};

// The dialog's four radio groups, one row each.
template <>
inline constexpr bool kHasFieldArrays<COptionsValues> = false;
using OptionsRow = FieldRow<COptionsValues>;
std::span<const OptionsRow> OptionsFields();

// The dialog as it opens, set from the document's four options.
COptionsValues FillOptions(const CQuarnDoc& doc);

// Each value is one of its two buttons or none.
InputResult ValidateOptions(const COptionsValues& values);

// OK: tells the user that future projects will use the settings, copies the four values into
// the document and writes them to the options file (a failure is reported; the document keeps
// the new values), then updates the views. The document is not marked modified.
void ApplyOptions(CQuarnDoc& doc, const COptionsValues& values);

// The four values into the project only: what a project description sets.
void StoreOptions(CQuarnDoc& doc, const COptionsValues& values);

template <class F>
void ForEachField(COptionsValues& values, F&& field) {
    ForEachTableField(OptionsFields(), values, field);
}
