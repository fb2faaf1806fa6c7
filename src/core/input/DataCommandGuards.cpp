#include "input/DataCommandGuards.h"

#include "document/QuarnDoc.h"

std::optional<std::string> DataCommandRefusal(const CQuarnDoc& doc, DataCommand command) {
    if (doc.m_bGeneralDataSupplied != 0) return std::nullopt;
    switch (command) {
        case DataCommand::kGlassWindows:
            return "Please supply 'General Project Data' in the 'Project' menu\nbefore supplying "
                   "glass windows data";
        case DataCommand::kWallsRoof:
            return "Please supply 'General Project Data' in the 'Project' menu\nbefore supplying "
                   "walls and roof data";
        case DataCommand::kOtherBuilding:
            return "Please supply 'General Project Data' in the 'Project' menu\nbefore supplying "
                   "other building data";
        case DataCommand::kGlassBlocks:
            return "Please supply 'General Project Data' in the 'Project' menu\nbefore supplying "
                   "glass blocks data";
    }
    return std::nullopt;
}

bool CheckDataCommandGuard(CQuarnDoc& doc, DataCommand command) {
    const std::optional<std::string> refusal = DataCommandRefusal(doc, command);
    if (!refusal) return true;
    doc.Messages().ShowMessage(*refusal);
    return false;
}

InputResult CheckNotNegative(const char* name, const double* values, int count, bool indexed,
                             FieldKind kind) {
    for (int i = 0; i < count; ++i) {
        std::string field = name;
        if (indexed) field += "[" + std::to_string(i) + "]";
        // NaN fails both comparisons: it is refused as not negative, as before.
        if (!(values[i] >= 0)) return InputError{field, kNotNegativeMessage};
        if (!WithinFieldMaximum(values[i], kind)) {
            return InputError{field, NumberRangeMessage(0, FieldMaximum(kind))};
        }
    }
    return std::nullopt;
}

InputResult CheckSigned(const char* name, double value, FieldKind kind) {
    if (WithinFieldMaximum(value, kind)) return std::nullopt;
    const double maximum = FieldMaximum(kind);
    return InputError{name, NumberRangeMessage(-maximum, maximum)};
}
