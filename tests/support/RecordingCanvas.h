#pragma once
// A picture that remembers what was drawn, so a test can ask what text is visible where.
// It keeps its items by the same erase rules as the window's pictures (RetainedPicture);
// a text counts as visible while its position is not under a fill or a white text drawn
// after it. lines() and fillCount() log every call, whatever was erased since.

#include "tables/RetainedPicture.h"

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

class RecordingCanvas : public RetainedPicture
{
public:
    explicit RecordingCanvas(QSize size) : RetainedPicture(size) {}

    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(QRect r, QColor colour) override;

    // The latest visible text placed exactly at (x, y), or an empty string.
    QString textAt(int x, int y) const;
    const DrawnText *drawnAt(int x, int y) const;
    // Visible texts whose position lies inside r, in drawing order.
    std::vector<DrawnText> textsIn(QRect r) const;
    const std::vector<DrawnText> &visibleTexts() const;
    const std::vector<QLine> &lines() const { return m_lines; }
    int fillCount() const { return m_fills; }
    void reset();

private:
    std::vector<QLine> m_lines;
    int m_fills = 0;
    mutable std::vector<DrawnText> m_visible;
    mutable quint64 m_visibleRevision = ~quint64(0);
};
