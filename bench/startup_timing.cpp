// Times what a user waits for in the program, each beside a baseline measured in the same run
// (a bare Qt window doing the same), so that a slow machine shows as a slow baseline:
//   - program start until the main window is shown (no splash): this executable starts itself
//     again as the program and as the baseline and times each until it says its window is up;
//   - opening the example office until its view has painted, in a started program.
// Prints one line per measurement: name, median seconds, baseline median seconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "BenchProjects.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "QuarnApp.h"
#include "QuarnView.h"
#include "QuietGuiMessages.h"
#include "StartupCommand.h"
#include "document/ProjectFile.h"
#include "paths/InstallDir.h"

namespace {

using bench::CQuietMessages;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Runs the event loop until done() holds; false after five seconds.
template <typename Done>
bool WaitFor(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

bool Exposed(QWidget& window) {
    return window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
}

// The child: start as asked, say "shown" once the window is up, and leave.
int RunChild(int argc, char** argv, bool program) {
    if (program) PrepareQtEnvironment({});  // as the program does
    QApplication application(argc, argv);
    g_strInstallDir = THERMAVO_DATA_DIR;
    bool ok = false;
    if (program) {
        CQuietMessages messages;
        CQuarnApp app(&messages);
        ok = app.InitInstance(QStringList{"thermavo", "-nosplash"}) &&
             WaitFor([&] { return Exposed(*app.MainFrame()); });
    } else {
        QMainWindow window;
        window.resize(800, 600);
        window.show();
        ok = WaitFor([&] { return Exposed(window); });
    }
    std::puts(ok ? "shown" : "failed");
    std::fflush(stdout);
    return ok ? 0 : 1;
}

// Seconds from starting the child until it says its window is shown; negative on failure.
double TimeChild(const QString& mode) {
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    if (!child.waitForReadyRead(10000)) return -1;
    const double seconds = timer.nsecsElapsed() / 1e9;
    const bool shown = child.readAllStandardOutput().startsWith("shown");
    child.waitForFinished(10000);
    return shown ? seconds : -1;
}

// Notes which project views have had their pane painted (since the last Clear). The paint
// itself runs right after the filter, inside the same event processing, so it is done once
// WaitFor returns.
class CPaintWatch : public QObject {
  public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->parent()) {
            if (auto* view = dynamic_cast<CQuarnView*>(object->parent())) m_painted.insert(view);
        }
        return false;
    }
    void Clear() { m_painted.clear(); }
    bool Painted(QObject* view) const { return m_painted.count(view) != 0; }

  private:
    std::set<QObject*> m_painted;
};

// A widget painted when shown: the open's baseline.
class CPaintedWidget : public QWidget {
  public:
    bool painted = false;

  protected:
    void paintEvent(QPaintEvent*) override { painted = true; }
};

int RunParent(int argc, char** argv, int repeats) {
    QApplication application(argc, argv);
    std::vector<double> start, startBase;
    for (int i = 0; i < repeats; ++i) {
        start.push_back(TimeChild("--child-program"));
        startBase.push_back(TimeChild("--child-baseline"));
    }
    if (*std::min_element(start.begin(), start.end()) < 0 ||
        *std::min_element(startBase.begin(), startBase.end()) < 0) {
        std::fprintf(stderr, "A started program did not show its window.\n");
        return 1;
    }
    std::printf("StartToMainWindowShown\t%.6f\t%.6f\n", Median(start), Median(startBase));
    std::fflush(stdout);

    g_strInstallDir = THERMAVO_DATA_DIR;
    QTemporaryDir folder;
    CSilentMessages silent;
    auto office = bench::MakeOffice(silent);
    if (!office) {
        std::fprintf(stderr, "The example office does not build.\n");
        return 1;
    }
    CQuietMessages messages;
    CQuarnApp app(&messages);
    app.InitInstance(QStringList{"thermavo", "-nosplash"});
    WaitFor([&] { return Exposed(*app.MainFrame()); });
    CPaintWatch watch;
    application.installEventFilter(&watch);
    std::vector<double> open, openBase;
    for (int i = 0; i < repeats; ++i) {
        // A file of its own each time: opening an open file only brings its window forward.
        const QString path = QDir(folder.path()).filePath(QString("office%1.Spc").arg(i));
        if (!SaveProject(*office, path.toStdString())) return 1;
        QElapsedTimer timer;
        timer.start();
        watch.Clear();
        if (!app.OpenDocumentFile(path)) {
            std::fprintf(stderr, "The example office does not open.\n");
            return 1;
        }
        QObject* view = app.MainFrame()->ActiveFrame()->View();
        if (!WaitFor([&] { return watch.Painted(view); })) {
            std::fprintf(stderr, "The opened project's view was never painted.\n");
            return 1;
        }
        open.push_back(timer.nsecsElapsed() / 1e9);

        timer.restart();
        CPaintedWidget widget;
        widget.resize(800, 600);
        widget.show();
        if (!WaitFor([&] { return widget.painted; })) return 1;
        openBase.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::printf("OpenExampleToFirstPaint\t%.6f\t%.6f\n", Median(open), Median(openBase));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString mode = argc > 1 ? QString(argv[1]) : QString();
    if (mode == "--child-program") return RunChild(argc, argv, true);
    if (mode == "--child-baseline") return RunChild(argc, argv, false);
    // The children inherit the private configuration folder.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    int repeats = 7;
    if (mode == "--repeats" && argc > 2) repeats = std::max(1, std::atoi(argv[2]));
    return RunParent(argc, argv, repeats);
}
