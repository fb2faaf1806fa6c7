#pragma once

#include <span>
#include <string>

#include "document/QuarnDocData.h"
#include "input/FieldTable.h"
#include "input/InputError.h"
#include "windows/WindowList.h"

class CQuarnDoc;

// The keys of the eight orientation pages, in page order (N, NE, ..., NW).
inline constexpr const char* kWindowPageKeys[kOrientations] = {"N", "NE", "E", "SE",
                                                               "S", "SW", "W", "NW"};

// The Windows Data wizard: one list of window records per orientation page, with the lengths
// in the page's unit (ft with English input, m with Metric input).
struct CWindowsValues {
    int m_bEnglish = -1;          // 1 English, 0 Metric; -1 when the command set neither
    std::string m_strLengthUnit;  // "Ft" or "m" beside every dimension; empty with neither
    CWindowList m_aWindows[kOrientations];

    // The document's records as the wizard opened, in ft, so that a record the user left as it
    // was goes back bit for bit rather than through a division and a multiplication.
    CWindowList m_aOpened[kOrientations];
};

// A record from the page's unit to the stored ft, and back. Metric lengths are multiplied by
// 3.281 to store and divided to show; with neither unit system they pass unchanged.
CWindo WindowToStored(const CWindo& page, int bEnglish);
CWindo WindowToPage(const CWindo& stored, int bEnglish);

// The wizard as it opens: every page gets a copy of its orientation's list, in its unit.
CWindowsValues FillWindows(const CQuarnDoc& doc);

// What Add and Update refuse: a quantity below 1 or above the largest count, and (the fields
// take no minus sign) a negative dimension, or one that is not finite or above the largest
// length. Fields are named by page and record, e.g. "SE[1].m_nQuantity".
InputResult ValidateWindows(const CWindowsValues& values);

// Finish: every document list is replaced by its page's list, in ft; the windows-supplied
// flag is set and the loads are recalculated.
void ApplyWindows(CQuarnDoc& doc, const CWindowsValues& values);

// The eight page lists, by page key.
template <class F>
void ForEachWindowList(CWindowsValues& values, F&& list) {
    for (int k = 0; k < kOrientations; ++k) list(kWindowPageKeys[k], values.m_aWindows[k]);
}

// The fields of one record as a page shows them: the quantity and the eight dimensions,
// each stored into the same member of the document's record.
template <>
inline constexpr bool kHasFieldArrays<CWindo> = false;
using WindowRow = FieldRow<CWindo, CWindo>;
std::span<const WindowRow> WindowFields();

template <class F>
void ForEachWindowField(CWindo& window, F&& field) {
    ForEachTableField(WindowFields(), window, field);
}
