#include "Emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {
void DrawSun(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(QColor(245, 160, 30), radius * 0.22, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        const QPointF dir(qCos(a), qSin(a));
        p.drawLine(centre + dir * radius * 1.35, centre + dir * radius * 1.85);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 185, 40));
    p.drawEllipse(centre, radius, radius);
}

void DrawSnowflake(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(QColor(40, 130, 220), radius * 0.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * M_PI / 3 + M_PI / 2;
        const QPointF dir(qCos(a), qSin(a));
        const QPointF tip = centre + dir * radius;
        p.drawLine(centre, tip);
        // Two small barbs on each arm make it read as a snowflake at small sizes.
        const QPointF mid = centre + dir * radius * 0.6;
        for (int s : {-1, 1}) {
            const qreal b = a + s * M_PI / 4;
            p.drawLine(mid, mid + QPointF(qCos(b), qSin(b)) * radius * 0.35);
        }
    }
}
}  // namespace

void PaintThermavoEmblem(QPainter& p, qreal s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient disc(QPointF(s * 0.4, s * 0.35), s * 0.6);
    disc.setColorAt(0, QColor(255, 255, 255));
    disc.setColorAt(1, QColor(214, 228, 240));
    p.setPen(QPen(QColor(30, 60, 100), s * 0.03));
    p.setBrush(disc);
    p.drawEllipse(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94));

    DrawSun(p, QPointF(s * 0.28, s * 0.3), s * 0.09);
    DrawSnowflake(p, QPointF(s * 0.73, s * 0.7), s * 0.14);

    // Thermometer: a rounded tube and a bulb, half filled with red.
    const qreal tubeW = s * 0.13;
    const QRectF tube(s * 0.5 - tubeW / 2, s * 0.16, tubeW, s * 0.56);
    const QPointF bulbCentre(s * 0.5, s * 0.76);
    const qreal bulbR = s * 0.11;
    QPainterPath outline;
    outline.addRoundedRect(tube, tubeW / 2, tubeW / 2);
    outline.addEllipse(bulbCentre, bulbR, bulbR);
    outline = outline.simplified();
    p.setPen(QPen(QColor(30, 60, 100), s * 0.025));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 35, 40));
    p.drawEllipse(bulbCentre, bulbR * 0.72, bulbR * 0.72);
    const qreal colW = tubeW * 0.45;
    p.drawRoundedRect(QRectF(s * 0.5 - colW / 2, s * 0.4, colW, s * 0.38), colW / 2, colW / 2);
    p.setPen(QPen(QColor(30, 60, 100), s * 0.012));
    for (int i = 0; i < 5; ++i) {
        const qreal y = s * (0.22 + i * 0.08);
        p.drawLine(QPointF(tube.right() - tubeW * 0.05, y), QPointF(tube.right() + s * 0.04, y));
    }
    p.restore();
}

QPixmap DrawThermavoEmblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    PaintThermavoEmblem(p, size);
    return pixmap;
}
