// The result table's layouts drawn from a ranking alone: the body of a landscape page
// (rank numbers, cut names and teams, score columns), the page ranges of both forms, and
// the blanking runs in white.
#include "support/RecordingCanvas.h"
#include "tables/ResultTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace sheet = tables::sheet;

namespace {
// n records, best first; record k has the total 20 + k.
QStringList ranking(int n, const QString &name = u"選手"_s, const QString &team = u"緑会"_s)
{
    QStringList list;
    for (int k = 0; k < n; ++k)
        list << u"%1,1,2,%2,%3%4,%5"_s.arg(1000000 + (20 + k) * 10000 + 9897)
                    .arg(20 + k)
                    .arg(name)
                    .arg(k + 1)
                    .arg(team);
    return list;
}
} // namespace

class ResultTableTest : public QObject
{
    Q_OBJECT
private slots:
    void landscapeBody_data();
    void landscapeBody();
    void landscapeCutsNamesAndTeams();
    void portraitPages_data();
    void portraitPages();
    void blanksAreWhite();
};

void ResultTableTest::landscapeBody_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("firstRank");
    QTest::addColumn<int>("filledRows");
    QTest::newRow("one page, 30 entries") << 30 << 1 << 1 << 30;
    QTest::newRow("page 2 of 150") << 150 << 2 << 101 << 50;
    QTest::newRow("page 3 of 150: empty, numbered on") << 150 << 3 << 201 << 0;
    QTest::newRow("page 4 of 300") << 300 << 4 << 301 << 0;
}

void ResultTableTest::landscapeBody()
{
    QFETCH(int, entries);
    QFETCH(int, page);
    QFETCH(int, firstRank);
    QFETCH(int, filledRows);
    const sheet::Scale s{1.0, 1.0};
    RecordingCanvas c(QSize(1300, 900));
    tables::drawLandscapeResultBody(c, s, ranking(entries), page);
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 25; ++j) {
            const int row = 25 * k + j;
            const int q = 55 + 281 * k;
            QCOMPARE(c.textAt(q + 4, 97 + 27 * j + 7), QString::number(firstRank + row));
            const int y = 103 + 27 * j;
            if (row < filledRows) {
                QCOMPARE(c.textAt(q + 33, y), u"選手%1"_s.arg(firstRank + row));
                QCOMPARE(c.textAt(q + 130, y), u"緑会"_s);
                QCOMPARE(c.textAt(q + 205, y), u"1"_s);
                QCOMPARE(c.textAt(q + 228, y), u"2"_s);
                QCOMPARE(c.textAt(q + 249, y), QString::number(20 + firstRank - 1 + row));
            } else {
                QCOMPARE(c.textAt(q + 33, y), QString());
            }
        }
}

void ResultTableTest::landscapeCutsNamesAndTeams()
{
    const sheet::Scale s{0.82, 0.80};
    RecordingCanvas c(QSize(1000, 700));
    tables::drawLandscapeResultBody(c, s, {u"1209897,1,2,20,ab長谷川左衛門,abcみどりの会"_s}, 1);
    // 10 bytes of the name, 8 of the team, never half a character.
    QCOMPARE(c.textAt(s.X(88), s.Y(103)), u"ab長谷川左"_s);
    QCOMPARE(c.textAt(s.X(185), s.Y(103)), u"abcみど"_s);
}

void ResultTableTest::portraitPages_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("firstRank");
    QTest::addColumn<int>("filledRows");
    QTest::newRow("page 1 of 10") << 10 << 1 << 1 << 10;
    QTest::newRow("page 2 of 85") << 85 << 2 << 41 << 40;
    QTest::newRow("page 3 of 85") << 85 << 3 << 81 << 5;
    QTest::newRow("page 8 of 300") << 300 << 8 << 281 << 20;
    QTest::newRow("page 10 of 300") << 300 << 10 << 361 << 0;
}

void ResultTableTest::portraitPages()
{
    QFETCH(int, entries);
    QFETCH(int, page);
    QFETCH(int, firstRank);
    QFETCH(int, filledRows);
    RecordingCanvas c(QSize(874, 1220));
    tables::ResultTableInput in;
    in.particulars.tournamentName = u"春季大会"_s;
    in.particulars.titleShift = 48;
    in.rankList = ranking(entries, u"長谷川左衛門"_s, u"みどりの会みどりの会"_s);
    in.page = page;
    in.pageText = QString::number(page);
    tables::drawPortraitResultTable(c, sheet::Scale{1.0, 1.0}, in);
    QCOMPARE(c.textAt(412, 50), u"春季大会 成績表"_s);
    QCOMPARE(c.textAt(700, 53), u"P. "_s + QString::number(page));
    for (int j = 0; j < 40; ++j) {
        const int y = 107 + 26 * j;
        QCOMPARE(c.textAt(142, y + 1), QString::number(firstRank + j));
        if (j < filledRows) {
            QCOMPARE(c.textAt(393, y), u"長谷川左衛門%1"_s.arg(firstRank + j)); // whole
            QCOMPARE(c.textAt(210, y), u"みどりの会みどりの会"_s);
            QCOMPARE(c.textAt(715, y), QString::number(20 + firstRank - 1 + j));
        } else {
            QCOMPARE(c.textAt(393, y), QString());
        }
    }
}

void ResultTableTest::blanksAreWhite()
{
    RecordingCanvas c(QSize(1300, 900));
    // A page drawn over an earlier one: the earlier entries are blanked where none follow.
    tables::drawLandscapeResultBody(c, sheet::Scale{1.0, 1.0}, ranking(3), 1);
    QCOMPARE(c.textAt(55 + 33, 103 + 27 * 2), u"選手3"_s);
    tables::drawLandscapeResultBody(c, sheet::Scale{1.0, 1.0}, ranking(2), 1);
    QCOMPARE(c.textAt(55 + 33, 103 + 27 * 2), QString());
    QCOMPARE(c.textAt(55 + 249, 103 + 27 * 2), QString());
    QCOMPARE(c.textAt(55 + 33, 103 + 27), u"選手2"_s);
}

QTEST_APPLESS_MAIN(ResultTableTest)
#include "tst_resulttable.moc"
