#include "BlockLoad.h"

#include <memory>

#include "QtText.h"
#include "building/BlockSummaryDrawing.h"
#include "document/QuarnDoc.h"
#include "draw/RecordingCanvas.h"

std::string BlockSpaceName(const CQuarnDoc& doc, const QString& title) {
    // A project never saved has no file name; its window title stands in for one.
    const std::string& path = doc.GetPathName();
    return SpaceNameOf(doc, path.empty() ? FromQString(title) : path);
}

std::optional<CBuilding> MakeBlockOf(const std::string& name,
                                     const std::vector<BlockMember>& members, std::string& error) {
    std::vector<BuildingSpace> spaces;
    for (const BlockMember& member : members) {
        spaces.push_back({std::make_shared<CQuarnDocData>(*member.pDoc),
                          BlockSpaceName(*member.pDoc, member.strTitle), member.nCount});
    }
    return CBuilding::Make(name, std::move(spaces), error);
}

UnitSystem BlockUnits(const CBuilding& building) {
    return OutputUnitSystem(building.First()) == UnitSystem::kMetric ? UnitSystem::kMetric
                                                                     : UnitSystem::kEnglish;
}

DrawResult DrawBlockView(const CBuilding& building, BlockViewKind kind, ICanvas& canvas,
                         const ViewPage& page) {
    const UnitSystem units = BlockUnits(building);
    switch (kind) {
        case BlockViewKind::kTable:
            return DrawBlockTable(building, units, canvas, page);
        case BlockViewKind::kGraph:
            return DrawBlockGraph(building, units, canvas, page);
        case BlockViewKind::kSummary:
            break;
    }
    return DrawBlockSummary(building, units, canvas, page);
}

int BlockViewPages(const CBuilding& building, BlockViewKind kind, const ViewPage& page) {
    if (kind != BlockViewKind::kSummary) return 1;
    return BlockSummaryPages(building, BlockUnits(building), page);
}

std::optional<std::string> BlockCopyText(const CBuilding& building, BlockViewKind kind) {
    if (kind == BlockViewKind::kSummary) return BlockSummaryText(building, BlockUnits(building));
    CRecordingCanvas canvas;
    const DrawResult drawn = DrawBlockView(building, kind, canvas, ViewPage());
    if (drawn.copy != DrawResult::Copy::kText) return std::nullopt;
    return drawn.strCopyText;
}
