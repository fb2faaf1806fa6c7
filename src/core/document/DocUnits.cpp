#include "document/QuarnDoc.h"

namespace {
// English and metric label of a unit system value; anything else is the "no units" state.
std::string UnitLabel(int units, const char* english, const char* metric, const char* neither) {
    if (units == 0) return english;
    if (units == 1) return metric;
    return neither;
}
}  // namespace

int CQuarnDoc::IsInputMetric() { return m_bInputMetric = m_nInputUnits == 1; }
int CQuarnDoc::IsInputEnglish() { return m_bInputEnglish = m_nInputUnits == 0; }
int CQuarnDoc::IsOutputMetric() { return m_bOutputMetric = m_nOutputUnits == 1; }
int CQuarnDoc::IsOutputEnglish() { return m_bOutputEnglish = m_nOutputUnits == 0; }
int CQuarnDoc::IsDisplayLarge() { return m_bDisplayLarge = m_nDisplaySize == 0; }
int CQuarnDoc::IsDisplaySmall() { return m_bDisplaySmall = m_nDisplaySize == 1; }
int CQuarnDoc::IsFontLarge() { return m_bFontLarge = m_nFontSize == 0; }
int CQuarnDoc::IsFontSmall() { return m_bFontSmall = m_nFontSize == 1; }

std::string CQuarnDoc::GetInputTempUnit() const {
    return UnitLabel(m_nInputUnits, "Deg F", "Deg C", "");
}
std::string CQuarnDoc::GetOutputTempUnit() const {
    return UnitLabel(m_nOutputUnits, "Deg F", "Deg C", "");
}
std::string CQuarnDoc::GetInputUnitsName() const {
    return UnitLabel(m_nInputUnits, "English", "Metric", "No Units Selected");
}
std::string CQuarnDoc::GetOutputUnitsName() const {
    return UnitLabel(m_nOutputUnits, "English", "Metric", "No Units Selected");
}
std::string CQuarnDoc::GetOutputLengthUnit() const {
    return UnitLabel(m_nOutputUnits, "Feet", "Meter", "");
}
std::string CQuarnDoc::GetInputThicknessUnit() const {
    return UnitLabel(m_nInputUnits, "Inch", "mm", "");
}

std::string CQuarnDoc::GetLatitudeLabel() const {
    return m_dLatitude >= 0 ? "Deg North" : "Deg South";
}

// Longitude is stored west-positive.
std::string CQuarnDoc::GetLongitudeLabel() const {
    return m_dLongitude >= 0 ? "Deg West" : "Deg East";
}
