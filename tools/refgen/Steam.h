#pragma once

// The steam table: saturation properties of water at selected temperatures, taken from the
// project's IAPWS-based table.

#include <string>
#include <vector>

#include "Table.h"

namespace refgen {

// The 196 temperatures of the rows, F, ascending.
std::vector<int> SteamTableTemperatures();

// Builds the table from the text of steam_table_IP.csv (comment lines, a header naming the
// columns, one row per whole degree F). Throws std::runtime_error if a column or a temperature
// is missing or a value is not a number.
Table SteamTable(const std::string& sourceText);

}  // namespace refgen
