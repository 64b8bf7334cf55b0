#include "tables/RetainedPicture.h"

#include <algorithm>
#include <cmath>

namespace {

bool isWhite(QColor c) { return c.rgb() == qRgb(255, 255, 255) && c.alpha() == 255; }

// Glyphs may reach a little past their cell (accents, proportional faces): what a view
// repaints around a text.
QRect textReach(QRect cell, int fontHeight)
{
    const int side = std::max(2, fontHeight / 2);
    return cell.adjusted(-side, -2, side, 2);
}

// The rectangle with both points as corners, whichever way round they are given.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QRect lineBounds(QLine l, int width)
{
    const int before = width / 2;
    const int after = (width - 1) / 2 + (width > 1 ? 1 : 0);
    const QRect r = spanning(l.p1(), l.p2());
    return r.adjusted(-before, -before, after, after);
}

} // namespace

RetainedPicture::RetainedPicture(QSize size)
    : m_size(size), m_bands(static_cast<size_t>(std::max(1, size.height()) / kBand + 1))
{}

std::pair<int, int> RetainedPicture::bandsOf(QRect r) const
{
    const int last = static_cast<int>(m_bands.size()) - 1;
    return {std::clamp(r.top() / kBand, 0, last), std::clamp(r.bottom() / kBand, 0, last)};
}

const std::vector<int> &RetainedPicture::itemsNear(QRect r) const
{
    std::vector<int> &found = m_near;
    found.clear();
    const auto [first, last] = bandsOf(r);
    if (2 * (last - first + 1) > static_cast<int>(m_bands.size())) {
        // An area over most of the picture: one pass over every item is quicker.
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].alive && r.intersects(m_items[i].bounds)) found.push_back(static_cast<int>(i));
        return found;
    }
    for (int b = first; b <= last; ++b)
        for (int index : m_bands[static_cast<size_t>(b)])
            if (m_items[static_cast<size_t>(index)].alive) found.push_back(index);
    if (last > first) {
        // An item in several bands is listed once, in drawing order.
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
    }
    return found;
}

QRect RetainedPicture::textCell(int x, int y, const QString &s, int fontHeight, double widthFactor)
{
    int halfWidths = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        if (QChar::isLowSurrogate(c)) continue; // counted with its high half
        halfWidths += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
    }
    const int h = std::max(1, fontHeight);
    if (widthFactor != 1.0)
        return QRect(x, y, static_cast<int>(std::ceil(halfWidths * h * widthFactor / 2)), h);
    return QRect(x, y, (halfWidths * h + 1) / 2, h);
}

void RetainedPicture::setPen(QColor colour, int width)
{
    m_pen = colour;
    m_penWidth = std::max(1, width);
}

void RetainedPicture::line(int x1, int y1, int x2, int y2)
{
    const QLine l(x1, y1, x2, y2);
    const QRect bounds = lineBounds(l, m_penWidth);
    for (int i : itemsNear(bounds)) {
        const PictureItem &old = m_items[static_cast<size_t>(i)];
        if (old.kind == PictureItem::Kind::Line && old.line == l && old.penWidth == m_penWidth &&
            old.colour == m_pen) {
            remove(i);
            break;
        }
    }
    PictureItem item;
    item.kind = PictureItem::Kind::Line;
    item.colour = m_pen;
    item.penWidth = m_penWidth;
    item.line = l;
    item.bounds = bounds;
    if (m_penWidth == 1 && (x1 == x2 || y1 == y2)) {
        // A straight one-pixel rule paints every pixel of its run: pieces of rules drawn
        // earlier along it are hidden.
        for (int i : itemsNear(item.bounds)) {
            const PictureItem &old = m_items[static_cast<size_t>(i)];
            if (old.kind == PictureItem::Kind::Line && item.bounds.contains(old.bounds)) remove(i);
        }
    }
    add(std::move(item));
}

void RetainedPicture::fillRect(QRect r, QColor colour)
{
    r = r.normalized();
    if (r.isEmpty()) return;
    const bool partlyCovers = coverWith(r);
    // White over nothing (or over what it removed entirely) is the background itself.
    if (isWhite(colour) && !partlyCovers) return;
    PictureItem item;
    item.kind = PictureItem::Kind::Fill;
    item.colour = colour;
    item.area = r;
    item.bounds = r;
    add(std::move(item));
}

void RetainedPicture::text(int x, int y, const QString &s, int fontHeight, QColor colour)
{
    const QRect cell = textCell(x, y, s, fontHeight, m_widthFactor);
    if (isWhite(colour)) {
        // Writing in white erases: the text's whole cell turns white.
        fillRect(cell, colour);
        return;
    }
    if (s.isEmpty()) return;
    for (int i : itemsNear(cell)) {
        const PictureItem &old = m_items[static_cast<size_t>(i)];
        if (old.kind == PictureItem::Kind::Text && old.area.topLeft() == cell.topLeft() && old.text == s &&
            old.fontHeight == fontHeight && old.widthFactor == m_widthFactor && old.colour == colour &&
            old.face == m_face) {
            remove(i);
            break;
        }
    }
    PictureItem item;
    item.kind = PictureItem::Kind::Text;
    item.colour = colour;
    item.fontHeight = fontHeight;
    item.widthFactor = m_widthFactor;
    item.area = cell;
    item.text = s;
    item.face = m_face;
    item.bounds = textReach(cell, fontHeight);
    add(std::move(item));
}

bool RetainedPicture::coverWith(QRect r)
{
    bool partly = false;
    for (int i : itemsNear(r)) {
        const PictureItem &item = m_items[static_cast<size_t>(i)];
        const QRect &own = item.kind == PictureItem::Kind::Text ? item.area : item.bounds;
        if (r.contains(own))
            remove(i);
        else if (!partly && r.intersects(own))
            partly = true;
    }
    compact();
    return partly;
}

void RetainedPicture::add(PictureItem item)
{
    compact();
    changed(item.bounds);
    const int index = static_cast<int>(m_items.size());
    const auto [first, last] = bandsOf(item.bounds);
    for (int b = first; b <= last; ++b) m_bands[static_cast<size_t>(b)].push_back(index);
    m_items.push_back(std::move(item));
}

void RetainedPicture::remove(int index)
{
    PictureItem &item = m_items[static_cast<size_t>(index)];
    if (!item.alive) return;
    item.alive = false;
    ++m_dead;
    changed(item.bounds);
}

void RetainedPicture::compact()
{
    if (m_dead < 64 || m_dead * 2 < static_cast<int>(m_items.size())) return;
    // A white cover whose partly covered items are gone covers nothing but the background.
    for (size_t f = 0; f < m_items.size(); ++f) {
        PictureItem &cover = m_items[f];
        if (!cover.alive || cover.kind != PictureItem::Kind::Fill || !isWhite(cover.colour)) continue;
        bool needed = false;
        for (int i : itemsNear(cover.area)) {
            if (static_cast<size_t>(i) >= f) break;
            const PictureItem &under = m_items[static_cast<size_t>(i)];
            const QRect &own = under.kind == PictureItem::Kind::Text ? under.area : under.bounds;
            if (cover.area.intersects(own) &&
                !(under.kind == PictureItem::Kind::Fill && isWhite(under.colour))) {
                needed = true;
                break;
            }
        }
        if (!needed) {
            cover.alive = false;
            ++m_dead;
            changed(cover.area);
        }
    }
    std::erase_if(m_items, [](const PictureItem &item) { return !item.alive; });
    m_dead = 0;
    for (auto &band : m_bands) band.clear();
    for (size_t i = 0; i < m_items.size(); ++i) {
        const PictureItem &item = m_items[i];
        const auto [first, last] = bandsOf(item.bounds);
        for (int b = first; b <= last; ++b) m_bands[static_cast<size_t>(b)].push_back(static_cast<int>(i));
    }
}

void RetainedPicture::clear()
{
    if (m_items.empty()) return;
    for (const PictureItem &item : m_items)
        if (item.alive) changed(item.bounds);
    m_items.clear();
    for (auto &band : m_bands) band.clear();
    m_dead = 0;
}

void RetainedPicture::changed(QRect r)
{
    ++m_revision;
    m_changed = m_changed.united(r);
}

QRect RetainedPicture::takeChangedArea()
{
    const QRect r = m_changed;
    m_changed = QRect();
    return r;
}

void RetainedPicture::replay(Canvas &target, QRect area) const
{
    QString face;
    QColor pen;
    int penWidth = 0;
    double widthFactor = 1.0;
    target.setTextWidthFactor(widthFactor);
    for (int index : itemsNear(area)) {
        const PictureItem &item = m_items[static_cast<size_t>(index)];
        if (!area.intersects(item.bounds)) continue;
        switch (item.kind) {
        case PictureItem::Kind::Line:
            if (item.colour != pen || item.penWidth != penWidth) {
                pen = item.colour;
                penWidth = item.penWidth;
                target.setPen(pen, penWidth);
            }
            if (item.line.y1() == item.line.y2() || item.line.x1() == item.line.x2()) {
                // Only the part of a straight rule near the area: a full-height rule costs
                // a painter as much as its whole length even where it is clipped away.
                const int margin = item.penWidth + 2;
                const QRect near = area.adjusted(-margin, -margin, margin, margin);
                const QRect whole = spanning(item.line.p1(), item.line.p2());
                const QRect part = whole.intersected(near);
                if (part.isEmpty()) break;
                const bool forward = item.line.x1() <= item.line.x2() && item.line.y1() <= item.line.y2();
                const QPoint from = forward ? part.topLeft() : part.bottomRight();
                const QPoint to = forward ? part.bottomRight() : part.topLeft();
                target.line(from.x(), from.y(), to.x(), to.y());
            } else {
                target.line(item.line.x1(), item.line.y1(), item.line.x2(), item.line.y2());
            }
            break;
        case PictureItem::Kind::Fill: target.fillRect(item.area, item.colour); break;
        case PictureItem::Kind::Text:
            if (item.face != face) {
                face = item.face;
                target.setFontFace(face);
            }
            if (item.widthFactor != widthFactor) {
                widthFactor = item.widthFactor;
                target.setTextWidthFactor(widthFactor);
            }
            target.text(item.area.x(), item.area.y(), item.text, item.fontHeight, item.colour);
            break;
        }
    }
}
