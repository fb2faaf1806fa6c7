#include "BlockView.h"

#include <QScrollBar>
#include <algorithm>

#include "AppStrings.h"
#include "views/ViewDrawing.h"

std::span<const BlockViewCommand> BlockViewCommandKinds() {
    static constexpr BlockViewCommand kCommands[] = {{cmd::kBlockSummary, BlockViewKind::kSummary},
                                                     {cmd::kBlockTable, BlockViewKind::kTable},
                                                     {cmd::kBlockGraph, BlockViewKind::kGraph}};
    return kCommands;
}

CBlockView::CBlockView(const CBuilding& building, QWidget* parent)
    : CCanvasView(parent), m_pBuilding(&building) {}

void CBlockView::SetKind(BlockViewKind kind) {
    if (kind == m_kind) return;
    m_kind = kind;
    // Each kind starts at its top left, as a project's view does.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void CBlockView::SetBuilding(const CBuilding& building) {
    m_pBuilding = &building;
    viewport()->update();
}

int CBlockView::PageCount() const {
    ViewPage page;
    page.nPrintWidth = kPrintPageWidth;
    page.nPrintHeight = kPrintPageHeight;
    return BlockViewPages(*m_pBuilding, m_kind, page);
}

DrawResult CBlockView::DrawContent(ICanvas& canvas, const ViewPage& page) {
    return DrawBlockView(*m_pBuilding, m_kind, canvas, page);
}

bool CBlockView::PrintRange(QPrinter& printer, bool printerOutput, int first, int last,
                            QSize client) {
    // The paper decides how many lines a page of the summary holds.
    last = std::min(last, BlockViewPages(*m_pBuilding, m_kind, PrintedPage(printer, client)));
    return PrintDrawnPages(printer, printerOutput, first, last, client,
                           [this](ICanvas& canvas, const ViewPage& page) {
                               DrawBlockView(*m_pBuilding, m_kind, canvas, page);
                           });
}
