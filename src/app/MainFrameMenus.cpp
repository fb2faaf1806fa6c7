// The main window's commands bound to their actions, the two menu bars, the toolbar and the
// recent files.
#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>
#include <functional>
#include <utility>

#include "BlockFrame.h"
#include "BlockView.h"
#include "ContextHelp.h"
#include "DocumentHost.h"
#include "HelpBrowser.h"
#include "MainFrame.h"
#include "TipsDialog.h"
#include "document/QuarnDoc.h"
#include "views/ViewKinds.h"

void CMainFrame::BindActions() {
    const std::pair<int, std::function<void()>> commands[] = {
        {cmd::kFileNew, [this] { m_host.OnFileNew(); }},
        {cmd::kFileOpen, [this] { m_host.OnFileOpen(); }},
        {cmd::kFileClose,
         [this] {
             if (CQuarnDoc* doc = ActiveDoc()) m_host.CloseDocument(*doc);
         }},
        {cmd::kFileSave,
         [this] {
             if (CQuarnDoc* doc = ActiveDoc()) m_host.DoSave(*doc, false);
         }},
        {cmd::kFileSaveAs,
         [this] {
             if (CQuarnDoc* doc = ActiveDoc()) m_host.DoSave(*doc, true);
         }},
        {cmd::kFilePrint, [this] { OnFilePrint(false); }},
        {cmd::kFilePrintPreview, [this] { OnFilePrint(true); }},
        {cmd::kFilePrintSetup, [this] { OnPrintSetup(); }},
        {cmd::kAppExit, [this] { close(); }},
        {cmd::kEditCopy, [this] { OnEditCopy(); }},
        {cmd::kOptions, [this] { OnOptions(); }},
        {cmd::kWindowNew,
         [this] {
             if (CQuarnDoc* doc = ActiveDoc()) CreateChildFrame(*doc);
         }},
        {cmd::kWindowCascade, [this] { m_pMdiArea->cascadeSubWindows(); }},
        {cmd::kWindowTile, [this] { m_pMdiArea->tileSubWindows(); }},
        {cmd::kWindowArrange, [this] { ArrangeIcons(); }},
        {cmd::kBlockLoad, [this] { OnBlockLoad(); }},
        {cmd::kHelpFinder, [this] { OnHelp(kHelpIndex); }},
        {cmd::kReadMe, [this] { OnHelp(kHelpReadMe); }},
        {kLicenseAgreementKey, [this] { OnHelp(kHelpReadMe); }},
        {cmd::kAppAbout, [this] { OnAbout(); }},
        {cmd::kHelp,
         [this] {
             const CQuarnDoc* doc = ActiveDoc();
             OnHelp(doc != nullptr             ? ViewKindTopic(doc->m_nViewKind)
                    : ActiveBlock() != nullptr ? BlockLoadTopic()
                                               : QString(kHelpIndex));
         }},
        {cmd::kContextHelp, [] { QWhatsThis::enterWhatsThisMode(); }},
        {cmd::kNextPane, [this] { CyclePane(true); }},
        {cmd::kPrevPane, [this] { CyclePane(false); }},
    };
    for (const auto& [id, run] : commands)
        connect(m_actions.value(id), &QAction::triggered, this, run);
    for (int id : {cmd::kGeneralData, cmd::kGlassWindowsData, cmd::kWallsRoofData,
                   cmd::kGlassBlocksData, cmd::kOtherBuildingData, cmd::kUValue})
        connect(m_actions.value(id), &QAction::triggered, this,
                [this, id] { OnProjectCommand(id); });
    for (int id :
         {cmd::kZoomIn, cmd::kZoomOut, cmd::kZoomActual, cmd::kZoomFitWidth, cmd::kZoomFitPage})
        connect(m_actions.value(id), &QAction::triggered, this, [this, id] { OnZoom(id); });
    connect(m_actions.value(cmd::kFitWidthOnOpen), &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kFitWidthOnOpenKey, on); });
    for (int i = 0; i < kRecentFileCount; ++i) {
        connect(m_actions.value(cmd::kFileMru1 + i), &QAction::triggered, this, [this, i] {
            const QStringList files = m_host.RecentFiles();
            if (i < files.size()) m_host.OpenDocumentFile(files[i]);
        });
    }
    for (const ViewKindInfo& info : AllViewKinds()) {
        const int kind = info.nKind;
        connect(m_actions.value(info.nCommandId), &QAction::triggered, this,
                [this, kind] { OnViewKind(kind); });
    }
    for (const BlockViewCommand& command : BlockViewCommandKinds()) {
        const BlockViewKind kind = command.kind;
        connect(m_actions.value(command.nCommandId), &QAction::triggered, this, [this, kind] {
            if (CBlockFrame* block = ActiveBlock()) block->View()->SetKind(kind);
            UpdateCommandUI();
        });
    }
    connect(m_actions.value(cmd::kViewStatusBar), &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    for (int id : WindowKeyCommands()) addAction(m_actions.value(id));
}

void CMainFrame::CreateMenus() {
    const auto onPopup = [this](QMenu* menu) { OnInitMenuPopup(menu); };
    m_menus128 = BuildMenuBar(kMenuBarNoProject, m_actions, this, onPopup);
    m_menus129 = BuildMenuBar(kMenuBarProject, m_actions, this, onPopup);
    UpdateRecentFileMenu();
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar("Toolbar");
    m_pToolBar->setObjectName("Toolbar");
    m_pToolBar->setIconSize(QSize(24, 24));
    m_pToolBar->setFloatable(true);
    connect(FindAction(cmd::kViewToolbar), &QAction::toggled, m_pToolBar, &QWidget::setVisible);
    FillToolBar(*m_pToolBar, m_actions);
}

void CMainFrame::SwitchMenu(int menuId) {
    if (menuId == m_nMenuId) return;
    m_nMenuId = menuId;
    menuBar()->clear();
    for (QMenu* menu : menuId == kMenuBarNoProject ? m_menus128 : m_menus129)
        menuBar()->addMenu(menu);
}

QMenu* CMainFrame::HelpMenu() const {
    const auto& menus = m_nMenuId == kMenuBarNoProject ? m_menus128 : m_menus129;
    for (QMenu* menu : menus)
        if (menu->title() == "&Help") return menu;
    return nullptr;
}

void CMainFrame::OnInitMenuPopup(QMenu* menu) {
    UpdateCommandUI();
    if (menu != HelpMenu()) return;
    if (QAction* tip = InsertTipMenuItem(menu, this, [this] { OnTipOfTheDay(); })) {
        tip->setData(cmd::kTipOfTheDay);
        tip->setStatusTip("Display a tip of the day");
        tip->setWhatsThis(tip->statusTip());
    }
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList files = m_host.RecentFiles();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = FindAction(cmd::kFileMru1 + i);
        if (i < files.size()) {
            action->setText(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
            action->setVisible(true);
            action->setEnabled(true);
        } else if (i == 0) {
            // An empty list still shows one greyed line.
            action->setText("Recent File");
            action->setVisible(true);
            action->setEnabled(false);
        } else {
            action->setVisible(false);
        }
    }
}
