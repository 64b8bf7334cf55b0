#include "tables/PainterCanvas.h"

#include "tables/FontSubstitutes.h"
#include "tables/RetainedPicture.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <QtMath>

#include <unordered_map>

using namespace Qt::StringLiterals;

// Kept for the program's run; a table that grows large is emptied.
PainterCanvas::LaidOutTexts &PainterCanvas::laidOutTexts(const QString &face, int height)
{
    static std::unordered_map<QString, std::unordered_map<int, LaidOutTexts>> tables;
    return tables[face][height];
}

PainterCanvas::PainterCanvas(QPainter &painter, QSize size)
    : m_painter(painter), m_size(size), m_pen(Qt::black, 1), m_face(tables::fonts::gothic()),
      m_raster(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster),
      m_pdf(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf)
{
    if (!m_raster) m_pen.setCapStyle(Qt::FlatCap);
    // At 600 dpi and finer a pixel is no bigger than a printer's dot: text on an image is
    // drawn in whole pixels, as the printer prints it. Grey edges would add nothing on paper,
    // and the large letters would cost several times as much.
    const QPaintDevice *device = painter.device();
    m_wholePixels = m_raster && device && std::min(device->logicalDpiX(), device->logicalDpiY()) >= 600;
    m_painter.setRenderHint(QPainter::TextAntialiasing, !m_wholePixels);
    m_painter.setPen(m_pen);
}

void PainterCanvas::setPen(QColor colour, int width)
{
    // On screen and on images a one-pixel pen is drawn as a cosmetic pen: the same pixels,
    // several times quicker. Printers and PDF keep the pen as given.
    m_pen = QPen(colour, width <= 1 && m_raster ? 0 : std::max(1, width));
    // On paper a rule ends where it is drawn to, however wide the pen.
    if (!m_raster) m_pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(m_pen);
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    if (m_raster && m_pen.width() == 0 && (x1 == x2 || y1 == y2)) {
        // A straight one-pixel rule is exactly the row or column of pixels it runs along.
        m_painter.fillRect(
            QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
            m_pen.color());
        return;
    }
    if (m_painter.pen() != m_pen) m_painter.setPen(m_pen);
    m_painter.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::fillRect(QRect r, QColor colour) { m_painter.fillRect(r, colour); }

const PainterCanvas::FontOfHeight &PainterCanvas::useFont(int fontHeight)
{
    const int h = std::max(1, fontHeight);
    if (h == m_currentHeight && m_face == m_currentFace) return m_current;
    // Fonts drawn in whole pixels are other fonts than the screen's.
    const QString face = m_wholePixels ? m_face + u"\x1fwhole"_s : m_face;
    const QString key = face + QChar(u'\x1f') + QString::number(h);
    // Fonts for the screen and images are kept for the program's run; a printer's page
    // keeps its own.
    static QHash<QString, FontOfHeight> screenFonts;
    QHash<QString, FontOfHeight> &fonts = m_raster ? screenFonts : m_fonts;
    auto it = fonts.find(key);
    if (it == fonts.end()) {
        FontOfHeight f;
        f.merging = QFont(tables::fonts::installedFamily(m_face));
        f.merging.setPixelSize(h);
        if (m_wholePixels) f.merging.setStyleStrategy(QFont::NoAntialias);
        // The face alone is found without asking the system for fallback fonts, which a
        // fresh program would otherwise do at its first text.
        f.font = f.merging;
        f.font.setStyleStrategy(QFont::StyleStrategy(f.merging.styleStrategy() | QFont::NoFontMerging));
        if (!m_pdf) {
            f.metrics = QFontMetrics(f.font, m_painter.device());
            f.ascent = f.metrics.ascent();
            f.height = f.metrics.height();
        } else {
            // In a PDF every height of a face shares the face's glyphs: one font is looked
            // up, the others are the same glyphs at another size.
            QRawFont &face = m_rawFaces[m_face];
            if (!face.isValid()) face = QRawFont::fromFont(f.font);
            f.raw = face;
            f.raw.setPixelSize(h);
            f.ascent = qRound(f.raw.ascent());
            f.height = f.ascent + qRound(f.raw.descent());
        }
        it = fonts.insert(key, f);
    }
    m_current = *it;
    m_currentFace = m_face;
    m_currentHeight = h;
    m_laidOut = m_raster ? &laidOutTexts(face, h) : nullptr;
    return m_current;
}

const QFont &PainterCanvas::FontOfHeight::fontFor(const QString &text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (c < 0x20) continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        if (raw.isValid() ? !raw.supportsCharacter(c) : !metrics.inFontUcs4(c)) return merging;
    }
    return font;
}

QGlyphRun PainterCanvas::glyphRun(const FontOfHeight &f, const QString &text) const
{
    QGlyphRun run;
    if (!f.raw.isValid()) return run;
    const QList<quint32> glyphs = f.raw.glyphIndexesForString(text);
    const QList<QPointF> advances = f.raw.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    QPointF at;
    for (const QPointF &advance : advances) {
        positions << at;
        at += advance;
    }
    run.setRawFont(f.raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setBoundingRect(QRectF(0, -f.ascent, at.x(), f.height));
    return run;
}

void PainterCanvas::setTextWidthFactor(double factor)
{
    m_widthFactor = factor > 0 && std::abs(factor - 1.0) > 1e-9 ? factor : 1.0;
}

void PainterCanvas::text(int x, int y, const QString &s, int fontHeight, QColor colour)
{
    const FontOfHeight &f = useFont(fontHeight);
    const bool narrowed = m_widthFactor != 1.0;
    if (colour != QColor(Qt::white) && m_laidOut && !narrowed && !m_painter.transform().isScaling() &&
        !m_painter.transform().isRotating()) {
        // On screen the laid-out text gives the same pixels as drawing the string, quicker;
        // its font is chosen once, when the text is first laid out.
        auto it = m_laidOut->find(s);
        if (it == m_laidOut->end()) {
            if (m_laidOut->size() > 5000) m_laidOut->clear();
            const QFont &font = f.fontFor(s);
            LaidOut laid{QStaticText(s), &font == &f.merging};
            laid.text.setTextFormat(Qt::PlainText);
            laid.text.setPerformanceHint(QStaticText::AggressiveCaching);
            laid.text.prepare(QTransform(), font);
            it = m_laidOut->insert(s, laid);
        }
        const QFont &font = it->merging ? f.merging : f.font;
        if (m_painter.font() != font) m_painter.setFont(font);
        if (m_painter.pen().color() != colour) m_painter.setPen(colour);
        m_painter.drawStaticText(x, y, it->text);
        return;
    }
    const QFont &font = f.fontFor(s);
    // In a PDF a text of the face alone is placed glyph by glyph from the face's advances:
    // the places the text layout gives these faces, without laying out every text again.
    // (A preview records texts as strings, so it keeps them.)
    const QGlyphRun run = m_pdf && &font == &f.font ? glyphRun(f, s) : QGlyphRun();
    if (colour == QColor(Qt::white)) {
        // Writing in white erases: the text's whole cell turns white.
        qreal width = run.boundingRect().width();
        if (run.isEmpty())
            width = &font == &f.font && !m_pdf ? f.metrics.horizontalAdvance(s)
                                               : QFontMetrics(font, m_painter.device()).horizontalAdvance(s);
        m_painter.fillRect(QRect(x, y, qCeil(width * m_widthFactor), f.height), Qt::white);
        return;
    }
    // Text takes only the pen's colour; a rule drawn next sets its own pen again.
    if (m_painter.pen().color() != colour) m_painter.setPen(colour);
    // Narrowed letters are drawn from the text's corner through a horizontal scale.
    const QTransform unscaled = m_painter.worldTransform();
    if (narrowed) {
        m_painter.translate(x, y);
        m_painter.scale(m_widthFactor, 1.0);
        x = 0;
        y = 0;
    }
    if (narrowed && m_wholePixels) {
        // Filled as an outline without grey edges, as every letter is at this resolution; a
        // glyph drawn through the scale would be sampled into grey.
        QPainterPath outline;
        outline.addText(QPointF(x, y + f.ascent), font, s);
        m_painter.fillPath(outline, colour);
    } else if (!run.isEmpty()) {
        m_painter.drawGlyphRun(QPointF(x, y + f.ascent), run);
    } else {
        if (m_painter.font() != font) m_painter.setFont(font);
        m_painter.drawText(x, y + f.ascent, s);
    }
    if (narrowed) m_painter.setWorldTransform(unscaled);
}

QImage renderPicture(const RetainedPicture &picture, QRect area)
{
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    PainterCanvas canvas(painter, picture.size());
    picture.replay(canvas, area);
    return image;
}
