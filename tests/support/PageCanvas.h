#pragma once
// A recording canvas that also keeps every line with the pen it was drawn with, for the
// tables' geometry and the printed page.

#include "support/RecordingCanvas.h"

#include <vector>

struct PenLine {
    QLine line;
    int width = 1;
    QColor colour;
};

class PageCanvas : public RecordingCanvas
{
public:
    explicit PageCanvas(QSize size) : RecordingCanvas(size) {}

    void setPen(QColor colour, int width) override
    {
        m_colour = colour;
        m_width = width;
        RecordingCanvas::setPen(colour, width);
    }
    void line(int x1, int y1, int x2, int y2) override
    {
        penLines.push_back(PenLine{QLine(x1, y1, x2, y2), m_width, m_colour});
        RecordingCanvas::line(x1, y1, x2, y2);
    }
    void fillRect(QRect r, QColor colour) override
    {
        fills.push_back(r);
        RecordingCanvas::fillRect(r, colour);
    }

    // The lines drawn from (x1, y1) to (x2, y2), with their pens.
    std::vector<PenLine> linesFrom(QPoint a, QPoint b) const
    {
        std::vector<PenLine> found;
        for (const PenLine &l : penLines)
            if (l.line.p1() == a && l.line.p2() == b) found.push_back(l);
        return found;
    }
    bool hasLine(QPoint a, QPoint b) const { return !linesFrom(a, b).empty(); }

    std::vector<PenLine> penLines;
    std::vector<QRect> fills;

private:
    QColor m_colour{0, 0, 0};
    int m_width = 1;
};
