// The command line of the program, read into the action it asks for and run as the program
// itself, and the view kind a project reopens on.
#include <QFile>
#include <QProcess>

#include "AppTestSupport.h"
#include "StartupCommand.h"
#include "views/ViewKinds.h"

Q_DECLARE_METATYPE(StartupCommand::Action)

namespace {
using Action = StartupCommand::Action;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ProgramRun {
    int nStatus = -1;
    QString strOut, strErr;
};

// The program without a display: no DISPLAY, no platform chosen; and with a CUPS server that
// is not there, so no printer exists.
ProgramRun RunProgram(const QStringList& arguments, const QString& folder) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("CUPS_SERVER", QDir(folder).filePath("no-cups.sock"));
    process.setProcessEnvironment(env);
    process.start(THERMAVO_PROGRAM, arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) return run;
    run.nStatus = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.strOut = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.strErr = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_files;

  private slots:
    // ---- Every form of the command line ----

    void commandLineForms_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("splash");
        QTest::addColumn<QString>("error");  // a part of the message, for kError

        auto row = [](const char* name, const QStringList& args, Action action,
                      const QStringList& files = {}, const QString& printer = {},
                      bool splash = true, const QString& error = {}) {
            QTest::newRow(name) << args << action << files << printer << splash << error;
        };
        auto print = [&](const char* name, const QStringList& args, const QString& file,
                         const QString& printer = {}) {
            row(name, args, Action::kPrint, {file}, printer, false);
        };
        auto bad = [&](const char* name, const QStringList& args, const QString& error) {
            row(name, args, Action::kError, {}, {}, true, error);
        };

        row("nothing", {}, Action::kOpen);
        row("files", {"a.Spc", "/home/u/b.SPC"}, Action::kOpen, {"a.Spc", "/home/u/b.SPC"});
        row("after --", {"--", "-odd.Spc", "/p"}, Action::kOpen, {"-odd.Spc", "/p"});
        row("help", {"--help"}, Action::kHelp);
        row("help -h after a file", {"a.Spc", "-h"}, Action::kHelp);
        row("help /?", {"/?"}, Action::kHelp);
        row("version", {"--version"}, Action::kVersion);
        row("/Embedding", {"/Embedding"}, Action::kOpen, {}, {}, false);
        row("-automation with a file", {"a.Spc", "-AUTOMATION"}, Action::kOpen, {"a.Spc"}, {},
            false);
        row("-nosplash", {"-nosplash", "a.Spc"}, Action::kOpen, {"a.Spc"}, {}, false);
        row("Qt's options", {"-platform", "offscreen", "--style=fusion", "-reverse", "a.Spc"},
            Action::kOpen, {"a.Spc"});

        print("/p", {"/p", "a.Spc"}, "a.Spc");
        print("/P absolute", {"/P", "/tmp/a.Spc"}, "/tmp/a.Spc");
        print("-p", {"-p", "a.Spc"}, "a.Spc");
        print("--print", {"--print", "a.Spc"}, "a.Spc");
        print("--print=", {"--print=a.Spc"}, "a.Spc");
        print("/pt", {"/pt", "a.Spc", "PDF"}, "a.Spc", "PDF");
        print("/pt driver port", {"/pt", "a.Spc", "PDF", "winspool", "Ne00:"}, "a.Spc", "PDF");
        print("-pt then splash flag", {"-pt", "a.Spc", "PDF", "/Automation"}, "a.Spc", "PDF");
        print("--print-to", {"--print-to", "PDF", "a.Spc"}, "a.Spc", "PDF");
        print("--print-to=", {"--print-to=Office Laser", "a.Spc"}, "a.Spc", "Office Laser");

        bad("/p without file", {"/p"}, "/p needs a FILE");
        bad("-p before an option", {"-p", "--version"}, "-p needs a FILE");
        bad("--print= empty", {"--print="}, "--print= needs a FILE");
        bad("/pt without printer", {"/pt", "a.Spc"}, "/pt needs a FILE and a PRINTER");
        bad("--print-to without file", {"--print-to", "PDF"}, "--print-to needs a PRINTER");
        bad("two prints", {"/p", "a.Spc", "-p", "b.Spc"}, "only one file");
        bad("print and a file", {"b.Spc", "/p", "a.Spc"}, "\"b.Spc\"");
        bad("unknown option", {"--frobnicate"}, "unknown option \"--frobnicate\"");
        bad("unknown short option", {"a.Spc", "-x"}, "unknown option \"-x\"");
        bad("dash alone", {"-"}, "\"-\"");
        bad("error before help", {"--frobnicate", "--help"}, "--frobnicate");
    }

    void commandLineForms() {
        QFETCH(QStringList, args);
        QFETCH(Action, action);
        QFETCH(QStringList, files);
        QFETCH(QString, printer);
        QFETCH(bool, splash);
        QFETCH(QString, error);
        const StartupCommand command = ParseStartupCommand(QStringList{"thermavo"} + args);
        QCOMPARE(command.action, action);
        if (action == Action::kError) {
            QVERIFY2(command.error.contains(error), qPrintable(command.error));
            return;
        }
        QCOMPARE(command.files, files);
        QCOMPARE(command.printer, printer);
        QCOMPARE(command.bSplash, splash);
    }

    // ---- The program run without a display ----

    void helpVersionAndBadLinesNeedNoDisplay() {
        const ProgramRun help = RunProgram({"--help"}, m_files.path());
        QCOMPARE(help.nStatus, 0);
        QCOMPARE(help.strOut, StartupUsageText());
        QVERIFY(help.strErr.isEmpty());

        const ProgramRun version = RunProgram({"--version"}, m_files.path());
        QCOMPARE(version.nStatus, 0);
        QCOMPARE(version.strOut, QString("thermavo 4.0\n"));

        for (const QStringList& args : {QStringList{"--frobnicate"}, QStringList{"/p"}}) {
            const ProgramRun bad = RunProgram(args, m_files.path());
            QCOMPARE(bad.nStatus, 2);
            QVERIFY(bad.strOut.isEmpty());
            QVERIFY2(bad.strErr.startsWith("thermavo: "), qPrintable(bad.strErr));
            QVERIFY2(bad.strErr.endsWith(StartupUsageText()), qPrintable(bad.strErr));
        }
    }

    void printFailuresAreToldOnStderr() {
        const QString office = BuildOfficeFile(m_files.path());
        QVERIFY(!office.isEmpty());

        // The file is read first: a missing one fails whatever the printers.
        const QString missing = m_files.filePath("missing.Spc");
        const ProgramRun unread = RunProgram({"/p", missing}, m_files.path());
        QCOMPARE(unread.nStatus, 1);
        QVERIFY2(unread.strErr.contains(missing), qPrintable(unread.strErr));

        const QString damaged = m_files.filePath("damaged.Spc");
        QFile cut(damaged);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(ReadAll(office).left(5000));
        cut.close();
        const ProgramRun shortFile = RunProgram({"--print", damaged}, m_files.path());
        QCOMPARE(shortFile.nStatus, 1);
        QVERIFY2(shortFile.strErr.contains(damaged), qPrintable(shortFile.strErr));

        const ProgramRun noDefault = RunProgram({"/p", office}, m_files.path());
        QCOMPARE(noDefault.nStatus, 1);
        QVERIFY2(noDefault.strErr.contains("No printer is installed"),
                 qPrintable(noDefault.strErr));

        const ProgramRun noQueue =
            RunProgram({"--print-to", "NoSuchQueue", office}, m_files.path());
        QCOMPARE(noQueue.nStatus, 1);
        QVERIFY2(noQueue.strErr.contains("There is no printer \"NoSuchQueue\""),
                 qPrintable(noQueue.strErr));
        QVERIFY(noQueue.strOut.isEmpty());
    }

    // ---- The view a project reopens on ----

    void projectReopensOnTheKindItWasSavedWith() {
        const QString heating = BuildOfficeFile(m_files.path(), kHeatingReportKind, "heat.Spc");
        const QByteArray saved = ReadAll(heating);
        RunningApp run({heating});
        QCOMPARE(run.Doc()->m_nViewKind, kHeatingReportKind);
        // Its command is the greyed one.
        QVERIFY(!run.Enabled(32922));
        QVERIFY(run.Enabled(32796));
        run.Draw();
        // Showing it changes nothing in the file: saved again, the bytes are the same.
        QVERIFY(run.app.DoSave(*run.Doc(), false));
        QCOMPARE(ReadAll(heating), saved);
    }

    void everyFileNamedOpensAndAnInvalidKindShowsTheTable() {
        const QString graph = BuildOfficeFile(m_files.path(), 1, "graph.Spc");
        const QString invalid = BuildOfficeFile(m_files.path(), 99, "invalid.Spc");
        const QString zero = BuildOfficeFile(m_files.path(), 0, "zero.Spc");
        RunningApp run({graph, invalid, zero});
        QCOMPARE(run.Frame().Frames().size(), size_t(3));
        QCOMPARE(run.app.Documents()[0]->m_nViewKind, 1);
        QCOMPARE(run.app.Documents()[1]->m_nViewKind, kTotalCoolingTableKind);
        QCOMPARE(run.app.Documents()[2]->m_nViewKind, kTotalCoolingTableKind);
    }
};

THERMAVO_APP_TEST_MAIN(StartupTest)
#include "startup_test.moc"
