#include "support/RecordingCanvas.h"

#include <algorithm>

void RecordingCanvas::setPen(QColor colour, int width)
{
    m_pen = colour;
    m_penWidth = width;
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2) { m_lines.emplace_back(x1, y1, x2, y2); }

void RecordingCanvas::fillRect(QRect r, QColor)
{
    ++m_fills;
    std::erase_if(m_texts, [&](const DrawnText &t) { return r.contains(t.x, t.y); });
}

void RecordingCanvas::text(int x, int y, const QString &s, int fontHeight, QColor colour)
{
    if (colour == QColor(255, 255, 255)) {
        std::erase_if(m_texts, [&](const DrawnText &t) { return t.x == x && t.y == y; });
        return;
    }
    m_texts.push_back(DrawnText{x, y, s, fontHeight, colour, m_face});
}

const DrawnText *RecordingCanvas::drawnAt(int x, int y) const
{
    for (auto it = m_texts.rbegin(); it != m_texts.rend(); ++it)
        if (it->x == x && it->y == y) return &*it;
    return nullptr;
}

QString RecordingCanvas::textAt(int x, int y) const
{
    const DrawnText *t = drawnAt(x, y);
    return t ? t->text : QString();
}

std::vector<DrawnText> RecordingCanvas::textsIn(QRect r) const
{
    std::vector<DrawnText> found;
    for (const auto &t : m_texts)
        if (r.contains(t.x, t.y)) found.push_back(t);
    return found;
}

void RecordingCanvas::reset()
{
    m_texts.clear();
    m_lines.clear();
    m_fills = 0;
}
