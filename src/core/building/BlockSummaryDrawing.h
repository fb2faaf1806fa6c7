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
