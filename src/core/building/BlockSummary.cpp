// The block load summary as text.
#include <cmath>
#include <string>

#include "building/Building.h"
#include "text/Format.h"
#include "views/ViewDrawing.h"

namespace {

struct Units {
    bool bMetric;
    double Load(double tons) const { return bMetric ? kKwPerTon * tons : tons; }
    double Air(double cfm) const { return bMetric ? cfm / kCfmPerLps : cfm; }
    double Heat(double btuh) const { return bMetric ? btuh / kBtuhPerW : btuh; }
    const char* LoadUnit() const { return bMetric ? "kW" : "Ton"; }
    const char* AirUnit() const { return bMetric ? "L/s" : "CFM"; }
    const char* HeatUnit() const { return bMetric ? "W" : "Btu/h"; }
};

}  // namespace

std::string BlockSummaryText(const CBuilding& b, UnitSystem system) {
    const Units u{system == UnitSystem::kMetric};
    const CQuarnDocData& first = b.First();
    const int hour = b.Peak().nMaxHour;
    const int month = b.Peak().nMaxMonth;
    auto value = [&](LoadItem item) {
        return StrFormat("%.2f", u.Load(b.Tons(item, hour, month)));
    };
    auto sum = [&](LoadItem a, LoadItem c) {
        return StrFormat("%.2f", u.Load(b.Tons(a, hour, month) + b.Tons(c, hour, month)));
    };

    std::string t = "Block Load Summary Report\n\n";
    t += "Building Name:\t" + b.Name() + "\n";
    t += "Weather Station:\t" +
         (first.m_nCityIndex != 0 ? first.m_strCityName + ", " + first.m_strCityRegion
                                  : std::string("none")) +
         "\n";
    t += "Block Peak Month:\t" + MonthName(month) + "\n";
    t += "Block Peak Hour:\t" + SolarHourText(hour) + ", Solar Time\n\n";

    const std::string unit = StrFormat("( %s )", u.LoadUnit());
    t += "Item\tSensible Heat\tLatent Heat\tTotal Heat\n";
    t += "\t" + unit + "\t" + unit + "\t" + unit + "\n";
    auto row = [&t](const std::string& label, const std::string& sensible,
                    const std::string& latent, const std::string& total) {
        t += label + "\t" + sensible + "\t" + latent + "\t" + total + "\n";
    };
    using Item = LoadItem;
    for (const SensibleGainRow& r : SensibleGainRows())
        row(r.label, value(r.item), "", value(r.item));
    row("People", value(Item::kPeopleSens), value(Item::kPeopleLat),
        sum(Item::kPeopleSens, Item::kPeopleLat));
    row("Appliances", value(Item::kAppliancesSens), value(Item::kAppliancesLat),
        sum(Item::kAppliancesSens, Item::kAppliancesLat));
    row("Infiltration", value(Item::kInfilSens), value(Item::kInfilLat),
        sum(Item::kInfilSens, Item::kInfilLat));
    row("Total Heat Gains", value(Item::kRoomSensible), value(Item::kRoomLatent),
        value(Item::kRoomTotal));
    row("Ventilation Load", value(Item::kVentSens), value(Item::kVentLat),
        sum(Item::kVentSens, Item::kVentLat));
    row("Total Cooling Load on Coils and Refrig. Apparatus", "", "", value(Item::kTotal));
    t += StrFormat("Ventilation Air:\t%.2f %s\n\n", u.Air(b.VentilationCfm()), u.AirUnit());

    t += StrFormat("Space\tCount\tPeak Month\tPeak Hour\tPeak ( %s )\tAt Block Peak ( %s )\n",
                   u.LoadUnit(), u.LoadUnit());
    for (size_t i = 0; i < b.Spaces().size(); ++i) {
        const BuildingSpace& s = b.Spaces()[i];
        const SpacePeak& p = b.SpacePeaks()[i];
        t += StrFormat("%s\t%d\t%s\t%s\t%.2f\t%.2f\n", s.strName.c_str(), s.nCount,
                       MonthName(p.nMonth).c_str(), SolarHourText(p.nHour).c_str(), u.Load(p.dTons),
                       u.Load(p.dTonsAtBlockPeak));
    }
    t += StrFormat("\nSum of Space Peaks:\t%.2f %s\n", u.Load(b.SumOfPeaks()), u.LoadUnit());
    t += StrFormat("Block Peak:\t%.2f %s\n", u.Load(b.Peak().dMax), u.LoadUnit());
    const std::optional<double> ratio = b.DiversityRatio();
    t += "Diversity Ratio:\t" + (ratio ? StrFormat("%.3f", *ratio) : std::string("none")) + "\n";
    t += StrFormat("\nBlock Heating Load:\t%.2f %s\n", u.Heat(b.HeatingTotal()), u.HeatUnit());
    return t;
}
