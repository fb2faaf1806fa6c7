#include "tables/ReferenceReader.h"

#include <cmath>
#include <vector>

#include "paths/InstallDir.h"
#include "tables/TableCache.h"
#include "text/Format.h"

double Interpolate(double x0, double x, double x1, double y0, double y1) {
    if (x1 - x0 == 0.0) return y0;
    return y0 + (x - x0) * (y1 - y0) / (x1 - x0);
}

namespace {

// Reads, decodes and checks data file NN at the path, reporting any failure.
bool LoadReferenceTable(const std::string& path, const DataFileShape& shape,
                        IUserMessages& messages, TableData& table) {
    std::string cause;
    switch (ReadTableFile(path, shape, table, cause)) {
        case TableFileRead::kRead: {
            // Values no such table can hold would flow into every load: the file is damaged.
            const std::vector<std::string> problems = CheckTable(table, shape.nNumber);
            if (problems.empty()) return true;
            table = TableData{};
            cause = problems.front();
            if (problems.size() > 1) cause += StrFormat(" (%zu problems in all)", problems.size());
            messages.ReportFileError(path, "The reference data file is damaged: " + cause + ".");
            return false;
        }
        case TableFileRead::kUnreadable:
            messages.ReportFileError(path, cause);
            return false;
        case TableFileRead::kWrongSize:
            messages.ReportFileError(path, "The reference data file is damaged: " + cause + ".");
            return false;
    }
    return false;
}

}  // namespace

std::shared_ptr<const TableData> ReadSharedReferenceTable(int number, IUserMessages& messages) {
    const std::string path = g_strInstallDir + DataFileName(number);
    const DataFileShape* shape = FindDataFile(number);
    if (shape == nullptr) {
        messages.ReportFileError(path, "not a reference data file of the program");
        return nullptr;
    }
    return CachedTable(
        path, [&](TableData& table) { return LoadReferenceTable(path, *shape, messages, table); });
}

bool ReadReferenceTable(int number, IUserMessages& messages, TableData& table) {
    const std::shared_ptr<const TableData> shared = ReadSharedReferenceTable(number, messages);
    if (shared == nullptr) return false;
    table = *shared;
    return true;
}

namespace {

LatitudeBracket Bracket(double latitude, int step, int fileAtZero, int firstNorth, int firstSouth) {
    constexpr int kLast = 64;
    const double x = std::fabs(latitude);
    const bool south = latitude < 0;
    // File of a tabulated latitude (a multiple of step, 0..64) in this hemisphere.
    auto file = [&](int degrees) {
        if (degrees == 0) return fileAtZero;
        return (south ? firstSouth : firstNorth) + degrees / step - 1;
    };
    if (x >= kLast) return {file(kLast), file(kLast), kLast, x, kLast};
    const int low = static_cast<int>(std::floor(x / step)) * step;
    return {file(low), file(low + step), static_cast<double>(low), x,
            static_cast<double>(low + step)};
}

}  // namespace

LatitudeBracket LatitudeCorrectionBracket(double latitude) {
    return Bracket(latitude, 8, 8, 9, 17);
}

LatitudeBracket SunlitShgfBracket(double latitude) { return Bracket(latitude, 4, 41, 42, 58); }

bool ReadInterpolatedLatitudeTable(const LatitudeBracket& bracket, IUserMessages& messages,
                                   double (&table)[13][10]) {
    const std::shared_ptr<const TableData> low =
        ReadSharedReferenceTable(bracket.nFileLow, messages);
    if (low == nullptr) return false;
    // Beyond the last tabulated latitude one file serves alone: read (and report) it once.
    const std::shared_ptr<const TableData> high =
        bracket.nFileHigh == bracket.nFileLow
            ? low
            : ReadSharedReferenceTable(bracket.nFileHigh, messages);
    if (high == nullptr) return false;
    if (low->nRows != 13 || low->nCols != 10 || high->nRows != 13 || high->nCols != 10)
        return false;
    for (int r = 0; r < 13; ++r) {
        for (int c = 0; c < 10; ++c) {
            table[r][c] =
                Interpolate(bracket.x0, bracket.x, bracket.x1, low->At(r, c), high->At(r, c));
        }
    }
    return true;
}
