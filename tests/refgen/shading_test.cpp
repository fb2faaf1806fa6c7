#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "NetRadiation.h"
#include "PaneOptics.h"
#include "ShadingCoefficients.h"
#include "ShadingConstants.h"
#include "ShadingFit.h"

using namespace refgen;
namespace fs = std::filesystem;

namespace {

const fs::path kReferenceDir = fs::path(THERMAVO_SOURCE_DIR) / "data" / "reference";
const fs::path kFragments = kReferenceDir / "fragments";

std::vector<GlassAnchor> Anchors() {
    return ReadGlassAnchors((kFragments / "glass_anchors.csv").string());
}

std::vector<CatalogueFabric> Fabrics() {
    return ReadCatalogueFabrics((kFragments / "fabric_sc.csv").string());
}

double NormalShgc(const Glazing& glazing) { return Shgc(glazing, Incidence::kNormal); }

const Glazing kClearSingle = {{GlassFamily::kClear, 0.125}, std::nullopt};
const Glazing kGreyDouble = {{GlassFamily::kGrey, 0.25}, Pane{GlassFamily::kClear, 0.25}};
const Glazing kFilmDouble = kGlassTypes[26];

}  // namespace

// ---- Optics and the layer solution --------------------------------------------------------

// A clear slab absorbs nothing: whatever is not reflected is transmitted, at every angle and for
// diffuse light (which also checks that the hemispherical weights integrate to one).
TEST(PaneOptics, LosslessSlabConservesEnergy) {
    for (double q = 0; q < 89.5; q += 5) {
        const PaneOptics beam = BeamPaneOptics(0.0, 0.25, q * std::numbers::pi / 180);
        EXPECT_NEAR(beam.transmittance + beam.reflectance, 1.0, 1e-12) << q;
    }
    const PaneOptics diffuse = DiffusePaneOptics(0.0, 0.25);
    EXPECT_NEAR(diffuse.transmittance + diffuse.reflectance, 1.0, 1e-6);
    // Normal incidence: two faces of reflectance r and the series between them give
    // (1 - r) / (1 + r).
    const double r = std::pow((kGlassRefractiveIndex - 1) / (kGlassRefractiveIndex + 1), 2);
    EXPECT_NEAR(BeamPaneOptics(0.0, 0.25, 0.0).transmittance, (1 - r) / (1 + r), 1e-12);
}

// Diffuse light meets the glass obliquely on average: less gets through, more is reflected.
TEST(PaneOptics, DiffuseLightFaresWorseThanNormalBeam) {
    for (double k : kExtinctionPerIn) {
        const PaneOptics normal = BeamPaneOptics(k, 0.25, 0.0);
        const PaneOptics diffuse = DiffusePaneOptics(k, 0.25);
        EXPECT_LT(diffuse.transmittance, normal.transmittance) << k;
        EXPECT_GT(diffuse.reflectance, normal.reflectance) << k;
    }
}

// Transmitted + reflected + absorbed = 1 for the kinds of stack the table uses, and for a
// layer whose faces differ (so that a front/back mix-up shows).
TEST(NetRadiation, EnergyBalance) {
    const auto pane = [](GlassFamily family) {
        const PaneOptics optics =
            BeamPaneOptics(kExtinctionPerIn[static_cast<size_t>(family)], 0.25, 0.0);
        return OpticalLayer{optics.transmittance, optics.reflectance, optics.reflectance};
    };
    const OpticalLayer clear = pane(GlassFamily::kClear), grey = pane(GlassFamily::kGrey);
    const OpticalLayer film = {kFilmTransmittance, kFilmReflectance, kFilmReflectance};
    const SolarFabric cloth = DraperyFabric(kShadingDevices - 1);
    const OpticalLayer fabric = {cloth.transmittance, cloth.reflectance, cloth.reflectance / 2};
    const std::vector<std::vector<OpticalLayer>> stacks = {
        {clear}, {clear, clear}, {grey, film, clear}, {clear, fabric}, {grey, film, clear, fabric}};
    for (const auto& stack : stacks) {
        const NetRadiation result = SolveNetRadiation(stack);
        double sum = result.transmitted + result.reflected;
        for (double a : result.absorbed) sum += a;
        EXPECT_NEAR(sum, 1.0, 1e-12) << stack.size();
    }
}

// Two layers against the closed form of the interreflection series.
TEST(NetRadiation, TwoLayersMatchClosedForm) {
    const OpticalLayer a = {0.6, 0.1, 0.2}, b = {0.3, 0.5, 0.4};
    const NetRadiation result = SolveNetRadiation({a, b});
    const double bounce = 1.0 / (1.0 - a.backReflectance * b.frontReflectance);
    EXPECT_NEAR(result.transmitted, a.transmittance * b.transmittance * bounce, 1e-14);
    EXPECT_NEAR(
        result.reflected,
        a.frontReflectance + a.transmittance * a.transmittance * b.frontReflectance * bounce,
        1e-14);
}

// The inward share of heat at a pane is its outside resistance over the total.
TEST(HeatNetwork, InwardFractionsAreResistanceRatios) {
    HeatNetwork single(1);
    single.ConnectOutdoors(0, kOutsideFilm);
    single.ConnectRoom(0, kInsideFilm);
    EXPECT_NEAR(single.InwardFractions()[0], kInsideFilm / (kInsideFilm + kOutsideFilm), 1e-14);

    HeatNetwork twoPanes(2);
    twoPanes.ConnectOutdoors(0, kOutsideFilm);
    twoPanes.Connect(0, 1, kGapCoefficient);
    twoPanes.ConnectRoom(1, kInsideFilm);
    const double total = 1 / kOutsideFilm + 1 / kGapCoefficient + 1 / kInsideFilm;
    const std::vector<double> inward = twoPanes.InwardFractions();
    EXPECT_NEAR(inward[0], (1 / kOutsideFilm) / total, 1e-14);
    EXPECT_NEAR(inward[1], (1 / kOutsideFilm + 1 / kGapCoefficient) / total, 1e-14);
}

// ---- Against the published fragments ------------------------------------------------------

// The normal-incidence SHGC of 3 and 6 mm glass that set K: one K per family cannot meet both
// thicknesses exactly, but the misfit is balanced and small.
TEST(ShadingFit, CalibrationAnchorsReproduced) {
    int count = 0;
    for (const GlassAnchor& anchor : Anchors()) {
        if (!anchor.calibration) continue;
        ++count;
        EXPECT_NEAR(NormalShgc(anchor.glazing), anchor.shgc, 0.025) << anchor.key;
        if (anchor.glazing.outer.family == GlassFamily::kClear) {
            EXPECT_NEAR(NormalShgc(anchor.glazing), anchor.shgc, 0.005) << anchor.key;
        }
    }
    EXPECT_EQ(count, 6);
}

// Double glazing was not used in any fit.
TEST(ShadingFit, ClearDoubleGlazingChecks) {
    const std::vector<GlassAnchor> anchors = Anchors();
    for (const char* key : {"3mm CLR+3mm CLR", "6mm CLR+6mm CLR"}) {
        const auto it = std::find_if(anchors.begin(), anchors.end(),
                                     [&](const GlassAnchor& a) { return a.key == key; });
        ASSERT_NE(it, anchors.end()) << key;
        EXPECT_FALSE(it->calibration);
        EXPECT_NEAR(NormalShgc(it->glazing), it->shgc, 0.02) << key;
    }
    // The U-value the air space was solved for.
    EXPECT_NEAR(DoubleGlazingU() / kWattPerM2KPerBtu, kDoubleGlazingUIp, 0.005);
}

TEST(ShadingFit, CatalogueFabricsOnSingleGlass) {
    const std::vector<CatalogueFabric> fabrics = Fabrics();
    ASSERT_EQ(fabrics.size(), 12u);
    EXPECT_LT(CatalogueRms(fabrics, ShadingModel{}, 0, kCatalogueFittedColumns), 0.01);
    for (int c = 0; c < kCatalogueFittedColumns; ++c) {
        EXPECT_LT(CatalogueRms(fabrics, ShadingModel{}, c, c + 1), 0.01) << c;
    }
}

// The fit command finds again, from the fragments alone, the values in ShadingConstants.h (those
// are rounded: K to the anchors' precision, the air space to 0.1, the network to 0.5).
TEST(ShadingFit, RederivesTheFittedParameters) {
    const ShadingFit fit = FitShadingParameters(kFragments.string());
    for (size_t f = 0; f < kExtinctionPerIn.size(); ++f) {
        EXPECT_NEAR(fit.extinctionPerIn[f], kExtinctionPerIn[f], 0.005) << f;
    }
    EXPECT_NEAR(fit.gapCoefficient, kGapCoefficient, 0.05);
    EXPECT_NEAR(fit.drapery.paneToFabric, kPaneToFabric, 0.25);
    EXPECT_NEAR(fit.drapery.paneToGap, kPaneToGap, 0.25);
    EXPECT_EQ(fit.drapery.fabricToRoom, kFabricToRoom);
}

// ---- The table ----------------------------------------------------------------------------

TEST(ShadingTable, ShapeAndLabels) {
    const Table table = ShadingCoefficientTable();
    ASSERT_EQ(table.Rows(), 28);
    ASSERT_EQ(table.Cols(), 29);
    EXPECT_EQ(table.Rows() * table.Cols() * sizeof(double), 6496u);
    EXPECT_EQ(table.At(0, 0), 0);
    for (int s = 0; s < kShadingDevices; ++s) {
        EXPECT_EQ(table.At(0, 1 + 2 * s), s + 1);
        EXPECT_EQ(table.At(0, 2 + 2 * s), s + 1);
    }
    for (int r = 1; r < 28; ++r) EXPECT_EQ(table.At(r, 0), r);
}

TEST(ShadingTable, EveryPairBetweenZeroAndOnePointOne) {
    const Table table = ShadingCoefficientTable();
    for (int r = 1; r < table.Rows(); ++r) {
        for (int c = 1; c < table.Cols(); ++c) {
            EXPECT_GT(table.At(r, c), 0.0) << r << " " << c;
            EXPECT_LE(table.At(r, c), 1.1) << r << " " << c;
        }
    }
}

// A drapery only adds a layer: it never lets more heat in than the bare glass, in either part;
// and a closed weave of a yarn never more than its open weave.
TEST(ShadingTable, DraperiesNeverAboveBareGlass) {
    for (int t = 0; t < static_cast<int>(kGlassTypes.size()); ++t) {
        const ScPair bare = ShadingCoefficients(t, kNoShading);
        for (int d = kFirstDrapery; d < kShadingDevices; ++d) {
            const ScPair drapery = ShadingCoefficients(t, d);
            EXPECT_LT(drapery.sunlit, bare.sunlit) << kGlassLetters[t] << " " << d;
            EXPECT_LT(drapery.shaded, bare.shaded) << kGlassLetters[t] << " " << d;
        }
    }
}

// Thicker glass of one family passes less, sunlit and shaded.
TEST(ShadingTable, BareScFallsWithThickness) {
    for (size_t a = 0; a < 22; ++a) {
        for (size_t b = 0; b < 22; ++b) {
            const Pane& pa = kGlassTypes[a].outer;
            const Pane& pb = kGlassTypes[b].outer;
            if (pa.family != pb.family || pa.thicknessIn >= pb.thicknessIn) continue;
            const ScPair thin = ShadingCoefficients(static_cast<int>(a), kNoShading);
            const ScPair thick = ShadingCoefficients(static_cast<int>(b), kNoShading);
            EXPECT_GT(thin.sunlit, thick.sunlit) << kGlassLetters[a] << kGlassLetters[b];
            EXPECT_GT(thin.shaded, thick.shaded) << kGlassLetters[a] << kGlassLetters[b];
        }
    }
}

// The handbook's values come back at each anchor; held above the first, proportional below
// the last, linear between.
TEST(ShadingTable, BlindsAndRollersHitTheirAnchors) {
    for (int device = kBlindMedium; device <= kRollerLight; ++device) {
        const auto& ys = kBlindAnchorSc[static_cast<size_t>(device - kBlindMedium)];
        for (size_t i = 0; i < kBlindAnchorBareSc.size(); ++i) {
            EXPECT_NEAR(BlindOrRollerSc(kClearSingle, device, kBlindAnchorBareSc[i]), ys[i], 1e-12);
        }
        EXPECT_NEAR(BlindOrRollerSc(kClearSingle, device, 1.05), ys[0], 1e-12);
        EXPECT_NEAR(BlindOrRollerSc(kClearSingle, device, 0.25), ys[3] / 2, 1e-12);
        EXPECT_NEAR(BlindOrRollerSc(kClearSingle, device, 0.60), (ys[2] + ys[3]) / 2, 1e-12);

        const double doubleAnchor = kDoubleAnchorSc[static_cast<size_t>(device - kBlindMedium)];
        for (double bare : kDoubleAnchorBareSc) {
            EXPECT_NEAR(BlindOrRollerSc(kGlassTypes[23], device, bare), doubleAnchor, 1e-12);
        }
        EXPECT_NEAR(BlindOrRollerSc(kGreyDouble, device, kDoubleAnchorMeanBareSc), doubleAnchor,
                    1e-12);
    }
    for (int blind : {kBlindMedium, kBlindLight}) {
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_NEAR(BlindOrRollerSc(kFilmDouble, blind, kReflectiveBareSc[i]),
                        kReflectiveBlindSc[i], 1e-12);
        }
    }
    // The table itself: regular sheet (bare SC between the two top anchors) and the clear
    // doubles carry the printed values in the sunlit part.
    const Table table = ShadingCoefficientTable();
    for (int device = kBlindMedium; device <= kRollerLight; ++device) {
        const size_t row = static_cast<size_t>(device - kBlindMedium);
        EXPECT_EQ(table.At(1, 1 + 2 * device), kBlindAnchorSc[row][0]);
        EXPECT_EQ(table.At(23, 1 + 2 * device), kDoubleAnchorSc[row]);
        EXPECT_EQ(table.At(24, 1 + 2 * device), kDoubleAnchorSc[row]);
    }
}

// The committed source is what the generator writes.
TEST(ShadingTable, CommittedFileRegenerates) {
    std::ifstream in(kReferenceDir / "qlex38.csv", std::ios::binary);
    ASSERT_TRUE(in) << "data/reference/qlex38.csv missing";
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(text.str() == ShadingCoefficientTable().ToCsv())
        << "qlex38.csv differs from a fresh run of the generator";
}
