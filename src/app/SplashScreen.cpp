#include "SplashScreen.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QtMath>

#include "Version.h"

namespace {
bool g_bSplashEnabled = false;
QPointer<CSplashWnd> g_pSplash;

constexpr int kSplashWidth = 480;
constexpr int kSplashHeight = 300;

// The largest pixel size up to wanted at which text fits width (system fonts differ in width).
int FittingPixelSize(QFont font, const QString& text, int width, int wanted) {
    int size = wanted;
    for (; size > 8; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
    }
    return size;
}
}  // namespace

QPixmap DrawSplashBitmap() {
    QPixmap pixmap(kSplashWidth, kSplashHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, kSplashWidth, kSplashHeight);
    sky.setColorAt(0, QColor(16, 42, 84));
    sky.setColorAt(1, QColor(18, 110, 130));
    p.fillRect(pixmap.rect(), sky);
    // A warm band at the bottom: cooling and heating in one picture.
    QLinearGradient band(0, 0, kSplashWidth, 0);
    band.setColorAt(0, QColor(40, 130, 220));
    band.setColorAt(1, QColor(225, 80, 40));
    p.fillRect(QRect(0, kSplashHeight - 10, kSplashWidth, 10), band);

    p.drawPixmap(28, 70, DrawThermavoEmblem(150));

    const int textLeft = 200;
    const int textWidth = kSplashWidth - textLeft - 20;
    QFont title = QApplication::font();
    title.setBold(true);
    title.setPixelSize(FittingPixelSize(title, "Thermavo", textWidth, 46));
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(textLeft, 52, textWidth, 60), Qt::AlignLeft | Qt::AlignVCenter, "Thermavo");

    const QString subtitle = "Heating and Air Conditioning\nHourly Load Analysis";
    QFont body = QApplication::font();
    body.setPixelSize(FittingPixelSize(body, "Heating and Air Conditioning", textWidth, 15));
    p.setFont(body);
    p.setPen(QColor(220, 235, 245));
    p.drawText(QRect(textLeft, 118, textWidth, 44), Qt::AlignLeft, subtitle);
    body.setPixelSize(13);
    p.setFont(body);
    p.drawText(QRect(textLeft, 170, textWidth, 20), Qt::AlignLeft,
               QString("Version %1").arg(kThermavoVersion));

    const QString footer =
        "Based on ASHRAE's CLTD / CLF Method.  For Commercial and Residential Projects.";
    body.setPixelSize(FittingPixelSize(body, footer, kSplashWidth - 40, 12));
    p.setFont(body);
    p.setPen(QColor(180, 205, 225));
    p.drawText(QRect(20, kSplashHeight - 44, kSplashWidth - 40, 24), Qt::AlignCenter, footer);

    p.setPen(QPen(QColor(8, 24, 48), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kSplashWidth - 2, kSplashHeight - 2));
    return pixmap;
}

bool IsSplashWanted(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) continue;
        const QString flag = arg.mid(1);
        if (flag.compare("Embedding", Qt::CaseInsensitive) == 0 ||
            flag.compare("Automation", Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return true;
}

bool ShowSplashIfWanted(const QStringList& arguments, QWidget* owner) {
    CSplashWnd::EnableSplashScreen(IsSplashWanted(arguments));
    return CSplashWnd::ShowSplashScreen(owner) != nullptr;
}

void CSplashWnd::EnableSplashScreen(bool enable) { g_bSplashEnabled = enable; }

bool CSplashWnd::IsSplashEnabled() { return g_bSplashEnabled; }

CSplashWnd* CSplashWnd::Current() { return g_pSplash.data(); }

CSplashWnd* CSplashWnd::ShowSplashScreen(QWidget* owner) {
    if (!g_bSplashEnabled || g_pSplash) return nullptr;
    auto* splash = new CSplashWnd(owner);
    g_pSplash = splash;
    splash->show();
    splash->raise();
    return splash;
}

CSplashWnd::CSplashWnd(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      m_bitmap(DrawSplashBitmap()),
      m_pOwner(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The keyboard stays with the main window, which gets the keys once the picture is gone.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_bitmap.size());
    setWindowTitle("Thermavo");

    QRect area = owner != nullptr && owner->isVisible() ? owner->frameGeometry() : QRect();
    if (area.isEmpty()) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
    }
    if (!area.isEmpty()) move(area.center() - rect().center());

    m_timer.setSingleShot(true);
    m_timer.setInterval(kDisplayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
    m_timer.start();
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

void CSplashWnd::HideSplashScreen() {
    m_timer.stop();
    if (qApp != nullptr) qApp->removeEventFilter(this);
    // Some platforms activate the picture anyway; hand the keyboard back to the owner.
    const bool wasActive = isActiveWindow() || (windowHandle() != nullptr &&
                                                QGuiApplication::focusWindow() == windowHandle());
    hide();
    if (m_pOwner) {
        if (wasActive) m_pOwner->activateWindow();
        m_pOwner->update();
    }
    if (g_pSplash == this) g_pSplash = nullptr;
    deleteLater();
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
    if (!isVisible()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claiming the key keeps it from firing a menu shortcut; the key press follows.
            event->accept();
            return true;
        case QEvent::KeyPress:
            HideSplashScreen();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick: {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (button == Qt::LeftButton || button == Qt::RightButton ||
                button == Qt::MiddleButton) {
                HideSplashScreen();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_bitmap);
}
