// The walls-and-roof and floor-and-ceiling dialogs in the running program: unit conversion on
// the way in, the boxes, the U-value buttons, the three ways to close, the commands they lock,
// and what happens to them when their project closes.

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "dialogs/FloorCeilingDlg.h"
#include "dialogs/WallsRoofDlg.h"
#include "wizard/NumEdit.h"

namespace {

template <class Dialog>
Dialog* Open(RunningApp& run, int command) {
    run.Trigger(command);
    const auto dialogs = run.Frame().findChildren<Dialog*>();
    return dialogs.size() == 1 ? dialogs[0] : nullptr;
}

QPushButton* Button(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

double Shown(CModelessInputDlg* dialog, const QString& field) {
    double value = -1;
    ReadDouble(dialog->Field(field), value);
    return value;
}

QStringList LabelTexts(QWidget* dialog) {
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString Indexed(const char* name, int index) { return QString("%1[%2]").arg(name).arg(index); }

}  // namespace

class WallsFloorTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_files;
    QString m_office;

  private slots:
    void initTestCase() {
        m_office = BuildOfficeFile(m_files.path());
        QVERIFY(!m_office.isEmpty());
    }

    void wallsMetricInputIsStoredInEnglishUnits() {
        RunningApp run({m_office});
        CQuarnDoc* doc = run.Doc();
        doc->m_nInputUnits = 1;
        doc->m_bWallsRoofSupplied = 0;
        QPointer<CWallsRoofDlg> dialog = Open<CWallsRoofDlg>(run, cmd::kWallsRoofData);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("External Walls and Roof Input Data"));
        const QStringList labels = LabelTexts(dialog);
        QCOMPARE(labels.count("(Sq m)"), 2);
        QCOMPARE(labels.count("W/(Sq m . C)"), 2);
        QCOMPARE(labels.count("(Deg C)"), 1);

        Type(dialog->Field("m_dWallArea[0]"), "10");
        Type(dialog->Field("m_dWallUHeat[0]"), "5.68");
        Type(dialog->Field("m_dGroundTemp"), "-5");
        Button(dialog, "OK")->click();
        QVERIFY(run.messages.messages.empty());
        QCOMPARE(doc->m_dWallArea[0], 107.64);
        QCOMPARE(doc->m_dWallUHeat[0], 1.0);
        QCOMPARE(doc->m_dGroundTemp, 23.0);
        // Untouched fields survive the round trip through metric.
        QCOMPARE(doc->m_dRoofArea, 6000.0);
        QCOMPARE(doc->m_dRoofUCool, 0.0849);
        QCOMPARE(doc->m_bWallsRoofSupplied, 1);
        QVERIFY(doc->IsModified());
        DeleteClosed();
        QVERIFY(dialog.isNull());
    }

    void onlyTheGroundTemperatureTakesAMinusSign() {
        RunningApp run({m_office});
        for (int command : {cmd::kWallsRoofData, cmd::kOtherBuildingData}) {
            run.Trigger(command);
            auto* dialog = run.Frame().findChild<CModelessInputDlg*>();
            QVERIFY(dialog);
            const auto edits = dialog->findChildren<QLineEdit*>();
            QCOMPARE(edits.size(), command == cmd::kWallsRoofData ? 30 : 43);
            for (QLineEdit* edit : edits) {
                Type(edit, "-7-");
                QCOMPARE(edit->text(), edit->objectName() == "m_dGroundTemp" ? "-7-" : "7");
            }
            Button(dialog, "Cancel")->click();
            DeleteClosed();
        }
    }

    void oneDialogEachAndTheCommandsItLocks() {
        RunningApp run({m_office});
        const int locked[] = {cmd::kGeneralData,      cmd::kUValue,        cmd::kOptions,
                              cmd::kGlassWindowsData, cmd::kWallsRoofData, cmd::kOtherBuildingData,
                              cmd::kGlassBlocksData};
        for (int command : {cmd::kWallsRoofData, cmd::kOtherBuildingData}) {
            run.Trigger(command);
            run.Frame().OnProjectCommand(command);
            const auto dialogs = run.Frame().findChildren<CModelessInputDlg*>();
            QCOMPARE(dialogs.size(), 1);
            QVERIFY(dialogs[0]->isVisible());
            for (int id : locked) QVERIFY2(!run.Enabled(id), qPrintable(QString::number(id)));
            Button(dialogs[0], "Cancel")->click();
            DeleteClosed();
            for (int id : locked) QVERIFY2(run.Enabled(id), qPrintable(QString::number(id)));
        }
        QVERIFY(run.messages.messages.empty());
    }

    void closeBoxSaysSoCancelAndEscapeSayNothing() {
        RunningApp run({m_office});
        CQuarnDoc* doc = run.Doc();
        // Close box, Cancel, Esc.
        for (int way = 0; way < 3; ++way) {
            QPointer<CWallsRoofDlg> dialog = Open<CWallsRoofDlg>(run, cmd::kWallsRoofData);
            QVERIFY(dialog);
            Type(dialog->Field("m_dWallArea[0]"), "1234");
            if (way == 0) dialog->close();
            if (way == 1) Button(dialog, "Cancel")->click();
            if (way == 2) QTest::keyClick(dialog->Field("m_dWallArea[0]"), Qt::Key_Escape);
            QCOMPARE(run.messages.messages, way == 0 ? std::vector<std::string>{"No change applied"}
                                                     : std::vector<std::string>{});
            DeleteClosed();
            QVERIFY(dialog.isNull());
            run.messages.Clear();
        }
        QCOMPARE(doc->m_dWallArea[0], 900.0);
        QVERIFY(!doc->IsModified());
    }

    void calculateButtonsFillTheirOwnField() {
        RunningApp run({m_office});
        CQuarnDoc* doc = run.Doc();
        QPointer<CWallsRoofDlg> dialog = Open<CWallsRoofDlg>(run, cmd::kWallsRoofData);
        QVERIFY(dialog);
        int calls = 0;
        double result = 0.5;
        dialog->SetCalculator([&] {
            ++calls;
            return result;
        });
        Button(dialog, "Roof Win")->click();
        QCOMPARE(dialog->Field("m_dRoofUHeat")->text(), QString("0.5"));
        QCOMPARE(dialog->Field("m_dRoofUCool")->text(), QString("0.0849"));
        QCOMPARE(dialog->Field("m_dWallUHeat[7]")->text(), QString("0"));
        // Nothing reaches the project before OK.
        QCOMPARE(doc->m_dRoofUHeat, 0.0872);

        // 0.0 is the calculator's "no value".
        result = 0.0;
        Button(dialog, "N Wall Sum")->click();
        QCOMPARE(dialog->Field("m_dWallUCool[0]")->text(), QString("0.0854"));
        QCOMPARE(calls, 2);

        // A box that is no number stops the button and OK where they are.
        Type(dialog->Field("m_dWallArea[2]"), ".");
        result = 0.7;
        Button(dialog, "BG Walls Win")->click();
        QCOMPARE(calls, 2);
        QCOMPARE(run.messages.messages, std::vector<std::string>{kNotANumberMessage});
        QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(dialog->Field("m_dWallArea[2]")));
        Button(dialog, "OK")->click();
        QCOMPARE(run.messages.messages.size(), size_t(2));
        DeleteClosed();
        QVERIFY(dialog);
        QVERIFY(!doc->IsModified());

        Type(dialog->Field("m_dWallArea[2]"), "570");
        Button(dialog, "OK")->click();
        QCOMPARE(doc->m_dRoofUHeat, 0.5);
        QCOMPARE(doc->m_dRoofUCool, 0.0849);
        QVERIFY(doc->IsModified());
    }

    void floorDefaultsUntilFirstConfirmed() {
        RunningApp run({m_office});
        CQuarnDoc* doc = run.Doc();
        doc->m_bFloorCeilingSupplied = 0;
        doc->m_dOutsideDBCool = 95;
        doc->m_dInsideDBCool = 78;
        doc->m_dInsideDBHeat = 72;
        doc->m_dOutsideDBHeat = 22;
        struct Case {
            int units;
            double outsideCool, summer, winter;
            const char* tempDiffUnit;
        } cases[] = {{0, 95, 8.5, 25, "(F Deg)"},
                     {1, 95, 8.5 / 1.8, 25 / 1.8, "(C Deg)"},
                     {0, 70, 0, 25, "(F Deg)"}};
        for (const Case& c : cases) {
            doc->m_nInputUnits = c.units;
            doc->m_dOutsideDBCool = c.outsideCool;
            auto* dialog = Open<CFloorCeilingDlg>(run, cmd::kOtherBuildingData);
            QVERIFY(dialog);
            QVERIFY(LabelTexts(dialog).contains(c.tempDiffUnit));
            for (int s = 0; s < kSurfaces; ++s) {
                QCOMPARE(Shown(dialog, Indexed("m_dSurfTDCool", s)), c.summer);
                QCOMPARE(Shown(dialog, Indexed("m_dSurfTDHeat", s)), c.winter);
            }
            Button(dialog, "Cancel")->click();
            DeleteClosed();
        }

        // Once confirmed, the stored differences are shown, zeros included.
        doc->m_nInputUnits = 0;
        doc->m_dOutsideDBCool = 95;
        auto* dialog = Open<CFloorCeilingDlg>(run, cmd::kOtherBuildingData);
        QVERIFY(dialog);
        for (int s = 0; s < kSurfaces; ++s) {
            Type(dialog->Field(Indexed("m_dSurfTDCool", s)), "0");
            Type(dialog->Field(Indexed("m_dSurfTDHeat", s)), "0");
        }
        Button(dialog, "OK")->click();
        QCOMPARE(doc->m_bFloorCeilingSupplied, 1);
        DeleteClosed();
        dialog = Open<CFloorCeilingDlg>(run, cmd::kOtherBuildingData);
        QVERIFY(dialog);
        for (int s = 0; s < kSurfaces; ++s) {
            QCOMPARE(dialog->Field(Indexed("m_dSurfTDCool", s))->text(), QString("0"));
            QCOMPARE(dialog->Field(Indexed("m_dSurfTDHeat", s))->text(), QString("0"));
        }
    }

    void floorMetricSlabAndItsOwnCalculateButton() {
        RunningApp run({m_office});
        CQuarnDoc* doc = run.Doc();
        doc->m_nInputUnits = 1;
        auto* dialog = Open<CFloorCeilingDlg>(run, cmd::kOtherBuildingData);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(),
                 QString("Floor, Ceiling, Partitions and Skylights Input Data"));
        QVERIFY(LabelTexts(dialog).contains("(W/m)"));
        QVERIFY(LabelTexts(dialog).contains("(m)"));
        Type(dialog->Field("m_dSlabPerimeter"), "10");
        Type(dialog->Field("m_dSlabEdgeFactor"), "0.961286");
        // Two buttons read "Flr Win": the slab's fills the slab's U-value only.
        dialog->SetCalculator([] { return 2.84; });
        dialog->findChild<QPushButton*>("calc:m_dSlabUHeat")->click();
        QCOMPARE(dialog->Field("m_dSurfUHeat[0]")->text(), QString("0"));
        Button(dialog, "OK")->click();
        QVERIFY(run.messages.messages.empty());
        QCOMPARE(doc->m_dSlabPerimeter, 32.81);
        QCOMPARE(doc->m_dSlabEdgeFactor, 1.0);
        QCOMPARE(doc->m_dSlabUHeat, 0.5);
        QCOMPARE(doc->m_dSurfUHeat[kFloor], 0.0);
    }

    // The dialogs hold their project: they must not outlive it, nor store into it on the way.
    void closingTheProjectClosesItsDialog() {
        RunningApp run({m_office});
        CQuarnDoc* office = run.Doc();
        QPointer<CWallsRoofDlg> dialog = Open<CWallsRoofDlg>(run, cmd::kWallsRoofData);
        QVERIFY(dialog);
        Type(dialog->Field("m_dWallArea[0]"), "1234");
        // Another project's close leaves it alone.
        run.app.OnFileNew();
        QVERIFY(run.Doc() != office);
        run.Trigger(cmd::kFileClose);
        DeleteClosed();
        QVERIFY(dialog);
        run.messages.Clear();
        run.Frame().ActivateDocument(*office);
        QCOMPARE(run.Doc(), office);
        run.Trigger(cmd::kFileClose);
        QVERIFY(dialog.isNull());
        // Nothing was stored, so there was nothing to ask about, and nothing was said.
        QVERIFY(run.messages.asked.isEmpty());
        QVERIFY(run.messages.messages.empty());
        QVERIFY(run.Enabled(cmd::kFileNew));

        RunningApp again({m_office});
        QPointer<CFloorCeilingDlg> floor = Open<CFloorCeilingDlg>(again, cmd::kOtherBuildingData);
        QVERIFY(floor);
        again.Frame().close();
        QVERIFY(floor.isNull());
        QVERIFY(again.messages.messages.empty());
    }
};

THERMAVO_APP_TEST_MAIN(WallsFloorTest)
#include "walls_floor_test.moc"
