#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tables/DataFiles.h"

// A whole reference table in memory: rows x cols doubles, row-major.
struct TableData {
    int nRows = 0;
    int nCols = 0;
    std::vector<double> values;

    double At(int r, int c) const { return values[static_cast<size_t>(r * nCols + c)]; }
};

// Parses a CSV source: '#' lines are comments, blank lines are skipped, every other line is one
// row of comma-separated numbers. The table must have the shape of its data file. On failure
// returns false with a message naming the line.
bool ParseTableCsv(const std::string& text, const DataFileShape& shape, TableData& table,
                   std::string& error);

// The bytes of a data file: little-endian doubles, row after row.
std::vector<uint8_t> EncodeTable(const TableData& table);

// Decodes a data file of the given shape; its size must be exact.
bool DecodeTable(const std::vector<uint8_t>& bytes, const DataFileShape& shape, TableData& table,
                 std::string& error);

enum class TableFileRead { kRead, kUnreadable, kWrongSize };

// Reads a data file of the given shape; a file that is not exactly its table's size (read a
// little past it, so a longer file shows too) is refused with the cause.
TableFileRead ReadTableFile(const std::string& path, const DataFileShape& shape, TableData& table,
                            std::string& cause);

// Problems a data file must not have: non-finite values, data values outside the physical range
// of the file's kind (cooling load factors 0..1.2, CLTD -40..150 F, LM -40..40 F, shading
// coefficients 0..1.5, SHGF 0..400 Btu/h sq ft), and for the steam table properties that water at
// saturation cannot have or temperatures and pressures that do not ascend. Labels (row 0,
// column 0) need only be finite. Empty when the table is sound.
std::vector<std::string> CheckTable(const TableData& table, int number);

// The table as aligned text, one row a line.
std::string FormatTable(const TableData& table);
