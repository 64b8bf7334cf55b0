#pragma once
// The page frames of the result table and the member table: the landscape page (ヨコ形,
// four blocks of 25 rows) and the portrait page (タテ形, 40 rows), their dates and page
// labels, and the cutting of a table into pages.

#include "tables/SheetUnits.h"
#include "tables/TableOptions.h"

class Canvas;

namespace tables {

// The entries a page shows: indexes first .. end − 1; its rows are numbered from first + 1.
struct PageRange {
    int first = 0;
    int end = 0;
};

inline constexpr int LandscapeRowsPerBlock = 25;
inline constexpr int LandscapeBlocks = 4;
inline constexpr int LandscapePageRows = LandscapeRowsPerBlock * LandscapeBlocks;
inline constexpr int PortraitPageRows = 40;

// Page n (from 1) of a table of `entries` entries. Pages past the last entry are empty
// and numbered on from the page before.
PageRange landscapePage(int page, int entries);
PageRange portraitPage(int page, int entries);

enum class FrameKind { Result, Member };

// Landscape: block k has its left edge at 55 + 281 × k units.
inline int landscapeBlockLeft(int k) { return 55 + 281 * k; }

// The landscape grid: 27 lines 27 units apart from y = 70 in each of the four blocks.
void drawLandscapeFrame(Canvas &canvas, sheet::Scale s, FrameKind kind);
// The landscape date at y = 42, each value over three blanks.
void drawLandscapeDate(Canvas &canvas, sheet::Scale s, const Particulars &p);

// The portrait grid: 42 lines 26 units apart from y = 75, between x = 110 and 765.
void drawPortraitFrame(Canvas &canvas, sheet::Scale s, FrameKind kind);
// The portrait date and the page label "P. " + page text at y = 53.
void drawPortraitDateAndPage(Canvas &canvas, sheet::Scale s, const Particulars &p, const QString &pageText);

} // namespace tables
