// The icons installed for the launcher and for project files against the program's emblem.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include "Emblem.h"

namespace {
QString IconPath(const QString& name) { return QString(THERMAVO_ICON_DIR) + "/" + name; }

QImage Straight(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

QImage RenderSvg(const QString& path, int size) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    svg.render(&p);
    p.end();
    return Straight(image);
}

// Mean absolute difference over all channels of two images of one size, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            sum += std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) +
                   std::abs(qBlue(pa) - qBlue(pb)) + std::abs(qAlpha(pa) - qAlpha(pb));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}
}  // namespace

class InstalledIconsTest : public QObject {
    Q_OBJECT

  private slots:
    // The launcher's bitmaps are the window icon's picture pixel for pixel.
    void PngsAreTheEmblem() {
        for (int size : {48, 256}) {
            const QImage png(IconPath(QString("app-%1.png").arg(size)));
            QCOMPARE(png.size(), QSize(size, size));
            QVERIFY2(Straight(png) == Straight(DrawThermavoEmblem(size).toImage()),
                     qPrintable(QString("app-%1.png differs from the window icon").arg(size)));
        }
    }

    // Each scalable icon draws what its bitmap shows: nothing lost on the way to SVG
    // (gradients, round caps, the simplified thermometer outline).
    void SvgsDrawTheirBitmaps() {
        for (const QString kind : {"app", "document"}) {
            const QImage png = Straight(QImage(IconPath(kind + "-256.png")));
            const QImage svg = RenderSvg(IconPath(kind + ".svg"), 256);
            QVERIFY2(!svg.isNull(), qPrintable(kind + ".svg is not a valid SVG"));
            const double diff = MeanDifference(png, svg);
            QVERIFY2(diff < 0.5,
                     qPrintable(QString("%1.svg differs from %1-256.png by %2 on average")
                                    .arg(kind)
                                    .arg(diff)));
        }
    }

    // The file icon is a page, opaque where the emblem is not, and carries the emblem.
    void DocumentIconIsAPageWithTheEmblem() {
        const QImage page = Straight(QImage(IconPath("document-256.png")));
        QCOMPARE(page.size(), QSize(256, 256));
        QCOMPARE(qAlpha(page.pixel(128, 60)), 255);
        QCOMPARE(qAlpha(page.pixel(4, 128)), 0);
        // The emblem's red thermometer bulb sits in the lower part of the page.
        bool red = false;
        for (int y = 160; y < 256 && !red; ++y) {
            for (int x = 0; x < 256 && !red; ++x) {
                const QRgb c = page.pixel(x, y);
                red = qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        }
        QVERIFY(red);
        QVERIFY(MeanDifference(page, Straight(QImage(IconPath("app-256.png")))) > 10);
    }
};

QTEST_MAIN(InstalledIconsTest)
#include "icons_test.moc"
