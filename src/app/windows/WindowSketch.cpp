#include "WindowSketch.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// The drawing is laid out on a fixed canvas and scaled to the widget as a whole.
constexpr double kCanvasWidth = 470;
constexpr double kCanvasHeight = 372;

// Elevation (left): the window, the two fins and the overhang seen from outside. The plan below
// shares its x positions, the section beside it its y positions.
constexpr double kWinLeft = 90, kWinRight = 210, kWinTop = 105, kWinBottom = 205;
constexpr double kFinLeftOut = 40, kFinLeftIn = 50, kFinRightIn = 250, kFinRightOut = 260;
constexpr double kFinTop = 64, kFinBottom = 225;
constexpr double kOverhangLeft = 20, kOverhangRight = 280, kOverhangTop = 50, kOverhangBottom = 64;
constexpr double kWallLeft = 10, kWallRight = 290, kWallTop = 30, kWallBottom = 240;
constexpr double kChainY = 262;  // Ld, Ww, Rd

// Plan: the wall cut through the window, the fins standing out from its outer face.
constexpr double kPlanWallTop = 306, kPlanWallBottom = 320, kPlanFinEnd = 360;

// Section: the wall cut through the window, the overhang standing out to the right.
constexpr double kSecWallIn = 335, kSecWallOut = 349, kSecOverhangEnd = 419;
constexpr double kSecChainX = 442;  // Vh, Wh
constexpr double kSecVwY = 38;

const QColor kWallFill(236, 228, 212), kWallLine(138, 127, 106);
const QColor kGlassFill(207, 232, 250), kGlassLine(47, 95, 138);
const QColor kShadeFill(150, 150, 150), kShadeLine(80, 80, 80);
const QColor kDimColor(178, 34, 34), kCaptionColor(90, 90, 90);

void Arrowhead(QPainter& p, QPointF tip, QPointF from) {
    const double dx = tip.x() - from.x(), dy = tip.y() - from.y();
    const double len = std::hypot(dx, dy);
    if (len <= 0) return;
    const double ux = dx / len, uy = dy / len;
    constexpr double kLength = 8, kHalf = 3.5;
    const QPointF base(tip.x() - ux * kLength, tip.y() - uy * kLength);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base.x() - uy * kHalf, base.y() + ux * kHalf);
    head.lineTo(base.x() + uy * kHalf, base.y() - ux * kHalf);
    head.closeSubpath();
    p.fillPath(head, kDimColor);
}

// A dimension line with arrows at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(kDimColor, 1.2));
    p.drawLine(a, b);
    Arrowhead(p, a, b);
    Arrowhead(p, b, a);
}

void Extension(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(kDimColor, 0.8, Qt::DashLine));
    p.drawLine(a, b);
}

void Label(QPainter& p, QPointF center, const QString& text) {
    const QRectF box(center.x() - 20, center.y() - 10, 40, 20);
    p.setPen(kDimColor);
    p.drawText(box, Qt::AlignCenter, text);
}

void Block(QPainter& p, const QRectF& r, const QColor& fill, const QColor& line) {
    p.setPen(QPen(line, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

QRectF Span(double left, double top, double right, double bottom) {
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void DrawElevation(QPainter& p) {
    Block(p, Span(kWallLeft, kWallTop, kWallRight, kWallBottom), kWallFill, kWallLine);
    Block(p, Span(kWinLeft, kWinTop, kWinRight, kWinBottom), kGlassFill, kGlassLine);
    // Mullion and transom, so the glass reads as a window.
    p.setPen(QPen(kGlassLine, 1));
    p.drawLine(QPointF((kWinLeft + kWinRight) / 2, kWinTop),
               QPointF((kWinLeft + kWinRight) / 2, kWinBottom));
    Block(p, Span(kFinLeftOut, kFinTop, kFinLeftIn, kFinBottom), kShadeFill, kShadeLine);
    Block(p, Span(kFinRightIn, kFinTop, kFinRightOut, kFinBottom), kShadeFill, kShadeLine);
    Block(p, Span(kOverhangLeft, kOverhangTop, kOverhangRight, kOverhangBottom), kShadeFill,
          kShadeLine);

    // Ld, Ww and Rd as one chain below the wall.
    const double ext = kChainY + 6;
    Extension(p, {kFinLeftIn, kFinBottom}, {kFinLeftIn, ext});
    Extension(p, {kWinLeft, kWinBottom}, {kWinLeft, ext});
    Extension(p, {kWinRight, kWinBottom}, {kWinRight, ext});
    Extension(p, {kFinRightIn, kFinBottom}, {kFinRightIn, ext});
    Dimension(p, {kFinLeftIn, kChainY}, {kWinLeft, kChainY});
    Dimension(p, {kWinLeft, kChainY}, {kWinRight, kChainY});
    Dimension(p, {kWinRight, kChainY}, {kFinRightIn, kChainY});
    Label(p, {(kFinLeftIn + kWinLeft) / 2, kChainY + 15}, "Ld");
    Label(p, {(kWinLeft + kWinRight) / 2, kChainY + 15}, "Ww");
    Label(p, {(kWinRight + kFinRightIn) / 2, kChainY + 15}, "Rd");
}

void DrawPlan(QPainter& p) {
    Block(p, Span(kWallLeft, kPlanWallTop, kWinLeft, kPlanWallBottom), kWallFill, kWallLine);
    Block(p, Span(kWinRight, kPlanWallTop, kWallRight, kPlanWallBottom), kWallFill, kWallLine);
    const double glassY = (kPlanWallTop + kPlanWallBottom) / 2;
    p.setPen(QPen(kGlassLine, 3));
    p.drawLine(QPointF(kWinLeft, glassY), QPointF(kWinRight, glassY));
    Block(p, Span(kFinLeftOut, kPlanWallBottom, kFinLeftIn, kPlanFinEnd), kShadeFill, kShadeLine);
    Block(p, Span(kFinRightIn, kPlanWallBottom, kFinRightOut, kPlanFinEnd), kShadeFill, kShadeLine);

    const double leftX = kFinLeftIn + 12, rightX = kFinRightIn - 12;
    Extension(p, {kFinLeftIn, kPlanFinEnd}, {leftX + 4, kPlanFinEnd});
    Extension(p, {kFinRightIn, kPlanFinEnd}, {rightX - 4, kPlanFinEnd});
    Dimension(p, {leftX, kPlanWallBottom}, {leftX, kPlanFinEnd});
    Dimension(p, {rightX, kPlanWallBottom}, {rightX, kPlanFinEnd});
    const double mid = (kPlanWallBottom + kPlanFinEnd) / 2;
    Label(p, {leftX + 18, mid}, "Lw");
    Label(p, {rightX - 18, mid}, "Rw");
}

void DrawSection(QPainter& p) {
    Block(p, Span(kSecWallIn, kWallTop, kSecWallOut, kWinTop), kWallFill, kWallLine);
    Block(p, Span(kSecWallIn, kWinBottom, kSecWallOut, kWallBottom), kWallFill, kWallLine);
    const double glassX = (kSecWallIn + kSecWallOut) / 2;
    p.setPen(QPen(kGlassLine, 3));
    p.drawLine(QPointF(glassX, kWinTop), QPointF(glassX, kWinBottom));
    Block(p, Span(kSecWallOut, kOverhangTop, kSecOverhangEnd, kOverhangBottom), kShadeFill,
          kShadeLine);

    // Vw above the overhang.
    Extension(p, {kSecOverhangEnd, kOverhangTop}, {kSecOverhangEnd, kSecVwY - 5});
    Dimension(p, {kSecWallOut, kSecVwY}, {kSecOverhangEnd, kSecVwY});
    Label(p, {(kSecWallOut + kSecOverhangEnd) / 2, kSecVwY - 12}, "Vw");

    // Vh and Wh as one chain right of the overhang.
    const double ext = kSecChainX + 6;
    Extension(p, {kSecOverhangEnd, kOverhangBottom}, {ext, kOverhangBottom});
    Extension(p, {kSecWallOut, kWinTop}, {ext, kWinTop});
    Extension(p, {kSecWallOut, kWinBottom}, {ext, kWinBottom});
    Dimension(p, {kSecChainX, kOverhangBottom}, {kSecChainX, kWinTop});
    Dimension(p, {kSecChainX, kWinTop}, {kSecChainX, kWinBottom});
    Label(p, {kSecChainX - 22, (kOverhangBottom + kWinTop) / 2}, "Vh");
    Label(p, {kSecChainX - 22, (kWinTop + kWinBottom) / 2}, "Wh");
}

void Caption(QPainter& p, QPointF topLeft, const QString& text) {
    p.setPen(kCaptionColor);
    p.drawText(QRectF(topLeft, QSizeF(110, 18)), Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace

CWindowSketch::CWindowSketch(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize CWindowSketch::sizeHint() const {
    return QSize(static_cast<int>(kCanvasWidth), static_cast<int>(kCanvasHeight));
}

QSize CWindowSketch::minimumSizeHint() const {
    return QSize(static_cast<int>(kCanvasWidth * 0.9), static_cast<int>(kCanvasHeight * 0.9));
}

void CWindowSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);

    const double scale = std::min(width() / kCanvasWidth, height() / kCanvasHeight);
    p.translate((width() - kCanvasWidth * scale) / 2, (height() - kCanvasHeight * scale) / 2);
    p.scale(scale, scale);

    QFont captionFont = font();
    captionFont.setPixelSize(12);
    captionFont.setItalic(true);
    p.setFont(captionFont);
    Caption(p, {kWallLeft, 6}, "Elevation");
    Caption(p, {kSecWallIn - 15, 6}, "Section");
    Caption(p, {kWallLeft, kPlanWallTop - 22}, "Plan");

    QFont labelFont = font();
    labelFont.setPixelSize(15);
    labelFont.setBold(true);
    p.setFont(labelFont);
    DrawElevation(p);
    DrawSection(p);
    DrawPlan(p);
}
