#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "HelpBrowser.h"
#include "paths/InstallDir.h"

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

    void topicPaths() {
        g_strInstallDir = "/opt/thermavo/share/thermavo/";
        QCOMPARE(HelpTopicPath("Read_Me"),
                 QString("/opt/thermavo/share/thermavo/help/Read_Me.html"));
        QCOMPARE(HelpTopicPath("options.html"),
                 QString("/opt/thermavo/share/thermavo/help/options.html"));
        QCOMPARE(HelpTopicPath(""), QString("/opt/thermavo/share/thermavo/help/index.html"));
        QCOMPARE(HelpTopicPath("windows#fins"),
                 QString("/opt/thermavo/share/thermavo/help/windows.html"));
    }

    // Every topic the program names is built into the data folder and opens in the browser.
    void everyTopicOpens() {
        for (const char* topic :
             {kHelpIndex, kHelpReadMe, kHelpLicense, kHelpGeneralData, kHelpWindows, kHelpWallsRoof,
              kHelpFloorCeiling, kHelpGlassBlocks, kHelpUValue, kHelpOptions, kHelpViews}) {
            QVERIFY2(OpenHelpTopic(nullptr, topic), topic);
        }
        QCOMPARE(m_opened.size(), 11);
        QVERIFY(m_reported.isEmpty());
        QCOMPARE(m_opened[1], QUrl::fromLocalFile(QDir::cleanPath(QString(THERMAVO_DATA_DIR) +
                                                                  "/help/Read_Me.html")));
        QVERIFY(OpenHelpTopic(nullptr, "views_reports#keys"));
        QCOMPARE(m_opened.last().fragment(), QString("keys"));
    }

    void missingPageIsReported() {
        QTemporaryDir empty;
        g_strInstallDir = empty.path().toStdString() + "/";
        QVERIFY(!OpenHelpTopic(nullptr, kHelpIndex));
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_reported[0].contains("index.html"));
    }

    void browserFailureIsReported() {
        m_openSucceeds = false;
        QVERIFY(!OpenHelpTopic(nullptr, kHelpLicense));
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_reported[0].contains("License_Agreement.html"));
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
    QList<QUrl> m_opened;
    QStringList m_reported;
    bool m_openSucceeds = true;
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
