#pragma once
// The text form of a party: the number of members plus one, then one member index
// per member in slot order, all joined by commas ("4,3,0,7"; an empty party is "1").
// A party never holds more than eight members, so the leading number is one digit and
// a reader takes only the first character of the line as that number.

#include "grouping/Counts.h"

#include <QString>
#include <QStringList>
#include <array>

namespace grouping::kumiline {

inline constexpr int Parties = grouping::Parties;
using PartyLists = std::array<QStringList, Parties>;

// The line of one party (its items are decimal member indexes).
QString write(const QStringList &party);

// The items of one line: the value n of its first character (0 when it is no digit),
// the first n comma-separated fields, the leading count among them taken away.
// A line whose count exceeds its fields gives the fields that are there.
QStringList read(const QString &line);

// Twelve lines, one per party 1 to 12, always all twelve.
QStringList store(const PartyLists &parties);

// The parties of stored lines: line k fills party k; a missing line leaves its party
// empty and lines after the twelfth go nowhere.
PartyLists load(const QStringList &lines);

} // namespace grouping::kumiline
