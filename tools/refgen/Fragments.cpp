#include "Fragments.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace refgen {

namespace {

const std::string kSuspectTag = "# suspect:";

std::string Trim(std::string text) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    return text;
}

// Keeps empty fields, also a trailing one ("a,b," is three fields).
std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma - start)));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

}  // namespace

size_t Fragment::ColumnIndex(const std::string& name) const {
    const auto found = std::find(columns.begin(), columns.end(), name);
    if (found == columns.end()) throw std::runtime_error("fragment has no column " + name);
    return static_cast<size_t>(found - columns.begin());
}

Fragment ParseFragment(const std::string& text, const std::string& name) {
    const auto fail = [&](const std::string& why) { throw std::runtime_error(name + ": " + why); };
    Fragment fragment;
    std::vector<std::pair<std::string, std::string>> suspectNames;
    bool haveHeader = false;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(kSuspectTag, 0) == 0) {
            const std::vector<std::string> cell = SplitFields(line.substr(kSuspectTag.size()));
            if (cell.size() < 2) fail("a suspect line needs ROW,COLUMN: " + line);
            suspectNames.emplace_back(cell[0], Trim(cell[1].substr(0, cell[1].find(' '))));
            continue;
        }
        if (Trim(line).empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitFields(line);
        if (!haveHeader) {
            fragment.columns.assign(fields.begin() + 1, fields.end());
            haveHeader = true;
            continue;
        }
        if (fields.size() != fragment.columns.size() + 1) {
            fail("row " + fields[0] + " has " + std::to_string(fields.size() - 1) +
                 " cells, the header names " + std::to_string(fragment.columns.size()));
        }
        fragment.rowLabels.push_back(fields[0]);
        std::vector<std::optional<double>>& row = fragment.cells.emplace_back();
        for (size_t c = 1; c < fields.size(); ++c) {
            if (fields[c].empty()) {
                row.emplace_back();
                continue;
            }
            char* end = nullptr;
            const double value = std::strtod(fields[c].c_str(), &end);
            if (end != fields[c].c_str() + fields[c].size() || !std::isfinite(value)) {
                fail("\"" + fields[c] + "\" is not a number");
            }
            row.emplace_back(value);
        }
    }
    if (!haveHeader) fail("no header line");
    for (const auto& [rowName, columnName] : suspectNames) {
        const auto r = std::find(fragment.rowLabels.begin(), fragment.rowLabels.end(), rowName);
        const auto c = std::find(fragment.columns.begin(), fragment.columns.end(), columnName);
        if (r == fragment.rowLabels.end() || c == fragment.columns.end()) {
            fail("suspect cell " + rowName + "," + columnName + " is not in the table");
        }
        fragment.suspects.emplace(static_cast<size_t>(r - fragment.rowLabels.begin()),
                                  static_cast<size_t>(c - fragment.columns.begin()));
    }
    return fragment;
}

Fragment ReadFragment(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseFragment(text.str(), path);
}

}  // namespace refgen
