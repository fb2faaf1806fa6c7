#include "views/SummaryText.h"

#include <cmath>

#include "document/QuarnDoc.h"
#include "text/Format.h"
#include "units/Units.h"

SummaryText BuildSummaryText(const CQuarnDoc& doc, const SummaryText& previous) {
    SummaryText s = previous;
    if (doc.m_nCityIndex != 0) {
        const bool metric = OutputUnitSystem(doc) == UnitSystem::kMetric;
        auto temp = [metric](double f) { return metric ? FahrenheitToCelsius(f) : f; };
        const std::string tempUnit = doc.GetOutputTempUnit();
        const double elevation = metric ? FeetToMeters(doc.m_dElevation) : doc.m_dElevation;
        const double range = metric ? TempDiffToMetric(doc.m_dDailyRange) : doc.m_dDailyRange;

        s.strProject = StrFormat("Project Name: %s", doc.m_strProjectName.c_str());
        s.strStation = StrFormat("Weather Station: %s, %s", doc.m_strCityName.c_str(),
                                 doc.m_strCityRegion.c_str());
        s.strLatitude = StrFormat("Latitude:\t%.2f %s", std::fabs(doc.m_dLatitude),
                                  doc.GetLatitudeLabel().c_str());
        s.strLongitude = StrFormat("Longitude:\t%.2f %s", std::fabs(doc.m_dLongitude),
                                   doc.GetLongitudeLabel().c_str());
        s.strElevation =
            StrFormat("Elevation:\t%.2f %s", elevation, doc.GetOutputLengthUnit().c_str());
        s.strOutside = StrFormat(
            "Summer Outside Design Conditions\n"
            "\tDB Temperature:\t%.2f %s\n"
            "\tWB Temperature:\t%.2f %s\n"
            "\tDaily Range:\t\t%.2f %s\n\n"
            "Winter Outside Design Conditions\n"
            "\tDB Temperature:\t%.2f %s",
            temp(doc.m_dOutsideDBCool), tempUnit.c_str(), temp(doc.m_dOutsideWBCool),
            tempUnit.c_str(), range, tempUnit.c_str(), temp(doc.m_dOutsideDBHeat),
            tempUnit.c_str());
        s.strInside = StrFormat(
            "Inside Design Conditions\n"
            "\tCooling: %.2f\t%s (DB), %.2f %%RH\n"
            "\tHeating: %.2f\t%s (DB)",
            temp(doc.m_dInsideDBCool), tempUnit.c_str(), doc.m_dInsideRH, temp(doc.m_dInsideDBHeat),
            tempUnit.c_str());
    }
    s.strUnits = StrFormat("Input Units:\t%s\nOutput Units:\t%s", doc.GetInputUnitsName().c_str(),
                           doc.GetOutputUnitsName().c_str());
    return s;
}
