#pragma once
// Small drawing steps shared by the layouts.

#include "tables/Canvas.h"

#include <QStringList>

namespace tables {

inline const QColor Ink{0, 0, 0};
inline const QColor Paper{255, 255, 255};

// Text in the tables' face at a height already in pixels.
inline void put(Canvas &c, int x, int y, const QString &s, int fontPixels, QColor colour = Ink)
{
    c.text(x, y, s, fontPixels, colour);
}

} // namespace tables
