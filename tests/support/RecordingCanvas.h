#pragma once
// A canvas that remembers what was drawn, so a test can ask what text is visible where.
// Text written in white erases earlier text at the same position; a filled rectangle
// erases the texts whose position lies inside it.

#include "tables/Canvas.h"

#include <QLine>
#include <vector>

struct DrawnText {
    int x = 0;
    int y = 0;
    QString text;
    int fontHeight = 0;
    QColor colour;
    QString face;
};

class RecordingCanvas : public Canvas
{
public:
    explicit RecordingCanvas(QSize size) : m_size(size) {}

    void setPen(QColor colour, int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(QRect r, QColor colour) override;
    void setFontFace(const QString &face) override { m_face = face; }
    void text(int x, int y, const QString &s, int fontHeight, QColor colour) override;
    QSize size() const override { return m_size; }

    // The latest visible text placed exactly at (x, y), or an empty string.
    QString textAt(int x, int y) const;
    const DrawnText *drawnAt(int x, int y) const;
    // Visible texts whose position lies inside r, in drawing order.
    std::vector<DrawnText> textsIn(QRect r) const;
    const std::vector<DrawnText> &visibleTexts() const { return m_texts; }
    const std::vector<QLine> &lines() const { return m_lines; }
    int fillCount() const { return m_fills; }
    void reset();

private:
    QSize m_size;
    QColor m_pen{0, 0, 0};
    int m_penWidth = 1;
    QString m_face;
    std::vector<DrawnText> m_texts;
    std::vector<QLine> m_lines;
    int m_fills = 0;
};
