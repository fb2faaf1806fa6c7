#include "input/WallsRoofCommand.h"

#include "document/QuarnDoc.h"

namespace {

using V = CWallsRoofValues;
using D = CQuarnDocData;

const WallsRoofRow kFields[] = {
    {"m_dWallArea", &V::m_dWallArea, &D::m_dWallArea, UnitKind::kArea,
     NotNegative(FieldKind::kArea)},
    {"m_dRoofArea", &V::m_dRoofArea, &D::m_dRoofArea, UnitKind::kArea,
     NotNegative(FieldKind::kArea)},
    {"m_dWallUCool", &V::m_dWallUCool, &D::m_dWallUCool, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dRoofUCool", &V::m_dRoofUCool, &D::m_dRoofUCool, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dWallUHeat", &V::m_dWallUHeat, &D::m_dWallUHeat, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dRoofUHeat", &V::m_dRoofUHeat, &D::m_dRoofUHeat, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dBGWallArea", &V::m_dBGWallArea, &D::m_dBGWallArea, UnitKind::kArea,
     NotNegative(FieldKind::kArea)},
    // The ground may be below freezing. This dialog has always shown it as (t - 32) x 5 / 9.
    {"m_dGroundTemp", &V::m_dGroundTemp, &D::m_dGroundTemp, UnitKind::kTemperatureFiveNinths,
     Signed(FieldKind::kTemperature)},
    {"m_dBGWallUHeat", &V::m_dBGWallUHeat, &D::m_dBGWallUHeat, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
};

}  // namespace

std::span<const WallsRoofRow> WallsRoofFields() { return kFields; }

CWallsRoofValues FillWallsRoof(const CQuarnDoc& doc) {
    CWallsRoofValues v;
    const UnitSystem units = InputUnitSystem(doc);
    FillFields(WallsRoofFields(), v, static_cast<const CQuarnDocData&>(doc), units);
    if (units == UnitSystem::kEnglish) {
        v.m_strAreaUnit = "(Sq Ft)";
        v.m_strUValueUnit = "Btu/(h . Sq Ft . F)";
        v.m_strTempUnit = "(Deg F)";
    } else if (units == UnitSystem::kMetric) {
        v.m_strAreaUnit = "(Sq m)";
        v.m_strUValueUnit = "W/(Sq m . C)";
        v.m_strTempUnit = "(Deg C)";
    }
    return v;
}

InputResult ValidateWallsRoof(const CWallsRoofValues& v) {
    return CheckFields(WallsRoofFields(), v);
}

void ApplyWallsRoof(CQuarnDoc& doc, const CWallsRoofValues& v) {
    ApplyFields(WallsRoofFields(), static_cast<CQuarnDocData&>(doc), v, InputUnitSystem(doc));
    doc.m_bWallsRoofSupplied = 1;
    doc.FinishInput();
}
