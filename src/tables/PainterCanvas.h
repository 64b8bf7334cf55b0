#pragma once
// A canvas over any QPainter: a window's picture, a printer's page, a PDF writer's page or
// an image for export. One canvas (and one painter) per page; the fonts are built once
// per face and height and kept for the page.
//
// It needs Qt Gui only, so a program without widgets can print and export with it.

#include "tables/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPen>
#include <QRawFont>
#include <QStaticText>

class QPainter;
class RetainedPicture;

class PainterCanvas : public Canvas
{
public:
    // painter must stay active while the canvas is used; size is the page in device pixels.
    PainterCanvas(QPainter &painter, QSize size);

    void setPen(QColor colour, int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(QRect r, QColor colour) override;
    void setFontFace(const QString &face) override { m_face = face; }
    void text(int x, int y, const QString &s, int fontHeight, QColor colour) override;
    void setTextWidthFactor(double factor) override;
    QSize size() const override { return m_size; }

private:
    struct FontOfHeight {
        QFont font;    // the face alone, when it holds every character of a text
        QFont merging; // the face helped out by other fonts for characters it lacks
        QFontMetrics metrics{font};
        QRawFont raw; // the face's glyphs, for placing a text on paper glyph by glyph
        int ascent = 0;
        int height = 0;
        const QFont &fontFor(const QString &text) const;
    };
    // A text of the face alone as glyphs at their places, from x along the baseline.
    QGlyphRun glyphRun(const FontOfHeight &f, const QString &text) const;
    // The font of the face in use at that height.
    const FontOfHeight &useFont(int fontHeight);

    QPainter &m_painter;
    QSize m_size;
    QPen m_pen;
    QString m_face;
    double m_widthFactor = 1.0; // letters narrowed (or widened) against the face's own width
    QHash<QString, FontOfHeight> m_fonts;
    QHash<QString, QRawFont> m_rawFaces; // in a PDF: each face's glyphs, sized for each height
    FontOfHeight m_current;
    QString m_currentFace;
    int m_currentHeight = 0;
    bool m_raster = false;      // painting pixels (a window or an image), not a printer or PDF
    bool m_pdf = false;         // writing a PDF (a PDF file, or a printer fed with PDF)
    bool m_wholePixels = false; // an image at a printer's resolution: text without grey edges
    // Texts laid out once for the screen, by face and height: a window paints the same names
    // again at every scroll.
    struct LaidOut {
        QStaticText text;
        bool merging = false; // laid out in the font that takes other faces' help
    };
    using LaidOutTexts = QHash<QString, LaidOut>;
    static LaidOutTexts &laidOutTexts(const QString &face, int height);
    LaidOutTexts *m_laidOut = nullptr; // the texts of the current face and height
};

// The area of a picture as an image of the area's size on white: what a view shows there.
QImage renderPicture(const RetainedPicture &picture, QRect area);
