#pragma once

#include <span>
#include <string>

#include "document/QuarnDocData.h"
#include "input/FieldTable.h"
#include "input/InputError.h"

class CQuarnDoc;

// The External Walls and Roof Input Data dialog: areas and U-values of the eight walls and the
// roof, and the walls below grade, in the project's input unit system.
struct CWallsRoofValues {
    double m_dWallArea[kOrientations] = {};
    double m_dRoofArea = 0;
    double m_dWallUCool[kOrientations] = {};
    double m_dRoofUCool = 0;
    double m_dWallUHeat[kOrientations] = {};
    double m_dRoofUHeat = 0;
    double m_dBGWallArea = 0;
    double m_dGroundTemp = 0;
    double m_dBGWallUHeat = 0;

    // Unit labels: the two area labels share one text, and so do the two U-value labels.
    std::string m_strAreaUnit;
    std::string m_strUValueUnit;
    std::string m_strTempUnit;
};

// The dialog's fields, one row each, in the order they are checked.
using WallsRoofRow = FieldRow<CWallsRoofValues>;
std::span<const WallsRoofRow> WallsRoofFields();

// The dialog's fields as it opens. With no unit system selected, every field keeps its
// initial value and the labels stay empty.
CWallsRoofValues FillWallsRoof(const CQuarnDoc& doc);

// Every box but the ground temperature refuses a minus sign; every number must be finite and
// within its kind's maximum.
InputResult ValidateWallsRoof(const CWallsRoofValues& values);

// OK: stores the fields in English units (nothing with no unit system selected), sets the
// walls-and-roof-supplied flag and recalculates the loads.
void ApplyWallsRoof(CQuarnDoc& doc, const CWallsRoofValues& values);

template <class F>
void ForEachField(CWallsRoofValues& values, F&& field) {
    ForEachTableField(WallsRoofFields(), values, field);
}
