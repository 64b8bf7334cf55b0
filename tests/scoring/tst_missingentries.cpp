// Which players of a group have no entry yet, and how the list names them.
#include "scoring/MissingEntries.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace scoring;

Q_DECLARE_METATYPE(ScoreSlot)

class MissingEntriesTest : public QObject
{
    Q_OBJECT
private slots:
    void aRecordHasAnEntry_data();
    void aRecordHasAnEntry();
    void playersWithoutEntriesInPartyAndSlotOrder();
    void placesBeyondAPartyAreNoPlayers();
    void lineOfTheList();
};

void MissingEntriesTest::aRecordHasAnEntry_data()
{
    QTest::addColumn<ScoreSlot>("record");
    QTest::addColumn<bool>("entered");
    QTest::newRow("start-up") << ScoreSlot{} << false;
    QTest::newRow("cleared") << ScoreSlot::cleared() << false;
    QTest::newRow("one entry") << ScoreSlot{u"1,0,30"_s, u"1"_s, u"0"_s, u"30"_s, u"1"_s} << true;
    QTest::newRow("three entries") << ScoreSlot{u"2,1,78"_s, u"2"_s, u"1"_s, u"78"_s, u"3"_s} << true;
}

void MissingEntriesTest::aRecordHasAnEntry()
{
    QFETCH(ScoreSlot, record);
    QFETCH(bool, entered);
    QCOMPARE(hasEntry(record), entered);
}

void MissingEntriesTest::playersWithoutEntriesInPartyAndSlotOrder()
{
    std::array<std::array<ScoreSlot, SlotsMax>, PartiesMax> group{};
    std::array<QList<PlacedPlayer>, PartiesMax> parties;
    parties[0] = {{u"甲"_s, u"緑会"_s}, {u"乙"_s, u"緑会"_s}, {u"丙"_s, QString()}};
    parties[4] = {{u"丁"_s, u"空会"_s}};
    group[0][1] = ScoreSlot{u"1,0,30"_s, u"1"_s, u"0"_s, u"30"_s, u"1"_s};
    group[0][2] = ScoreSlot::cleared();
    const QList<MissingEntry> missing = missingEntries(group, parties);
    QCOMPARE(missing.size(), 3);
    QCOMPARE(missing.at(0).party, 1);
    QCOMPARE(missing.at(0).slot, 1);
    QCOMPARE(missing.at(0).name, u"甲"_s);
    QCOMPARE(missing.at(1).slot, 3);
    QCOMPARE(missing.at(2).party, 5);
    QCOMPARE(missing.at(2).team, u"空会"_s);

    for (auto &party : group)
        for (ScoreSlot &slot : party) slot = ScoreSlot{u"0,0,1"_s, u"0"_s, u"0"_s, u"1"_s, u"1"_s};
    QVERIFY(missingEntries(group, parties).isEmpty());
}

void MissingEntriesTest::placesBeyondAPartyAreNoPlayers()
{
    // A record left behind in slot 7 of a party of six is nobody's.
    std::array<std::array<ScoreSlot, SlotsMax>, PartiesMax> group{};
    std::array<QList<PlacedPlayer>, PartiesMax> parties;
    for (int k = 0; k < 6; ++k) {
        parties[2] << PlacedPlayer{u"選手%1"_s.arg(k), QString()};
        group[2][k] = ScoreSlot{u"1,0,30"_s, u"1"_s, u"0"_s, u"30"_s, u"1"_s};
    }
    QVERIFY(missingEntries(group, parties).isEmpty());
}

void MissingEntriesTest::lineOfTheList()
{
    QCOMPARE(missingEntryText({3, 2, u"山田太郎"_s, u"緑会"_s}), u"3組2番　山田太郎（緑会）"_s);
    QCOMPARE(missingEntryText({12, 8, u"林"_s, QString()}), u"12組8番　林"_s);
}

QTEST_APPLESS_MAIN(MissingEntriesTest)
#include "tst_missingentries.moc"
