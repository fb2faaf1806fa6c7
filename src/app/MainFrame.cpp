#include "MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <map>

#include "AboutDlg.h"
#include "AppStrings.h"
#include "BlockFrame.h"
#include "BlockView.h"
#include "ChildFrame.h"
#include "DocumentHost.h"
#include "GuiMessages.h"
#include "HelpWindow.h"
#include "LockPanes.h"
#include "OptionsDlg.h"
#include "QuarnView.h"
#include "SplashScreen.h"
#include "TipsDialog.h"
#include "ZoomSteps.h"
#include "dialogs/FloorCeilingDlg.h"
#include "dialogs/GlassBlockDlg.h"
#include "dialogs/WallsRoofDlg.h"
#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "uvalue/UvalSheet.h"
#include "views/ViewKinds.h"
#include "windows/WinSheet.h"
#include "wizard/ProjSheet.h"

namespace {
constexpr const char* kCopiedMessage =
    "The data displayed in the view to the right\n"
    "is successfully copied to the clipboard.\n"
    "It can now be pasted in another program.";

QString EscapeHtml(const QString& text) { return text.toHtmlEscaped(); }

// The copy text as an HTML table, so that spreadsheets paste it into cells.
QString CopyTextAsHtml(const QString& text) {
    QString html = "<html><body><table>";
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QString& line : lines) {
        html += "<tr>";
        for (const QString& cell : line.split('\t')) html += "<td>" + EscapeHtml(cell) + "</td>";
        html += "</tr>";
    }
    return html + "</table></body></html>";
}
}  // namespace

CMainFrame::CMainFrame(IDocumentHost& host) : m_host(host) {
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(DrawThermavoEmblem(64)));
    // The whole work area of the desktop.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    setAcceptDrops(true);
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] {
        UpdateTitles();
        UpdateCommandUI();
        UpdateZoomStatus();
    });

    m_actions = CreateActions(this);
    BindActions();
    CreateMenus();
    CreateToolBar();
    m_pLockPanes = new CLockPanes(statusBar(), CreatePlatformLockKeySource());
    m_pZoomLabel = new QLabel(this);
    m_pZoomLabel->setToolTip("Zoom");
    statusBar()->addPermanentWidget(m_pZoomLabel);
    FindAction(cmd::kFitWidthOnOpen)
        ->setChecked(QSettings().value(kFitWidthOnOpenKey, false).toBool());
    statusBar()->showMessage("Ready");
    SwitchMenu(kMenuBarNoProject);
    UpdateCommandUI();
    UpdateZoomStatus();

    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame() {
    // The frames go while the members they report to still exist, those closed but not yet
    // deleted included; the dialogs go first, as they hold a project that goes with its last
    // frame.
    m_bClosing = true;
    delete m_pWallsRoofDlg;
    delete m_pFloorCeilingDlg;
    // The block windows hold only copies of the projects' data, but go before the projects.
    const auto blocks = findChildren<CBlockFrame*>();
    for (CBlockFrame* block : blocks) delete block;
    const auto frames = findChildren<CChildFrame*>();
    for (CChildFrame* frame : frames) delete frame;
}

// ---- Enable rules ----

void CMainFrame::UpdateCommandUI() {
    CQuarnDoc* doc = ActiveDoc();
    const bool hasDoc = doc != nullptr;
    const CBlockFrame* block = ActiveBlock();
    for (int id : {cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs, cmd::kWindowNew})
        FindAction(id)->setEnabled(hasDoc);
    // A block window prints, previews, zooms and is arranged as a project window is.
    for (int id : {cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kWindowCascade, cmd::kWindowTile,
                   cmd::kWindowArrange, cmd::kZoomActual, cmd::kZoomFitWidth, cmd::kZoomFitPage})
        FindAction(id)->setEnabled(hasDoc || block != nullptr);
    const CCanvasView* view = ActiveCanvasView();
    FindAction(cmd::kZoomIn)->setEnabled(view && view->Zoom() < zoom::kMax);
    FindAction(cmd::kZoomOut)->setEnabled(view && view->Zoom() > zoom::kMin);
    // A block's graph has nothing to copy, as a project's graphs have not.
    FindAction(cmd::kEditCopy)
        ->setEnabled(hasDoc ? doc->m_bCopyAvailable != 0
                            : block != nullptr && block->View()->Kind() != BlockViewKind::kGraph);
    FindAction(cmd::kBlockLoad)->setEnabled(!m_host.Documents().empty());
    // The project's kinds are no choice while a block window is active: their popups grey.
    for (QMenu* menu : m_menus129)
        for (QAction* item : menu->actions())
            if (item->menu() != nullptr && menu->title() == "&View") item->setEnabled(hasDoc);
    FindAction(kBlockViewSeparatorKey)->setVisible(block != nullptr);
    for (const BlockViewCommand& command : BlockViewCommandKinds()) {
        QAction* action = FindAction(command.nCommandId);
        action->setVisible(block != nullptr);
        action->setEnabled(block != nullptr);
        action->setChecked(block != nullptr && block->View()->Kind() == command.kind);
    }
    for (const ViewKindInfo& info : AllViewKinds())
        FindAction(info.nCommandId)
            ->setEnabled(hasDoc && IsViewKindCommandEnabled(*doc, info.nKind));
    // The modeless dialogs lock the commands that would change what they edit.
    const bool noModeless = m_pWallsRoofDlg.isNull() && m_pFloorCeilingDlg.isNull();
    const bool general = hasDoc && doc->m_bGeneralDataSupplied != 0;
    for (int id : {cmd::kGeneralData, cmd::kUValue, cmd::kOptions})
        FindAction(id)->setEnabled(hasDoc && noModeless);
    for (int id : {cmd::kGlassWindowsData, cmd::kWallsRoofData, cmd::kOtherBuildingData,
                   cmd::kGlassBlocksData})
        FindAction(id)->setEnabled(noModeless && general);
}

// ---- Commands ----

void CMainFrame::OnEditCopy() {
    CQuarnDoc* doc = ActiveDoc();
    std::string copyText;
    if (doc != nullptr) {
        copyText = doc->m_strCopyText;
    } else if (const CBlockFrame* block = ActiveBlock()) {
        copyText = BlockCopyText(block->Building(), block->View()->Kind()).value_or("");
    }
    if (copyText.empty()) return;
    const QString text = ToQString(copyText);
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(CopyTextAsHtml(text));
    (doc != nullptr ? doc->Messages() : m_host.Messages()).ShowMessage(kCopiedMessage);
    QGuiApplication::clipboard()->setMimeData(data);
}

void CMainFrame::OnViewKind(int kind) {
    if (CQuarnDoc* doc = ActiveDoc()) SelectViewKind(*doc, kind);
}

void CMainFrame::OnOptions() {
    CQuarnDoc* doc = ActiveDoc();
    if (doc == nullptr) return;
    COptionsDlg dialog(FillOptions(*doc), this);
    if (dialog.exec() == QDialog::Accepted) {
        const COptionsValues values = dialog.Values();
        if (auto error = ValidateOptions(values)) {
            doc->Messages().ShowMessage(error->strMessage);
            doc->UpdateAllViews();
            return;
        }
        ApplyOptions(*doc, values);  // also updates the views
    } else {
        doc->UpdateAllViews();
    }
}

void CMainFrame::OnProjectCommand(int commandId) {
    CQuarnDoc* doc = ActiveDoc();
    if (doc == nullptr) return;
    const std::map<int, DataCommand> guarded = {
        {cmd::kGlassWindowsData, DataCommand::kGlassWindows},
        {cmd::kWallsRoofData, DataCommand::kWallsRoof},
        {cmd::kOtherBuildingData, DataCommand::kOtherBuilding},
        {cmd::kGlassBlocksData, DataCommand::kGlassBlocks}};
    if (auto found = guarded.find(commandId); found != guarded.end()) {
        if (!CheckDataCommandGuard(*doc, found->second)) return;
    }
    switch (commandId) {
        case cmd::kGeneralData:
            RunGeneralDataWizard(this, *doc);
            doc->UpdateAllViews();
            break;
        case cmd::kGlassWindowsData:
            if (RunWindowsWizard(this, *doc)) doc->UpdateAllViews();
            break;
        case cmd::kGlassBlocksData:
            if (RunGlassBlocksDialog(this, *doc)) doc->UpdateAllViews();
            break;
        case cmd::kUValue:
            // Standalone: the calculator shows its result, nothing here takes it.
            CalcUValue(this, *doc);
            break;
        // A second choice of a modeless dialog's command while it is open does nothing.
        case cmd::kWallsRoofData:
            if (m_pWallsRoofDlg.isNull()) {
                m_pWallsRoofDlg = new CWallsRoofDlg(*doc, this);
                ShowInputDialog(m_pWallsRoofDlg);
            }
            break;
        case cmd::kOtherBuildingData:
            if (m_pFloorCeilingDlg.isNull()) {
                m_pFloorCeilingDlg = new CFloorCeilingDlg(*doc, this);
                ShowInputDialog(m_pFloorCeilingDlg);
            }
            break;
        default:
            break;
    }
}

void CMainFrame::ShowInputDialog(QPointer<CModelessInputDlg>& slot) {
    // A widget tells of its end before the pointers watching it are cleared, and by then it is
    // only a QWidget: the handler clears the slot without reading the dialog through it.
    connect(slot.data(), &QObject::destroyed, this, [this, &slot] {
        slot.clear();
        if (!m_bClosing) UpdateCommandUI();
    });
    slot->show();
    UpdateCommandUI();
}

void CMainFrame::CloseInputDialogsOf(const CQuarnDoc* doc) {
    for (CModelessInputDlg* dialog : {m_pWallsRoofDlg.data(), m_pFloorCeilingDlg.data()})
        if (dialog != nullptr && &dialog->Document() == doc) delete dialog;
}

void CMainFrame::OnFilePrint(bool preview) {
    CCanvasView* view = ActiveCanvasView();
    if (view == nullptr) return;
    if (preview) {
        QPrintPreviewDialog* dialog = view->CreatePrintPreview(m_host.Printer());
        dialog->resize(size() * 9 / 10);
        dialog->exec();
    } else {
        view->Print(m_host.Printer());
    }
}

void CMainFrame::OnZoom(int commandId) {
    CCanvasView* view = ActiveCanvasView();
    if (view == nullptr) return;
    switch (commandId) {
        case cmd::kZoomIn:
            view->ZoomIn();
            break;
        case cmd::kZoomOut:
            view->ZoomOut();
            break;
        case cmd::kZoomActual:
            view->ActualSize();
            break;
        case cmd::kZoomFitWidth:
            view->SetFit(CCanvasView::ZoomFit::kWidth);
            break;
        case cmd::kZoomFitPage:
            view->SetFit(CCanvasView::ZoomFit::kPage);
            break;
        default:
            break;
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateZoomStatus() {
    const CCanvasView* view = ActiveCanvasView();
    m_pZoomLabel->setVisible(view != nullptr);
    if (view != nullptr) m_pZoomLabel->setText(QString("%1%").arg(view->ZoomPercent()));
}

void CMainFrame::OnPrintSetup() {
    QPageSetupDialog dialog(&m_host.Printer(), this);
    dialog.exec();
}

void CMainFrame::OnHelp(const QString& topic) { OpenHelpTopic(this, topic); }

void CMainFrame::OnAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnTipOfTheDay() { ShowTipOfTheDay(this); }

void CMainFrame::CyclePane(bool) {
    // Two panes: forwards and backwards both reach the other one.
    if (CChildFrame* frame = ActiveFrame()) frame->NextPane();
}
