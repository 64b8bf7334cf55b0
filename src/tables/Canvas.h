#pragma once
// Everything the program draws — the member list, the party panels, the tables and
// the printer's page — goes through this interface, in device pixels.
// Text is placed by its top-left corner. Writing text in white over earlier text erases it.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

namespace tables::fonts {
// The face of the tables and pictures, and the face of the window.
inline const QString &gothic()
{
    static const QString face = QStringLiteral("ＭＳ ゴシック");
    return face;
}
inline const QString &proportionalGothic()
{
    static const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    return face;
}
} // namespace tables::fonts

class Canvas
{
public:
    virtual ~Canvas() = default;
    virtual void setPen(QColor colour, int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void fillRect(QRect r, QColor colour) = 0;
    virtual void setFontFace(const QString &face) = 0;
    virtual void text(int x, int y, const QString &s, int fontHeight, QColor colour) = 0;
    // The texts drawn next have letters `factor` times as wide as the face's own at their
    // height: a page on paper narrows them a little to keep the screen's proportions
    // (sheet::Scale::text). A canvas that only ever shows the screen may ignore it.
    virtual void setTextWidthFactor(double factor) { (void)factor; }
    virtual QSize size() const = 0;
};
