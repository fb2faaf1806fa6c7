#include "MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>
#include <map>

#include "AboutDlg.h"
#include "AppStrings.h"
#include "ChildFrame.h"
#include "HelpBrowser.h"
#include "OptionsDlg.h"
#include "QuarnApp.h"
#include "QuarnView.h"
#include "SplashScreen.h"
#include "TipsDialog.h"
#include "ToolIcons.h"
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

CMainFrame::CMainFrame(CQuarnApp& app) : m_app(app) {
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(DrawThermavoEmblem(64)));
    // The whole work area of the desktop.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] {
        UpdateTitles();
        UpdateCommandUI();
    });

    CreateActions();
    CreateMenus();
    CreateToolBar();
    statusBar()->showMessage("Ready");
    SwitchMenu(128);
    UpdateCommandUI();

    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame() {
    // The frames go while the members they report to still exist, those closed but not yet
    // deleted included; the dialogs go first, as they hold a project that goes with its last
    // frame.
    m_bClosing = true;
    delete m_pWallsRoofDlg;
    delete m_pFloorCeilingDlg;
    const auto frames = findChildren<CChildFrame*>();
    for (CChildFrame* frame : frames) delete frame;
}

// ---- Actions, menus, toolbar ----

QAction* CMainFrame::AddAction(int id, const QString& text, const QString& prompt,
                               const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setData(id);
    // The prompt's first line goes to the status bar, its second is the tooltip.
    const QStringList lines = prompt.split('\n');
    action->setStatusTip(lines.value(0));
    if (lines.size() > 1) action->setToolTip(lines[1]);
    if (!keys.isEmpty()) action->setShortcuts(keys);
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::CreateActions() {
    connect(AddAction(cmd::kFileNew, "&New\tCtrl+N", "Create a new document\nNew",
                      {QKeySequence("Ctrl+N")}),
            &QAction::triggered, this, [this] { m_app.OnFileNew(); });
    connect(AddAction(cmd::kFileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen",
                      {QKeySequence("Ctrl+O")}),
            &QAction::triggered, this, [this] { m_app.OnFileOpen(); });
    connect(AddAction(cmd::kFileClose, "&Close", "Close the active document\nClose"),
            &QAction::triggered, this, [this] {
                if (CQuarnDoc* doc = ActiveDoc()) m_app.CloseDocument(*doc);
            });
    connect(AddAction(cmd::kFileSave, "&Save\tCtrl+S", "Save the active document\nSave",
                      {QKeySequence("Ctrl+S")}),
            &QAction::triggered, this, [this] {
                if (CQuarnDoc* doc = ActiveDoc()) m_app.DoSave(*doc, false);
            });
    connect(AddAction(cmd::kFileSaveAs, "Save &As...",
                      "Save the active document with a new name\nSave As"),
            &QAction::triggered, this, [this] {
                if (CQuarnDoc* doc = ActiveDoc()) m_app.DoSave(*doc, true);
            });
    connect(AddAction(cmd::kFilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint",
                      {QKeySequence("Ctrl+P")}),
            &QAction::triggered, this, [this] { OnFilePrint(false); });
    connect(
        AddAction(cmd::kFilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview"),
        &QAction::triggered, this, [this] { OnFilePrint(true); });
    connect(AddAction(cmd::kFilePrintSetup, "P&rint Setup...",
                      "Change the printer and printing options\nPrint Setup"),
            &QAction::triggered, this, &CMainFrame::OnPrintSetup);
    connect(
        AddAction(cmd::kAppExit, "E&xit", "Quit the application; prompts to save documents\nExit"),
        &QAction::triggered, this, &QWidget::close);
    for (int i = 0; i < kRecentFileCount; ++i) {
        connect(AddAction(cmd::kFileMru1 + i, QString(), "Open this document"), &QAction::triggered,
                this, [this, i] {
                    const QStringList files = m_app.RecentFiles();
                    if (i < files.size()) m_app.OpenDocumentFile(files[i]);
                });
    }

    connect(AddAction(cmd::kEditCopy, "Copy",
                      "Copy the table or summary report and put it on the Clipboard\nCopy",
                      {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")}),
            &QAction::triggered, this, &CMainFrame::OnEditCopy);

    QAction* toolbar =
        AddAction(cmd::kViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar");
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    QAction* status = AddAction(cmd::kViewStatusBar, "&Status Bar",
                                "Show or hide the status bar\nToggle StatusBar");
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    CreateViewKindActions();

    const struct {
        int id;
        const char* text;
        const char* prompt;
    } project[] = {
        {cmd::kGeneralData, "General Project Data",
         "Enter the project, weather station, design and internal load data\nGeneral Project "
         "Data"},
        {cmd::kGlassWindowsData, "Glass Windows Data",
         "Enter the windows of each orientation\nGlass Windows Data"},
        {cmd::kWallsRoofData, "Walls and Roof Data",
         "Enter the wall and roof areas and U-values\nWalls and Roof Data"},
        {cmd::kGlassBlocksData, "Glass Blocks Data",
         "Enter the glass block walls\nGlass Blocks Data"},
        {cmd::kOtherBuildingData, "Other Building Data",
         "Enter floor, ceiling, partitions and skylights\nOther Building Data"},
        {cmd::kUValue, "Calculate U-Value",
         "This wizard calculates U-Values for walls, roofs, partitions, floors, etc.\nU-Value "
         "Calculator"},
    };
    for (const auto& item : project) {
        const int id = item.id;
        connect(AddAction(id, item.text, item.prompt), &QAction::triggered, this,
                [this, id] { OnProjectCommand(id); });
    }
    connect(AddAction(cmd::kOptions, "Options...",
                      "Set the units, display size and font size\nOptions"),
            &QAction::triggered, this, &CMainFrame::OnOptions);

    connect(AddAction(cmd::kWindowNew, "&New Window",
                      "Open another window for the active document\nNew Window"),
            &QAction::triggered, this, [this] {
                if (CQuarnDoc* doc = ActiveDoc()) CreateChildFrame(*doc);
            });
    connect(AddAction(cmd::kWindowCascade, "&Cascade",
                      "Arrange windows so they overlap\nCascade Windows"),
            &QAction::triggered, m_pMdiArea, &QMdiArea::cascadeSubWindows);
    connect(AddAction(cmd::kWindowTile, "&Tile",
                      "Arrange windows as non-overlapping tiles\nTile Windows"),
            &QAction::triggered, m_pMdiArea, &QMdiArea::tileSubWindows);
    connect(AddAction(cmd::kWindowArrange, "&Arrange Icons",
                      "Arrange icons at the bottom of the window\nArrange Icons"),
            &QAction::triggered, m_pMdiArea, &QMdiArea::tileSubWindows);

    connect(AddAction(cmd::kHelpFinder, "&Help Topics", "List Help topics\nHelp Topics"),
            &QAction::triggered, this, [this] { OnHelp(kHelpIndex); });
    connect(AddAction(cmd::kReadMe, "Read_Me", "Important information."), &QAction::triggered, this,
            [this] { OnHelp(kHelpReadMe); });
    connect(AddAction(cmd::kAppAbout, "&About Thermavo...",
                      "Display program information, version number and copyright\nAbout"),
            &QAction::triggered, this, &CMainFrame::OnAbout);
    // The menu with a project names the same topic "License Agreement".
    QAction* license = new QAction("License Agreement", this);
    license->setData(cmd::kReadMe);
    license->setStatusTip("Important information.");
    connect(license, &QAction::triggered, this, [this] { OnHelp(kHelpReadMe); });
    m_actions.insert(-cmd::kReadMe, license);

    // Keys without a menu item: help, context help and the panes.
    connect(AddAction(cmd::kHelp, "Help", QString(), {QKeySequence(Qt::Key_F1)}),
            &QAction::triggered, this, [this] { OnHelp(kHelpIndex); });
    connect(AddAction(cmd::kContextHelp, "What's This", QString(),
                      {QKeySequence(Qt::SHIFT | Qt::Key_F1)}),
            &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(AddAction(cmd::kNextPane, "Next Pane", QString(), {QKeySequence(Qt::Key_F6)}),
            &QAction::triggered, this, [this] { CyclePane(true); });
    connect(AddAction(cmd::kPrevPane, "Previous Pane", QString(),
                      {QKeySequence(Qt::SHIFT | Qt::Key_F6)}),
            &QAction::triggered, this, [this] { CyclePane(false); });
    for (int id : {cmd::kHelp, cmd::kContextHelp, cmd::kNextPane, cmd::kPrevPane})
        addAction(m_actions.value(id));
}

void CMainFrame::CreateViewKindActions() {
    for (const ViewKindInfo& info : AllViewKinds()) {
        const int kind = info.nKind;
        QAction* action =
            AddAction(info.nCommandId, ToQString(info.strMenuText), ToQString(info.strPrompt));
        connect(action, &QAction::triggered, this, [this, kind] { OnViewKind(kind); });
    }
}

QMenu* CMainFrame::NewMenu(const QString& title) {
    auto* menu = new QMenu(title, this);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnInitMenuPopup(menu); });
    return menu;
}

void CMainFrame::AddRecentFilePlaceholder(QMenu* file) {
    // The recent files sit between two separators; UpdateRecentFileMenu fills them.
    for (int i = 0; i < kRecentFileCount; ++i) file->addAction(FindAction(cmd::kFileMru1 + i));
    m_recentMenus.push_back(file);
}

void CMainFrame::FillViewKindMenu(QMenu* view) {
    std::map<std::vector<std::string>, QMenu*> popups;
    for (const ViewMenuEntry& entry : ViewMenuEntries()) {
        QMenu* menu = view;
        std::vector<std::string> path;
        for (const std::string& name : entry.path) {
            path.push_back(name);
            auto found = popups.find(path);
            if (found == popups.end()) {
                QMenu* popup = menu->addMenu(ToQString(name));
                connect(popup, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
                found = popups.emplace(path, popup).first;
            }
            menu = found->second;
        }
        if (entry.IsSeparator()) {
            menu->addSeparator();
        } else if (const ViewKindInfo* info = FindViewKind(entry.nKind)) {
            menu->addAction(FindAction(info->nCommandId));
        }
    }
}

void CMainFrame::CreateMenus() {
    // 128: no project window.
    QMenu* file = NewMenu("&File");
    file->addActions({FindAction(cmd::kFileNew), FindAction(cmd::kFileOpen)});
    file->addSeparator();
    file->addAction(FindAction(cmd::kFilePrintSetup));
    file->addSeparator();
    AddRecentFilePlaceholder(file);
    file->addSeparator();
    file->addAction(FindAction(cmd::kAppExit));
    QMenu* view = NewMenu("&View");
    view->addActions({FindAction(cmd::kViewToolbar), FindAction(cmd::kViewStatusBar)});
    QMenu* help = NewMenu("&Help");
    help->addActions({FindAction(cmd::kHelpFinder), FindAction(cmd::kReadMe)});
    help->addSeparator();
    help->addAction(FindAction(cmd::kAppAbout));
    m_menus128 = {file, view, help};

    // 129: with a project window.
    file = NewMenu("&File");
    file->addActions({FindAction(cmd::kFileNew), FindAction(cmd::kFileOpen),
                      FindAction(cmd::kFileClose), FindAction(cmd::kFileSave),
                      FindAction(cmd::kFileSaveAs)});
    file->addSeparator();
    file->addActions({FindAction(cmd::kFilePrint), FindAction(cmd::kFilePrintPreview),
                      FindAction(cmd::kFilePrintSetup)});
    file->addSeparator();
    AddRecentFilePlaceholder(file);
    file->addSeparator();
    file->addAction(FindAction(cmd::kAppExit));
    QMenu* edit = NewMenu("&Edit");
    edit->addAction(FindAction(cmd::kEditCopy));
    view = NewMenu("&View");
    view->addActions({FindAction(cmd::kViewToolbar), FindAction(cmd::kViewStatusBar)});
    view->addSeparator();
    FillViewKindMenu(view);
    QMenu* project = NewMenu("&Project");
    for (int id : {cmd::kGeneralData, cmd::kGlassWindowsData, cmd::kWallsRoofData,
                   cmd::kGlassBlocksData, cmd::kOtherBuildingData})
        project->addAction(FindAction(id));
    QMenu* tools = NewMenu("&Tools");
    tools->addActions({FindAction(cmd::kUValue), FindAction(cmd::kOptions)});
    QMenu* window = NewMenu("&Window");
    window->addActions({FindAction(cmd::kWindowNew), FindAction(cmd::kWindowCascade),
                        FindAction(cmd::kWindowTile), FindAction(cmd::kWindowArrange)});
    help = NewMenu("&Help");
    help->addActions({FindAction(cmd::kHelpFinder), m_actions.value(-cmd::kReadMe)});
    help->addSeparator();
    help->addAction(FindAction(cmd::kAppAbout));
    m_menus129 = {file, edit, view, project, tools, window, help};
    UpdateRecentFileMenu();
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar("Toolbar");
    m_pToolBar->setObjectName("Toolbar");
    m_pToolBar->setIconSize(QSize(24, 24));
    m_pToolBar->setFloatable(true);
    connect(FindAction(cmd::kViewToolbar), &QAction::toggled, m_pToolBar, &QWidget::setVisible);
    auto add = [this](int id) {
        QAction* action = FindAction(id);
        action->setIcon(MakeToolIcon(id));
        m_pToolBar->addAction(action);
    };
    for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave}) add(id);
    m_pToolBar->addSeparator();
    add(cmd::kEditCopy);
    m_pToolBar->addSeparator();
    add(cmd::kFilePrint);
    m_pToolBar->addSeparator();
    for (int id : {cmd::kGeneralData, cmd::kGlassWindowsData, cmd::kWallsRoofData,
                   cmd::kGlassBlocksData, cmd::kOtherBuildingData})
        add(id);
    m_pToolBar->addSeparator();
    for (int kind : ToolbarViewKinds()) add(FindViewKind(kind)->nCommandId);
    add(cmd::kUValue);
    m_pToolBar->addSeparator();
    add(cmd::kAppAbout);
}

void CMainFrame::SwitchMenu(int menuId) {
    if (menuId == m_nMenuId) return;
    m_nMenuId = menuId;
    menuBar()->clear();
    for (QMenu* menu : menuId == 128 ? m_menus128 : m_menus129) menuBar()->addMenu(menu);
}

QMenu* CMainFrame::HelpMenu() const {
    const auto& menus = m_nMenuId == 128 ? m_menus128 : m_menus129;
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
    }
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList files = m_app.RecentFiles();
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

// ---- Project windows ----

CChildFrame* CMainFrame::CreateChildFrame(CQuarnDoc& doc) {
    auto* frame = new CChildFrame(m_app, *this, doc);
    m_frames.push_back(frame);
    m_pMdiArea->addSubWindow(frame);
    // Before the main window is first shown its client area has no size yet.
    if (layout() != nullptr && !isVisible()) layout()->setGeometry(rect());
    // Top left, full width, 183/200 of the height of the client area.
    const QSize client = m_pMdiArea->contentsRect().size();
    frame->setGeometry(0, 0, client.width(), client.height() * 183 / 200);
    frame->show();
    frame->Splitter()->setSizes(
        {frame->SummaryWidth(), std::max(100, client.width() - frame->SummaryWidth())});
    m_pMdiArea->setActiveSubWindow(frame);
    frame->View()->setFocus();
    SwitchMenu(129);
    UpdateTitles();
    UpdateCommandUI();
    return frame;
}

void CMainFrame::ActivateDocument(CQuarnDoc& doc) {
    for (CChildFrame* frame : m_frames) {
        if (&frame->Document() == &doc) {
            m_pMdiArea->setActiveSubWindow(frame);
            return;
        }
    }
}

void CMainFrame::CloseFramesOf(CQuarnDoc& doc) {
    const auto frames = m_frames;
    for (CChildFrame* frame : frames)
        if (&frame->Document() == &doc) frame->CloseWithoutAsking();
}

void CMainFrame::UpdateViewsOf(const CQuarnDoc* doc) {
    for (CChildFrame* frame : m_frames)
        if (&frame->Document() == doc) frame->UpdateViews();
    UpdateCommandUI();
}

void CMainFrame::UpdateTitles() {
    std::map<const CQuarnDoc*, int> counts, numbers;
    for (CChildFrame* frame : m_frames) ++counts[&frame->Document()];
    for (CChildFrame* frame : m_frames) {
        const CQuarnDoc* doc = &frame->Document();
        QString title = m_app.DocumentTitle(*doc);
        if (counts[doc] > 1) title += QString(":%1").arg(++numbers[doc]);
        frame->SetFrameTitle(title);
    }
    CChildFrame* active = ActiveFrame();
    setWindowTitle(active ? QString("%1 - %2").arg(kAppTitle, active->windowTitle())
                          : QString(kAppTitle));
}

void CMainFrame::OnFrameClosed(CChildFrame* frame) {
    std::erase(m_frames, frame);
    const CQuarnDoc* doc = &frame->Document();
    if (std::none_of(m_frames.begin(), m_frames.end(),
                     [doc](const CChildFrame* other) { return &other->Document() == doc; }))
        CloseInputDialogsOf(doc);
    if (m_frames.empty()) SwitchMenu(128);
    UpdateTitles();
    UpdateCommandUI();
}

void CMainFrame::OnFrameDestroyed(CChildFrame* frame) {
    std::erase(m_frames, frame);
    CQuarnDoc* doc = &frame->Document();
    bool shown = false;
    for (CChildFrame* other : m_frames)
        if (&other->Document() == doc) shown = true;
    if (!shown) {
        CloseInputDialogsOf(doc);
        m_app.ReleaseDocument(doc);
    }
    if (m_bClosing) return;
    if (m_frames.empty()) SwitchMenu(128);
    UpdateTitles();
    UpdateCommandUI();
}

CChildFrame* CMainFrame::ActiveFrame() const {
    auto* frame = qobject_cast<CChildFrame*>(m_pMdiArea->currentSubWindow());
    // A frame on its way out no longer counts.
    if (frame && std::find(m_frames.begin(), m_frames.end(), frame) == m_frames.end())
        return nullptr;
    return frame;
}

CQuarnDoc* CMainFrame::ActiveDoc() const {
    CChildFrame* frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every modified project is asked about; a cancel keeps the program open.
    for (CQuarnDoc* doc : m_app.Documents()) {
        if (!m_app.SaveModified(*doc)) {
            event->ignore();
            return;
        }
    }
    for (CQuarnDoc* doc : m_app.Documents()) CloseFramesOf(*doc);
    event->accept();
}

// ---- Enable rules ----

void CMainFrame::UpdateCommandUI() {
    CQuarnDoc* doc = ActiveDoc();
    const bool hasDoc = doc != nullptr;
    for (int id : {cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs, cmd::kFilePrint,
                   cmd::kFilePrintPreview, cmd::kWindowNew, cmd::kWindowCascade, cmd::kWindowTile,
                   cmd::kWindowArrange})
        FindAction(id)->setEnabled(hasDoc);
    FindAction(cmd::kEditCopy)->setEnabled(hasDoc && doc->m_bCopyAvailable != 0);
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
    if (doc == nullptr || doc->m_strCopyText.empty()) return;
    const QString text = ToQString(doc->m_strCopyText);
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(CopyTextAsHtml(text));
    doc->Messages().ShowMessage(kCopiedMessage);
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
    CChildFrame* frame = ActiveFrame();
    if (frame == nullptr) return;
    if (preview) {
        QPrintPreviewDialog* dialog = frame->View()->CreatePrintPreview(m_app.Printer());
        dialog->resize(size() * 9 / 10);
        dialog->exec();
    } else {
        frame->View()->Print(m_app.Printer());
    }
}

void CMainFrame::OnPrintSetup() {
    QPageSetupDialog dialog(&m_app.Printer(), this);
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
