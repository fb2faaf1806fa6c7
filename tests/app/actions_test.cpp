// The command table behind the menus and the toolbar, and the project window on its own.
#include "Actions.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <map>

#include "AppTestSupport.h"

namespace {
// Every action a popup holds, its submenus' included.
void CollectActions(QMenu* menu, QList<QAction*>& actions) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr)
            CollectActions(action->menu(), actions);
        else if (!action->isSeparator())
            actions << action;
    }
}
}  // namespace

class ActionsTest : public QObject {
    Q_OBJECT

  private slots:
    // Two actions on one key would leave Qt to refuse both ("ambiguous shortcut").
    void noTwoActionsShareAKey() {
        QObject owner;
        const ActionMap actions = CreateActions(&owner);
        std::map<QString, int> keys;
        for (auto it = actions.begin(); it != actions.end(); ++it) {
            for (const QKeySequence& key : it.value()->shortcuts()) {
                const auto [found, added] = keys.emplace(key.toString(), it.key());
                QVERIFY2(added, qPrintable(QString("%1 is on %2 and %3")
                                               .arg(key.toString())
                                               .arg(found->second)
                                               .arg(it.key())));
            }
        }
        QCOMPARE(keys.size(), size_t(14));
    }

    // Each menu item and button is a command of the table, carrying its id.
    void menusAndToolbarHoldTheTablesCommands() {
        QWidget parent;
        QObject owner;
        const ActionMap actions = CreateActions(&owner);
        int popups = 0;
        for (int bar : {kMenuBarNoProject, kMenuBarProject}) {
            QList<QAction*> items;
            for (QMenu* menu : BuildMenuBar(bar, actions, &parent, [&](QMenu*) { ++popups; })) {
                emit menu->aboutToShow();
                CollectActions(menu, items);
            }
            QVERIFY(items.size() > (bar == kMenuBarProject ? 40 : 10));
            for (QAction* item : items) {
                QVERIFY(actions.values().contains(item));
                QVERIFY(item->data().toInt() > 0);
            }
        }
        QCOMPARE(popups, 10);
        QToolBar toolBar;
        FillToolBar(toolBar, actions);
        for (QAction* button : toolBar.actions())
            if (!button->isSeparator()) QCOMPARE(actions.value(button->data().toInt()), button);
        // The License Agreement item runs Read_Me's command.
        QCOMPARE(actions.value(kLicenseAgreementKey)->data().toInt(), cmd::kReadMe);
    }

    void windowKeysBelongToTheMainWindow() {
        RunningApp run;
        QList<int> held;
        for (QAction* action : run.Frame().actions()) held << action->data().toInt();
        QCOMPARE(held, QList<int>({cmd::kHelp, cmd::kContextHelp, cmd::kNextPane, cmd::kPrevPane}));
        QCOMPARE(run.Frame().FindAction(cmd::kNextPane)->shortcut(), QKeySequence(Qt::Key_F6));
    }

    // A project window needs no main window: it tells of a close request, its closing and its
    // end by signals, and a receiver can refuse the close.
    void projectWindowAnnouncesClosing() {
        OfficeDoc office;
        QVERIFY(office.ok);
        auto* frame = new CChildFrame(office.doc);
        QSignalSpy requested(frame, &CChildFrame::CloseRequested);
        QSignalSpy closed(frame, &CChildFrame::Closed);
        bool keep = true;
        connect(frame, &CChildFrame::CloseRequested, this, [&](CChildFrame*, QCloseEvent* event) {
            if (keep) event->ignore();
        });
        frame->show();
        QVERIFY(!frame->close());
        QCOMPARE(requested.size(), 1);
        QCOMPARE(closed.size(), 0);

        keep = false;
        QPointer<CChildFrame> watch(frame);
        int destroying = 0;
        connect(frame, &CChildFrame::Destroying, this, [&](CChildFrame* gone) {
            ++destroying;
            // The document is still there as the window goes.
            QCOMPARE(&gone->Document(), &office.doc);
        });
        QVERIFY(frame->close());
        QCOMPARE(requested.size(), 2);
        QCOMPARE(closed.size(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QCOMPARE(destroying, 1);
    }

    // Closing without asking skips the request: the question was asked for the whole project.
    void closeWithoutAskingSkipsTheRequest() {
        OfficeDoc office;
        auto* frame = new CChildFrame(office.doc);
        QSignalSpy requested(frame, &CChildFrame::CloseRequested);
        QSignalSpy closed(frame, &CChildFrame::Closed);
        frame->show();
        frame->CloseWithoutAsking();
        QCOMPARE(requested.size(), 0);
        QCOMPARE(closed.size(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

THERMAVO_APP_TEST_MAIN(ActionsTest)
#include "actions_test.moc"
