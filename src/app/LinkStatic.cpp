#include "LinkStatic.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "GuiMessages.h"

QString HyperlinkErrorText(int code) {
    switch (code) {
        case 0:
            return "The operating system is out\nof memory or resources.";
        case 2:
            return "The specified file was not found.";
        case 3:
            return "The specified path was not found.";
        case 5:
            return "The operating system denied\naccess to the specified file.";
        case 8:
            return "There was not enough memory to complete the operation.";
        case 11:
            return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case 26:
            return "A sharing violation occurred. ";
        case 27:
            return "The filename association is\nincomplete or invalid.";
        case 28:
            return "The DDE transaction could not\nbe completed because the request timed out.";
        case 29:
            return "The DDE transaction failed.";
        case 30:
            return "The DDE transaction could not\nbe completed because other DDE "
                   "transactions\nwere being processed.";
        case 31:
            return "There is no application associated\nwith the given filename extension.";
        case 32:
            return "The specified dynamic-link library was not found.";
        default:
            return QString("Unknown Error (%1) occurred.").arg(code);
    }
}

QString HyperlinkErrorMessage(int code) {
    return "Unable to open hyperlink:\n\n" + HyperlinkErrorText(code);
}

int HyperlinkErrorCode(const QUrl& url) {
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (!info.exists()) return info.dir().exists() ? 2 : 3;
    }
    return 31;
}

namespace {
QUrl UrlOf(const QString& target) {
    const QFileInfo local(target);
    if (local.isAbsolute()) return QUrl::fromLocalFile(target);
    return QUrl::fromUserInput(target);
}
}  // namespace

CLinkStatic::CLinkStatic(const QString& text, const QString& target, QWidget* parent)
    : QWidget(parent), m_strTarget(target), m_strText(text) {
    if (m_strTarget.isEmpty()) m_strTarget = m_strText;
    if (m_strText.isEmpty()) m_strText = m_strTarget;
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolTip(m_strTarget);
    setAccessibleName(m_strText);
    m_timerHover.setInterval(kHoverTimerMs);
    connect(&m_timerHover, &QTimer::timeout, this, &CLinkStatic::CheckHover);
    m_fnOpen = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    m_fnReport = [this](const QString& message) { QMessageBox::warning(this, kAppTitle, message); };
    MakeFonts();
    FitToText();
}

CLinkStatic::~CLinkStatic() { m_timerHover.stop(); }

void CLinkStatic::MakeFonts() {
    m_fontPlain = font();
    m_fontPlain.setUnderline(false);
    m_fontUnderlined = m_fontPlain;
    m_fontUnderlined.setUnderline(true);
}

void CLinkStatic::SetLinkUrl(const QString& target) {
    m_strTarget = target;
    setToolTip(target);
    FitToText();
}

void CLinkStatic::SetText(const QString& text) {
    m_strText = text;
    setAccessibleName(text);
    FitToText();
    update();
}

void CLinkStatic::SetColours(const QColor& normal, const QColor& visited, const QColor& hover) {
    m_clrNormal = normal;
    m_clrVisited = visited;
    m_clrHover = hover;
    update();
}

void CLinkStatic::SetVisited(bool visited) {
    m_bLinkVisited = visited ? 1 : 0;
    update();
}

void CLinkStatic::SetUnderline(int mode) {
    m_nUnderlineMode = mode;
    update();
}

void CLinkStatic::SetAutoSize(bool fitToText) {
    m_bFitToText = fitToText ? 1 : 0;
    FitToText();
}

void CLinkStatic::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

QColor CLinkStatic::CurrentColour() const {
    if (m_bMouseOver) return m_clrHover;
    if (m_bLinkVisited) return m_clrVisited;
    return m_clrNormal;
}

const QFont& CLinkStatic::CurrentFont() const {
    const bool underlined = m_nUnderlineMode == kUnderlineAlways ||
                            (m_nUnderlineMode == kUnderlineHover && m_bMouseOver);
    return underlined ? m_fontUnderlined : m_fontPlain;
}

QSize CLinkStatic::sizeHint() const {
    const QFontMetrics metrics(m_fontUnderlined);
    return QSize(metrics.horizontalAdvance(m_strText) + 2, metrics.height());
}

void CLinkStatic::FitToText() {
    if (!m_bFitToText) return;
    updateGeometry();
    const QSize size = sizeHint();
    QRect r = geometry();
    // Keep the edge (or centre) the alignment anchors, so centred links stay centred.
    int left = r.left();
    if (m_alignment & Qt::AlignHCenter) {
        left = r.center().x() - size.width() / 2;
    } else if (m_alignment & Qt::AlignRight) {
        left = r.right() + 1 - size.width();
    }
    int top = r.top();
    if (m_alignment & Qt::AlignVCenter) top = r.center().y() - size.height() / 2;
    setGeometry(left, top, size.width(), size.height());
}

void CLinkStatic::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        MakeFonts();
        FitToText();
    }
    QWidget::changeEvent(event);
}

void CLinkStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setFont(CurrentFont());
    p.setPen(CurrentColour());
    p.drawText(rect(), static_cast<int>(m_alignment) | Qt::TextSingleLine, m_strText);
}

void CLinkStatic::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bMouseOver) {
        m_bMouseOver = 1;
        update();
        m_timerHover.start();
    }
    QWidget::mouseMoveEvent(event);
}

QPoint CLinkStatic::CursorPosition() const { return QCursor::pos(); }

void CLinkStatic::CheckHover() {
    if (rect().contains(mapFromGlobal(CursorPosition()))) return;
    m_bMouseOver = 0;
    m_timerHover.stop();
    update();
}

void CLinkStatic::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_bMouseOver = 0;
    m_timerHover.stop();
    update();
    OpenLink();
}

bool CLinkStatic::OpenLink() {
    const QUrl url = UrlOf(m_strTarget);
    if (url.isValid() && !m_strTarget.isEmpty() && m_fnOpen(url)) {
        SetVisited(true);
        return true;
    }
    QApplication::beep();
    if (m_fnReport) m_fnReport(HyperlinkErrorMessage(HyperlinkErrorCode(url)));
    return false;
}
