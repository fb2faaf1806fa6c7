#include "ShadingFit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

namespace refgen {

namespace {

const char* const kGlassAnchorFile = "glass_anchors.csv";
const char* const kFabricFile = "fabric_sc.csv";
const std::array<const char*, kCatalogueGlazings.size()> kCatalogueColumnNames = {
    "1/8 clear", "1/4 clear", "1/4 heat-abs", "1/2 IG clear", "1 IG clear", "1 IG heat-abs"};

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The data lines of a fragment file split into fields: comments skipped, the header line
// checked against the expected column names.
std::vector<std::vector<std::string>> ReadRows(const std::string& path,
                                               const std::vector<std::string>& header) {
    std::istringstream in(ReadText(path));
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream split(line);
        std::string field;
        while (std::getline(split, field, ',')) fields.push_back(field);
        if (!headerSeen) {
            if (fields != header) throw std::runtime_error(path + ": unexpected header " + line);
            headerSeen = true;
            continue;
        }
        if (fields.size() != header.size()) throw std::runtime_error(path + ": bad row " + line);
        rows.push_back(fields);
    }
    return rows;
}

double Number(const std::string& text) {
    size_t used = 0;
    const double value = std::stod(text, &used);
    if (used != text.size()) throw std::runtime_error("\"" + text + "\" is not a number");
    return value;
}

Pane PaneFromAnchorKey(const std::string& text) {
    const size_t mm = text.find("mm ");
    if (mm == std::string::npos) throw std::runtime_error("bad glass key " + text);
    const std::string code = text.substr(mm + 3);
    for (size_t f = 0; f < kAnchorFamilyCodes.size(); ++f) {
        if (code == kAnchorFamilyCodes[f]) {
            return {static_cast<GlassFamily>(f), Number(text.substr(0, mm)) / kMmPerIn};
        }
    }
    throw std::runtime_error("unknown glass " + code);
}

// Golden-section search for the minimum of a unimodal function on [low, high].
double GoldenMinimum(const std::function<double(double)>& f, double low, double high) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = low, b = high;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = f(c), fd = f(d);
    while (b - a > 1e-9) {
        if (fc < fd) {  // the minimum lies in [a, d]
            b = d;
            d = c;
            fd = fc;
            c = b - ratio * (b - a);
            fc = f(c);
        } else {  // in [c, b]
            a = c;
            c = d;
            fc = fd;
            d = a + ratio * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

// Nelder-Mead simplex minimum from start, steps of a fifth of each coordinate.
std::vector<double> SimplexMinimum(const std::function<double(const std::vector<double>&)>& f,
                                   std::vector<double> start) {
    const size_t n = start.size();
    for (int restart = 0; restart < 3; ++restart) {
        std::vector<std::vector<double>> points(n + 1, start);
        for (size_t i = 0; i < n; ++i) points[i + 1][i] *= 1.2;
        std::vector<double> values(n + 1);
        for (size_t i = 0; i <= n; ++i) values[i] = f(points[i]);
        for (int iteration = 0; iteration < 5000; ++iteration) {
            std::vector<size_t> order(n + 1);
            for (size_t i = 0; i <= n; ++i) order[i] = i;
            std::sort(order.begin(), order.end(),
                      [&](size_t x, size_t y) { return values[x] < values[y]; });
            std::vector<std::vector<double>> sortedPoints;
            std::vector<double> sortedValues;
            for (size_t i : order) {
                sortedPoints.push_back(points[i]);
                sortedValues.push_back(values[i]);
            }
            points = sortedPoints;
            values = sortedValues;
            if (values[n] - values[0] < 1e-16) break;
            std::vector<double> centre(n, 0.0);
            for (size_t i = 0; i < n; ++i) {
                for (size_t k = 0; k < n; ++k) centre[k] += points[i][k] / n;
            }
            auto along = [&](double t) {
                std::vector<double> x(n);
                for (size_t k = 0; k < n; ++k) x[k] = centre[k] + t * (points[n][k] - centre[k]);
                return x;
            };
            const std::vector<double> reflected = along(-1);
            const double fr = f(reflected);
            if (fr < values[0]) {
                const std::vector<double> expanded = along(-2);
                const double fe = f(expanded);
                points[n] = fe < fr ? expanded : reflected;
                values[n] = std::min(fe, fr);
            } else if (fr < values[n - 1]) {
                points[n] = reflected;
                values[n] = fr;
            } else {
                const std::vector<double> contracted = along(0.5);
                const double fc = f(contracted);
                if (fc < values[n]) {
                    points[n] = contracted;
                    values[n] = fc;
                } else {
                    for (size_t i = 1; i <= n; ++i) {
                        for (size_t k = 0; k < n; ++k) {
                            points[i][k] = (points[0][k] + points[i][k]) / 2;
                        }
                        values[i] = f(points[i]);
                    }
                }
            }
        }
        start = points[0];
    }
    return start;
}

ShadingModel WithDrapery(double paneToFabric, double paneToGap) {
    ShadingModel model;
    model.drapery = {paneToFabric, paneToGap, kFabricToRoom};
    return model;
}

double CatalogueSc(const CatalogueFabric& fabric, int column, const ShadingModel& model) {
    return Shgc(kCatalogueGlazings[static_cast<size_t>(column)], Incidence::kNormal, fabric.fabric,
                model) /
           kScReferenceShgc;
}

void PrintAnchor(const GlassAnchor& anchor, const ShadingModel& fitted, const ShadingModel& used,
                 bool withFitted) {
    const double inUse = Shgc(anchor.glazing, Incidence::kNormal, std::nullopt, used);
    std::printf("    %-18s published %.2f  computed %.4f (%+.4f)", anchor.key.c_str(), anchor.shgc,
                inUse, inUse - anchor.shgc);
    if (withFitted) {
        const double best = Shgc(anchor.glazing, Incidence::kNormal, std::nullopt, fitted);
        std::printf("  with the fitted K %.4f (%+.4f)", best, best - anchor.shgc);
    }
    std::printf("\n");
}

}  // namespace

Glazing GlazingFromAnchorKey(const std::string& key) {
    const size_t plus = key.find('+');
    if (plus == std::string::npos) return {PaneFromAnchorKey(key), std::nullopt};
    return {PaneFromAnchorKey(key.substr(0, plus)), PaneFromAnchorKey(key.substr(plus + 1))};
}

std::vector<GlassAnchor> ReadGlassAnchors(const std::string& path) {
    std::vector<GlassAnchor> anchors;
    for (const auto& row : ReadRows(path, {"kind", "key", "value", "use"})) {
        if (row[0] != "shgc") continue;
        if (row[3] != "cal" && row[3] != "val") throw std::runtime_error("bad use " + row[3]);
        anchors.push_back({row[1], GlazingFromAnchorKey(row[1]), Number(row[2]), row[3] == "cal"});
    }
    return anchors;
}

std::vector<CatalogueFabric> ReadCatalogueFabrics(const std::string& path) {
    std::vector<CatalogueFabric> fabrics;
    const std::vector<std::string> header = {"fabric",  "Ts",      "Rs",      "As",     "sc_18cl",
                                             "sc_14cl", "sc_14ha", "sc_12ig", "sc_1ig", "sc_1igha"};
    for (const auto& row : ReadRows(path, header)) {
        CatalogueFabric fabric{row[0], {Number(row[1]) / 100, Number(row[2]) / 100}, {}};
        for (size_t c = 0; c < fabric.sc.size(); ++c) fabric.sc[c] = Number(row[4 + c]);
        fabrics.push_back(fabric);
    }
    return fabrics;
}

double FitExtinction(GlassFamily family, const std::vector<GlassAnchor>& anchors) {
    std::vector<const GlassAnchor*> used;
    for (const GlassAnchor& anchor : anchors) {
        if (anchor.calibration && !anchor.glazing.inner && anchor.glazing.outer.family == family) {
            used.push_back(&anchor);
        }
    }
    if (used.empty()) throw std::runtime_error("no calibration anchor for a glass family");
    const auto squares = [&](double k) {
        ShadingModel model;
        model.extinctionPerIn[static_cast<size_t>(family)] = k;
        double sum = 0;
        for (const GlassAnchor* anchor : used) {
            sum += std::pow(
                Shgc(anchor->glazing, Incidence::kNormal, std::nullopt, model) - anchor->shgc, 2);
        }
        return sum;
    };
    // SHGC falls with K, so the sum of squares has one minimum; 20 per inch is darker than any
    // glass of the table.
    return GoldenMinimum(squares, 0.0, 20.0);
}

double FitGapCoefficient() {
    // One equation in one unknown: the least-squares solution makes U exact.
    const double u = kDoubleGlazingUIp * kWattPerM2KPerBtu;
    return 1.0 / (1.0 / u - 1.0 / kOutsideFilm - 1.0 / kInsideFilm);
}

double CatalogueRms(const std::vector<CatalogueFabric>& fabrics, const ShadingModel& model,
                    int first, int last) {
    double sum = 0;
    int count = 0;
    for (const CatalogueFabric& fabric : fabrics) {
        for (int c = first; c < last; ++c) {
            sum += std::pow(CatalogueSc(fabric, c, model) - fabric.sc[static_cast<size_t>(c)], 2);
            ++count;
        }
    }
    return std::sqrt(sum / count);
}

DraperyNetwork FitDraperyNetwork(const std::vector<CatalogueFabric>& fabrics) {
    const auto rms = [&](const std::vector<double>& h) {
        if (h[0] <= 0 || h[1] <= 0) return 1e9;
        return CatalogueRms(fabrics, WithDrapery(h[0], h[1]), 0, kCatalogueFittedColumns);
    };
    // From an even split of the bare glass's inside film, not from the values in use.
    const std::vector<double> best = SimplexMinimum(rms, {kInsideFilm / 2, kInsideFilm / 2});
    return {best[0], best[1], kFabricToRoom};
}

ShadingFit FitShadingParameters(const std::string& fragmentDir) {
    const std::filesystem::path dir(fragmentDir);
    const std::vector<GlassAnchor> anchors = ReadGlassAnchors((dir / kGlassAnchorFile).string());
    const std::vector<CatalogueFabric> fabrics = ReadCatalogueFabrics((dir / kFabricFile).string());
    ShadingFit fit{};
    for (int f = 0; f < kGlassFamilies; ++f) {
        fit.extinctionPerIn[static_cast<size_t>(f)] =
            FitExtinction(static_cast<GlassFamily>(f), anchors);
    }
    fit.gapCoefficient = FitGapCoefficient();
    fit.drapery = FitDraperyNetwork(fabrics);
    return fit;
}

int PrintShadingFit(const std::string& fragmentDir) {
    std::vector<GlassAnchor> anchors;
    std::vector<CatalogueFabric> fabrics;
    ShadingFit fit;
    try {
        const std::filesystem::path dir(fragmentDir);
        anchors = ReadGlassAnchors((dir / kGlassAnchorFile).string());
        fabrics = ReadCatalogueFabrics((dir / kFabricFile).string());
        fit = FitShadingParameters(fragmentDir);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "shading fit: %s (run from the repository root)\n", error.what());
        return 1;
    }
    const ShadingModel used;
    ShadingModel fitted;
    fitted.extinctionPerIn = fit.extinctionPerIn;

    std::printf("Shading coefficients (qlex38): fitted parameters and the fragments in %s\n",
                fragmentDir.c_str());
    std::printf("\nExtinction K per inch, least squares to the normal-incidence SHGC ('cal'):\n");
    const char* const familyNames[] = {"clear", "heat-absorbing", "grey"};
    for (int f = 0; f < kGlassFamilies; ++f) {
        std::printf("  %-15s fitted %.4f  used %.3f\n", familyNames[f],
                    fit.extinctionPerIn[static_cast<size_t>(f)],
                    kExtinctionPerIn[static_cast<size_t>(f)]);
        for (const GlassAnchor& anchor : anchors) {
            if (anchor.calibration && anchor.glazing.outer.family == static_cast<GlassFamily>(f)) {
                PrintAnchor(anchor, fitted, used, true);
            }
        }
    }
    std::printf("  checks, not fitted ('val'):\n");
    for (const GlassAnchor& anchor : anchors) {
        if (!anchor.calibration) PrintAnchor(anchor, fitted, used, false);
    }

    const double uUsed = DoubleGlazingU(used) / kWattPerM2KPerBtu;
    std::printf("\nAir space between panes, solved for the double-glazing U %.2f Btu/(h ft2 F):\n",
                kDoubleGlazingUIp);
    std::printf("  fitted %.3f W/(m2 K)  used %.2f  (U %.4f, %+.4f)\n", fit.gapCoefficient,
                kGapCoefficient, uUsed, uUsed - kDoubleGlazingUIp);

    const ShadingModel best = WithDrapery(fit.drapery.paneToFabric, fit.drapery.paneToGap);
    std::printf(
        "\nDrapery network, W/(m2 K), least squares to the catalogue SC on single glass:\n");
    std::printf("  fabric-to-room held at %.2f (the SC depend on two combinations of the three)\n",
                kFabricToRoom);
    std::printf("  pane-to-fabric fitted %.3f  used %.2f\n", fit.drapery.paneToFabric,
                kPaneToFabric);
    std::printf("  pane-to-gap    fitted %.3f  used %.2f\n", fit.drapery.paneToGap, kPaneToGap);
    std::printf("  rms over the %d fitted columns: fitted %.4f  used %.4f\n",
                kCatalogueFittedColumns, CatalogueRms(fabrics, best, 0, kCatalogueFittedColumns),
                CatalogueRms(fabrics, used, 0, kCatalogueFittedColumns));
    std::printf("  computed - published SC with the values used (* = check, not fitted):\n");
    std::printf("  %-7s %4s %4s", "fabric", "Ts", "Rs");
    for (size_t c = 0; c < kCatalogueGlazings.size(); ++c) {
        std::printf(" %13s%s", kCatalogueColumnNames[c],
                    static_cast<int>(c) < kCatalogueFittedColumns ? " " : "*");
    }
    std::printf("\n");
    for (const CatalogueFabric& fabric : fabrics) {
        std::printf("  %-7s %4.2f %4.2f", fabric.name.c_str(), fabric.fabric.transmittance,
                    fabric.fabric.reflectance);
        for (size_t c = 0; c < kCatalogueGlazings.size(); ++c) {
            const double sc = CatalogueSc(fabric, static_cast<int>(c), used);
            std::printf("   %.2f %+.3f", fabric.sc[c], sc - fabric.sc[c]);
        }
        std::printf("\n");
    }
    std::printf("  %-17s", "rms");
    for (size_t c = 0; c < kCatalogueGlazings.size(); ++c) {
        const int column = static_cast<int>(c);
        std::printf("   %11.4f", CatalogueRms(fabrics, used, column, column + 1));
    }
    std::printf("\n");
    return 0;
}

}  // namespace refgen
