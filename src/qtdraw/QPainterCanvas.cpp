#include "QPainterCanvas.h"

#include <QFontMetricsF>
#include <QString>

#include "QtText.h"
#include "draw/FontMetrics.h"

CQPainterCanvas::CQPainterCanvas(QPainter& painter, bool printing, bool printer, int originX,
                                 int originY)
    : m_painter(painter),
      m_bPrinting(printing),
      m_bPrinter(printer),
      m_originX(originX),
      m_originY(originY) {
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(Qt::NoBrush);
}

void CQPainterCanvas::SetFont(const CanvasFont& font) {
    QFont f(QString::fromStdString(font.strFace));
    f.setPixelSize(FontEmSize(font.nHeight));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.nWeight, 100, 900)));
    f.setUnderline(font.bUnderline);
    f.setStyleHint(QFont::SansSerif);
    m_painter.setFont(f);
    m_escapement = font.nEscapement;
}

void CQPainterCanvas::SetPen(const CanvasPen& pen) {
    m_painter.setPen(QPen(QColor(pen.r, pen.g, pen.b), std::max(1, pen.nWidth)));
}

void CQPainterCanvas::TextOut(int x, int y, const std::string& text) {
    const QString s = ToQString(text);
    const QFontMetricsF metrics(m_painter.font());
    const TextPlacement place = PlaceText(m_align, m_escapement, metrics.horizontalAdvance(s),
                                          metrics.ascent(), metrics.descent());
    m_painter.save();
    m_painter.translate(Map(x, y));
    if (m_escapement != 0) m_painter.rotate(-m_escapement / 10.0);
    m_painter.drawText(QPointF(place.dx, place.dy), s);
    m_painter.restore();
}

void CQPainterCanvas::LineTo(int x, int y) {
    m_painter.drawLine(Map(m_x, m_y), Map(x, y));
    m_x = x;
    m_y = y;
}

void CQPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    m_painter.drawRect(QRectF(Map(left, top), Map(right, bottom)).normalized());
}

CanvasSize CQPainterCanvas::GetTextExtent(const std::string& text) {
    const QFontMetricsF metrics(m_painter.font());
    return {static_cast<int>(metrics.horizontalAdvance(ToQString(text)) + 0.5),
            static_cast<int>(metrics.height() + 0.5)};
}
