#pragma once
// The plain inputs every table layout reads: the menu ticks that steer the tables and the
// tournament particulars that head them.

#include <QString>

namespace tables {

struct TableOptions {
    bool eightFrame = false; // ８人枠 (else ６人枠)
    bool landscape = false;  // ヨコ形 result and member tables (else タテ形)
    bool holeNumbers = true; // hole numbers on the score sheet
    bool dashes = false;     // "－" in the score sheet's stroke cells
};

// The particulars as the fields hold them; the numbers of the score sheet are read and
// checked by the caller.
struct Particulars {
    QString tournamentName;
    QString courseName;
    QString year;
    QString month;
    QString day;
    int titleShift = 0; // 6 × the tournament name's length in code page 932 bytes
};

// 6 × the byte length of the tournament name.
int titleShiftOf(const QString &tournamentName);

// A member as the tables show one.
struct Player {
    QString name;
    QString team;
};

} // namespace tables
