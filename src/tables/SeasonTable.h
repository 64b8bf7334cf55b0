#pragma once
// The season's table on landscape paper (年間成績表): one row per member with their place,
// name and team, a column per meeting, and the meetings played, strokes, average and
// one-stroke holes. Rows go on to further pages; more meetings than one page holds go on to
// further pages of their own, each repeating the member and total columns.

#include "tables/Season.h"
#include "tables/SheetUnits.h"

class Canvas;

namespace tables::season {

inline constexpr int RowsPerPage = 26;
inline constexpr int MeetingsPerPage = 10;

int pageCount(const Table &table);
// Page n (from 1); madeOn is the date printed at the top ("2026年12月7日").
void drawPage(Canvas &canvas, sheet::Scale s, const Table &table, int page, const QString &madeOn);

} // namespace tables::season
