// The season's table on paper: pages cut by rows and by meetings, each page repeating the
// members and the totals; meetings of one name told apart by their files.
#include "support/RecordingCanvas.h"
#include "tables/SeasonTable.h"

#include <QTest>

using namespace Qt::StringLiterals;
namespace season = tables::season;

class SeasonTableTest : public QObject
{
    Q_OBJECT
private slots:
    void pagesByRowsAndMeetings_data();
    void pagesByRowsAndMeetings();
};

void SeasonTableTest::pagesByRowsAndMeetings_data()
{
    QTest::addColumn<int>("meetings"); // all named なかよし会親睦大会, in m1.txt, m2.txt …
    QTest::addColumn<int>("members");  // member k played meeting 1 only, with 30 + k strokes
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("notShown");
    QTest::newRow("one page, names apart by file")
        << 2 << 3 << 1 << QStringList{u"（m1）"_s, u"（m2）"_s, u"会員3"_s, u"1 / 1"_s} << u"会員4"_s;
    QTest::newRow("rows go on: page 2 from the 27th")
        << 2 << 27 << 2 << QStringList{u"会員27"_s, u"2 / 2"_s} << u"会員26"_s;
    QTest::newRow("the eleventh meeting on a page of its own")
        << 11 << 27 << 3 << QStringList{u"（m11）"_s, u"会員1"_s, u"出場回数"_s} << u"1位 30"_s;
}

void SeasonTableTest::pagesByRowsAndMeetings()
{
    QFETCH(int, meetings);
    QFETCH(int, members);
    QFETCH(int, page);
    QFETCH(QStringList, shown);
    QFETCH(QString, notShown);
    QList<season::Meeting> list(meetings);
    for (int m = 0; m < meetings; ++m) {
        list[m].path = u"/season/m%1.txt"_s.arg(m + 1);
        list[m].title = u"なかよし会親睦大会"_s;
    }
    for (int k = 0; k < members; ++k)
        list[0].ranking.RankList << u"%1,0,0,%2,会員%3,緑会"_s.arg(1300000 + k).arg(30 + k).arg(k + 1);
    const season::Table table = season::build(list);
    QCOMPARE(season::pageCount(table), ((members + 25) / 26) * ((meetings + 9) / 10));
    RecordingCanvas canvas(QSize(1300, 800));
    season::drawPage(canvas, {1.0, 1.0}, table, page, u"2026年12月7日"_s);
    QString texts;
    for (const DrawnText &t : canvas.visibleTexts()) texts += t.text + u'\n';
    for (const QString &text : shown) QVERIFY2(texts.contains(text), qPrintable(text));
    QVERIFY(!texts.contains(notShown));
}

QTEST_APPLESS_MAIN(SeasonTableTest)
#include "tst_seasontable.moc"
