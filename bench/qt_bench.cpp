// What the program adds on top of the core: the station tree in its tree widget, the views
// painted into an image as the screen gets them, and the memory an open project costs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <fstream>
#include <memory>

#include "BenchProjects.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "QPainterCanvas.h"
#include "QuarnApp.h"
#include "QuarnView.h"
#include "QuietGuiMessages.h"
#include "document/ProjectFile.h"
#include "paths/InstallDir.h"
#include "tessil/tessil.h"
#include "views/ViewDrawing.h"
#include "wizard/PageBinding.h"
#include "wizard/TreeWidgetCtrl.h"

namespace {

// The station page clears its tree and fills it again each time it is shown.
void BM_PopulateCityTree(benchmark::State& state) {
    std::unique_ptr<QTreeWidget> tree(MakeTree(nullptr, "cityTree"));
    CTreeWidgetCtrl ctrl(tree.get());
    for (auto _ : state) {
        tree->clear();
        PopulateCityTree(&ctrl);
        benchmark::DoNotOptimize(tree->topLevelItemCount());
    }
}
BENCHMARK(BM_PopulateCityTree)->Unit(benchmark::kMillisecond);

// As a view at 100 % paints a 1600 x 1000 pane.
void BM_DrawKind_QImage(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto office = bench::MakeOffice(messages);
    if (!office) return state.SkipWithError("the example office does not build");
    QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    ViewPage page;
    page.nClientWidth = image.width();
    page.nClientHeight = image.height();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setRenderHint(QPainter::TextAntialiasing);
        CQPainterCanvas canvas(painter, false, false);
        const DrawResult drawn = DrawView(*office, static_cast<int>(state.range(0)), canvas, page);
        painter.end();
        benchmark::DoNotOptimize(drawn.sizes.nTotalHeight);
    }
}
BENCHMARK(BM_DrawKind_QImage)
    ->Arg(1)
    ->Arg(101)
    ->Arg(200)
    ->Arg(201)
    ->Arg(202)
    ->Unit(benchmark::kMicrosecond);

long ResidentBytes() {
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

using bench::CQuietMessages;

// Lets the new window lay out and paint, as it would on screen, so that what painting keeps
// is counted too.
void Settle(CQuarnApp& app) {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    if (CChildFrame* frame = app.MainFrame()->ActiveFrame()) frame->View()->viewport()->grab();
}

// Twenty copies of the example open in the program, each in its own window. One copy is opened
// before the first reading so that what any first project pays once (fonts, the view's
// caches) is not counted against each.
void BM_MemoryPerOpenProject(benchmark::State& state) {
    constexpr int kCopies = 20;
    g_strInstallDir = THERMAVO_DATA_DIR;
    QTemporaryDir folder;
    CSilentMessages silent;
    auto office = bench::MakeOffice(silent);
    if (!office) return state.SkipWithError("the example office does not build");
    QStringList paths;
    for (int i = 0; i <= kCopies; ++i) {
        paths << folder.filePath(QString("office%1.Spc").arg(i));
        if (!SaveProject(*office, paths.back().toStdString()))
            return state.SkipWithError("cannot write the copies of the example");
    }
    for (auto _ : state) {
        CQuietMessages messages;
        CQuarnApp app(&messages);
        app.InitInstance(QStringList{"thermavo", "-nosplash"});
        app.OpenDocumentFile(paths[0]);
        Settle(app);
        const long before = ResidentBytes();
        for (int i = 1; i <= kCopies; ++i) {
            if (!app.OpenDocumentFile(paths[i]))
                return state.SkipWithError("a copy of the example does not open");
            Settle(app);
        }
        const long after = ResidentBytes();
        state.counters["rss_per_project"] =
            benchmark::Counter(static_cast<double>(after - before) / kCopies,
                               benchmark::Counter::kDefaults, benchmark::Counter::OneK::kIs1024);
        state.counters["sizeof_document"] = benchmark::Counter(
            sizeof(CQuarnDoc), benchmark::Counter::kDefaults, benchmark::Counter::OneK::kIs1024);
    }
}
BENCHMARK(BM_MemoryPerOpenProject)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

}  // namespace
