#pragma once

#include <QMdiSubWindow>
#include <vector>

#include "BlockLoad.h"
#include "building/Building.h"

class CBlockView;
class CQuarnDoc;
class QCloseEvent;

// A block window: the coincident load of several open projects, shown in one pane. It keeps its
// own copy of the members' data; the main window rebuilds it when a member changes and closes
// it when a member goes.
class CBlockFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    CBlockFrame(CBuilding building, std::vector<BlockMember> members, QWidget* parent = nullptr);
    ~CBlockFrame() override;

    const CBuilding& Building() const { return m_building; }
    const std::vector<BlockMember>& Members() const { return m_members; }
    bool HasMember(const CQuarnDoc* doc) const;
    CBlockView* View() const { return m_pView; }

    // A new block of the members (their titles may have changed), drawn at once.
    void SetBuilding(CBuilding building, std::vector<BlockMember> members);
    // The title the window and the main window's caption show.
    QString Title() const;

  signals:
    // The window has closed and is about to be deleted.
    void Closed(CBlockFrame* frame);
    // The window is being deleted.
    void Destroying(CBlockFrame* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CBuilding m_building;
    std::vector<BlockMember> m_members;
    CBlockView* m_pView;
};
