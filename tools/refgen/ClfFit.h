#pragma once

// The fitted parameters of the cooling load factor tables, re-derived by least squares from the
// published fragments, and the distance of the generated tables to every fragment. Whenever a
// printed row becomes available, adding it to a fragment and running `thermavo-refgen fit`
// shows what it does to the parameters.

#include <string>
#include <string_view>
#include <vector>

#include "Fragments.h"
#include "Table.h"

namespace refgen {

// One printed value of a fragment, at its place in the data file.
struct FragmentCell {
    int row;
    int col;
    double value;
    bool suspect;
};

// A fragment's cells that belong to one data file.
struct FragmentPart {
    std::string name;  // e.g. "fixture X, 10 h"
    int fileNumber;
    std::vector<FragmentCell> cells;
};

// The fragments' cells in file coordinates; each throws std::runtime_error when a fragment's
// rows or columns are not the expected ones.
FragmentPart GlassShadingCells(const Fragment& fragment);  // qlex02
FragmentPart PeopleCells(const Fragment& fragment);        // qlex37
// One part per column (fixture and hours on) in the file of its hours on: fixture X is 'a'
// 0.55 with 'b' class C, fixture Y 'a' 0.75 with 'b' class A.
std::vector<FragmentPart> LightsFixtureCells(const Fragment& fragment);

struct Distance {
    double rms = 0;
    double max = 0;  // largest absolute difference
    int cells = 0;
};

// Table value minus fragment value over the cells, suspects left out unless withSuspects.
Distance DistanceTo(const Table& table, const std::vector<FragmentCell>& cells,
                    bool withSuspects = false);

struct FittedValue {
    std::string key;  // stable name, e.g. "pole.people"
    std::string what;
    double fitted;
    double adopted;     // the value of ClfConstants.h
    Distance distance;  // of the unrounded model at the fitted values, suspects left out
};

struct TableDistance {
    std::string what;
    Distance withoutSuspects;
    Distance all;
};

struct ClfFitReport {
    std::vector<FittedValue> fits;
    std::vector<TableDistance> distances;  // of the generated, rounded tables

    const FittedValue& Fit(std::string_view key) const;  // throws std::out_of_range
};

// Fragment file names in fragmentDir.
inline constexpr const char* kGlassShadingFragment = "clf_glass_interior_shading.csv";
inline constexpr const char* kPeopleFragment = "clf_people.csv";
inline constexpr const char* kLightsFragment = "lights_fixtures.csv";

// Reads the three fragments from fragmentDir and fits; throws std::runtime_error.
ClfFitReport FitClfParameters(const std::string& fragmentDir);

std::string FormatClfFitReport(const ClfFitReport& report);

}  // namespace refgen
