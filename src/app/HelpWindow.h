#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

#include "HelpBrowser.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

// The bundled help pages read once: their titles, sections and plain text, for the index and
// the search of the help window.
class CHelpLibrary {
  public:
    struct Entry {
        QString title;
        QString topic;  // page name without ".html", with "#anchor" for a section
    };
    struct Page {
        QString name;  // file name without ".html"
        QString title;
        QString text;  // lower-case plain text, what the search looks in
        std::vector<Entry> sections;
    };

    // Reads every *.html in `folder`; an unreadable page is left out.
    explicit CHelpLibrary(const QString& folder);

    const std::vector<Page>& Pages() const { return m_pages; }
    // Every page and every titled section, sorted by title.
    std::vector<Entry> Index() const;
    // The pages containing every word of `query`, case ignored, most occurrences first.
    std::vector<Entry> Search(const QString& query) const;

  private:
    std::vector<Page> m_pages;
};

// The help window of the program: one at a time, raised when asked again.
class CHelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Shows `url` (a page of the help folder, optionally with an anchor) in the help window,
    // creating it if needed, and brings the window to the front.
    static CHelpWindow* Show(const QUrl& url);
    // The open help window or null.
    static CHelpWindow* Instance();
    static void CloseInstance();

    QTextBrowser* Browser() const { return m_browser; }
    QListWidget* List() const { return m_list; }
    QLineEdit* SearchField() const { return m_search; }
    QAction* BackAction() const { return m_back; }
    QAction* ForwardAction() const { return m_forward; }
    QAction* HomeAction() const { return m_home; }
    QAction* IndexAction() const { return m_index; }
    QAction* BrowserAction() const { return m_openInBrowser; }

    // Lists the topics containing the words of `query` (the search field does the same).
    void RunSearch(const QString& query);
    void ShowIndex();

  private:
    CHelpWindow();
    void Navigate(const QUrl& url);
    void FollowModalDialog();
    void Activate(QListWidgetItem* item);
    void UpdateTitle();

    static QPointer<CHelpWindow> s_instance;
    CHelpLibrary m_library;
    QTextBrowser* m_browser = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_listTitle = nullptr;
    QLineEdit* m_search = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_home = nullptr;
    QAction* m_index = nullptr;
    QAction* m_openInBrowser = nullptr;
    QString m_lastQuery;
};

// Shows a topic in the program's help window; a missing page is reported in a message box.
// Returns whether the page was shown.
bool OpenHelpTopic(QWidget* parent, const QString& topic);

// F1 in `window` or any of its children shows the topic `topic` names at that moment (a
// wizard's topic may depend on its page); Shift+F1 enters what's-this mode.
void InstallHelpKey(QWidget* window, std::function<QString()> topic);
