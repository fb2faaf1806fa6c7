#pragma once

// Re-derives the fitted parameters of the shading-coefficient table from the published
// fragments (data/reference/fragments), by least squares, and prints them beside the values in
// use with the distance of both to every fragment.

#include <array>
#include <string>
#include <vector>

#include "ShadingCoefficients.h"

namespace refgen {

inline constexpr const char* kFragmentDir = "data/reference/fragments";

// A normal-incidence SHGC of glass_anchors.csv.
struct GlassAnchor {
    std::string key;  // "6mm GRY+6mm CLR"
    Glazing glazing;
    double shgc;
    bool calibration;  // 'cal' (fitted) or 'val' (check only)
};

// A fabric of fabric_sc.csv with its SC on the glazings of kCatalogueGlazings.
struct CatalogueFabric {
    std::string name;
    SolarFabric fabric;
    std::array<double, kCatalogueGlazings.size()> sc;
};

// "6mm GRY+6mm CLR" -> grey 6 mm outside, clear 6 mm inside; throws std::runtime_error.
Glazing GlazingFromAnchorKey(const std::string& key);

// The SHGC rows of glass_anchors.csv and the rows of fabric_sc.csv; throw std::runtime_error.
std::vector<GlassAnchor> ReadGlassAnchors(const std::string& path);
std::vector<CatalogueFabric> ReadCatalogueFabrics(const std::string& path);

struct ShadingFit {
    std::array<double, kGlassFamilies> extinctionPerIn;
    double gapCoefficient;
    DraperyNetwork drapery;  // fabricToRoom held at kFabricToRoom
};

// Least squares of each parameter on its own, the others at the values in use.
double FitExtinction(GlassFamily family, const std::vector<GlassAnchor>& anchors);
double FitGapCoefficient();
DraperyNetwork FitDraperyNetwork(const std::vector<CatalogueFabric>& fabrics);
ShadingFit FitShadingParameters(const std::string& fragmentDir = kFragmentDir);

// Root mean square of (computed - published) SC over catalogue columns [first, last).
double CatalogueRms(const std::vector<CatalogueFabric>& fabrics, const ShadingModel& model,
                    int first, int last);

// The `fit` report on standard output; 0 on success, 1 if the fragments cannot be read.
int PrintShadingFit(const std::string& fragmentDir = kFragmentDir);

}  // namespace refgen
