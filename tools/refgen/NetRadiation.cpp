#include "NetRadiation.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace refgen {

namespace {

constexpr double kFluxTolerance = 1e-15;
constexpr int kMaxSweeps = 100000;

}  // namespace

NetRadiation SolveNetRadiation(const std::vector<OpticalLayer>& layers) {
    const size_t n = layers.size();
    // Gap i lies in front of layer i; gap n is the room. inward[i] travels towards the room,
    // outward[i] towards the outdoors.
    std::vector<double> inward(n + 1, 0.0), outward(n + 1, 0.0);
    inward[0] = 1.0;
    for (int sweep = 0;; ++sweep) {
        if (sweep == kMaxSweeps) throw std::runtime_error("net radiation does not converge");
        double change = 0;
        for (size_t i = 0; i < n; ++i) {
            const OpticalLayer& layer = layers[i];
            const double in =
                layer.transmittance * inward[i] + layer.backReflectance * outward[i + 1];
            const double out =
                layer.frontReflectance * inward[i] + layer.transmittance * outward[i + 1];
            change = std::max({change, std::abs(in - inward[i + 1]), std::abs(out - outward[i])});
            inward[i + 1] = in;
            outward[i] = out;
        }
        if (change < kFluxTolerance) break;
    }
    NetRadiation result{inward[n], outward[0], std::vector<double>(n)};
    for (size_t i = 0; i < n; ++i) {
        const OpticalLayer& layer = layers[i];
        result.absorbed[i] = (1.0 - layer.transmittance - layer.frontReflectance) * inward[i] +
                             (1.0 - layer.transmittance - layer.backReflectance) * outward[i + 1];
    }
    return result;
}

HeatNetwork::HeatNetwork(int nodes)
    : nodes_(nodes),
      matrix_(static_cast<size_t>(nodes * nodes), 0.0),
      toRoom_(static_cast<size_t>(nodes), 0.0) {}

void HeatNetwork::Connect(int a, int b, double conductance) {
    matrix_.at(static_cast<size_t>(a * nodes_ + a)) += conductance;
    matrix_.at(static_cast<size_t>(b * nodes_ + b)) += conductance;
    matrix_.at(static_cast<size_t>(a * nodes_ + b)) -= conductance;
    matrix_.at(static_cast<size_t>(b * nodes_ + a)) -= conductance;
}

void HeatNetwork::ConnectOutdoors(int node, double conductance) {
    matrix_.at(static_cast<size_t>(node * nodes_ + node)) += conductance;
}

void HeatNetwork::ConnectRoom(int node, double conductance) {
    matrix_.at(static_cast<size_t>(node * nodes_ + node)) += conductance;
    toRoom_.at(static_cast<size_t>(node)) += conductance;
}

std::vector<double> HeatNetwork::InwardFractions() const {
    // Heat q at the nodes gives temperatures G^-1 q and a room flow g . G^-1 q = (G^-1 g) . q,
    // G being symmetric: one solve with the room conductances gives every node's share.
    const size_t n = static_cast<size_t>(nodes_);
    std::vector<double> a = matrix_;
    std::vector<double> x = toRoom_;
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r) {
            if (std::abs(a[r * n + col]) > std::abs(a[pivot * n + col])) pivot = r;
        }
        if (a[pivot * n + col] == 0.0) throw std::runtime_error("heat network has a free node");
        if (pivot != col) {
            for (size_t c = 0; c < n; ++c) std::swap(a[col * n + c], a[pivot * n + c]);
            std::swap(x[col], x[pivot]);
        }
        for (size_t r = 0; r < n; ++r) {
            if (r == col) continue;
            const double factor = a[r * n + col] / a[col * n + col];
            for (size_t c = col; c < n; ++c) a[r * n + c] -= factor * a[col * n + c];
            x[r] -= factor * x[col];
        }
    }
    for (size_t i = 0; i < n; ++i) x[i] /= a[i * n + i];
    return x;
}

}  // namespace refgen
