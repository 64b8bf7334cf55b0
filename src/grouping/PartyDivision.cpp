#include "grouping/PartyDivision.h"

#include "text/Random.h"

#include <algorithm>
#include <utility>

namespace grouping {

namespace {

QStringList indexesOf(const QList<PartyCandidate> &members,
                      const std::function<bool(const PartyCandidate &)> &keep)
{
    QStringList indexes;
    for (qsizetype i = 0; i < members.size(); ++i)
        if (keep(members.at(i))) indexes << QString::number(i);
    return indexes;
}

void markAll(QList<int> &marked, const QStringList &items)
{
    for (const QString &item : items) marked << item.toInt();
}

} // namespace

PartyDivision divideParties(const QList<PartyCandidate> &members, int kumiCount, bool balance, Random &rng,
                            const dealing::DrawPosition &leaderDraw)
{
    PartyDivision result;
    const int k = std::clamp(kumiCount, 0, kumiline::Parties);
    const std::span<QStringList> parties(result.parties.data(), static_cast<std::size_t>(k));
    const dealing::DrawPosition byGenerator = [&rng](int range) { return rng.below(range); };

    result.leaders.clear();
    for (qsizetype i = 0; i < members.size(); ++i)
        if (members.at(i).leader) result.leaders << static_cast<int>(i);

    dealing::Cursor cursor(k);
    if (!balance) {
        QStringList pool = indexesOf(members, [](const PartyCandidate &m) { return m.plays && !m.leader; });
        if (PartyCap * k < pool.size()) {
            result.stop = PartyStop::TooManyPlayers;
            return result;
        }
        dealing::deal(pool, parties, cursor, byGenerator);
    } else {
        if (k == 0) {
            result.stop = PartyStop::NoParties;
            return result;
        }
        for (const bool men : {true, false}) {
            QStringList pool = indexesOf(members, [men](const PartyCandidate &m) {
                return m.plays && !m.leader && (men ? m.man : m.woman);
            });
            const dealing::DealResult dealt = dealing::deal(pool, parties, cursor, byGenerator, PartyCap);
            markAll(result.marked, dealt.placed);
            if (dealt.full) {
                result.stop = PartyStop::PartyFull;
                result.cursor = cursor.value();
                return result;
            }
        }
        for (QStringList &party : parties) {
            QStringList pool = party;
            party.clear();
            dealing::Cursor same(1);
            dealing::deal(pool, std::span<QStringList>(&party, 1), same, byGenerator);
        }
    }

    QStringList leaderPool;
    for (const int i : std::as_const(result.leaders)) leaderPool << QString::number(i);
    const dealing::DealResult dealt =
        dealing::deal(leaderPool, parties, cursor, leaderDraw, PartyCap, dealing::Placement::InFront);
    markAll(result.marked, dealt.placed);
    if (dealt.full) result.stop = PartyStop::LeaderPartyFull;
    result.cursor = cursor.value();
    return result;
}

} // namespace grouping
