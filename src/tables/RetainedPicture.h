#pragma once
// A picture kept as what is visible on it: texts, lines and filled rectangles, in drawing
// order. Nothing is painted here; a view or a printer replays the items onto a painter.
//
// The erase rules keep the picture equal to what the eye sees, and small:
// - an opaque fill (white included, and white text, which fills its text cell) removes
//   every earlier item lying wholly inside it; it stays as an item only where it covers
//   part of an earlier one (a white fill over nothing is the background itself);
// - a text or line drawn again exactly as an earlier one replaces it (drawing the same
//   thing twice looks like drawing it once, not bolder);
// so the number of items stays bounded however often the same things are drawn.

#include "tables/Canvas.h"

#include <QHash>
#include <QLine>
#include <vector>

struct PictureItem {
    enum class Kind : quint8 { Line, Fill, Text };
    Kind kind = Kind::Fill;
    QColor colour;
    int penWidth = 1;         // a line's pen
    int fontHeight = 0;       // a text's height in pixels
    double widthFactor = 1.0; // a text's letters against the face's own width
    QLine line;               // a line's end points
    QRect area;               // a fill's rectangle; a text's cell
    QString text;
    QString face;
    QRect bounds; // every pixel the item may touch
    bool alive = true;
};

class RetainedPicture : public Canvas
{
public:
    explicit RetainedPicture(QSize size);

    void setPen(QColor colour, int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(QRect r, QColor colour) override;
    void setFontFace(const QString &face) override { m_face = face; }
    void text(int x, int y, const QString &s, int fontHeight, QColor colour) override;
    void setTextWidthFactor(double factor) override { m_widthFactor = factor; }
    QSize size() const override { return m_size; }

    // The cell a text occupies: the face is monospaced, a half-width character (one byte
    // in code page 932) is half the height wide, any other character the full height
    // (times the width factor, on a page that narrows its letters).
    static QRect textCell(int x, int y, const QString &s, int fontHeight, double widthFactor = 1.0);

    // Removes every item; the picture is blank white.
    void clear();

    // The items still visible, in drawing order (skip those with alive == false).
    const std::vector<PictureItem> &items() const { return m_items; }
    int itemCount() const { return static_cast<int>(m_items.size()) - m_dead; }

    // Grows by one whenever an item is added or removed.
    quint64 revision() const { return m_revision; }
    // The area changed since the last call, then forgets it.
    QRect takeChangedArea();

    // Draws the items touching area onto target, in order, with their pens and fonts.
    void replay(Canvas &target, QRect area) const;

private:
    // The items whose bounds may meet r, in drawing order, each once (valid until the
    // next call).
    const std::vector<int> &itemsNear(QRect r) const;
    void add(PictureItem item);
    // Removes the items lying wholly inside r; true when some item is left partly under r.
    bool coverWith(QRect r);
    void remove(int index);
    void compact();
    void changed(QRect r);

    QSize m_size;
    QColor m_pen{0, 0, 0};
    int m_penWidth = 1;
    QString m_face = tables::fonts::gothic();
    double m_widthFactor = 1.0;
    std::vector<PictureItem> m_items;
    int m_dead = 0;
    // Items by horizontal bands of kBand pixels, so a fill, a redraw looking for its twin
    // or a repaint looks only nearby.
    static constexpr int kBand = 28; // the member list's row height: a row lies in one band
    std::vector<std::vector<int>> m_bands;
    std::pair<int, int> bandsOf(QRect r) const;
    mutable std::vector<int> m_near;
    quint64 m_revision = 0;
    QRect m_changed;
};
