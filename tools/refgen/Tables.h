#pragma once

// The computed reference tables, each in the layout of its data file.

#include <string>
#include <vector>

#include "Table.h"

namespace refgen {

struct ReferenceFile {
    int number;  // NN of qlexNN
    Table table;
};

std::string SourceFileName(int number);  // "qlexNN.csv"

// Latitudes in whole degrees, negative south.
Table LatitudeMonthTable(int latitudeDeg);
Table SunlitShgfTable(int latitudeDeg);
Table ShadedShgfTable(bool south);
Table WallCltdTable(int group);  // 1..7 for A..G
Table RoofCltdTable(bool withCeiling);

// Every computed file (all but the steam table), in file-number order; the cooling load factor
// tables are built in ClfTables.h.
std::vector<ReferenceFile> ComputedFiles();

// Writes each file as OUT_DIR/qlexNN.csv; throws std::runtime_error on failure.
void WriteFiles(const std::vector<ReferenceFile>& files, const std::string& outDir);

}  // namespace refgen
