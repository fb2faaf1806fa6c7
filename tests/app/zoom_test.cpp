// The results pane's zoom (steps, fits, keys, wheel, the status bar, Fit Width on Open) and the
// window titles with their modified mark.
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QWheelEvent>
#include <cmath>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "ZoomSteps.h"
#include "views/ViewKinds.h"

namespace {
constexpr int kTotalCoolingGraph = 32785;
constexpr int kPeakSummary = 32921;

// The PDF without its creation date, the one part that differs from run to run.
QByteArray PdfWithoutDate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    QByteArray pdf = file.readAll();
    const qsizetype at = pdf.indexOf("/CreationDate");
    if (at >= 0) pdf.remove(at, pdf.indexOf('\n', at) - at);
    return pdf;
}

QString StatusZoom(CMainFrame& frame) {
    for (QLabel* label : frame.statusBar()->findChildren<QLabel*>())
        if (label->toolTip() == "Zoom") return label->isVisibleTo(&frame) ? label->text() : "";
    return "(none)";
}

// The scroll bars come and go after the paint that sets their ranges; a fit settles after.
void Settle(RunningApp& run) {
    for (int i = 0; i < 3; ++i) run.Draw();
}

void SendWheel(QWidget* viewport, int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(50, 40);
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}
}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_files;
    QString m_office;

  private slots:
    void initTestCase() {
        m_office = BuildOfficeFile(m_files.path());
        QVERIFY(!m_office.isEmpty());
        QSettings().remove(kFitWidthOnOpenKey);
    }

    // ---- The steps, without a window ----

    void stepsWalkTheListAndStopAtTheEnds() {
        const std::vector<int> steps(zoom::Steps().begin(), zoom::Steps().end());
        QCOMPARE(steps.front(), 25);
        QCOMPARE(steps.back(), 400);
        // Up the whole list and down again, one step at a time.
        double factor = zoom::kMin;
        for (size_t i = 1; i < steps.size(); ++i) {
            factor = zoom::In(factor);
            QCOMPARE(zoom::Percent(factor), steps[i]);
        }
        QCOMPARE(zoom::In(factor), zoom::kMax);
        for (size_t i = steps.size() - 1; i-- > 0;) {
            factor = zoom::Out(factor);
            QCOMPARE(zoom::Percent(factor), steps[i]);
        }
        QCOMPARE(zoom::Out(factor), zoom::kMin);
        // A fit between steps goes to the neighbours, not to the step it rounds to.
        QCOMPARE(zoom::Percent(zoom::In(2.0 / 3.0)), 75);
        QCOMPARE(zoom::Percent(zoom::Out(2.0 / 3.0)), 50);
        QCOMPARE(zoom::Percent(2.0 / 3.0), 67);
        QCOMPARE(zoom::Clamp(std::nan("")), zoom::kActual);
        // A deep page brings the vertical bar, which the fit of the width leaves room for.
        QCOMPARE(zoom::FitWidth({1000, 500, 500}, 800, 600, 20), 0.8);
        QCOMPARE(zoom::FitWidth({1000, 500, 2000}, 800, 600, 20), 0.78);
        QCOMPARE(zoom::FitPage({1000, 500, 4000}, 820, 300, 20), 0.6);
        QCOMPARE(zoom::FitWidth({0, 0, 0}, 800, 600, 20), zoom::kActual);
    }

    // ---- The pane ----

    void ctrlPlusThreeTimesWalksTheSteps() {
        RunningApp run({m_office});
        run.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&run.Frame()));
        run.Draw();
        QCOMPARE(run.View()->ZoomPercent(), 100);
        QCOMPARE(StatusZoom(run.Frame()), QString("100%"));
        for (int expected : {110, 125, 150}) {
            QTest::keyClick(run.View(), Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(run.View()->ZoomPercent(), expected);
        }
        QCOMPARE(StatusZoom(run.Frame()), QString("150%"));
        QTest::keyClick(run.View(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(run.View()->ZoomPercent(), 125);
        QTest::keyClick(run.View(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(run.View()->ZoomPercent(), 150);
        QTest::keyClick(run.View(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(run.View()->ZoomPercent(), 100);
        // The end greys its command.
        for (int i = 0; i < 20; ++i) run.Trigger(cmd::kZoomIn);
        QCOMPARE(run.View()->ZoomPercent(), 400);
        QVERIFY(!run.Enabled(cmd::kZoomIn));
    }

    void fitWidthMakesThePageAsWideAsTheViewport() {
        RunningApp run({m_office});
        QCOMPARE(run.Doc()->m_nDisplaySize, 0);  // Large: wider than the window at 100 %
        run.Frame().ActiveFrame()->resize(1100, 700);
        run.Trigger(kPeakSummary);
        Settle(run);
        QVERIFY(run.View()->horizontalScrollBar()->maximum() > 0);
        for (int kind : {kPeakSummary, kTotalCoolingGraph, 32796}) {
            run.Trigger(kind);
            run.Trigger(cmd::kZoomFitWidth);
            Settle(run);
            QCOMPARE(run.View()->Fit(), CQuarnView::ZoomFit::kWidth);
            QVERIFY(std::abs(run.View()->ShownPageWidth() - run.View()->viewport()->width()) <= 1);
            QCOMPARE(run.View()->horizontalScrollBar()->maximum(), 0);
        }
        // The fit follows the window as it is resized.
        const int before = run.View()->viewport()->width();
        run.Frame().ActiveFrame()->resize(900, 600);
        Settle(run);
        QVERIFY(run.View()->viewport()->width() < before);
        QVERIFY(std::abs(run.View()->ShownPageWidth() - run.View()->viewport()->width()) <= 1);
        QCOMPARE(StatusZoom(run.Frame()), QString("%1%").arg(run.View()->ZoomPercent()));
        // Fit Page shows a whole page, no wider than the fit of the width.
        const double width = run.View()->Zoom();
        run.Trigger(cmd::kZoomFitPage);
        Settle(run);
        QCOMPARE(run.View()->Fit(), CQuarnView::ZoomFit::kPage);
        QVERIFY(run.View()->Zoom() <= width + 1e-9);
        QVERIFY(run.View()->LastScrollSizes().nPageHeight * run.View()->Zoom() <=
                run.View()->viewport()->height() + 1);
        run.Trigger(cmd::kZoomIn);
        QCOMPARE(run.View()->Fit(), CQuarnView::ZoomFit::kNone);
    }

    void printingAndCopyIgnoreTheZoom() {
        RunningApp run({m_office});
        run.Frame().ActiveFrame()->resize(1000, 700);
        auto print = [&](const QString& name) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const QString path = m_files.filePath(name);
            printer.setOutputFileName(path);
            run.View()->PrintPages(printer, false, true);
            return PdfWithoutDate(path);
        };
        for (int kind : {32796, kTotalCoolingGraph, kPeakSummary}) {
            run.Trigger(kind);
            run.Trigger(cmd::kZoomActual);
            run.Draw();
            const QByteArray before = print("before.pdf");
            const std::string copy = run.Doc()->m_strCopyText;
            QVERIFY(before.size() > 1000);
            for (int i = 0; i < 3; ++i) run.Trigger(cmd::kZoomIn);
            run.Draw();
            QCOMPARE(print("zoomed.pdf"), before);
            QCOMPARE(run.Doc()->m_strCopyText, copy);
            run.Trigger(cmd::kZoomFitWidth);
            run.Draw();
            QCOMPARE(print("fitted.pdf"), before);
            QCOMPARE(run.Doc()->m_strCopyText, copy);
        }
    }

    void eachWindowKeepsItsZoomAndCtrlWheelZooms() {
        RunningApp run({m_office});
        CChildFrame* first = run.Frame().ActiveFrame();
        run.Trigger(32937);  // the long input data report
        run.Draw();
        QWidget* viewport = run.View()->viewport();
        SendWheel(viewport, 240, Qt::ControlModifier);
        QCOMPARE(run.View()->ZoomPercent(), 125);
        // A fine wheel adds up to a notch; without Ctrl the wheel scrolls.
        SendWheel(viewport, -60, Qt::ControlModifier);
        QCOMPARE(run.View()->ZoomPercent(), 125);
        SendWheel(viewport, -60, Qt::ControlModifier);
        QCOMPARE(run.View()->ZoomPercent(), 110);
        SendWheel(viewport, -120, Qt::NoModifier);
        QCOMPARE(run.View()->ZoomPercent(), 110);
        QVERIFY(run.View()->verticalScrollBar()->value() > 0);
        // Another view kind keeps the window's zoom; a new window opens at 100 %.
        run.Trigger(kTotalCoolingGraph);
        run.Draw();
        QCOMPARE(first->View()->ZoomPercent(), 110);
        run.Trigger(cmd::kWindowNew);
        QCOMPARE(run.View()->ZoomPercent(), 100);
        QCOMPARE(StatusZoom(run.Frame()), QString("100%"));
        run.Frame().MdiArea()->setActiveSubWindow(first);
        QCOMPARE(StatusZoom(run.Frame()), QString("110%"));
        for (CChildFrame* frame : run.Frame().Frames()) frame->close();
        QCOMPARE(StatusZoom(run.Frame()), QString());
        QVERIFY(!run.Enabled(cmd::kZoomFitWidth));
    }

    void fitWidthOnOpenIsASetting() {
        QSettings().remove(kFitWidthOnOpenKey);
        {
            RunningApp run({m_office});
            QAction* item = run.Frame().FindAction(cmd::kFitWidthOnOpen);
            QVERIFY(item->isCheckable() && !item->isChecked());
            item->trigger();
            QVERIFY(QSettings().value(kFitWidthOnOpenKey).toBool());
            // The open window keeps its zoom; the next one fits.
            QCOMPARE(run.View()->Fit(), CQuarnView::ZoomFit::kNone);
            run.Trigger(cmd::kFileNew);
            QCOMPARE(run.View()->Fit(), CQuarnView::ZoomFit::kWidth);
        }
        {
            RunningApp run({m_office});
            QVERIFY(run.Frame().FindAction(cmd::kFitWidthOnOpen)->isChecked());
            Settle(run);
            QVERIFY(std::abs(run.View()->ShownPageWidth() - run.View()->viewport()->width()) <= 1);
            run.Trigger(cmd::kFitWidthOnOpen);
        }
        QVERIFY(!QSettings().value(kFitWidthOnOpenKey).toBool());
    }

    // ---- Titles ----

    void titlesNameTheProgramOnceAndMarkChanges() {
        RunningApp run;
        CChildFrame* frame = run.Frame().ActiveFrame();
        QCOMPARE(run.Frame().windowTitle(), QString("Thermavo - Space1"));
        QCOMPARE(frame->FrameTitle(), QString("Space1"));
        QCOMPARE(frame->windowTitle(), QString("Space1[*]"));
        QVERIFY(!frame->isWindowModified());
        run.Doc()->SetModifiedFlag(true);
        run.Doc()->UpdateAllViews();
        QVERIFY(frame->isWindowModified());
        QCOMPARE(run.Frame().windowTitle(), QString("Thermavo - Space1"));
        // Every window of the project carries the mark, and a save clears it.
        run.Trigger(cmd::kWindowNew);
        QCOMPARE(run.Frame().windowTitle(), QString("Thermavo - Space1:2"));
        for (CChildFrame* each : run.Frame().Frames()) QVERIFY(each->isWindowModified());
        const QString path = m_files.filePath("titled.Spc");
        run.Doc()->SetPathName(path.toStdString());
        QVERIFY(run.app.DoSave(*run.Doc(), false));
        for (CChildFrame* each : run.Frame().Frames()) QVERIFY(!each->isWindowModified());
        QCOMPARE(run.Frame().Frames()[0]->FrameTitle(), QString("titled.Spc:1"));
        QCOMPARE(run.Frame().windowTitle(), QString("Thermavo - titled.Spc:2"));
    }
};

THERMAVO_APP_TEST_MAIN(ZoomTest)
#include "zoom_test.moc"
