#include "input/FloorCeilingCommand.h"

#include "document/QuarnDoc.h"
#include "units/Units.h"

namespace {

using V = CFloorCeilingValues;
using D = CQuarnDocData;

const FloorCeilingRow kFields[] = {
    {"m_dSurfArea", &V::m_dSurfArea, &D::m_dSurfArea, UnitKind::kArea,
     NotNegative(FieldKind::kArea)},
    {"m_dSurfTDCool", &V::m_dSurfTDCool, &D::m_dSurfTDCool, UnitKind::kTempDifference,
     NotNegative(FieldKind::kTempDifference)},
    {"m_dSurfTDHeat", &V::m_dSurfTDHeat, &D::m_dSurfTDHeat, UnitKind::kTempDifference,
     NotNegative(FieldKind::kTempDifference)},
    {"m_dSurfUCool", &V::m_dSurfUCool, &D::m_dSurfUCool, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dSurfUHeat", &V::m_dSurfUHeat, &D::m_dSurfUHeat, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dSkyArea", &V::m_dSkyArea, &D::m_dSkyArea, UnitKind::kArea, NotNegative(FieldKind::kArea)},
    {"m_dSkySC", &V::m_dSkySC, &D::m_dSkySC, UnitKind::kSameNumber,
     NotNegative(FieldKind::kFactor)},
    {"m_dSkyUCool", &V::m_dSkyUCool, &D::m_dSkyUCool, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dSkyUHeat", &V::m_dSkyUHeat, &D::m_dSkyUHeat, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dSlabArea", &V::m_dSlabArea, &D::m_dSlabArea, UnitKind::kArea,
     NotNegative(FieldKind::kArea)},
    // The ground may be below freezing: the one box that takes a minus sign.
    {"m_dGroundTemp", &V::m_dGroundTemp, &D::m_dGroundTemp, UnitKind::kTemperature,
     Signed(FieldKind::kTemperature)},
    {"m_dSlabUHeat", &V::m_dSlabUHeat, &D::m_dSlabUHeat, UnitKind::kUValue,
     NotNegative(FieldKind::kUValue)},
    {"m_dSlabEdgeFactor", &V::m_dSlabEdgeFactor, &D::m_dSlabEdgeFactor, UnitKind::kEdgeFactor,
     NotNegative(FieldKind::kEdgeFactor)},
    {"m_dSlabPerimeter", &V::m_dSlabPerimeter, &D::m_dSlabPerimeter, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
};

// Half a design difference, never below zero: the rough starting guess for a surface between
// the room and an unconditioned space.
double HalfDifference(double warmer, double cooler) {
    const double half = (warmer - cooler) / 2.0;
    return half < 0 ? 0.0 : half;
}

}  // namespace

std::span<const FloorCeilingRow> FloorCeilingFields() { return kFields; }

CFloorCeilingValues FillFloorCeiling(const CQuarnDoc& doc) {
    CFloorCeilingValues v;
    const UnitSystem units = InputUnitSystem(doc);
    if (units == UnitSystem::kNone) return v;
    FillFields(FloorCeilingFields(), v, static_cast<const CQuarnDocData&>(doc), units);

    const bool metric = units == UnitSystem::kMetric;
    v.m_strAreaUnit = metric ? "(Sq m)" : "(Sq Ft)";
    v.m_strTempDiffUnit = metric ? "(C Deg)" : "(F Deg)";
    v.m_strTempUnit = metric ? "(Deg C)" : "(Deg F)";
    v.m_strUValueUnit = metric ? "W/(Sq m . C)" : "Btu/(h . Sq Ft . F)";
    v.m_strEdgeFactorUnit = metric ? "(W/m)" : "Btu/(h . Ft)";
    v.m_strLengthUnit = metric ? "(m)" : "(Ft)";

    // The first opening: the differences start at half the design differences.
    if (doc.m_bFloorCeilingSupplied == 0) {
        const double tempDiff = metric ? kTempDiffFactor : 1.0;
        const double cool = HalfDifference(doc.m_dOutsideDBCool, doc.m_dInsideDBCool) / tempDiff;
        const double heat = HalfDifference(doc.m_dInsideDBHeat, doc.m_dOutsideDBHeat) / tempDiff;
        for (int s = 0; s < kSurfaces; ++s) {
            v.m_dSurfTDCool[s] = cool;
            v.m_dSurfTDHeat[s] = heat;
        }
    }
    return v;
}

InputResult ValidateFloorCeiling(const CFloorCeilingValues& v) {
    return CheckFields(FloorCeilingFields(), v);
}

void ApplyFloorCeiling(CQuarnDoc& doc, const CFloorCeilingValues& v) {
    ApplyFields(FloorCeilingFields(), static_cast<CQuarnDocData&>(doc), v, InputUnitSystem(doc));
    doc.m_bFloorCeilingSupplied = 1;
    doc.FinishInput();
}
