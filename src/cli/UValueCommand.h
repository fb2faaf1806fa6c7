#pragma once

#include <string>
#include <vector>

// The uvalue command: the U-value calculator without the wizard. Each returns the exit code.

// Ticks the materials given as ID or ID=THICKNESS_OR_COUNT (ids of the material table; a
// thickness in inches, or mm with metric; at least one), applies the wizard's rules and prints R
// and U in the chosen unit system. A refused selection prints the wizard's message and fails.
int RunUValue(const std::vector<std::string>& items, bool metric);

// Prints the material table: id, kind, factor and label, page by page.
int ListUValueMaterials();
