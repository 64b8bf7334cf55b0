#include "tables/PagePainterCanvas.h"

#include <QFontMetrics>
#include <QPainter>

PagePainterCanvas::PagePainterCanvas(QPainter &painter, QSize size)
    : m_painter(painter), m_size(size), m_pen(Qt::black, 1), m_face(fonts::gothic())
{
    m_pen.setCapStyle(Qt::FlatCap);
}

void PagePainterCanvas::setPen(QColor colour, int width)
{
    m_pen = QPen(colour, std::max(1, width));
    m_pen.setCapStyle(Qt::FlatCap);
}

void PagePainterCanvas::line(int x1, int y1, int x2, int y2)
{
    m_painter.setPen(m_pen);
    m_painter.drawLine(x1, y1, x2, y2);
}

void PagePainterCanvas::fillRect(QRect r, QColor colour)
{
    m_painter.fillRect(r.intersected(QRect(QPoint(0, 0), m_size)), colour);
}

void PagePainterCanvas::setFontFace(const QString &face)
{
    if (face == m_face) return;
    m_face = face;
    m_fonts.clear();
}

const QFont &PagePainterCanvas::fontOf(int pixels)
{
    auto it = m_fonts.find(pixels);
    if (it == m_fonts.end()) {
        QFont font(m_face);
        font.setPixelSize(std::max(1, pixels));
        font.setStyleHint(QFont::TypeWriter);
        it = m_fonts.emplace(pixels, font).first;
    }
    return it->second;
}

void PagePainterCanvas::text(int x, int y, const QString &s, int fontHeight, QColor colour)
{
    const QFont &font = fontOf(fontHeight);
    m_painter.setFont(font);
    const QFontMetrics metrics(font, m_painter.device());
    if (colour == QColor(Qt::white)) {
        // Writing in white clears the text's cell.
        m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), Qt::white);
        return;
    }
    m_painter.setPen(colour);
    m_painter.drawText(x, y + metrics.ascent(), s);
}
