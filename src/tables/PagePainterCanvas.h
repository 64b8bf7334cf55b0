#pragma once
// A canvas over a painter that is already open on a page: the printer's page, the print
// preview's page, a PDF page or an exported image. Coordinates are the device's pixels from
// the top left. It needs Qt Gui only, so the command-line export draws with it too.

#include "tables/Canvas.h"

#include <QFont>
#include <QPen>
#include <map>

class QPainter;

class PagePainterCanvas : public Canvas
{
  public:
    PagePainterCanvas(QPainter &painter, QSize size);

    void setPen(QColor colour, int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(QRect r, QColor colour) override;
    void setFontFace(const QString &face) override;
    void text(int x, int y, const QString &s, int fontHeight, QColor colour) override;
    QSize size() const override { return m_size; }

  private:
    const QFont &fontOf(int pixels);

    QPainter &m_painter;
    QSize m_size;
    QPen m_pen;
    QString m_face;
    std::map<int, QFont> m_fonts; // built once per height
};
