#include "gui/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPainter>

QPainterCanvas::QPainterCanvas(QSize size)
    : m_image(size, QImage::Format_RGB32), m_pen(Qt::black, 1), m_face(fonts::gothic())
{
    m_image.fill(Qt::white);
}

void QPainterCanvas::setPen(QColor colour, int width) { m_pen = QPen(colour, std::max(1, width)); }

void QPainterCanvas::line(int x1, int y1, int x2, int y2)
{
    QPainter p(&m_image);
    p.setPen(m_pen);
    p.drawLine(x1, y1, x2, y2);
}

void QPainterCanvas::fillRect(QRect r, QColor colour)
{
    QPainter p(&m_image);
    p.fillRect(r, colour);
}

void QPainterCanvas::text(int x, int y, const QString &s, int fontHeight, QColor colour)
{
    QPainter p(&m_image);
    QFont font(m_face);
    font.setPixelSize(std::max(1, fontHeight));
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetrics metrics(font);
    if (colour == QColor(Qt::white)) {
        // Writing in white erases: clear the text's whole cell.
        p.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), Qt::white);
        return;
    }
    p.setPen(colour);
    p.drawText(x, y + metrics.ascent(), s);
}
