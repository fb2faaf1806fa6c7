// The block window: made from the open projects through its dialog, kept in step with them,
// and its commands.
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <functional>

#include "AppTestSupport.h"
#include "BlockFrame.h"
#include "BlockLoadDlg.h"
#include "BlockView.h"
#include "HelpBrowser.h"
#include "building/Building.h"
#include "views/ViewKinds.h"

namespace {

nlohmann::json ReadJson(const std::string& relative) {
    std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + relative);
    return nlohmann::json::parse(in);
}

// The example building's spaces saved as project files in folder, in the building's order.
QStringList BuildSpaceFiles(const QString& folder) {
    QStringList paths;
    const nlohmann::json building = ReadJson("/examples/building.json");
    int number = 0;
    for (const nlohmann::json& space : building["spaces"]) {
        CRecordingMessages messages;
        CQuarnDoc doc(messages);
        doc.OnNewDocument();
        if (ApplyProjectDescription(doc, space["commands"])) return {};
        const QString path = QDir(folder).filePath(QString("zone%1.Spc").arg(++number));
        if (!SaveProject(doc, path.toStdString())) return {};
        paths << path;
    }
    return paths;
}

// A project of another station than the example building's.
QString BuildHouseFile(const QString& folder) {
    CRecordingMessages messages;
    CQuarnDoc doc(messages);
    doc.OnNewDocument();
    if (ApplyProjectDescription(doc, ReadJson("/examples/house.json"))) return QString();
    const QString path = QDir(folder).filePath("house.Spc");
    return SaveProject(doc, path.toStdString()) ? path : QString();
}

// Runs Window > Block Load of Open Projects, handing the dialog to fill while it is open. The
// dialog is closed with Cancel should fill leave it open, so a failed check cannot hang.
void RunBlockDialog(RunningApp& run, const std::function<void(CBlockLoadDlg&)>& fill) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        CBlockLoadDlg* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CBlockLoadDlg*>(widget); d && d->isVisible()) dialog = d;
        if (dialog == nullptr) return;
        seen = true;
        fill(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    run.Trigger(cmd::kBlockLoad);
    QVERIFY(seen);
}

QPushButton* Button(CBlockLoadDlg& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

// The block the test expects, made straight from the documents' data.
CBuilding ExpectedBlock(const std::vector<std::pair<CQuarnDoc*, int>>& members,
                        const std::string& name) {
    std::vector<BuildingSpace> spaces;
    for (const auto& [doc, count] : members)
        spaces.push_back(
            {std::make_shared<CQuarnDocData>(*doc), SpaceNameOf(*doc, doc->GetPathName()), count});
    std::string error;
    return *CBuilding::Make(name, std::move(spaces), error);
}

UnitSystem Units(const CBuilding& building) {
    return OutputUnitSystem(building.First()) == UnitSystem::kMetric ? UnitSystem::kMetric
                                                                     : UnitSystem::kEnglish;
}

}  // namespace

class BlockTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_spaces;

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_spaces = BuildSpaceFiles(m_dir.path());
        QVERIFY(m_spaces.size() >= 3);
    }

    void dialogBuildsTheCheckedSpacesWithTheirCounts() {
        RunningApp run(m_spaces.mid(0, 3));
        const std::vector<CQuarnDoc*> docs = run.app.Documents();
        QCOMPARE(docs.size(), size_t(3));
        const QRect under = run.Frame().ActiveFrame()->geometry();
        RunBlockDialog(run, [](CBlockLoadDlg& dialog) {
            // Every project starts checked, once; the name has a default.
            for (int row = 0; row < 3; ++row) {
                QVERIFY(dialog.CheckBox(row)->isChecked());
                QCOMPARE(dialog.CountBox(row)->value(), 1);
            }
            QCOMPARE(dialog.NameEdit()->text(), QString("Block"));
            dialog.CheckBox(1)->click();
            QVERIFY(!dialog.CountBox(1)->isEnabled());
            dialog.CountBox(2)->setValue(4);
            dialog.NameEdit()->setText("North Wing");
            Button(dialog, QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(run.Frame().BlockFrames().size(), size_t(1));
        CBlockFrame* block = run.Frame().ActiveBlock();
        QVERIFY(block != nullptr);
        QCOMPARE(block->windowTitle(), QString("Block Load - North Wing"));
        // It covers the project window it opened over.
        QCOMPARE(block->geometry(), under);
        QCOMPARE(run.Frame().windowTitle(), QString("Thermavo - Block Load - North Wing"));

        const CBuilding& building = block->Building();
        QCOMPARE(building.Spaces().size(), size_t(2));
        QCOMPARE(building.Spaces()[0].nCount, 1);
        QCOMPARE(building.Spaces()[1].nCount, 4);
        QCOMPARE(building.Spaces()[1].strName, SpaceNameOf(*docs[2], docs[2]->GetPathName()));
        const CBuilding expected = ExpectedBlock({{docs[0], 1}, {docs[2], 4}}, "North Wing");
        QCOMPARE(BlockSummaryText(building, Units(building)),
                 BlockSummaryText(expected, Units(expected)));

        // A block window is no project window: the project windows are as they were.
        QCOMPARE(run.Frame().Frames().size(), size_t(3));
        QVERIFY(run.Frame().ActiveFrame() == nullptr);
        QVERIFY(run.Frame().ActiveDoc() == nullptr);
    }

    void nothingCheckedKeepsTheDialogOpen() {
        RunningApp run(m_spaces.mid(0, 2));
        bool stayed = false;
        RunBlockDialog(run, [&](CBlockLoadDlg& dialog) {
            dialog.CheckBox(0)->click();
            dialog.CheckBox(1)->click();
            Button(dialog, QDialogButtonBox::Ok)->click();
            stayed = dialog.isVisible();
            Button(dialog, QDialogButtonBox::Cancel)->click();
        });
        QVERIFY(stayed);
        QVERIFY(run.messages.Said("Check at least one project for the block load."));
        QVERIFY(run.Frame().BlockFrames().empty());
    }

    void spacesOfTwoStationsOpenNoWindow() {
        const QString house = BuildHouseFile(m_dir.path());
        QVERIFY(!house.isEmpty());
        RunningApp run({m_spaces[0], house});
        run.messages.Clear();
        RunBlockDialog(
            run, [](CBlockLoadDlg& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); });
        QVERIFY(run.Frame().BlockFrames().empty());
        QCOMPARE(run.messages.messages.size(), size_t(1));
        // The core's refusal, naming the spaces, as it is.
        std::vector<BuildingSpace> spaces;
        for (CQuarnDoc* doc : run.app.Documents())
            spaces.push_back(
                {std::make_shared<CQuarnDocData>(*doc), SpaceNameOf(*doc, doc->GetPathName()), 1});
        std::string error;
        QVERIFY(!CBuilding::Make("Block", std::move(spaces), error));
        QCOMPARE(run.messages.messages[0], error);
    }

    void commandsFollowTheBlockWindow() {
        RunningApp run(m_spaces.mid(0, 2));
        QVERIFY(!run.Frame().FindAction(cmd::kBlockSummary)->isVisible());
        RunBlockDialog(
            run, [](CBlockLoadDlg& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); });
        CBlockFrame* block = run.Frame().ActiveBlock();
        QVERIFY(block != nullptr);
        run.Frame().UpdateCommandUI();
        // Project commands are greyed; the block's own kinds are offered.
        for (int id : {cmd::kFileSave, cmd::kFileSaveAs, cmd::kGeneralData, cmd::kWindowNew})
            QVERIFY2(!run.Enabled(id), qPrintable(QString::number(id)));
        QVERIFY(!run.Enabled(FindViewKind(kTotalCoolingTableKind)->nCommandId));
        for (int id : {cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kEditCopy, cmd::kZoomIn})
            QVERIFY2(run.Enabled(id), qPrintable(QString::number(id)));
        for (int id : {cmd::kBlockSummary, cmd::kBlockTable, cmd::kBlockGraph})
            QVERIFY(run.Frame().FindAction(id)->isVisible());
        for (QAction* item : run.Frame().menuBar()->actions())
            if (item->text() == "&View")
                for (QAction* popup : item->menu()->actions())
                    if (popup->menu() != nullptr) QVERIFY(!popup->isEnabled());
        QVERIFY(run.Frame().FindAction(cmd::kBlockSummary)->isChecked());

        // Copy gives the summary's text.
        const CBuilding& building = block->Building();
        run.Trigger(cmd::kEditCopy);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 BlockSummaryText(building, Units(building)));

        // The graph has nothing to copy.
        run.Trigger(cmd::kBlockGraph);
        QCOMPARE(block->View()->Kind(), BlockViewKind::kGraph);
        QVERIFY(run.Frame().FindAction(cmd::kBlockGraph)->isChecked());
        QVERIFY(!run.Enabled(cmd::kEditCopy));
        run.Trigger(cmd::kBlockTable);
        QCOMPARE(block->View()->Kind(), BlockViewKind::kTable);
        QVERIFY(run.Enabled(cmd::kEditCopy));
        run.messages.Clear();
        run.Trigger(cmd::kEditCopy);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 BlockTableText(building, Units(building)));
        QCOMPARE(run.messages.messages.size(), size_t(1));

        // F1 opens the help on the block load.
        QStringList topics;
        SetHelpTopicRecorder([&topics](const QString& topic) { topics << topic; });
        run.Trigger(cmd::kHelp);
        SetHelpTopicRecorder(nullptr);
        QCOMPARE(topics, QStringList{"views_reports#block"});

        // Zoom works on the block's pane.
        const int before = block->View()->ZoomPercent();
        run.Trigger(cmd::kZoomIn);
        QVERIFY(block->View()->ZoomPercent() > before);
        QCOMPARE(run.Frame().ZoomPane()->text(), QString("%1%").arg(block->View()->ZoomPercent()));

        // Back on a project window the project's commands return and the block's go.
        run.Frame().MdiArea()->setActiveSubWindow(run.Frame().Frames()[0]);
        QVERIFY(run.Frame().ActiveDoc() != nullptr);
        QVERIFY(run.Enabled(cmd::kFileSave));
        QVERIFY(!run.Frame().FindAction(cmd::kBlockSummary)->isVisible());
    }

    void summaryPrintsToPdf() {
        RunningApp run(m_spaces);
        RunBlockDialog(
            run, [](CBlockLoadDlg& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); });
        CBlockFrame* block = run.Frame().ActiveBlock();
        QVERIFY(block != nullptr);
        QVERIFY(block->View()->PageCount() >= 1);
        for (BlockViewKind kind :
             {BlockViewKind::kSummary, BlockViewKind::kTable, BlockViewKind::kGraph}) {
            block->View()->SetKind(kind);
            block->View()->viewport()->grab();
            const QString pdf = m_dir.filePath(QString("block%1.pdf").arg(int(kind)));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            block->View()->PrintPages(printer, false, false);
            QVERIFY(QFileInfo(pdf).size() > 1000);
            if (kind != BlockViewKind::kSummary) QCOMPARE(block->View()->PageCount(), 1);
        }
    }

    void recalculatingAMemberRebuildsTheBlock() {
        RunningApp run(m_spaces.mid(0, 2));
        RunBlockDialog(
            run, [](CBlockLoadDlg& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); });
        CBlockFrame* block = run.Frame().ActiveBlock();
        QVERIFY(block != nullptr);
        const std::vector<CQuarnDoc*> docs = run.app.Documents();
        const double before = block->Building().Peak().dMax;

        // More lights in the first space: a recalculation, as the input commands end.
        docs[0]->m_dFluorWatts *= 3;
        docs[0]->RecalcGeneralData();
        docs[0]->FinishInput();
        const CBuilding expected = ExpectedBlock({{docs[0], 1}, {docs[1], 1}}, "Block");
        QVERIFY(block->Building().Peak().dMax > before);
        QCOMPARE(BlockSummaryText(block->Building(), Units(block->Building())),
                 BlockSummaryText(expected, Units(expected)));
    }

    void aMemberOfAnotherClimateClosesTheBlock() {
        RunningApp run(m_spaces.mid(0, 2));
        RunBlockDialog(
            run, [](CBlockLoadDlg& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); });
        QCOMPARE(run.Frame().BlockFrames().size(), size_t(1));
        CQuarnDoc* doc = run.app.Documents()[1];
        for (const nlohmann::json& command : ReadJson("/examples/house.json"))
            if (command.contains("m_nCityIndex")) doc->m_nCityIndex = command["m_nCityIndex"];
        doc->RecalcGeneralData();
        doc->FinishInput();
        QVERIFY(run.Frame().BlockFrames().empty());
        QVERIFY(run.Frame().statusBar()->currentMessage().startsWith("Block load closed: "));
    }

    void closingAMemberClosesTheBlock() {
        RunningApp run(m_spaces.mid(0, 3));
        RunBlockDialog(run, [](CBlockLoadDlg& dialog) {
            dialog.CheckBox(2)->click();
            Button(dialog, QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(run.Frame().BlockFrames().size(), size_t(1));
        const QString title = run.app.DocumentTitle(*run.app.Documents()[1]);
        // A project outside the block may go.
        run.Frame().Frames()[2]->close();
        QCOMPARE(run.Frame().BlockFrames().size(), size_t(1));
        run.Frame().Frames()[1]->close();
        QVERIFY(run.Frame().BlockFrames().empty());
        QCOMPARE(run.Frame().statusBar()->currentMessage(),
                 QString("Block load closed: %1 is no longer open").arg(title));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(run.Frame().Frames().size(), size_t(1));
        QVERIFY(run.Frame().ActiveFrame() != nullptr);
    }
};

THERMAVO_APP_TEST_MAIN(BlockTest)
#include "block_test.moc"
