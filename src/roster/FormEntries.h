#pragma once
// How the registration form's selection lists map to the texts of a member record, and
// the move of a line within the roster.

#include <QString>
#include <QStringList>

namespace roster {

// The era stored for an entry of the era list: 0 "非表示", 1 "大正", 2 "昭和",
// 3 "平成", 4 (the blank entry) "西暦"; an empty text for any other position.
QString eraOfEntry(int entry);

// The era list's entry showing a stored era: 0 to 3 for "非表示", "大正", "昭和" and
// "平成"; -1 for any other text ("西暦" included), which leaves the list as it is.
int entryOfEra(const QString &era);

// The 性別 entry of a stored sex: 0 for "男性" or "男", 1 for anything else.
int entryOfSex(const QString &sex);

// Moves line `from` so that it stands immediately before the line that was at `to`
// (0 ≤ from, to < size). Moving a line onto itself changes nothing.
void moveBefore(QStringList &lines, int from, int to);

} // namespace roster
