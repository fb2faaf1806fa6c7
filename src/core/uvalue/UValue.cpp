#include "uvalue/UValue.h"

#include <algorithm>

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "text/Format.h"
#include "units/Units.h"

namespace {
using K = UValueKind;

constexpr const char* kBoards = "Building Boards";
constexpr const char* kInsulating = "Insulating Materials";
constexpr const char* kMasonryA = "Masonry Materials - Part A";
constexpr const char* kMasonryB = "Masonry Materials - Part B";
constexpr const char* kPlastering = "Plastering Materials";
constexpr const char* kRoofing = "Roofing, Siding Materials and Woods";
constexpr const char* kAir = "Air Films and Air Spaces";
constexpr const char* kWallSpace = "Wall Air Space, 3/4 in. to 4 in (19 mm to 100 mm) Thick";
constexpr const char* kRoofSpace = "Roof Air Space, 3/4 in. to 4 in. (19 mm to 100 mm) Thick";

// The published resistances, as the calculator has always used them.
constexpr UValueMaterial kMaterials[] = {
    {1077, 1078, 1, kBoards, "", "Asbestos-Cement Board", K::kPerInch, 0.25},
    {1080, 1198, 1, kBoards, "", "1/2 in. (13 mm) Gypsum or Plaster Board", K::kPerLayer,
     0.4444444444444444},
    {1081, 1082, 1, kBoards, "", "Plywood", K::kPerInch, 1.25},
    {1084, 1085, 1, kBoards, "", "Sheathing (Impregnated or Coated)", K::kPerInch,
     2.6315789473684212},
    {1087, 1088, 1, kBoards, "", "Wood Fibre - Hardboard Type", K::kPerInch, 0.7142857142857143},
    {1093, 1094, 2, kInsulating, "Blanket and Batt", "Mineral Fibers (Rock, Slag, Glass)",
     K::kPerInch, 3.7037037037037033},
    {1095, 1096, 2, kInsulating, "Blanket and Batt", "Wood Fiber", K::kPerInch, 4.0},
    {1097, 1098, 2, kInsulating, "Boards and Slabs", "Cellular Glass", K::kPerInch,
     2.564102564102564},
    {1099, 1100, 2, kInsulating, "Boards and Slabs", "Corkboard", K::kPerInch, 3.7037037037037033},
    {1101, 1102, 2, kInsulating, "Boards and Slabs", "Glass Fiber", K::kPerInch, 4.0},
    {1103, 1200, 2, kInsulating, "Boards and Slabs", "2 in (50 mm) Insulating Roof Deck",
     K::kPerLayer, 5.555555555555555},
    {1155, 1156, 3, kMasonryA, "Loose Fill", "Mineral Wool (Glass, Slag, Rock)", K::kPerInch,
     3.7037037037037033},
    {1158, 1159, 3, kMasonryA, "Loose Fill", "Vermiculite (Expanded)", K::kPerInch,
     2.1739130434782608},
    {1161, 1162, 3, kMasonryA, "Concrete", "Cement Mortar", K::kPerInch, 0.2},
    {1164, 1165, 3, kMasonryA, "Concrete", "LW Aggr, Exp Shale, Clay, Slate", K::kPerInch,
     0.5882352941176471},
    {1167, 1118, 3, kMasonryA, "Concrete", "Sand and Gravel or Stone Aggr", K::kPerInch,
     0.08333333333333333},
    {1169, 1120, 3, kMasonryA, "Concrete", "Stucco", K::kPerInch, 0.2},
    {1171, 1122, 3, kMasonryA, "Brick", "Common Brick", K::kPerInch, 0.2},
    {1123, 1124, 3, kMasonryA, "Brick", "Face Brick", K::kPerInch, 0.1111111111111111},
    {1125, 1202, 3, kMasonryA, "Tile", "4 in. (100 mm) Hollow Clay Tile, 1 Cell Deep", K::kPerLayer,
     1.1111111111111112},
    {1126, 1204, 3, kMasonryA, "Tile", "8 in. (200 mm) Hollow Clay Tile, 2 Cells Deep",
     K::kPerLayer, 1.8518518518518516},
    {1174, 1175, 4, kMasonryB, "", "Stone, Lime or Sand", K::kPerInch, 0.08},
    {1176, 1206, 4, kMasonryB, "Concrete Block, 3 Oval Core",
     "4 in. (100 mm) Sand and Gravel Aggregate", K::kPerLayer, 0.7142857142857143},
    {1177, 1208, 4, kMasonryB, "Concrete Block, 3 Oval Core",
     "6 in. (150 mm) Sand and Gravel Aggregate", K::kPerLayer, 0.91000091000091},
    {1178, 1210, 4, kMasonryB, "Concrete Block, 3 Oval Core",
     "8 in. (200 mm) Sand and Gravel Aggregate", K::kPerLayer, 1.1111111111111112},
    {1179, 1212, 4, kMasonryB, "Concrete Block, 3 Oval Core", "4 in. (100 mm) Cinder Aggregate",
     K::kPerLayer, 1.1111111111111112},
    {1181, 1214, 4, kMasonryB, "Concrete Block, 3 Oval Core", "6 in. (150 mm) Cinder Aggregate",
     K::kPerLayer, 1.4999250037498126},
    {1182, 1216, 4, kMasonryB, "Concrete Block, 3 Oval Core", "8 in. (200 mm) Cinder Aggregate",
     K::kPerLayer, 1.7241379310344829},
    {1183, 1184, 5, kPlastering, "", "Cement Plaster, Sand Aggregate", K::kPerInch, 0.2},
    {1186, 1187, 5, kPlastering, "Gypsum Plaster", "Perlite Aggregate", K::kPerInch,
     0.6666666666666666},
    {1189, 1114, 5, kPlastering, "Gypsum Plaster", "Sand Aggregate", K::kPerInch,
     0.17857142857142858},
    {1191, 1116, 5, kPlastering, "Gypsum Plaster", "Vermiculite Aggregate", K::kPerInch,
     0.5882352941176471},
    {1193, 1218, 5, kPlastering, "Gypsum Plaster", "1/2 in. (13 mm) Lightweight Aggregate",
     K::kPerLayer, 0.3205128205128205},
    {1194, 1220, 5, kPlastering, "Gypsum Plaster", "3/4 in. (19 mm) Lightweight Aggr on Metal Lath",
     K::kPerLayer, 0.4694835680751174},
    {1195, 1222, 5, kPlastering, "Gypsum Plaster", "3/4 in. (19 mm) Sand Aggregate on Metal Lath",
     K::kPerLayer, 0.12987012987012986},
    {1109, 1224, 6, kRoofing, "Roofing", "Asphalt Roll Roofing", K::kPerLayer, 0.15384615384615385},
    {1111, 1226, 6, kRoofing, "Roofing", "3/8 in. (10 mm) Built-up Roofing", K::kPerLayer,
     0.3333333333333333},
    {1113, 1228, 6, kRoofing, "Siding Materials", "1/4 in. (6 mm) Lapped Asbestos-Cement",
     K::kPerLayer, 0.21008403361344538},
    {1115, 1230, 6, kRoofing, "Siding Materials", "1/2 in. (13 mm) Asphalt Insulating Board",
     K::kPerLayer, 1.4492753623188408},
    {1117, 1232, 6, kRoofing, "Siding Materials",
     "1/2 in. x 8 in. (13 mm x 200 mm) Bevel Lapped Wood", K::kPerLayer, 0.8130081300813008},
    {1119, 1110, 6, kRoofing, "Woods", "Maple, Oak and Similar Hardwoods", K::kPerInch,
     0.9090909090909091},
    {1121, 1112, 6, kRoofing, "Woods", "Fir, Pine and Similar Softwoods", K::kPerInch, 1.25},
    {1142, 1143, 7, kAir, "Air Films", "Still Air, Horizontal Position, Heat Flow Up", K::kPerFilm,
     0.61},
    {1144, 1145, 7, kAir, "Air Films", "Still Air, Horizontal Position, Heat Flow Down",
     K::kPerFilm, 0.92},
    {1137, 0, 7, kAir, "Air Films", "Still Air, 45 Degree Slope, Heat Flow Up", K::kFixed, 0.62},
    {1138, 0, 7, kAir, "Air Films", "Still Air, 45 Degree Slope, Heat Flow Down", K::kFixed, 0.76},
    {1146, 1147, 7, kAir, "Air Films", "Still Air, Vertical Position, Heat Flow Horizontal",
     K::kPerFilm, 0.68},
    {1148, 0, 7, kAir, "Air Films", "7.5 MPH (12 KmPH) Wind, Heat Flow in Any Direction", K::kFixed,
     0.25},
    {1149, 0, 7, kAir, "Air Films", "15 MPH (24 KmPH) Wind, Heat Flow in Any Direction", K::kFixed,
     0.17},
    {1150, 0, 7, kAir, kWallSpace, "Summer", K::kFixed, 0.86},
    {1151, 0, 7, kAir, kWallSpace, "Winter", K::kFixed, 0.97},
    {1152, 0, 7, kAir, kRoofSpace, "Horizontal, Heat Flow Up", K::kFixed, 0.85},
    {1153, 0, 7, kAir, kRoofSpace, "Horizontal, Heat Flow Down", K::kFixed, 0.78},
    {1154, 0, 7, kAir, kRoofSpace, "45 Degree Slope, Heat Flow Up", K::kFixed, 0.9},
    {1136, 0, 7, kAir, kRoofSpace, "45 Degree Slope, Heat Flow Down", K::kFixed, 0.89},
};

// Page 7's groups of which at most one item can be ticked.
constexpr int kStillAirFilms[] = {1142, 1144, 1137, 1138, 1146};
constexpr int kWindFilms[] = {1148, 1149};
constexpr int kAirSpaces[] = {1150, 1151, 1152, 1153, 1154, 1136};

constexpr double kInchPerMm = 0.03937007874015748;

template <size_t N>
bool Contains(const int (&ids)[N], int id) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}
}  // namespace

std::span<const UValueMaterial> UValueMaterials() { return kMaterials; }

const UValueMaterial* FindUValueMaterial(int id) {
    for (const UValueMaterial& m : kMaterials) {
        if (m.nId == id) return &m;
    }
    return nullptr;
}

CUValueSelection::CUValueSelection() {
    for (const UValueMaterial& m : kMaterials) m_items[m.nId] = Item{};
}

bool CUValueSelection::Tick(int id, std::vector<int>* unticked) {
    if (!FindUValueMaterial(id)) return false;
    auto untickOthers = [&](const auto& group) {
        if (!Contains(group, id)) return;
        for (int other : group) {
            if (other == id || !m_items[other].bTicked) continue;
            m_items[other].bTicked = 0;
            if (unticked) unticked->push_back(other);
        }
    };
    untickOthers(kStillAirFilms);
    untickOthers(kWindFilms);
    untickOthers(kAirSpaces);
    m_items[id].bTicked = 1;
    return true;
}

void CUValueSelection::Untick(int id) {
    auto it = m_items.find(id);
    if (it != m_items.end()) it->second.bTicked = 0;
}

bool CUValueSelection::SetThickness(int id, double thickness) {
    const UValueMaterial* m = FindUValueMaterial(id);
    if (!m || m->kind != UValueKind::kPerInch) return false;
    m_items[id].dThickness = thickness;
    return true;
}

bool CUValueSelection::SetCount(int id, int count) {
    const UValueMaterial* m = FindUValueMaterial(id);
    if (!m || (m->kind != UValueKind::kPerLayer && m->kind != UValueKind::kPerFilm)) return false;
    m_items[id].nCount = count;
    return true;
}

InputResult ValidateUValue(const CUValueSelection& selection) {
    for (const UValueMaterial& m : kMaterials) {
        const CUValueSelection::Item& item = selection.Get(m.nId);
        const std::string field = std::to_string(m.nId);
        if (m.kind == UValueKind::kPerInch && !(item.dThickness >= 0)) {
            return InputError{field, kNotNegativeMessage};
        }
        if (m.kind == UValueKind::kPerLayer && (item.nCount < 1 || item.nCount > 10)) {
            return InputError{field, "Please enter an integer between 1 and 10."};
        }
        if (m.kind == UValueKind::kPerFilm && (item.nCount < 1 || item.nCount > 2)) {
            return InputError{field, "Please enter an integer between 1 and 2."};
        }
    }
    // Page 7 leaves room for two films in all: a doubled still-air film leaves none for wind.
    bool wind = false;
    for (int id : kWindFilms) wind = wind || selection.Get(id).bTicked;
    for (int id : kStillAirFilms) {
        const CUValueSelection::Item& item = selection.Get(id);
        if (wind && item.bTicked && item.nCount == 2 &&
            FindUValueMaterial(id)->kind == UValueKind::kPerFilm) {
            return InputError{std::to_string(id), kTwoAirFilmsMessage};
        }
    }
    return std::nullopt;
}

UValueResult CalcUValueOf(const CUValueSelection& selection, int inputUnits) {
    UValueResult result;
    const UnitSystem units = UnitSystemOfCode(inputUnits);
    if (units == UnitSystem::kNone) return result;
    const bool metric = units == UnitSystem::kMetric;
    double thick = 0;
    double other = 0;
    for (const UValueMaterial& m : kMaterials) {
        const CUValueSelection::Item& item = selection.Get(m.nId);
        if (!item.bTicked) continue;
        switch (m.kind) {
            case UValueKind::kPerInch:
                thick += item.dThickness * m.dFactor;
                break;
            case UValueKind::kPerLayer:
            case UValueKind::kPerFilm:
                other += item.nCount * m.dFactor;
                break;
            case UValueKind::kFixed:
                other += m.dFactor;
                break;
        }
    }
    // Metric thicknesses are in millimetres; the factors are per inch.
    result.dR = metric ? thick * kInchPerMm + other : thick + other;
    if (result.dR == 0) return result;
    result.dU = 1.0 / result.dR;
    result.dRInput = result.dR;
    if (metric) {
        result.dU *= kUValueFactor;
        result.dRInput = result.dR / kUValueFactor;
    }
    return result;
}

double FinishUValue(CQuarnDoc& doc, const CUValueSelection& selection) {
    doc.m_dLastUValue = CalcUValueOf(selection, doc.m_nInputUnits).dU;
    return doc.m_dLastUValue;
}

double CancelUValue(CQuarnDoc& doc) {
    doc.m_dLastUValue = 0.0;
    return 0.0;
}

std::string UValueResultText(double u, int inputUnits) {
    switch (UnitSystemOfCode(inputUnits)) {
        case UnitSystem::kEnglish:
            return StrFormat("U-Value: %.4f %s", u, "Btu/(Hr.Sq Ft.F)");
        case UnitSystem::kMetric:
            return StrFormat("U-Value: %.4f %s", u, "W/(Sq m.C)");
        case UnitSystem::kNone:
            break;
    }
    return "";
}
