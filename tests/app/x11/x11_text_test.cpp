// The views painted on a real X server, started as the program starts. Qt can paint text
// through paths that only a display takes (the offscreen suites never do): a glyph cache limit
// raised above FreeType's own once made every title larger than 64 pixels vanish from the
// screen (and from grabs of the widget, which take the same path).
#include <QPixmap>
#include <QScreen>

#include "../AppTestSupport.h"
#include "AppStrings.h"
#include "StartupCommand.h"

namespace {

bool IsDark(QRgb pixel) { return qGray(pixel) < 100; }
bool IsRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

// The rows above the table's red grid that cross text: two or more separate dark runs, where
// the title's underline is one.
int TextRowsAboveTheGrid(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int red = 0;
        int runs = 0;
        for (int x = 0; x < image.width(); ++x) {
            red += IsRed(image.pixel(x, y)) ? 1 : 0;
            if (IsDark(image.pixel(x, y)) && (x == 0 || !IsDark(image.pixel(x - 1, y)))) ++runs;
        }
        if (red > image.width() / 3) break;
        if (runs >= 2) ++rows;
    }
    return rows;
}

}  // namespace

class X11TextTest : public QObject {
    Q_OBJECT

  private slots:
    // The table's title and project name in the large display font, zoomed in, are on the
    // screen.
    void LargeTextReachesTheScreen() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
        QTemporaryDir folder;
        const QString office = BuildOfficeFile(folder.path(), 101);
        QVERIFY(!office.isEmpty());
        RunningApp run({office});
        QVERIFY(QTest::qWaitForWindowExposed(&run.Frame()));
        run.Trigger(cmd::kZoomIn);
        run.Trigger(cmd::kZoomIn);
        QWidget* pane = run.View()->viewport();
        QTest::qWait(500);  // the server has drawn what the window last painted

        const QPoint at = pane->mapToGlobal(QPoint(0, 0));
        const QImage shown =
            pane->screen()->grabWindow(0, at.x(), at.y(), pane->width(), pane->height()).toImage();
        if (qEnvironmentVariableIsSet("X11_TEXT_SAVE")) shown.save("/tmp/x11-shown.png");
        // At 125 % the title and the project name stand about 80 pixels high: together more
        // than a hundred rows of strokes.
        const int rows = TextRowsAboveTheGrid(shown);
        QVERIFY2(rows > 60, qPrintable(QString("%1 rows of text above the grid").arg(rows)));
    }
};

int main(int argc, char** argv) {
    UsePrivateConfig();
    PrepareQtEnvironment(ParseStartupCommand({"thermavo"}));
    QApplication application(argc, argv);
    X11TextTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11_text_test.moc"
