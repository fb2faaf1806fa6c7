#include "Conduction.h"

#include <cmath>
#include <numbers>

namespace refgen {

namespace {

using Complex = std::complex<double>;
constexpr double kSecondsPerDay = 86400.0;
// Aliases are summed until the next one is below this fraction of the steady response; the
// cap only guards constructions without mass, which have none to sum.
constexpr double kNegligible = 1e-12;
constexpr int kMaxHarmonic = kHours * 4000;

struct Matrix {
    Complex a11, a12, a21, a22;
};

Matrix Multiply(const Matrix& x, const Matrix& y) {
    return {x.a11 * y.a11 + x.a12 * y.a21, x.a11 * y.a12 + x.a12 * y.a22,
            x.a21 * y.a11 + x.a22 * y.a21, x.a21 * y.a12 + x.a22 * y.a22};
}

Matrix LayerMatrix(const Layer& layer, double omega) {
    if (!layer.IsMassive() || omega == 0) return {1.0, layer.Resistance(), 0.0, 1.0};
    const Complex k = std::sqrt(Complex(0.0, omega / layer.Diffusivity()));
    const Complex lambdaK = layer.Conductivity() * k;
    const Complex kl = k * layer.Thickness();
    return {std::cosh(kl), std::sinh(kl) / lambdaK, lambdaK * std::sinh(kl), std::cosh(kl)};
}

double SincSquared(double x) {
    const double s = std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
    return s * s;
}

}  // namespace

Complex PeriodicConduction::M12(const Construction& construction, double omega) {
    Matrix product{1.0, 0.0, 0.0, 1.0};
    for (const Layer& layer : construction.layers) {
        product = Multiply(product, LayerMatrix(layer, omega));
    }
    return product.a12;
}

PeriodicConduction::PeriodicConduction(const Construction& construction) : u_(construction.USi()) {
    kernel_[0] = 1.0;
    for (int n = 1; n <= kMaxHarmonic; ++n) {
        if (n % kHours == 0) continue;  // sinc^2 vanishes at whole multiples of 24
        const double omega = 2.0 * std::numbers::pi * n / kSecondsPerDay;
        const Complex m12 = M12(construction, omega);
        if (!std::isfinite(std::abs(m12))) break;
        const Complex response = 1.0 / (m12 * u_);
        const double weight = SincSquared(static_cast<double>(n) / kHours);
        kernel_[n % kHours] += weight * response;
        kernel_[(kHours - n % kHours) % kHours] += weight * std::conj(response);
        const double bound = std::pow(kHours / (std::numbers::pi * n), 2) * std::abs(response);
        if (bound < kNegligible) break;
    }
}

HourlyProfile PeriodicConduction::InsideFluxOverU(const HourlyProfile& outside) const {
    // Discrete Fourier coefficients of the hourly samples, relative to the room air.
    std::array<Complex, kHours> coefficients{};
    for (int m = 0; m < kHours; ++m) {
        for (int j = 0; j < kHours; ++j) {
            const double phase = -2.0 * std::numbers::pi * m * j / kHours;
            coefficients[m] += (outside[j] - kRoomAirF) * std::polar(1.0, phase);
        }
        coefficients[m] /= kHours;
    }
    HourlyProfile flux{};
    for (int j = 0; j < kHours; ++j) {
        Complex sum = 0.0;
        for (int m = 0; m < kHours; ++m) {
            const double phase = 2.0 * std::numbers::pi * m * j / kHours;
            sum += coefficients[m] * kernel_[m] * std::polar(1.0, phase);
        }
        flux[j] = sum.real();
    }
    return flux;
}

}  // namespace refgen
