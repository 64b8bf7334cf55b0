#include "grouping/TeamSpread.h"

#include "text/Random.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace grouping {

namespace {

struct Place {
    int party = 0;
    int slot = 0;
};

// The team counts of every party and the places that may change hands.
class Board
{
public:
    Board(kumiline::PartyLists &parties, int kumiCount, const QList<SpreadPlayer> &players)
        : m_parties(parties), m_count(std::clamp(kumiCount, 0, kumiline::Parties)), m_players(players)
    {
        m_teams.resize(static_cast<std::size_t>(m_count));
        for (int p = 0; p < m_count; ++p) {
            const QStringList &party = m_parties[p];
            for (int s = 0; s < party.size(); ++s) {
                const SpreadPlayer *player = at(p, s);
                if (!player) continue;
                if (!player->team.isEmpty()) ++m_teams[p][player->team];
                if (!player->leader) m_movable.push_back({p, s});
            }
        }
    }

    const std::vector<Place> &movable() const { return m_movable; }

    const SpreadPlayer *at(int p, int s) const
    {
        bool ok = false;
        const int index = m_parties[p].at(s).toInt(&ok);
        if (!ok || index < 0 || index >= m_players.size()) return nullptr;
        return &m_players.at(index);
    }

    // The change in pairs if the players at a and b changed places.
    int delta(Place a, Place b) const
    {
        const QString &ta = at(a.party, a.slot)->team;
        const QString &tb = at(b.party, b.slot)->team;
        if (ta == tb) return 0;
        int change = 0;
        const auto &inA = m_teams[a.party];
        const auto &inB = m_teams[b.party];
        if (!ta.isEmpty()) change += inB.value(ta) - (inA.value(ta) - 1);
        if (!tb.isEmpty()) change += inA.value(tb) - (inB.value(tb) - 1);
        return change;
    }

    bool exchangeable(Place a, Place b) const
    {
        return a.party != b.party && at(a.party, a.slot)->sex == at(b.party, b.slot)->sex;
    }

    void exchange(Place a, Place b)
    {
        const QString &ta = at(a.party, a.slot)->team;
        const QString &tb = at(b.party, b.slot)->team;
        if (!ta.isEmpty()) {
            --m_teams[a.party][ta];
            ++m_teams[b.party][ta];
        }
        if (!tb.isEmpty()) {
            --m_teams[b.party][tb];
            ++m_teams[a.party][tb];
        }
        std::swap(m_parties[a.party][a.slot], m_parties[b.party][b.slot]);
    }

    int pairs() const
    {
        int total = 0;
        for (const auto &counts : m_teams)
            for (const int n : counts) total += n * (n - 1) / 2;
        return total;
    }

private:
    kumiline::PartyLists &m_parties;
    int m_count;
    const QList<SpreadPlayer> &m_players;
    std::vector<QHash<QString, int>> m_teams;
    std::vector<Place> m_movable;
};

void shuffle(std::vector<Place> &places, Random &rng)
{
    for (int i = static_cast<int>(places.size()) - 1; i > 0; --i)
        std::swap(places[static_cast<std::size_t>(i)], places[static_cast<std::size_t>(rng.below(i + 1))]);
}

// One pass over the places in the drawn order; returns the exchanges made.
int improve(Board &board, std::vector<Place> &order, Random &rng, bool sideways)
{
    int made = 0;
    shuffle(order, rng);
    for (const Place a : order) {
        for (const Place b : order) {
            if (!board.exchangeable(a, b)) continue;
            const int change = board.delta(a, b);
            if (change < 0 || (sideways && change == 0 && rng.below(4) == 0)) {
                board.exchange(a, b);
                ++made;
                break;
            }
        }
    }
    return made;
}

constexpr int SidewaysRounds = 6;
constexpr int PassLimit = 200;

} // namespace

int sameTeamPairs(const kumiline::PartyLists &parties, int kumiCount, const QList<SpreadPlayer> &players)
{
    kumiline::PartyLists copy = parties;
    return Board(copy, kumiCount, players).pairs();
}

int fewestPairsPossible(const kumiline::PartyLists &parties, int kumiCount,
                        const QList<SpreadPlayer> &players)
{
    const int k = std::clamp(kumiCount, 0, kumiline::Parties);
    if (k == 0) return 0;
    QHash<QString, int> sizes;
    for (int p = 0; p < k; ++p)
        for (const QString &item : parties[p]) {
            bool ok = false;
            const int index = item.toInt(&ok);
            if (ok && index >= 0 && index < players.size() && !players.at(index).team.isEmpty())
                ++sizes[players.at(index).team];
        }
    int total = 0;
    for (const int n : std::as_const(sizes)) {
        const int q = n / k;
        const int r = n % k;
        total += (k - r) * (q * (q - 1) / 2) + r * ((q + 1) * q / 2);
    }
    return total;
}

int spreadTeams(kumiline::PartyLists &parties, int kumiCount, const QList<SpreadPlayer> &players, Random &rng)
{
    Board board(parties, kumiCount, players);
    std::vector<Place> order = board.movable();
    if (order.size() < 2) return board.pairs();

    const auto descend = [&] {
        for (int pass = 0; pass < PassLimit; ++pass)
            if (improve(board, order, rng, false) == 0) break;
    };

    descend();
    kumiline::PartyLists best = parties;
    int bestPairs = board.pairs();
    const int floor = fewestPairsPossible(parties, kumiCount, players);
    for (int round = 0; round < SidewaysRounds && bestPairs > floor; ++round) {
        improve(board, order, rng, true);
        descend();
        if (board.pairs() < bestPairs) {
            bestPairs = board.pairs();
            best = parties;
        }
    }
    parties = best;
    return bestPairs;
}

} // namespace grouping
