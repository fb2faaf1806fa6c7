#include "QPainterCanvas.h"

#include <QFontMetricsF>
#include <QString>

#include "QtText.h"

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
    // A font height names the whole text cell; the em of Arial is about 1/1.15 of it.
    f.setPixelSize(std::max(1, static_cast<int>(font.nHeight / 1.15 + 0.5)));
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
    const unsigned horizontal = m_align & 6u;
    const unsigned vertical = m_align & 24u;
    double dx = 0;
    if (horizontal == kAlignCenter) dx = -metrics.horizontalAdvance(s) / 2;
    if (horizontal == kAlignRight) dx = -metrics.horizontalAdvance(s);
    double dy = metrics.ascent();  // top: the reference point is the top of the text
    if (vertical == kAlignBottom) dy = -metrics.descent();
    if (vertical == kAlignBaseline) dy = 0;
    m_painter.save();
    m_painter.translate(Map(x, y));
    if (m_escapement != 0) m_painter.rotate(-m_escapement / 10.0);
    m_painter.drawText(QPointF(dx, dy), s);
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
