// The one value accessor behind every hourly table and graph and the peak search.
#include "document/QuarnDoc.h"
#include "units/Units.h"
#include "views/ViewKinds.h"

namespace {

constexpr int kEnglishUnits = 0;
constexpr int kMetricUnits = 1;

const char* const kOrientationWords[kOrientations] = {"North", "North East", "East", "South East",
                                                      "South", "South West", "West", "North West"};

}  // namespace

double CQuarnDoc::GetViewValue(int hour, int month) {
    const bool metric = m_nOutputUnits == kMetricUnits;
    if (!metric && m_nOutputUnits != kEnglishUnits) return 0.0;
    const ViewKindInfo* info = FindViewKind(m_nViewKind);
    if (info == nullptr || info->quantity == ViewQuantity::kNone) return 0.0;

    switch (info->quantity) {
        case ViewQuantity::kCoolingLoad:
            m_strViewTitle =
                info->strTitleStem + (metric ? " Cooling Load - kW" : " Cooling Load - Tons");
            m_strViewAxis = metric ? "Cooling Load ( kW )" : "Cooling Load (Tons)";
            break;
        case ViewQuantity::kGlassAreaInSun:
            m_strViewTitle = std::string(kOrientationWords[info->nOrientation]) +
                             (metric ? " Glass Areas in Direct Sunshine - Sq m"
                                     : " Glass Areas in Direct Sunshine - Sq Ft");
            m_strViewAxis = metric ? "Glass Area (Sq m)" : "Glass Area (Sq Ft)";
            break;
        case ViewQuantity::kPercentInSun:
            m_strViewTitle = std::string("Percentage ") + kOrientationWords[info->nOrientation] +
                             " Glass Area in Direct Sunshine";
            m_strViewAxis = "Percent Glass Area";
            break;
        case ViewQuantity::kNone:
            break;
    }

    // Outside the tables there is nothing to read.
    if (hour < 0 || hour > 24 || month < 0 || month > 12) return 0.0;
    const ResultTableCells cells = GetResultTable(*this, *info);
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
            const double windowArea = m_dWindowArea[info->nOrientation];
            return windowArea == 0.0 ? 0.0 : 100.0 * stored / windowArea;
        }
        case ViewQuantity::kNone:
            break;
    }
    return 0.0;
}
