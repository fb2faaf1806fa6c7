#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Topics of the bundled help, the page names in <install>/help/ without ".html".
inline constexpr const char* kHelpIndex = "index";
inline constexpr const char* kHelpReadMe = "Read_Me";
inline constexpr const char* kHelpLicense = "License_Agreement";
inline constexpr const char* kHelpGeneralData = "general_data";
inline constexpr const char* kHelpWindows = "windows";
inline constexpr const char* kHelpWallsRoof = "walls_roof";
inline constexpr const char* kHelpFloorCeiling = "floor_ceiling";
inline constexpr const char* kHelpGlassBlocks = "glass_blocks";
inline constexpr const char* kHelpUValue = "uvalue";
inline constexpr const char* kHelpOptions = "options";
inline constexpr const char* kHelpViews = "views_reports";

// The page file of a topic (a name above, with or without ".html", optionally "#anchor").
QString HelpTopicPath(const QString& topic);

// The address of a topic: its page file with the anchor as fragment.
QUrl HelpTopicUrl(const QString& topic);

// Hands a help page to the user's browser; a failure is reported. Returns whether it opened.
bool OpenHelpInBrowser(QWidget* parent, const QUrl& url);

// Tells the user what went wrong with the help, in a message box unless a test reports.
void ReportHelpProblem(QWidget* parent, const QString& message);

// What opens a page in the browser and what reports a failure; tests replace them. Empty
// restores the defaults (QDesktopServices::openUrl and a warning box).
void SetHelpOpener(std::function<bool(const QUrl&)> opener);
void SetHelpReporter(std::function<void(QWidget*, const QString&)> reporter);

// Where the topics that F1, the Help buttons and the Help menu ask for go instead of the help
// window; a test records them there. Empty restores the help window.
using HelpTopicRecorder = std::function<void(const QString& topic)>;
void SetHelpTopicRecorder(HelpTopicRecorder recorder);
const HelpTopicRecorder& CurrentHelpTopicRecorder();
