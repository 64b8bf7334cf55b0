#pragma once
// The division of one group into parties. Items are member indexes (decimal texts),
// rows of the group's member list.
//
// Non-leaders are dealt by the generator from party 1 on: with the balance on, first the
// men, then the women from where the men left off, and afterwards every party's order is
// shuffled; with the balance off, men and women from one pool. Then the leaders are dealt
// by their own draw, each put in slot 1 of the party at the cursor, the cursor going on
// from the last non-leader, so leaders land in the parties that received fewer members.

#include "grouping/Dealing.h"
#include "grouping/KumiLine.h"

#include <QList>

class Random;

namespace grouping {

inline constexpr int PartyCap = Slots;

struct PartyCandidate {
    bool plays = false;
    bool leader = false;
    bool man = false;
    bool woman = false;
};

enum class PartyStop {
    None,
    TooManyPlayers,  // balance off: more non-leaders than 8 per party
    NoParties,       // balance on with no parties to deal into
    PartyFull,       // balance on: a non-leader found its party full
    LeaderPartyFull, // a leader found its party full (or no party to go to)
};

struct PartyDivision {
    kumiline::PartyLists parties;
    QList<int> marked;  // members placed with their placement mark, in the order placed
    QList<int> leaders; // the group's leaders, in list order
    PartyStop stop = PartyStop::None;
    int cursor = 1; // the deal cursor where the division ended
};

// kumiCount 0 to 12 (values above 12 count as 12).
PartyDivision divideParties(const QList<PartyCandidate> &members, int kumiCount, bool balance, Random &rng,
                            const dealing::DrawPosition &leaderDraw);

} // namespace grouping
