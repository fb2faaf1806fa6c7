#pragma once

#include <span>
#include <string>

#include "document/QuarnDocData.h"
#include "input/FieldTable.h"
#include "input/InputError.h"

class CQuarnDoc;

// The Glass Block Walls Data dialog: the glass block area of each orientation, in the input
// unit system, and the shade choice (0 "No Indoor Shade", 1 "Indoor Shade", -1 none chosen).
struct CGlassBlocksValues {
    double m_dGlassBlockArea[kOrientations] = {};
    int m_nGlassBlockShade = -1;
    std::string m_strAreaUnit;  // "Sq Ft" or "Sq m"
};

// The dialog's fields, one row each, in the order they are checked.
using GlassBlocksRow = FieldRow<CGlassBlocksValues>;
std::span<const GlassBlocksRow> GlassBlocksFields();

// The dialog's fields as it opens. A stored shade that is neither choice shows no choice, as
// the radio buttons would. With no unit system selected the areas stay 0 and the label empty.
CGlassBlocksValues FillGlassBlocks(const CQuarnDoc& doc);

// The shade is one of the two radio buttons or none; the area boxes refuse a minus sign.
InputResult ValidateGlassBlocks(const CGlassBlocksValues& values);

// OK: stores the shade and the areas (in sq ft; the areas not with no unit system selected),
// sets the glass block properties and cooling load factors of the shade, sets the
// glass-blocks-supplied flag and recalculates the loads.
void ApplyGlassBlocks(CQuarnDoc& doc, const CGlassBlocksValues& values);

template <class F>
void ForEachField(CGlassBlocksValues& values, F&& field) {
    ForEachTableField(GlassBlocksFields(), values, field);
}
