// Adding entries to a place's record: running sums, the count of entries, the cell text,
// and entries that are refused whole.
#include "scoring/ScoreEntry.h"

#include <QTest>

Q_DECLARE_METATYPE(ScoreSlot)

using namespace Qt::StringLiterals;
using namespace scoring;

class ScoreEntry_ : public QObject
{
    Q_OBJECT
private slots:
    void entriesAddUp();
    void aStartUpRecordCountsAsZeros();
    void fullWidthDigitsAreNumbers();
    void aBadFieldAddsNothing_data();
    void aBadFieldAddsNothing();
    void sumsReachTheirLimits();
    void cellText_data();
    void cellText();
};

void ScoreEntry_::entriesAddUp()
{
    EntryResult r = addEntry(ScoreSlot::cleared(), u"2"_s, u"3"_s, u"40"_s);
    QVERIFY(!r.error);
    r = addEntry(r.slot, u"1"_s, u"0"_s, u"38"_s);
    QVERIFY(!r.error);
    QCOMPARE(r.slot, (ScoreSlot{u"3,3,78"_s, u"3"_s, u"3"_s, u"78"_s, u"2"_s}));
    QCOMPARE(scoring::cellText(r.slot), u"(2)3,3,78"_s);
}

void ScoreEntry_::aStartUpRecordCountsAsZeros()
{
    const EntryResult r = addEntry(ScoreSlot{}, u"1"_s, u"2"_s, u"30"_s);
    QVERIFY(!r.error);
    QCOMPARE(r.slot, (ScoreSlot{u"1,2,30"_s, u"1"_s, u"2"_s, u"30"_s, u"1"_s}));
}

void ScoreEntry_::fullWidthDigitsAreNumbers()
{
    const EntryResult r = addEntry(ScoreSlot::cleared(), u"１"_s, u"０"_s, u"２５"_s);
    QVERIFY(!r.error);
    QCOMPARE(r.slot.Summary, u"1,0,25"_s);
}

void ScoreEntry_::aBadFieldAddsNothing_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("two");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty one-stroke") << QString() << u"1"_s << u"30"_s << u"１打には数字を入力して下さい"_s;
    QTest::newRow("letter in two-stroke") << u"1"_s << u"a"_s << u"30"_s << u"２打には数字を入力して下さい"_s;
    QTest::newRow("negative total") << u"1"_s << u"1"_s << u"-3"_s << u"合計には数字を入力して下さい"_s;
    QTest::newRow("decimal total") << u"1"_s << u"1"_s << u"3.5"_s << u"合計には数字を入力して下さい"_s;
    QTest::newRow("blank in one-stroke") << u" 1"_s << u"1"_s << u"30"_s << u"１打には数字を入力して下さい"_s;
    // The sums stay where the result table's rank key can order them.
    QTest::newRow("one-stroke sum over 99")
        << u"99"_s << u"0"_s << u"30"_s << u"１打の累計が99を超えるため入力できません"_s;
    QTest::newRow("two-stroke sum over 99")
        << u"0"_s << u"99"_s << u"30"_s << u"２打の累計が99を超えるため入力できません"_s;
    QTest::newRow("total over 899") << u"0"_s << u"0"_s << u"870"_s
                                    << u"合計の累計が899を超えるため入力できません"_s;
}

void ScoreEntry_::sumsReachTheirLimits()
{
    const EntryResult full =
        addEntry(ScoreSlot{u"98,98,800"_s, u"98"_s, u"98"_s, u"800"_s, u"98"_s}, u"1"_s, u"1"_s, u"99"_s);
    QVERIFY(!full.error);
    QCOMPARE(full.slot, (ScoreSlot{u"99,99,899"_s, u"99"_s, u"99"_s, u"899"_s, u"99"_s}));
    const EntryResult more = addEntry(full.slot, u"0"_s, u"0"_s, u"0"_s);
    QCOMPARE(more.error->message(), u"確定の回数が99を超えるため入力できません"_s);
    QCOMPARE(more.slot, full.slot);
}

void ScoreEntry_::aBadFieldAddsNothing()
{
    QFETCH(QString, one);
    QFETCH(QString, two);
    QFETCH(QString, total);
    QFETCH(QString, message);
    const ScoreSlot before{u"1,1,30"_s, u"1"_s, u"1"_s, u"30"_s, u"1"_s};
    const EntryResult r = addEntry(before, one, two, total);
    QVERIFY(r.error.has_value());
    QCOMPARE(r.error->message(), message);
    QCOMPARE(r.slot, before);
}

void ScoreEntry_::cellText_data()
{
    QTest::addColumn<ScoreSlot>("record");
    QTest::addColumn<bool>("groupC");
    QTest::addColumn<QString>("text");
    QTest::newRow("cleared") << ScoreSlot::cleared() << false << u"(0)#"_s;
    QTest::newRow("cleared, group C") << ScoreSlot::cleared() << true << u"(0) #"_s;
    QTest::newRow("start-up") << ScoreSlot{} << false << u"()"_s;
    QTest::newRow("entered") << ScoreSlot{u"1,2,30"_s, u"1"_s, u"2"_s, u"30"_s, u"1"_s} << true
                             << u"(1) 1,2,30"_s;
    QTest::newRow("read with no entries")
        << ScoreSlot{u"5,5,5"_s, u"5"_s, u"5"_s, u"5"_s, u"0"_s} << false << u"(0)#"_s;
}

void ScoreEntry_::cellText()
{
    QFETCH(ScoreSlot, record);
    QFETCH(bool, groupC);
    QFETCH(QString, text);
    QCOMPARE(scoring::cellText(record, groupC), text);
}

QTEST_APPLESS_MAIN(ScoreEntry_)
#include "tst_scoreentry.moc"
