// The score sheet of one party, drawn on a recording page at the sheet's own units
// (scale 1) and at the printer's and the screen's scales.
#include "support/PageCanvas.h"
#include "tables/ScoreSheet.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tables;

namespace {
constexpr sheet::Scale Units{1.0, 1.0};

ScoreSheetInput sheetInput(int holes = 10, int startHole = 1)
{
    ScoreSheetInput in;
    in.particulars.tournamentName = u"なかよし会親睦大会"_s;
    in.particulars.titleShift = titleShiftOf(in.particulars.tournamentName);
    in.particulars.year = u"2026"_s;
    in.particulars.month = u"12"_s;
    in.particulars.day = u"7"_s;
    in.courseName = u"市民グラウンド"_s;
    in.holeCount = holes;
    in.startHole = startHole;
    in.sheetKumiText = u"3"_s;
    in.groupName = u"A"_s;
    return in;
}

QList<Player> party(int size)
{
    QList<Player> players;
    for (int k = 1; k <= size; ++k)
        players << Player{u"選手"_s + QString::number(k), u"チーム"_s + QString::number(k)};
    return players;
}

// The hole numbers in the heading row of a sheet of 10 or 12 columns (6-player frame).
QStringList headingNumbers(const PageCanvas &c, int columns)
{
    const int G = 222;
    const int I = columns == 10 ? 71 : 61;
    QStringList numbers;
    for (int col = 0; col < columns; ++col) numbers << c.textAt(G + 23 + I * col, 194 + 27);
    while (!numbers.isEmpty() && numbers.last().isEmpty()) numbers.removeLast();
    return numbers;
}

int verticalLinesAcrossTheGrid(const PageCanvas &c, int top, int bottom)
{
    int n = 0;
    for (const PenLine &l : c.penLines)
        if (l.line.x1() == l.line.x2() && l.line.y1() == top && l.line.y2() == bottom) ++n;
    return n;
}
} // namespace

class ScoreSheetTest : public QObject
{
    Q_OBJECT
private slots:
    void titleShiftCentresTheTitle();
    void holeNumbering_data();
    void holeNumbering();
    void holeColumns_data();
    void holeColumns();
    void dashesFillTheHoleCellsOfEveryRow();
    void framesDecideRowsAndSignatureCells_data();
    void framesDecideRowsAndSignatureCells();
    void namesAndTeamsOfTheParty();
    void aPartyOfSevenUnderTheSixFrameWritesNoNames();
    void particularsAndHeadings();
    void printerPensAndFonts();
    void hiddenHoleNumbers();
};

void ScoreSheetTest::titleShiftCentresTheTitle()
{
    ScoreSheetInput in = sheetInput();
    QCOMPARE(in.particulars.titleShift, 108); // nine full-width characters, 18 bytes
    PageCanvas c(QSize(1215, 770));
    drawScoreSheet(c, Units, TableOptions{}, in);
    QCOMPARE(c.textAt(452, 107), u"なかよし会親睦大会 スコア表"_s);
    QCOMPARE(titleShiftOf(u"ab大会"_s), 36);

    PageCanvas screen(QSize(996, 654));
    drawScoreSheet(screen, sheet::ScoreSheetScreen, TableOptions{}, in);
    // trunc(452 × 0.82) across; F + 17 with F = trunc(90 × 0.85) = 76, so trunc(76 + 14.45) = 90 down.
    QCOMPARE(screen.textAt(370, 90), u"なかよし会親睦大会 スコア表"_s);
}

void ScoreSheetTest::holeNumbering_data()
{
    QTest::addColumn<int>("holes");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("10 from 4") << 10 << 4 << QList<int>{4, 5, 6, 7, 8, 9, 10, 1, 2, 3};
    QTest::newRow("10 from 1") << 10 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("8 from 8") << 8 << 8 << QList<int>{8, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("12 from 12") << 12 << 12 << QList<int>{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("none") << 0 << 1 << QList<int>{};
}

void ScoreSheetTest::holeNumbering()
{
    QFETCH(int, holes);
    QFETCH(int, start);
    QFETCH(QList<int>, numbers);
    QCOMPARE(holeNumbers(holes, start), numbers);
}

void ScoreSheetTest::holeColumns_data()
{
    QTest::addColumn<int>("holes");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("8 holes: 10 columns, 8 numbered")
        << 8 << 10 << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s};
    QTest::newRow("10 holes") << 10 << 10 << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s,
                                                         u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s};
    QTest::newRow("11 holes: 12 columns, 11 numbered")
        << 11 << 12 << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s,  u"5"_s, u"6"_s,
                                   u"7"_s, u"8"_s, u"9"_s, u"10"_s, u"11"_s};
}

void ScoreSheetTest::holeColumns()
{
    QFETCH(int, holes);
    QFETCH(int, columns);
    QFETCH(QStringList, shown);
    PageCanvas c(QSize(1215, 770));
    const ScoreSheetResult r = drawScoreSheet(c, Units, TableOptions{}, sheetInput(holes));
    QCOMPARE(r.holeColumns, columns);
    QCOMPARE(headingNumbers(c, columns), shown);
    // Verticals over the whole grid: E, G, K, R (pen 2), the column lines, the three summary lines.
    QCOMPARE(verticalLinesAcrossTheGrid(c, 194, 740), 4 + columns + 3);
    const int I = columns == 10 ? 71 : 61;
    const int X = columns == 10 ? 62 : 56;
    const int K = 222 + I * columns;
    QVERIFY(c.hasLine(QPoint(K, 194), QPoint(K, 740)));
    QVERIFY(c.hasLine(QPoint(K + 4 * X - 2, 194), QPoint(K + 4 * X - 2, 740))); // the right edge R
    QCOMPARE(c.textAt(K + 3 * X + 10, 194 + 31), u"合 計"_s);
}

void ScoreSheetTest::dashesFillTheHoleCellsOfEveryRow()
{
    TableOptions o;
    o.dashes = true;
    PageCanvas c(QSize(1215, 770));
    drawScoreSheet(c, Units, o, sheetInput(8));
    int dashes = 0;
    for (const DrawnText &t : c.visibleTexts()) dashes += t.text == u"－"_s;
    QCOMPARE(dashes, 6 * 8);
    QCOMPARE(c.textAt(222 + 6, 90 + 183), u"－"_s);                   // row 1, hole 1
    QCOMPARE(c.textAt(222 + 6 + 71 * 7, 90 + 183 + 5 * 78), u"－"_s); // row 6, hole 8
    QCOMPARE(c.textAt(222 + 6 + 71 * 8, 90 + 183), QString());        // column 9 holds no hole

    PageCanvas none(QSize(1215, 770));
    drawScoreSheet(none, Units, TableOptions{}, sheetInput(8));
    QCOMPARE(none.textAt(222 + 6, 90 + 183), QString());
}

void ScoreSheetTest::framesDecideRowsAndSignatureCells_data()
{
    QTest::addColumn<bool>("eight");
    QTest::addColumn<int>("F");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("firstNumberY");
    QTest::newRow("６人枠") << false << 90 << 78 << 6 << 90 + 189;
    QTest::newRow("８人枠") << true << 65 << 65 << 8 << 65 + 177;
}

void ScoreSheetTest::framesDecideRowsAndSignatureCells()
{
    QFETCH(bool, eight);
    QFETCH(int, F);
    QFETCH(int, w);
    QFETCH(int, players);
    QFETCH(int, firstNumberY);
    TableOptions o;
    o.eightFrame = eight;
    PageCanvas c(QSize(1215, 770));
    drawScoreSheet(c, Units, o, sheetInput());
    const int H = F + 104;
    const int R = 932 + 4 * 62 - 2;
    // Pen 2 at the top, under the heading row and at the bottom; pen 1 between players.
    QCOMPARE(c.linesFrom(QPoint(52, H), QPoint(R, H)).front().width, 2);
    QCOMPARE(c.linesFrom(QPoint(52, H + w), QPoint(R, H + w)).front().width, 2);
    for (int k = 2; k <= players; ++k)
        QCOMPARE(c.linesFrom(QPoint(52, H + k * w), QPoint(R, H + k * w)).front().width, 1);
    QCOMPARE(c.linesFrom(QPoint(52, H + (players + 1) * w), QPoint(R, H + (players + 1) * w)).front().width,
             2);
    QVERIFY(!c.hasLine(QPoint(52, H + (players + 2) * w), QPoint(R, H + (players + 2) * w)));
    // Row numbers and signature cell numbers.
    for (int k = 1; k <= players; ++k) {
        QCOMPARE(c.textAt(58, firstNumberY + (k - 1) * w), QString::number(k));
        QCOMPARE(c.textAt(52 + 752 + 47 * (k - 1), F + 44), QString::number(k));
    }
    QCOMPARE(c.textAt(58, firstNumberY + players * w), QString());
    QCOMPARE(c.textAt(52 + 752 + 47 * players, F + 44), QString());
    // Eight signature cells either way, the last one narrower.
    for (int k = 0; k <= 7; ++k)
        QVERIFY(c.hasLine(QPoint(52 + 748 + 47 * k, F + 41), QPoint(52 + 748 + 47 * k, F + 97)));
    QVERIFY(c.hasLine(QPoint(52 + 1119, F + 41), QPoint(52 + 1119, F + 96)));
    // The name heading's diagonal and the first hole cell's diagonal (upper right to lower left).
    QVERIFY(c.hasLine(QPoint(52, H), QPoint(222, H + w)));
    QVERIFY(c.hasLine(QPoint(222 + 71, H + w), QPoint(222, H + 2 * w)));
    // The last line runs through the lower-right cell alone.
    QVERIFY(c.hasLine(QPoint(222 + 710, H + players * w), QPoint(222 + 710 - 71, H + (players + 1) * w)));
}

void ScoreSheetTest::namesAndTeamsOfTheParty()
{
    ScoreSheetInput in = sheetInput();
    in.party = party(5);
    PageCanvas c(QSize(1215, 770));
    const ScoreSheetResult r = drawScoreSheet(c, Units, TableOptions{}, in);
    QVERIFY(!r.partyOverflow);
    for (int k = 0; k < 5; ++k) {
        const int rowTop = 194 + 78 + k * 78;
        QCOMPARE(c.textAt(58, rowTop + 37), u"選手"_s + QString::number(k + 1));
        QCOMPARE(c.drawnAt(58, rowTop + 37)->fontHeight, 20);
        QCOMPARE(c.textAt(76, rowTop + 13), u"チーム"_s + QString::number(k + 1));
        QCOMPARE(c.drawnAt(76, rowTop + 13)->fontHeight, 15);
    }
    QCOMPARE(c.textAt(58, 194 + 78 + 5 * 78 + 37), QString());
}

void ScoreSheetTest::aPartyOfSevenUnderTheSixFrameWritesNoNames()
{
    ScoreSheetInput in = sheetInput();
    in.party = party(7);
    PageCanvas c(QSize(1215, 770));
    QVERIFY(drawScoreSheet(c, Units, TableOptions{}, in).partyOverflow);
    QCOMPARE(c.textAt(58, 194 + 78 + 37), QString());

    TableOptions eight;
    eight.eightFrame = true;
    PageCanvas c8(QSize(1215, 770));
    QVERIFY(!drawScoreSheet(c8, Units, eight, in).partyOverflow);
    // ８人枠: H = 65 + 104, w = 65; the seventh player's row.
    QCOMPARE(c8.textAt(58, 169 + 65 + 6 * 65 + 37), u"選手7"_s);
}

void ScoreSheetTest::particularsAndHeadings()
{
    PageCanvas c(QSize(1215, 770));
    drawScoreSheet(c, Units, TableOptions{}, sheetInput());
    const int E = 52;
    const int F = 90;
    QCOMPARE(c.textAt(E + 90, F + 53), u"なかよし会親睦大会"_s);
    QCOMPARE(c.textAt(E + 90, F + 77), u"市民グラウンド"_s);
    QCOMPARE(c.textAt(E + 92, F + 31), u"2026"_s);
    QCOMPARE(c.textAt(E + 160, F + 31), u"12"_s);
    QCOMPARE(c.textAt(E + 210, F + 31), u"7"_s);
    QCOMPARE(c.textAt(E + 15, F + 52), u"大会名"_s);
    QCOMPARE(c.textAt(E + 15, F + 76), u"コース"_s);
    QCOMPARE(c.textAt(E + 15, F + 29), u"開催日"_s);
    QCOMPARE(c.textAt(E + 450 + 3, F + 54 + 20), u"A グループ"_s);
    QCOMPARE(c.textAt(E + 450 + 200, F + 54 + 20), u"3"_s);
    QCOMPARE(c.textAt(E + 450 + 220, F + 54 + 20), u"組"_s);
    QVERIFY(c.hasLine(QPoint(E + 450, F + 94), QPoint(E + 690, F + 94)));
    QCOMPARE(c.textAt(950, F + 25), u"確認サイン"_s);
    QCOMPARE(c.textAt(65, 194 + 40), u"氏　名"_s);
    QCOMPARE(c.textAt(120, 194 + 11), u"ホール番号"_s);
    QCOMPARE(c.textAt(E + 135, F + 30), u"年"_s);
    QCOMPARE(c.textAt(234, F + 30), u"月"_s);
    QCOMPARE(c.textAt(287, F + 30), u"日"_s);
    QCOMPARE(c.textAt(932 + 8, 194 + 31), u"実打数"_s);
    QCOMPARE(c.textAt(932 + 62 + 8, 194 + 31), u"一打数"_s);
    QCOMPARE(c.textAt(932 + 124 + 8, 194 + 31), u"二打数"_s);
    // The particulars box: pen 2 outline, pen 1 divider.
    QCOMPARE(c.linesFrom(QPoint(E + 2, F + 24), QPoint(E + 329, F + 24)).front().width, 2);
    QCOMPARE(c.linesFrom(QPoint(E + 80, F + 24), QPoint(E + 80, F + 96)).front().width, 1);
    for (const DrawnText &t : c.visibleTexts()) QCOMPARE(t.face, u"ＭＳ ゴシック"_s);
}

void ScoreSheetTest::printerPensAndFonts()
{
    const sheet::Scale printer = sheet::printerScale(600, 600);
    QCOMPARE(printer.x, 5.55);
    QVERIFY(qAbs(printer.y - 5.82) < 1e-9);
    QCOMPARE(printer.pen(2), 11);
    QCOMPARE(printer.pen(1), 5);
    PageCanvas c(QSize(7016, 4960));
    drawScoreSheet(c, printer, TableOptions{}, sheetInput());
    QCOMPARE(c.penLines.front().width, 11); // the top line of the grid, 2 units
    // Title: x = trunc(452 × 5.55), font 22 units = trunc(22 × 5.82) pixels.
    const DrawnText *title =
        c.drawnAt(2508, static_cast<int>(std::trunc(static_cast<int>(90 * printer.y) + 17 * printer.y)));
    QVERIFY(title);
    QCOMPARE(title->fontHeight, 128);
}

void ScoreSheetTest::hiddenHoleNumbers()
{
    TableOptions o;
    o.holeNumbers = false;
    PageCanvas c(QSize(1215, 770));
    drawScoreSheet(c, Units, o, sheetInput());
    QVERIFY(headingNumbers(c, 10).isEmpty());
}

QTEST_APPLESS_MAIN(ScoreSheetTest)
#include "tst_scoresheet.moc"
