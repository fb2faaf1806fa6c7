#pragma once

// Solar radiation in a stack of parallel layers (net-radiation method) and the heat flow of
// what the layers absorb (a linear network of surface and gap conductances).

#include <vector>

namespace refgen {

// Front faces the outdoors, back faces the room.
struct OpticalLayer {
    double transmittance;
    double frontReflectance;
    double backReflectance;
};

struct NetRadiation {
    double transmitted;            // into the room
    double reflected;              // back outdoors
    std::vector<double> absorbed;  // per layer, outside first
};

// Unit irradiation on the front of the first layer, none from the room. Iterates the forward
// and backward fluxes between the layers until they no longer change.
NetRadiation SolveNetRadiation(const std::vector<OpticalLayer>& layers);

// Nodes (panes, fabric) joined to each other, to the outdoors and to the room by conductances,
// W/(m2 K); outdoor and room air are at the same temperature, so only absorbed heat drives it.
class HeatNetwork {
  public:
    explicit HeatNetwork(int nodes);

    void Connect(int a, int b, double conductance);
    void ConnectOutdoors(int node, double conductance);
    void ConnectRoom(int node, double conductance);

    // Share of the heat absorbed at each node that flows into the room.
    std::vector<double> InwardFractions() const;

  private:
    int nodes_;
    std::vector<double> matrix_;  // nodal conductance matrix, row-major
    std::vector<double> toRoom_;
};

}  // namespace refgen
