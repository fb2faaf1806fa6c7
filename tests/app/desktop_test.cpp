// The main window as a desktop window: arranging minimized project windows.
#include <QMdiArea>

#include "AppStrings.h"
#include "AppTestSupport.h"

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void arrangeIconsLinesUpTheMinimizedWindowsAlongTheBottom() {
        RunningApp run;
        run.Frame().resize(1000, 800);
        run.Trigger(cmd::kWindowNew);
        run.Trigger(cmd::kWindowNew);
        const auto& frames = run.Frame().Frames();
        QCOMPARE(frames.size(), size_t(3));
        CChildFrame* open = frames[1];
        open->setGeometry(40, 30, 500, 400);
        for (CChildFrame* frame : {frames[0], frames[2]}) {
            frame->showMinimized();
            frame->move(200, 100);  // somewhere in the middle, not where they belong
        }
        QCoreApplication::sendPostedEvents();
        const QRect before = open->geometry();

        run.Trigger(cmd::kWindowArrange);
        const QRect area = run.Frame().MdiArea()->viewport()->rect();
        const QRect first = frames[0]->geometry(), second = frames[2]->geometry();
        QCOMPARE(first.bottom(), area.bottom());
        QCOMPARE(second.bottom(), area.bottom());
        QCOMPARE(first.left(), area.left());
        QCOMPARE(second.left(), first.right() + 1);
        QVERIFY(frames[0]->isMinimized() && frames[2]->isMinimized());
        // The window that is not minimized neither moves nor changes size: no tiling.
        QCOMPARE(open->geometry(), before);
        QVERIFY(!open->isMinimized());
    }
};

THERMAVO_APP_TEST_MAIN(DesktopTest)
#include "desktop_test.moc"
