// Writes the installed icons from the program's own emblem: the application icon and the
// icon of project files, each as SVG or as a square PNG of a given size.
//   thermavo-icongen app|document svg|SIZE OUT
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>

#include "Emblem.h"

namespace {
// A page with a folded corner and a few lines of text, the emblem over its lower part.
void PaintProjectDocument(QPainter& p, qreal s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal left = s * 0.14, right = s * 0.86, top = s * 0.03, bottom = s * 0.97;
    const qreal fold = s * 0.2;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    const QColor ink(30, 60, 100);
    p.setPen(QPen(ink, s * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    p.setBrush(QColor(214, 228, 240));
    p.drawPath(corner);
    p.setPen(QPen(QColor(150, 165, 185), s * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = s * (0.13 + i * 0.08);
        p.drawLine(QPointF(left + s * 0.08, y),
                   QPointF(right - fold - s * 0.04 + (i ? fold : 0), y));
    }
    const qreal emblem = s * 0.6;
    p.translate(s * 0.2, s * 0.35);
    PaintThermavoEmblem(p, emblem);
    p.restore();
}

void Paint(QPainter& p, bool document, qreal s) {
    if (document) {
        PaintProjectDocument(p, s);
    } else {
        PaintThermavoEmblem(p, s);
    }
}

bool WriteSvg(bool document, const QString& out) {
    constexpr int kSize = 256;
    QSvgGenerator svg;
    svg.setFileName(out);
    svg.setSize(QSize(kSize, kSize));
    svg.setViewBox(QRect(0, 0, kSize, kSize));
    svg.setTitle(document ? "Thermavo project" : "Thermavo");
    QPainter p;
    if (!p.begin(&svg)) return false;
    Paint(p, document, kSize);
    return p.end();
}

bool WritePng(bool document, int size, const QString& out) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint(p, document, size);
    p.end();
    return image.save(out, "PNG");
}
}  // namespace

int main(int argc, char** argv) {
    // Painting on images and SVG needs no application object, hence no display.
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const bool kindOk = args.size() == 4 && (args[1] == "app" || args[1] == "document");
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    const bool svg = args.size() == 4 && args[2] == "svg";
    if (!kindOk || !(svg || (sizeOk && size >= 16 && size <= 1024))) {
        std::fprintf(stderr,
                     "usage: thermavo-icongen app|document svg|SIZE OUT\n"
                     "  SIZE: pixels, 16 to 1024\n");
        return 2;
    }
    const bool document = args[1] == "document";
    const bool ok = svg ? WriteSvg(document, args[3]) : WritePng(document, size, args[3]);
    if (!ok || !QFile::exists(args[3])) {
        std::fprintf(stderr, "thermavo-icongen: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
