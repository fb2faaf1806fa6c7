#include "input/FloorCeilingCommand.h"

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "units/Units.h"

namespace {
// Half a design difference, never below zero: the rough starting guess for a surface between
// the room and an unconditioned space.
double HalfDifference(double warmer, double cooler) {
    const double half = (warmer - cooler) / 2.0;
    return half < 0 ? 0.0 : half;
}
}  // namespace

CFloorCeilingValues FillFloorCeiling(CQuarnDoc& doc) {
    CFloorCeilingValues v;
    const bool english = doc.IsInputEnglish();
    const bool metric = doc.IsInputMetric();
    if (!english && !metric) return v;

    // Dividing by 1 leaves the English values as stored.
    const double area = metric ? kSqFtPerSqM : 1.0;
    const double tempDiff = metric ? kTempDiffFactor : 1.0;
    const double uValue = metric ? kUValueFactor : 1.0;
    v.m_strAreaUnit = metric ? "(Sq m)" : "(Sq Ft)";
    v.m_strTempDiffUnit = metric ? "(C Deg)" : "(F Deg)";
    v.m_strTempUnit = metric ? "(Deg C)" : "(Deg F)";
    v.m_strUValueUnit = metric ? "W/(Sq m . C)" : "Btu/(h . Sq Ft . F)";
    v.m_strEdgeFactorUnit = metric ? "(W/m)" : "Btu/(h . Ft)";
    v.m_strLengthUnit = metric ? "(m)" : "(Ft)";

    for (int s = 0; s < kSurfaces; ++s) {
        v.m_dSurfArea[s] = doc.m_dSurfArea[s] / area;
        v.m_dSurfTDCool[s] = doc.m_dSurfTDCool[s] / tempDiff;
        v.m_dSurfTDHeat[s] = doc.m_dSurfTDHeat[s] / tempDiff;
        v.m_dSurfUCool[s] = doc.m_dSurfUCool[s] * uValue;
        v.m_dSurfUHeat[s] = doc.m_dSurfUHeat[s] * uValue;
    }
    for (int i = 0; i < 2; ++i) {
        v.m_dSkyArea[i] = doc.m_dSkyArea[i] / area;
        v.m_dSkySC[i] = doc.m_dSkySC[i];
        v.m_dSkyUCool[i] = doc.m_dSkyUCool[i] * uValue;
        v.m_dSkyUHeat[i] = doc.m_dSkyUHeat[i] * uValue;
    }
    v.m_dSlabArea = doc.m_dSlabArea / area;
    v.m_dGroundTemp = metric ? FahrenheitToCelsius(doc.m_dGroundTemp) : doc.m_dGroundTemp;
    v.m_dSlabUHeat = doc.m_dSlabUHeat * uValue;
    v.m_dSlabEdgeFactor = doc.m_dSlabEdgeFactor * (metric ? kSlabEdgeToMetric : 1.0);
    v.m_dSlabPerimeter = doc.m_dSlabPerimeter / (metric ? kFtPerM : 1.0);

    if (doc.m_bFloorCeilingSupplied == 0) {
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
    if (auto e = CheckNotNegative("m_dSurfArea", v.m_dSurfArea, FieldKind::kArea)) return e;
    if (auto e = CheckNotNegative("m_dSurfTDCool", v.m_dSurfTDCool, FieldKind::kTempDifference))
        return e;
    if (auto e = CheckNotNegative("m_dSurfTDHeat", v.m_dSurfTDHeat, FieldKind::kTempDifference))
        return e;
    if (auto e = CheckNotNegative("m_dSurfUCool", v.m_dSurfUCool, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dSurfUHeat", v.m_dSurfUHeat, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dSkyArea", v.m_dSkyArea, FieldKind::kArea)) return e;
    if (auto e = CheckNotNegative("m_dSkySC", v.m_dSkySC, FieldKind::kFactor)) return e;
    if (auto e = CheckNotNegative("m_dSkyUCool", v.m_dSkyUCool, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dSkyUHeat", v.m_dSkyUHeat, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dSlabArea", v.m_dSlabArea, FieldKind::kArea)) return e;
    if (auto e = CheckSigned("m_dGroundTemp", v.m_dGroundTemp, FieldKind::kTemperature)) return e;
    if (auto e = CheckNotNegative("m_dSlabUHeat", v.m_dSlabUHeat, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dSlabEdgeFactor", v.m_dSlabEdgeFactor, FieldKind::kEdgeFactor))
        return e;
    return CheckNotNegative("m_dSlabPerimeter", v.m_dSlabPerimeter, FieldKind::kLength);
}

void ApplyFloorCeiling(CQuarnDoc& doc, const CFloorCeilingValues& v) {
    const bool english = doc.IsInputEnglish();
    const bool metric = doc.IsInputMetric();
    // With no unit system selected the fields never held the project's values; storing them
    // would wipe the surfaces out, so nothing is stored then.
    if (english || metric) {
        // Multiplying by 1 stores the English values as typed.
        const double area = metric ? kSqFtPerSqM : 1.0;
        const double tempDiff = metric ? kTempDiffFactor : 1.0;
        const double uValue = metric ? kUValueFactor : 1.0;
        for (int s = 0; s < kSurfaces; ++s) {
            doc.m_dSurfArea[s] = v.m_dSurfArea[s] * area;
            doc.m_dSurfTDCool[s] = v.m_dSurfTDCool[s] * tempDiff;
            doc.m_dSurfTDHeat[s] = v.m_dSurfTDHeat[s] * tempDiff;
            doc.m_dSurfUCool[s] = v.m_dSurfUCool[s] / uValue;
            doc.m_dSurfUHeat[s] = v.m_dSurfUHeat[s] / uValue;
        }
        for (int i = 0; i < 2; ++i) {
            doc.m_dSkyArea[i] = v.m_dSkyArea[i] * area;
            doc.m_dSkySC[i] = v.m_dSkySC[i];
            doc.m_dSkyUCool[i] = v.m_dSkyUCool[i] / uValue;
            doc.m_dSkyUHeat[i] = v.m_dSkyUHeat[i] / uValue;
        }
        doc.m_dSlabArea = v.m_dSlabArea * area;
        doc.m_dGroundTemp = metric ? CelsiusToFahrenheit(v.m_dGroundTemp) : v.m_dGroundTemp;
        doc.m_dSlabUHeat = v.m_dSlabUHeat / uValue;
        doc.m_dSlabEdgeFactor = v.m_dSlabEdgeFactor / (metric ? kSlabEdgeToMetric : 1.0);
        doc.m_dSlabPerimeter = v.m_dSlabPerimeter * (metric ? kFtPerM : 1.0);
    }
    doc.m_bFloorCeilingSupplied = 1;
    doc.FinishInput();
}
