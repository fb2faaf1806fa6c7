#include "ClfFit.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "ClfConstants.h"
#include "ClfTables.h"
#include "Constants.h"

namespace refgen {

namespace {

constexpr int kGlassFile = 2;
constexpr int kPeopleFile = 37;
const std::array<const char*, kOrientations> kOrientationNames = {"N",  "NE", "E",  "SE", "S",
                                                                  "SW", "W",  "NW", "HOR"};

// Column "hN" of a fragment laid out by hour.
int HourColumn(const std::string& name) {
    if (name.size() < 2 || name[0] != 'h') throw std::runtime_error("not an hour column: " + name);
    const int hour = std::stoi(name.substr(1));
    if (hour < 1 || hour > kHours) throw std::runtime_error("hour out of range: " + name);
    return hour;
}

void AddCells(const Fragment& fragment, size_t r, int fileRow, FragmentPart& part,
              const std::function<int(size_t column)>& fileColumn) {
    for (size_t c = 0; c < fragment.columns.size(); ++c) {
        const auto& value = fragment.cells[r][c];
        if (!value) continue;
        part.cells.push_back({fileRow, fileColumn(c), *value, fragment.IsSuspect(r, c)});
    }
}

// The argument in [lo, hi] where f is least: a scan over the range, then golden section
// around the best point of the scan (so a second local minimum cannot trap it).
double Minimize(const std::function<double(double)>& f, double lo, double hi) {
    constexpr int kScan = 40;
    const double step = (hi - lo) / kScan;
    int best = 0;
    double bestValue = f(lo);
    for (int i = 1; i <= kScan; ++i) {
        const double value = f(lo + i * step);
        if (value < bestValue) {
            best = i;
            bestValue = value;
        }
    }
    double a = lo + std::max(best - 1, 0) * step;
    double b = lo + std::min(best + 1, kScan) * step;
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double x1 = b - ratio * (b - a), x2 = a + ratio * (b - a);
    double f1 = f(x1), f2 = f(x2);
    while (b - a > 1e-7) {
        if (f1 < f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - ratio * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + ratio * (b - a);
            f2 = f(x2);
        }
    }
    return (a + b) / 2.0;
}

// Least squares in two parameters: the inner one minimised for each value of the outer one.
std::pair<double, double> Minimize2(const std::function<double(double, double)>& f, double outerLo,
                                    double outerHi, double innerLo, double innerHi) {
    const auto inner = [&](double outer) {
        return Minimize([&](double x) { return f(outer, x); }, innerLo, innerHi);
    };
    const double outer = Minimize([&](double x) { return f(x, inner(x)); }, outerLo, outerHi);
    return {outer, inner(outer)};
}

// Unrounded model grids in the layout of the data files.
class GlassShadingModel {
  public:
    GlassShadingModel() {
        for (int o = 0; o < kOrientations; ++o) shgf_[static_cast<size_t>(o)] = DesignDayShgf(o);
    }
    Table Grid(double pole, double sameHour, double convectiveShare) const {
        Table grid(kOrientations + 1, kHours + 1, Table::Format::kExact);
        for (int o = 0; o < kOrientations; ++o) {
            const HourlyProfile clf =
                GlassClf(shgf_[static_cast<size_t>(o)], {pole, sameHour}, convectiveShare);
            for (int h = 1; h <= kHours; ++h) grid.At(o + 1, h) = clf[h - 1];
        }
        return grid;
    }

  private:
    std::array<HourlyProfile, kOrientations> shgf_;
};

Table OperatingGrid(double pole, double sameHour, double convectiveShare) {
    Table grid(kOperatingRows + 1, kHours + 1, Table::Format::kExact);
    for (int r = 1; r <= kOperatingRows; ++r) {
        const HourlyProfile clf =
            ScheduledClf(r * kOperatingHoursStep, {pole, sameHour}, convectiveShare);
        for (int j = 1; j <= kHours; ++j) grid.At(r, j) = clf[j % kHours];
    }
    return grid;
}

// The lights file of hoursOn with only the row of the fixture part filled.
Table LightsGrid(const FragmentPart& part, double pole, double sameHour) {
    const int hoursOn = kLightsHoursOn[static_cast<size_t>(part.fileNumber - kLightsFirstFile)];
    Table grid(LightsFileRow(3, 3) + 1, kHours, Table::Format::kExact);
    const HourlyProfile clf = ScheduledClf(hoursOn, {pole, sameHour}, 0.0);
    for (int k = 0; k < kHours; ++k) grid.At(part.cells.front().row, k) = clf[k];
    return grid;
}

std::string Path(const std::string& dir, const char* name) {
    return (std::filesystem::path(dir) / name).string();
}

}  // namespace

FragmentPart GlassShadingCells(const Fragment& fragment) {
    FragmentPart part{"glass with interior shading", kGlassFile, {}};
    if (fragment.rowLabels.size() != kOrientations) {
        throw std::runtime_error("glass fragment: expected 9 orientation rows");
    }
    for (size_t r = 0; r < fragment.rowLabels.size(); ++r) {
        if (fragment.rowLabels[r] != kOrientationNames[r]) {
            throw std::runtime_error("glass fragment: row " + fragment.rowLabels[r] + " where " +
                                     kOrientationNames[r] + " belongs");
        }
        AddCells(fragment, r, static_cast<int>(r) + 1, part,
                 [&](size_t c) { return HourColumn(fragment.columns[c]); });
    }
    return part;
}

FragmentPart PeopleCells(const Fragment& fragment) {
    FragmentPart part{"people", kPeopleFile, {}};
    for (size_t r = 0; r < fragment.rowLabels.size(); ++r) {
        const int hours = std::stoi(fragment.rowLabels[r]);
        if (hours % kOperatingHoursStep != 0 || hours < kOperatingHoursStep ||
            hours > kOperatingRows * kOperatingHoursStep) {
            throw std::runtime_error("people fragment: no file row for " + fragment.rowLabels[r] +
                                     " hours");
        }
        AddCells(fragment, r, hours / kOperatingHoursStep, part,
                 [&](size_t c) { return HourColumn(fragment.columns[c]); });
    }
    return part;
}

std::vector<FragmentPart> LightsFixtureCells(const Fragment& fragment) {
    std::vector<FragmentPart> parts;
    for (size_t c = 0; c < fragment.columns.size(); ++c) {
        const std::string& name = fragment.columns[c];
        int aClass = 0, bClass = 0;
        if (name[0] == 'X') {
            aClass = 1;  // 0.55
            bClass = 2;  // C
        } else if (name[0] == 'Y') {
            aClass = 3;  // 0.75
            bClass = 0;  // A
        } else {
            throw std::runtime_error("lights fragment: unknown fixture " + name);
        }
        const int hoursOn = std::stoi(name.substr(1));
        int file = 0;
        for (size_t i = 0; i < kLightsHoursOn.size(); ++i) {
            if (kLightsHoursOn[i] == hoursOn) file = kLightsFirstFile + static_cast<int>(i);
        }
        if (file == 0) throw std::runtime_error("lights fragment: no file for " + name);
        FragmentPart part{
            std::string("fixture ") + name[0] + ", " + std::to_string(hoursOn) + " h", file, {}};
        for (size_t r = 0; r < fragment.rowLabels.size(); ++r) {
            const auto& value = fragment.cells[r][c];
            if (!value) continue;
            part.cells.push_back({LightsFileRow(aClass, bClass), std::stoi(fragment.rowLabels[r]),
                                  *value, fragment.IsSuspect(r, c)});
        }
        if (!part.cells.empty()) parts.push_back(part);
    }
    return parts;
}

Distance DistanceTo(const Table& table, const std::vector<FragmentCell>& cells, bool withSuspects) {
    Distance distance;
    double sum = 0;
    for (const FragmentCell& cell : cells) {
        if (cell.suspect && !withSuspects) continue;
        const double difference = table.At(cell.row, cell.col) - cell.value;
        sum += difference * difference;
        distance.max = std::max(distance.max, std::abs(difference));
        ++distance.cells;
    }
    if (distance.cells > 0) distance.rms = std::sqrt(sum / distance.cells);
    return distance;
}

const FittedValue& ClfFitReport::Fit(std::string_view key) const {
    for (const FittedValue& fit : fits) {
        if (fit.key == key) return fit;
    }
    throw std::out_of_range("no fitted value " + std::string(key));
}

ClfFitReport FitClfParameters(const std::string& fragmentDir) {
    const FragmentPart glass =
        GlassShadingCells(ReadFragment(Path(fragmentDir, kGlassShadingFragment)));
    const FragmentPart people = PeopleCells(ReadFragment(Path(fragmentDir, kPeopleFragment)));
    const std::vector<FragmentPart> fixtures =
        LightsFixtureCells(ReadFragment(Path(fragmentDir, kLightsFragment)));

    ClfFitReport report;
    constexpr double kPoleLo = 0.5, kPoleHi = 0.99;

    // Glass with interior shading: pole and convective share, v0 held at its people value.
    const GlassShadingModel glassModel;
    const auto glassRms = [&](double pole, double share) {
        return DistanceTo(glassModel.Grid(pole, kRadiantSameHour, share), glass.cells).rms;
    };
    const auto [glassPole, glassShare] = Minimize2(glassRms, kPoleLo, kPoleHi, 0.0, 1.0);
    const Distance glassJoint =
        DistanceTo(glassModel.Grid(glassPole, kRadiantSameHour, glassShare), glass.cells);
    report.fits.push_back({"pole.glass_shading",
                           "pole, medium room: glass with interior shading, with its convective "
                           "share (v0 0.26)",
                           glassPole, kPoleMedium, glassJoint});
    report.fits.push_back({"convective.glass_shading.joint",
                           "convective share, glass with interior shading, with the pole",
                           glassShare, kConvectiveGlassShaded, glassJoint});
    const double shareAtPole =
        Minimize([&](double share) { return glassRms(kPoleMedium, share); }, 0.0, 1.0);
    report.fits.push_back(
        {"convective.glass_shading", "convective share, glass with interior shading, pole 0.85",
         shareAtPole, kConvectiveGlassShaded,
         DistanceTo(glassModel.Grid(kPoleMedium, kRadiantSameHour, shareAtPole), glass.cells)});

    // People: pole and v0 with the assumed convective share.
    const auto peopleRms = [&](double pole, double sameHour) {
        return DistanceTo(OperatingGrid(pole, sameHour, kConvectivePeople), people.cells).rms;
    };
    const auto [peoplePole, peopleSameHour] = Minimize2(peopleRms, kPoleLo, kPoleHi, 0.0, 1.0);
    const Distance peopleJoint =
        DistanceTo(OperatingGrid(peoplePole, peopleSameHour, kConvectivePeople), people.cells);
    report.fits.push_back({"pole.people", "pole, medium room: people, with v0 (convective 1/3)",
                           peoplePole, kPoleMedium, peopleJoint});
    report.fits.push_back({"v0.people.joint", "v0: people, with the pole (convective 1/3)",
                           peopleSameHour, kRadiantSameHour, peopleJoint});
    const double sameHourAtPole =
        Minimize([&](double v0) { return peopleRms(kPoleMedium, v0); }, 0.0, 1.0);
    report.fits.push_back(
        {"v0.people", "v0: people, pole 0.85 (convective 1/3)", sameHourAtPole, kRadiantSameHour,
         DistanceTo(OperatingGrid(kPoleMedium, sameHourAtPole, kConvectivePeople), people.cells)});

    // Lights: the pole of each fixture, v0 = its 'a', over both of its columns.
    for (const char fixture : {'X', 'Y'}) {
        const bool x = fixture == 'X';
        const int aClass = x ? 1 : 3, bClass = x ? 2 : 0;
        std::vector<const FragmentPart*> parts;
        for (const FragmentPart& part : fixtures) {
            if (part.cells.front().row == LightsFileRow(aClass, bClass)) parts.push_back(&part);
        }
        if (parts.empty()) throw std::runtime_error(std::string("no lights fixture ") + fixture);
        const double a = kLightsA[static_cast<size_t>(aClass)];
        const double adopted = kLightsClassPole[static_cast<size_t>(bClass)];
        const auto distance = [&](double pole) {
            double sum = 0, worst = 0;
            int cells = 0;
            for (const FragmentPart* part : parts) {
                const Distance d = DistanceTo(LightsGrid(*part, pole, a), part->cells);
                sum += d.rms * d.rms * d.cells;
                worst = std::max(worst, d.max);
                cells += d.cells;
            }
            return Distance{std::sqrt(sum / cells), worst, cells};
        };
        const double pole = Minimize([&](double p) { return distance(p).rms; }, kPoleLo, kPoleHi);
        report.fits.push_back({x ? "pole.lights_X" : "pole.lights_Y",
                               x ? "pole, lights 'b' class C and heavy room: fixture X ('a' 0.55)"
                                 : "pole, lights 'b' class A and light room: fixture Y ('a' 0.75)",
                               pole, adopted, distance(pole)});
    }

    // The generated tables, rounded as stored, against every fragment.
    const auto tableDistance = [&](const std::string& what, const Table& table,
                                   const FragmentPart& part) {
        report.distances.push_back(
            {what, DistanceTo(table, part.cells, false), DistanceTo(table, part.cells, true)});
    };
    tableDistance("qlex02 glass with interior shading", GlassClfTable(true), glass);
    tableDistance("qlex37 people", InternalGainClfTable(InternalGain::kPeople), people);
    for (const FragmentPart& part : fixtures) {
        const int hoursOn = kLightsHoursOn[static_cast<size_t>(part.fileNumber - kLightsFirstFile)];
        char name[16];
        std::snprintf(name, sizeof name, "qlex%02d ", part.fileNumber);
        tableDistance(name + part.name, LightsClfTable(hoursOn), part);
    }
    return report;
}

std::string FormatClfFitReport(const ClfFitReport& report) {
    std::string text;
    char line[256];
    text += "Cooling load factors: parameters re-derived by least squares (suspect cells out)\n";
    text += "  fitted  adopted   rms     max    cells  what\n";
    for (const FittedValue& fit : report.fits) {
        std::snprintf(line, sizeof line, "  %6.4f  %6.4f  %6.4f  %6.4f  %4d   %s\n", fit.fitted,
                      fit.adopted, fit.distance.rms, fit.distance.max, fit.distance.cells,
                      fit.what.c_str());
        text += line;
    }
    text += "\nGenerated tables (two decimals, adopted parameters) against the fragments\n";
    text += "  without suspects        all cells\n";
    text += "  rms     max    cells    rms     max    cells  table\n";
    for (const TableDistance& d : report.distances) {
        std::snprintf(line, sizeof line, "  %6.4f  %6.4f  %4d    %6.4f  %6.4f  %4d   %s\n",
                      d.withoutSuspects.rms, d.withoutSuspects.max, d.withoutSuspects.cells,
                      d.all.rms, d.all.max, d.all.cells, d.what.c_str());
        text += line;
    }
    return text;
}

}  // namespace refgen
