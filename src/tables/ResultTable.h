#pragma once
// The result table (成績表): one page of the ranking, in the landscape form (ヨコ形, four
// blocks of 25 rows) or the portrait form (タテ形, 40 rows), on the page frames it shares
// with the member table.

#include "tables/SheetUnits.h"
#include "tables/TableOptions.h"

#include <QStringList>

class Canvas;

namespace tables {

struct ResultTableInput {
    Particulars particulars;
    QStringList rankList; // "RankKey,OneStrokes,TwoStrokes,Total,name,team", best first
    int page = 1;
    QString pageText; // the page field as typed, for the page label
};

// The landscape page: frame, headings, title, legend, page label, date and the body.
void drawLandscapeResultTable(Canvas &canvas, sheet::Scale s, const ResultTableInput &in);
// The body of a landscape page alone (TokutenDsp): blanks, rank numbers and entries, the
// name cut to 10 bytes and the team to 8.
void drawLandscapeResultBody(Canvas &canvas, sheet::Scale s, const QStringList &rankList, int page);
// The portrait page: names and teams whole.
void drawPortraitResultTable(Canvas &canvas, sheet::Scale s, const ResultTableInput &in);

} // namespace tables
