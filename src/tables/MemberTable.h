#pragma once
// The member table (メンバー表): the whole roster with running numbers, names and teams,
// page by page, in the landscape (ヨコ形) or the portrait (タテ形) form.

#include "tables/SheetUnits.h"
#include "tables/TableOptions.h"

#include <QStringList>

class Canvas;

namespace tables {

struct MemberTableInput {
    Particulars particulars;
    QStringList rosterLines; // one comma-text line per member
    int page = 1;
    QString pageText; // the page field as typed, for the page label
};

void drawLandscapeMemberTable(Canvas &canvas, sheet::Scale s, const MemberTableInput &in);
void drawPortraitMemberTable(Canvas &canvas, sheet::Scale s, const MemberTableInput &in);

} // namespace tables
