#include "RenderCommand.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ReportCommand.h"
#include "archive/AtomicFile.h"
#include "document/QuarnDoc.h"
#include "draw/SvgCanvas.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

#ifdef THERMAVO_HAVE_QT
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "QPainterCanvas.h"
#endif

namespace {

// A typical project window's right pane, in pixels.
constexpr int kScreenWidth = 1000;
constexpr int kScreenHeight = 700;
// Printed pages: US Letter, portrait, in 0.01 inch units; the side margins centre the fixed
// 784-unit print layout, whose tables and graphs run about ten inches down the page.
constexpr int kPaperWidth = 850;
constexpr int kPaperHeight = 1100;
constexpr int kMarginX = (kPaperWidth - kPrintPageWidth) / 2;
constexpr int kMarginY = 30;

bool EndsWith(const std::string& s, const char* suffix) {
    const std::string t(suffix);
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

ViewPage PrintPage(int number) {
    ViewPage page;
    page.nPrintWidth = kPaperWidth - 2 * kMarginX;
    page.nPrintHeight = kPaperHeight - 2 * kMarginY;
    page.nPageNumber = number;
    return page;
}

int RenderSvg(const CQuarnDoc& doc, int kind, const std::string& outPath, bool print,
              int pageNumber) {
    CSvgCanvas canvas(print);
    ViewPage page = print ? PrintPage(pageNumber) : ViewPage{};
    page.nClientWidth = kScreenWidth;
    page.nClientHeight = kScreenHeight;
    const ScrollSizes sizes = DrawView(doc, kind, canvas, page).sizes;
    const std::string svg = canvas.Document(print ? kPrintPageWidth : sizes.nPageWidth * 4,
                                            print ? kPrintPageHeight : sizes.nPageHeight);
    std::string cause;
    if (!WriteFileAtomically(outPath, std::vector<uint8_t>(svg.begin(), svg.end()), cause)) {
        std::fprintf(stderr, "%s: %s\n", outPath.c_str(), cause.c_str());
        return 1;
    }
    return 0;
}

#ifdef THERMAVO_HAVE_QT
int RenderPdf(const CQuarnDoc& doc, int kind, const std::string& outPath) {
    // Fonts need a GUI application; no display is needed for a PDF.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "thermavo-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QPdfWriter writer(QString::fromStdString(outPath));
    writer.setResolution(100);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        std::fprintf(stderr, "%s: cannot write the PDF file\n", outPath.c_str());
        return 1;
    }
    const int pages = kind == kInputDataReportKind ? kInputDataPages : 1;
    for (int number = 1; number <= pages; ++number) {
        if (number > 1) writer.newPage();
        CQPainterCanvas canvas(painter, true, false, kMarginX, kMarginY);
        DrawView(doc, kind, canvas, PrintPage(number));
    }
    painter.end();
    return 0;
}
#endif

}  // namespace

int RenderView(const CQuarnDoc& doc, int kind, const std::string& outPath, bool print, int page);

int RunRender(CQuarnDoc& doc, const char* path, int kind, const std::string& outPath, bool print,
              int page, int outputUnits) {
    if (!LoadForView(doc, path, outputUnits)) return 1;
    return RenderView(doc, kind, outPath, print, page);
}

int RenderView(const CQuarnDoc& doc, int kind, const std::string& outPath, bool print, int page) {
    if (EndsWith(outPath, ".svg")) return RenderSvg(doc, kind, outPath, print, page);
    if (EndsWith(outPath, ".pdf")) {
#ifdef THERMAVO_HAVE_QT
        return RenderPdf(doc, kind, outPath);
#else
        std::fprintf(stderr, "This build has no PDF output (it needs Qt 6).\n");
        return 1;
#endif
    }
    std::fprintf(stderr, "%s: the output must end in .svg or .pdf\n", outPath.c_str());
    return 2;
}
