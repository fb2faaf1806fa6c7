#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "SplashScreen.h"

// Saves a picture of w when THERMAVO_SCREENSHOT_DIR names a folder (for looking at by hand).
static void SaveScreenshot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("THERMAVO_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

class SplashTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        if (CSplashWnd* splash = CSplashWnd::Current()) splash->HideSplashScreen();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_main = new QPushButton("Main window");
        m_main->resize(600, 400);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup() {
        if (CSplashWnd* splash = CSplashWnd::Current()) splash->HideSplashScreen();
        delete m_main;
        m_main = nullptr;
    }

    // The command line decides: a program started to serve another one shows no picture.
    void commandLineDecision() {
        QVERIFY(IsSplashWanted({"thermavo"}));
        QVERIFY(IsSplashWanted({"thermavo", "office.Spc"}));
        QVERIFY(!IsSplashWanted({"thermavo", "/Embedding"}));
        QVERIFY(!IsSplashWanted({"thermavo", "-automation"}));
        QVERIFY(!IsSplashWanted({"thermavo", "office.Spc", "/AUTOMATION"}));
        // Only the switch itself counts, not a file that happens to carry the word.
        QVERIFY(IsSplashWanted({"thermavo", "Embedding.Spc"}));
        // The program name is not an argument.
        QVERIFY(IsSplashWanted({"/Embedding"}));

        QVERIFY(!ShowSplashIfWanted({"thermavo", "/Embedding"}, m_main));
        QVERIFY(CSplashWnd::Current() == nullptr);
        QVERIFY(ShowSplashIfWanted({"thermavo"}, m_main));
        QVERIFY(CSplashWnd::Current() != nullptr);
        QVERIFY(CSplashWnd::Current()->isVisible());
    }

    // Shown once, for seven seconds, centred over its owner.
    void showsOnceWithTimer() {
        CSplashWnd::EnableSplashScreen(true);
        CSplashWnd* splash = CSplashWnd::ShowSplashScreen(m_main);
        QVERIFY(splash != nullptr);
        QVERIFY(CSplashWnd::ShowSplashScreen(m_main) == nullptr);
        QVERIFY(splash->IsTimerActive());
        QVERIFY(splash->RemainingTime() > 6000);
        // Coarse timers may fire up to 5 % late.
        QVERIFY(splash->RemainingTime() <= CSplashWnd::kDisplayMilliseconds * 21 / 20);
        QVERIFY(qAbs(splash->frameGeometry().center().x() - m_main->frameGeometry().center().x()) <=
                2);
        QCOMPARE(splash->size(), QSize(480, 300));
        SaveScreenshot(splash, "splash");
        CSplashWnd::EnableSplashScreen(false);
        splash->HideSplashScreen();
        QVERIFY(CSplashWnd::ShowSplashScreen(m_main) == nullptr);
    }

    // The click that closes the picture does not reach the main window; the next one does.
    void consumesClosingClick() {
        QSignalSpy clicked(m_main, &QPushButton::clicked);
        QVERIFY(ShowSplashIfWanted({"thermavo"}, m_main));
        QTest::mouseClick(m_main, Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(CSplashWnd::Current() == nullptr);
        QTest::mouseClick(m_main, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void consumesRightAndMiddlePresses() {
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QVERIFY(ShowSplashIfWanted({"thermavo"}, m_main));
            QTest::mousePress(m_main, button);
            QVERIFY(CSplashWnd::Current() == nullptr);
            QTest::mouseRelease(m_main, button);
        }
    }

    // A key closes the picture without firing the main window's shortcut.
    void consumesClosingKey() {
        auto* action = new QAction("New", m_main);
        // A key without modifiers: a modifier press alone would already close the picture.
        action->setShortcut(QKeySequence(Qt::Key_F2));
        m_main->addAction(action);
        QSignalSpy triggered(action, &QAction::triggered);
        m_main->activateWindow();
        if (!QTest::qWaitForWindowActive(m_main)) QSKIP("the platform does not activate windows");
        QTest::keyClick(m_main, Qt::Key_F2);
        QCOMPARE(triggered.count(), 1);
        triggered.clear();
        QVERIFY(ShowSplashIfWanted({"thermavo"}, m_main));
        QTest::keyClick(m_main, Qt::Key_F2);
        QCOMPARE(triggered.count(), 0);
        QVERIFY(CSplashWnd::Current() == nullptr);
        // The keyboard goes back to the main window.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(m_main));
        QTest::keyClick(m_main, Qt::Key_F2);
        QCOMPARE(triggered.count(), 1);
    }

    // Mouse moves are not presses: the picture stays.
    void ignoresMouseMoves() {
        QVERIFY(ShowSplashIfWanted({"thermavo"}, m_main));
        QTest::mouseMove(m_main, QPoint(10, 10));
        QTest::mouseMove(m_main, QPoint(50, 60));
        QVERIFY(CSplashWnd::Current() != nullptr);
    }

    // The picture is drawn, not blank: the name's white letters are on a dark background.
    void bitmapIsDrawn() {
        const QImage image = DrawSplashBitmap().toImage();
        QCOMPARE(image.size(), QSize(480, 300));
        int white = 0;
        for (int x = 200; x < 470; ++x) {
            for (int y = 55; y < 110; ++y) {
                if (QColor(image.pixel(x, y)).lightness() > 240) ++white;
            }
        }
        QVERIFY2(white > 500, qPrintable(QString::number(white)));
        QVERIFY(QColor(image.pixel(5, 150)).lightness() < 120);
        const QImage emblem = DrawThermavoEmblem(64).toImage();
        QCOMPARE(QColor::fromRgba(emblem.pixel(0, 0)).alpha(), 0);
        QVERIFY(QColor::fromRgba(emblem.pixel(32, 32)).alpha() == 255);
    }

  private:
    QPushButton* m_main = nullptr;
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
