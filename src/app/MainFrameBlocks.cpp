// The main window's block windows: the dialog that makes one, and keeping each in step with
// its projects.
#include <QMdiArea>
#include <QStatusBar>
#include <algorithm>

#include "BlockFrame.h"
#include "BlockLoadDlg.h"
#include "BlockView.h"
#include "ChildFrame.h"
#include "DocumentHost.h"
#include "GuiMessages.h"
#include "MainFrame.h"
#include "QtText.h"
#include "QuarnView.h"
#include "document/QuarnDoc.h"

CBlockFrame* CMainFrame::ActiveBlock() const {
    auto* block = qobject_cast<CBlockFrame*>(m_pMdiArea->currentSubWindow());
    // A window on its way out no longer counts.
    if (block && std::find(m_blocks.begin(), m_blocks.end(), block) == m_blocks.end())
        return nullptr;
    return block;
}

CCanvasView* CMainFrame::ActiveCanvasView() const {
    if (CChildFrame* frame = ActiveFrame()) return frame->View();
    if (CBlockFrame* block = ActiveBlock()) return block->View();
    return nullptr;
}

void CMainFrame::OnBlockLoad() {
    std::vector<BlockMember> projects;
    for (CQuarnDoc* doc : m_host.Documents()) projects.push_back({doc, m_host.DocumentTitle(*doc)});
    if (projects.empty()) return;
    CBlockLoadDlg dialog(std::move(projects), m_host.Messages(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    OpenBlock(dialog.BlockName(), dialog.Chosen());
}

CBlockFrame* CMainFrame::OpenBlock(const std::string& name, std::vector<BlockMember> members) {
    std::string error;
    std::optional<CBuilding> building = MakeBlockOf(name, members, error);
    if (!building) {
        m_host.Messages().ShowMessage(error);
        return nullptr;
    }
    auto* block = new CBlockFrame(std::move(*building), std::move(members));
    connect(block, &CBlockFrame::Closed, this, &CMainFrame::OnBlockClosed);
    connect(block, &CBlockFrame::Destroying, this, &CMainFrame::OnBlockClosed);
    connect(block->View(), &CCanvasView::ZoomChanged, this, [this, block] {
        if (block == ActiveBlock()) {
            UpdateZoomStatus();
            UpdateCommandUI();
        }
    });
    m_blocks.push_back(block);
    m_pMdiArea->addSubWindow(block);
    // Over the active project window, so it is seen whole; else placed as a project window
    // is: top left, full width, 183/200 of the height.
    const CChildFrame* over = ActiveFrame();
    const QSize client = m_pMdiArea->contentsRect().size();
    block->setGeometry(over != nullptr && !over->isMaximized() && !over->isMinimized()
                           ? over->geometry()
                           : QRect(0, 0, client.width(), client.height() * 183 / 200));
    if (over != nullptr && over->isMaximized())
        block->showMaximized();
    else
        block->show();
    if (FindAction(cmd::kFitWidthOnOpen)->isChecked())
        block->View()->SetFit(CCanvasView::ZoomFit::kWidth);
    m_pMdiArea->setActiveSubWindow(block);
    block->View()->setFocus();
    UpdateTitles();
    UpdateCommandUI();
    UpdateZoomStatus();
    return block;
}

void CMainFrame::OnBlockClosed(CBlockFrame* block) {
    const auto found = std::find(m_blocks.begin(), m_blocks.end(), block);
    if (found == m_blocks.end()) return;
    m_blocks.erase(found);
    if (m_bClosing) return;
    UpdateTitles();
    UpdateCommandUI();
    UpdateZoomStatus();
}

void CMainFrame::RebuildBlocksOf(const CQuarnDoc* doc) {
    const auto blocks = m_blocks;
    for (CBlockFrame* block : blocks) {
        if (!block->HasMember(doc)) continue;
        std::vector<BlockMember> members = block->Members();
        for (BlockMember& member : members) member.strTitle = m_host.DocumentTitle(*member.pDoc);
        std::string error;
        std::optional<CBuilding> building = MakeBlockOf(block->Building().Name(), members, error);
        if (building) {
            block->SetBuilding(std::move(*building), std::move(members));
        } else {
            // The projects no longer make a block (another climate, say): the window would
            // show loads that are not theirs.
            statusBar()->showMessage(
                QString("Block load closed: %1").arg(ToQString(error).replace('\n', ' ')));
            block->close();
        }
    }
    if (ActiveBlock() != nullptr) UpdateTitles();
}

void CMainFrame::CloseBlocksOf(const CQuarnDoc* doc) {
    const auto blocks = m_blocks;
    for (CBlockFrame* block : blocks) {
        if (!block->HasMember(doc)) continue;
        QString title;
        for (const BlockMember& member : block->Members())
            if (member.pDoc == doc) title = member.strTitle;
        if (!m_bClosing)
            statusBar()->showMessage(QString("Block load closed: %1 is no longer open").arg(title));
        block->close();
    }
}
