#include "building/Building.h"

#include <filesystem>
#include <utility>

#include "text/Format.h"

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// Two projects share a climate when they use one station, or, without a station, the same
// latitude, design temperatures and daily range.
bool SameClimate(const CQuarnDocData& a, const CQuarnDocData& b) {
    if (a.m_nCityIndex != 0 || b.m_nCityIndex != 0) return a.m_nCityIndex == b.m_nCityIndex;
    return a.m_dLatitude == b.m_dLatitude && a.m_dOutsideDBCool == b.m_dOutsideDBCool &&
           a.m_dOutsideWBCool == b.m_dOutsideWBCool && a.m_dOutsideDBHeat == b.m_dOutsideDBHeat &&
           a.m_dDailyRange == b.m_dDailyRange;
}

std::string ClimateText(const CQuarnDocData& d) {
    if (d.m_nCityIndex != 0) {
        return StrFormat("station %d (%s)", d.m_nCityIndex, d.m_strCityName.c_str());
    }
    return StrFormat("no station, latitude %.2f", d.m_dLatitude);
}

}  // namespace

std::string SpaceNameOf(const CQuarnDocData& doc, const std::string& path) {
    if (!doc.m_strProjectName.empty()) return doc.m_strProjectName;
    return std::filesystem::path(path).stem().string();
}

std::optional<CBuilding> CBuilding::Make(std::string name, std::vector<BuildingSpace> spaces,
                                         std::string& error) {
    if (spaces.empty()) {
        error = "A block load needs at least one space.";
        return std::nullopt;
    }
    for (const BuildingSpace& s : spaces) {
        if (s.pDoc == nullptr) {
            error = "Space " + Quoted(s.strName) + " has no project.";
            return std::nullopt;
        }
        if (s.nCount < 1) {
            error = StrFormat("Space %s has a count of %d: a count is 1 or more.",
                              Quoted(s.strName).c_str(), s.nCount);
            return std::nullopt;
        }
        if (s.pDoc->m_bGeneralDataSupplied == 0) {
            error = "Space " + Quoted(s.strName) +
                    " has no general project data, so it has no loads to add.";
            return std::nullopt;
        }
    }
    const BuildingSpace& first = spaces.front();
    for (const BuildingSpace& s : spaces) {
        if (!SameClimate(*first.pDoc, *s.pDoc)) {
            error = "Spaces " + Quoted(first.strName) + " (" + ClimateText(*first.pDoc) + ") and " +
                    Quoted(s.strName) + " (" + ClimateText(*s.pDoc) +
                    ") do not share one climate: a block load adds spaces of one place.";
            return std::nullopt;
        }
    }

    CBuilding b;
    b.m_strName = std::move(name);
    b.m_spaces = std::move(spaces);
    for (const BuildingSpace& s : b.m_spaces) {
        const CQuarnDocData& d = *s.pDoc;
        for (const LoadItemBinding& binding : LoadItemBindings()) {
            BlockTable& table = b.m_items[static_cast<int>(binding.item) - 1];
            for (int h = 1; h <= 24; ++h) {
                for (int m = 1; m <= 12; ++m) {
                    table[h][m] += s.nCount * LoadItemTons(d, h, m, binding.item);
                }
            }
        }
        for (int i = 0; i < kHeatLossItemCount; ++i) b.m_heatLoss[i] += s.nCount * d.m_dHeatLoss[i];
        b.m_dVentCfm += s.nCount * d.m_dVentCFM;
    }

    const BlockTable& total = b.Table(LoadItem::kTotal);
    b.m_peak = FindPeak([&total](int h, int m) { return total[h][m]; });
    for (const BuildingSpace& s : b.m_spaces) {
        const CQuarnDocData& d = *s.pDoc;
        const PeakResult own =
            FindPeak([&d](int h, int m) { return LoadItemTons(d, h, m, LoadItem::kTotal); });
        SpacePeak p;
        p.nMonth = own.nMaxMonth;
        p.nHour = own.nMaxHour;
        p.dTons = s.nCount * own.dMax;
        p.dTonsAtBlockPeak =
            s.nCount * LoadItemTons(d, b.m_peak.nMaxHour, b.m_peak.nMaxMonth, LoadItem::kTotal);
        b.m_dSumOfPeaks += p.dTons;
        b.m_spacePeaks.push_back(p);
    }
    return b;
}

std::optional<double> CBuilding::DiversityRatio() const {
    if (m_dSumOfPeaks <= 0) return std::nullopt;
    return m_peak.dMax / m_dSumOfPeaks;
}

double CBuilding::HeatingTotal() const {
    double sum = 0;
    for (const double loss : m_heatLoss) sum += loss;
    return sum;
}
