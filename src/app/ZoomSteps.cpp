#include "ZoomSteps.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zoom {
namespace {
constexpr std::array<int, 15> kSteps = {25,  33,  50,  67,  75,  90,  100, 110,
                                        125, 150, 175, 200, 250, 300, 400};
// A factor this close to a step counts as on it, so a fit at 66.7 % goes In to 75 %, not 67 %.
constexpr double kSlack = 0.005;
}  // namespace

std::span<const int> Steps() { return kSteps; }

double Clamp(double factor) {
    if (!std::isfinite(factor)) return kActual;
    return std::clamp(factor, kMin, kMax);
}

double In(double factor) {
    const double current = Clamp(factor);
    for (int step : kSteps)
        if (step / 100.0 > current + kSlack) return step / 100.0;
    return kMax;
}

double Out(double factor) {
    const double current = Clamp(factor);
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it / 100.0 < current - kSlack) return *it / 100.0;
    return kMin;
}

int Percent(double factor) { return static_cast<int>(std::lround(Clamp(factor) * 100.0)); }

namespace {
// The factor that fits width (and height, when pageHeight is given) into the viewport.
double Fit(int pageWidth, int pageHeight, int width, int height) {
    double factor = static_cast<double>(width) / pageWidth;
    if (pageHeight > 0) factor = std::min(factor, static_cast<double>(height) / pageHeight);
    return factor;
}

double FitInto(const Extent& extent, bool wholePage, int viewportWidth, int viewportHeight,
               int verticalBar) {
    if (extent.pageWidth <= 0 || viewportWidth <= 0 || viewportHeight <= 0) return kActual;
    if (wholePage && extent.pageHeight <= 0) return kActual;
    const int pageHeight = wholePage ? extent.pageHeight : 0;
    double factor = Fit(extent.pageWidth, pageHeight, viewportWidth, viewportHeight);
    // A drawing that is then deeper than the viewport brings the vertical bar, which narrows it.
    if (extent.totalHeight * factor > viewportHeight && viewportWidth > verticalBar)
        factor = Fit(extent.pageWidth, pageHeight, viewportWidth - verticalBar, viewportHeight);
    return Clamp(factor);
}
}  // namespace

double FitWidth(const Extent& extent, int viewportWidth, int viewportHeight, int verticalBar) {
    return FitInto(extent, false, viewportWidth, viewportHeight, verticalBar);
}

double FitPage(const Extent& extent, int viewportWidth, int viewportHeight, int verticalBar) {
    return FitInto(extent, true, viewportWidth, viewportHeight, verticalBar);
}

}  // namespace zoom
