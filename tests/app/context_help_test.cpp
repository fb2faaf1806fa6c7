// F1 asks for the help section of where the user is; Shift+F1 explains commands and fields.

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>
#include <functional>
#include <memory>

#include "AppStrings.h"
#include "AppTestSupport.h"
#include "ContextHelp.h"
#include "HelpBrowser.h"
#include "HelpWindow.h"
#include "OptionsDlg.h"
#include "dialogs/FloorCeilingDlg.h"
#include "dialogs/GlassBlockDlg.h"
#include "dialogs/WallsRoofDlg.h"
#include "input/GeneralDataCommand.h"
#include "input/GlassBlocksCommand.h"
#include "input/WindowsCommand.h"
#include "uvalue/UvalSheet.h"
#include "views/ViewKinds.h"
#include "windows/WinSheet.h"
#include "wizard/ProjSheet.h"

namespace {

// The text Qt shows for a click on `widget` in what's-this mode: its own, or that of the
// nearest parent below `root` that has one (the event goes up until someone answers).
QString ShownWhatsThis(QWidget* widget, const QWidget* root) {
    for (QWidget* w = widget; w != nullptr && w != root; w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty()) return w->whatsThis();
    }
    return {};
}

// The widgets a user types into, picks or presses inside a dialog (not its OK, Cancel, Back
// and Next, which Qt names or leaves unnamed).
QList<QWidget*> InputWidgets(QWidget* root) {
    QList<QWidget*> inputs;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
        const QString name = w->objectName();
        const bool command = qobject_cast<QPushButton*>(w) && !name.isEmpty() &&
                             !name.startsWith("__qt__") && !name.startsWith("qt_");
        if (input || command) inputs << w;
    }
    return inputs;
}

QString Describe(const QWidget* w) {
    QString path;
    for (const QObject* o = w; o != nullptr; o = o->parent()) {
        path += QString(" < %1 \"%2\"").arg(o->metaObject()->className(), o->objectName());
    }
    return path;
}

}  // namespace

class ContextHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_topics.clear();
        g_strInstallDir = THERMAVO_DATA_DIR;
        SetHelpTopicRecorder([this](const QString& topic) { m_topics << topic; });
    }
    void cleanup() {
        SetHelpTopicRecorder({});
        CHelpWindow::CloseInstance();
    }

    // Every section F1 can ask for is in the installed pages, each wizard page has its own
    // (the windows pages share one), and the glass shading kinds have theirs whatever their
    // form.
    void everyTopicIsAnInstalledSection() {
        const QStringList topics = ContextHelpTopics();
        QVERIFY(topics.size() >= 14 + 8 + 1 + 6);
        for (const QString& topic : topics) {
            QFile page(HelpTopicPath(topic));
            QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(topic));
            const QString anchor = topic.section('#', 1);
            QVERIFY2(!anchor.isEmpty(), qPrintable(topic));
            QVERIFY2(QString::fromUtf8(page.readAll()).contains(QString("id=\"%1\"").arg(anchor)),
                     qPrintable(topic));
        }
        QStringList pages;
        for (int page = 1; page <= 14; ++page) pages << GeneralDataPageTopic(page);
        for (int page = 1; page <= 8; ++page) pages << UValuePageTopic(page);
        const qsizetype count = pages.size();
        pages.removeDuplicates();
        QCOMPARE(pages.size(), count);
        // Page 13 tells the user to press Help for the glass abbreviations.
        QCOMPARE(GeneralDataPageTopic(13), QString("general_data#glass"));
        for (const ViewKindInfo& info : AllViewKinds()) {
            if (info.quantity == ViewQuantity::kGlassAreaInSun ||
                info.quantity == ViewQuantity::kPercentInSun) {
                QCOMPARE(ViewKindTopic(info.nKind), QString("views_reports#shading"));
            }
        }
    }

    // F1 on page 3 of the General Project Data wizard asks for that page's section, and
    // every other page, and its Help button, for theirs; no help window opens.
    void f1OnEachGeneralDataPageAsksForItsSection() {
        OfficeDoc office;
        QVERIFY(office.ok);
        CProjSheet sheet(FillGeneralData(office.doc));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.next();
        sheet.next();
        QCOMPARE(sheet.currentId(), 2);
        PressF1(&sheet);
        QCOMPARE(m_topics, QStringList{"general_data#inside"});
        for (int page = 4; page <= 14; ++page) {
            sheet.next();
            QCOMPARE(sheet.currentId(), page - 1);
            m_topics.clear();
            PressF1(&sheet);
            sheet.button(QWizard::HelpButton)->click();
            QCOMPARE(m_topics, QStringList(2, GeneralDataPageTopic(page)));
        }
        QVERIFY(CHelpWindow::Instance() == nullptr);
    }

    void f1OnTheOtherWizardsAndTheMainWindow() {
        OfficeDoc office;
        QVERIFY(office.ok);
        {
            CWinSheet sheet(FillWindows(office.doc), office.doc.Messages());
            sheet.show();
            for (int i = 0; i < 4; ++i) sheet.next();
            PressF1(&sheet);
        }
        {
            CUvalSheet sheet(office.doc);
            sheet.show();
            for (int i = 0; i < 6; ++i) sheet.next();
            QCOMPARE(sheet.currentId(), 6);
            PressF1(&sheet);
        }
        QCOMPARE(m_topics, (QStringList{"windows#describing", "uvalue#air"}));
        m_topics.clear();

        QTemporaryDir folder;
        RunningApp app({BuildOfficeFile(folder.path())});
        app.Frame().show();
        QVERIFY(app.Doc() != nullptr);
        for (int kind : {kHeatingReportKind, kTotalCoolingTableKind, 1}) {
            app.Trigger(FindViewKind(kind)->nCommandId);
            QCOMPARE(app.Doc()->m_nViewKind, kind);
            app.Trigger(cmd::kHelp);
        }
        app.Trigger(cmd::kHelpFinder);
        app.Trigger(cmd::kFileClose);
        QVERIFY(app.Doc() == nullptr);
        app.Trigger(cmd::kHelp);  // no project: the index
        QCOMPARE(m_topics, (QStringList{"views_reports#heating", "views_reports#tables",
                                        "views_reports#graphs", "index", "index"}));
    }

    // Every field of every input dialog and wizard page says what it is for, and no text of
    // a dialog's table names a widget the dialog no longer has.
    void everyFieldHasAWhatsThisText() {
        OfficeDoc office;
        QVERIFY(office.ok);
        struct Dialog {
            QString name;
            std::unique_ptr<QWidget> widget;
            std::span<const WhatsThisText> table;
        };
        std::vector<Dialog> dialogs;
        dialogs.push_back({"general data",
                           std::make_unique<CProjSheet>(FillGeneralData(office.doc)),
                           GeneralDataWhatsThis()});
        dialogs.push_back(
            {"windows", std::make_unique<CWinSheet>(FillWindows(office.doc), office.doc.Messages()),
             WindowsWhatsThis()});
        dialogs.push_back({"u-value", std::make_unique<CUvalSheet>(office.doc), UValueWhatsThis()});
        dialogs.push_back(
            {"walls", std::make_unique<CWallsRoofDlg>(office.doc, nullptr), WallsRoofWhatsThis()});
        dialogs.push_back({"floor", std::make_unique<CFloorCeilingDlg>(office.doc, nullptr),
                           FloorCeilingWhatsThis()});
        dialogs.push_back(
            {"glass blocks",
             std::make_unique<CGlassBlockDlg>(FillGlassBlocks(office.doc), office.doc.Messages()),
             GlassBlocksWhatsThis()});
        dialogs.push_back(
            {"options", std::make_unique<COptionsDlg>(COptionsValues{}), OptionsWhatsThis()});
        for (const Dialog& dialog : dialogs) {
            const QList<QWidget*> inputs = InputWidgets(dialog.widget.get());
            QVERIFY2(inputs.size() >= 2, qPrintable(dialog.name));
            for (QWidget* input : inputs) {
                QVERIFY2(!ShownWhatsThis(input, dialog.widget.get()).isEmpty(),
                         qPrintable(dialog.name + ":" + Describe(input)));
            }
            QCOMPARE(ApplyWhatsThis(dialog.widget.get(), dialog.table), QStringList());
        }
        // A field's label answers for its field.
        auto* name = dialogs[0].widget->findChild<QLineEdit*>("projectName");
        QVERIFY(name != nullptr);
        int labels = 0;
        for (QLabel* label : dialogs[0].widget->findChildren<QLabel*>()) {
            if (label->buddy() != name) continue;
            ++labels;
            QCOMPARE(label->whatsThis(), name->whatsThis());
        }
        QCOMPARE(labels, 1);
    }

    // A click in what's-this mode on a radio button shows its group's sentence: the button
    // has none of its own, so the question has to reach the group.
    void whatsThisModeAnswersAClickOnAField() {
        OfficeDoc office;
        QVERIFY(office.ok);
        CProjSheet sheet(FillGeneralData(office.doc));
        sheet.show();
        sheet.next();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto* group = sheet.findChild<QWidget*>("heatDesignLevel");
        QVERIFY(group != nullptr);
        const QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons[0]->whatsThis().isEmpty());

        const bool checked = buttons[0]->isChecked();
        QTest::keyClick(sheet.focusWidget() ? sheet.focusWidget() : &sheet, Qt::Key_F1,
                        Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        // The click asked a question; it chose nothing.
        QCOMPARE(buttons[0]->isChecked(), checked);
        bool bubble = false;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            bubble |= w->isVisible() && QByteArray(w->metaObject()->className()) == "QWhatsThat";
        }
        QVERIFY(bubble);
        QWhatsThis::hideText();
        QVERIFY(m_topics.isEmpty());
    }

    // In the main window the toolbar buttons and menu items explain themselves with their
    // status-bar prompts.
    void commandsExplainThemselvesWithTheirPrompts() {
        QTemporaryDir folder;
        RunningApp app({BuildOfficeFile(folder.path())});
        CMainFrame& frame = app.Frame();
        int buttons = 0;
        for (QToolButton* button :
             frame.findChild<QToolBar*>("Toolbar")->findChildren<QToolButton*>()) {
            QAction* action = button->defaultAction();
            if (action == nullptr) continue;
            ++buttons;
            QVERIFY2(!button->whatsThis().isEmpty(), qPrintable(action->text()));
            QCOMPARE(button->whatsThis(), action->statusTip());
        }
        QVERIFY(buttons >= 17);
        int items = 0;
        std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& actions) {
            for (QAction* action : actions) {
                if (QMenu* menu = action->menu()) {
                    emit menu->aboutToShow();  // the Help menu gains its tip item on showing
                    check(menu->actions());
                } else if (!action->isSeparator()) {
                    ++items;
                    QVERIFY2(!action->whatsThis().isEmpty(), qPrintable(action->text()));
                }
            }
        };
        check(frame.menuBar()->actions());
        QVERIFY(items >= 60);
    }

  private:
    static void PressF1(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F1);
    }

    QStringList m_topics;
};

THERMAVO_APP_TEST_MAIN(ContextHelpTest)
#include "context_help_test.moc"
