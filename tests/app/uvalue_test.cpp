// The U-value calculator driven through its widgets: the pages, their exchange and refusals,
// the exclusive air films and spaces, and the command's result, cancel and fresh start.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <cmath>
#include <functional>

#include "AppTestSupport.h"
#include "uvalue/UValueResultDlg.h"
#include "uvalue/UvalPages.h"
#include "uvalue/UvalSheet.h"
#include "wizard/NumEdit.h"

namespace {

struct NewDoc {
    explicit NewDoc(int inputUnits) : doc(messages) {
        doc.OnNewDocument();
        doc.m_nInputUnits = inputUnits;
        messages.Clear();  // the options file's absence
    }
    CRecordingMessages messages;
    CQuarnDoc doc;
};

CUvalPageBase* PageOf(CUvalSheet& sheet, int id) {
    return sheet.Page(FindUValueMaterial(id)->nPage);
}
QCheckBox* Box(CUvalSheet& sheet, int id) { return PageOf(sheet, id)->CheckBox(id); }
QWidget* Amount(CUvalSheet& sheet, int id) { return PageOf(sheet, id)->AmountBox(id); }

// Goes forward to a page (1 to 8); the pages passed must accept.
void GoTo(CUvalSheet& sheet, int page) {
    while (sheet.currentId() < page - 1) {
        const int before = sheet.currentId();
        sheet.next();
        QCOMPARE_NE(sheet.currentId(), before);
    }
}

// Ticks a material on its page and types its amount into the box the tick focused.
void TickAndType(CUvalSheet& sheet, int id, const QString& amount = {}) {
    GoTo(sheet, FindUValueMaterial(id)->nPage);
    Box(sheet, id)->click();
    QVERIFY(Box(sheet, id)->isChecked());
    if (!amount.isEmpty()) QTest::keyClicks(QApplication::focusWidget(), amount);
}

void ShowActive(CUvalSheet& sheet) {
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
}

// Runs the command with `drive` acting on the shown sheet; the result dialog's text is kept.
struct Run {
    Run(CQuarnDoc& doc, std::function<void(CUvalSheet&)> drive) {
        SetUValueDialogRunner([&](QDialog& dialog) {
            if (auto* sheet = qobject_cast<CUvalSheet*>(&dialog)) {
                ShowActive(*sheet);
                drive(*sheet);
                return sheet->result();
            }
            results << qobject_cast<CUValueResultDlg*>(&dialog)->Text();
            return int(QDialog::Accepted);
        });
        value = CalcUValue(nullptr, doc);
        SetUValueDialogRunner({});
    }
    double value = -1;
    QStringList results;
};

void Finish(CUvalSheet& sheet) {
    GoTo(sheet, 8);
    sheet.button(QWizard::FinishButton)->click();
}

}  // namespace

class UValueTest : public QObject {
    Q_OBJECT

  private slots:
    void englishWallOfBricksAndFilms() {
        NewDoc d(0);
        Run run(d.doc, [](CUvalSheet& sheet) {
            QCOMPARE(sheet.windowTitle(), QString("Calculate U-Value"));
            QCOMPARE(sheet.Page(3)->title(),
                     QString("Calculate U-Value of wall, roof, partition or floor - Page 3 of 8"));
            QStringList labels;
            for (QLabel* label : sheet.Page(3)->findChildren<QLabel*>()) labels << label->text();
            QCOMPARE(labels.count("Inch Thick"), 8);
            QVERIFY(!sheet.button(QWizard::CustomButton1)->isEnabled());
            QVERIFY(!sheet.button(QWizard::FinishButton)->isVisible());
            TickAndType(sheet, 1123, "4");
            TickAndType(sheet, 1171, "8");
            TickAndType(sheet, 1146);  // one film, as it starts
            TickAndType(sheet, 1149);
            GoTo(sheet, 8);
            QVERIFY(sheet.button(QWizard::CustomButton1)->isEnabled());  // Back
            QVERIFY(sheet.button(QWizard::FinishButton)->isVisible());
            QVERIFY(!sheet.button(QWizard::NextButton)->isVisible());
            Finish(sheet);
        });
        QVERIFY(d.messages.messages.empty());
        QCOMPARE(run.value, 1.0 / (4 / 9.0 + 1.6 + 0.68 + 0.17));
        QCOMPARE(d.doc.m_dLastUValue, run.value);
        QCOMPARE(run.results, QStringList("U-Value: 0.3455 Btu/(Hr.Sq Ft.F)"));
    }

    void metricGlassFiberInMillimetres() {
        NewDoc d(1);
        Run run(d.doc, [](CUvalSheet& sheet) {
            QStringList labels;
            for (QLabel* label : sheet.Page(2)->findChildren<QLabel*>()) labels << label->text();
            QCOMPARE(labels.count("mm Thick"), 5);
            TickAndType(sheet, 1101, "100");
            Finish(sheet);
        });
        QVERIFY(std::fabs(run.value - 0.3607) < 5e-5);
        QCOMPARE(run.results, QStringList("U-Value: 0.3607 W/(Sq m.C)"));
    }

    void neitherUnitSystemShowsNoResult() {
        NewDoc d(2);
        Run run(d.doc, [](CUvalSheet& sheet) {
            TickAndType(sheet, 1081, "2");
            Finish(sheet);
        });
        QCOMPARE(run.value, 0.0);
        QVERIFY(run.results.isEmpty());
    }

    void boxesWaitForTheirTick() {
        NewDoc d(0);
        CUvalSheet sheet(d.doc);
        ShowActive(sheet);
        auto* thickness = dynamic_cast<CNumEdit*>(Amount(sheet, 1081));
        QVERIFY(thickness && !thickness->isEnabled());
        Box(sheet, 1081)->click();
        QVERIFY(thickness->isEnabled());
        QVERIFY(thickness->hasFocus());
        Box(sheet, 1081)->click();
        QVERIFY(!thickness->isEnabled());

        // Page 7's film counts behave alike, and a second still-air film takes the first's place.
        GoTo(sheet, 7);
        auto* up = qobject_cast<QSpinBox*>(Amount(sheet, 1142));
        auto* vertical = qobject_cast<QSpinBox*>(Amount(sheet, 1146));
        Box(sheet, 1142)->click();
        QVERIFY(up->isEnabled());
        QVERIFY(up->hasFocus());
        Box(sheet, 1146)->click();
        QVERIFY(!Box(sheet, 1142)->isChecked() && !up->isEnabled());
        QVERIFY(vertical->isEnabled());
        QVERIFY(!sheet.Selection().Get(1142).bTicked && sheet.Selection().Get(1146).bTicked);

        Box(sheet, 1148)->click();
        Box(sheet, 1149)->click();
        QVERIFY(!Box(sheet, 1148)->isChecked());

        Box(sheet, 1150)->click();  // wall air space, summer
        Box(sheet, 1152)->click();  // roof air space, horizontal, heat flow up
        QVERIFY(!Box(sheet, 1150)->isChecked() && Box(sheet, 1152)->isChecked());
        QVERIFY(!sheet.Selection().Get(1150).bTicked && sheet.Selection().Get(1152).bTicked);
    }

    void leavingAPageRefusesBadCounts() {
        NewDoc d(0);
        CUvalSheet sheet(d.doc);
        ShowActive(sheet);
        TickAndType(sheet, 1080);
        auto* layers = qobject_cast<QSpinBox*>(Amount(sheet, 1080));
        QTest::keyClicks(layers, "11");
        QCOMPARE(layers->value(), 11);
        sheet.next();
        QCOMPARE(sheet.currentId(), 0);
        QCOMPARE(d.messages.messages,
                 std::vector<std::string>{"Please enter an integer between 1 and 10."});
        QVERIFY(layers->hasFocus());

        layers->setValue(3);
        TickAndType(sheet, 1081, "1.2.");
        sheet.next();
        QCOMPARE(sheet.currentId(), 0);
        QCOMPARE(d.messages.messages.back(), std::string("Please enter a number."));
        QVERIFY(Amount(sheet, 1081)->hasFocus());

        QTest::keyClicks(Amount(sheet, 1081), ".75");  // over the refused text, selected
        sheet.next();
        QCOMPARE(sheet.currentId(), 1);
        QCOMPARE(sheet.Selection().Get(1080).nCount, 3);
        QCOMPARE(sheet.Selection().Get(1081).dThickness, 0.75);
    }

    void twoStillAirFilmsLeaveNoRoomForWind() {
        NewDoc d(0);
        CUvalSheet sheet(d.doc);
        ShowActive(sheet);
        TickAndType(sheet, 1142);
        auto* films = qobject_cast<QSpinBox*>(Amount(sheet, 1142));
        films->setValue(2);
        Box(sheet, 1148)->click();
        sheet.next();
        QCOMPARE(sheet.currentId(), 6);
        QCOMPARE(d.messages.messages, std::vector<std::string>{kTwoAirFilmsMessage});

        // Going back is no attempt to finish: only the counts are checked then.
        sheet.GoBack();
        QCOMPARE(sheet.currentId(), 5);
        sheet.next();
        QCOMPARE(sheet.currentId(), 6);
        QCOMPARE(d.messages.messages.size(), size_t{1});

        films->setValue(1);
        sheet.next();
        QCOMPARE(sheet.currentId(), 7);

        sheet.GoBack();
        films->setValue(2);
        Box(sheet, 1137)->click();  // a 45 degree film has no count
        QVERIFY(!Box(sheet, 1142)->isChecked());
        sheet.next();
        QCOMPARE(sheet.currentId(), 7);
        QCOMPARE(d.messages.messages.size(), size_t{1});
    }

    void cancelForgetsTheLastValueAndEveryRunStartsCleared() {
        NewDoc d(0);
        Run first(d.doc, [](CUvalSheet& sheet) {
            TickAndType(sheet, 1080);
            QTest::keyClicks(Amount(sheet, 1080), "4");
            TickAndType(sheet, 1099, "2");
            TickAndType(sheet, 1142);
            TickAndType(sheet, 1153);
            Finish(sheet);
        });
        QVERIFY(d.doc.m_dLastUValue > 0);

        Run second(d.doc, [](CUvalSheet& sheet) {
            for (const UValueMaterial& m : UValueMaterials()) {
                QVERIFY2(!Box(sheet, m.nId)->isChecked(), m.pszLabel);
                QWidget* amount = Amount(sheet, m.nId);
                if (amount == nullptr) continue;
                QVERIFY(!amount->isEnabled());
                if (auto* edit = dynamic_cast<CNumEdit*>(amount)) {
                    QCOMPARE(edit->text(), QString("0"));
                } else {
                    QCOMPARE(qobject_cast<QSpinBox*>(amount)->value(), 1);
                }
            }
            TickAndType(sheet, 1099, "2");
            sheet.reject();
        });
        QCOMPARE(second.value, 0.0);
        QCOMPARE(d.doc.m_dLastUValue, 0.0);
        QVERIFY(second.results.isEmpty());
    }
};

THERMAVO_APP_TEST_MAIN(UValueTest)
#include "uvalue_test.moc"
