#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "AppStrings.h"

namespace {
constexpr int kSize = 24;

// Colours kept few and calm so that the buttons read as one set.
const QColor kInk(40, 40, 48);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 100, 190);
const QColor kRed(200, 50, 40);
const QColor kYellow(240, 190, 50);
const QColor kGlass(150, 200, 235);
const QColor kBrick(180, 90, 60);
const QColor kGreen(60, 150, 80);

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.setPen(QPen(kInk, 1.2));
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void House(QPainter& p, const QColor& wall) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(wall);
    p.drawRect(QRectF(5, 11, 14, 10));
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(2.5, 12), QPointF(12, 3.5), QPointF(21.5, 12)}));
}

void Chart(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(3, 3), QPointF(3, 21));
    p.drawLine(QPointF(3, 21), QPointF(21, 21));
    p.setPen(QPen(kBlue, 2));
    p.drawPolyline(QPolygonF(
        {QPointF(4, 18), QPointF(8, 15), QPointF(12, 8), QPointF(16, 6), QPointF(20, 12)}));
    p.setPen(QPen(kRed, 2));
    p.drawPolyline(QPolygonF(
        {QPointF(4, 19), QPointF(8, 17), QPointF(12, 13), QPointF(16, 11), QPointF(20, 16)}));
}

void Table(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 4, 18, 16));
    p.fillRect(QRectF(3.6, 4.6, 16.8, 3.4), kGlass);
    for (double y : {8.0, 12.0, 16.0}) p.drawLine(QPointF(3, y), QPointF(21, y));
    p.setPen(QPen(kRed, 1.2));
    p.drawLine(QPointF(8, 4), QPointF(8, 20));
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(14.5, 4), QPointF(14.5, 20));
}

void Draw(QPainter& p, int id) {
    switch (id) {
        case cmd::kFileNew:
            Page(p, QRectF(5, 2, 14, 20));
            break;
        case cmd::kFileOpen: {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kYellow.darker(115));
            p.drawRect(QRectF(2, 6, 17, 14));
            p.setBrush(kYellow);
            p.drawPolygon(
                QPolygonF({QPointF(5, 10), QPointF(22, 10), QPointF(19, 20), QPointF(2, 20)}));
            break;
        }
        case cmd::kFileSave:
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kBlue);
            p.drawRect(QRectF(3, 3, 18, 18));
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 3, 12, 7));
            p.setBrush(kInk);
            p.drawRect(QRectF(7, 14, 10, 7));
            break;
        case cmd::kEditCopy:
            Page(p, QRectF(3, 2, 12, 15));
            Page(p, QRectF(9, 7, 12, 15));
            break;
        case cmd::kFilePrint:
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 2, 10, 8));
            p.setBrush(QColor(180, 180, 190));
            p.drawRect(QRectF(2, 9, 20, 9));
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 15, 12, 7));
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);
            break;
        case cmd::kGeneralData:
            Page(p, QRectF(4, 2, 16, 20));
            p.setPen(QPen(kBlue, 1.5));
            for (double y : {8.0, 12.0, 16.0}) p.drawLine(QPointF(7, y), QPointF(17, y));
            break;
        case cmd::kGlassWindowsData:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kGlass);
            p.drawRect(QRectF(4, 3, 16, 18));
            p.drawLine(QPointF(12, 3), QPointF(12, 21));
            p.drawLine(QPointF(4, 12), QPointF(20, 12));
            break;
        case cmd::kWallsRoofData:
            House(p, kBrick);
            p.setPen(QPen(kPaper.darker(120), 1));
            p.drawLine(QPointF(5.6, 14.5), QPointF(18.4, 14.5));
            p.drawLine(QPointF(5.6, 18), QPointF(18.4, 18));
            break;
        case cmd::kGlassBlocksData:
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kGlass);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) p.drawRect(QRectF(3 + c * 6, 3 + r * 6, 5, 5));
            break;
        case cmd::kOtherBuildingData:
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kGlass);
            p.drawRect(QRectF(3, 3, 18, 18));
            p.setBrush(QColor(200, 170, 120));
            p.drawRect(QRectF(3, 16, 18, 5));
            p.drawLine(QPointF(12, 3), QPointF(12, 16));
            break;
        case 32785:  // the Total Cooling Load graph
            Chart(p);
            break;
        case 32796:  // the Total Cooling Load table
            Table(p);
            break;
        case 32921: {  // the peak cooling summary: a sheet with a peak
            Page(p, QRectF(4, 2, 16, 20));
            p.setPen(QPen(kBlue, 2));
            p.drawPolyline(QPolygonF({QPointF(6, 18), QPointF(10, 14), QPointF(12, 7),
                                      QPointF(14, 14), QPointF(18, 18)}));
            p.setBrush(kRed);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(12, 7), 1.8, 1.8);
            break;
        }
        case 32922: {  // the heating report: a flame
            QPainterPath flame;
            flame.moveTo(12, 2);
            flame.cubicTo(18, 9, 20, 13, 18, 18);
            flame.cubicTo(16, 22, 8, 22, 6, 18);
            flame.cubicTo(4, 13, 9, 11, 12, 2);
            p.setPen(QPen(kRed.darker(120), 1));
            p.setBrush(QColor(235, 110, 40));
            p.drawPath(flame);
            p.setBrush(kYellow);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(9.5, 13, 5, 7));
            break;
        }
        case 32937:  // the project input data report
            Page(p, QRectF(4, 2, 16, 20));
            p.setPen(QPen(kInk, 1));
            for (double y : {7.0, 10.5, 14.0, 17.5}) {
                p.drawLine(QPointF(7, y), QPointF(10, y));
                p.drawLine(QPointF(11.5, y), QPointF(17, y));
            }
            break;
        case cmd::kUValue: {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kBrick);
            p.drawRect(QRectF(3, 3, 7, 18));
            QFont font("Sans Serif");
            font.setPixelSize(14);
            font.setBold(true);
            p.setFont(font);
            p.setPen(kBlue);
            p.drawText(QRectF(10, 3, 13, 18), Qt::AlignCenter, "U");
            break;
        }
        case cmd::kAppAbout: {
            p.setPen(QPen(kBlue.darker(120), 1.2));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
            QFont font("Serif");
            font.setPixelSize(15);
            font.setBold(true);
            font.setItalic(true);
            p.setFont(font);
            p.setPen(kPaper);
            p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, "i");
            break;
        }
        default:
            break;
    }
}
}  // namespace

QIcon MakeToolIcon(int commandId) {
    QIcon icon;
    // Two sizes: crisp on ordinary and on high-density screens.
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        Draw(painter, commandId);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
