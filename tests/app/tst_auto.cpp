// おまかせで組み合せ: what 開始 makes, every refusal and stop, 完了 and やり直し.
#include "support/GroupingSteps.h"

#include <QSet>

using namespace Qt::StringLiterals;
using namespace groupsteps;

namespace {
int menIn(const QStringList &names)
{
    return static_cast<int>(
        std::count_if(names.begin(), names.end(), [](const QString &n) { return n.startsWith(u'男'); }));
}

bool anyStored(const TMainForm &form)
{
    return std::any_of(form.KumiLines.begin(), form.KumiLines.end(),
                       [](const QStringList &l) { return !l.isEmpty(); });
}

QStringList boxTexts(const FakePlatform &p)
{
    QStringList texts;
    for (const ShownBox &b : p.boxes) texts << b.caption + u'/' + b.text;
    return texts;
}
} // namespace

class AutoDivision : public QObject
{
    Q_OBJECT
private slots:
    void twelvePlayersInTwoGroupsOfThreeParties_data();
    void twelvePlayersInTwoGroupsOfThreeParties();
    void leadersStandInSlotOne_data();
    void leadersStandInSlotOne();
    void fixedLeaders();
    void fifteenPartiesDivideIntoTwelve();
    void balancedPartiesMixTheirSlotOrder();
    void startsInTheSameSecondDealAlike();
    void dividingAgainAfterAGroupTabDealsTheWholeRoster();
    void refusalsAndStops_data();
    void refusalsAndStops();
    void aLeaderNeverBecomesTheNinthMember_data();
    void aLeaderNeverBecomesTheNinthMember();
    void placementMarks();
    void aStopRequestNeverOutlivesItsCommand();
    void controls_data();
    void controls();
    void finishingEmptiesThePasteCount_data();
    void finishingEmptiesThePasteCount();
};

void AutoDivision::twelvePlayersInTwoGroupsOfThreeParties_data()
{
    QTest::addColumn<int>("men");
    QTest::newRow("7 men, 5 women") << 7;
    QTest::newRow("1 man, 11 women") << 1;
    QTest::newRow("12 men") << 12;
}

void AutoDivision::twelvePlayersInTwoGroupsOfThreeParties()
{
    QFETCH(int, men);
    Scenario s;
    divide(s, players(men, 12 - men), u"2"_s, u"3"_s);
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.form.GroupList[0].size(), 6);
    QCOMPARE(s.form.GroupList[1].size(), 6);
    QVERIFY(qAbs(menIn(namesOf(s.form.GroupList[0])) - menIn(namesOf(s.form.GroupList[1]))) <= 1);
    QSet<QString> everyone;
    for (int g = 1; g <= 2; ++g) {
        QList<int> menPerParty;
        for (int k = 1; k <= 12; ++k) {
            const QStringList names = storedNames(s, g, k);
            QCOMPARE(names.size(), k <= 3 ? 2 : 0);
            everyone.unite(QSet<QString>(names.begin(), names.end()));
            if (k <= 3) menPerParty << menIn(names);
        }
        QVERIFY(*std::max_element(menPerParty.begin(), menPerParty.end()) -
                    *std::min_element(menPerParty.begin(), menPerParty.end()) <=
                1);
    }
    QCOMPARE(everyone.size(), 12);
    // Group A is chosen with its tab at the end.
    QCOMPARE(s.form.CurGroup, curgroup::A);
    QCOMPARE(s.form.control("Label44").colour, colours::Yellow);
    QCOMPARE(s.form.control("Label10").text, u"Aグループ"_s);
    QCOMPARE(s.form.MemberLines, s.form.GroupList[0]);
    for (int k = 1; k <= 3; ++k) QCOMPARE(panelNames(s, k), storedNames(s, 1, k));
    QCOMPARE(s.form.control("Label25").text, u"出場設定数   12"_s);
}

void AutoDivision::leadersStandInSlotOne_data()
{
    QTest::addColumn<QStringList>("roster");
    QTest::addColumn<QString>("parties");
    QTest::addColumn<int>("millisecond");
    QTest::addColumn<bool>("balance");
    QTest::addColumn<QStringList>("slotOnes"); // of parties 1.. ("-": no leader there)
    QTest::addColumn<QString>("secondOfParty2");
    QStringList ten = players(6, 4);
    ten.insert(3, line(u"長1"_s, u"男"_s, u"on"_s, u"on"_s));
    ten.insert(8, line(u"長2"_s, u"女"_s, u"on"_s, u"on"_s));
    // Non-leaders fill parties 1, 2, 3, 4, 1, 2, 3, 4, 1, 2; the leaders go to 3 and 4.
    QTest::newRow("10 and 2 leaders, balance on")
        << ten << u"4"_s << 0 << true << QStringList{u"-"_s, u"-"_s, u"長1"_s, u"長2"_s} << QString();
    QTest::newRow("10 and 2 leaders, balance off")
        << ten << u"4"_s << 0 << false << QStringList{u"-"_s, u"-"_s, u"長1"_s, u"長2"_s} << QString();
    // Three players fill parties 1, 2, 1; the third leader joins party 2 before the first.
    const QStringList three = leaders(3, u"on"_s, u"長"_s) + players(3);
    QTest::newRow("more leaders than parties, ms 0")
        << three << u"2"_s << 0 << true << QStringList{u"長2"_s, u"長3"_s} << u"長1"_s;
    QTest::newRow("more leaders than parties, ms 1")
        << three << u"2"_s << 1 << true << QStringList{u"長1"_s, u"長2"_s} << u"長3"_s;
}

void AutoDivision::leadersStandInSlotOne()
{
    QFETCH(QStringList, roster);
    QFETCH(QString, parties);
    QFETCH(int, millisecond);
    QFETCH(bool, balance);
    QFETCH(QStringList, slotOnes);
    QFETCH(QString, secondOfParty2);
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0, millisecond)));
    if (!balance) s.form.N44Click();
    divide(s, roster, u"1"_s, parties);
    QVERIFY(s.platform.boxes.empty());
    for (int k = 1; k <= slotOnes.size(); ++k) {
        const QStringList names = storedNames(s, 1, k);
        QCOMPARE(names.size(), 3);
        QCOMPARE(names.first().startsWith(u"長"_s), slotOnes[k - 1] != u"-"_s);
        if (slotOnes[k - 1] != u"-"_s) QCOMPARE(names.first(), slotOnes[k - 1]);
    }
    if (!secondOfParty2.isEmpty()) QCOMPARE(storedNames(s, 1, 2).at(1), secondOfParty2);
}

void AutoDivision::fixedLeaders()
{
    // Two groups: each list starts with its fixed leaders in roster order.
    Scenario s;
    divide(s,
           {line(u"B1"_s, u"男"_s, u"on"_s, u"b"_s), line(u"男1"_s, u"男"_s),
            line(u"A1"_s, u"女"_s, u"on"_s, u"a"_s), line(u"B2"_s, u"男"_s, u"on"_s, u"b"_s),
            line(u"A2"_s, u"男"_s, u"on"_s, u"a"_s), line(u"自由"_s, u"男"_s, u"on"_s, u"on"_s),
            line(u"女1"_s, u"女"_s), line(u"男2"_s, u"男"_s)},
           u"2"_s, u"2"_s);
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(namesOf(s.form.GroupList[0]).mid(0, 3), (QStringList{u"A1"_s, u"A2"_s, u"自由"_s}));
    QCOMPARE(namesOf(s.form.GroupList[1]).mid(0, 2), (QStringList{u"B1"_s, u"B2"_s}));
    // The cursor runs on from the free leader (A) to the men (B, A) and the woman (B).
    QCOMPARE(s.form.GroupList[0].size(), 4);
    QCOMPARE(s.form.GroupList[1].size(), 4);
    QCOMPARE(s.form.control("Label9").text, u"リーダー設定数   5"_s);

    // Three groups: leaders fixed to D stay in its list, which is not divided.
    Scenario t;
    divide(t, players(9) + leaders(2, u"d"_s, u"D"_s), u"3"_s, u"1"_s);
    QVERIFY(t.platform.boxes.empty());
    QCOMPARE(namesOf(t.form.GroupList[3]), (QStringList{u"D1"_s, u"D2"_s}));
    QVERIFY(t.form.KumiLines[3].isEmpty());
    QCOMPARE(storedIndexes(t, 3, 1).size(), 3);
}

void AutoDivision::fifteenPartiesDivideIntoTwelve()
{
    Scenario s;
    divide(s, players(12, 12), u"1"_s, u"15"_s);
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.form.control("Edit6").text, u"12"_s);
    for (int k = 1; k <= 12; ++k) QCOMPARE(storedIndexes(s, 1, k).size(), 2);
}

void AutoDivision::balancedPartiesMixTheirSlotOrder()
{
    // Men are dealt before women; each party is shuffled afterwards.
    Scenario s;
    divide(s, players(4, 4), u"1"_s, u"2"_s);
    QVERIFY(s.platform.boxes.empty());
    bool manAfterWoman = false;
    for (int k = 1; k <= 2; ++k) {
        const QStringList names = storedNames(s, 1, k);
        QCOMPARE(menIn(names), 2);
        const auto woman =
            std::find_if(names.begin(), names.end(), [](const QString &n) { return n.startsWith(u'女'); });
        manAfterWoman = manAfterWoman || menIn(QStringList(woman, names.end())) > 0;
    }
    QVERIFY(manAfterWoman);
}

void AutoDivision::startsInTheSameSecondDealAlike()
{
    Scenario s;
    divide(s, players(11, 9) + leaders(2, u"on"_s, u"長"_s), u"2"_s, u"3"_s);
    const auto nonLeaders = [&s] {
        QList<QStringList> all;
        for (int g = 1; g <= 2; ++g)
            for (int k = 1; k <= 3; ++k) {
                QStringList names = storedNames(s, g, k);
                names.removeIf([](const QString &n) { return n.startsWith(u"長"_s); });
                all << names;
            }
        return all;
    };
    const auto first = nonLeaders();
    for (const qint64 later : {0, 999, 1000}) { // same moment, same second, next second
        s.platform.clock = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)).addMSecs(later);
        s.platform.answer(IdYes);
        s.form.Button2Click();
        s.form.Button1Click();
        QCOMPARE(nonLeaders() == first, later < 1000);
    }
    // Groups of the same make divided in one second deal alike.
    Scenario t;
    divide(t, players(12), u"2"_s, u"3"_s);
    QCOMPARE(t.form.KumiLines[0], t.form.KumiLines[1]);
}

void AutoDivision::dividingAgainAfterAGroupTabDealsTheWholeRoster()
{
    // A group's tab leaves that group's lines in the list; 開始 then deals the whole roster
    // and keeps it whole, not just the group shown.
    Scenario s;
    const QStringList roster = players(6, 6);
    divide(s, roster, u"2"_s, u"3"_s);
    s.form.Button10Click();
    s.form.Label45Click();
    QCOMPARE(s.form.MemberLines.size(), 6);
    s.platform.answer(IdYes);
    s.form.Button1Click();
    QCOMPARE(s.form.SavedMemberLines.size(), 12);
    QCOMPARE(s.form.GroupList[0].size() + s.form.GroupList[1].size(), 12);
}

void AutoDivision::refusalsAndStops_data()
{
    QTest::addColumn<QStringList>("roster");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("parties");
    QTest::addColumn<bool>("typed");        // false: set without the field's change handler
    QTest::addColumn<QStringList>("boxes"); // caption/text
    QTest::addColumn<int>("combining");
    const QString w = u"警告/"_s;
    QTest::newRow("グループ数 not a number") << players(12) << u"a"_s << u"3"_s << true
                                             << QStringList{w + u"グループ数には数字を入力して下さい"_s} << 0;
    QTest::newRow("一グループの組数 not a number")
        << players(12) << u"2"_s << u"-1"_s << true
        << QStringList{w + u"一グループの組数には数字を入力して下さい"_s} << 0;
    QTest::newRow("グループ数 empty") << players(12) << QString() << u"3"_s << true
                                      << QStringList{w + u"グループ数の設定がありません"_s} << 1;
    QTest::newRow("一グループの組数 empty")
        << players(12) << u"2"_s << QString() << true << QStringList{w + u"組数が設定されていません"_s} << 1;
    QStringList idle = players(3);
    for (QString &l : idle) l.replace(u",on,off,off,"_s, u",off,off,off,"_s);
    QTest::newRow("nobody plays") << idle << u"0"_s << u"0"_s << true
                                  << QStringList{w + u"出場設定、又はグループ設定、組数設定がありません"_s,
                                                 w + u"出場設定又はグループ数、組数の設定がありません"_s}
                                  << 0;
    QTest::newRow("five groups") << players(10) << u"5"_s << u"1"_s << false
                                 << QStringList{w + u"グループ数は１から４迄です"_s} << 1;
    QTest::newRow("97 in one group") << players(97) << u"1"_s << u"12"_s << true
                                     << QStringList{w + u"グループ数を増やして下さい"_s,
                                                    w + u"設定が不適切です。やり直して下さい"_s}
                                     << 1;
    QTest::newRow("193 in 2x12") << players(193) << u"2"_s << u"12"_s << true
                                 << QStringList{w + u"設定が不適切です。やり直して下さい"_s} << 1;
    QTest::newRow("40 in 4x12") << players(40) << u"4"_s << u"12"_s << true
                                << QStringList{w + u"組数かグループ数が不適切です。やり直して下さい"_s} << 1;
    // 193 in 2 × 13: the check passes, the division reckons with 12 parties, so group A's
    // 97 do not fit, and group B then meets the guard reading the 12 now shown.
    QTest::newRow("193 in 2x13") << players(100, 93) << u"2"_s << u"13"_s << true
                                 << QStringList{u"組の人数がオーバーします/８人枠に切り替えて下さい"_s,
                                                u"/組数を増やして下さい"_s,
                                                w + u"組数かグループ数を増やして下さい"_s}
                                 << 1;
    const auto fixed = [](const QStringList &marks) {
        QStringList r = players(3, 3);
        for (const QString &m : marks) r << line(m + u"長"_s, u"男"_s, u"on"_s, m);
        return r;
    };
    QTest::newRow("one group, fixed leader")
        << fixed({u"a"_s}) << u"1"_s << u"2"_s << true
        << QStringList{w + u"グループ数が１の場合は指定リーダ不要です。やり直して下さい"_s} << 1;
    QTest::newRow("two groups, leader fixed to C")
        << fixed({u"a"_s, u"b"_s, u"c"_s}) << u"2"_s << u"2"_s << true
        << QStringList{w + u"グループ数が２の場合は、C及びD指定リーダは使えません。やり直して下さい"_s} << 1;
    QTest::newRow("two groups, A only")
        << fixed({u"a"_s}) << u"2"_s << u"2"_s << true
        << QStringList{w + u"A及びB指定リーダは同じ数を設定して下さい。やり直して下さい"_s} << 1;
    QTest::newRow("four groups, no D")
        << fixed({u"a"_s, u"b"_s, u"c"_s}) << u"4"_s << u"2"_s << true
        << QStringList{w + u"指定リーダは全て同じ数を設定して下さい。やり直して下さい"_s} << 1;
}

void AutoDivision::refusalsAndStops()
{
    QFETCH(QStringList, roster);
    QFETCH(QString, groups);
    QFETCH(QString, parties);
    QFETCH(bool, typed);
    QFETCH(QStringList, boxes);
    QFETCH(int, combining);
    Scenario s;
    open(s, roster);
    setDivision(s, typed ? groups : u"1"_s, parties);
    if (!typed) s.form.control("Edit16").text = groups;
    s.platform.takeBoxes();
    s.platform.answer(IdYes);
    s.form.Button1Click();
    QCOMPARE(boxTexts(s.platform), boxes);
    QCOMPARE(s.form.Combining, combining);
    QCOMPARE(s.form.control("Button1").enabled, !combining);
    QVERIFY(!anyStored(s.form));
    QCOMPARE(s.form.GKAbort, 0);
    if (boxes.size() == 1 && boxes[0].contains(u"指定リーダ"_s)) {
        // The fixed-leader refusals empty the group lists; 開始 stops at the empty group A.
        QVERIFY(std::all_of(s.form.GroupList.begin(), s.form.GroupList.end(),
                            [](auto &l) { return l.isEmpty(); }));
        QCOMPARE(s.form.control("Label10").text, u"Aグループ"_s);
        QVERIFY(s.form.MemberLines.isEmpty());
    }
}

void AutoDivision::aLeaderNeverBecomesTheNinthMember_data()
{
    QTest::addColumn<bool>("balance");
    QTest::newRow("balance on") << true;
    QTest::newRow("balance off") << false;
}

void AutoDivision::aLeaderNeverBecomesTheNinthMember()
{
    QFETCH(bool, balance);
    // Three groups of one party; nine leaders fixed to A join one player there.
    Scenario s;
    if (!balance) s.form.N44Click();
    divide(s, players(3) + leaders(9, u"a"_s, u"A"_s), u"3"_s, u"1"_s);
    QCOMPARE(boxTexts(s.platform), QStringList{u"警告/組数を増やして下さい"_s});
    QCOMPARE(s.form.GroupList[0].size(), 10);
    QVERIFY(s.form.KumiLines[0].isEmpty() && panelNames(s, 1).isEmpty());
    QCOMPARE(storedIndexes(s, 2, 1).size(), 1);
    QCOMPARE(storedIndexes(s, 3, 1).size(), 1);
}

void AutoDivision::placementMarks()
{
    for (const bool balance : {true, false}) {
        // Three men, three women and two leaders in two parties.
        Scenario s;
        if (!balance) s.form.N44Click();
        open(s, players(3, 3) + leaders(2, u"on"_s, u"長"_s));
        setDivision(s, u"1"_s, u"2"_s);
        s.form.CurGroup = curgroup::A;
        s.form.DivideKumi();
        for (int i = 0; i < 8; ++i) QCOMPARE(s.form.Members[i].placed(), balance || i >= 6);
    }
    // Nine men for one party: the ninth is drawn, finds the party full and stays unmarked.
    Scenario s;
    s.form.N29Click();
    open(s, players(9));
    setDivision(s, u"2"_s, u"1"_s);
    s.form.CurGroup = curgroup::A;
    s.platform.takeBoxes();
    s.form.DivideKumi();
    QCOMPARE_BOX(s.platform.boxes.at(0), u"組数を増やして下さい"_s, QString(), MsgIcon::None, MsgButtons::Ok);
    QCOMPARE(std::count_if(s.form.Members.begin(), s.form.Members.begin() + 9,
                           [](const Member &m) { return m.placed(); }),
             8);
    QVERIFY(s.form.KumiLines[0].isEmpty());
}

void AutoDivision::aStopRequestNeverOutlivesItsCommand()
{
    // Left set by another command (a refused 入れ替え開始): 開始 still divides.
    Scenario s;
    open(s, players(12));
    s.form.GKAbort = 1;
    s.form.Button1Click();
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.form.KumiLines[0].size(), 12);
    // After a start that stopped (group A empty), the next start divides.
    Scenario t;
    divide(t, players(6) + leaders(1, u"a"_s, u"A"_s), u"1"_s, u"2"_s);
    QCOMPARE(t.form.GKAbort, 0);
    setDivision(t, u"3"_s, u"1"_s);
    t.platform.takeBoxes();
    t.form.Button1Click();
    QVERIFY(t.platform.boxes.empty());
    QCOMPARE(t.form.KumiLines[2].size(), 12);
}

void AutoDivision::controls_data()
{
    QTest::addColumn<int>("step");          // 0 開始, 1 完了, 2 やり直し
    QTest::addColumn<QList<bool>>("state"); // read-only, Button1, Button10, Button4, Button9, Combining
    QTest::newRow("開始") << 0 << QList<bool>{true, false, true, false, false, true};
    QTest::newRow("完了") << 1 << QList<bool>{true, false, false, false, false, false};
    QTest::newRow("やり直し") << 2 << QList<bool>{false, true, false, true, false, false};
}

void AutoDivision::controls()
{
    QFETCH(int, step);
    QFETCH(QList<bool>, state);
    Scenario s;
    divide(s, players(6, 6), u"2"_s, u"2"_s);
    s.form.ScoreSlots[1][0][0].Total = u"9"_s;
    s.form.KumiSlotText[1][0][0] = u"男1,緑会"_s;
    const auto stores = std::make_pair(s.form.GroupList, s.form.KumiLines);
    s.platform.answer(IdYes); // やり直し asks first
    if (step == 1) s.form.Button10Click();
    if (step == 2) s.form.Button2Click();
    const QList<bool> now{s.form.control("Edit16").readOnly && s.form.control("Edit6").readOnly,
                          s.form.control("Button1").enabled,
                          s.form.control("Button10").enabled,
                          s.form.control("Button4").enabled,
                          s.form.control("Button9").enabled,
                          s.form.Combining == 1};
    QCOMPARE(now, state);
    QVERIFY(!s.form.control("Label78").enabled && !s.form.control("Label79").enabled);
    QCOMPARE(s.form.AutoMade, step == 2 ? 0 : 1);
    QCOMPARE(std::make_pair(s.form.GroupList, s.form.KumiLines) == stores, step < 2);
    QCOMPARE(s.form.KumiSlotText[1][0][0].isEmpty(), step == 2);
    QCOMPARE(s.form.MemberLines, step ? s.form.SavedMemberLines : s.form.GroupList[0]);
    QCOMPARE(s.form.control("Label10").text, step ? u"メンバー一覧表"_s : u"Aグループ"_s);
    if (step) QCOMPARE(s.form.control("Label37").text, step == 1 ? QString() : u"貼り付け数　0"_s);
    QCOMPARE(s.form.control("Label26").fontColour, step ? colours::Yellow : colours::Dimmed);
    if (step == 1) {
        s.platform.answer(IdYes);
        s.form.Label40Click(); // the registration screen then throws the combination away
        QVERIFY(!anyStored(s.form));
    }
}

void AutoDivision::finishingEmptiesThePasteCount_data()
{
    QTest::addColumn<int>("playing");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("parties");
    QTest::newRow("divided") << 12 << u"2"_s << u"3"_s;
    // Stopped while the list still shows the whole roster: 完了's split recounts it.
    QTest::newRow("stopped by the capacity check") << 193 << u"2"_s << u"12"_s;
    QTest::newRow("stopped at an empty グループ数") << 12 << QString() << u"3"_s;
}

void AutoDivision::finishingEmptiesThePasteCount()
{
    QFETCH(int, playing);
    QFETCH(QString, groups);
    QFETCH(QString, parties);
    Scenario s;
    divide(s, players(playing), groups, parties);
    QCOMPARE(s.form.Combining, 1);
    s.form.Button10Click();
    QCOMPARE(s.form.control("Label37").text, QString());
    QCOMPARE(s.form.control("Label25").text, u"出場設定数   "_s + QString::number(playing));
}

QTEST_APPLESS_MAIN(AutoDivision)
#include "tst_auto.moc"
