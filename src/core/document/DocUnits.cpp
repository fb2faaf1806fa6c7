#include "document/QuarnDoc.h"

namespace {
// English and metric label of a unit system; no unit system has its own.
std::string UnitLabel(UnitSystem units, const char* english, const char* metric,
                      const char* neither) {
    switch (units) {
        case UnitSystem::kEnglish:
            return english;
        case UnitSystem::kMetric:
            return metric;
        case UnitSystem::kNone:
            break;
    }
    return neither;
}
}  // namespace

// The tests only read: filling, drawing and reports work on a const document.
int CQuarnDoc::IsInputMetric() const { return InputUnitSystem(*this) == UnitSystem::kMetric; }
int CQuarnDoc::IsInputEnglish() const { return InputUnitSystem(*this) == UnitSystem::kEnglish; }
int CQuarnDoc::IsOutputMetric() const { return OutputUnitSystem(*this) == UnitSystem::kMetric; }
int CQuarnDoc::IsOutputEnglish() const { return OutputUnitSystem(*this) == UnitSystem::kEnglish; }
int CQuarnDoc::IsDisplayLarge() const { return m_nDisplaySize == 0; }
int CQuarnDoc::IsDisplaySmall() const { return m_nDisplaySize == 1; }
int CQuarnDoc::IsFontLarge() const { return m_nFontSize == 0; }
int CQuarnDoc::IsFontSmall() const { return m_nFontSize == 1; }

std::string CQuarnDoc::GetInputTempUnit() const {
    return UnitLabel(InputUnitSystem(*this), "Deg F", "Deg C", "");
}
std::string CQuarnDoc::GetOutputTempUnit() const {
    return UnitLabel(OutputUnitSystem(*this), "Deg F", "Deg C", "");
}
std::string CQuarnDoc::GetInputUnitsName() const {
    return UnitLabel(InputUnitSystem(*this), "English", "Metric", "No Units Selected");
}
std::string CQuarnDoc::GetOutputUnitsName() const {
    return UnitLabel(OutputUnitSystem(*this), "English", "Metric", "No Units Selected");
}
std::string CQuarnDoc::GetOutputLengthUnit() const {
    return UnitLabel(OutputUnitSystem(*this), "Feet", "Meter", "");
}
std::string CQuarnDoc::GetInputThicknessUnit() const {
    return UnitLabel(InputUnitSystem(*this), "Inch", "mm", "");
}

std::string CQuarnDoc::GetLatitudeLabel() const {
    return m_dLatitude >= 0 ? "Deg North" : "Deg South";
}

// Longitude is stored west-positive.
std::string CQuarnDoc::GetLongitudeLabel() const {
    return m_dLongitude >= 0 ? "Deg West" : "Deg East";
}
