#pragma once
// Small drawing steps shared by the layouts.

#include "tables/Canvas.h"
#include "tables/SheetUnits.h"

#include <QStringList>

namespace tables {

inline const QColor Ink{0, 0, 0};
inline const QColor Paper{255, 255, 255};

// Text in the tables' face at a size from the scale (Scale::text).
inline void put(Canvas &c, int x, int y, const QString &s, sheet::TextSize size, QColor colour = Ink)
{
    c.setTextWidthFactor(size.widthFactor);
    c.text(x, y, s, size.pixels, colour);
}

} // namespace tables
