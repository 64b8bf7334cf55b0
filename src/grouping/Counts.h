#pragma once
// How many groups a meeting has, parties a group has and players a party holds at most.
// Every store of groups, parties and slots is sized by these.

#include <QString>

namespace grouping {
inline constexpr int Groups = 4;   // groups A to D
inline constexpr int Parties = 12; // parties of one group
inline constexpr int Slots = 8;    // players of one party at most

// The letter of group g (0 for A … 3 for D).
inline QString groupLetter(int g) { return QString(QChar(u'A' + g)); }
} // namespace grouping
