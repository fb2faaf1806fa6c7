// The main window as a desktop window: arranging minimized project windows, files dropped on
// it and the lock-key panes of its status bar.
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "LockPanes.h"

// Gives whatever state the test puts in it; nothing until then.
class CFakeLockKeySource : public ILockKeySource {
  public:
    explicit CFakeLockKeySource(std::optional<LockKeyState>& state) : m_state(state) {}
    std::optional<LockKeyState> Read() override { return m_state; }

  private:
    std::optional<LockKeyState>& m_state;
};

class DesktopTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_files;

    // Drops the files on the main window as the desktop would.
    static void Drop(CMainFrame& frame, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &drop);
        QVERIFY(drop.isAccepted());
        // The files open once the drop is over.
        QCoreApplication::sendPostedEvents();
    }

  private slots:
    void droppedProjectFilesOpenAndOtherFilesAreNamed() {
        const QString office = BuildOfficeFile(m_files.path());
        QVERIFY(!office.isEmpty());
        // The extension is matched whatever its case.
        const QString second = m_files.filePath("second.SPC");
        QVERIFY(QFile::copy(office, second));
        const QString notes = m_files.filePath("notes.txt");
        QFile text(notes);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a project\n");
        text.close();

        RunningApp run;
        run.Trigger(cmd::kFileClose);
        QCOMPARE(run.Frame().Frames().size(), size_t(0));
        run.messages.Clear();  // what the start-up said
        Drop(run.Frame(), {office, notes, second});
        if (QTest::currentTestFailed()) return;

        const auto& frames = run.Frame().Frames();
        QCOMPARE(frames.size(), size_t(2));
        QCOMPARE(frames[0]->FrameTitle(), QString("office.Spc"));
        QCOMPARE(frames[1]->FrameTitle(), QString("second.SPC"));
        QCOMPARE(run.app.RecentFiles().mid(0, 2), QStringList({second, office}));
        QCOMPARE(run.messages.messages.size(), size_t(1));
        QVERIFY(QString::fromStdString(run.messages.messages[0]).contains("notes.txt"));
        QVERIFY(run.messages.fileErrors.empty());

        // Dropping an open project again shows it rather than loading it twice.
        Drop(run.Frame(), {office});
        QCOMPARE(run.Frame().Frames().size(), size_t(2));
        QCOMPARE(run.Frame().ActiveFrame(), frames[0]);
        QCOMPARE(run.messages.messages.size(), size_t(1));
    }

    void lockPanesShowTheirTextOnlyWhileTheLockIsOn() {
        RunningApp run;
        CLockPanes* panes = run.Frame().LockPanes();
        auto texts = [panes] {
            QStringList shown;
            for (int i = 0; i < CLockPanes::kPaneCount; ++i) shown << panes->Pane(i)->text();
            return shown;
        };
        // The offscreen platform does not tell: blank.
        QCOMPARE(texts(), QStringList({"", "", ""}));

        std::optional<LockKeyState> state = LockKeyState{true, false, true};
        panes->SetSource(std::make_unique<CFakeLockKeySource>(state));
        QCOMPARE(texts(), QStringList({"CAP", "", "SCRL"}));
        state = LockKeyState{false, true, false};
        panes->Refresh();
        QCOMPARE(texts(), QStringList({"", "NUM", ""}));
        // The state can no longer be read: blank again, not the last state seen.
        state.reset();
        panes->Refresh();
        QCOMPARE(texts(), QStringList({"", "", ""}));
        // The timer reads it again without being asked.
        state = LockKeyState{true, true, true};
        QTRY_COMPARE(texts(), QStringList({"CAP", "NUM", "SCRL"}));

        // Message, the three lock panes, the zoom at the right end.
        run.Frame().show();
        QStatusBar* bar = run.Frame().statusBar();
        QVERIFY(QTest::qWaitForWindowExposed(&run.Frame()));
        int left = 0;
        for (QWidget* pane :
             {static_cast<QWidget*>(panes->Pane(0)), static_cast<QWidget*>(panes->Pane(1)),
              static_cast<QWidget*>(panes->Pane(2)),
              static_cast<QWidget*>(run.Frame().ZoomPane())}) {
            QCOMPARE(pane->parentWidget(), static_cast<QWidget*>(bar));
            QVERIFY(pane->isVisible());
            QVERIFY(pane->x() > left);
            left = pane->x();
        }
        // A blank pane keeps its width.
        const int width = panes->Pane(0)->width();
        state.reset();
        panes->Refresh();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(panes->Pane(0)->width(), width);
    }

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
