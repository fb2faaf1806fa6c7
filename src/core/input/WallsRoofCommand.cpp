#include "input/WallsRoofCommand.h"

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "units/Units.h"

CWallsRoofValues FillWallsRoof(CQuarnDoc& doc) {
    CWallsRoofValues v;
    if (doc.IsInputEnglish()) {
        v.m_strAreaUnit = "(Sq Ft)";
        v.m_strUValueUnit = "Btu/(h . Sq Ft . F)";
        v.m_strTempUnit = "(Deg F)";
        for (int k = 0; k < kOrientations; ++k) {
            v.m_dWallArea[k] = doc.m_dWallArea[k];
            v.m_dWallUCool[k] = doc.m_dWallUCool[k];
            v.m_dWallUHeat[k] = doc.m_dWallUHeat[k];
        }
        v.m_dRoofArea = doc.m_dRoofArea;
        v.m_dRoofUCool = doc.m_dRoofUCool;
        v.m_dRoofUHeat = doc.m_dRoofUHeat;
        v.m_dBGWallArea = doc.m_dBGWallArea;
        v.m_dGroundTemp = doc.m_dGroundTemp;
        v.m_dBGWallUHeat = doc.m_dBGWallUHeat;
    } else if (doc.IsInputMetric()) {
        v.m_strAreaUnit = "(Sq m)";
        v.m_strUValueUnit = "W/(Sq m . C)";
        v.m_strTempUnit = "(Deg C)";
        for (int k = 0; k < kOrientations; ++k) {
            v.m_dWallArea[k] = doc.m_dWallArea[k] / kSqFtPerSqM;
            v.m_dWallUCool[k] = doc.m_dWallUCool[k] * kUValueFactor;
            v.m_dWallUHeat[k] = doc.m_dWallUHeat[k] * kUValueFactor;
        }
        v.m_dRoofArea = doc.m_dRoofArea / kSqFtPerSqM;
        v.m_dRoofUCool = doc.m_dRoofUCool * kUValueFactor;
        v.m_dRoofUHeat = doc.m_dRoofUHeat * kUValueFactor;
        v.m_dBGWallArea = doc.m_dBGWallArea / kSqFtPerSqM;
        // This dialog has always shown the ground temperature as (t - 32) x 5 / 9.
        v.m_dGroundTemp = (doc.m_dGroundTemp - 32.0) * 5.0 / 9.0;
        v.m_dBGWallUHeat = doc.m_dBGWallUHeat * kUValueFactor;
    }
    return v;
}

InputResult ValidateWallsRoof(const CWallsRoofValues& v) {
    if (auto e = CheckNotNegative("m_dWallArea", v.m_dWallArea, FieldKind::kArea)) return e;
    if (auto e = CheckNotNegative("m_dRoofArea", v.m_dRoofArea, FieldKind::kArea)) return e;
    if (auto e = CheckNotNegative("m_dWallUCool", v.m_dWallUCool, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dRoofUCool", v.m_dRoofUCool, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dWallUHeat", v.m_dWallUHeat, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dRoofUHeat", v.m_dRoofUHeat, FieldKind::kUValue)) return e;
    if (auto e = CheckNotNegative("m_dBGWallArea", v.m_dBGWallArea, FieldKind::kArea)) return e;
    if (auto e = CheckSigned("m_dGroundTemp", v.m_dGroundTemp, FieldKind::kTemperature)) return e;
    return CheckNotNegative("m_dBGWallUHeat", v.m_dBGWallUHeat, FieldKind::kUValue);
}

void ApplyWallsRoof(CQuarnDoc& doc, const CWallsRoofValues& v) {
    // With no unit system selected the fields never held the project's values, so storing
    // them would wipe the walls out; the dialog stores nothing then.
    if (doc.IsInputEnglish()) {
        for (int k = 0; k < kOrientations; ++k) {
            doc.m_dWallArea[k] = v.m_dWallArea[k];
            doc.m_dWallUCool[k] = v.m_dWallUCool[k];
            doc.m_dWallUHeat[k] = v.m_dWallUHeat[k];
        }
        doc.m_dRoofArea = v.m_dRoofArea;
        doc.m_dRoofUCool = v.m_dRoofUCool;
        doc.m_dRoofUHeat = v.m_dRoofUHeat;
        doc.m_dBGWallArea = v.m_dBGWallArea;
        doc.m_dGroundTemp = v.m_dGroundTemp;
        doc.m_dBGWallUHeat = v.m_dBGWallUHeat;
    } else if (doc.IsInputMetric()) {
        for (int k = 0; k < kOrientations; ++k) {
            doc.m_dWallArea[k] = v.m_dWallArea[k] * kSqFtPerSqM;
            doc.m_dWallUCool[k] = v.m_dWallUCool[k] / kUValueFactor;
            doc.m_dWallUHeat[k] = v.m_dWallUHeat[k] / kUValueFactor;
        }
        doc.m_dRoofArea = v.m_dRoofArea * kSqFtPerSqM;
        doc.m_dRoofUCool = v.m_dRoofUCool / kUValueFactor;
        doc.m_dRoofUHeat = v.m_dRoofUHeat / kUValueFactor;
        doc.m_dBGWallArea = v.m_dBGWallArea * kSqFtPerSqM;
        doc.m_dGroundTemp = CelsiusToFahrenheit(v.m_dGroundTemp);
        doc.m_dBGWallUHeat = v.m_dBGWallUHeat / kUValueFactor;
    }
    doc.m_bWallsRoofSupplied = 1;
    doc.FinishInput();
}
