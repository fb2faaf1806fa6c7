#pragma once

#include "document/QuarnDocData.h"

// A second, plain reading of the hourly formulas, written apart from the engine: given a
// project whose reference rows and set-up values are in place, it computes every hourly and
// daily result table and the heating losses into `out`, so a test can compare the engine cell
// by cell.
void ComputeHourlyModel(const CQuarnDocData& in, CQuarnDocData& out);
