// The program as a whole: start-up, project windows, the two menus, titles and recent files.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QToolBar>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "SummaryView.h"
#include "views/ViewKinds.h"

namespace {
QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions()) titles << action->text();
    return titles;
}

QStringList ItemTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        if (action->isVisible()) texts << (action->isSeparator() ? "-" : action->text());
    return texts;
}

QMenu* MenuNamed(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}
}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_files;
    QString m_office;

  private slots:
    void initTestCase() {
        m_office = BuildOfficeFile(m_files.path());
        QVERIFY(!m_office.isEmpty());
    }

    // ---- Start-up ----

    void commandLineFileOpensOnTheTotalCoolingTable() {
        RunningApp run({m_office});
        QCOMPARE(run.Frame().Frames().size(), size_t(1));
        CQuarnDoc* doc = run.Doc();
        QVERIFY(doc != nullptr);
        QCOMPARE(doc->m_nViewKind, kTotalCoolingTableKind);
        QCOMPARE(QString::fromStdString(doc->GetPathName()), m_office);
        QCOMPARE(run.Frame().ActiveFrame()->FrameTitle(), QString("office.Spc"));
        QCOMPARE(run.Frame().windowTitle(), QString("Thermavo - office.Spc"));
        QCOMPARE(run.Frame().CurrentMenuId(), 129);
        // The current kind's item and button are greyed, the graph's are not.
        QVERIFY(!run.Enabled(32796));
        QVERIFY(run.Enabled(32785));
        QCOMPARE(run.app.RecentFiles().value(0), m_office);
        // The summary pane shows the office, the results pane is the active one.
        CChildFrame* frame = run.Frame().ActiveFrame();
        QVERIFY(frame->Summary()->Box(0)->text().startsWith("Project Name: "));
        QVERIFY(frame->Summary()->Box(1)->text().startsWith("Weather Station: "));
        QCOMPARE(frame->Splitter()->widget(1), static_cast<QWidget*>(frame->View()));
        QCOMPARE(frame->focusProxy(), static_cast<QWidget*>(frame->View()));
    }

    void emptyCommandLineStartsANewProject() {
        RunningApp run;
        QVERIFY(run.Doc() != nullptr);
        QCOMPARE(run.Frame().ActiveFrame()->FrameTitle(), QString("Space1"));
        QCOMPARE(run.Doc()->m_nViewKind, kTotalCoolingTableKind);
        run.Trigger(cmd::kFileNew);
        QCOMPARE(run.Frame().ActiveFrame()->FrameTitle(), QString("Space2"));
    }

    void projectWindowPlacement() {
        RunningApp run;
        run.Frame().resize(1000, 800);
        run.Trigger(cmd::kFileNew);
        CChildFrame* frame = run.Frame().ActiveFrame();
        const QSize client = run.Frame().MdiArea()->viewport()->size();
        QCOMPARE(frame->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(frame->geometry().width(), client.width());
        QCOMPARE(frame->geometry().height(), client.height() * 183 / 200);
        QCOMPARE(frame->Splitter()->sizes().value(0), frame->SummaryWidth());
        QVERIFY(frame->SummaryWidth() >= CChildFrame::kSummaryWidth);
        QVERIFY(frame->SummaryWidth() >= frame->Summary()->widget()->width());
    }

    // ---- Menus ----

    void menusSwitchWhenTheLastProjectCloses() {
        RunningApp run;
        QCOMPARE(run.Frame().CurrentMenuId(), 129);
        QCOMPARE(MenuTitles(run.Frame()), QStringList({"&File", "&Edit", "&View", "&Project",
                                                       "&Tools", "&Window", "&Help"}));
        run.Trigger(cmd::kWindowNew);
        QCOMPARE(run.Frame().Frames().size(), size_t(2));
        QCOMPARE(run.Frame().Frames()[0]->FrameTitle(), QString("Space1:1"));
        QCOMPARE(run.Frame().Frames()[1]->FrameTitle(), QString("Space1:2"));

        run.Frame().Frames()[0]->close();
        QCOMPARE(run.Frame().CurrentMenuId(), 129);
        QCOMPARE(run.Frame().Frames()[0]->FrameTitle(), QString("Space1"));
        run.Frame().Frames()[0]->close();
        QCOMPARE(run.Frame().CurrentMenuId(), 128);
        QCOMPARE(MenuTitles(run.Frame()), QStringList({"&File", "&View", "&Help"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(run.app.Documents().empty());
        // Without a project the project commands are greyed.
        QVERIFY(!run.Enabled(cmd::kEditCopy));
        QVERIFY(!run.Enabled(cmd::kFileSave));
        QVERIFY(run.Enabled(cmd::kFileNew));
    }

    void menuItemsInOrder() {
        QSettings(kSettingsOrganization, kSettingsApplication).remove("Recent File List");
        RunningApp run;
        QCOMPARE(ItemTexts(MenuNamed(run.Frame(), "&File")),
                 QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S",
                              "Save &As...", "-", "&Print...\tCtrl+P", "Print Pre&view",
                              "P&rint Setup...", "-", "Recent File", "-", "E&xit"}));
        QCOMPARE(ItemTexts(MenuNamed(run.Frame(), "&Project")),
                 QStringList({"General Project Data", "Glass Windows Data", "Walls and Roof Data",
                              "Glass Blocks Data", "Other Building Data"}));
        QCOMPARE(ItemTexts(MenuNamed(run.Frame(), "&Tools")),
                 QStringList({"Calculate U-Value", "Options..."}));
        const QStringList view = ItemTexts(MenuNamed(run.Frame(), "&View"));
        QCOMPARE(view.mid(0, 3), QStringList({"&Toolbar", "&Status Bar", "-"}));
        QCOMPARE(view.mid(3, 9), QStringList({"Cooling Tables", "Cooling Graphs", "-",
                                              "Heating Report", "-", "Glass Shading Tables",
                                              "Glass Shading Graphs", "-", "Project Input Data"}));
        QCOMPARE(view.mid(12),
                 QStringList({"-", "Zoom &In\tCtrl++", "Zoom &Out\tCtrl+-", "&Actual Size\tCtrl+0",
                              "Fit &Width", "Fit &Page", "-", "Fit Width on Op&en"}));
        QMenu* tables = MenuNamed(run.Frame(), "&View")->actions()[3]->menu();
        QCOMPARE(ItemTexts(tables).mid(0, 3),
                 QStringList({"Peak Cooling Summary", "-", "Total Cooling Load"}));
        QCOMPARE(ItemTexts(MenuNamed(run.Frame(), "&Help")),
                 QStringList({"&Help Topics", "License Agreement", "-", "&About Thermavo..."}));
        run.Frame().ActiveFrame()->close();
        QCOMPARE(ItemTexts(MenuNamed(run.Frame(), "&Help")),
                 QStringList({"&Help Topics", "Read_Me", "-", "&About Thermavo..."}));
        QCOMPARE(ItemTexts(MenuNamed(run.Frame(), "&File")),
                 QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "P&rint Setup...", "-",
                              "Recent File", "-", "E&xit"}));
    }

    void tipItemIsInsertedOnce() {
        RunningApp run;
        QMenu* help = run.Frame().HelpMenu();
        for (int i = 0; i < 3; ++i) emit help->aboutToShow();
        const QStringList texts = ItemTexts(help);
        QCOMPARE(texts.value(0), QString("Ti&p of the Day..."));
        QCOMPARE(texts.value(1), QString("-"));
        QCOMPARE(texts.count("Ti&p of the Day..."), 1);
        QCOMPARE(texts.size(), 6);
        // The Help popup of the other menu gets its own item, also once.
        run.Frame().ActiveFrame()->close();
        QMenu* help128 = run.Frame().HelpMenu();
        QVERIFY(help128 != help);
        emit help128->aboutToShow();
        emit help128->aboutToShow();
        QCOMPARE(ItemTexts(help128).count("Ti&p of the Day..."), 1);
        QCOMPARE(ItemTexts(help128).value(0), QString("Ti&p of the Day..."));
    }

    void acceleratorsPromptsAndToolbar() {
        RunningApp run;
        QCOMPARE(run.Frame().FindAction(cmd::kEditCopy)->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")}));
        QCOMPARE(run.Frame().FindAction(cmd::kFileSave)->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(run.Frame().FindAction(cmd::kContextHelp)->shortcut(), QKeySequence("Shift+F1"));
        QAction* total = run.Frame().FindAction(32785);
        QCOMPARE(total->statusTip(), QString("Total cooling load profile"));
        QCOMPARE(total->toolTip(), QString("View Total Cooling Load Graph"));
        QCOMPARE(run.Frame().FindAction(cmd::kReadMe)->statusTip(),
                 QString("Important information."));
        QCOMPARE(run.Frame().FindAction(cmd::kUValue)->statusTip(),
                 QString("This wizard calculates U-Values for walls, roofs, partitions, floors, "
                         "etc."));
        QCOMPARE(run.Frame().FindAction(cmd::kUValue)->toolTip(), QString("U-Value Calculator"));

        QList<int> buttons;
        for (QAction* action : run.Frame().ToolBar()->actions())
            buttons << (action->isSeparator() ? 0 : action->data().toInt());
        QCOMPARE(buttons, QList<int>({cmd::kFileNew,
                                      cmd::kFileOpen,
                                      cmd::kFileSave,
                                      0,
                                      cmd::kEditCopy,
                                      0,
                                      cmd::kFilePrint,
                                      0,
                                      cmd::kGeneralData,
                                      cmd::kGlassWindowsData,
                                      cmd::kWallsRoofData,
                                      cmd::kGlassBlocksData,
                                      cmd::kOtherBuildingData,
                                      0,
                                      32785,
                                      32796,
                                      32921,
                                      32922,
                                      32937,
                                      cmd::kUValue,
                                      0,
                                      cmd::kAppAbout}));
        for (QAction* action : run.Frame().ToolBar()->actions())
            if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
    }

    // ---- Files ----

    void closingAModifiedProjectAsksFirst() {
        RunningApp run;
        run.Doc()->SetModifiedFlag();
        run.messages.answer = CGuiMessages::SaveAnswer::kCancel;
        run.Frame().ActiveFrame()->close();
        QCOMPARE(run.messages.asked, QStringList({"Space1"}));
        QCOMPARE(run.Frame().Frames().size(), size_t(1));
        run.messages.answer = CGuiMessages::SaveAnswer::kDiscard;
        run.Trigger(cmd::kFileClose);
        QCOMPARE(run.messages.asked.size(), 2);  // asked once more, not once per window
        QCOMPARE(run.Frame().Frames().size(), size_t(0));
        QCOMPARE(run.Frame().CurrentMenuId(), 128);
    }

    void saveWritesTheFileAndKeepsFourRecentFiles() {
        RunningApp run({m_office});
        CQuarnDoc* doc = run.Doc();
        doc->m_strProjectName = "Renamed office";
        doc->SetModifiedFlag();
        run.Trigger(cmd::kFileSave);
        QVERIFY(!doc->IsModified());
        CRecordingMessages messages;
        CQuarnDoc reread(messages);
        QCOMPARE(LoadProject(reread, m_office.toStdString()), LoadStatus::kLoaded);
        QCOMPARE(reread.m_strProjectName, std::string("Renamed office"));

        for (int i = 0; i < 5; ++i) run.app.AddToRecentFileList(QString("/p/%1.Spc").arg(i));
        QCOMPARE(run.app.RecentFiles(),
                 QStringList({"/p/4.Spc", "/p/3.Spc", "/p/2.Spc", "/p/1.Spc"}));
        QVERIFY(run.Frame().FindAction(cmd::kFileMru1)->text().endsWith("/p/4.Spc"));
        // The list survives into the next run through the settings.
        RunningApp next;
        QCOMPARE(next.app.RecentFiles().size(), kRecentFileCount);
    }

    void openingAnOpenProjectShowsItsWindow() {
        RunningApp run({m_office});
        CQuarnDoc* first = run.Doc();
        QCOMPARE(run.app.OpenDocumentFile(m_office), first);
        QCOMPARE(run.Frame().Frames().size(), size_t(1));
        QVERIFY(run.app.OpenDocumentFile(m_files.filePath("missing.Spc")) == nullptr);
        QCOMPARE(run.messages.fileErrors.size(), size_t(1));
    }
};

THERMAVO_APP_TEST_MAIN(ShellTest)
#include "shell_test.moc"
