// The Glass Block Walls Data dialog run as the command runs it: unit conversion both ways, the
// shade choice reaching the heating loss, Cancel and a refused field.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "AppTestSupport.h"
#include "dialogs/GlassBlockDlg.h"
#include "wizard/NumEdit.h"

namespace {

// Runs the command; `drive` acts on the modal dialog once it is shown.
bool RunDialog(CQuarnDoc& doc, std::function<void(CGlassBlockDlg&)> drive) {
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<CGlassBlockDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        const bool active = QTest::qWaitForWindowActive(dialog);
        if (active) drive(*dialog);
        if (dialog->isVisible()) dialog->reject();  // a failed check must not hang the run
        QVERIFY(active);
    });
    return RunGlassBlocksDialog(nullptr, doc);
}

QAbstractButton* Button(CGlassBlockDlg& dialog, const QString& text) {
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        if (button->text() == text) return button;
    return nullptr;
}

void SetArea(CGlassBlockDlg& dialog, int k, const QString& text) {
    dialog.AreaEdit(k)->selectAll();
    QTest::keyClicks(dialog.AreaEdit(k), text);
}

QByteArray Saved(CQuarnDoc& doc, const QString& path) {
    if (!SaveProject(doc, path.toStdString())) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class GlassBlockTest : public QObject {
    Q_OBJECT

  private slots:
    void metricAreasUseTheDialogsOwnFactor() {
        OfficeDoc office(1);
        QVERIFY(office.ok);
        office.doc.m_dGlassBlockArea[4] = 107.65;
        QVERIFY(RunDialog(office.doc, [](CGlassBlockDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Glass Block Walls Data"));
            QCOMPARE(dialog.findChild<QLabel*>("areaUnit")->text(), QString("Sq m"));
            QCOMPARE(dialog.AreaEdit(4)->text(), QString("10"));
            SetArea(dialog, 0, "10");
            Button(dialog, "OK")->click();
        }));
        QCOMPARE(office.doc.m_dGlassBlockArea[0], 107.65);
        QCOMPARE(office.doc.m_dGlassBlockArea[4], 107.65);
        QCOMPARE(office.doc.m_bGlassBlocksSupplied, 1);
        QVERIFY(office.doc.IsModified());
    }

    void indoorShadeLowersTheHeatingLoss() {
        OfficeDoc office;
        QVERIFY(office.ok);
        const double before = office.doc.GetHeatLossItem(6);
        QVERIFY(before > 0);
        QVERIFY(RunDialog(office.doc, [](CGlassBlockDlg& dialog) {
            QCOMPARE(dialog.findChild<QLabel*>("areaUnit")->text(), QString("Sq Ft"));
            QCOMPARE(dialog.ShadeGroup()->checkedId(), 0);
            dialog.ShadeGroup()->button(1)->click();
            Button(dialog, "OK")->click();
        }));
        QCOMPARE(office.doc.m_nGlassBlockShade, 1);
        QCOMPARE(office.doc.GetHeatLossItem(6) / before, 0.38 / 0.43);
    }

    void cancelChangesNothing() {
        OfficeDoc office;
        QVERIFY(office.ok);
        QTemporaryDir dir;
        const QByteArray before = Saved(office.doc, dir.filePath("before.Spc"));
        office.doc.SetModifiedFlag(false);
        QVERIFY(!RunDialog(office.doc, [](CGlassBlockDlg& dialog) {
            SetArea(dialog, 2, "55");
            dialog.ShadeGroup()->button(1)->click();
            Button(dialog, "Cancel")->click();
        }));
        QVERIFY(!office.doc.IsModified());
        QCOMPARE(Saved(office.doc, dir.filePath("after.Spc")), before);
    }

    void unparsableAreaKeepsTheDialogOpen() {
        OfficeDoc office;
        QVERIFY(office.ok);
        office.doc.m_nGlassBlockShade = 7;  // neither choice: no button shows checked
        QVERIFY(RunDialog(office.doc, [&](CGlassBlockDlg& dialog) {
            QCOMPARE(dialog.ShadeGroup()->checkedId(), -1);
            SetArea(dialog, 2, "1..5");
            Button(dialog, "OK")->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(office.messages.messages, std::vector<std::string>{"Please enter a number."});
            QVERIFY(dialog.AreaEdit(2)->hasFocus());
            QCOMPARE(dialog.AreaEdit(2)->selectedText(), QString("1..5"));

            SetArea(dialog, 2, "1.5");
            dialog.ShadeGroup()->button(0)->click();
            Button(dialog, "OK")->click();
        }));
        QCOMPARE(office.doc.m_dGlassBlockArea[2], 1.5);
        QCOMPARE(office.doc.m_nGlassBlockShade, 0);
    }
};

THERMAVO_APP_TEST_MAIN(GlassBlockTest)
#include "glassblock_test.moc"
