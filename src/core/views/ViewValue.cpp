// The one value accessor behind every hourly table and graph and the peak search.
#include "views/ViewValue.h"

#include "calc/PeakSearch.h"
#include "views/ViewKinds.h"

namespace {

const char* const kOrientationWords[kOrientations] = {"North", "North East", "East", "South East",
                                                      "South", "South West", "West", "North West"};

}  // namespace

std::optional<ViewLabelText> ViewLabels(int kind, UnitSystem units) {
    if (units == UnitSystem::kNone) return std::nullopt;
    const bool metric = units == UnitSystem::kMetric;
    const ViewKindInfo* info = FindViewKind(kind);
    if (info == nullptr) return std::nullopt;
    switch (info->quantity) {
        case ViewQuantity::kCoolingLoad:
            return ViewLabelText{
                info->strTitleStem + (metric ? " Cooling Load - kW" : " Cooling Load - Tons"),
                metric ? "Cooling Load ( kW )" : "Cooling Load (Tons)"};
        case ViewQuantity::kGlassAreaInSun:
            return ViewLabelText{std::string(kOrientationWords[info->nOrientation]) +
                                     (metric ? " Glass Areas in Direct Sunshine - Sq m"
                                             : " Glass Areas in Direct Sunshine - Sq Ft"),
                                 metric ? "Glass Area (Sq m)" : "Glass Area (Sq Ft)"};
        case ViewQuantity::kPercentInSun:
            return ViewLabelText{std::string("Percentage ") +
                                     kOrientationWords[info->nOrientation] +
                                     " Glass Area in Direct Sunshine",
                                 "Percent Glass Area"};
        case ViewQuantity::kNone:
            break;
    }
    return std::nullopt;
}

double ViewValue(const CQuarnDocData& doc, int kind, int hour, int month) {
    const UnitSystem units = OutputUnitSystem(doc);
    if (units == UnitSystem::kNone) return 0.0;
    const bool metric = units == UnitSystem::kMetric;
    const ViewKindInfo* info = FindViewKind(kind);
    if (info == nullptr || info->quantity == ViewQuantity::kNone) return 0.0;

    // Outside the tables there is nothing to read.
    if (hour < 0 || hour > 24 || month < 0 || month > 12) return 0.0;
    const ResultTableCells cells = GetResultTable(doc, *info);
    // The daily tables have one value column shared by every month; their header is column 0.
    if (cells.IsDaily()) {
        if (month == 0) return cells.At(hour, 0);
    } else if (hour == 0 || month == 0) {
        return cells.At(hour, month);
    }
    const double stored = cells.At(hour, cells.IsDaily() ? 1 : month);

    switch (info->quantity) {
        case ViewQuantity::kCoolingLoad:
            return metric ? kKwPerTon * stored : stored;
        case ViewQuantity::kGlassAreaInSun:
            return metric ? stored / kSqFtPerSqMGlassBlock : stored;
        case ViewQuantity::kPercentInSun: {
            const double windowArea = doc.m_dWindowArea[info->nOrientation];
            return windowArea == 0.0 ? 0.0 : 100.0 * stored / windowArea;
        }
        case ViewQuantity::kNone:
            break;
    }
    return 0.0;
}

ViewExtremes ExtremesOf(const PeakResult& peak) {
    ViewExtremes e;
    e.m_dMaxValue = peak.dMax;
    e.m_nMaxMonth = peak.nMaxMonth;
    e.m_nMaxHour = peak.nMaxHour;
    e.m_dMinValue = peak.dMin;
    e.m_nMinMonth = peak.nMinMonth;
    e.m_nMinHour = peak.nMinHour;
    e.m_dAbsMax = peak.dAbsMax;
    return e;
}

ViewExtremes FindViewExtremes(const CQuarnDocData& doc, int kind) {
    return ExtremesOf(
        FindPeak([&doc, kind](int hour, int month) { return ViewValue(doc, kind, hour, month); }));
}
