// The combination grid (combination table and score-entry sheet), the page ranges and the
// member table in both forms, drawn on a recording page.
#include "support/PageCanvas.h"
#include "tables/CombinationGrid.h"
#include "tables/MemberTable.h"
#include "tables/PageFrames.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tables;

namespace {
constexpr sheet::Scale Units{1.0, 1.0};
const QString TwentyByteTeam = u"あいうえおかきくけこ"_s;

Particulars particularsOf(const QString &name = u"大会"_s)
{
    Particulars p;
    p.tournamentName = name;
    p.titleShift = titleShiftOf(name);
    p.year = u"2026"_s;
    p.month = u"12"_s;
    p.day = u"7"_s;
    return p;
}

QList<Player> party(int party, int size, const QString &team = QString())
{
    QList<Player> players;
    for (int k = 1; k <= size; ++k)
        players << Player{u"P%1-%2"_s.arg(party).arg(k), team.isEmpty() ? u"T%1"_s.arg(k) : team};
    return players;
}

QStringList roster(int n, const QString &team = u"緑会"_s)
{
    QStringList lines;
    for (int k = 1; k <= n; ++k) lines << u"会員%1,%2,男,昭和,10,10,10,0,on,off,off,"_s.arg(k).arg(team);
    return lines;
}

int textsAtX(const PageCanvas &c, int x)
{
    int n = 0;
    for (const DrawnText &t : c.visibleTexts()) n += t.x == x;
    return n;
}
} // namespace

class GridAndPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void combinationTableRows();
    void scoreEntrySheetHeadingsAndNames();
    void gridGeometryIsLeftBehind_data();
    void gridGeometryIsLeftBehind();
    void aPartyOfSevenSwitchesToTheEightFrame();
    void noGroupChosenDrawsNoNames();
    void pageRanges_data();
    void pageRanges();
    void landscapeMemberTablePageTwo();
    void portraitMemberTablePageEight();
    void teamsAreCutOnlyInTheLandscapeForm();
    void emptyRoster();
    void framesOfTheTwoTables();
};

void GridAndPagesTest::combinationTableRows()
{
    GridInput in;
    in.particulars = particularsOf();
    in.groupName = u"東"_s;
    in.parties[0] = party(1, 6);
    in.parties[1] = party(2, 4, TwentyByteTeam);
    PageCanvas c(QSize(1215, 775));
    const GridResult r = drawCombinationGrid(c, Units, TableOptions{}, in);
    // Party 2 (row top 127 + 53), slot s: name at E + 80 + 175 s, team at E + 95 + 175 s.
    for (int s = 0; s < 4; ++s) {
        QCOMPARE(c.textAt(132 + 175 * s, 180 + 28), u"P2-%1"_s.arg(s + 1));
        QCOMPARE(c.drawnAt(132 + 175 * s, 180 + 28)->fontHeight, 21);
        QCOMPARE(c.textAt(147 + 175 * s, 180 + 8), u"あいうえおかき"_s); // 14 bytes
        QCOMPARE(c.drawnAt(147 + 175 * s, 180 + 8)->fontHeight, 16);
        QCOMPARE(*r.slotTexts[1][s], u"P2-%1,"_s.arg(s + 1) + TwentyByteTeam);
    }
    QCOMPARE(c.textAt(132 + 175 * 4, 180 + 28), QString());
    QVERIFY(!r.slotTexts[1][4]);
    QVERIFY(!r.slotTexts[1][5]);
    QCOMPARE(*r.slotTexts[0][5], u"P1-6,T6"_s);
    QVERIFY(!r.slotTexts[2][0]);
    // Headings, date, column numbers and row labels.
    QCOMPARE(c.textAt(560 - 24, 24 + 13), u"大会 組み合わせ表"_s);
    QCOMPARE(c.drawnAt(560 - 24, 24 + 13)->fontHeight, 24);
    QCOMPARE(c.textAt(52 + 105, 24 + 20), u"東 グループ"_s);
    QCOMPARE(c.textAt(52 + 863, 44), u"2026"_s);
    QCOMPARE(c.textAt(52 + 930, 44), u"12"_s);
    QCOMPARE(c.textAt(52 + 980, 44), u"7"_s);
    QCOMPARE(c.textAt(955, 44), u"年"_s);
    for (int k = 1; k <= 6; ++k) QCOMPARE(c.textAt(127 + 175 * (k - 1) + 76, 74 + 15), QString::number(k));
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(c.textAt(64, 74 + 53 + 13 + (n - 1) * 53), QString::number(n));
        QCOMPARE(c.textAt(88, 74 + 53 + 13 + (n - 1) * 53), u"組"_s);
    }
    QCOMPARE(teamCut(u"abcdefghijklmnopq"_s), u"abcdefghijklmn"_s);
    QCOMPARE(teamCut(u"abcdefghijklmあい"_s), u"abcdefghijklm"_s); // never half a character
}

void GridAndPagesTest::scoreEntrySheetHeadingsAndNames()
{
    GridInput in;
    in.kind = GridKind::ScoreEntry;
    in.particulars = particularsOf();
    in.groupName = u"A"_s;
    in.parties[11] = party(12, 2);
    PageCanvas c(QSize(1215, 775));
    const GridResult r = drawCombinationGrid(c, Units, TableOptions{}, in);
    QCOMPARE(c.textAt(560 - 24, 24 + 15), u"大会 得点入力表"_s);
    QCOMPARE(c.drawnAt(560 - 24, 24 + 15)->fontHeight, 22);
    QCOMPARE(c.textAt(52 + 105, 24 + 23), u"A グループ"_s);
    // Row 12: row top 127 + 11 × 53; names at E + 83 + 175 s, no teams.
    QCOMPARE(c.textAt(135, 710 + 28), u"P12-1"_s);
    QCOMPARE(c.textAt(135 + 175, 710 + 28), u"P12-2"_s);
    QCOMPARE(c.textAt(147, 710 + 8), QString());
    QCOMPARE(*r.slotTexts[11][1], u"P12-2,T2"_s);
}

void GridAndPagesTest::gridGeometryIsLeftBehind_data()
{
    QTest::addColumn<bool>("eight");
    QTest::addColumn<bool>("screen");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("bottom");
    QTest::newRow("６人枠, units") << false << false << 175 << 6 << 74 + 13 * 53;
    QTest::newRow("８人枠, units") << true << false << 131 << 8 << 74 + 13 * 53;
    // F = trunc(24 × .79) = 18, H = trunc(18 + 50 × .79) = 57, w = trunc(53 × .79) = 41.
    QTest::newRow("６人枠, screen") << false << true << 143 << 6 << 57 + 13 * 41;
    QTest::newRow("８人枠, screen") << true << true << 107 << 8 << 57 + 13 * 41;
}

void GridAndPagesTest::gridGeometryIsLeftBehind()
{
    QFETCH(bool, eight);
    QFETCH(bool, screen);
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(int, bottom);
    TableOptions o;
    o.eightFrame = eight;
    GridInput in;
    in.particulars = particularsOf();
    PageCanvas c(QSize(1215, 775));
    const sheet::Scale s = screen ? sheet::GridScreen : Units;
    const GridResult r = drawCombinationGrid(c, s, o, in);
    QCOMPARE(r.columnWidth, width);
    QCOMPARE(r.columns, columns);
    QCOMPARE(r.bottom, bottom);
    const int E = s.X(52);
    const int K = s.offX(E, 75) + width * columns;
    QCOMPARE(c.linesFrom(QPoint(E, bottom), QPoint(K, bottom)).front().width, s.pen(2));
    QVERIFY(c.hasLine(QPoint(K, bottom - 13 * s.Y(53)), QPoint(K, bottom)));
}

void GridAndPagesTest::aPartyOfSevenSwitchesToTheEightFrame()
{
    GridInput in;
    in.particulars = particularsOf();
    in.parties[0] = party(1, 3);
    in.parties[1] = party(2, 7);
    in.parties[2] = party(3, 3);
    PageCanvas c(QSize(1215, 775));
    const GridResult r = drawCombinationGrid(c, Units, TableOptions{}, in);
    QVERIFY(r.switchedToEightFrame);
    QCOMPARE(r.columns, 6);
    QCOMPARE(c.drawnAt(132, 127 + 28)->fontHeight, 21); // before the switch
    QCOMPARE(c.textAt(132, 180 + 28), QString());       // the party of seven stays empty
    QVERIFY(!r.slotTexts[1][0]);
    QCOMPARE(c.drawnAt(132, 233 + 28)->fontHeight, 17);         // the rows after it: ８人枠 fonts
    QCOMPARE(c.textAt(127 + 175 * 6 + 76, 74 + 15), QString()); // numbers only over the six columns drawn
}

void GridAndPagesTest::noGroupChosenDrawsNoNames()
{
    GridInput in;
    in.particulars = particularsOf();
    in.parties[0] = party(1, 3);
    in.writeNames = false;
    PageCanvas c(QSize(1215, 775));
    const GridResult r = drawCombinationGrid(c, Units, TableOptions{}, in);
    QCOMPARE(c.textAt(132, 127 + 28), QString());
    QVERIFY(!r.slotTexts[0][0]);
    QCOMPARE(c.textAt(52 + 105, 24 + 20), u" グループ"_s);
}

void GridAndPagesTest::pageRanges_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");
    QTest::newRow("ヨコ 1 of 130") << true << 1 << 130 << 0 << 100;
    QTest::newRow("ヨコ 2 of 130") << true << 2 << 130 << 100 << 130;
    QTest::newRow("ヨコ 3 of 130") << true << 3 << 130 << 200 << 200;
    QTest::newRow("ヨコ 4 of 300") << true << 4 << 300 << 300 << 300;
    QTest::newRow("タテ 1 of 0") << false << 1 << 0 << 0 << 0;
    QTest::newRow("タテ 7 of 300") << false << 7 << 300 << 240 << 280;
    QTest::newRow("タテ 8 of 300") << false << 8 << 300 << 280 << 300;
    QTest::newRow("タテ 8 of 290") << false << 8 << 290 << 280 << 290;
    QTest::newRow("タテ 10 of 300") << false << 10 << 300 << 360 << 360;
}

void GridAndPagesTest::pageRanges()
{
    QFETCH(bool, landscape);
    QFETCH(int, page);
    QFETCH(int, entries);
    QFETCH(int, first);
    QFETCH(int, end);
    const PageRange r = landscape ? landscapePage(page, entries) : portraitPage(page, entries);
    QCOMPARE(r.first, first);
    QCOMPARE(r.end, end);
}

void GridAndPagesTest::landscapeMemberTablePageTwo()
{
    MemberTableInput in;
    in.particulars = particularsOf();
    in.rosterLines = roster(130);
    in.page = 2;
    in.pageText = u"2"_s;
    PageCanvas c(QSize(1215, 770));
    drawLandscapeMemberTable(c, Units, in);
    // Row numbers 101..200 over all four blocks, at block left + 3 pixels, row top + 7 pixels.
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 25; ++j)
            QCOMPARE(c.textAt(55 + 281 * k + 3, 70 + (j + 1) * 27 + 7), QString::number(101 + 25 * k + j));
    // 30 names: block 0 full, block 1 rows 0..4.
    QCOMPARE(textsAtX(c, 55 + 32) + textsAtX(c, 336 + 32) + textsAtX(c, 617 + 32) + textsAtX(c, 898 + 32),
             30);
    QCOMPARE(c.textAt(87, 103), u"会員101"_s);
    QCOMPARE(c.textAt(336 + 32, 103 + 4 * 27), u"会員130"_s);
    QCOMPARE(c.textAt(336 + 32, 103 + 5 * 27), QString());
    QCOMPARE(c.textAt(55 + 155, 103), u"緑会"_s);
    QCOMPARE(c.textAt(580 - 24, 38), u"大会 メンバー表"_s);
    QCOMPARE(c.textAt(1103, 42), u"ページ 2"_s);
    QCOMPARE(c.textAt(922, 42), u"2026"_s);
    QCOMPARE(c.textAt(959, 42), u"年"_s);
    QCOMPARE(c.textAt(55 + 2, 77), u"番号"_s);
    QCOMPARE(c.textAt(898 + 179, 77), u"所属チーム"_s);
}

void GridAndPagesTest::portraitMemberTablePageEight()
{
    MemberTableInput in;
    in.particulars = particularsOf();
    in.rosterLines = roster(300);
    in.rosterLines[285] = u"メモ付き,緑会,男,昭和,10,10,10,0,on,off,off,受付済み"_s;
    in.page = 8;
    in.pageText = u"8"_s;
    PageCanvas c(QSize(874, 1220));
    drawPortraitMemberTable(c, Units, in);
    for (int j = 0; j < 40; ++j) QCOMPARE(c.textAt(142, 107 + 26 * j + 1), QString::number(281 + j));
    QCOMPARE(textsAtX(c, 393), 20);
    QCOMPARE(c.textAt(393, 107), u"会員281"_s);
    QCOMPARE(c.textAt(393, 107 + 19 * 26), u"会員300"_s);
    QCOMPARE(c.textAt(393, 107 + 5 * 26), u"メモ付き"_s);
    QCOMPARE(c.textAt(545, 107 + 5 * 26), u"受付済み"_s);
    QCOMPARE(textsAtX(c, 545), 1);
    QCOMPARE(c.textAt(460 - 24, 50), u"大会 メンバー表"_s);
    QCOMPARE(c.textAt(700, 53), u"P. 8"_s);
    QCOMPARE(c.textAt(159, 53), u"2026"_s);
    QCOMPARE(c.textAt(130, 81), u"番  号"_s);
}

void GridAndPagesTest::teamsAreCutOnlyInTheLandscapeForm()
{
    MemberTableInput in;
    in.particulars = particularsOf();
    in.rosterLines = roster(1, TwentyByteTeam);
    PageCanvas landscape(QSize(1215, 770));
    drawLandscapeMemberTable(landscape, Units, in);
    QCOMPARE(landscape.textAt(55 + 155, 103), u"あいうえおかき"_s);
    PageCanvas portrait(QSize(874, 1220));
    drawPortraitMemberTable(portrait, Units, in);
    QCOMPARE(portrait.textAt(210, 107), TwentyByteTeam);
}

void GridAndPagesTest::emptyRoster()
{
    MemberTableInput in;
    in.particulars = particularsOf();
    PageCanvas landscape(QSize(1215, 770));
    drawLandscapeMemberTable(landscape, Units, in);
    QCOMPARE(landscape.textAt(58, 104), QString()); // no row numbers
    QCOMPARE(landscape.textAt(1103, 42), u"ページ "_s);
    PageCanvas portrait(QSize(874, 1220));
    drawPortraitMemberTable(portrait, Units, in);
    QCOMPARE(portrait.textAt(142, 108), u"1"_s);
    QCOMPARE(portrait.textAt(142, 108 + 39 * 26), u"40"_s);
}

void GridAndPagesTest::framesOfTheTwoTables()
{
    PageCanvas member(QSize(1215, 770));
    drawLandscapeFrame(member, Units, FrameKind::Member);
    PageCanvas result(QSize(1215, 770));
    drawLandscapeFrame(result, Units, FrameKind::Result);
    const int W = 55 + 281 * 2;
    QVERIFY(member.hasLine(QPoint(W + 145, 70), QPoint(W + 145, 772)));
    QVERIFY(!member.hasLine(QPoint(W + 123, 70), QPoint(W + 123, 772)));
    QVERIFY(result.hasLine(QPoint(W + 123, 70), QPoint(W + 123, 772)));
    QVERIFY(result.hasLine(QPoint(W + 224, 97), QPoint(W + 224, 772)));
    QVERIFY(!result.hasLine(QPoint(W + 145, 70), QPoint(W + 145, 772)));
    for (PageCanvas *c : {&member, &result}) {
        QVERIFY(c->hasLine(QPoint(W + 35, 70), QPoint(W + 35, 97)));
        QVERIFY(c->hasLine(QPoint(W + 28, 97), QPoint(W + 28, 772)));
        QVERIFY(c->hasLine(QPoint(W, 70 + 26 * 27), QPoint(W + 275, 70 + 26 * 27)));
    }
    PageCanvas portrait(QSize(874, 1220));
    drawPortraitFrame(portrait, Units, FrameKind::Member);
    QVERIFY(portrait.hasLine(QPoint(525, 75), QPoint(525, 1141)));
    QVERIFY(!portrait.hasLine(QPoint(605, 75), QPoint(605, 1141)));
    int horizontal = 0;
    for (const PenLine &l : portrait.penLines) horizontal += l.line.y1() == l.line.y2();
    QCOMPARE(horizontal, 42);
}

QTEST_APPLESS_MAIN(GridAndPagesTest)
#include "tst_gridandpages.moc"
