#pragma once

#include <span>
#include <string>

#include "document/QuarnDocData.h"
#include "input/FieldTable.h"
#include "input/InputError.h"

class CQuarnDoc;

// The Floor, Ceiling, Partitions and Skylights Input Data dialog, in the project's input unit
// system. The six surface rows are indexed by Surface, the skylights 0 sunlit, 1 shaded.
struct CFloorCeilingValues {
    double m_dSurfArea[kSurfaces] = {};
    double m_dSurfTDCool[kSurfaces] = {};
    double m_dSurfTDHeat[kSurfaces] = {};
    double m_dSurfUCool[kSurfaces] = {};
    double m_dSurfUHeat[kSurfaces] = {};
    double m_dSkyArea[2] = {};
    double m_dSkySC[2] = {};
    double m_dSkyUCool[2] = {};
    double m_dSkyUHeat[2] = {};
    double m_dSlabArea = 0;
    double m_dGroundTemp = 0;
    double m_dSlabUHeat = 0;
    double m_dSlabEdgeFactor = 0;
    double m_dSlabPerimeter = 0;

    // Unit labels; the three area labels share one text, and so do the three U-value labels.
    std::string m_strAreaUnit;
    std::string m_strTempDiffUnit;
    std::string m_strTempUnit;
    std::string m_strUValueUnit;
    std::string m_strEdgeFactorUnit;
    std::string m_strLengthUnit;
};

// The dialog's fields, one row each, in the order they are checked.
using FloorCeilingRow = FieldRow<CFloorCeilingValues>;
std::span<const FloorCeilingRow> FloorCeilingFields();

// The dialog's fields as it opens. Until the dialog has once been confirmed for the project,
// the temperature differences start at half the design differences (0 when negative). With no
// unit system selected every field keeps its initial value and the labels stay empty.
CFloorCeilingValues FillFloorCeiling(const CQuarnDoc& doc);

// Every box but the ground temperature refuses a minus sign; every number must be finite and
// within its kind's maximum.
InputResult ValidateFloorCeiling(const CFloorCeilingValues& values);

// OK: stores the fields in English units (nothing with no unit system selected), sets the
// floor-ceiling-supplied flag and recalculates the loads.
void ApplyFloorCeiling(CQuarnDoc& doc, const CFloorCeilingValues& values);

template <class F>
void ForEachField(CFloorCeilingValues& values, F&& field) {
    ForEachTableField(FloorCeilingFields(), values, field);
}
