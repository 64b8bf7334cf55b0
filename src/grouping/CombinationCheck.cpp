#include "grouping/CombinationCheck.h"

#include "grouping/KumiLine.h"
#include "roster/Member.h"

#include <QHash>

namespace grouping {

int PartyCheck::pairs() const
{
    int total = 0;
    for (const TeamMates &m : mates) total += m.pairs();
    return total;
}

namespace {

PartyCheck checkParty(int number, const QStringList &indexes, const QStringList &memberLines)
{
    PartyCheck party;
    party.party = number;
    QHash<QString, int> mateAt; // team → position in party.mates, or -1 when seen once
    QHash<QString, QString> firstOfTeam;
    for (const QString &item : indexes) {
        bool ok = false;
        const int index = item.toInt(&ok);
        if (!ok || index < 0 || index >= memberLines.size()) continue;
        Member m = Member::startValue();
        roster::splitInto(memberLines.at(index), m);
        party.players << CheckedPlayer{m.Name, m.Team, m.isLeader()};
        if (m.isLeader()) ++party.leaders;
        if (m.isMan()) ++party.men;
        if (m.isWoman()) ++party.women;
        if (m.Team.isEmpty()) continue;
        if (!firstOfTeam.contains(m.Team)) {
            firstOfTeam.insert(m.Team, m.Name);
        } else if (!mateAt.contains(m.Team)) {
            mateAt.insert(m.Team, static_cast<int>(party.mates.size()));
            party.mates << TeamMates{m.Team, {firstOfTeam.value(m.Team), m.Name}};
        } else {
            party.mates[mateAt.value(m.Team)].names << m.Name;
        }
    }
    return party;
}

} // namespace

QList<GroupCheck> checkCombination(const std::array<QStringList, Groups> &kumiLines,
                                   const std::array<QStringList, Groups> &groupLists,
                                   const QStringList &savedRoster, bool handMade)
{
    QList<GroupCheck> groups;
    for (int g = 0; g < Groups; ++g) {
        const QStringList &members = handMade ? savedRoster : groupLists[g];
        const kumiline::PartyLists parties = kumiline::load(kumiLines[g]);
        GroupCheck group;
        group.group = g + 1;
        for (int k = 0; k < kumiline::Parties; ++k) {
            PartyCheck party = checkParty(k + 1, parties[k], members);
            if (party.players.isEmpty()) continue;
            group.players += static_cast<int>(party.players.size());
            group.leaders += party.leaders;
            group.men += party.men;
            group.women += party.women;
            group.pairs += party.pairs();
            group.parties << party;
        }
        if (group.players > 0) groups << group;
    }
    return groups;
}

} // namespace grouping
