#include "support/RecordingCanvas.h"

#include <algorithm>

void RecordingCanvas::line(int x1, int y1, int x2, int y2)
{
    m_lines.emplace_back(x1, y1, x2, y2);
    RetainedPicture::line(x1, y1, x2, y2);
}

void RecordingCanvas::fillRect(QRect r, QColor colour)
{
    ++m_fills;
    RetainedPicture::fillRect(r, colour);
}

const std::vector<DrawnText> &RecordingCanvas::visibleTexts() const
{
    if (m_visibleRevision == revision()) return m_visible;
    m_visible.clear();
    const std::vector<PictureItem> &all = items();
    std::vector<size_t> fills;
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].alive && all[i].kind == PictureItem::Kind::Fill) fills.push_back(i);
    for (size_t i = 0; i < all.size(); ++i) {
        const PictureItem &t = all[i];
        if (!t.alive || t.kind != PictureItem::Kind::Text) continue;
        const QPoint at = t.area.topLeft();
        bool covered = false;
        for (auto f = std::upper_bound(fills.begin(), fills.end(), i); f != fills.end() && !covered; ++f)
            covered = all[*f].area.contains(at);
        if (!covered) m_visible.push_back(DrawnText{at.x(), at.y(), t.text, t.fontHeight, t.colour, t.face});
    }
    m_visibleRevision = revision();
    return m_visible;
}

const DrawnText *RecordingCanvas::drawnAt(int x, int y) const
{
    const std::vector<DrawnText> &texts = visibleTexts();
    for (auto it = texts.rbegin(); it != texts.rend(); ++it)
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
    for (const auto &t : visibleTexts())
        if (r.contains(t.x, t.y)) found.push_back(t);
    return found;
}

void RecordingCanvas::reset()
{
    clear();
    m_lines.clear();
    m_fills = 0;
}
