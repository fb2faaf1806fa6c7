#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "building/Building.h"
#include "draw/Canvas.h"
#include "units/Units.h"
#include "views/ViewDrawing.h"

class CQuarnDoc;

// What a block window shows of its building.
enum class BlockViewKind { kSummary, kTable, kGraph };

// An open project taking part in a block: the document, the name its windows show and how many
// identical copies of it the building has.
struct BlockMember {
    CQuarnDoc* pDoc = nullptr;
    QString strTitle;
    int nCount = 1;
};

// The name a member goes by in the block: the project name, else its window title.
std::string BlockSpaceName(const CQuarnDoc& doc, const QString& title);

// The block of the members' current data, or none with error saying why. The block holds
// copies of the documents' data, so it outlives any change to them.
std::optional<CBuilding> MakeBlockOf(const std::string& name,
                                     const std::vector<BlockMember>& members, std::string& error);

// The units the block reports in: the first space's output units.
UnitSystem BlockUnits(const CBuilding& building);

// Draws a kind of the block; printed, page page.nPageNumber of BlockViewPages.
DrawResult DrawBlockView(const CBuilding& building, BlockViewKind kind, ICanvas& canvas,
                         const ViewPage& page);
int BlockViewPages(const CBuilding& building, BlockViewKind kind, const ViewPage& page);

// What Copy offers for a kind: the text, or none for a graph.
std::optional<std::string> BlockCopyText(const CBuilding& building, BlockViewKind kind);
