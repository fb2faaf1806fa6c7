#pragma once

#include <memory>

#include "messages/UserMessages.h"
#include "tables/TableFile.h"

// Linear interpolation: y0 + (x - x0) (y1 - y0) / (x1 - x0), or y0 when x1 - x0 is exactly 0.
double Interpolate(double x0, double x, double x1, double y0, double y1);

// Reads data file NN from the installation folder (g_strInstallDir) whole. A file that cannot
// be opened, that does not hold exactly its table, or whose values are not sound (CheckTable) is
// reported (naming the file and the cause) and nothing is returned: the caller leaves its
// document table as it was.
bool ReadReferenceTable(int number, IUserMessages& messages, TableData& table);

// The same, without a copy: the decoded table that every document of the process shares while
// the file on disk is unchanged (tables/TableCache.h), or nullptr after the report.
std::shared_ptr<const TableData> ReadSharedReferenceTable(int number, IUserMessages& messages);

// The pair of latitude files that brackets a station latitude, lower bound inclusive, upper
// bound exclusive; beyond the last tabulated latitude the last file alone (x0 == x1). South of
// the equator the southern files are used and x0, x, x1 are absolute values.
struct LatitudeBracket {
    int nFileLow;
    int nFileHigh;
    double x0;
    double x;
    double x1;
};

// Latitude-month corrections: every 8 degrees, qlex08 at 0, qlex09..16 at 8..64 N,
// qlex17..24 at 8..64 S.
LatitudeBracket LatitudeCorrectionBracket(double latitude);

// Sunlit solar heat gain factors: every 4 degrees, qlex41 at 0, qlex42..57 at 4..64 N,
// qlex58..73 at 4..64 S.
LatitudeBracket SunlitShgfBracket(double latitude);

// Reads both files of the bracket and interpolates every cell (labels included) into a
// month x orientation table. Both files must read, else nothing is written.
bool ReadInterpolatedLatitudeTable(const LatitudeBracket& bracket, IUserMessages& messages,
                                   double (&table)[13][10]);
