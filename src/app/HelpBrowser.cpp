#include "HelpBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>

#include "GuiMessages.h"
#include "paths/InstallDir.h"

namespace {
std::function<bool(const QUrl&)> g_fnHelpOpener;
std::function<void(QWidget*, const QString&)> g_fnHelpReporter;
HelpTopicRecorder g_fnHelpTopicRecorder;
}  // namespace

void ReportHelpProblem(QWidget* parent, const QString& message) {
    if (g_fnHelpReporter) {
        g_fnHelpReporter(parent, message);
    } else {
        QMessageBox::warning(parent, kAppTitle, message);
    }
}

void SetHelpOpener(std::function<bool(const QUrl&)> opener) { g_fnHelpOpener = std::move(opener); }

void SetHelpReporter(std::function<void(QWidget*, const QString&)> reporter) {
    g_fnHelpReporter = std::move(reporter);
}

void SetHelpTopicRecorder(HelpTopicRecorder recorder) {
    g_fnHelpTopicRecorder = std::move(recorder);
}

const HelpTopicRecorder& CurrentHelpTopicRecorder() { return g_fnHelpTopicRecorder; }

QString HelpTopicPath(const QString& topic) {
    QString page = topic.section('#', 0, 0);
    if (page.isEmpty()) page = kHelpIndex;
    if (!page.endsWith(".html", Qt::CaseInsensitive)) page += ".html";
    return QDir::cleanPath(QString::fromStdString(g_strInstallDir) + "help/" + page);
}

QUrl HelpTopicUrl(const QString& topic) {
    QUrl url = QUrl::fromLocalFile(HelpTopicPath(topic));
    const QString anchor = topic.section('#', 1);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

bool OpenHelpInBrowser(QWidget* parent, const QUrl& url) {
    const bool opened = g_fnHelpOpener ? g_fnHelpOpener(url) : QDesktopServices::openUrl(url);
    if (!opened) {
        ReportHelpProblem(parent,
                          QString("The help could not be opened: no web browser was found to "
                                  "show\n%1")
                              .arg(QDir::toNativeSeparators(url.toLocalFile())));
    }
    return opened;
}
