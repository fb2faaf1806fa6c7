#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "ContextHelp.h"
#include "HelpBrowser.h"
#include "HelpWindow.h"
#include "OptionsDlg.h"
#include "dialogs/WallsRoofDlg.h"
#include "input/GeneralDataCommand.h"
#include "input/WindowsCommand.h"
#include "windows/WinSheet.h"
#include "wizard/ProjSheet.h"

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_opened.clear();
        m_reported.clear();
        SetHelpOpener([this](const QUrl& url) {
            m_opened << url;
            return m_openSucceeds;
        });
        SetHelpReporter([this](QWidget*, const QString& message) { m_reported << message; });
        m_openSucceeds = true;
        g_strInstallDir = THERMAVO_DATA_DIR;
    }
    // Every case starts without a help window: the window reads the pages when it is made.
    void cleanup() { CHelpWindow::CloseInstance(); }

    void topicPaths() {
        g_strInstallDir = "/opt/thermavo/share/thermavo/";
        QCOMPARE(HelpTopicPath("Read_Me"),
                 QString("/opt/thermavo/share/thermavo/help/Read_Me.html"));
        QCOMPARE(HelpTopicPath("options.html"),
                 QString("/opt/thermavo/share/thermavo/help/options.html"));
        QCOMPARE(HelpTopicPath(""), QString("/opt/thermavo/share/thermavo/help/index.html"));
        QCOMPARE(HelpTopicPath("windows#fins"),
                 QString("/opt/thermavo/share/thermavo/help/windows.html"));
        QCOMPARE(HelpTopicUrl("windows#fins").fragment(), QString("fins"));
    }

    // Every topic the program names is built into the data folder and shows in the one help
    // window, without a browser.
    void everyTopicOpens() {
        CHelpWindow* first = nullptr;
        for (const char* topic :
             {kHelpIndex, kHelpReadMe, kHelpLicense, kHelpGeneralData, kHelpWindows, kHelpWallsRoof,
              kHelpFloorCeiling, kHelpGlassBlocks, kHelpUValue, kHelpOptions, kHelpViews}) {
            QVERIFY2(OpenHelpTopic(nullptr, topic), topic);
            CHelpWindow* window = CHelpWindow::Instance();
            QVERIFY(window != nullptr && window->isVisible());
            if (first == nullptr) first = window;
            QCOMPARE(window, first);
            QCOMPARE(window->Browser()->source(), HelpTopicUrl(topic));
            QVERIFY2(!window->Browser()->toPlainText().isEmpty(), topic);
            QCOMPARE(window->windowTitle(), window->Browser()->documentTitle());
        }
        QVERIFY(m_opened.isEmpty());
        QVERIFY(m_reported.isEmpty());
        QCOMPARE(CHelpWindow::Instance()->windowTitle(),
                 QString("Views, Reports, Printing and Copying - Thermavo Help"));
        // A closed window comes back on the next request, still the same one.
        first->close();
        QVERIFY(OpenHelpTopic(nullptr, "views_reports#keys"));
        QCOMPARE(CHelpWindow::Instance(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->Browser()->source().fragment(), QString("keys"));
    }

    void missingPageIsReported() {
        QTemporaryDir empty;
        g_strInstallDir = empty.path().toStdString() + "/";
        QVERIFY(!OpenHelpTopic(nullptr, kHelpIndex));
        QVERIFY(m_opened.isEmpty());
        QVERIFY(CHelpWindow::Instance() == nullptr);
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_reported[0].contains("index.html"));
    }

    // "Open in Browser" hands the page shown to the browser; without one it says so.
    void openInBrowser() {
        QVERIFY(OpenHelpTopic(nullptr, kHelpLicense));
        CHelpWindow* window = CHelpWindow::Instance();
        window->BrowserAction()->trigger();
        QCOMPARE(m_opened, QList<QUrl>{HelpTopicUrl(kHelpLicense)});
        QVERIFY(m_reported.isEmpty());
        m_openSucceeds = false;
        window->BrowserAction()->trigger();
        QCOMPARE(m_opened.size(), 2);
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_reported[0].contains("no web browser was found"));
        QVERIFY(m_reported[0].contains("License_Agreement.html"));
    }

    void backForwardHomeAndIndex() {
        QVERIFY(OpenHelpTopic(nullptr, kHelpOptions));
        CHelpWindow* window = CHelpWindow::Instance();
        QVERIFY(!window->BackAction()->isEnabled());
        window->HomeAction()->trigger();
        QCOMPARE(window->Browser()->source(), HelpTopicUrl(kHelpIndex));
        QVERIFY(window->BackAction()->isEnabled());
        window->BackAction()->trigger();
        QCOMPARE(window->Browser()->source(), HelpTopicUrl(kHelpOptions));
        QVERIFY(window->ForwardAction()->isEnabled());
        window->ForwardAction()->trigger();
        QCOMPARE(window->Browser()->source(), HelpTopicUrl(kHelpIndex));
        // A link inside a page is followed in the window too.
        window->Browser()->setSource(QUrl("uvalue.html"));
        QCOMPARE(window->Browser()->source().fileName(), QString("uvalue.html"));

        // The index lists every page by its title and the sections, and opens them.
        window->IndexAction()->trigger();
        QStringList titles;
        for (int i = 0; i < window->List()->count(); ++i) titles << window->List()->item(i)->text();
        for (const char* title : {"General Project Data", "Glass Windows Data", "Read Me",
                                  "Set Application Options", "Thermavo Help"}) {
            QVERIFY2(titles.contains(title), title);
        }
        QStringList sorted = titles;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(titles, sorted);
        const auto glass =
            window->List()->findItems("Glass type abbreviations", Qt::MatchStartsWith);
        QCOMPARE(glass.size(), 1);
        emit window->List()->itemClicked(glass[0]);
        QCOMPARE(window->Browser()->source(), HelpTopicUrl("general_data#glass"));
    }

    // The search lists the pages that hold all the words, whatever their case.
    void searchFindsTopics() {
        const CHelpLibrary library(QFileInfo(HelpTopicPath(kHelpIndex)).path());
        QCOMPARE(library.Pages().size(), size_t{11});
        auto names = [&](const QString& query) {
            QStringList found;
            for (const CHelpLibrary::Entry& entry : library.Search(query)) found << entry.topic;
            return found;
        };
        QCOMPARE(names("overhang"), QStringList{"windows"});
        QCOMPARE(names("OVERHANG, fins"), QStringList{"windows"});
        QVERIFY(names("overhang ballast").isEmpty());
        QVERIFY(names("  ").isEmpty());
        const QStringList heat = names("heating");
        QVERIFY(heat.size() >= 2);
        QVERIFY(heat.contains("index") && heat.contains("general_data"));

        QVERIFY(OpenHelpTopic(nullptr, kHelpIndex));
        CHelpWindow* window = CHelpWindow::Instance();
        QTest::keyClicks(window->SearchField(), "overhang");
        QCOMPARE(window->List()->count(), 1);
        QCOMPARE(window->List()->item(0)->text(), QString("Glass Windows Data"));
        emit window->List()->itemActivated(window->List()->item(0));
        QCOMPARE(window->Browser()->source(), HelpTopicUrl(kHelpWindows));
        QCOMPARE(window->Browser()->textCursor().selectedText().toLower(), QString("overhang"));
        QTest::keyClicks(window->SearchField(), "xyz");
        QCOMPARE(window->List()->count(), 0);
        window->SearchField()->clear();
        QVERIFY(window->List()->count() > 11);  // the index again
    }

    // Page 13 of the general data wizard sends the user to Help for the glass abbreviations:
    // F1 and the Help button land on that section, in view in the help window, and
    // the help window can be used while the wizard keeps the program modal.
    void f1OnWizardPage13ShowsTheGlassAbbreviations() {
        OfficeDoc office;
        QVERIFY(office.ok);
        CProjSheet sheet(FillGeneralData(office.doc));
        sheet.setWindowModality(Qt::ApplicationModal);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        for (int i = 0; i < 12; ++i) sheet.next();
        QCOMPARE(sheet.currentId(), 12);
        PressF1(&sheet);
        CHelpWindow* window = CHelpWindow::Instance();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->Browser()->source(), HelpTopicUrl("general_data#glass"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTextBrowser* browser = window->Browser();
        QVERIFY(browser->verticalScrollBar()->value() > 0);
        const QTextCursor heading = browser->document()->find("Glass type abbreviations");
        QVERIFY(!heading.isNull());
        QVERIFY(browser->viewport()->rect().contains(browser->cursorRect(heading)));
        // While the wizard is modal the help window belongs to it, so it is not blocked.
        QCOMPARE(window->parentWidget(), &sheet);

        sheet.back();
        sheet.button(QWizard::HelpButton)->click();
        QCOMPARE(browser->source(), HelpTopicUrl("general_data#electronic"));
        QVERIFY(m_opened.isEmpty());
        sheet.reject();
        QCOMPARE(CHelpWindow::Instance(), window);
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(window->isVisible());
    }

    // F1 in the other input dialogs and in the main window opens their topics.
    void f1OpensTheTopicOfEachWindow() {
        OfficeDoc office;
        QVERIFY(office.ok);
        {
            COptionsDlg dialog(COptionsValues{});
            dialog.show();
            PressF1(&dialog);
            QCOMPARE(CHelpWindow::Instance()->Browser()->source(), HelpTopicUrl(kHelpOptions));
        }
        {
            CWinSheet sheet(FillWindows(office.doc), office.doc.Messages());
            sheet.show();
            PressF1(&sheet);
            QCOMPARE(CHelpWindow::Instance()->Browser()->source(),
                     HelpTopicUrl(WindowsPageTopic(1)));
        }
        {
            QTemporaryDir folder;
            RunningApp app({BuildOfficeFile(folder.path())});
            CMainFrame& frame = app.Frame();
            frame.show();
            QVERIFY(frame.ActiveFrame() != nullptr);
            // A modeless input dialog of the main window answers F1 itself.
            app.Trigger(cmd::kWallsRoofData);
            const auto walls = frame.findChildren<CWallsRoofDlg*>();
            QCOMPARE(walls.size(), 1);
            PressF1(walls[0]);
            QCOMPARE(CHelpWindow::Instance()->Browser()->source(), HelpTopicUrl(kHelpWallsRoof));
            walls[0]->close();
            // The main window's topic is the section of the view kind shown.
            app.Trigger(cmd::kHelp);
            QCOMPARE(CHelpWindow::Instance()->Browser()->source(),
                     HelpTopicUrl(ViewKindTopic(app.Doc()->m_nViewKind)));
            QVERIFY(CHelpWindow::Instance()->Browser()->source().hasFragment());
            app.Trigger(cmd::kHelpFinder);
            QCOMPARE(CHelpWindow::Instance()->Browser()->source(), HelpTopicUrl(kHelpIndex));
        }
        QVERIFY(m_reported.isEmpty());
    }

    // The pages link only to pages that exist, and the licence says what it must.
    void pagesAreSound() {
        const QDir help(QString(THERMAVO_SOURCE_DIR) + "/data/help");
        const QStringList pages = help.entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.size() >= 11);
        const QRegularExpression href("href=\"([^\"#]+)");
        for (const QString& page : pages) {
            QFile file(help.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains("<title>"), qPrintable(page));
            // The index leads to every section, so every section has an anchor.
            QVERIFY2(!html.contains("<h2>"), qPrintable(page));
            for (const auto& match : href.globalMatch(html)) {
                QVERIFY2(help.exists(match.captured(1)),
                         qPrintable(page + ": " + match.captured(1)));
            }
        }
        QFile license(help.filePath("License_Agreement.html"));
        QVERIFY(license.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(license.readAll());
        QVERIFY(text.contains("This program is distributed as is, without warranty of any kind."));
        QVERIFY(text.contains("ASHRAE"));
    }

  private:
    // Shortcuts answer only in the active window.
    static void PressF1(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F1);
    }

    QList<QUrl> m_opened;
    QStringList m_reported;
    bool m_openSucceeds = true;
};

THERMAVO_APP_TEST_MAIN(HelpTest)
#include "help_test.moc"
