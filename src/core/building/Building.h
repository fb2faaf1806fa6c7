#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/PeakSearch.h"
#include "document/QuarnDocData.h"
#include "document/ResultTables.h"
#include "units/Units.h"

// Several spaces served by one plant. Their hourly loads are added hour by hour, so the block
// peak is the coincident one: below the sum of the spaces' own peaks when they peak apart.

// One space of a building: a loaded project, the name shown for it and how many identical
// copies the building has.
struct BuildingSpace {
    std::shared_ptr<const CQuarnDocData> pDoc;
    std::string strName;
    int nCount = 1;
};

// The name a space goes by: the project name, else the file name without its folder and
// extension.
std::string SpaceNameOf(const CQuarnDocData& doc, const std::string& path);

// Hour 0..24 by month 0..12 in tons, as the project tables store them; row and column 0 stay 0.
using BlockTable = std::array<std::array<double, 13>, 25>;

// A space's own peak of the grand total, and its part of the block peak at the block's cell;
// both for all its copies together.
struct SpacePeak {
    int nMonth = 1;
    int nHour = 1;
    double dTons = 0;  // the space's peak times its count
    double dTonsAtBlockPeak = 0;
};

inline constexpr int kHeatLossItemCount = 13;

class CBuilding {
  public:
    // The block of the spaces, or none with error saying why, naming the spaces at fault:
    // no spaces, a count below 1, a space without general data, or spaces of different
    // climates.
    static std::optional<CBuilding> Make(std::string name, std::vector<BuildingSpace> spaces,
                                         std::string& error);

    const std::string& Name() const { return m_strName; }
    const std::vector<BuildingSpace>& Spaces() const { return m_spaces; }
    // The project whose climate and units the block reports: the first space's.
    const CQuarnDocData& First() const { return *m_spaces.front().pDoc; }

    // The count-weighted sum of an item's table, tons.
    const BlockTable& Table(LoadItem item) const { return m_items[static_cast<int>(item) - 1]; }
    double Tons(LoadItem item, int hour, int month) const { return Table(item)[hour][month]; }

    // The grand total's peak by the project peak rule (ties: earlier hour, then month).
    const PeakResult& Peak() const { return m_peak; }
    const std::vector<SpacePeak>& SpacePeaks() const { return m_spacePeaks; }
    double SumOfPeaks() const { return m_dSumOfPeaks; }
    // Block peak over the sum of the peaks; none when the spaces have no cooling load.
    std::optional<double> DiversityRatio() const;

    // Heat losses, Btu/h: items 1..13 and their sum. Heating has no coincidence.
    double HeatLoss(int item) const { return m_heatLoss[item - 1]; }
    double HeatingTotal() const;
    // Ventilation air of all spaces, CFM.
    double VentilationCfm() const { return m_dVentCfm; }

  private:
    CBuilding() = default;

    std::string m_strName;
    std::vector<BuildingSpace> m_spaces;
    std::array<BlockTable, kLoadItemCount> m_items{};
    PeakResult m_peak;
    std::vector<SpacePeak> m_spacePeaks;
    double m_dSumOfPeaks = 0;
    std::array<double, kHeatLossItemCount> m_heatLoss{};
    double m_dVentCfm = 0;
};

// The Block Load Summary as text, in English or metric units (tons or kW, Btu/h or W, CFM or
// L/s); any other system gives English.
std::string BlockSummaryText(const CBuilding& building, UnitSystem units);

// The block's Total Cooling Load table as Copy gives a project's: a title line, then the hours
// by the months, tab separated.
std::string BlockTableText(const CBuilding& building, UnitSystem units);
