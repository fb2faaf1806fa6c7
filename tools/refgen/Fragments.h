#pragma once

// Published fragments of reference tables, in the project's CSV form (data/reference/fragments):
// '#' comment lines, a header line naming the columns, then one line per row, a label and its
// cells, a cell empty where the source prints nothing. A comment line "# suspect: ROW,COLUMN"
// (row label, column name) marks a cell the source is thought to have wrong; fits leave it out.

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace refgen {

struct Fragment {
    std::vector<std::string> columns;  // the header's names after the row-label column
    std::vector<std::string> rowLabels;
    std::vector<std::vector<std::optional<double>>> cells;  // [row][column]
    std::set<std::pair<size_t, size_t>> suspects;           // (row, column) indices

    bool IsSuspect(size_t row, size_t column) const { return suspects.count({row, column}) > 0; }
    size_t ColumnIndex(const std::string& name) const;  // throws std::runtime_error if absent
};

// Throws std::runtime_error on a malformed fragment (name says which).
Fragment ParseFragment(const std::string& text, const std::string& name);
Fragment ReadFragment(const std::string& path);

}  // namespace refgen
