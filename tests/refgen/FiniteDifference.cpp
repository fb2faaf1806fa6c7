#include "FiniteDifference.h"

#include <algorithm>
#include <cmath>
#include <vector>

using refgen::Construction;
using refgen::HourlyProfile;
using refgen::kHours;
using refgen::kRoomAirF;
using refgen::Layer;

namespace {

constexpr double kCellMm = 2.0;
constexpr int kStepsPerHour = 120;  // 30 s
constexpr int kMaxDays = 80;
constexpr double kRepeatTolerance = 1e-7;

// Nodes at the centres of the cells of the massive layers; films and air spaces add to the
// resistance between neighbouring nodes. link[i] joins node i-1 (or the outside) to node i;
// the last link joins the last node to the room.
struct Network {
    std::vector<double> capacity;  // J/(m2 K)
    std::vector<double> link;      // m2 K/W
};

Network BuildNetwork(const Construction& construction) {
    Network net;
    double pending = 0;
    for (const Layer& layer : construction.layers) {
        if (!layer.IsMassive()) {
            pending += layer.Resistance();
            continue;
        }
        const int cells = std::max(2, static_cast<int>(std::ceil(layer.thicknessMm / kCellMm)));
        const double dx = layer.Thickness() / cells;
        const double half = dx / layer.Conductivity() / 2;
        for (int i = 0; i < cells; ++i) {
            net.link.push_back(pending + half);
            net.capacity.push_back(layer.HeatCapacity() * dx);
            pending = half;
        }
    }
    net.link.push_back(pending);
    return net;
}

// Outside temperature at time t hours, the hourly values joined linearly (hour 0 = hour 24).
double OutsideAt(const HourlyProfile& outside, double t) {
    const double s = std::fmod(t, kHours);
    const int h0 = static_cast<int>(std::floor(s));
    const double f = s - h0;
    const double v0 = outside[(h0 + kHours - 1) % kHours];
    const double v1 = outside[h0 % kHours];
    return v0 + f * (v1 - v0);
}

}  // namespace

HourlyProfile FiniteDifferenceFluxOverU(const Construction& construction,
                                        const HourlyProfile& outside) {
    const Network net = BuildNetwork(construction);
    const size_t n = net.capacity.size();
    const double dt = 3600.0 / kStepsPerHour;
    const double totalR = construction.Resistance();

    // Start from the steady profile of the daily mean.
    double mean = 0;
    for (double v : outside) mean += v / kHours;
    std::vector<double> temp(n), previous(n);
    double r = 0;
    for (size_t i = 0; i < n; ++i) {
        r += net.link[i];
        temp[i] = mean - (mean - kRoomAirF) * r / totalR;
    }
    previous = temp;

    std::vector<double> a(n), b(n), c(n), d(n);
    HourlyProfile flux{}, lastDay{};
    long step = 0;
    for (int day = 0; day < kMaxDays; ++day) {
        for (int hour = 1; hour <= kHours; ++hour) {
            for (int k = 0; k < kStepsPerHour; ++k) {
                ++step;
                const double tOut = OutsideAt(outside, step * dt / 3600.0);
                const bool first = step == 1;  // backward Euler until there are two levels
                for (size_t i = 0; i < n; ++i) {
                    const double gl = 1.0 / net.link[i], gr = 1.0 / net.link[i + 1];
                    const double cap = net.capacity[i] / dt;
                    a[i] = -gl;
                    c[i] = -gr;
                    b[i] = (first ? 1.0 : 1.5) * cap + gl + gr;
                    d[i] = first ? cap * temp[i] : cap * (2.0 * temp[i] - 0.5 * previous[i]);
                }
                d[0] += tOut / net.link[0];
                d[n - 1] += kRoomAirF / net.link[n];
                // Tridiagonal solve (Thomas).
                for (size_t i = 1; i < n; ++i) {
                    const double m = a[i] / b[i - 1];
                    b[i] -= m * c[i - 1];
                    d[i] -= m * d[i - 1];
                }
                previous = temp;
                temp[n - 1] = d[n - 1] / b[n - 1];
                for (size_t i = n - 1; i-- > 0;) temp[i] = (d[i] - c[i] * temp[i + 1]) / b[i];
            }
            flux[hour - 1] = (temp[n - 1] - kRoomAirF) / net.link[n] * totalR;
        }
        double change = 0;
        for (int h = 0; h < kHours; ++h) change = std::max(change, std::abs(flux[h] - lastDay[h]));
        lastDay = flux;
        if (day > 2 && change < kRepeatTolerance) break;
    }
    return flux;
}
