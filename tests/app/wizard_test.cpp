// The General Project Data wizard, pages 1 to 7 and the sheet: numeric boxes, the tree adapter,
// page exchange and its refusals, and the command run on a document.

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "HelpBrowser.h"
#include "HelpWindow.h"
#include "input/ConstructionTrees.h"
#include "tessil/tessil.h"
#include "tree/MemoryTreeCtrl.h"
#include "wizard/NumEdit.h"
#include "wizard/ProjSheet.h"
#include "wizard/TreeWidgetCtrl.h"

namespace {

QTreeWidgetItem* FindItem(QTreeWidgetItem* item, const QString& text) {
    if (item->text(0) == text) return item;
    for (int i = 0; i < item->childCount(); ++i) {
        if (QTreeWidgetItem* found = FindItem(item->child(i), text)) return found;
    }
    return nullptr;
}

QStringList Children(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
    return texts;
}

// The texts and data of a tree in depth-first order, through the adapter's navigation.
QStringList Dump(const CTreeCtrl& tree, HTREEITEM item, int depth = 0) {
    QStringList lines;
    for (; item != 0; item = tree.GetNextSiblingItem(item)) {
        lines << QString("%1%2=%3")
                     .arg(QString(depth, ' '), QString::fromStdString(tree.GetItemText(item)))
                     .arg(tree.GetItemData(item));
        lines << Dump(tree, tree.GetChildItem(item), depth + 1);
    }
    return lines;
}

// Runs the command; `drive` acts on the modal sheet once it is shown.
bool RunWizard(CQuarnDoc& doc, std::function<void(CProjSheet&)> drive) {
    QTimer::singleShot(0, [drive] {
        auto* sheet = qobject_cast<CProjSheet*>(QApplication::activeModalWidget());
        if (sheet == nullptr) {
            sheet = QApplication::activeModalWidget()
                        ? QApplication::activeModalWidget()->findChild<CProjSheet*>()
                        : nullptr;
        }
        QVERIFY(sheet != nullptr);
        sheet->SetReporter([](const QString& message) { QFAIL(qPrintable(message)); });
        drive(*sheet);
    });
    return RunGeneralDataWizard(nullptr, doc);
}

void FinishThrough(CProjSheet& sheet) {
    for (int i = 0; i < 13 && sheet.currentId() < 13; ++i) sheet.next();
    QCOMPARE(sheet.currentId(), 13);
    sheet.button(QWizard::FinishButton)->click();
}

QByteArray Saved(CQuarnDoc& doc, const QString& path) {
    if (!SaveProject(doc, path.toStdString())) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// With THERMAVO_SCREENSHOT_DIR set, saves the sheet as shown, one PNG a page.
void SaveSheetScreenshot(QWidget& sheet, int page) {
    const QString dir = qEnvironmentVariable("THERMAVO_SCREENSHOT_DIR");
    if (!dir.isEmpty()) sheet.grab().save(QString("%1/sheet%2.png").arg(dir).arg(page));
}

}  // namespace

class WizardTest : public QObject {
    Q_OBJECT

  private slots:
    // --- numeric boxes -------------------------------------------------------------------

    void numEditDropsSignsAndLetters() {
        CNumEdit edit;
        QTest::keyClicks(&edit, "1-2a.5Z");
        QCOMPARE(edit.text(), QString("12.5"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QString("12."));
        QTest::keyClicks(&edit, "-");
        QCOMPARE(edit.text(), QString("12."));
    }

    void numEditFiltersPastedText() {
        CNumEdit edit;
        edit.setText("7");
        edit.end(false);
        QGuiApplication::clipboard()->setText("-3,4 kg.5");
        edit.paste();
        QCOMPARE(edit.text(), QString("734.5"));
    }

    void signedNumEditTakesMinus() {
        CSignedNumEdit edit;
        QTest::keyClicks(&edit, "-1e5.x");
        QCOMPARE(edit.text(), QString("-15."));
    }

    // --- the tree adapter ---------------------------------------------------------------

    void stationTreeIsTheLibrarysTree() {
        QTreeWidget widget;
        CTreeWidgetCtrl tree(&widget);
        PopulateCityTree(&tree);
        CMemoryTreeCtrl memory;
        PopulateCityTree(&memory);
        const QStringList shown = Dump(tree, tree.GetRootItem());
        QVERIFY(shown.size() > 100);
        QCOMPARE(shown, Dump(memory, memory.GetRootItem()));
    }

    void sortedInsertionIgnoresCaseAndKeepsTies() {
        QTreeWidget widget;
        CTreeWidgetCtrl tree(&widget);
        const HTREEITEM root = tree.InsertItem("root", TVI_ROOT, TVI_LAST);
        tree.InsertItem("beta", root, TVI_SORT);
        tree.InsertItem("Alpha", root, TVI_SORT);
        const HTREEITEM first = tree.InsertItem("BETA", root, TVI_SORT);
        tree.SetItemData(first, 5);
        tree.InsertItem("zeta", root, TVI_FIRST);
        tree.InsertItem("last", root, TVI_LAST);
        QCOMPARE(Children(widget.topLevelItem(0)),
                 QStringList({"zeta", "Alpha", "beta", "BETA", "last"}));
        QCOMPARE(tree.GetItemData(first), std::intptr_t{5});
        QCOMPARE(tree.GetParentItem(first), root);
        QCOMPARE(tree.GetParentItem(root), HTREEITEM{0});
        QCOMPARE(tree.InsertItem("x", 0, TVI_LAST), HTREEITEM{0});
    }

    // --- pages -----------------------------------------------------------------------------

    void page3RefusesHumidityOutsideItsRange() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage3(nullptr));
        CGeneralDataValues values;
        values.m_dInsideDBCool = 78;
        values.m_dInsideRH = 50;
        values.m_dInsideDBHeat = 70;
        page->LoadValues(values);
        auto* rh = page->findChild<QLineEdit*>("insideRH");
        QVERIFY(rh);
        QString message;
        QWidget* focus = nullptr;
        rh->setText("66");
        QVERIFY(!page->StoreValues(values, message, focus));
        QCOMPARE(message, QString("Please enter a number between 40 and 65."));
        QCOMPARE(focus, rh);
        for (const char* accepted : {"40", "65", "52.5"}) {
            rh->setText(accepted);
            QVERIFY(page->StoreValues(values, message, focus));
            QCOMPARE(values.m_dInsideRH, QString(accepted).toDouble());
        }
        rh->setText("4.0.");
        QVERIFY(!page->StoreValues(values, message, focus));
        QCOMPARE(message, QString("Please enter a number."));
        QCOMPARE(focus, rh);
    }

    void page3ShowsTheUnitsAndNumbersExactly() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage3(nullptr));
        CGeneralDataValues values;
        values.m_dInsideDBCool = 25.555;
        values.m_dInsideRH = 50;
        values.strCoolTempUnit = "Deg C";
        values.strHeatTempUnit = "Deg C";
        page->LoadValues(values);
        QCOMPARE(page->findChild<QLineEdit*>("insideDBCool")->text(), QString("25.555"));
        QStringList labels;
        for (QLabel* label : page->findChildren<QLabel*>()) labels << label->text();
        QCOMPARE(labels.count("Deg C"), 2);
        QVERIFY(labels.contains("% RH"));
        QVERIFY(labels.contains("Inside disign dry bulb temperature (Cooling)"));
    }

    void page6RefusesNextUntilALeafIsChosen() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage6(nullptr));
        CGeneralDataValues values;  // a new project: no wall group yet
        page->LoadValues(values);
        auto* tree = page->findChild<QTreeWidget*>("wallTree");
        QVERIFY(tree);
        QVERIFY(tree->selectedItems().isEmpty());
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
        QString message;
        QWidget* focus = nullptr;
        QVERIFY(!page->StoreValues(values, message, focus));
        QCOMPARE(message, QString(kNoWallGroupMessage));
        QCOMPARE(focus, tree);

        QTreeWidgetItem* frame = FindItem(tree->topLevelItem(0), "Frame Wall");
        QVERIFY(frame);
        tree->setCurrentItem(frame);  // a construction node is no choice
        QVERIFY(!page->StoreValues(values, message, focus));

        tree->setCurrentItem(frame->child(0));
        QVERIFY(page->StoreValues(values, message, focus));
        QCOMPARE(values.m_nWallGroup, 70);
        QCOMPARE(values.m_strWallGroup1,
                 std::string("G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"));
        QCOMPARE(values.m_strWallGroup2, std::string("Frame Wall"));
    }

    void page6KeepsTheProjectsGroupWithoutAChoice() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage6(nullptr));
        CGeneralDataValues values;
        values.nCurrentWallGroup = 30;
        values.m_strWallGroup1 = "kept";
        page->LoadValues(values);
        QString message;
        QWidget* focus = nullptr;
        QVERIFY(page->StoreValues(values, message, focus));
        QCOMPARE(values.m_nWallGroup, 0);
        QCOMPARE(values.m_strWallGroup1, std::string("kept"));
    }

    void wallTreeIsAlphabeticalAndBTreeInInsertionOrder() {
        std::unique_ptr<CProjPageBase> page6(CreateProjPage6(nullptr));
        std::unique_ptr<CProjPageBase> page7(CreateProjPage7(nullptr));
        CGeneralDataValues values;
        page6->LoadValues(values);
        page7->LoadValues(values);
        auto* wall = page6->findChild<QTreeWidget*>("wallTree");
        QCOMPARE(wall->topLevelItemCount(), 1);
        QCOMPARE(wall->topLevelItem(0)->text(0), QString(kWallTreeRoot));
        const QStringList constructions = Children(wall->topLevelItem(0));
        QCOMPARE(constructions.size(), 9);
        QStringList sorted = constructions;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(constructions, sorted);
        const QStringList faceBrick = Children(wall->topLevelItem(0)->child(0));
        QStringList faceBrickSorted = faceBrick;
        faceBrickSorted.sort(Qt::CaseInsensitive);
        QCOMPARE(faceBrick, faceBrickSorted);

        auto* b = page7->findChild<QTreeWidget*>("bClassTree");
        QTreeWidgetItem* root = b->topLevelItem(0);
        QCOMPARE(root->text(0), QString(kBClassTreeRoot));
        QCOMPARE(Children(root), QStringList({"Floor Covered With Carpet And Rubber Pad",
                                              "Floor Covered With Tile"}));
        const QStringList circulation = {
            "Low Ventilation Rate - minimum for cooling load",
            "Medium Ventilation Rate - supply thru floor, wall or ceiling diffuser",
            "High Room Air Circulation - return thru ceiling space",
            "Very High Room Air Circulation - return thru ceiling space"};
        QCOMPARE(Children(root->child(0)), circulation);
        QCOMPARE(Children(root->child(1)), circulation);
        QCOMPARE(root->child(1)->child(2)->child(1)->text(0),
                 QString("A: 3 in. (75 mm) Concrete Floor"));
    }

    void page7TakesTheBLeafAndItsAncestors() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage7(nullptr));
        CGeneralDataValues values;
        values.m_nLightOnHour = 7;
        page->LoadValues(values);
        QString message;
        QWidget* focus = nullptr;
        QVERIFY(!page->StoreValues(values, message, focus));
        QCOMPARE(message, QString(kNoBClassMessage));
        auto* b = page->findChild<QTreeWidget*>("bClassTree");
        b->setCurrentItem(b->topLevelItem(0)->child(1)->child(0)->child(0));
        QVERIFY(page->StoreValues(values, message, focus));
        QCOMPARE(values.m_nBClass, 10);
        QCOMPARE(values.m_strBClass1, std::string("A: 2 in. (50 mm) Wooden Floor"));
        QCOMPARE(values.m_strBClass2,
                 std::string("Low Ventilation Rate - minimum for cooling load"));
        QCOMPARE(values.m_strBClass3, std::string("Floor Covered With Tile"));
    }

    void page7RefusesAnHourOutsideTheDay() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage7(nullptr));
        CGeneralDataValues values;
        values.nCurrentBClass = 20;
        values.m_nLightOnHour = 25;
        page->LoadValues(values);
        auto* hour = page->findChild<QSpinBox*>("lightOnHour");
        QString message;
        QWidget* focus = nullptr;
        QVERIFY(!page->StoreValues(values, message, focus));
        QCOMPARE(message, QString("Please enter an integer between 1 and 24."));
        QCOMPARE(focus, hour);
        hour->setValue(24);
        hour->stepBy(5);  // the arrows stay within the day
        QCOMPARE(hour->value(), 24);
        QVERIFY(page->StoreValues(values, message, focus));
        QCOMPARE(values.m_nLightOnHour, 24);
    }

    void page1SelectionGivesIndexNameAndRegion() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage1(nullptr));
        CGeneralDataValues values;
        values.m_nCityIndex = 152;  // handed over, but nothing is chosen on this visit
        values.m_strProjectName = "Office";
        page->LoadValues(values);
        auto* tree = page->findChild<QTreeWidget*>("cityTree");
        QVERIFY(tree->selectedItems().isEmpty());
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
        QString message;
        QWidget* focus = nullptr;
        QVERIFY(page->StoreValues(values, message, focus));
        QCOMPARE(values.m_nCityIndex, 0);

        QTreeWidgetItem* station = tree->topLevelItem(0);
        while (station->childCount() > 0) station = station->child(0);
        tree->setCurrentItem(station);
        QVERIFY(page->StoreValues(values, message, focus));
        QVERIFY(values.m_nCityIndex != 0);
        QCOMPARE(values.m_nCityIndex, station->data(0, Qt::UserRole).toInt());
        QCOMPARE(QString::fromStdString(values.m_strCityName), station->text(0));
        QCOMPARE(QString::fromStdString(values.m_strCityRegion), station->parent()->text(0));

        page->findChild<QLineEdit*>("projectName")->setText(QString(40, 'x'));
        QCOMPARE(page->findChild<QLineEdit*>("projectName")->text().size(), 34);
    }

    // Texts of the original program's files are 8-bit (Latin-1 like); JSON gives UTF-8.
    void page1KeepsProjectTextsByteForByte() {
        OfficeDoc office;
        QVERIFY(office.ok);
        const std::string name = "B\xE2timent Sud, Z\xFCrich";
        const std::string designer = "J. M\xFCller";
        const std::string address = "Stra\xDF\x65 7, Z\xFCrich";  // "Straße 7"
        const std::string date = "1er ao\xFBt";
        office.doc.m_strProjectName = name;
        office.doc.m_strProjectDesigner = designer;
        office.doc.m_strProjectAddress = address;
        office.doc.m_strProjectDate = date;
        office.doc.m_strCityName = "Z\xFCrich";
        office.doc.m_strCityRegion = "Gen\xE8ve";
        QString shownName, shownCaption;
        QVERIFY(RunWizard(office.doc, [&](CProjSheet& sheet) {
            shownName = sheet.Page(1)->findChild<QLineEdit*>("projectName")->text();
            shownCaption = sheet.Page(1)->findChild<QLabel*>("stationCaption")->text();
            FinishThrough(sheet);
        }));
        QCOMPARE(shownName, QString::fromUtf8("B\u00e2timent Sud, Z\u00fcrich"));
        QCOMPARE(shownCaption,
                 QString::fromUtf8("Current Weather Station: Z\u00fcrich, Gen\u00e8ve"));
        QCOMPARE(office.doc.m_strProjectName, name);
        QCOMPARE(office.doc.m_strProjectDesigner, designer);
        QCOMPARE(office.doc.m_strProjectAddress, address);
        QCOMPARE(office.doc.m_strProjectDate, date);
        QCOMPARE(office.doc.m_strCityName, std::string("Z\xFCrich"));
        QTemporaryDir dir;
        QVERIFY(Saved(office.doc, dir.filePath("latin1.Spc")).contains(name.c_str()));

        // Typed text: 8-bit where every character fits a byte, else UTF-8; unchanged UTF-8 (as
        // a description gives it) stays UTF-8. Each reads back as typed.
        office.doc.m_strProjectDesigner = "Z\xC3\xBCrich";
        QVERIFY(RunWizard(office.doc, [&](CProjSheet& sheet) {
            sheet.Page(1)
                ->findChild<QLineEdit*>("projectName")
                ->setText(QString::fromUtf8("Gen\u00e8ve"));
            sheet.Page(1)
                ->findChild<QLineEdit*>("projectAddress")
                ->setText(QString::fromUtf8("\u0141\u00f3d\u017a"));
            FinishThrough(sheet);
        }));
        QCOMPARE(office.doc.m_strProjectName, std::string("Gen\xE8ve"));
        QCOMPARE(office.doc.m_strProjectAddress, std::string("\xC5\x81\xC3\xB3\x64\xC5\xBA"));
        QCOMPARE(office.doc.m_strProjectDesigner, std::string("Z\xC3\xBCrich"));
        QCOMPARE(ToQString(office.doc.m_strProjectAddress),
                 QString::fromUtf8("\u0141\u00f3d\u017a"));
    }

    void page1SearchHidesOtherStationsOnly() {
        std::unique_ptr<CProjPageBase> page(CreateProjPage1(nullptr));
        page->LoadValues(CGeneralDataValues{});
        auto* tree = page->findChild<QTreeWidget*>("cityTree");
        QTreeWidgetItem* station = tree->topLevelItem(0);
        while (station->childCount() > 0) station = station->child(0);
        const QString name = station->text(0);
        page->findChild<QLineEdit*>("stationSearch")->setText(name.toLower());
        QVERIFY(!station->isHidden());
        int visible = 0;
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it; ++it) {
            if ((*it)->childCount() == 0) {
                ++visible;
                QVERIFY((*it)->text(0).contains(name, Qt::CaseInsensitive));
            }
        }
        QVERIFY(visible >= 1);
        page->findChild<QLineEdit*>("stationSearch")->clear();
        QVERIFY(!tree->topLevelItem(0)->isHidden());
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
    }

    // The caption follows the tree: a station shows at once, a region or no choice shows the
    // project's station again (which Finish then keeps).
    void page1CaptionShowsThePickedStation() {
        OfficeDoc office;
        QVERIFY(office.ok);
        CProjSheet sheet(FillGeneralData(office.doc));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        auto* tree = sheet.Page(1)->findChild<QTreeWidget*>("cityTree");
        auto* caption = sheet.Page(1)->findChild<QLabel*>("stationCaption");
        const QString project = caption->text();
        QCOMPARE(project, QString("Current Weather Station: Atlanta, Georgia"));

        QTreeWidgetItem* station = FindItem(tree->topLevelItem(0), "Denver AP");
        QVERIFY(station != nullptr);
        tree->setCurrentItem(station);
        SaveSheetScreenshot(sheet, 101);
        QCOMPARE(caption->text(), QString("Current Weather Station: Denver AP, Colorado"));
        // The highlight lies on the text, not on the branch lines left of it nor on the rest
        // of the column, which the longest station shown makes wide.
        tree->scrollToItem(station);
        const QRect item = tree->visualItemRect(station);
        const QImage shown = tree->viewport()->grab().toImage();
        const int y = item.center().y();
        const QRgb highlight = shown.pixel(item.left() + 1, y);
        QVERIFY(highlight == tree->palette().color(QPalette::Active, QPalette::Highlight).rgb() ||
                highlight == tree->palette().color(QPalette::Inactive, QPalette::Highlight).rgb());
        const int textEnd = item.left() + tree->fontMetrics().horizontalAdvance("Denver AP") + 8;
        QVERIFY(item.width() > textEnd - item.left() + 10);  // "Colorado Plains Regional"
        QVERIFY(highlight != shown.pixel(item.left() - 12, y));
        QVERIFY(highlight != shown.pixel(item.left() - 40, y));
        QVERIFY(highlight != shown.pixel(textEnd + 4, y));
        QVERIFY(highlight != shown.pixel(item.right() - 2, y));

        // A station picked with the keyboard after a search.
        sheet.Page(1)->findChild<QLineEdit*>("stationSearch")->setText("kalgoorlie");
        tree->setFocus();
        QTreeWidgetItem* found = FindItem(tree->topLevelItem(0), "Kalgoorlie, Boulder");
        QVERIFY(found != nullptr);
        tree->setCurrentItem(found);
        SaveSheetScreenshot(sheet, 102);
        QCOMPARE(caption->text(),
                 "Current Weather Station: Kalgoorlie, Boulder, " + found->parent()->text(0));

        tree->setCurrentItem(found->parent());
        QCOMPARE(caption->text(), project);
        tree->setCurrentItem(station);
        tree->clearSelection();
        QCOMPARE(caption->text(), project);
    }

    // --- the sheet and the command -----------------------------------------------------------

    void sheetHasFourteenTitledPages() {
        CProjSheet sheet(CGeneralDataValues{});
        QCOMPARE(sheet.windowTitle(), QString("Input Data for Project"));
        QCOMPARE(sheet.pageIds().size(), 14);
        QCOMPARE(sheet.Page(1)->title(), QString("General Project Data Input - Page 1 of 14"));
        QCOMPARE(sheet.Page(14)->title(), QString("General Project Data Input - Page 14 of 14"));
    }

    // Page 13 tells the user to click Help for the glass abbreviations: the button must exist
    // and land on the section that explains them.
    void helpOnTheGlassPageOpensTheAbbreviations() {
        QList<QUrl> opened;
        OfficeDoc office;
        CProjSheet sheet(FillGeneralData(office.doc));
        sheet.show();
        QAbstractButton* help = sheet.button(QWizard::HelpButton);
        QVERIFY(help != nullptr && help->isVisible());
        help->click();
        opened << CHelpWindow::Instance()->Browser()->source();
        for (int i = 0; i < 12; ++i) sheet.next();
        QCOMPARE(sheet.currentId(), 12);
        help->click();
        opened << CHelpWindow::Instance()->Browser()->source();
        CHelpWindow::CloseInstance();
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0].path().endsWith("help/general_data.html"));
        // Every page has its own section; the first page's is the project and station.
        QCOMPARE(opened[0].fragment(), QString("project"));
        QCOMPARE(opened[1].fragment(), QString("glass"));
        QFile page(opened[1].toLocalFile());
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("id=\"glass\""));
    }

    // Next and Finish must not move under the mouse: the sheet is as large as its largest page
    // from the start, on every page and either way through.
    void sheetKeepsOneSizeOnEveryPage() {
        OfficeDoc office;
        QVERIFY(office.ok);
        CProjSheet sheet(FillGeneralData(office.doc));
        sheet.SetReporter([](const QString& message) { QFAIL(qPrintable(message)); });
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        // Per page shown: the sheet's size, where Cancel and Next (or Finish) are, and whether
        // the page got the room it asks for.
        QStringList seen;
        auto look = [&] {
            QApplication::processEvents();
            const int page = sheet.currentId() + 1;
            SaveSheetScreenshot(sheet, page);
            QAbstractButton* commit = sheet.button(QWizard::NextButton);
            if (!commit->isVisible()) commit = sheet.button(QWizard::FinishButton);
            const QPoint at = commit->mapTo(&sheet, QPoint());
            const QPoint cancel = sheet.button(QWizard::CancelButton)->mapTo(&sheet, QPoint());
            const QSize hint = sheet.currentPage()->minimumSizeHint();
            const bool fits = sheet.currentPage()->width() >= hint.width() &&
                              sheet.currentPage()->height() >= hint.height();
            seen << QString("%1x%2 next %3,%4 cancel %5,%6 %7")
                        .arg(sheet.width())
                        .arg(sheet.height())
                        .arg(at.x())
                        .arg(at.y())
                        .arg(cancel.x())
                        .arg(cancel.y())
                        .arg(fits ? "fits" : QString("page %1 cut").arg(page));
        };
        look();
        for (int i = 0; i < 13; ++i) {
            sheet.next();
            look();
        }
        QCOMPARE(sheet.currentId(), 13);
        for (int i = 0; i < 13; ++i) {
            sheet.GoBack();
            look();
        }
        QCOMPARE(sheet.currentId(), 0);
        QCOMPARE(seen, QStringList(27, seen.front()));
        QVERIFY(seen.front().endsWith("fits"));
    }

    void sheetKeepsAPageWhoseValuesAreRefusedEitherWay() {
        OfficeDoc office;
        QVERIFY(office.ok);
        CProjSheet sheet(FillGeneralData(office.doc));
        QStringList reported;
        sheet.SetReporter([&](const QString& message) { reported << message; });
        sheet.show();
        sheet.next();
        sheet.next();
        QCOMPARE(sheet.currentId(), 2);
        auto* rh = sheet.Page(3)->findChild<QLineEdit*>("insideRH");
        rh->setText("66");
        sheet.next();
        QCOMPARE(sheet.currentId(), 2);
        sheet.GoBack();
        QCOMPARE(sheet.currentId(), 2);
        QCOMPARE(reported, QStringList(2, "Please enter a number between 40 and 65."));
        rh->setText("45");
        sheet.GoBack();  // Back stores the page it leaves
        QCOMPARE(sheet.currentId(), 1);
        QCOMPARE(sheet.Values().m_dInsideRH, 45.0);
    }

    void finishWithMetricInputKeepsTheTemperature() {
        OfficeDoc office(1);
        QVERIFY(office.ok);
        office.doc.m_dInsideDBCool = 78;
        QVERIFY(RunWizard(office.doc, FinishThrough));
        QCOMPARE(office.doc.m_dInsideDBCool, 77.999);
        QVERIFY(office.doc.IsModified());
    }

    void reopeningWithoutTouchingTheTreeKeepsTheStation() {
        OfficeDoc office;
        QVERIFY(office.ok);
        int chosen = 0;
        QVERIFY(RunWizard(office.doc, [&](CProjSheet& sheet) {
            auto* tree = sheet.Page(1)->findChild<QTreeWidget*>("cityTree");
            QTreeWidgetItem* station = tree->topLevelItem(0);
            while (station->childCount() > 0) station = station->child(0);
            tree->setCurrentItem(station);
            chosen = station->data(0, Qt::UserRole).toInt();
            FinishThrough(sheet);
        }));
        QVERIFY(chosen != 0);
        QCOMPARE(office.doc.m_nCityIndex, chosen);
        const std::string name = office.doc.m_strCityName;
        QVERIFY(RunWizard(office.doc, FinishThrough));
        QCOMPARE(office.doc.m_nCityIndex, chosen);
        QCOMPARE(office.doc.m_strCityName, name);
    }

    void cancelLeavesTheDocumentUnchanged() {
        OfficeDoc office(1);
        QVERIFY(office.ok);
        QTemporaryDir dir;
        const QByteArray before = Saved(office.doc, dir.filePath("before.Spc"));
        QVERIFY(!before.isEmpty());
        office.doc.SetModifiedFlag(false);
        QVERIFY(!RunWizard(office.doc, [](CProjSheet& sheet) {
            sheet.next();
            sheet.next();
            sheet.Page(3)->findChild<QLineEdit*>("insideRH")->setText("41");
            sheet.next();
            sheet.reject();
        }));
        QVERIFY(!office.doc.IsModified());
        QCOMPARE(Saved(office.doc, dir.filePath("after.Spc")), before);
    }

    void projectMenuCommandOpensTheWizard() {
        RunningApp run;
        run.messages.Clear();
        QString title;
        QTimer::singleShot(0, [&] {
            auto* sheet = qobject_cast<CProjSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet != nullptr);
            title = sheet->windowTitle();
            sheet->reject();
        });
        run.Trigger(cmd::kGeneralData);
        QCOMPARE(title, QString("Input Data for Project"));
        QVERIFY(run.messages.messages.empty());
        QVERIFY(!run.Doc()->IsModified());
    }
};

THERMAVO_APP_TEST_MAIN(WizardTest)
#include "wizard_test.moc"
