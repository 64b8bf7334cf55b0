#pragma once
// A canvas on a QImage: the pictures of the window and, later, the printer's page.

#include "tables/Canvas.h"

#include <QImage>
#include <QPen>

class QPainterCanvas : public Canvas
{
public:
    explicit QPainterCanvas(QSize size);

    void setPen(QColor colour, int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(QRect r, QColor colour) override;
    void setFontFace(const QString &face) override { m_face = face; }
    void text(int x, int y, const QString &s, int fontHeight, QColor colour) override;
    QSize size() const override { return m_image.size(); }

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
    QPen m_pen;
    QString m_face;
};
