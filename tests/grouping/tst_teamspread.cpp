// Spreading team-mates over the parties of a group: fewer pairs of the same team in a
// party, while sizes, men and women per party and the leaders' places stay as dealt.
#include "grouping/PartyDivision.h"
#include "grouping/TeamSpread.h"
#include "text/Random.h"

#include <QTest>
#include <map>

using namespace Qt::StringLiterals;
using namespace grouping;

namespace {

struct Group {
    QList<PartyCandidate> candidates;
    QList<SpreadPlayer> players;
};

// What must not change: the multiset of members, each party's size and sex counts, and
// every leader's party and slot.
struct Shape {
    std::map<int, std::pair<int, int>> sexesPerParty; // party → (men, women)
    std::map<int, int> sizes;
    std::map<std::pair<int, int>, QString> leaderPlaces;
    QStringList everyone;
};

Shape shapeOf(const kumiline::PartyLists &parties, const Group &g)
{
    Shape s;
    for (int p = 0; p < kumiline::Parties; ++p) {
        s.sizes[p] = static_cast<int>(parties[p].size());
        for (int slot = 0; slot < parties[p].size(); ++slot) {
            const int i = parties[p].at(slot).toInt();
            const PartyCandidate &c = g.candidates.at(i);
            if (c.man) ++s.sexesPerParty[p].first;
            if (c.woman) ++s.sexesPerParty[p].second;
            if (c.leader) s.leaderPlaces[{p, slot}] = parties[p].at(slot);
            s.everyone << parties[p].at(slot);
        }
    }
    s.everyone.sort();
    return s;
}

bool operator==(const Shape &a, const Shape &b)
{
    return a.sexesPerParty == b.sexesPerParty && a.sizes == b.sizes && a.leaderPlaces == b.leaderPlaces &&
           a.everyone == b.everyone;
}

// A club of six teams: members drawn in an order the generator decides, so every seed
// gives another mix of teams, sexes and leaders in the group.
Group clubGroup(Random &rng, int members, int leaders)
{
    QList<int> teamOf;
    for (int i = 0; i < 66; ++i) teamOf << i % 6;
    Group g;
    for (int i = 0; i < members; ++i) {
        const int team = teamOf.takeAt(rng.below(static_cast<int>(teamOf.size())));
        const bool man = rng.below(2) == 0;
        const bool leader = i < leaders;
        g.candidates << PartyCandidate{true, leader, man, !man};
        g.players << SpreadPlayer{u"チーム%1"_s.arg(team), man ? 0 : 1, leader};
    }
    return g;
}

} // namespace

class TeamSpread_ : public QObject
{
    Q_OBJECT
private slots:
    void pairsAreCounted();
    void theLowerBoundSpreadsEachTeamEvenly();
    void spreadingKeepsTheShapeAndReachesTheFewestPairs();
    void playersOfDifferentSexAreNeverExchanged();
    void theSameSeedGivesTheSameParties();
    void playersWithoutATeamAreNobodysMates();
};

void TeamSpread_::pairsAreCounted()
{
    const QList<SpreadPlayer> players{
        {u"緑"_s, 0, false}, {u"緑"_s, 0, false}, {u"緑"_s, 1, false}, {u"空"_s, 1, false}};
    kumiline::PartyLists parties;
    parties[0] = QStringList{u"0"_s, u"1"_s, u"2"_s};
    parties[1] = QStringList{u"3"_s};
    QCOMPARE(sameTeamPairs(parties, 2, players), 3);
    parties[1] << u"2"_s;
    parties[0].removeLast();
    QCOMPARE(sameTeamPairs(parties, 2, players), 1);
}

void TeamSpread_::theLowerBoundSpreadsEachTeamEvenly()
{
    // seven team-mates over three parties: 3, 2, 2 → 3 + 1 + 1 pairs
    QList<SpreadPlayer> players;
    kumiline::PartyLists parties;
    for (int i = 0; i < 7; ++i) {
        players << SpreadPlayer{u"緑"_s, 0, false};
        parties[0] << QString::number(i);
    }
    QCOMPARE(fewestPairsPossible(parties, 3, players), 5);
    QCOMPARE(sameTeamPairs(parties, 3, players), 21);
}

void TeamSpread_::spreadingKeepsTheShapeAndReachesTheFewestPairs()
{
    int before = 0;
    int after = 0;
    int possiblePairs = 0;
    for (std::uint32_t clock = 1'765'000'000; clock < 1'765'000'100; ++clock) {
        for (const int size : {33, 33}) {
            Random rng;
            rng.seed(clock + static_cast<std::uint32_t>(size));
            const Group g = clubGroup(rng, size, 3);
            rng.seed(clock);
            PartyDivision division =
                divideParties(g.candidates, 6, true, rng, [&rng](int range) { return rng.below(range); });
            QCOMPARE(division.stop, PartyStop::None);
            const Shape dealt = shapeOf(division.parties, g);
            before += sameTeamPairs(division.parties, 6, g.players);

            const int left = spreadTeams(division.parties, 6, g.players, rng);
            QVERIFY(shapeOf(division.parties, g) == dealt);
            QCOMPARE(left, sameTeamPairs(division.parties, 6, g.players));
            const int floor = fewestPairsPossible(division.parties, 6, g.players);
            QVERIFY2(left <= floor + 1,
                     qPrintable(u"clock %1: %2 pairs, at best %3"_s.arg(clock).arg(left).arg(floor)));
            after += left;
            // every pair a party can hold: C(size, 2) summed over parties
            for (int p = 0; p < 6; ++p) {
                const auto n = division.parties[p].size();
                possiblePairs += static_cast<int>(n * (n - 1) / 2);
            }
        }
    }
    qInfo("same-team pairs: %d%% dealt, %d%% spread", before * 100 / possiblePairs,
          after * 100 / possiblePairs);
    // dealt at random about one pair in six is of the same team; spread, far fewer
    QVERIFY(before * 100 / possiblePairs >= 10);
    QVERIFY(after * 100 / possiblePairs <= 3);
}

void TeamSpread_::playersOfDifferentSexAreNeverExchanged()
{
    // two men of one team in party 1, two women of another in party 2: no exchange of
    // the same sex can part them
    const QList<SpreadPlayer> players{
        {u"緑"_s, 0, false}, {u"緑"_s, 0, false}, {u"空"_s, 1, false}, {u"空"_s, 1, false}};
    kumiline::PartyLists parties;
    parties[0] = QStringList{u"0"_s, u"1"_s};
    parties[1] = QStringList{u"2"_s, u"3"_s};
    const kumiline::PartyLists dealt = parties;
    Random rng;
    rng.seed(7);
    QCOMPARE(spreadTeams(parties, 2, players, rng), 2);
    QCOMPARE(parties, dealt);
}

void TeamSpread_::theSameSeedGivesTheSameParties()
{
    Random rosterRng;
    rosterRng.seed(99);
    const Group g = clubGroup(rosterRng, 30, 2);
    kumiline::PartyLists first;
    kumiline::PartyLists second;
    for (kumiline::PartyLists *parties : {&first, &second}) {
        Random rng;
        rng.seed(1234);
        *parties =
            divideParties(g.candidates, 5, true, rng, [&rng](int range) { return rng.below(range); }).parties;
        spreadTeams(*parties, 5, g.players, rng);
    }
    QCOMPARE(first, second);
}

void TeamSpread_::playersWithoutATeamAreNobodysMates()
{
    const QList<SpreadPlayer> players{{QString(), 0, false}, {QString(), 0, false}, {QString(), 0, false}};
    kumiline::PartyLists parties;
    parties[0] = QStringList{u"0"_s, u"1"_s, u"2"_s};
    QCOMPARE(sameTeamPairs(parties, 1, players), 0);
    QCOMPARE(fewestPairsPossible(parties, 1, players), 0);
}

QTEST_APPLESS_MAIN(TeamSpread_)
#include "tst_teamspread.moc"
