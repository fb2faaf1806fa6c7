#include "tables/TableFile.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "archive/AtomicFile.h"
#include "text/Format.h"

namespace {

constexpr int kSteamTableFile = 75;

// The physical range of the data values of each kind of table: a cooling load factor is the
// share of a gain that is load in the hour, a solar heat gain factor lies below the solar
// constant, temperature differences and their corrections stay well inside what sun and weather
// can make. Row 0 and column 0 hold labels (hours, months, orientations, a latitude in cell
// [0][0]) that the program copies but never computes with, so they need only be finite; the
// lights tables have no label column.
struct ValueRange {
    int nFirstFile;
    int nLastFile;
    double dMin;
    double dMax;
    const char* pszKind;
    const char* pszUnit;
};
constexpr ValueRange kValueRanges[] = {
    {1, 7, 0.0, 1.2, "cooling load factor", ""},
    {8, 24, -40.0, 40.0, "latitude-month correction", " F"},
    {26, 34, -40.0, 150.0, "cooling load temperature difference", " F"},
    {35, 37, 0.0, 1.2, "cooling load factor", ""},
    {38, 38, 0.0, 1.5, "shading coefficient", ""},
    {39, 73, 0.0, 400.0, "solar heat gain factor", " Btu/h sq ft"},
};
constexpr int kFirstLightsFile = 3;
constexpr int kLastLightsFile = 7;

// Water at saturation exists between absolute zero and the critical point (647.096 K, 22.064
// MPa). On the steam table's reference (saturated liquid at the triple point = 0) no enthalpy of
// the saturated phases lies below that of ice at absolute zero (-632.0 kJ/kg, -271.7 Btu/lb) or
// above the highest that saturated vapour reaches (about 2804 kJ/kg, 1205.5 Btu/lb, near
// 235 C); the bounds are rounded outwards.
constexpr double kAbsoluteZeroF = -459.67;
constexpr double kCriticalTemperatureF = 705.10;
constexpr double kCriticalPressurePsia = 3200.1;
constexpr double kLowestEnthalpy = -272.0;
constexpr double kHighestEnthalpy = 1206.0;
enum SteamColumn {
    kTemperature = 1,
    kPressure,
    kVapourVolume,
    kCondensedEnthalpy,
    kVapourEnthalpy,
    kCondensedEntropy,
    kVapourEntropy
};

const ValueRange* RangeOf(int number) {
    for (const ValueRange& range : kValueRanges) {
        if (number >= range.nFirstFile && number <= range.nLastFile) return &range;
    }
    return nullptr;
}

void CheckSteamTable(const TableData& table, std::vector<std::string>& problems) {
    auto bad = [&](int r, const char* what, double value, const char* bounds) {
        problems.push_back(StrFormat("row %d: %s %g is not %s", r, what, value, bounds));
    };
    for (int r = 1; r < table.nRows; ++r) {
        const double t = table.At(r, kTemperature);
        const double p = table.At(r, kPressure);
        if (std::isfinite(t) && !(t > kAbsoluteZeroF && t <= kCriticalTemperatureF)) {
            bad(r, "temperature", t,
                "between absolute zero and the critical point (-459.67 to 705.1 F)");
        }
        if (std::isfinite(p) && !(p > 0.0 && p <= kCriticalPressurePsia)) {
            bad(r, "pressure", p, "between 0 and the critical pressure (3200.1 psia)");
        }
        const double v = table.At(r, kVapourVolume);
        if (std::isfinite(v) && !(v > 0.0)) bad(r, "specific volume", v, "positive");
        for (int c : {kCondensedEnthalpy, kVapourEnthalpy}) {
            const double h = table.At(r, c);
            if (std::isfinite(h) && !(h >= kLowestEnthalpy && h <= kHighestEnthalpy)) {
                bad(r, "enthalpy", h, "one of water at saturation (-272 to 1206 Btu/lb)");
            }
        }
        // Below the critical point the vapour holds more heat than the ice or water under it.
        if (!(table.At(r, kCondensedEnthalpy) < table.At(r, kVapourEnthalpy))) {
            problems.push_back(
                StrFormat("row %d: the enthalpy of ice or water is not below the "
                          "vapour's",
                          r));
        }
        if (!(table.At(r, kCondensedEntropy) < table.At(r, kVapourEntropy))) {
            problems.push_back(
                StrFormat("row %d: the entropy of ice or water is not below the "
                          "vapour's",
                          r));
        }
        // The psychrometric step searches the table by temperature and relies on the pressure
        // rising with it.
        if (r >= 2 && !(t > table.At(r - 1, kTemperature))) {
            problems.push_back(StrFormat("temperatures do not ascend at row %d", r));
        }
        if (r >= 2 && !(p > table.At(r - 1, kPressure))) {
            problems.push_back(StrFormat("pressures do not increase at row %d", r));
        }
    }
}

bool ParseNumber(const std::string& field, double& value) {
    size_t begin = field.find_first_not_of(" \t\r");
    size_t end = field.find_last_not_of(" \t\r");
    if (begin == std::string::npos) return false;
    const std::string trimmed = field.substr(begin, end - begin + 1);
    char* stop = nullptr;
    value = std::strtod(trimmed.c_str(), &stop);
    return stop == trimmed.c_str() + trimmed.size() && std::isfinite(value);
}

}  // namespace

bool ParseTableCsv(const std::string& text, const DataFileShape& shape, TableData& table,
                   std::string& error) {
    table.nRows = shape.nRows;
    table.nCols = shape.nCols;
    table.values.clear();
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    int rows = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
        ++rows;
        if (rows > shape.nRows) {
            error =
                StrFormat("line %d: more than the %d rows of the table", lineNumber, shape.nRows);
            return false;
        }
        std::istringstream fields(line);
        std::string field;
        int cols = 0;
        while (std::getline(fields, field, ',')) {
            double value = 0;
            if (!ParseNumber(field, value)) {
                error = StrFormat("line %d, column %d: \"%s\" is not a number", lineNumber,
                                  cols + 1, field.c_str());
                return false;
            }
            table.values.push_back(value);
            ++cols;
        }
        if (cols != shape.nCols) {
            error =
                StrFormat("line %d: %d columns, the table has %d", lineNumber, cols, shape.nCols);
            return false;
        }
    }
    if (rows != shape.nRows) {
        error = StrFormat("%d rows, the table has %d", rows, shape.nRows);
        return false;
    }
    return true;
}

std::vector<uint8_t> EncodeTable(const TableData& table) {
    std::vector<uint8_t> bytes;
    bytes.reserve(table.values.size() * 8);
    for (double value : table.values) {
        const uint64_t bits = std::bit_cast<uint64_t>(value);
        for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    }
    return bytes;
}

bool DecodeTable(const std::vector<uint8_t>& bytes, const DataFileShape& shape, TableData& table,
                 std::string& error) {
    if (bytes.size() != static_cast<size_t>(shape.Bytes())) {
        error = StrFormat("%zu bytes, the file must hold %d", bytes.size(), shape.Bytes());
        return false;
    }
    table.nRows = shape.nRows;
    table.nCols = shape.nCols;
    table.values.resize(bytes.size() / 8);
    for (size_t i = 0; i < table.values.size(); ++i) {
        uint64_t bits = 0;
        for (int b = 0; b < 8; ++b) bits |= static_cast<uint64_t>(bytes[i * 8 + b]) << (8 * b);
        table.values[i] = std::bit_cast<double>(bits);
    }
    return true;
}

TableFileRead ReadTableFile(const std::string& path, const DataFileShape& shape, TableData& table,
                            std::string& cause) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, static_cast<size_t>(shape.Bytes()) + 8, bytes, cause)) {
        return TableFileRead::kUnreadable;
    }
    return DecodeTable(bytes, shape, table, cause) ? TableFileRead::kRead
                                                   : TableFileRead::kWrongSize;
}

std::vector<std::string> CheckTable(const TableData& table, int number) {
    std::vector<std::string> problems;
    for (int r = 0; r < table.nRows; ++r) {
        for (int c = 0; c < table.nCols; ++c) {
            if (!std::isfinite(table.At(r, c))) {
                problems.push_back(StrFormat("row %d, column %d is not a finite number", r, c));
            }
        }
    }
    if (number == kSteamTableFile) {
        CheckSteamTable(table, problems);
        return problems;
    }
    const ValueRange* range = RangeOf(number);
    if (range == nullptr) return problems;
    const bool lights = number >= kFirstLightsFile && number <= kLastLightsFile;
    for (int r = 1; r < table.nRows; ++r) {
        for (int c = lights ? 0 : 1; c < table.nCols; ++c) {
            const double value = table.At(r, c);
            if (std::isfinite(value) && !(value >= range->dMin && value <= range->dMax)) {
                problems.push_back(StrFormat("row %d, column %d holds %g, not a %s (%g to %g%s)", r,
                                             c, value, range->pszKind, range->dMin, range->dMax,
                                             range->pszUnit));
            }
        }
    }
    return problems;
}

std::string FormatTable(const TableData& table) {
    std::string out;
    for (int r = 0; r < table.nRows; ++r) {
        for (int c = 0; c < table.nCols; ++c) {
            out += StrFormat(c == 0 ? "%6g" : " %10.6g", table.At(r, c));
        }
        out += '\n';
    }
    return out;
}
