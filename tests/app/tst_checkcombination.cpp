// 組み合わせの確認: the report of the stored combination in its window, printed on demand,
// and its refusals.
#include "TableSteps.h"

#include "tables/CombinationReport.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {
int lineStarting(const QStringList &lines, const QString &start, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines.at(i).startsWith(start)) return i;
    return -1;
}
} // namespace

class CheckCombinationTest : public QObject
{
    Q_OBJECT
private slots:
    void reportOfAnAutomaticDivision();
    void reportOfAHandMadeCombination();
    void printedFromTheWindow();
    void refusals_data();
    void refusals();
};

void CheckCombinationTest::reportOfAnAutomaticDivision()
{
    Scenario s;
    QStringList roster;
    for (int i = 0; i < 20; ++i)
        roster << rosterLine(u"選手"_s + QString::number(i + 1))
                      .team(u"チーム"_s + QString::number(i % 3 + 1))
                      .sex(i % 2 ? u"女"_s : u"男"_s)
                      .plays();
    groupsteps::divide(s, roster, u"2"_s, u"3"_s);
    s.form.Button10Click(); // 完了
    s.platform.takeBoxes();
    s.form.CheckCombinationClick();
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.platform.checkWindows.size(), size_t(1));
    const QStringList &lines = s.platform.checkWindows.front();
    QVERIFY(lines.first().startsWith(u"A グループ　3組　10名"_s));
    QVERIFY(lineStarting(
                lines, u"B グループ　3組　10名　リーダー 0名　男性 5名　女性 5名　同じチームの二人 "_s) > 0);
    // Every party's names in slot order, under its heading.
    for (int g = 1; g <= 2; ++g) {
        int at = lineStarting(lines, (g == 1 ? u"A"_s : u"B"_s) + u" グループ"_s);
        QVERIFY(at >= 0);
        for (int k = 1; k <= 3; ++k) {
            const QStringList names = groupsteps::storedNames(s, g, k);
            at = lineStarting(lines, u"  %1組　%2名"_s.arg(k).arg(names.size()), at);
            QVERIFY2(at >= 0, qPrintable(u"group %1 party %2"_s.arg(g).arg(k)));
            for (int slot = 0; slot < names.size(); ++slot)
                QVERIFY(lines.at(at + 1 + slot).contains(u"%1番    %2 "_s.arg(slot + 1).arg(names.at(slot))));
        }
    }
    // The pairs named add up to the group totals.
    int pairs = 0;
    int mateLines = 0;
    for (const QString &l : lines) {
        if (l.startsWith(u"A グループ"_s) || l.startsWith(u"B グループ"_s))
            pairs += l.section(u"二人 "_s, 1).chopped(1).toInt();
        if (l.trimmed().startsWith(u"同じチーム "_s)) ++mateLines;
    }
    QVERIFY(pairs >= mateLines);
    QVERIFY(s.platform.printed.empty());
}

void CheckCombinationTest::reportOfAHandMadeCombination()
{
    // A hand-made party numbers its members by the whole roster.
    Scenario s;
    s.loadRoster({rosterLine(u"甲"_s).team(u"緑会"_s).plays(),
                  rosterLine(u"乙"_s).team(u"緑会"_s).plays().leader(),
                  rosterLine(u"丙"_s).team(u"空会"_s).woman().plays()});
    s.form.KumiLines[0] = QStringList{u"3,1,0"_s, u"2,2"_s};
    s.form.HandMade = 1;
    s.form.CheckCombinationClick();
    QCOMPARE(s.platform.checkWindows.size(), size_t(1));
    const QStringList expected{
        u"A グループ　2組　3名　リーダー 1名　男性 2名　女性 1名　同じチームの二人 1組"_s,
        u"  1組　2名　リーダー 1名　男性 2名　女性 0名　同じチームの二人 1組"_s,
        u"      1番 ◎ 乙"_s + QString(26, u' ') + u"緑会"_s,
        u"      2番    甲"_s + QString(26, u' ') + u"緑会"_s,
        u"          同じチーム 緑会：乙、甲"_s,
        u"  2組　1名　リーダー 0名　男性 0名　女性 1名　同じチームの二人 0組"_s,
        u"      1番    丙"_s + QString(26, u' ') + u"空会"_s,
    };
    QCOMPARE(s.platform.checkWindows.front(), expected);

    // After the tab 「組み合わせ」 the origin is forgotten; without group lists the parties
    // still number the whole roster, as the tables read them.
    s.form.HandMade = 0;
    s.form.CheckCombinationClick();
    QCOMPARE(s.platform.checkWindows.size(), size_t(2));
    QCOMPARE(s.platform.checkWindows.back(), expected);
    QVERIFY(s.platform.boxes.empty());
}

void CheckCombinationTest::printedFromTheWindow()
{
    Scenario s;
    storeCombination(s, 4, 12, 6); // per party a heading, 6 players and their team; 3 blank lines
    s.platform.printFromCheckWindow = true;
    s.form.CheckCombinationClick();
    // 391 lines, each party eight of them: a page of 46 lines holds five parties (and a group's
    // totals), never part of one, so ten pages where the lines alone would fill nine.
    const int pages = 10;
    QCOMPARE(s.platform.printDialogs, 1);
    QCOMPARE(s.platform.printed.size(), size_t(pages));
    const tables::sheet::Scale scale = tables::sheet::printerScale(600, 600);
    for (int p = 0; p < pages; ++p) {
        const PrintedPage &page = *s.platform.printed[p];
        QCOMPARE(page.orientation, PageOrientation::Portrait);
        QVERIFY(page.ended);
        QCOMPARE(page.canvas->textAt(scale.X(40), scale.Y(40)), u"組み合わせの確認"_s);
        QCOMPARE(page.canvas->textAt(scale.X(720), scale.Y(50)), u"%1 / %2"_s.arg(p + 1).arg(pages));
        // Each page begins with a group's totals or a party's heading.
        QVERIFY(page.canvas->textAt(scale.X(40), scale.Y(110)).contains(u" グループ　"_s) ||
                page.canvas->textAt(scale.X(55), scale.Y(110)).contains(u"組　"_s));
    }
    QCOMPARE(s.platform.printed.front()->canvas->textAt(scale.X(140), scale.Y(110 + 2 * 23)),
             storedName(1, 1, 0, 6));
    QCOMPARE(s.platform.printed.front()->canvas->textAt(scale.X(110), scale.Y(110 + 8 * 23)),
             u"同じチーム 班1：1-1、1-2、1-3、1-4、1-5、1-6"_s);
    // A cancelled print dialog prints nothing.
    s.platform.confirmPrint = false;
    s.form.CheckCombinationClick();
    QCOMPARE(s.platform.printed.size(), size_t(pages));
    QVERIFY(s.platform.boxes.empty());
}

void CheckCombinationTest::refusals_data()
{
    QTest::addColumn<bool>("combining");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("while combining") << true << u"完了を押して下さい"_s << u"組み合わせ中です"_s;
    QTest::newRow("nothing stored") << false
                                    << u"確認する組み合わせがありません。先に組み合わせを作って下さい"_s
                                    << u"組み合わせの確認"_s;
}

void CheckCombinationTest::refusals()
{
    QFETCH(bool, combining);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    Scenario s;
    if (combining) {
        groupsteps::divide(s, groupsteps::players(6, 6), u"1"_s, u"3"_s);
        QCOMPARE(s.form.Combining, 1);
        s.platform.takeBoxes();
    } else {
        s.loadRoster(groupsteps::players(6, 6));
        s.form.KumiLines[0] = QStringList(12, u"1"_s); // parties without members
    }
    const auto kumiLines = s.form.KumiLines;
    s.form.CheckCombinationClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), text, caption, MsgIcon::Information, MsgButtons::Ok);
    QVERIFY(s.platform.checkWindows.empty());
    QCOMPARE(s.form.KumiLines, kumiLines);
    QCOMPARE(s.form.Combining, combining ? 1 : 0);
}

QTEST_APPLESS_MAIN(CheckCombinationTest)
#include "tst_checkcombination.moc"
