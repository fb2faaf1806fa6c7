#include "tables/TableFile.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "archive/AtomicFile.h"
#include "text/Format.h"

namespace {

constexpr int kSteamTableFile = 75;

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
    // The psychrometric step searches the steam table by temperature (column 1).
    if (number == kSteamTableFile) {
        for (int r = 2; r < table.nRows; ++r) {
            if (!(table.At(r, 1) > table.At(r - 1, 1))) {
                problems.push_back(StrFormat("temperatures do not ascend at row %d", r));
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
