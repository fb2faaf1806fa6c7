#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

#include "input/InputError.h"

class CQuarnDoc;

// How a ticked material adds its thermal resistance.
enum class UValueKind {
    kPerInch,   // thickness x factor (thickness in inches, or mm with metric input)
    kPerLayer,  // number of layers (1 to 10) x factor
    kPerFilm,   // number of films (1 to 2) x factor
    kFixed,     // the factor once
};

// One check box of the U-value calculator's seven material pages.
struct UValueMaterial {
    int nId;                 // the check box
    int nAmountId;           // its thickness, layers or films box; 0 when it has none
    int nPage;               // 1 to 7
    const char* pszHeading;  // the page's heading
    const char* pszGroup;    // the group within the page; empty for items directly under it
    const char* pszLabel;
    UValueKind kind;
    double dFactor;  // h.sq ft.F/Btu per inch, per layer, per film or per item
};

// Every material, page by page in the order the pages list them.
std::span<const UValueMaterial> UValueMaterials();
const UValueMaterial* FindUValueMaterial(int id);  // null for an unknown id

inline constexpr const char* kTwoAirFilmsMessage = "You cannot select more than two air films";

// What the wizard pages hold: per material whether it is ticked, its thickness (in the input
// unit) and its number of layers or films. A new selection is the cleared state every run
// starts from: nothing ticked, thicknesses 0, counts 1.
class CUValueSelection {
  public:
    struct Item {
        int bTicked = 0;
        double dThickness = 0.0;
        int nCount = 1;
    };

    CUValueSelection();

    // Ticks an item as its check box does: an air film or air space unticks the others of
    // its group (the still-air films, the wind films, the air spaces). Returns the ids it
    // unticked; false when the id is no material.
    bool Tick(int id, std::vector<int>* unticked = nullptr);
    void Untick(int id);
    bool SetThickness(int id, double thickness);  // false for an item without thickness
    bool SetCount(int id, int count);             // false for an item without a count
    const Item& Get(int id) const { return m_items.at(id); }

  private:
    std::map<int, Item> m_items;
};

// What the pages refuse when the user moves on: a layer count outside 1 to 10, a film count
// outside 1 to 2, a negative thickness (the boxes take no minus sign), and on page 7 a
// doubled still-air film together with a wind film. The field is the material's check box id.
InputResult ValidateUValue(const CUValueSelection& selection);

struct UValueResult {
    double dR = 0;       // the series sum, h.sq ft.F/Btu
    double dRInput = 0;  // the same in the input unit system (sq m.C/W with metric input)
    double dU = 0;       // in the input unit system; 0 when nothing adds resistance
};

// R and U of the ticked items for an input unit system (0 English, 1 Metric). Neither system
// gives all zeros, as nothing can say what the thicknesses were typed in.
UValueResult CalcUValueOf(const CUValueSelection& selection, int inputUnits);

// Finish: the U-value in the document's input unit system, remembered in m_dLastUValue and
// returned (0.0 with neither unit system). The selection must have passed ValidateUValue.
double FinishUValue(CQuarnDoc& doc, const CUValueSelection& selection);

// Cancel: m_dLastUValue becomes 0.0, which is also what is returned.
double CancelUValue(CQuarnDoc& doc);

// The text of the result dialog, e.g. "U-Value: 0.3455 Btu/(Hr.Sq Ft.F)"; empty with neither
// unit system, which shows no result.
std::string UValueResultText(double u, int inputUnits);
