// The report of 組み合わせの確認: its lines, their plain text, its pages and where they are drawn.
#include "support/RecordingCanvas.h"
#include "tables/CombinationReport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tables;

namespace {
grouping::GroupCheck twoParties()
{
    grouping::PartyCheck one;
    one.party = 1;
    one.players = {
        {u"山田"_s, u"緑会"_s, true}, {u"川上"_s, u"緑会"_s, false}, {u"森"_s, u"青空会"_s, false}};
    one.leaders = 1;
    one.men = 2;
    one.women = 1;
    one.mates = {{u"緑会"_s, {u"山田"_s, u"川上"_s}}};
    grouping::PartyCheck three;
    three.party = 3;
    three.players = {{u"林"_s, QString(), false}};
    three.men = 1;
    grouping::GroupCheck g;
    g.group = 2;
    g.parties = {one, three};
    g.players = 4;
    g.leaders = 1;
    g.men = 3;
    g.women = 1;
    g.pairs = 1;
    return g;
}

const std::array<QString, 4> kNames{u"A"_s, u"松"_s, u"C"_s, u"D"_s};
} // namespace

class CombinationReportTest : public QObject
{
    Q_OBJECT
private slots:
    void linesOfAGroup();
    void groupsAreParted();
    void pages_data();
    void pages();
    void drawnWhereTheUnitsPutIt();
};

void CombinationReportTest::linesOfAGroup()
{
    const QList<ReportLine> lines = combinationReport({twoParties()}, kNames);
    QStringList texts;
    for (const ReportLine &l : lines) texts << l.text();
    const QStringList expected{
        u"松 グループ　2組　4名　リーダー 1名　男性 3名　女性 1名　同じチームの二人 1組"_s,
        u"  1組　3名　リーダー 1名　男性 2名　女性 1名　同じチームの二人 1組"_s,
        u"      1番 ◎ 山田"_s + QString(24, u' ') + u"緑会"_s,
        u"      2番    川上"_s + QString(24, u' ') + u"緑会"_s,
        u"      3番    森"_s + QString(26, u' ') + u"青空会"_s,
        u"          同じチーム 緑会：山田、川上"_s,
        u"  3組　1名　リーダー 0名　男性 1名　女性 0名　同じチームの二人 0組"_s,
        u"      1番    林"_s + QString(26, u' '),
    };
    QCOMPARE(texts, expected);
    QCOMPARE(lines.at(2).cells, (QStringList{u"1番"_s, u"◎"_s, u"山田"_s, u"緑会"_s}));
}

void CombinationReportTest::groupsAreParted()
{
    grouping::GroupCheck other = twoParties();
    other.group = 4;
    const QList<ReportLine> lines = combinationReport({twoParties(), other}, kNames);
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines.at(8).kind, ReportLine::Blank);
    QVERIFY(lines.at(9).text().startsWith(u"D グループ"_s));
    QVERIFY(combinationReport({}, kNames).isEmpty());
}

void CombinationReportTest::pages_data()
{
    // The report's shape: G a group's totals, B a blank line, Pn a party's heading with its
    // n − 1 further lines (players, team-mates); repeated as "x*n".
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QList<int>>("firstLines"); // the first line of every page
    QTest::newRow("none") << u""_s << QList<int>{0};
    QTest::newRow("a full page") << u"P1*46"_s << QList<int>{0};
    QTest::newRow("one more") << u"P1*47"_s << QList<int>{0, 46};
    QTest::newRow("a party that no longer fits moves whole") << u"G P8*5 P8"_s << QList<int>{0, 41};
    QTest::newRow("a full page ends a group: its blank line begins no page")
        << u"G P8*5 P5 B G P8"_s << QList<int>{0, 47};
    QTest::newRow("a group's totals go with its first party") << u"G P8*5 B G P8"_s << QList<int>{0, 42};
    QTest::newRow("a party longer than a page is cut") << u"P50"_s << QList<int>{0, 46};
}

void CombinationReportTest::pages()
{
    QFETCH(QString, shape);
    QFETCH(QList<int>, firstLines);
    QList<ReportLine> report;
    for (const QString &part : shape.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList repeat = part.split(u'*');
        for (int r = 0; r < (repeat.size() > 1 ? repeat.at(1).toInt() : 1); ++r) {
            const QString block = repeat.at(0);
            if (block == u"G"_s) report << ReportLine{ReportLine::GroupTotals, {u"g"_s}};
            if (block == u"B"_s) report << ReportLine{ReportLine::Blank, {}};
            if (!block.startsWith(u'P')) continue;
            report << ReportLine{ReportLine::Party, {u"p"_s}};
            for (int k = 1; k < block.mid(1).toInt(); ++k)
                report << ReportLine{ReportLine::Player, {u"1番"_s}};
        }
    }
    QList<int> firsts;
    for (const ReportPage &page : reportPages(report)) {
        firsts << page.first;
        QVERIFY(page.end - page.first <= ReportLinesPerPage);
    }
    QCOMPARE(firsts, firstLines);
    QCOMPARE(reportPageCount(report), firstLines.size());
}

void CombinationReportTest::drawnWhereTheUnitsPutIt()
{
    // 50 lines: page 2 holds the last four, from the top line on.
    QList<ReportLine> report;
    for (int i = 0; i < 50; ++i)
        report << ReportLine{ReportLine::Player,
                             {u"%1番"_s.arg(i), QString(), u"選手%1"_s.arg(i), u"緑会"_s}};
    const sheet::Scale s{5.55, 5.82}; // 600 dpi
    RecordingCanvas page(QSize(4960, 7016));
    drawCombinationReport(page, s, report, 2);
    QCOMPARE(page.textAt(s.X(40), s.Y(40)), u"組み合わせの確認"_s);
    QCOMPARE(page.textAt(s.X(720), s.Y(50)), u"2 / 2"_s);
    QCOMPARE(page.textAt(s.X(70), s.Y(110)), u"46番"_s);
    QCOMPARE(page.textAt(s.X(140), s.Y(110 + 3 * 23)), u"選手49"_s);
    QCOMPARE(page.textAt(s.X(420), s.Y(110 + 3 * 23)), u"緑会"_s);
    QCOMPARE(page.drawnAt(s.X(140), s.Y(110))->fontHeight, s.font(15));
    QCOMPARE(page.textAt(s.X(140), s.Y(110 + 4 * 23)), QString());
    // No empty leader mark is drawn.
    QCOMPARE(page.textsIn(QRect(s.X(110), 0, s.X(20), 7016)).size(), size_t(0));
}

QTEST_APPLESS_MAIN(CombinationReportTest)
#include "tst_combinationreport.moc"
