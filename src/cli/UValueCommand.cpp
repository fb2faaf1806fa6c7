#include "UValueCommand.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "units/Units.h"
#include "uvalue/UValue.h"

namespace {

const char* KindName(UValueKind kind) {
    switch (kind) {
        case UValueKind::kPerInch:
            return "per inch";
        case UValueKind::kPerLayer:
            return "per layer";
        case UValueKind::kPerFilm:
            return "per film";
        case UValueKind::kFixed:
            return "fixed";
    }
    return "";
}

bool ParseInt(const std::string& text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || parsed < INT_MIN || parsed > INT_MAX) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool ParseDouble(const std::string& text, double& value) {
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

// One ID[=AMOUNT] argument ticked into the selection; false (after saying why) when the
// argument names no material or its amount does not fit the material.
bool TickArgument(const std::string& arg, CUValueSelection& selection) {
    const size_t eq = arg.find('=');
    int id = 0;
    if (!ParseInt(arg.substr(0, eq), id) || !FindUValueMaterial(id)) {
        std::fprintf(stderr, "\"%s\" is not a material id (see: thermavo-cli uvalue --list).\n",
                     arg.c_str());
        return false;
    }
    const UValueMaterial& m = *FindUValueMaterial(id);
    const bool hasAmount = eq != std::string::npos;
    const std::string amount = hasAmount ? arg.substr(eq + 1) : "";
    if (m.kind == UValueKind::kFixed && hasAmount) {
        std::fprintf(stderr, "%d \"%s\" takes no thickness or count.\n", id, m.pszLabel);
        return false;
    }
    if (m.kind == UValueKind::kPerInch) {
        double thickness = 0;
        if (!hasAmount || !ParseDouble(amount, thickness)) {
            std::fprintf(stderr, "%d \"%s\" needs a thickness: %d=THICKNESS.\n", id, m.pszLabel,
                         id);
            return false;
        }
        selection.SetThickness(id, thickness);
    }
    if (m.kind == UValueKind::kPerLayer || m.kind == UValueKind::kPerFilm) {
        int count = 1;
        if (hasAmount && !ParseInt(amount, count)) {
            std::fprintf(stderr, "%d \"%s\" takes a whole number of %s.\n", id, m.pszLabel,
                         m.kind == UValueKind::kPerLayer ? "layers" : "films");
            return false;
        }
        selection.SetCount(id, count);
    }
    // Air films and air spaces of one group exclude each other: the later one stays ticked.
    std::vector<int> unticked;
    selection.Tick(id, &unticked);
    for (int other : unticked) {
        std::fprintf(stderr, "note: %d \"%s\" unticks %d \"%s\".\n", id, m.pszLabel, other,
                     FindUValueMaterial(other)->pszLabel);
    }
    return true;
}

}  // namespace

int RunUValue(const std::vector<std::string>& items, bool metric) {
    const int units = metric ? kMetricUnitsCode : kEnglishUnitsCode;
    CUValueSelection selection;
    for (const std::string& item : items) {
        if (!TickArgument(item, selection)) return 2;
    }
    if (InputResult error = ValidateUValue(selection)) {
        std::fprintf(stderr, "%s\n", error->strMessage.c_str());
        return 1;
    }
    const UValueResult result = CalcUValueOf(selection, units);
    std::printf("R-Value: %.4f %s\n", result.dRInput,
                units == kMetricUnitsCode ? "Sq m.C/W" : "Hr.Sq Ft.F/Btu");
    std::printf("%s\n", UValueResultText(result.dU, units).c_str());
    return 0;
}

int ListUValueMaterials() {
    int page = 0;
    for (const UValueMaterial& m : UValueMaterials()) {
        if (m.nPage != page) {
            page = m.nPage;
            std::printf("Page %d: %s\n", page, m.pszHeading);
        }
        std::printf("%d\t%s\t%.6g\t%s%s%s\n", m.nId, KindName(m.kind), m.dFactor, m.pszGroup,
                    *m.pszGroup ? ": " : "", m.pszLabel);
    }
    return 0;
}
