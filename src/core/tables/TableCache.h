#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "tables/TableFile.h"

// Every recalculation of every open document needs the same twenty-odd data files, so the
// decoded tables are kept for the life of the process and shared. An entry is used only while
// the file on disk is still the one it was read from (same size, modification and change times,
// and file identity), so a file the user replaces is read again. Failures are never kept: a
// missing or damaged file is read, and reported, again on every request. Thread-safe.

// Fills a table from the file at the path; on failure it has reported why and returns false.
using TableLoader = std::function<bool(TableData& table)>;

// The table of the file at the path: the kept one when the file is unchanged, else what the
// loader reads (kept when it succeeds). nullptr when the loader fails.
std::shared_ptr<const TableData> CachedTable(const std::string& path, const TableLoader& load);

// How many times a loader has run in this process: the files actually read.
size_t TableCacheLoads();

// Forgets every kept table (a cold start for measurements and tests).
void ClearTableCache();
