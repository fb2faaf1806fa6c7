#include "input/WindowsCommand.h"

#include "document/QuarnDoc.h"

namespace {

const WindowRow kFields[] = {
    {"m_nQuantity", &CWindo::m_nQuantity, &CWindo::m_nQuantity, UnitKind::kNone, Quantity()},
    {"m_dHeight", &CWindo::m_dHeight, &CWindo::m_dHeight, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dWidth", &CWindo::m_dWidth, &CWindo::m_dWidth, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dLeftFinDist", &CWindo::m_dLeftFinDist, &CWindo::m_dLeftFinDist, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dRightFinDist", &CWindo::m_dRightFinDist, &CWindo::m_dRightFinDist, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dOverhangWidth", &CWindo::m_dOverhangWidth, &CWindo::m_dOverhangWidth, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dOverhangHeight", &CWindo::m_dOverhangHeight, &CWindo::m_dOverhangHeight, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dLeftFinWidth", &CWindo::m_dLeftFinWidth, &CWindo::m_dLeftFinWidth, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
    {"m_dRightFinWidth", &CWindo::m_dRightFinWidth, &CWindo::m_dRightFinWidth, UnitKind::kLength,
     NotNegative(FieldKind::kLength)},
};

// A copy of a list, record by record, trimmed to size: what the command does each way.
void CopyList(CWindowList& to, const CWindowList& from) {
    to.RemoveAll();
    for (int i = 0; i < from.GetSize(); ++i) to.Add(from.GetAt(i));
    to.FreeExtra();
}
}  // namespace

std::span<const WindowRow> WindowFields() { return kFields; }

CWindo WindowToStored(const CWindo& page, int bEnglish) {
    if (bEnglish != 0) return page;
    CWindo stored = page;
    ApplyFields(WindowFields(), stored, page, UnitSystem::kMetric);
    return stored;
}

CWindo WindowToPage(const CWindo& stored, int bEnglish) {
    if (bEnglish != 0) return stored;
    CWindo page = stored;
    FillFields(WindowFields(), page, stored, UnitSystem::kMetric);
    return page;
}

CWindowsValues FillWindows(const CQuarnDoc& doc) {
    CWindowsValues v;
    if (doc.IsInputEnglish()) {
        v.m_bEnglish = 1;
        v.m_strLengthUnit = "Ft";
    } else if (doc.IsInputMetric()) {
        v.m_bEnglish = 0;
        v.m_strLengthUnit = "m";
    }
    for (int k = 0; k < kOrientations; ++k) {
        CopyList(v.m_aOpened[k], doc.m_aWindows[k]);
        for (int i = 0; i < doc.m_aWindows[k].GetSize(); ++i) {
            v.m_aWindows[k].Add(WindowToPage(doc.m_aWindows[k].GetAt(i), v.m_bEnglish));
        }
    }
    return v;
}

InputResult ValidateWindows(const CWindowsValues& v) {
    for (int k = 0; k < kOrientations; ++k) {
        for (int i = 0; i < v.m_aWindows[k].GetSize(); ++i) {
            const std::string record =
                std::string(kWindowPageKeys[k]) + "[" + std::to_string(i) + "].";
            if (InputResult error =
                    CheckFields(WindowFields(), v.m_aWindows[k].GetAt(i), {}, record)) {
                return error;
            }
        }
    }
    return std::nullopt;
}

void ApplyWindows(CQuarnDoc& doc, const CWindowsValues& v) {
    for (int k = 0; k < kOrientations; ++k) {
        CWindowList stored;
        for (int i = 0; i < v.m_aWindows[k].GetSize(); ++i) {
            const CWindo page = v.m_aWindows[k].GetAt(i);
            CWindo record = WindowToStored(page, v.m_bEnglish);
            for (int j = 0; j < v.m_aOpened[k].GetSize(); ++j) {
                const CWindo opened = v.m_aOpened[k].GetAt(j);
                if (WindowToPage(opened, v.m_bEnglish) == page) {
                    record = opened;
                    break;
                }
            }
            stored.Add(record);
        }
        CopyList(doc.m_aWindows[k], stored);
    }
    doc.m_bWindowsSupplied = 1;
    doc.FinishInput();
}
