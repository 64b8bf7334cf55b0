// The rows of the tables as comma-separated files, the players of a meeting's parties, from
// a meeting as the data file holds it, and the names of the printed tables.
#include "tables/MeetingPages.h"
#include "tables/MeetingTables.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString member(const QString &name, const QString &team)
{
    return name + u',' + team + u",男,昭和,10,10,10,0,on,off,off,,"_s;
}

QStringList names(const QList<tables::Player> &party)
{
    QStringList n;
    for (const tables::Player &p : party) n << p.name;
    return n;
}
} // namespace

Q_DECLARE_METATYPE(tables::Table)

class MeetingTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void partiesFollowTheIndexRule_data();
    void partiesFollowTheIndexRule();
    void csvQuotesOnlyWhatNeedsIt_data();
    void csvQuotesOnlyWhatNeedsIt();
    void csvDocumentStartsWithTheByteOrderMark();
    void scoreEntryRowsShowTheRecordOfEachPlace();
    void scoresOfADamagedLineAreRefused();
    void documentNamesNameWhatIsPrinted_data();
    void documentNamesNameWhatIsPrinted();
};

void MeetingTablesTest::partiesFollowTheIndexRule_data()
{
    QTest::addColumn<int>("origin");
    QTest::addColumn<bool>("groupList");
    QTest::addColumn<QStringList>("party1");
    // Roster: 甲 乙 丙; group A's list: 丁 戊. Party 1 is "3,1,0".
    QTest::newRow("automatic: rows of the group's list") << 100 << true << QStringList{u"戊"_s, u"丁"_s};
    QTest::newRow("by hand: rows of the roster") << 0 << false << QStringList{u"乙"_s, u"甲"_s};
    // Saved after the 組み合わせ screen forgot the origin: only the division fills the lists.
    QTest::newRow("origin 0 with a group's list: its rows") << 0 << true << QStringList{u"戊"_s, u"丁"_s};
    QTest::newRow("automatic without a list: the roster") << 100 << false << QStringList{u"乙"_s, u"甲"_s};
}

void MeetingTablesTest::partiesFollowTheIndexRule()
{
    QFETCH(int, origin);
    QFETCH(bool, groupList);
    QFETCH(QStringList, party1);
    datafile::Meeting m;
    m.origin = origin;
    m.memberLines = {member(u"甲"_s, u"緑会"_s), member(u"乙"_s, u"緑会"_s), member(u"丙"_s, u"緑会"_s)};
    if (groupList) m.groupLists[0] = {member(u"丁"_s, u"桜会"_s), member(u"戊"_s, u"桜会"_s)};
    // Party 2 names a row that is not there: a player without a name keeps the slot.
    m.kumiLines[0] = {u"3,1,0"_s, u"2,7"_s, u"1"_s};
    const tables::PartyPlayers parties = tables::partiesOfGroup(m, 0);
    QCOMPARE(names(parties[0]), party1);
    QCOMPARE(names(parties[1]), QStringList{QString()});
    QVERIFY(parties[2].isEmpty());
    QVERIFY(tables::hasPlayers(parties));
    QVERIFY(!tables::hasPlayers(tables::partiesOfGroup(m, 1)));
    QVERIFY(!tables::hasPlayers(tables::partiesOfGroup(m, 4)));
}

void MeetingTablesTest::csvQuotesOnlyWhatNeedsIt_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << u"山田太郎"_s << u"山田太郎"_s;
    QTest::newRow("comma") << u"緑,会"_s << u"\"緑,会\""_s;
    QTest::newRow("quote") << u"\"緑\"会"_s << u"\"\"\"緑\"\"会\""_s;
    QTest::newRow("line end") << u"緑\n会"_s << u"\"緑\n会\""_s;
    QTest::newRow("blank kept") << u" 緑 会 "_s << u" 緑 会 "_s;
    QTest::newRow("empty") << QString() << QString();
    // What a spreadsheet would run as a formula is written as text.
    QTest::newRow("formula =") << u"=1+1"_s << u"\"'=1+1\""_s;
    QTest::newRow("formula +") << u"+81"_s << u"\"'+81\""_s;
    QTest::newRow("formula -") << u"-2+3"_s << u"\"'-2+3\""_s;
    QTest::newRow("formula @") << u"@SUM(A1)"_s << u"\"'@SUM(A1)\""_s;
    QTest::newRow("formula after a tab") << u"\t=1"_s << u"\"'\t=1\""_s;
    QTest::newRow("formula after a CR, with a quote") << u"\r=\"a\""_s << u"\"'\r=\"\"a\"\"\""_s;
    QTest::newRow("= inside kept") << u"緑=会"_s << u"緑=会"_s;
}

void MeetingTablesTest::csvQuotesOnlyWhatNeedsIt()
{
    QFETCH(QString, field);
    QFETCH(QString, written);
    const QByteArray bytes = tables::csvDocument({{u"a"_s, field, u"b"_s}});
    QCOMPARE(QString::fromUtf8(bytes.mid(3)), u"a,"_s + written + u",b\r\n"_s);
}

void MeetingTablesTest::csvDocumentStartsWithTheByteOrderMark()
{
    const QByteArray bytes = tables::csvDocument(tables::memberRows({member(u"甲"_s, u"緑会"_s)}));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bytes.mid(3)), u"番号,氏名,チーム\r\n1,甲,緑会\r\n"_s);
    QCOMPARE(tables::csvDocument({}), QByteArray("\xEF\xBB\xBF"));
}

void MeetingTablesTest::scoreEntryRowsShowTheRecordOfEachPlace()
{
    datafile::Meeting m;
    m.memberLines = {member(u"甲"_s, u"緑会"_s), member(u"乙"_s, u"緑会"_s)};
    m.kumiLines[1] = {u"3,0,1"_s};
    m.scoreLines[1] = {
        u"B,2,3,4,80,甲,緑会,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,"_s};
    const auto scores = tables::scoresOf(m);
    QVERIFY(scores);
    const QList<QStringList> rows =
        tables::scoreEntryRows({{u"B"_s, tables::partiesOfGroup(m, 1)}}, scores->records);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1),
             (QStringList{u"B"_s, u"1"_s, u"1"_s, u"甲"_s, u"緑会"_s, u"2"_s, u"3"_s, u"4"_s, u"80"_s}));
    QCOMPARE(rows.at(2), (QStringList{u"B"_s, u"1"_s, u"2"_s, u"乙"_s, u"緑会"_s, u"0"_s, QString(),
                                      QString(), QString()}));
}

void MeetingTablesTest::scoresOfADamagedLineAreRefused()
{
    datafile::Meeting m;
    m.scoreLines[0] = {u"A,1,x,0,40,甲,緑会"_s};
    QVERIFY(!tables::scoresOf(m));
}

void MeetingTablesTest::documentNamesNameWhatIsPrinted_data()
{
    QTest::addColumn<tables::Table>("table");
    QTest::addColumn<int>("group"); // -1: none asked for
    QTest::addColumn<bool>("everyPage");
    QTest::addColumn<QString>("name");
    using T = tables::Table;
    QTest::newRow("one score sheet") << T::ScoreSheet << 1 << false << u"春季大会 スコア表 青 3組"_s;
    QTest::newRow("every score sheet of a group") << T::ScoreSheet << 1 << true << u"春季大会 スコア表 青"_s;
    QTest::newRow("every score sheet") << T::ScoreSheet << -1 << true << u"春季大会 スコア表"_s;
    QTest::newRow("a group's check sheet") << T::ScoreCheck << 3 << false << u"春季大会 得点確認表 D"_s;
    QTest::newRow("no group chosen") << T::Combination << -1 << false << u"春季大会 組み合わせ表"_s;
    QTest::newRow("the result table names no group") << T::Result << 0 << false << u"春季大会 成績表"_s;
    QTest::newRow("nor the member table") << T::Member << 0 << true << u"春季大会 メンバー表"_s;
}

void MeetingTablesTest::documentNamesNameWhatIsPrinted()
{
    QFETCH(tables::Table, table);
    QFETCH(int, group);
    QFETCH(bool, everyPage);
    QFETCH(QString, name);
    tables::PageRequest r;
    r.table = table;
    if (group >= 0) r.group = group;
    r.partyText = u"3"_s;
    r.particulars.tournamentName = u"春季大会"_s;
    r.groupNames = {u"赤"_s, u"青"_s, u"C"_s, u"D"_s};
    QCOMPARE(tables::documentNameOf(r, everyPage), name);
}

QTEST_APPLESS_MAIN(MeetingTablesTest)
#include "tst_meetingtables.moc"
