#include "ShadingCoefficients.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>

#include "NetRadiation.h"
#include "PaneOptics.h"

namespace refgen {

namespace {

OpticalLayer PaneLayer(const Pane& pane, Incidence incidence, const ShadingModel& model) {
    const double k = model.Extinction(pane.family);
    const PaneOptics optics = incidence == Incidence::kNormal
                                  ? BeamPaneOptics(k, pane.thicknessIn, 0.0)
                                  : DiffusePaneOptics(k, pane.thicknessIn);
    return {optics.transmittance, optics.reflectance, optics.reflectance};
}

// The handbook's curve of single glass: bare SC descending through the anchors.
double SingleGlassAnchorSc(int anchorRow, double bareSc) {
    const auto& xs = kBlindAnchorBareSc;
    const auto& ys = kBlindAnchorSc[static_cast<size_t>(anchorRow)];
    if (bareSc >= xs.front()) return ys.front();
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        if (bareSc >= xs[i + 1]) {
            return ys[i] + (bareSc - xs[i]) * (ys[i + 1] - ys[i]) / (xs[i + 1] - xs[i]);
        }
    }
    return ys.back() * bareSc / xs.back();
}

const char* FamilyName(GlassFamily family) {
    switch (family) {
        case GlassFamily::kClear:
            return "clear";
        case GlassFamily::kHeatAbsorbing:
            return "heat-absorbing";
        case GlassFamily::kGrey:
            return "grey";
    }
    return "";
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// Two decimals, as the handbook printed SC; the nearest double to the decimal value, so that
// the CSV prints it in its short form.
double TwoDecimals(double value) { return std::round(value * 100.0) / 100.0; }

}  // namespace

double BlindOrRollerSc(const Glazing& glazing, int device, double bareSc) {
    const int row = device - kBlindMedium;
    if (!glazing.inner) return SingleGlassAnchorSc(row, bareSc);
    const bool blind = device == kBlindMedium || device == kBlindLight;
    if (glazing.reflectiveFilm && blind) {
        const double slope = (kReflectiveBlindSc[1] - kReflectiveBlindSc[0]) /
                             (kReflectiveBareSc[1] - kReflectiveBareSc[0]);
        return kReflectiveBlindSc[0] + slope * (bareSc - kReflectiveBareSc[0]);
    }
    const double anchor = kDoubleAnchorSc[static_cast<size_t>(row)];
    const bool clear = glazing.outer.family == GlassFamily::kClear &&
                       glazing.inner->family == GlassFamily::kClear && !glazing.reflectiveFilm;
    return clear ? anchor : bareSc * anchor / kDoubleAnchorMeanBareSc;
}

double Shgc(const Glazing& glazing, Incidence incidence, const std::optional<SolarFabric>& fabric,
            const ShadingModel& model) {
    // Optical layers outside to inside, each with the heat-network node that takes its heat; the
    // film is thin and bonded, so it shares the outer pane's node.
    std::vector<OpticalLayer> layers = {PaneLayer(glazing.outer, incidence, model)};
    std::vector<int> nodeOf = {0};
    if (glazing.reflectiveFilm) {
        layers.push_back({kFilmTransmittance, kFilmReflectance, kFilmReflectance});
        nodeOf.push_back(0);
    }
    const int innerPane = glazing.inner ? 1 : 0;
    if (glazing.inner) {
        layers.push_back(PaneLayer(*glazing.inner, incidence, model));
        nodeOf.push_back(innerPane);
    }
    // The fabric diffuses, but what it reflects meets the glass with the incident light's
    // properties: so the catalogue is met to rms 0.005, with hemispherical ones only to 0.011.
    const int fabricNode = innerPane + 1;
    if (fabric) {
        layers.push_back({fabric->transmittance, fabric->reflectance, fabric->reflectance});
        nodeOf.push_back(fabricNode);
    }

    HeatNetwork network(fabric ? fabricNode + 1 : innerPane + 1);
    network.ConnectOutdoors(0, kOutsideFilm);
    if (glazing.inner) network.Connect(0, innerPane, model.gapCoefficient);
    if (fabric) {
        network.Connect(innerPane, fabricNode, model.drapery.paneToFabric);
        network.ConnectRoom(innerPane, model.drapery.paneToGap);
        network.ConnectRoom(fabricNode, model.drapery.fabricToRoom);
    } else {
        network.ConnectRoom(innerPane, kInsideFilm);
    }

    const NetRadiation radiation = SolveNetRadiation(layers);
    const std::vector<double> inward = network.InwardFractions();
    double shgc = radiation.transmitted;
    for (size_t i = 0; i < layers.size(); ++i) {
        shgc += radiation.absorbed[i] * inward[static_cast<size_t>(nodeOf[i])];
    }
    return shgc;
}

double DoubleGlazingU(const ShadingModel& model) {
    return 1.0 / (1.0 / kOutsideFilm + 1.0 / model.gapCoefficient + 1.0 / kInsideFilm);
}

double ReferenceDiffuseShgc() {
    static const double value = Shgc(Glazing{kReferencePane, std::nullopt}, Incidence::kDiffuse);
    return value;
}

SolarFabric DraperyFabric(int device) {
    const int index = device - kFirstDrapery;
    if (index < 0 || index >= 9) throw std::out_of_range("not a drapery device");
    const size_t yarn = static_cast<size_t>(index / 3);
    const double openness = kDraperyOpenness[static_cast<size_t>(index % 3)];
    return {openness + (1.0 - openness) * kYarnTransmittance[yarn],
            (1.0 - openness) * kYarnReflectance[yarn]};
}

ScPair ShadingCoefficients(int glassType, int device) {
    const Glazing& glazing = kGlassTypes.at(static_cast<size_t>(glassType));
    if (device < 0 || device >= kShadingDevices) throw std::out_of_range("no such device");
    const ScPair bare = {Shgc(glazing, Incidence::kNormal) / kScReferenceShgc,
                         Shgc(glazing, Incidence::kDiffuse) / ReferenceDiffuseShgc()};
    if (device == kNoShading) return bare;
    if (device >= kFirstDrapery) {
        const SolarFabric fabric = DraperyFabric(device);
        return {Shgc(glazing, Incidence::kNormal, fabric) / kScReferenceShgc,
                Shgc(glazing, Incidence::kDiffuse, fabric) / ReferenceDiffuseShgc()};
    }
    // The anchors give one value per glass; the shaded part keeps the bare glass's ratio.
    const double sunlit = BlindOrRollerSc(glazing, device, bare.sunlit);
    return {sunlit, sunlit * bare.shaded / bare.sunlit};
}

std::vector<std::string> ShadingTableComments() {
    std::vector<std::string> lines = {
        "Shading coefficients of glass with interior shading: pairs (sunlit part, shaded part).",
        "Rows 1..27: glass types A..AA; columns 1 + 2s and 2 + 2s: shading device s + 1 (named "
        "in row 0), sunlit SC then shaded SC. Cell [0][0]: 0.",
        "Devices 1..14: none; venetian blind medium, light; roller shade dark, light; draperies "
        "of dark, medium and light yarn, each open, semi-open, closed.",
    };
    std::string types = "Glass types (family, thickness in inches, outer pane first):";
    for (size_t t = 0; t < kGlassTypes.size(); ++t) {
        const Glazing& g = kGlassTypes[t];
        types += Format("%s %s %s %.4g", t == 0 ? "" : ";", std::string(kGlassLetters[t]).c_str(),
                        FamilyName(g.outer.family), g.outer.thicknessIn);
        if (g.reflectiveFilm) types += " with film";
        if (g.inner) {
            types += Format(" + %s %.4g", FamilyName(g.inner->family), g.inner->thicknessIn);
        }
    }
    lines.push_back(types + ".");
    lines.push_back(Format(
        "Panes: uncoated slabs, refractive index %g, Fresnel s and p averaged, Beer-Lambert "
        "extinction per inch clear %g, heat-absorbing %g, grey %g; film on AA: tau %.2f, rho "
        "%.2f.",
        kGlassRefractiveIndex, kExtinctionPerIn[0], kExtinctionPerIn[1], kExtinctionPerIn[2],
        kFilmTransmittance, kFilmReflectance));
    lines.push_back(Format(
        "Layers by the net-radiation method; absorbed heat split by a network with outside film "
        "%g, inside film %g, air space %g W/(m2 K).",
        kOutsideFilm, kInsideFilm, kGapCoefficient));
    lines.push_back(Format(
        "Sunlit SC = normal-incidence SHGC / %g; shaded SC = hemispherical-diffuse SHGC / that of "
        "1/8-in clear glass (%.4f).",
        kScReferenceShgc, ReferenceDiffuseShgc()));
    lines.push_back(Format(
        "Blinds and roller shades: the handbook's SC against the bare-glass SC (single glass, "
        "clear double glazing, reflective glass; absorbing doubles scaled by bare SC / %g); "
        "shaded SC = sunlit SC x the bare glass's shaded / sunlit SC.",
        kDoubleAnchorMeanBareSc));
    lines.push_back(Format(
        "Draperies: glass and a diffusing fabric, tau = A0 + (1 - A0) tau_yarn, rho = (1 - A0) "
        "rho_yarn, openness A0 %g, %g, %g; yarn (rho, tau) dark (%g, %g), medium (%g, %g), light "
        "(%g, %g); pane-fabric %g, pane-gap %g, fabric-room %g W/(m2 K).",
        kDraperyOpenness[0], kDraperyOpenness[1], kDraperyOpenness[2], kYarnReflectance[0],
        kYarnTransmittance[0], kYarnReflectance[1], kYarnTransmittance[1], kYarnReflectance[2],
        kYarnTransmittance[2], kPaneToFabric, kPaneToGap, kFabricToRoom));
    lines.push_back(
        "Rounded to two decimals. Sources and assumptions of every parameter: "
        "docs/reference-data.md.");
    return lines;
}

Table ShadingCoefficientTable() {
    Table table(static_cast<int>(kGlassTypes.size()) + 1, 2 * kShadingDevices + 1,
                Table::Format::kExact);
    table.SetLabels(0);
    for (int s = 0; s < kShadingDevices; ++s) {
        table.At(0, 1 + 2 * s) = s + 1;
        table.At(0, 2 + 2 * s) = s + 1;
    }
    for (int t = 0; t < static_cast<int>(kGlassTypes.size()); ++t) {
        for (int s = 0; s < kShadingDevices; ++s) {
            const ScPair sc = ShadingCoefficients(t, s);
            table.At(t + 1, 1 + 2 * s) = TwoDecimals(sc.sunlit);
            table.At(t + 1, 2 + 2 * s) = TwoDecimals(sc.shaded);
        }
    }
    for (const std::string& line : ShadingTableComments()) table.AddComment(line);
    return table;
}

}  // namespace refgen
