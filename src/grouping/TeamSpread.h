#pragma once
// Spreading the members of one team over the parties of a group: players of the same sex
// are exchanged between parties so that as few pairs of team-mates as possible share a
// party. Every party keeps its size and its number of men and women; leaders keep their
// party and slot; only places of players that are not leaders change hands.

#include "grouping/KumiLine.h"

#include <QList>
#include <QString>

class Random;

namespace grouping {

struct SpreadPlayer {
    QString team; // an empty team is nobody's team-mate
    int sex = 0;  // players are exchanged only with players of the same value
    bool leader = false;
};

// Pairs of players of the same team inside the first kumiCount parties (items are indexes
// into players).
int sameTeamPairs(const kumiline::PartyLists &parties, int kumiCount, const QList<SpreadPlayer> &players);

// The fewest pairs the team sizes could give if every team were spread evenly over
// kumiCount parties (sex, sizes and leaders not considered): a lower bound.
int fewestPairsPossible(const kumiline::PartyLists &parties, int kumiCount,
                        const QList<SpreadPlayer> &players);

// Exchanges players until no exchange lowers the number of pairs, trying exchanges in an
// order drawn by the generator, with a few rounds of sideways exchanges to leave a
// plateau. Returns the pairs left.
int spreadTeams(kumiline::PartyLists &parties, int kumiCount, const QList<SpreadPlayer> &players,
                Random &rng);

} // namespace grouping
