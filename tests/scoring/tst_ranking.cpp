// The order of the result table: totals first, then more one-stroke holes, then more
// two-stroke holes, then the record's text; placed players without entries after them.
#include "scoring/Ranking.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace scoring;

namespace {

ScoreSlot played(int one, int two, int total, int entries = 1)
{
    return ScoreSlot{u"%1,%2,%3"_s.arg(one).arg(two).arg(total), QString::number(one), QString::number(two),
                     QString::number(total), QString::number(entries)};
}

struct Meeting {
    ScoreSlotArray records{};
    SlotTextArray names{};
    void put(int g, int p, int s, ScoreSlot slot, const QString &nameAndTeam)
    {
        records[g][p][s] = slot;
        names[g][p][s] = nameAndTeam;
    }
    QStringList names_in_order(RankOptions options = {}) const
    {
        QStringList order;
        for (const QString &record : rankPlayers(records, names, options).RankList)
            order << splitRecord(record).name;
        return order;
    }
};

} // namespace

class Ranking_ : public QObject
{
    Q_OBJECT
private slots:
    void keyIsSevenDigitsOrderedLikeTheScore_data();
    void keyIsSevenDigitsOrderedLikeTheScore();
    void keyOfANonNumberIsNothing();
    void lowerTotalRanksFirstWhateverTheCounts();
    void moreOneStrokeHolesBreakATie();
    void leftOutOneStrokesFallBackToTheRecordText();
    void equalFiguresFollowNameThenTeam();
    void aPlaceWithoutEntriesFollowsTheRanked_data();
    void aPlaceWithoutEntriesFollowsTheRanked();
    void allGroupsAreRankedTogether();
    void recordHoldsTheStoredFiguresUnmasked();
    void aPlaceWithoutANameIsListedEmpty();
    void orderIgnoresLetterCase();
    void aFigureThatIsNotANumberNamesThePlace();
    void noScoresGiveAnEmptyList();
};

void Ranking_::keyIsSevenDigitsOrderedLikeTheScore_data()
{
    QTest::addColumn<int>("one");
    QTest::addColumn<int>("two");
    QTest::addColumn<int>("total");
    QTest::addColumn<bool>("withOne");
    QTest::addColumn<bool>("withTwo");
    QTest::addColumn<QString>("key");
    QTest::newRow("all zero") << 0 << 0 << 0 << true << true << u"1009999"_s;
    QTest::newRow("largest") << 99 << 99 << 899 << true << true << u"9990000"_s;
    QTest::newRow("usual round") << 2 << 3 << 40 << true << true << u"1409796"_s;
    QTest::newRow("one-strokes left out") << 2 << 3 << 40 << false << true << u"1409996"_s;
    QTest::newRow("two-strokes left out") << 2 << 3 << 40 << true << false << u"1409799"_s;
    QTest::newRow("both left out") << 2 << 3 << 40 << false << false << u"1409999"_s;
}

void Ranking_::keyIsSevenDigitsOrderedLikeTheScore()
{
    QFETCH(int, one);
    QFETCH(int, two);
    QFETCH(int, total);
    QFETCH(bool, withOne);
    QFETCH(bool, withTwo);
    QFETCH(QString, key);
    QCOMPARE(RankKey(played(one, two, total), RankOptions{withOne, withTwo}).value_or(QString()), key);
}

void Ranking_::keyOfANonNumberIsNothing()
{
    ScoreSlot slot = played(1, 1, 30);
    slot.Total = u"三十"_s;
    QVERIFY(!RankKey(slot, {}).has_value());
    slot = played(1, 1, 30);
    slot.OneStrokes.clear();
    QVERIFY(!RankKey(slot, {}).has_value());
}

void Ranking_::lowerTotalRanksFirstWhateverTheCounts()
{
    Meeting m;
    m.put(0, 0, 0, played(9, 9, 25), u"多打,緑"_s);
    m.put(0, 0, 1, played(0, 0, 24), u"少打,緑"_s);
    QCOMPARE(m.names_in_order(), (QStringList{u"少打"_s, u"多打"_s}));
}

void Ranking_::moreOneStrokeHolesBreakATie()
{
    Meeting m;
    m.put(0, 0, 0, played(1, 0, 25), u"一回,緑"_s);
    m.put(0, 0, 1, played(2, 0, 25), u"二回,緑"_s);
    QCOMPARE(m.names_in_order(), (QStringList{u"二回"_s, u"一回"_s}));
    // then more two-stroke holes
    Meeting n;
    n.put(1, 3, 0, played(1, 1, 25), u"少,緑"_s);
    n.put(1, 3, 1, played(1, 4, 25), u"多,緑"_s);
    QCOMPARE(n.names_in_order(), (QStringList{u"多"_s, u"少"_s}));
}

void Ranking_::leftOutOneStrokesFallBackToTheRecordText()
{
    Meeting m;
    m.put(0, 0, 0, played(2, 0, 25), u"二回,緑"_s);
    m.put(0, 0, 1, played(1, 0, 25), u"一回,緑"_s);
    // equal keys: the next field is the one-stroke count as text, so "1" comes first
    QCOMPARE(m.names_in_order(RankOptions{false, true}), (QStringList{u"一回"_s, u"二回"_s}));
    QCOMPARE(m.names_in_order(RankOptions{true, true}), (QStringList{u"二回"_s, u"一回"_s}));
}

void Ranking_::equalFiguresFollowNameThenTeam()
{
    Meeting m;
    m.put(0, 0, 0, played(1, 1, 30), u"b,T2"_s);
    m.put(0, 0, 1, played(1, 1, 30), u"b,T1"_s);
    m.put(0, 0, 2, played(1, 1, 30), u"a,T9"_s);
    const QStringList list = rankPlayers(m.records, m.names, {}).RankList;
    QCOMPARE(list,
             (QStringList{u"1309898,1,1,30,a,T9"_s, u"1309898,1,1,30,b,T1"_s, u"1309898,1,1,30,b,T2"_s}));
}

void Ranking_::aPlaceWithoutEntriesFollowsTheRanked_data()
{
    QTest::addColumn<QString>("entries");
    QTest::newRow("cleared place") << u"0"_s;
    QTest::newRow("never used place") << QString();
}

void Ranking_::aPlaceWithoutEntriesFollowsTheRanked()
{
    QFETCH(QString, entries);
    Meeting m;
    m.put(0, 4, 0, played(1, 1, 30), u"一番,緑"_s);
    ScoreSlot unused = played(1, 1, 20);
    unused.Entries = entries;
    m.put(0, 4, 1, unused, u"二番,緑"_s);
    m.put(0, 4, 2, played(1, 1, 20), u"三番,緑"_s); // a later place of the party still counts
    m.put(0, 4, 3, unused, QString());              // no player here: not listed at all
    m.put(0, 2, 5, unused, u"前の組,桜"_s);
    const Ranking r = rankPlayers(m.records, m.names, {});
    QCOMPARE(r.RankList.size(), 2);
    QCOMPARE(r.Unentered, (QStringList{u",,,,前の組,桜"_s, u",,,,二番,緑"_s}));
    QCOMPARE(m.names_in_order(), (QStringList{u"三番"_s, u"一番"_s}));
    const QStringList rows = r.rows();
    QCOMPARE(rankText(splitRecord(rows.at(1)), 1), u"2"_s);
    QCOMPARE(rankText(splitRecord(rows.at(2)), 2), u"未入力"_s);
}

void Ranking_::allGroupsAreRankedTogether()
{
    Meeting m;
    m.put(3, 11, 0, played(0, 0, 33), u"D組,緑"_s);
    m.put(0, 0, 0, played(0, 0, 35), u"A組,緑"_s);
    m.put(2, 6, 0, played(0, 0, 34), u"C組,緑"_s);
    QCOMPARE(m.names_in_order(), (QStringList{u"D組"_s, u"C組"_s, u"A組"_s}));
}

void Ranking_::recordHoldsTheStoredFiguresUnmasked()
{
    Meeting m;
    m.put(0, 0, 0, played(3, 2, 41, 2), u"山田,緑会"_s);
    const Ranking r = rankPlayers(m.records, m.names, RankOptions{false, false});
    QCOMPARE(r.RankList, QStringList{u"1419999,3,2,41,山田,緑会"_s});
    const RankedPlayer p = splitRecord(r.RankList.at(0));
    QCOMPARE(p.oneStrokes, u"3"_s);
    QCOMPARE(p.twoStrokes, u"2"_s);
    QCOMPARE(p.total, u"41"_s);
    QCOMPARE(p.team, u"緑会"_s);
}

void Ranking_::aPlaceWithoutANameIsListedEmpty()
{
    Meeting m;
    m.put(1, 0, 0, played(0, 0, 30), QString());
    const RankedPlayer p = splitRecord(rankPlayers(m.records, m.names, {}).RankList.value(0));
    QCOMPARE(p.total, u"30"_s);
    QVERIFY(p.name.isEmpty());
    QVERIFY(p.team.isEmpty());
}

void Ranking_::orderIgnoresLetterCase()
{
    QStringList list;
    insertSorted(list, u"1300000,0,0,30,b,x"_s);
    insertSorted(list, u"1300000,0,0,30,A,x"_s);
    insertSorted(list, u"1300000,0,0,30,a,y"_s);
    QCOMPARE(list, (QStringList{u"1300000,0,0,30,A,x"_s, u"1300000,0,0,30,a,y"_s, u"1300000,0,0,30,b,x"_s}));
}

void Ranking_::aFigureThatIsNotANumberNamesThePlace()
{
    Meeting m;
    m.put(0, 0, 0, played(1, 1, 30), u"甲,緑"_s);
    ScoreSlot bad = played(1, 1, 30);
    bad.TwoStrokes = u"x"_s;
    m.put(2, 3, 0, played(1, 1, 30), u"丙,緑"_s);
    m.put(2, 3, 1, bad, u"乙,緑"_s);
    const Ranking r = rankPlayers(m.records, m.names, {});
    QVERIFY(r.error.has_value());
    QVERIFY(r.RankList.isEmpty());
    QCOMPARE(r.error->message(), u"Cグループ 4組 2番の得点が数字ではありません。得点を入力し直して下さい"_s);
}

void Ranking_::noScoresGiveAnEmptyList()
{
    ScoreSlotArray cleared;
    for (int g = 0; g < GroupsMax; ++g) clearGroup(cleared, g);
    const Ranking r = rankPlayers(cleared, SlotTextArray{}, {});
    QVERIFY(r.RankList.isEmpty());
    QVERIFY(!r.error.has_value());
}

QTEST_APPLESS_MAIN(Ranking_)
#include "tst_ranking.moc"
