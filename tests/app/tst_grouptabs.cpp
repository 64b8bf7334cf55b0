// The group tabs A to D and 組み合わせデータをクリア.
#include "support/GroupingSteps.h"

using namespace Qt::StringLiterals;
using namespace groupsteps;

namespace {
// Groups A to D as an automatic division leaves them: group g lists 男g1, 男g2, 男g3
// and its party 1 holds rows 1 and 0.
void storeGroups(Scenario &s)
{
    open(s, players(4));
    for (int g = 1; g <= 4; ++g) {
        const QString p = u"男"_s + QString::number(g);
        s.form.GroupList[g - 1] =
            QStringList{line(p + u"1"_s, u"男"_s), line(p + u"2"_s, u"男"_s), line(p + u"3"_s, u"男"_s)};
        s.form.KumiLines[g - 1] = QStringList(12, u"1"_s);
        s.form.KumiLines[g - 1][0] = u"3,1,0"_s;
    }
    s.form.AutoMade = 1;
    s.form.CurGroup = curgroup::A;
}
} // namespace

class GroupTabs : public QObject
{
    Q_OBJECT
private slots:
    void tabs_data();
    void tabs();
    void clearingTheCombinationData();
};

void GroupTabs::tabs_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("tableMode");
    QTest::addColumn<int>("curGroup");
    QTest::addColumn<int>("autoMade");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("listsGroup");
    QTest::newRow("combination, automatic") << 2 << 0 << 1 << 1 << true << true;
    QTest::newRow("combination, no group current") << 2 << 0 << 0 << 1 << false << false;
    QTest::newRow("member registration") << 1 << 0 << 2 << 1 << false << false;
    QTest::newRow("score sheet") << 3 << 2 << 5 << 0 << true << true;
    QTest::newRow("combination table") << 5 << 1 << 5 << 0 << true << true;
    QTest::newRow("score entry") << 5 << 3 << 5 << 0 << true << true;
    QTest::newRow("tables, none chosen") << 6 << 0 << 5 << 0 << true << false;
}

void GroupTabs::tabs()
{
    QFETCH(int, screen);
    QFETCH(int, tableMode);
    QFETCH(int, curGroup);
    QFETCH(int, autoMade);
    QFETCH(bool, chosen);
    QFETCH(bool, listsGroup);
    Scenario s;
    storeGroups(s);
    const QStringList roster = s.form.MemberLines;
    s.form.Screen = static_cast<::screen>(screen);
    s.form.TableMode = static_cast<tablekind>(tableMode);
    s.form.CurGroup = static_cast<curgroup>(curGroup);
    s.form.AutoMade = autoMade;
    s.form.Label46Click(); // tab C
    QCOMPARE(s.form.CurGroup, chosen ? curgroup::C : static_cast<curgroup>(curGroup));
    QCOMPARE(s.form.CurGroupText, chosen ? u"C"_s : QString());
    QCOMPARE(s.form.control("Label46").colour, chosen ? colours::Yellow : colours::Cream);
    QCOMPARE(s.form.control("Label44").colour, colours::Cream);
    QCOMPARE(s.form.MemberLines, listsGroup ? s.form.GroupList[2] : roster);
    QCOMPARE(s.form.control("Label10").text, listsGroup ? u"Cグループ"_s : u"メンバー一覧表"_s);
    QCOMPARE(panelNames(s, 1), autoMade && chosen ? (QStringList{u"男32"_s, u"男31"_s}) : QStringList());
}

void GroupTabs::clearingTheCombinationData()
{
    Scenario s;
    storeGroups(s);
    s.form.Label44Click();
    s.form.RankList = QStringList{u"1"_s};
    s.form.ScoreLines[3] = QStringList{u"$"_s};
    s.form.ScoreSlots[2][4][1].Total = u"9"_s;
    s.form.KumiSlotText[3][11][7] = u"男1,緑会"_s;
    s.platform.answer(IdYes);
    s.form.N16Click();
    QCOMPARE(s.platform.takeBoxes().size(), std::size_t(1)); // the question before clearing
    for (int g = 0; g < 4; ++g)
        QVERIFY(s.form.GroupList[g].isEmpty() && s.form.KumiLines[g].isEmpty() &&
                s.form.ScoreLines[g].isEmpty());
    QVERIFY(s.form.KumiList[0].isEmpty() && s.form.RankList.isEmpty() && panelNames(s, 1).isEmpty());
    QVERIFY(s.form.ScoreSlots[2][4][1] == ScoreSlot::cleared());
    QVERIFY(s.form.KumiSlotText[3][11][7].isEmpty());
}

QTEST_APPLESS_MAIN(GroupTabs)
#include "tst_grouptabs.moc"
