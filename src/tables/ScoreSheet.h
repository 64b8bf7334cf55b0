#pragma once
// The score sheet (スコア表) of one party: particulars, group and party, the players with
// their teams, one column per hole numbered in the order the party plays them, four
// summary columns and the signature boxes.

#include "tables/SheetUnits.h"
#include "tables/TableOptions.h"

#include <QList>
#include <optional>

class Canvas;

namespace tables {

// While the venue network is on: the party's code and the QR code of its phone page, printed
// in the sheet's free corner below the table, on the right.
struct PhoneCorner {
    QString code;               // four digits
    QString address;            // the page the QR code opens
    QList<QList<bool>> modules; // the QR code, dark modules true
};

struct ScoreSheetInput {
    Particulars particulars;
    QString courseName;
    int holeCount = 10;    // 12 at most; up to 10 still gets 10 columns
    int startHole = 1;     // the first hole number of the heading row
    QString sheetKumiText; // the party number as the heading shows it
    QString groupName;     // the group's display name (empty when no group is chosen)
    QList<Player> party;   // the party's players in slot order (empty: no names)
    std::optional<PhoneCorner> phone;
};

struct ScoreSheetResult {
    // The party holds more than six players under ６人枠: no names were written.
    bool partyOverflow = false;
    int holeColumns = 0;
};

// The hole numbers of the heading row: from startHole, one higher each, going on at 1
// after the number equal to holeCount.
QList<int> holeNumbers(int holeCount, int startHole);

ScoreSheetResult drawScoreSheet(Canvas &canvas, sheet::Scale s, const TableOptions &options,
                                const ScoreSheetInput &in);

} // namespace tables
