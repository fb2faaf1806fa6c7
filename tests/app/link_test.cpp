#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AboutDlg.h"
#include "LinkStatic.h"

static void SaveScreenshot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("THERMAVO_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

// A link whose cursor position the test sets, so that leaving can be simulated off screen.
class CTestLink : public CLinkStatic {
  public:
    using CLinkStatic::CLinkStatic;
    QPoint m_cursor;

  protected:
    QPoint CursorPosition() const override { return m_cursor; }
};

class LinkTest : public QObject {
    Q_OBJECT

  private slots:
    void defaults() {
        CLinkStatic link("www.example.org");
        QCOMPARE(link.GetLinkUrl(), QString("www.example.org"));
        QCOMPARE(link.toolTip(), QString("www.example.org"));
        QCOMPARE(link.GetLinkColour(), QColor(0, 0, 238));
        QCOMPARE(link.GetVisitedColour(), QColor(85, 26, 139));
        QCOMPARE(link.GetHoverColour(), QColor(255, 0, 0));
        QCOMPARE(link.GetUnderline(), -1);
        QVERIFY(link.GetAutoSize());
        QCOMPARE(link.CurrentColour(), QColor(0, 0, 238));
        QVERIFY(!link.CurrentFont().underline());

        CLinkStatic urlOnly(QString(), "mailto:a@b.example");
        QCOMPARE(urlOnly.GetText(), QString("mailto:a@b.example"));
        link.SetLinkUrl("https://other.example/");
        QCOMPARE(link.toolTip(), QString("https://other.example/"));
        QCOMPARE(link.GetText(), QString("www.example.org"));
    }

    void errorTexts() {
        QCOMPARE(HyperlinkErrorText(0),
                 QString("The operating system is out\nof memory or resources."));
        QCOMPARE(HyperlinkErrorText(2), QString("The specified file was not found."));
        QCOMPARE(HyperlinkErrorText(26), QString("A sharing violation occurred. "));
        QCOMPARE(HyperlinkErrorText(30),
                 QString("The DDE transaction could not\nbe completed because other DDE "
                         "transactions\nwere being processed."));
        QCOMPARE(HyperlinkErrorText(31),
                 QString("There is no application associated\nwith the given filename extension."));
        QCOMPARE(HyperlinkErrorText(32),
                 QString("The specified dynamic-link library was not found."));
        QCOMPARE(HyperlinkErrorText(1), QString("Unknown Error (1) occurred."));
        QCOMPARE(HyperlinkErrorText(33), QString("Unknown Error (33) occurred."));
        QCOMPARE(HyperlinkErrorMessage(3),
                 QString("Unable to open hyperlink:\n\nThe specified path was not found."));
        QCOMPARE(HyperlinkErrorCode(QUrl("https://www.example.org/")), 31);
        QCOMPARE(HyperlinkErrorCode(QUrl::fromLocalFile(QDir::tempPath() + "/no-such-file.html")),
                 2);
        QCOMPARE(HyperlinkErrorCode(QUrl::fromLocalFile("/no-such-dir-xyz/file.html")), 3);
    }

    // A link that cannot be opened says so and keeps the link colour: it was not visited.
    void failedOpenKeepsLinkColour() {
        QWidget dialog;
        auto* link = new CLinkStatic("Thermavo", "https://www.thermavo.example/", &dialog);
        QStringList reported;
        QList<QUrl> tried;
        link->SetOpener([&tried](const QUrl& url) {
            tried << url;
            return false;
        });
        link->SetReporter([&reported](const QString& message) { reported << message; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseMove(link, QPoint(3, 3));
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(tried, QList<QUrl>{QUrl("https://www.thermavo.example/")});
        QCOMPARE(reported, QStringList{"Unable to open hyperlink:\n\nThere is no application "
                                       "associated\nwith the given filename extension."});
        QVERIFY(!link->GetVisited());
        QVERIFY(!link->IsMouseOver());
        QCOMPARE(link->CurrentColour(), QColor(0, 0, 238));

        // A missing local file names its own cause.
        reported.clear();
        link->SetLinkUrl(QDir::tempPath() + "/thermavo-missing-page.html");
        QVERIFY(!link->OpenLink());
        QCOMPARE(reported,
                 QStringList{"Unable to open hyperlink:\n\nThe specified file was not found."});
        QCOMPARE(link->CurrentColour(), QColor(0, 0, 238));
    }

    void successfulOpenMarksVisited() {
        CLinkStatic link("sales@thermavo.example", "mailto:sales@thermavo.example");
        QList<QUrl> opened;
        int reports = 0;
        link.SetOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        link.SetReporter([&reports](const QString&) { ++reports; });
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(opened, QList<QUrl>{QUrl("mailto:sales@thermavo.example")});
        QCOMPARE(reports, 0);
        QVERIFY(link.GetVisited());
        QCOMPARE(link.CurrentColour(), QColor(85, 26, 139));
        // Only the left button opens.
        QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(opened.size(), 1);
    }

    // Over the link it turns red and underlined; once the cursor has left, the hover timer
    // restores it within a tick.
    void hoverAndLeave() {
        QWidget dialog;
        auto* link = new CTestLink("Hover me", "https://www.example.org/", &dialog);
        link->move(20, 20);
        dialog.resize(200, 80);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        link->m_cursor = link->mapToGlobal(QPoint(2, 2));
        QTest::mouseMove(link, QPoint(2, 2));
        QVERIFY(link->IsMouseOver());
        QCOMPARE(link->CurrentColour(), QColor(255, 0, 0));
        QVERIFY(link->CurrentFont().underline());
        QVERIFY(link->IsHoverTimerActive());
        QTest::qWait(2 * CLinkStatic::kHoverTimerMs);
        QVERIFY(link->IsMouseOver());  // still inside

        link->m_cursor = link->mapToGlobal(QPoint(-30, -30));
        QTRY_VERIFY_WITH_TIMEOUT(!link->IsMouseOver(), 3 * CLinkStatic::kHoverTimerMs);
        QVERIFY(!link->IsHoverTimerActive());
        QCOMPARE(link->CurrentColour(), QColor(0, 0, 238));
        QVERIFY(!link->CurrentFont().underline());
    }

    void underlineModes() {
        CLinkStatic link("text");
        link.SetUnderline(CLinkStatic::kUnderlineAlways);
        QVERIFY(link.CurrentFont().underline());
        link.SetUnderline(CLinkStatic::kUnderlineNever);
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QTest::mouseMove(&link, QPoint(1, 1));
        QVERIFY(link.IsMouseOver());
        QVERIFY(!link.CurrentFont().underline());
    }

    // The control takes the size of its text, anchored by its alignment.
    void fitsToText() {
        QWidget dialog;
        auto* link = new CLinkStatic("Short", QString(), &dialog);
        link->SetAutoSize(false);
        link->setGeometry(100, 10, 300, 40);
        link->setAlignment(Qt::AlignRight | Qt::AlignTop);
        link->SetAutoSize(true);
        const QFontMetrics metrics(link->font());
        QCOMPARE(link->height(), metrics.height());
        QVERIFY(qAbs(link->width() - metrics.horizontalAdvance("Short")) <= 3);
        QCOMPARE(link->geometry().right(), 399);
        QCOMPARE(link->geometry().top(), 10);

        link->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        const QPoint centre = link->geometry().center();
        link->SetText("A much longer link text");
        QVERIFY(qAbs(link->geometry().center().x() - centre.x()) <= 1);
        QVERIFY(qAbs(link->geometry().center().y() - centre.y()) <= 1);
        QVERIFY(link->width() > metrics.horizontalAdvance("Short") * 3);
    }

    void aboutBox() {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QString("About Thermavo"));
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        QVERIFY(texts.contains("Thermavo Version 4.0"));
        QVERIFY(
            texts.contains("Heating and Air Conditioning Hourly Load\nAnalysis Program.\n\n"
                           "For Commercial and Residential Projects.\n\n"
                           "Based on ASHRAE's CLTD / CLF Method."));
        QVERIFY(texts.contains("Sales:"));
        QVERIFY(texts.contains("Web Site:"));
        QVERIFY(about.SalesLink()->GetLinkUrl().startsWith("mailto:"));
        QCOMPARE(about.SalesLink()->GetText(), QString(kSalesAddress));
        QCOMPARE(about.WebLink()->GetLinkUrl(), QString(kWebSite));
        QPushButton* ok = about.findChild<QPushButton*>();
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QString("OK"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        SaveScreenshot(&about, "about");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(LinkTest)
#include "link_test.moc"
