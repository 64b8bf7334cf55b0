#pragma once
// 未入力の確認: the players of a group whose place holds no entry yet.

#include "scoring/ScoreSlots.h"

#include <QList>
#include <QString>
#include <array>

namespace scoring {

// A player standing in a party, as the tables name him.
struct PlacedPlayer {
    QString name;
    QString team;
};

struct MissingEntry {
    int party = 0; // 1..12
    int slot = 0;  // 1..8
    QString name;
    QString team;
};

// True once an entry was counted in the record ("Entries" neither empty nor "0").
bool hasEntry(const ScoreSlot &record);

// The players of parties 1 to 12 (slot order) whose record in `group` holds no entry, in
// party and slot order. Places beyond a party's players are not players.
QList<MissingEntry> missingEntries(const std::array<std::array<ScoreSlot, SlotsMax>, PartiesMax> &group,
                                   const std::array<QList<PlacedPlayer>, PartiesMax> &parties);

// One line of the list: "1組2番　山田太郎（緑会）".
QString missingEntryText(const MissingEntry &entry);

} // namespace scoring
