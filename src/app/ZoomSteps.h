#pragma once

#include <span>

// The zoom of a results pane, as a factor on top of the Display Size option (1.0 = 100 %).
// Zoom In and Out walk a fixed list of steps; Fit Width and Fit Page may land between them.
namespace zoom {

inline constexpr double kMin = 0.25;
inline constexpr double kMax = 4.0;
inline constexpr double kActual = 1.0;

// The steps in percent, smallest first.
std::span<const int> Steps();

// The factor within kMin..kMax; anything not a number is taken as 100 %.
double Clamp(double factor);
// The next step above / below factor; at the ends the end itself.
double In(double factor);
double Out(double factor);
// The whole percent shown for factor ("67" for a fit at two thirds).
int Percent(double factor);

// The drawing as it asks to be scrolled, in logical units: the page is pageWidth by
// pageHeight, the whole scrolls totalHeight deep.
struct Extent {
    int pageWidth = 0;
    int pageHeight = 0;
    int totalHeight = 0;
};

// The factor that makes the page fill the viewport's width, or fit in it whole. The viewport
// is given without scroll bars; verticalBar is the width the vertical bar takes when the
// drawing, so scaled, is deeper than the viewport. No bar across is needed, as the page then
// fits across. A page or viewport without a size leaves the zoom at 100 %.
double FitWidth(const Extent& extent, int viewportWidth, int viewportHeight, int verticalBar);
double FitPage(const Extent& extent, int viewportWidth, int viewportHeight, int verticalBar);

}  // namespace zoom
