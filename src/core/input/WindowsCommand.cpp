#include "input/WindowsCommand.h"

#include <type_traits>

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "units/Units.h"

namespace {
template <class Op>
CWindo ConvertLengths(const CWindo& w, Op op) {
    CWindo out = w;
    ForEachWindowField(out, [&op](const char*, auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) value = op(value);
    });
    return out;
}

// A copy of a list, record by record, trimmed to size: what the command does each way.
void CopyList(CWindowList& to, const CWindowList& from) {
    to.RemoveAll();
    for (int i = 0; i < from.GetSize(); ++i) to.Add(from.GetAt(i));
    to.FreeExtra();
}
}  // namespace

CWindo WindowToStored(const CWindo& page, int bEnglish) {
    if (bEnglish != 0) return page;
    return ConvertLengths(page, [](double x) { return x * kFtPerM; });
}

CWindo WindowToPage(const CWindo& stored, int bEnglish) {
    if (bEnglish != 0) return stored;
    return ConvertLengths(stored, [](double x) { return x / kFtPerM; });
}

CWindowsValues FillWindows(CQuarnDoc& doc) {
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
            CWindo w = v.m_aWindows[k].GetAt(i);
            const std::string record =
                std::string(kWindowPageKeys[k]) + "[" + std::to_string(i) + "].";
            InputResult error;
            ForEachWindowField(w, [&](const char* name, auto& value) {
                if (error) return;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, int>) {
                    if (value < 1) {
                        error = InputError{record + name,
                                           "Number of glass windows must\nbe greater than zero"};
                    } else if (value > kMaxCount) {
                        error = InputError{record + name, IntegerRangeMessage(1, kMaxCount)};
                    }
                } else {
                    error = CheckNotNegative((record + name).c_str(), value, FieldKind::kLength);
                }
            });
            if (error) return error;
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
