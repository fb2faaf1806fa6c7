#pragma once

#include <string>

#include "document/QuarnDocData.h"
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

// The dialog's fields as it opens. With no unit system selected, every field keeps its
// initial value and the labels stay empty.
CWallsRoofValues FillWallsRoof(CQuarnDoc& doc);

// Every box but the ground temperature refuses a minus sign; every number must be finite and
// within its kind's maximum.
InputResult ValidateWallsRoof(const CWallsRoofValues& values);

// OK: stores the fields in English units (nothing with no unit system selected), sets the
// walls-and-roof-supplied flag and recalculates the loads.
void ApplyWallsRoof(CQuarnDoc& doc, const CWallsRoofValues& values);

template <class F>
void ForEachField(CWallsRoofValues& values, F&& field) {
    field("m_dWallArea", values.m_dWallArea);
    field("m_dRoofArea", values.m_dRoofArea);
    field("m_dWallUCool", values.m_dWallUCool);
    field("m_dRoofUCool", values.m_dRoofUCool);
    field("m_dWallUHeat", values.m_dWallUHeat);
    field("m_dRoofUHeat", values.m_dRoofUHeat);
    field("m_dBGWallArea", values.m_dBGWallArea);
    field("m_dGroundTemp", values.m_dGroundTemp);
    field("m_dBGWallUHeat", values.m_dBGWallUHeat);
}
