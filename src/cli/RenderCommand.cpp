#include "RenderCommand.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
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
#ifdef THERMAVO_HAVE_QT_SVG
#include <QSvgGenerator>
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

ViewPage SvgPage(bool print, int pageNumber) {
    ViewPage page = print ? PrintPage(pageNumber) : ViewPage{};
    page.nClientWidth = kScreenWidth;
    page.nClientHeight = kScreenHeight;
    return page;
}

// The SVG drawn without Qt: the whole picture and its size.
std::string PlainSvg(const CQuarnDoc& doc, int kind, bool print, int pageNumber,
                     CanvasSize* picture = nullptr) {
    CSvgCanvas canvas(print);
    const ScrollSizes sizes = DrawView(doc, kind, canvas, SvgPage(print, pageNumber)).sizes;
    const int width = print ? kPrintPageWidth : sizes.nPageWidth * 4;
    const int height = print ? kPrintPageHeight : sizes.nPageHeight;
    if (picture != nullptr) *picture = canvas.PictureSize(width, height);
    return canvas.Document(width, height);
}

#ifdef THERMAVO_HAVE_QT
// Fonts need a GUI application; no display is needed to draw into a file.
std::unique_ptr<QGuiApplication> MakeOffscreenApplication() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "thermavo-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}
#endif

#ifdef THERMAVO_HAVE_QT_SVG
// The SVG painted by the same QPainter canvas as the screen and the PDF, so the three share
// fonts, text extents and positions; the picture has the size the plain SVG would have.
bool WriteQtSvg(const CQuarnDoc& doc, int kind, const std::string& outPath, bool print,
                int pageNumber) {
    CanvasSize picture;
    PlainSvg(doc, kind, print, pageNumber, &picture);
    const auto app = MakeOffscreenApplication();
    QSvgGenerator generator;
    generator.setFileName(QString::fromStdString(outPath));
    generator.setResolution(100);
    generator.setSize(QSize(picture.cx, picture.cy));
    generator.setViewBox(QRect(0, 0, picture.cx, picture.cy));
    generator.setTitle(QStringLiteral("Thermavo"));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    painter.fillRect(QRect(0, 0, picture.cx, picture.cy), Qt::white);
    CQPainterCanvas canvas(painter, print, false);
    DrawView(doc, kind, canvas, SvgPage(print, pageNumber));
    return painter.end();
}
#endif

int RenderSvg(const CQuarnDoc& doc, int kind, const std::string& outPath, bool print,
              int pageNumber) {
#ifdef THERMAVO_HAVE_QT_SVG
    if (!WriteQtSvg(doc, kind, outPath, print, pageNumber)) {
        std::fprintf(stderr, "%s: cannot write the SVG file\n", outPath.c_str());
        return 1;
    }
    return 0;
#else
    const std::string svg = PlainSvg(doc, kind, print, pageNumber);
    std::string cause;
    if (!WriteFileAtomically(outPath, std::vector<uint8_t>(svg.begin(), svg.end()), cause)) {
        std::fprintf(stderr, "%s: %s\n", outPath.c_str(), cause.c_str());
        return 1;
    }
    return 0;
#endif
}

#ifdef THERMAVO_HAVE_QT
int RenderPdf(const CQuarnDoc& doc, int kind, const std::string& outPath) {
    const auto app = MakeOffscreenApplication();
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

int RenderDrawing(const std::function<DrawResult(ICanvas&, const ViewPage&)>& draw,
                  const std::function<int(const ViewPage&)>& pages, const std::string& outPath) {
    if (EndsWith(outPath, ".svg")) {
        CSvgCanvas canvas(false);
        const ScrollSizes sizes = draw(canvas, SvgPage(false, 1)).sizes;
        const std::string svg = canvas.Document(sizes.nPageWidth * 4, sizes.nPageHeight);
        std::string cause;
        if (!WriteFileAtomically(outPath, std::vector<uint8_t>(svg.begin(), svg.end()), cause)) {
            std::fprintf(stderr, "%s: %s\n", outPath.c_str(), cause.c_str());
            return 1;
        }
        return 0;
    }
    if (EndsWith(outPath, ".pdf")) {
#ifdef THERMAVO_HAVE_QT
        const auto app = MakeOffscreenApplication();
        QPdfWriter writer(QString::fromStdString(outPath));
        writer.setResolution(100);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            std::fprintf(stderr, "%s: cannot write the PDF file\n", outPath.c_str());
            return 1;
        }
        const int count = pages(PrintPage(1));
        for (int number = 1; number <= count; ++number) {
            if (number > 1) writer.newPage();
            CQPainterCanvas canvas(painter, true, false, kMarginX, kMarginY);
            draw(canvas, PrintPage(number));
        }
        painter.end();
        return 0;
#else
        (void)pages;
        std::fprintf(stderr, "This build has no PDF output (it needs Qt 6).\n");
        return 1;
#endif
    }
    std::fprintf(stderr, "%s: the output must end in .svg or .pdf\n", outPath.c_str());
    return 2;
}

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
