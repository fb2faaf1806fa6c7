#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <string>
#include <vector>

#include "Actions.h"
#include "BlockLoad.h"

class CBlockFrame;
class CCanvasView;
class CChildFrame;
class CLockPanes;
class CModelessInputDlg;
class CQuarnDoc;
class IDocumentHost;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The settings key of View > Fit Width on Open.
inline constexpr const char* kFitWidthOnOpenKey = "Settings/FitWidthOnOpen";

// The main window: menu bar (menu 128 without a project window, 129 with one), toolbar, status
// bar and the area holding the project windows. Every command is a QAction carrying its
// command id (Actions.h); UpdateCommandUI enables them by the rules of the active project.
// The documents and the file commands belong to the host; the project windows report to this
// window by their signals.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(IDocumentHost& host);
    ~CMainFrame() override;

    // A project window on the document, placed and activated.
    CChildFrame* CreateChildFrame(CQuarnDoc& doc);
    void ActivateDocument(CQuarnDoc& doc);
    void CloseFramesOf(CQuarnDoc& doc);
    // Every window of the document redraws (the document's "update all views").
    void UpdateViewsOf(const CQuarnDoc* doc);
    void UpdateTitles();
    void UpdateRecentFileMenu();

    // The frames, in creation order.
    const std::vector<CChildFrame*>& Frames() const { return m_frames; }

    CChildFrame* ActiveFrame() const;
    CQuarnDoc* ActiveDoc() const;

    // The block windows, in creation order, and the active one (none when a project window or
    // nothing is active). A block window is not a project window: it is in neither Frames()
    // nor ActiveFrame().
    const std::vector<CBlockFrame*>& BlockFrames() const { return m_blocks; }
    CBlockFrame* ActiveBlock() const;
    // Window > Block Load of Open Projects: the dialog, then the block window.
    void OnBlockLoad();
    // A block window of the members, placed and activated; none, after the message saying
    // why, when they make no block.
    CBlockFrame* OpenBlock(const std::string& name, std::vector<BlockMember> members);
    QMdiArea* MdiArea() const { return m_pMdiArea; }

    // The action of a command id (view kinds use theirs); null when there is none.
    QAction* FindAction(int commandId) const { return m_actions.value(commandId); }
    // 128 or 129: which menu the menu bar shows.
    int CurrentMenuId() const { return m_nMenuId; }
    QMenu* HelpMenu() const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    // The status bar's CAP, NUM and SCRL panes, left of the zoom.
    CLockPanes* LockPanes() const { return m_pLockPanes; }
    QLabel* ZoomPane() const { return m_pZoomLabel; }

    // Enables and checks the actions by the state of the active project.
    void UpdateCommandUI();
    // Run when a popup opens: puts "Ti&p of the Day..." at the top of the Help popup once.
    void OnInitMenuPopup(QMenu* menu);

    // Commands with a project.
    void OnEditCopy();
    void OnViewKind(int kind);
    void OnOptions();
    void OnProjectCommand(int commandId);
    void OnFilePrint(bool preview);
    // Zoom In, Out, Actual Size, Fit Width and Fit Page on the active window's results pane.
    void OnZoom(int commandId);
    // The status bar's zoom: the active window's, none without one.
    void UpdateZoomStatus();
    // Files dropped on the window: each project file opens as File Open opens it; the others
    // are named in one message and left alone.
    void OpenDroppedFiles(const QStringList& paths);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // What each command does, by id.
    void BindActions();
    void CreateMenus();
    void CreateToolBar();
    void SwitchMenu(int menuId);
    // A frame's signals: the save question before the last window of a document closes, and
    // the bookkeeping as a frame closes or goes.
    void OnFrameCloseRequested(CChildFrame* frame, QCloseEvent* event);
    void OnFrameClosed(CChildFrame* frame);
    void OnFrameDestroyed(CChildFrame* frame);
    // Shows the modeless input dialog just made into slot; the commands follow it as it comes
    // and goes, and slot is cleared when it goes.
    void ShowInputDialog(QPointer<CModelessInputDlg>& slot);
    // The project is going away: its modeless dialogs close without storing anything.
    void CloseInputDialogsOf(const CQuarnDoc* doc);
    // The block windows of a project: made again from its data as it changes, closed as it
    // goes; the status bar says why one closes.
    void RebuildBlocksOf(const CQuarnDoc* doc);
    void CloseBlocksOf(const CQuarnDoc* doc);
    void OnBlockClosed(CBlockFrame* block);
    // The pane the zoom, print and preview commands work on: the active window's.
    CCanvasView* ActiveCanvasView() const;
    void OnHelp(const QString& topic);
    void OnAbout();
    void OnTipOfTheDay();
    void OnPrintSetup();
    void CyclePane(bool forward);
    // Window > Arrange Icons: the minimized project windows in rows along the bottom of the
    // work area, left to right in the order they were made; the others stay where they are.
    void ArrangeIcons();
    // Each project window's title shows whether its project has unsaved changes.
    void UpdateModifiedMarks();

    IDocumentHost& m_host;
    QMdiArea* m_pMdiArea = nullptr;
    QToolBar* m_pToolBar = nullptr;
    CLockPanes* m_pLockPanes = nullptr;
    QLabel* m_pZoomLabel = nullptr;
    ActionMap m_actions;
    std::vector<QMenu*> m_menus128, m_menus129;
    int m_nMenuId = 0;
    std::vector<CChildFrame*> m_frames;
    std::vector<CBlockFrame*> m_blocks;
    // The two modeless input dialogs; while either is open most project commands are disabled.
    QPointer<CModelessInputDlg> m_pWallsRoofDlg, m_pFloorCeilingDlg;
    bool m_bClosing = false;
};
