#pragma once

#include <nlohmann/json.hpp>

#include "document/QuarnDocData.h"

// The whole project as JSON, keyed by member name: numbers, strings, arrays in their C shape
// (m_tblTotal as 25 x 13), window lists as arrays of records, so scripts can read every input
// and result.
nlohmann::json DocumentToJson(const CQuarnDocData& doc);
