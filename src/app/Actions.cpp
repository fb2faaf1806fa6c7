#include "Actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <map>
#include <string>

#include "ToolIcons.h"
#include "views/ViewKinds.h"

namespace {

enum class ActionKind {
    kPlain,
    // Checkable, and checked at start: the toolbar and status bar toggles.
    kToggle,
    // Keys without a menu item, held by the main window.
    kWindowKey,
    // Checkable, unchecked at start: its owner sets it from the settings.
    kCheck,
    // What a block window shows: checkable, and shown only while a block window is active.
    kBlockView,
};

struct ActionDef {
    int nId;
    const char* pszText;
    // The first line goes to the status bar, the second is the tooltip.
    const char* pszPrompt;
    // The keys as QKeySequence reads them, several separated by "; ".
    const char* pszKeys = nullptr;
    ActionKind kind = ActionKind::kPlain;
    // The command the action runs when it is not its own id.
    int nCommand = 0;
};

// In the order the actions are made; the recent files and the view kinds come after.
const ActionDef kActions[] = {
    {cmd::kFileNew, "&New\tCtrl+N", "Create a new document\nNew", "Ctrl+N"},
    {cmd::kFileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen", "Ctrl+O"},
    {cmd::kFileClose, "&Close", "Close the active document\nClose"},
    {cmd::kFileSave, "&Save\tCtrl+S", "Save the active document\nSave", "Ctrl+S"},
    {cmd::kFileSaveAs, "Save &As...", "Save the active document with a new name\nSave As"},
    {cmd::kFilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint", "Ctrl+P"},
    {cmd::kFilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview"},
    {cmd::kFilePrintSetup, "P&rint Setup...",
     "Change the printer and printing options\nPrint Setup"},
    {cmd::kAppExit, "E&xit", "Quit the application; prompts to save documents\nExit"},
    {cmd::kEditCopy, "Copy", "Copy the table or summary report and put it on the Clipboard\nCopy",
     "Ctrl+C; Ctrl+Insert"},
    {cmd::kViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", nullptr,
     ActionKind::kToggle},
    {cmd::kViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", nullptr,
     ActionKind::kToggle},
    {cmd::kGeneralData, "General Project Data",
     "Enter the project, weather station, design and internal load data\nGeneral Project Data"},
    {cmd::kGlassWindowsData, "Glass Windows Data",
     "Enter the windows of each orientation\nGlass Windows Data"},
    {cmd::kWallsRoofData, "Walls and Roof Data",
     "Enter the wall and roof areas and U-values\nWalls and Roof Data"},
    {cmd::kGlassBlocksData, "Glass Blocks Data", "Enter the glass block walls\nGlass Blocks Data"},
    {cmd::kOtherBuildingData, "Other Building Data",
     "Enter floor, ceiling, partitions and skylights\nOther Building Data"},
    {cmd::kUValue, "Calculate U-Value",
     "This wizard calculates U-Values for walls, roofs, partitions, floors, etc.\nU-Value "
     "Calculator"},
    {cmd::kOptions, "Options...", "Set the units, display size and font size\nOptions"},
    {cmd::kWindowNew, "&New Window", "Open another window for the active document\nNew Window"},
    {cmd::kWindowCascade, "&Cascade", "Arrange windows so they overlap\nCascade Windows"},
    {cmd::kWindowTile, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows"},
    {cmd::kWindowArrange, "&Arrange Icons",
     "Arrange icons at the bottom of the window\nArrange Icons"},
    {cmd::kHelpFinder, "&Help Topics", "List Help topics\nHelp Topics"},
    {cmd::kReadMe, "Read_Me", "Important information."},
    {cmd::kAppAbout, "&About Thermavo...",
     "Display program information, version number and copyright\nAbout"},
    {kLicenseAgreementKey, "License Agreement", "Important information.", nullptr,
     ActionKind::kPlain, cmd::kReadMe},
    {cmd::kHelp, "Help", "", "F1", ActionKind::kWindowKey},
    {cmd::kContextHelp, "What's This", "", "Shift+F1", ActionKind::kWindowKey},
    {cmd::kNextPane, "Next Pane", "", "F6", ActionKind::kWindowKey},
    {cmd::kPrevPane, "Previous Pane", "", "Shift+F6", ActionKind::kWindowKey},
    {cmd::kZoomIn, "Zoom &In\tCtrl++", "Enlarge the view shown\nZoom In", "Ctrl++; Ctrl+="},
    {cmd::kZoomOut, "Zoom &Out\tCtrl+-", "Reduce the view shown\nZoom Out", "Ctrl+-"},
    {cmd::kZoomActual, "&Actual Size\tCtrl+0", "Show the view at 100 %\nActual Size", "Ctrl+0"},
    {cmd::kZoomFitWidth, "Fit &Width", "Zoom the page to the width of the window\nFit Width"},
    {cmd::kZoomFitPage, "Fit &Page", "Zoom the whole page into the window\nFit Page"},
    {cmd::kFitWidthOnOpen, "Fit Width on Op&en",
     "Open new windows zoomed to their width instead of at 100 %\nFit Width on Open", nullptr,
     ActionKind::kCheck},
    {cmd::kBlockLoad, "&Block Load of Open Projects...",
     "Add the loads of open projects hour by hour to size the central plant\nBlock Load"},
    {cmd::kBlockSummary, "Block Load &Summary",
     "Show the block peak, its components and each space's share\nBlock Load Summary", nullptr,
     ActionKind::kBlockView},
    {cmd::kBlockTable, "Block Total Cooling Load &Table",
     "Show the block's total cooling load by hour and month\nBlock Table", nullptr,
     ActionKind::kBlockView},
    {cmd::kBlockGraph, "Block Total Cooling Load &Graph",
     "Show the block's total cooling load as a graph\nBlock Graph", nullptr,
     ActionKind::kBlockView},
};

// Menu and toolbar entries besides command ids.
constexpr int kSeparator = 0;
constexpr int kRecentFiles = -1;       // the recent files, filled as the list changes
constexpr int kViewKindMenus = -2;     // the view kinds' popups
constexpr int kToolBarViewKinds = -3;  // the view kinds with a button
constexpr int kBlockViews = -4;        // a block window's kinds after a separator

struct MenuDef {
    int nMenuBar;
    const char* pszTitle;
    std::vector<int> items;
};

const std::vector<MenuDef>& MenuTable() {
    static const std::vector<MenuDef> table = {
        {kMenuBarNoProject,
         "&File",
         {cmd::kFileNew, cmd::kFileOpen, kSeparator, cmd::kFilePrintSetup, kSeparator, kRecentFiles,
          kSeparator, cmd::kAppExit}},
        {kMenuBarNoProject, "&View", {cmd::kViewToolbar, cmd::kViewStatusBar}},
        {kMenuBarNoProject, "&Help", {cmd::kHelpFinder, cmd::kReadMe, kSeparator, cmd::kAppAbout}},

        {kMenuBarProject,
         "&File",
         {cmd::kFileNew, cmd::kFileOpen, cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs,
          kSeparator, cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFilePrintSetup, kSeparator,
          kRecentFiles, kSeparator, cmd::kAppExit}},
        {kMenuBarProject, "&Edit", {cmd::kEditCopy}},
        {kMenuBarProject,
         "&View",
         {cmd::kViewToolbar, cmd::kViewStatusBar, kSeparator, kViewKindMenus, kBlockViews,
          kSeparator, cmd::kZoomIn, cmd::kZoomOut, cmd::kZoomActual, cmd::kZoomFitWidth,
          cmd::kZoomFitPage, kSeparator, cmd::kFitWidthOnOpen}},
        {kMenuBarProject,
         "&Project",
         {cmd::kGeneralData, cmd::kGlassWindowsData, cmd::kWallsRoofData, cmd::kGlassBlocksData,
          cmd::kOtherBuildingData}},
        {kMenuBarProject, "&Tools", {cmd::kUValue, cmd::kOptions}},
        {kMenuBarProject,
         "&Window",
         {cmd::kWindowNew, cmd::kWindowCascade, cmd::kWindowTile, cmd::kWindowArrange, kSeparator,
          cmd::kBlockLoad}},
        {kMenuBarProject,
         "&Help",
         {cmd::kHelpFinder, kLicenseAgreementKey, kSeparator, cmd::kAppAbout}},
    };
    return table;
}

const std::vector<int> kToolBar = {
    cmd::kFileNew,
    cmd::kFileOpen,
    cmd::kFileSave,
    kSeparator,
    cmd::kEditCopy,
    kSeparator,
    cmd::kFilePrint,
    kSeparator,
    cmd::kGeneralData,
    cmd::kGlassWindowsData,
    cmd::kWallsRoofData,
    cmd::kGlassBlocksData,
    cmd::kOtherBuildingData,
    kSeparator,
    kToolBarViewKinds,
    cmd::kUValue,
    kSeparator,
    cmd::kAppAbout,
};

QAction* NewAction(ActionMap& actions, QObject* owner, int id, const QString& text,
                   const QString& prompt, int command = 0) {
    auto* action = new QAction(text, owner);
    action->setData(command != 0 ? command : id);
    const QStringList lines = prompt.split('\n');
    action->setStatusTip(lines.value(0));
    // Shift+F1 and a click on the button or menu item shows the same prompt.
    action->setWhatsThis(lines.value(0));
    if (lines.size() > 1) action->setToolTip(lines[1]);
    actions.insert(id, action);
    return action;
}

// The view kinds' entries, each under its popup path ("Cooling Tables" and the like).
void AddViewKindMenus(QMenu* view, const ActionMap& actions,
                      const std::function<void(QMenu*)>& onPopup) {
    std::map<std::vector<std::string>, QMenu*> popups;
    for (const ViewMenuEntry& entry : ViewMenuEntries()) {
        QMenu* menu = view;
        std::vector<std::string> path;
        for (const std::string& name : entry.path) {
            path.push_back(name);
            auto found = popups.find(path);
            if (found == popups.end()) {
                QMenu* popup = menu->addMenu(ToQString(name));
                QObject::connect(popup, &QMenu::aboutToShow, popup,
                                 [popup, onPopup] { onPopup(popup); });
                found = popups.emplace(path, popup).first;
            }
            menu = found->second;
        }
        if (entry.IsSeparator()) {
            menu->addSeparator();
        } else if (const ViewKindInfo* info = FindViewKind(entry.nKind)) {
            menu->addAction(actions.value(info->nCommandId));
        }
    }
}

}  // namespace

ActionMap CreateActions(QObject* owner) {
    ActionMap actions;
    for (const ActionDef& def : kActions) {
        QAction* action =
            NewAction(actions, owner, def.nId, def.pszText, def.pszPrompt, def.nCommand);
        if (def.pszKeys != nullptr) {
            QList<QKeySequence> keys;
            for (const QString& key : QString(def.pszKeys).split("; ")) keys << QKeySequence(key);
            action->setShortcuts(keys);
        }
        if (def.kind == ActionKind::kToggle || def.kind == ActionKind::kCheck ||
            def.kind == ActionKind::kBlockView) {
            action->setCheckable(true);
            action->setChecked(def.kind == ActionKind::kToggle);
        }
        if (def.kind == ActionKind::kBlockView) action->setVisible(false);
    }
    for (int i = 0; i < kRecentFileCount; ++i)
        NewAction(actions, owner, cmd::kFileMru1 + i, QString(), "Open this document");
    // The separator before the block kinds comes and goes with them.
    auto* separator = new QAction(owner);
    separator->setSeparator(true);
    separator->setVisible(false);
    actions.insert(kBlockViewSeparatorKey, separator);
    for (const ViewKindInfo& info : AllViewKinds())
        NewAction(actions, owner, info.nCommandId, ToQString(info.strMenuText),
                  ToQString(info.strPrompt));
    return actions;
}

std::vector<QMenu*> BuildMenuBar(int menuBar, const ActionMap& actions, QWidget* parent,
                                 const std::function<void(QMenu*)>& onPopup) {
    std::vector<QMenu*> menus;
    for (const MenuDef& def : MenuTable()) {
        if (def.nMenuBar != menuBar) continue;
        auto* menu = new QMenu(def.pszTitle, parent);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, onPopup] { onPopup(menu); });
        for (int item : def.items) {
            if (item == kSeparator) {
                menu->addSeparator();
            } else if (item == kRecentFiles) {
                for (int i = 0; i < kRecentFileCount; ++i)
                    menu->addAction(actions.value(cmd::kFileMru1 + i));
            } else if (item == kViewKindMenus) {
                AddViewKindMenus(menu, actions, onPopup);
            } else if (item == kBlockViews) {
                menu->addAction(actions.value(kBlockViewSeparatorKey));
                for (int id : BlockViewCommands()) menu->addAction(actions.value(id));
            } else {
                menu->addAction(actions.value(item));
            }
        }
        menus.push_back(menu);
    }
    return menus;
}

void FillToolBar(QToolBar& toolBar, const ActionMap& actions) {
    auto add = [&](int id) {
        QAction* action = actions.value(id);
        action->setIcon(MakeToolIcon(id));
        toolBar.addAction(action);
    };
    for (int item : kToolBar) {
        if (item == kSeparator) {
            toolBar.addSeparator();
        } else if (item == kToolBarViewKinds) {
            for (int kind : ToolbarViewKinds()) add(FindViewKind(kind)->nCommandId);
        } else {
            add(item);
        }
    }
}

std::vector<int> WindowKeyCommands() {
    std::vector<int> ids;
    for (const ActionDef& def : kActions)
        if (def.kind == ActionKind::kWindowKey) ids.push_back(def.nId);
    return ids;
}

std::vector<int> BlockViewCommands() {
    std::vector<int> ids;
    for (const ActionDef& def : kActions)
        if (def.kind == ActionKind::kBlockView) ids.push_back(def.nId);
    return ids;
}
