#pragma once

#include <QMap>
#include <functional>
#include <vector>

#include "AppStrings.h"

class QAction;
class QMenu;
class QObject;
class QToolBar;
class QWidget;

// The program's commands as the menus, the toolbar and the keys show them, from one table:
// captions, prompts, keys, the two menu bars and the toolbar order. What a command does is
// bound by its owner (the main frame), by id.

// The actions by id. Every action carries its command id as its data.
using ActionMap = QMap<int, QAction*>;

// The menu with a project names the Read_Me topic "License Agreement": a second action on the
// same command, kept under this key.
inline constexpr int kLicenseAgreementKey = -cmd::kReadMe;

// The separator in the View menu before a block window's kinds, kept under this key.
inline constexpr int kBlockViewSeparatorKey = -cmd::kBlockSummary;

// The two menu bars: without a project window and with one.
inline constexpr int kMenuBarNoProject = 128;
inline constexpr int kMenuBarProject = 129;

// Every action of the table, the recent files and the view kinds, children of owner; none is
// connected to anything yet.
ActionMap CreateActions(QObject* owner);

// The popups of a menu bar in order, children of parent. onPopup runs as a popup or one of its
// submenus is about to show.
std::vector<QMenu*> BuildMenuBar(int menuBar, const ActionMap& actions, QWidget* parent,
                                 const std::function<void(QMenu*)>& onPopup);

// The toolbar's buttons and separators, left to right, each button with its picture.
void FillToolBar(QToolBar& toolBar, const ActionMap& actions);

// The commands with keys but no menu item; the main window itself holds them.
std::vector<int> WindowKeyCommands();

// The View menu's kinds of a block window: summary, table, graph.
std::vector<int> BlockViewCommands();
