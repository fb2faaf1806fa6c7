#pragma once

#include <string>

class CQuarnDoc;

// The eight boxes of the summary pane under "KEY PROJECT INPUT VARIABLES", in output units.
struct SummaryText {
    std::string strProject;
    std::string strStation;
    std::string strLatitude;
    std::string strLongitude;
    std::string strElevation;
    std::string strOutside;  // summer and winter outside design conditions
    std::string strInside;   // inside design conditions
    std::string strUnits;    // input and output unit systems

    bool operator==(const SummaryText&) const = default;
};

// The text of the boxes for the document as it is now. Until a station is chosen the first
// seven boxes keep what they showed before (previous; empty for a new pane) and only the units
// box is refreshed.
SummaryText BuildSummaryText(const CQuarnDoc& doc, const SummaryText& previous);
