// The panes of a project window and the commands that act on them: view kinds, Copy, Esc,
// scrolling, printing, the options dialog and the project commands' guards.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QMdiArea>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "OptionsDlg.h"
#include "SummaryView.h"
#include "document/Options.h"
#include "input/DataCommandGuards.h"
#include "views/ViewKinds.h"

namespace {
// Answers the next modal dialog: choose sets it up, then OK or Cancel.
template <class Dialog, class F>
void AnswerNextDialog(F choose, bool ok) {
    QTimer::singleShot(0, [choose, ok] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        choose(*dialog);
        ok ? dialog->accept() : dialog->reject();
    });
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class ViewTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_files;
    QString m_office;

  private slots:
    void initTestCase() {
        m_office = BuildOfficeFile(m_files.path());
        QVERIFY(!m_office.isEmpty());
    }

    // ---- View kinds ----

    void peakSummaryGreysItselfAndFreesTheTable() {
        RunningApp run({m_office});
        QVERIFY(!run.Enabled(32796));
        QVERIFY(run.Enabled(32921));
        run.Trigger(32921);
        QCOMPARE(run.Doc()->m_nViewKind, kPeakSummaryKind);
        QVERIFY(!run.Enabled(32921));
        QVERIFY(run.Enabled(32796));
        run.Draw();
        QCOMPARE(run.Doc()->m_strViewTitle, std::string("Total Cooling Load - Tons"));
    }

    void everyKindCommandSelectsItsKind() {
        RunningApp run({m_office});
        for (const ViewKindInfo& info : AllViewKinds()) {
            run.Trigger(info.nCommandId);
            QCOMPARE(run.Doc()->m_nViewKind, info.nKind);
            QVERIFY(!run.Enabled(info.nCommandId));
            run.Draw();  // every kind draws without trouble
        }
    }

    void copyFollowsWhatWasDrawnLast() {
        RunningApp run({m_office});
        run.Trigger(32785);  // the Total Cooling Load graph
        run.Draw();
        QVERIFY(!run.Enabled(cmd::kEditCopy));
        run.Trigger(32796);
        // Copy waits for the table to be drawn once.
        QVERIFY(!run.Enabled(cmd::kEditCopy));
        run.Draw();
        QVERIFY(run.Enabled(cmd::kEditCopy));

        QGuiApplication::clipboard()->clear();
        run.Trigger(cmd::kEditCopy);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), ToQString(run.Doc()->m_strCopyText));
        QVERIFY(data->text().startsWith("Total Cooling Load - Tons\n"));
        QVERIFY(data->html().contains("<td>Hour</td><td>Jan</td>"));
        QCOMPARE(data->html().count("<tr>"), data->text().count('\n'));  // one row a line
        QCOMPARE(run.messages.messages.back(),
                 std::string("The data displayed in the view to the right\n"
                             "is successfully copied to the clipboard.\n"
                             "It can now be pasted in another program."));
    }

    void copyOfAReportIsTheReportsText() {
        RunningApp run({m_office});
        run.Trigger(kHeatingReportKind == 201 ? 32922 : 0);
        run.Draw();
        QVERIFY(run.Enabled(cmd::kEditCopy));
        run.Trigger(cmd::kEditCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(), ToQString(run.Doc()->m_strCopyText));
    }

    // ---- Keys and scrolling ----

    void escapeReturnsToTheTotalCoolingTable() {
        RunningApp run({m_office});
        for (int command : {32922, 32785, 32937}) {
            run.Trigger(command);
            QTest::keyClick(run.View(), Qt::Key_Escape);
            QCOMPARE(run.Doc()->m_nViewKind, kTotalCoolingTableKind);
        }
        QVERIFY(!run.Enabled(32796));
    }

    void keysScrollTheLongReport() {
        RunningApp run({m_office});
        run.Frame().resize(900, 500);
        run.Trigger(32937);  // the input data report is longer than any window
        run.Draw();
        QScrollBar* bar = run.View()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QTest::keyClick(run.View(), Qt::Key_Down);
        QCOMPARE(bar->value(), bar->singleStep());
        QTest::keyClick(run.View(), Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->singleStep() + bar->pageStep());
        QTest::keyClick(run.View(), Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(run.View(), Qt::Key_PageUp);
        QCOMPARE(bar->value(), bar->maximum() - bar->pageStep());
        QTest::keyClick(run.View(), Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(run.View()->horizontalScrollBar()->value(), 0);
    }

    // ---- Printing ----

    void inputDataPrintsThreePagesOthersOne() {
        RunningApp run({m_office});
        auto pages = [&](int command) {
            run.Trigger(command);
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const QString path = m_files.filePath(QString("print%1.pdf").arg(command));
            printer.setOutputFileName(path);
            run.View()->PrintPages(printer, false, true);
            const QByteArray pdf = ReadAll(path);
            return pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                   pdf.count("/Type /Page>");
        };
        QCOMPARE(run.View()->PageCount(), 1);
        QCOMPARE(pages(32937), 3);
        QCOMPARE(run.View()->PageCount(), 3);
        QCOMPARE(pages(32796), 1);
        QCOMPARE(pages(32921), 1);
    }

    // ---- Summary pane ----

    void summaryPaneOfANewAndOfAnOpenedProject() {
        RunningApp run;
        CSummaryView* summary = run.Frame().ActiveFrame()->Summary();
        QCOMPARE(summary->Heading()->text(), QString("KEY PROJECT INPUT VARIABLES"));
        for (int i = 0; i < 7; ++i) QVERIFY(summary->Box(i)->text().isEmpty());
        QVERIFY(summary->Box(7)->text().startsWith("Input Units:\t"));

        run.app.OpenDocumentFile(m_office);
        summary = run.Frame().ActiveFrame()->Summary();
        for (int i = 0; i < 8; ++i) QVERIFY(!summary->Box(i)->text().isEmpty());
        // Metric output shows at the next update of the views.
        run.Doc()->m_nOutputUnits = 1;
        run.Doc()->UpdateAllViews();
        QVERIFY(summary->Box(4)->text().endsWith("Meter"));
        QVERIFY(summary->Box(7)->text().endsWith("Output Units:\tMetric"));
        // No value is cut off at the right edge, and the pane shows the boxes whole.
        for (int i = 0; i < 8; ++i)
            QVERIFY2(summary->Box(i)->NeededWidth() <= summary->Box(i)->width(),
                     qPrintable(summary->Box(i)->text()));
        QVERIFY(run.Frame().ActiveFrame()->Splitter()->sizes().value(0) >=
                summary->widget()->width());
    }

    // ---- Options ----

    void optionsOkWritesTheFileAndTheNextProjectUsesIt() {
        QFile::remove(QString::fromStdString(GetOptionsFilePath()));
        RunningApp run;
        CQuarnDoc* doc = run.Doc();
        QCOMPARE(doc->m_nInputUnits, 0);
        run.messages.Clear();
        AnswerNextDialog<COptionsDlg>(
            [](COptionsDlg& dialog) {
                QCOMPARE(dialog.windowTitle(), QString("Set Application Options"));
                QCOMPARE(dialog.Group(0)->checkedId(), 0);
                dialog.Group(0)->button(1)->setChecked(true);  // Metric input
                dialog.Group(3)->button(1)->setChecked(true);  // Small font
            },
            true);
        run.Trigger(cmd::kOptions);
        QCOMPARE(run.messages.messages,
                 std::vector<std::string>({"Future projects will use these settings"}));
        QCOMPARE(doc->m_nInputUnits, 1);
        QCOMPARE(doc->m_nFontSize, 1);
        QVERIFY(!doc->IsModified());
        const QByteArray bytes = ReadAll(QString::fromStdString(GetOptionsFilePath()));
        QCOMPARE(bytes, QByteArray("\1\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0", 16));
        QVERIFY(run.Frame().ActiveFrame()->Summary()->Box(7)->text().startsWith(
            "Input Units:\tMetric"));

        run.Trigger(cmd::kFileNew);
        QVERIFY(run.Doc() != doc);
        QCOMPARE(run.Doc()->m_nInputUnits, 1);
        QCOMPARE(run.Doc()->m_nFontSize, 1);
    }

    void optionsCancelChangesNothing() {
        RunningApp run;
        CQuarnDoc* doc = run.Doc();
        const int before = doc->m_nOutputUnits;
        const QByteArray file = ReadAll(QString::fromStdString(GetOptionsFilePath()));
        run.messages.Clear();
        AnswerNextDialog<COptionsDlg>(
            [before](COptionsDlg& dialog) {
                dialog.Group(1)->button(1 - before)->setChecked(true);
            },
            false);
        run.Trigger(cmd::kOptions);
        QCOMPARE(doc->m_nOutputUnits, before);
        QVERIFY(run.messages.messages.empty());
        QCOMPARE(ReadAll(QString::fromStdString(GetOptionsFilePath())), file);
    }

    // ---- Project commands ----

    void dataCommandsWaitForTheGeneralData() {
        RunningApp run;
        QVERIFY(run.Enabled(cmd::kGeneralData));
        QVERIFY(run.Enabled(cmd::kUValue));
        QVERIFY(run.Enabled(cmd::kOptions));
        for (int id : {cmd::kGlassWindowsData, cmd::kWallsRoofData, cmd::kOtherBuildingData,
                       cmd::kGlassBlocksData})
            QVERIFY(!run.Enabled(id));
        run.messages.Clear();
        run.Frame().OnProjectCommand(cmd::kWallsRoofData);
        QCOMPARE(
            run.messages.messages,
            std::vector<std::string>({*DataCommandRefusal(*run.Doc(), DataCommand::kWallsRoof)}));
        run.messages.Clear();
        // The command runs the modal wizard: close it at once.
        QTimer::singleShot(0, [] {
            if (QWidget* sheet = QApplication::activeModalWidget()) sheet->close();
        });
        run.Trigger(cmd::kGeneralData);
        QVERIFY(run.messages.messages.empty());

        run.app.OpenDocumentFile(m_office);
        QVERIFY(run.Enabled(cmd::kGlassWindowsData));
        QVERIFY(run.Enabled(cmd::kGlassBlocksData));
    }
};

THERMAVO_APP_TEST_MAIN(ViewTest)
#include "view_test.moc"
