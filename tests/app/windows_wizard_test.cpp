// The Windows Data wizard through its widgets: the fields, the six buttons and the list of a
// page, and the command's Cancel and Finish on a document.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "AppTestSupport.h"
#include "windows/WinPage.h"
#include "windows/WinSheet.h"

namespace {

constexpr const char* kQuantityMessage = "Number of glass windows must\nbe greater than zero";

void Click(CWinPage* page, const char* button) {
    auto* b = page->findChild<QPushButton*>(button);
    QVERIFY2(b != nullptr, button);
    b->click();
}

// Types a height, a width and the quantity; the other lengths get 0.5.
void Fill(CWinPage* page, const QString& height, const QString& width, const QString& quantity) {
    for (int i = 0; i < CWinPage::kDimensions; ++i) page->DimensionField(i)->setText("0.5");
    page->DimensionField(0)->setText(height);
    page->DimensionField(1)->setText(width);
    page->QuantityField()->setText(quantity);
}

void AddWindow(CWinPage* page, const QString& height, const QString& width = "2",
               const QString& quantity = "1") {
    Fill(page, height, width, quantity);
    Click(page, "add");
}

QStringList Column(const CWinPage* page, int column) {
    QStringList texts;
    for (int r = 0; r < page->List()->topLevelItemCount(); ++r) {
        texts << page->List()->topLevelItem(r)->text(column);
    }
    return texts;
}

void Select(CWinPage* page, int row) {
    page->List()->clearSelection();
    page->List()->topLevelItem(row)->setSelected(true);
}

// Runs the command; `drive` acts on the modal sheet once it is shown.
bool RunWizard(CQuarnDoc& doc, std::function<void(CWinSheet&)> drive) {
    QTimer::singleShot(0, [drive] {
        auto* sheet = qobject_cast<CWinSheet*>(QApplication::activeModalWidget());
        QVERIFY(sheet != nullptr);
        sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sheet));
        drive(*sheet);
        if (sheet->isVisible()) sheet->reject();  // a failed check must not leave it open
    });
    return RunWindowsWizard(nullptr, doc);
}

void FinishThrough(CWinSheet& sheet) {
    while (sheet.currentId() < kOrientations - 1) sheet.next();
    sheet.button(QWizard::FinishButton)->click();
}

}  // namespace

class WindowsWizardTest : public QObject {
    Q_OBJECT

  private slots:
    void addRefusesWhatItCannotReadAndKeepsTheFields() {
        CRecordingMessages messages;
        CWinSheet sheet(CWindowsValues{}, messages);
        CWinPage* page = sheet.Page(1);

        Fill(page, "3", "4", "0");
        Click(page, "add");
        QCOMPARE(messages.messages, std::vector<std::string>{kQuantityMessage});
        QCOMPARE(page->List()->topLevelItemCount(), 0);
        QCOMPARE(page->DimensionField(0)->text(), QString("3"));
        QCOMPARE(page->DimensionField(1)->text(), QString("4"));
        QCOMPARE(page->QuantityField()->selectedText(), QString("0"));

        // An unreadable length stops Add before the quantity is looked at.
        messages.Clear();
        page->DimensionField(2)->setText("1.2.");
        Click(page, "add");
        QCOMPARE(messages.messages, std::vector<std::string>{"Please enter a number."});
        QCOMPARE(page->DimensionField(2)->selectedText(), QString("1.2."));

        messages.Clear();
        Fill(page, "3", "4", "");
        Click(page, "add");
        QCOMPARE(messages.messages, std::vector<std::string>{"Please enter an integer."});
        QCOMPARE(page->Windows().GetSize(), 0);

        page->QuantityField()->setText("");
        QTest::keyClicks(page->QuantityField(), "-2.5x");  // digits only
        QCOMPARE(page->QuantityField()->text(), QString("25"));
    }

    void editUpdateAndRemoveNeedASelectedRow() {
        CRecordingMessages messages;
        CWinSheet sheet(CWindowsValues{}, messages);
        CWinPage* page = sheet.Page(2);
        AddWindow(page, "1");
        AddWindow(page, "2", "5", "3");
        AddWindow(page, "3");
        messages.Clear();

        page->List()->clearSelection();
        Click(page, "edit");
        Fill(page, "9", "9", "1");
        Click(page, "update");
        Click(page, "remove");
        QCOMPARE(messages.messages,
                 (std::vector<std::string>{
                     "Please select the item to be edited\nin the Type column and try again",
                     "Please select the item to be updated\nin the Type column and try again",
                     "Please select the item to be removed\nin the Type column and try again"}));
        QCOMPARE(page->Windows().GetSize(), 3);

        // Edit shows the record; Update puts the changed one back in its place.
        Select(page, 1);
        Click(page, "edit");
        QCOMPARE(page->DimensionField(0)->text(), QString("2"));
        QCOMPARE(page->DimensionField(1)->text(), QString("5"));
        QCOMPARE(page->QuantityField()->text(), QString("3"));
        page->DimensionField(1)->setText("6.125");
        Click(page, "update");
        QCOMPARE(page->Windows().GetSize(), 3);
        QCOMPARE(page->Windows().GetAt(1).m_dWidth, 6.125);
        QCOMPARE(page->Windows().GetAt(1).m_nQuantity, 3);
        QCOMPARE(Column(page, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(Column(page, 3), QStringList({"2.00", "6.13", "2.00"}));
        QCOMPARE(page->DimensionField(1)->text(), QString("0"));
        QCOMPARE(page->QuantityField()->text(), QString("0"));
    }

    void removeRenumbersTheRowsBelow() {
        CRecordingMessages messages;
        CWinSheet sheet(CWindowsValues{}, messages);
        CWinPage* page = sheet.Page(5);
        for (const char* height : {"1", "2", "3", "4"}) AddWindow(page, height);
        Select(page, 1);
        Click(page, "remove");
        QVERIFY(messages.messages.empty());
        QCOMPARE(Column(page, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(Column(page, 2), QStringList({"1.00", "3.00", "4.00"}));
        QCOMPARE(page->Windows().GetSize(), 3);
        QCOMPARE(page->Windows().GetAt(0).m_dHeight, 1.0);
        QCOMPARE(page->Windows().GetAt(1).m_dHeight, 3.0);
        QCOMPARE(page->Windows().GetAt(2).m_dHeight, 4.0);
    }

    void removeAllAsksOnlyWhenThereIsSomethingToRemove() {
        CRecordingMessages messages;
        CWinSheet sheet(CWindowsValues{}, messages);
        CWinPage* page = sheet.Page(8);
        Click(page, "removeAll");
        QCOMPARE(messages.messages, std::vector<std::string>{"There are no items to remove"});
        QVERIFY(messages.asked.isEmpty());

        AddWindow(page, "1");
        AddWindow(page, "2");
        messages.Clear();
        messages.okAnswer = false;
        Click(page, "removeAll");
        QCOMPARE(messages.asked,
                 QStringList{"This action will delete all glass\nwindows for this orientation."});
        QCOMPARE(page->List()->topLevelItemCount(), 2);
        QCOMPARE(page->Windows().GetSize(), 2);

        messages.okAnswer = true;
        Click(page, "removeAll");
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(page->List()->topLevelItemCount(), 0);
        QCOMPARE(page->Windows().GetSize(), 0);
        QVERIFY(messages.messages.empty());
    }

    void cancelLeavesTheDocumentAsItWas() {
        OfficeDoc office;
        QVERIFY(office.ok);
        office.doc.m_bWindowsSupplied = 0;
        CWindowList before[kOrientations];
        for (int k = 0; k < kOrientations; ++k) before[k].Copy(office.doc.m_aWindows[k]);
        const bool changed = RunWizard(office.doc, [](CWinSheet& sheet) {
            AddWindow(sheet.Page(1), "7");
            sheet.next();
            AddWindow(sheet.Page(2), "8");
            sheet.next();
            AddWindow(sheet.Page(3), "9");
            Select(sheet.Page(1), 0);
            Click(sheet.Page(1), "remove");
            sheet.button(QWizard::CancelButton)->click();
        });
        QVERIFY(!changed);
        for (int k = 0; k < kOrientations; ++k) QCOMPARE(office.doc.m_aWindows[k], before[k]);
        QVERIFY(!office.doc.IsModified());
        QCOMPARE(office.doc.m_bWindowsSupplied, 0);
    }

    void finishStoresMetricLengthsInFeet() {
        OfficeDoc office(1);
        QVERIFY(office.ok);
        office.doc.m_bWindowsSupplied = 0;
        const CWindo north = office.doc.m_aWindows[0].GetAt(0);
        const bool changed = RunWizard(office.doc, [](CWinSheet& sheet) {
            CWinPage* page = sheet.Page(1);
            QCOMPARE(page->findChild<QLabel*>("rightFinWidthUnit")->text(), QString("m"));
            AddWindow(page, "1", "2", "4");
            QCOMPARE(page->List()->topLevelItem(1)->text(2), QString("1.00"));
            QCOMPARE(QApplication::focusWidget(), page->DimensionField(0));
            QCOMPARE(page->DimensionField(0)->selectedText(), QString("0"));

            // Moving on and back keeps the page's list and what is typed in its fields.
            page->DimensionField(3)->setText("1.75");
            sheet.next();
            AddWindow(sheet.Page(2), "2.5");
            sheet.back();
            QCOMPARE(page->DimensionField(3)->text(), QString("1.75"));
            QCOMPARE(page->List()->topLevelItemCount(), 2);
            FinishThrough(sheet);
        });
        QVERIFY(changed);
        QCOMPARE(office.doc.m_bWindowsSupplied, 1);
        QVERIFY(office.doc.IsModified());
        QCOMPARE(office.doc.m_aWindows[0].GetSize(), 2);
        QVERIFY(office.doc.m_aWindows[0].GetAt(0) == north);  // untouched: bit for bit
        const CWindo added = office.doc.m_aWindows[0].GetAt(1);
        QCOMPARE(added.m_dHeight, 3.281);
        QCOMPARE(added.m_dWidth, 2 * 3.281);
        QCOMPARE(added.m_nQuantity, 4);
        QCOMPARE(office.doc.m_aWindows[1].GetSize(), 1);
        QCOMPARE(office.doc.m_aWindows[1].GetAt(0).m_dHeight, 2.5 * 3.281);
    }

    void untouchedRecordsKeepTheirStoredBitsWithMetricInput() {
        // A length that a division by 3.281 and a multiplication back would change.
        double length = 0;
        for (int i = 1; i < 1000 && length == 0; ++i) {
            if (i / 10.0 / 3.281 * 3.281 != i / 10.0) length = i / 10.0;
        }
        QVERIFY(length != 0);
        OfficeDoc office(1);
        QVERIFY(office.ok);
        CWindo stored;
        stored.m_nQuantity = 2;
        stored.m_dHeight = length;
        stored.m_dWidth = length * 2;
        stored.m_dOverhangWidth = length;
        office.doc.m_aWindows[2].RemoveAll();
        office.doc.m_aWindows[2].Add(stored);
        office.doc.m_aWindows[2].Add(stored);

        QVERIFY(RunWizard(office.doc, [](CWinSheet& sheet) {
            CWinPage* east = sheet.Page(3);
            QCOMPARE(east->List()->topLevelItemCount(), 2);
            Select(east, 0);
            Click(east, "remove");  // the other one stays as it was
            AddWindow(east, "1");
            FinishThrough(sheet);
        }));
        QCOMPARE(office.doc.m_aWindows[2].GetSize(), 2);
        QVERIFY(office.doc.m_aWindows[2].GetAt(0) == stored);
        QCOMPARE(office.doc.m_aWindows[2].GetAt(1).m_dHeight, 3.281);
    }
};

THERMAVO_APP_TEST_MAIN(WindowsWizardTest)
#include "windows_wizard_test.moc"
