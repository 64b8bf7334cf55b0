#pragma once
// What a stored combination holds, party by party: its players, how many lead, how many
// men and women, and which players share a team. The organiser reads it to judge the
// draw before printing.

#include "grouping/Counts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace grouping {

struct CheckedPlayer {
    QString name;
    QString team;
    bool leader = false;
};

struct TeamMates {
    QString team;
    QStringList names; // two or more players of the same team in one party
    int pairs() const { return static_cast<int>(names.size() * (names.size() - 1) / 2); }
};

struct PartyCheck {
    int party = 0; // 1..12
    QList<CheckedPlayer> players;
    int leaders = 0;
    int men = 0;
    int women = 0;
    QList<TeamMates> mates;
    int pairs() const;
};

struct GroupCheck {
    int group = 0;             // 1..4
    QList<PartyCheck> parties; // parties holding at least one player
    int players = 0;
    int leaders = 0;
    int men = 0;
    int women = 0;
    int pairs = 0;
};

// The groups of a stored combination. Party lines hold member indexes into the group's
// own member list when the combination was made automatically, into the whole saved
// roster when it was made by hand. Groups without a player are left out; an index that
// points past its list is skipped.
QList<GroupCheck> checkCombination(const std::array<QStringList, Groups> &kumiLines,
                                   const std::array<QStringList, Groups> &groupLists,
                                   const QStringList &savedRoster, bool handMade);

} // namespace grouping
