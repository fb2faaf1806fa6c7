#pragma once

#include <optional>
#include <string>

#include "calc/PeakSearch.h"
#include "document/QuarnDocData.h"
#include "units/Units.h"

// What a view kind shows, read from a project without changing it: the value of a cell, the
// title and axis caption, and the extreme cells. The table, graph and summary draw from these,
// and the command line's report and export read them directly.

// The value of a kind at an hour and month in the project's output units. Hour or month 0
// gives the raw header cell. 0 for the reports without hourly values, a number that is no kind,
// cells outside the tables and a project with no output unit system.
double ViewValue(const CQuarnDocData& doc, int kind, int hour, int month);

// A kind's title and axis caption.
struct ViewLabelText {
    std::string strTitle;
    std::string strAxis;
};

// The labels of a kind in a unit system; none for the heating and input data reports, a
// number that is no kind and no unit system (a shown kind then keeps the labels it had).
std::optional<ViewLabelText> ViewLabels(int kind, UnitSystem units);

// The extreme values of a kind over hours 1..24 and months 1..12, in output units.
struct ViewExtremes {
    int m_nMinMonth = 1;
    int m_nMinHour = 1;
    int m_nMaxMonth = 1;
    int m_nMaxHour = 1;
    double m_dMinValue = 0;
    double m_dMaxValue = 0;
    double m_dAbsMax = 0;
};

// The peak search over ViewValue.
ViewExtremes FindViewExtremes(const CQuarnDocData& doc, int kind);
// The same extremes from a search already made.
ViewExtremes ExtremesOf(const PeakResult& peak);
