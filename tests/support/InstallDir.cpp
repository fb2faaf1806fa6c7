#include "support/InstallDir.h"

#include <filesystem>

#include "paths/InstallDir.h"
#include "tables/DataFiles.h"
#include "tables/TableFile.h"

CScopedInstallDir::CScopedInstallDir() : m_previous(g_strInstallDir) { g_strInstallDir = Path(); }

CScopedInstallDir::~CScopedInstallDir() { g_strInstallDir = m_previous; }

void CScopedInstallDir::WriteTable(int number,
                                   const std::function<double(int r, int c)>& cell) const {
    const DataFileShape* shape = FindDataFile(number);
    TableData table;
    table.nRows = shape->nRows;
    table.nCols = shape->nCols;
    for (int r = 0; r < shape->nRows; ++r) {
        for (int c = 0; c < shape->nCols; ++c) table.values.push_back(cell(r, c));
    }
    WriteBytes(number, EncodeTable(table));
}

void CScopedInstallDir::WriteBytes(int number, const std::vector<uint8_t>& bytes) const {
    WriteFileBytes(Path() + DataFileName(number), bytes);
}

void CScopedInstallDir::Remove(int number) const {
    std::filesystem::remove(Path() + DataFileName(number));
}
