#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "TipsDialog.h"
#include "paths/InstallDir.h"

static void SaveScreenshot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("THERMAVO_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

class TipsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("ThermavoTipsTest");
        QCoreApplication::setApplicationName("tips_test");
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    }
    void init() {
        QSettings().clear();
        m_installDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_installDir->isValid());
        g_strInstallDir = m_installDir->path().toStdString() + "/";
        m_reported.clear();
    }

    // Lines that start with a blank, a tab, a line end or ";" are not tips; at the end of the
    // file the tips start again at the top.
    void skipsCommentsAndCycles() {
        WriteTips(";comment\n indented\n\ttabbed\n\nTip A\n;between\r\nTip B\r\n\r\n");
        auto dialog = MakeDialog();
        QCOMPARE(dialog->TipText(), QString("Tip A\n"));
        QCOMPARE(TextLabel(*dialog)->text(), QString("Tip A"));
        dialog->OnNextTip();
        QCOMPARE(dialog->TipText(), QString("Tip B\n"));
        dialog->OnNextTip();
        QCOMPARE(dialog->TipText(), QString("Tip A\n"));
        QTest::mouseClick(dialog->NextButton(), Qt::LeftButton);
        QCOMPARE(dialog->TipText(), QString("Tip B\n"));
        QVERIFY(m_reported.isEmpty());
    }

    // Each opening continues with the tip after the one last shown.
    void continuesAtNextOpening() {
        WriteTips("One\nTwo\nThree\n");
        QCOMPARE(MakeDialog()->TipText(), QString("One\n"));
        QCOMPARE(MakeDialog()->TipText(), QString("Two\n"));
        {
            auto dialog = MakeDialog();
            QCOMPARE(dialog->TipText(), QString("Three\n"));
            dialog->OnNextTip();
            QCOMPARE(dialog->TipText(), QString("One\n"));
        }
        QCOMPARE(MakeDialog()->TipText(), QString("Two\n"));
        QCOMPARE(QSettings().value("Tip/FilePos").toInt(), 8);
    }

    // A file with a new modification time starts again at its first tip.
    void restartsWhenFileChanges() {
        WriteTips("One\nTwo\nThree\n");
        SetModified(QDateTime(QDate(2023, 5, 1), QTime(10, 0, 0)));
        QCOMPARE(MakeDialog()->TipText(), QString("One\n"));
        QCOMPARE(MakeDialog()->TipText(), QString("Two\n"));
        const QString stamp = QSettings().value("Tip/TimeStamp").toString();
        QCOMPARE(stamp, CTipsDialog::FileTimeStamp(CTipsDialog::TipsFilePath()));
        QVERIFY(!stamp.isEmpty());
        QVERIFY(!stamp.endsWith(' '));

        SetModified(QDateTime(QDate(2024, 2, 3), QTime(4, 5, 6)));
        QCOMPARE(MakeDialog()->TipText(), QString("One\n"));
        QVERIFY(QSettings().value("Tip/TimeStamp").toString() != stamp);
        QCOMPARE(MakeDialog()->TipText(), QString("Two\n"));
    }

    // A stored position past the end wraps to the first tip; a negative one is reported.
    void badPositions() {
        WriteTips("One\nTwo\n");
        MakeDialog().reset();
        QSettings().setValue("Tip/FilePos", 5000);
        QCOMPARE(MakeDialog()->TipText(), QString("One\n"));
        QVERIFY(m_reported.isEmpty());

        QSettings().setValue("Tip/FilePos", -3);
        auto dialog = MakeDialog();
        QCOMPARE(m_reported, QStringList{"Trouble reading the tips file"});
        QVERIFY(dialog->TipText().isEmpty());
    }

    // A file of comments only has no tip, and the dialog does not hang looking for one.
    void onlyCommentsGiveNoTip() {
        WriteTips(";one\n;two\n  three\n");
        auto dialog = MakeDialog();
        QVERIFY(dialog->TipText().isEmpty());
        dialog->OnNextTip();
        QVERIFY(dialog->TipText().isEmpty());
        WriteTips("");
        QVERIFY(MakeDialog()->TipText().isEmpty());
    }

    // Lines are read at most 1000 characters at a time.
    void longLinesAreCut() {
        WriteTips(QByteArray(1500, 'x') + "\nShort\n");
        auto dialog = MakeDialog();
        QCOMPARE(dialog->TipText().size(), 1000);
        dialog->OnNextTip();
        QCOMPARE(dialog->TipText(), QString(500, 'x') + "\n");
        dialog->OnNextTip();
        QCOMPARE(dialog->TipText(), QString("Short\n"));
    }

    void missingFile() {
        auto dialog = MakeDialog();
        QCOMPARE(dialog->TipText(),
                 QString("Tips file does not exist in the prescribed directory"));
        QVERIFY(!dialog->NextButton()->isEnabled());
        QVERIFY(!dialog->HasTipsFile());
        dialog.reset();
        QVERIFY(!QSettings().contains("Tip/FilePos"));
        QVERIFY(m_reported.isEmpty());
    }

    // "StartUp" holds 1 when the box was cleared, 0 when it was set; only Close stores it.
    void startUpSetting() {
        WriteTips("One\n");
        {
            auto dialog = MakeDialog();
            QVERIFY(dialog->ShowAtStart());
            QVERIFY(dialog->StartupCheckBox()->isChecked());
            QVERIFY(!dialog->StartupCheckBox()->isEnabled());
            QCOMPARE(dialog->StartupCheckBox()->text(), QString("&Show Tips on StartUp"));
            QCOMPARE(dialog->windowTitle(), QString("Tip of the Day"));
            dialog->StartupCheckBox()->setChecked(false);
            dialog->reject();
        }
        QVERIFY(!QSettings().contains("Tip/StartUp"));
        {
            auto dialog = MakeDialog();
            dialog->StartupCheckBox()->setChecked(false);
            QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
        QCOMPARE(QSettings().value("Tip/StartUp").toInt(), 1);
        {
            auto dialog = MakeDialog();
            QVERIFY(!dialog->ShowAtStart());
            QVERIFY(!dialog->StartupCheckBox()->isChecked());
            dialog->StartupCheckBox()->setChecked(true);
            dialog->OnClose();
        }
        QCOMPARE(QSettings().value("Tip/StartUp").toInt(), 0);
    }

    // The shipped file: at least twenty tips, each one line, all shown in turn.
    void shippedTips() {
        g_strInstallDir = THERMAVO_DATA_DIR;
        QFile source(THERMAVO_SOURCE_DIR "/data/tips.txt");
        QVERIFY(source.open(QIODevice::ReadOnly));
        int count = 0;
        while (!source.atEnd()) {
            const QByteArray line = source.readLine();
            QVERIFY2(line.size() < 1000, line.constData());
            if (!line.isEmpty() && !QByteArray(" \t\n;").contains(line.at(0))) ++count;
        }
        QVERIFY2(count >= 20, qPrintable(QString::number(count)));

        auto dialog = MakeDialog();
        QVERIFY(dialog->HasTipsFile());
        QSet<QString> seen;
        for (int i = 0; i < count; ++i) {
            QVERIFY(!dialog->TipText().trimmed().isEmpty());
            seen.insert(dialog->TipText());
            dialog->OnNextTip();
        }
        QCOMPARE(seen.size(), count);
        dialog->resize(460, 300);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        SaveScreenshot(dialog.get(), "tips");
    }

    // "Ti&p of the Day..." goes once at the top of the Help popup, with a separator under it.
    void tipMenuItemInsertedOnce() {
        QMenuBar bar;
        bar.addMenu("&File")->addAction("E&xit");
        QMenu* help = bar.addMenu("&Help");
        help->addAction("&Help Topics");
        help->addAction("Read_Me");
        int calls = 0;
        QAction* tip = InsertTipMenuItem(&bar, &bar, [&calls] { ++calls; });
        QVERIFY(tip != nullptr);
        QVERIFY(InsertTipMenuItem(&bar, &bar, [&calls] { ++calls; }) == nullptr);
        QVERIFY(InsertTipMenuItem(help, &bar, [&calls] { ++calls; }) == nullptr);
        const QList<QAction*> actions = help->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), QString("Ti&p of the Day..."));
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->text(), QString("&Help Topics"));
        tip->trigger();
        QCOMPARE(calls, 1);

        QMenu empty("&Help");
        QVERIFY(InsertTipMenuItem(&empty, nullptr, {}) != nullptr);
        QVERIFY(InsertTipMenuItem(&empty, nullptr, {}) == nullptr);
        QCOMPARE(empty.actions().size(), 2);

        QMenuBar noHelp;
        noHelp.addMenu("&File");
        QVERIFY(InsertTipMenuItem(&noHelp, nullptr, {}) == nullptr);
    }

  private:
    std::unique_ptr<CTipsDialog> MakeDialog() {
        return std::make_unique<CTipsDialog>(
            nullptr, [this](const QString& message) { m_reported << message; });
    }
    void WriteTips(const QByteArray& content) {
        QFile file(CTipsDialog::TipsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    void SetModified(const QDateTime& when) {
        QFile file(CTipsDialog::TipsFilePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
    }
    static QLabel* TextLabel(const CTipsDialog& dialog) {
        return dialog.findChild<QLabel*>("tipText");
    }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_installDir;
    QStringList m_reported;
};

QTEST_MAIN(TipsTest)
#include "tips_test.moc"
