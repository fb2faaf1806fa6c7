#pragma once

#include "draw/Canvas.h"
#include "units/Units.h"
#include "views/ViewDrawing.h"

class CBuilding;

// The Block Load Summary drawn as its text reads, columns lined up; printed, page
// page.nPageNumber of BlockSummaryPages. The copy text is BlockSummaryText.
DrawResult DrawBlockSummary(const CBuilding& building, UnitSystem units, ICanvas& canvas,
                            const ViewPage& page);
int BlockSummaryPages(const CBuilding& building, UnitSystem units, const ViewPage& page);

// The block's Total Cooling Load table and graph, laid out as a project's by its first space's
// display options; the table's result carries the copy text (BlockTableText).
DrawResult DrawBlockTable(const CBuilding& building, UnitSystem units, ICanvas& canvas,
                          const ViewPage& page);
DrawResult DrawBlockGraph(const CBuilding& building, UnitSystem units, ICanvas& canvas,
                          const ViewPage& page);
