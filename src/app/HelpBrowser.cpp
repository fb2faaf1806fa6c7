#include "HelpBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QShortcut>

#include "GuiMessages.h"
#include "HelpWindow.h"
#include "paths/InstallDir.h"

namespace {
std::function<bool(const QUrl&)> g_fnHelpOpener;
std::function<void(QWidget*, const QString&)> g_fnHelpReporter;

void Report(QWidget* parent, const QString& message) {
    if (g_fnHelpReporter) {
        g_fnHelpReporter(parent, message);
    } else {
        QMessageBox::warning(parent, kAppTitle, message);
    }
}
}  // namespace

void SetHelpOpener(std::function<bool(const QUrl&)> opener) { g_fnHelpOpener = std::move(opener); }

void SetHelpReporter(std::function<void(QWidget*, const QString&)> reporter) {
    g_fnHelpReporter = std::move(reporter);
}

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

bool OpenHelpTopic(QWidget* parent, const QString& topic) {
    const QString path = HelpTopicPath(topic);
    if (!QFileInfo::exists(path)) {
        Report(parent, QString("The help page %1 was not found.\n\n"
                               "The help is installed with the program in the folder help/.")
                           .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    CHelpWindow::Show(HelpTopicUrl(topic));
    return true;
}

bool OpenHelpInBrowser(QWidget* parent, const QUrl& url) {
    const bool opened = g_fnHelpOpener ? g_fnHelpOpener(url) : QDesktopServices::openUrl(url);
    if (!opened) {
        Report(parent, QString("The help could not be opened: no web browser was found to "
                               "show\n%1")
                           .arg(QDir::toNativeSeparators(url.toLocalFile())));
    }
    return opened;
}

void InstallHelpKey(QWidget* window, std::function<QString()> topic) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, topic = std::move(topic)] { OpenHelpTopic(window, topic()); });
}
