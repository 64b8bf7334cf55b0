// 同じチームを分散: off, the automatic division stays exactly as it was; on, team-mates are
// spread over the parties of each group while every rule of the division still holds.
#include "support/GroupingSteps.h"

#include "grouping/CombinationCheck.h"
#include "grouping/TeamSpread.h"

#include <map>

using namespace Qt::StringLiterals;
using namespace groupsteps;

namespace {

const QDateTime kFirstReading(QDate(2026, 12, 7), QTime(10, 0, 0, 250));

// 66 club members of six teams of eleven, men and women mixed in every team, four leaders.
QStringList clubRoster()
{
    QStringList lines;
    for (int i = 0; i < 66; ++i) {
        RosterLine l = rosterLine(u"選手"_s + QString::number(i + 1));
        l.team(u"チーム"_s + QString::number(i % 6 + 1)).sex(i % 5 < 3 ? u"男"_s : u"女"_s).plays();
        if (i % 17 == 0) l.leader();
        lines << l;
    }
    return lines;
}

// A division into 2 groups of 6 parties at the given clock reading, the option on or off.
struct Division {
    explicit Division(const QDateTime &clock, bool spread) : s(clock)
    {
        if (spread) s.form.SpreadTeamsOnClick();
        divide(s, clubRoster(), u"2"_s, u"6"_s);
    }
    Scenario s;
};

// What a division must keep whatever the option: per group and party the size, the men
// and women, the leaders with their slots; and every player exactly once.
struct Shape {
    std::map<std::pair<int, int>, std::pair<int, int>> sexes; // (group, party) → (men, women)
    std::map<std::pair<int, int>, int> sizes;
    std::map<std::tuple<int, int, int>, QString> leaders; // (group, party, slot) → name
    QStringList everyone;
    bool operator==(const Shape &) const = default;
};

Shape shapeOf(Scenario &s)
{
    Shape shape;
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= 12; ++k) {
            const QStringList indexes = storedIndexes(s, g, k);
            shape.sizes[{g, k}] = static_cast<int>(indexes.size());
            for (int slot = 0; slot < indexes.size(); ++slot) {
                Member m;
                roster::splitInto(s.form.GroupList[g - 1].at(indexes.at(slot).toInt()), m);
                auto &[men, women] = shape.sexes[{g, k}];
                (m.isMan() ? men : women) += 1;
                if (m.isLeader()) shape.leaders[{g, k, slot}] = m.Name;
                shape.everyone << m.Name;
            }
        }
    shape.everyone.sort();
    return shape;
}

// Same-team pairs of group g (1-based) and the fewest its team sizes allow.
std::pair<int, int> pairsOf(Scenario &s, int g)
{
    const QList<grouping::GroupCheck> checks =
        grouping::checkCombination(s.form.KumiLines, s.form.GroupList, s.form.SavedMemberLines, false);
    int pairs = -1;
    for (const grouping::GroupCheck &c : checks)
        if (c.group == g) pairs = c.pairs;
    QList<grouping::SpreadPlayer> players;
    for (const QString &line : s.form.GroupList[g - 1]) {
        Member m;
        roster::splitInto(line, m);
        players << grouping::SpreadPlayer{m.Team, m.isMan() ? 0 : 1, m.isLeader()};
    }
    const int fewest =
        grouping::fewestPairsPossible(grouping::kumiline::load(s.form.KumiLines[g - 1]), 6, players);
    return {pairs, fewest};
}

int possiblePairs(Scenario &s, int g)
{
    int n = 0;
    for (int k = 1; k <= 6; ++k) {
        const auto size = storedIndexes(s, g, k).size();
        n += static_cast<int>(size * (size - 1) / 2);
    }
    return n;
}

} // namespace

class TeamSpreading : public QObject
{
    Q_OBJECT
private slots:
    void offDividesExactlyAsBefore();
    void switchedOffAgainDividesAsNeverSwitchedOn();
    void theSameClockGivesTheSameCombination();
    void teamMatesAreSpreadOverManyClockReadings();
};

void TeamSpreading::offDividesExactlyAsBefore()
{
    // The stores of one clock reading, as the division made them before the option existed.
    Division d(kFirstReading, false);
    QVERIFY(d.s.platform.boxes.empty());
    const QStringList groupA{u"7,9,18,15,31,24,20"_s,
                             u"7,0,8,22,25,7,12"_s,
                             u"7,1,30,10,29,11,17"_s,
                             u"6,19,5,32,26,16"_s,
                             u"6,4,23,27,3,2"_s,
                             u"6,14,13,21,28,6"_s,
                             u"1"_s,
                             u"1"_s,
                             u"1"_s,
                             u"1"_s,
                             u"1"_s,
                             u"1"_s};
    QCOMPARE(d.s.form.KumiLines[0], groupA);
    QCOMPARE(d.s.form.GroupList[0].size(), 33);
    QCOMPARE(d.s.form.GroupList[1].size(), 33);
}

void TeamSpreading::switchedOffAgainDividesAsNeverSwitchedOn()
{
    for (int second = 0; second < 5; ++second) {
        const QDateTime clock = kFirstReading.addSecs(second);
        Division untouched(clock, false);
        Scenario s(clock);
        s.form.SpreadTeamsOnClick();
        s.form.SpreadTeamsOffClick();
        divide(s, clubRoster(), u"2"_s, u"6"_s);
        QCOMPARE(s.form.KumiLines, untouched.s.form.KumiLines);
        QCOMPARE(s.form.GroupList, untouched.s.form.GroupList);
        QCOMPARE(s.form.KumiList, untouched.s.form.KumiList);
        for (int k = 1; k <= 6; ++k) QCOMPARE(panelNames(s, k), panelNames(untouched.s, k));
    }
}

void TeamSpreading::theSameClockGivesTheSameCombination()
{
    Division first(kFirstReading, true);
    Division second(kFirstReading, true);
    QCOMPARE(first.s.form.KumiLines, second.s.form.KumiLines);
    Division later(kFirstReading.addSecs(1), true);
    QVERIFY(later.s.form.KumiLines != first.s.form.KumiLines);
}

void TeamSpreading::teamMatesAreSpreadOverManyClockReadings()
{
    int before = 0;
    int after = 0;
    int possible = 0;
    int fewestTotal = 0;
    for (int reading = 0; reading < 100; ++reading) {
        const QDateTime clock = kFirstReading.addSecs(reading * 7);
        Division off(clock, false);
        Division on(clock, true);
        QVERIFY(on.s.platform.boxes.empty());
        // The same players, sizes, men and women per party and leaders in their slots.
        const Shape dealt = shapeOf(off.s);
        QCOMPARE(shapeOf(on.s), dealt);
        QCOMPARE(dealt.everyone.size(), 66);
        QCOMPARE(on.s.form.GroupList, off.s.form.GroupList);
        for (int g = 1; g <= 2; ++g) {
            const auto [dealtPairs, fewestDealt] = pairsOf(off.s, g);
            const auto [spreadPairs, fewest] = pairsOf(on.s, g);
            QCOMPARE(fewest, fewestDealt);
            QVERIFY2(spreadPairs <= fewest + 1,
                     qPrintable(u"reading %1, group %2: %3 pairs, at best %4"_s.arg(reading)
                                    .arg(g)
                                    .arg(spreadPairs)
                                    .arg(fewest)));
            QVERIFY(spreadPairs <= dealtPairs);
            before += dealtPairs;
            after += spreadPairs;
            fewestTotal += fewest;
            possible += possiblePairs(on.s, g);
        }
        // The panels show the spread parties.
        for (int k = 1; k <= 6; ++k) QCOMPARE(panelNames(on.s, k), storedNames(on.s, 1, k));
    }
    const auto percent = [possible](int pairs) { return QString::number(pairs * 100.0 / possible, 'f', 1); };
    qInfo("same-team pairs in parties: %s%% dealt, %s%% spread, %s%% at the fewest the teams allow",
          qPrintable(percent(before)), qPrintable(percent(after)), qPrintable(percent(fewestTotal)));
    QVERIFY(before * 100 / possible >= 12); // about one pair in six, as chance gives
    QVERIFY(after <= fewestTotal + 200);    // at most one pair per group above the fewest
    QVERIFY(after * 4 < before);
}

QTEST_APPLESS_MAIN(TeamSpreading)
#include "tst_teamspreading.moc"
