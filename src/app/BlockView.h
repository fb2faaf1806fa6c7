#pragma once

#include <span>

#include "BlockLoad.h"
#include "CanvasView.h"

class CBuilding;

// The View menu's block commands and the kind each shows.
struct BlockViewCommand {
    int nCommandId;
    BlockViewKind kind;
};
std::span<const BlockViewCommand> BlockViewCommandKinds();

// The pane of a block window: the chosen kind of its building, drawn, scrolled, zoomed and
// printed as a project's results pane is.
class CBlockView : public CCanvasView {
    Q_OBJECT

  public:
    explicit CBlockView(const CBuilding& building, QWidget* parent = nullptr);

    BlockViewKind Kind() const { return m_kind; }
    void SetKind(BlockViewKind kind);
    // The building changed: draw it again.
    void SetBuilding(const CBuilding& building);

    int PageCount() const override;

  protected:
    DrawResult DrawContent(ICanvas& canvas, const ViewPage& page) override;
    bool PrintRange(QPrinter& printer, bool printerOutput, int first, int last,
                    QSize client) override;

  private:
    const CBuilding* m_pBuilding;
    BlockViewKind m_kind = BlockViewKind::kSummary;
};
