// The screen tabs: what each shows, what entering the registration screen throws
// away, and the refusals while a combination is in progress.
#include "support/GroupingSteps.h"
#include "support/RosterSteps.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QStringList kRoster{
    rosterLine(u"山田"_s).plays(),
    rosterLine(u"川上"_s).woman().born(u"昭和"_s, 20, 1, 1).plays().leader(u"a"_s),
    rosterLine(u"森"_s).team(u"青空会"_s).born(u"平成"_s, 3, 3, 3),
};
} // namespace

class Screens : public QObject
{
    Q_OBJECT
private slots:
    void textSizeAndWhatToDo();
    void tabsAreRefusedWhileCombining_data();
    void tabsAreRefusedWhileCombining();
    void menusRemindWhileCombining_data();
    void menusRemindWhileCombining();
    void registrationScreenKeepsRosterAndMarksButDropsTheCombination();
    void registrationScreenListsTheWholeRosterAfterAGroupTab();
    void registrationScreenShowsItsAreas();
    void tablesScreenShowsTheTableCommands();
    void combinationTabRestoresTheSavedRoster();
    void divisionFieldsStayEditableAfterRedoAcrossTabs();
    void labelResetKinds();
    void everyScreenLooksTheSameWhateverCameBefore_data();
    void everyScreenLooksTheSameWhateverCameBefore();
    void whatAScreenShowsAnotherCanHide();
    void divisionFieldsLookReadOnly();
};

void Screens::tabsAreRefusedWhileCombining_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("メンバー登録") << 40;
    QTest::newRow("組み合わせ") << 42;
    QTest::newRow("作表と印刷") << 64;
}

void Screens::tabsAreRefusedWhileCombining()
{
    QFETCH(int, tab);
    Scenario s;
    s.loadRoster(kRoster);
    s.form.Combining = 1;
    s.form.CurGroup = curgroup::A;
    s.form.KumiLines[0] = QStringList{u"2,0"_s};
    const auto before = s.form.controls();
    const QStringList lines = s.form.MemberLines;
    switch (tab) {
    case 40: s.form.Label40Click(); break;
    case 42: s.form.Label42Click(); break;
    default: s.form.Label64Click(); break;
    }
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"「完了」又は「やり直し」を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(s.form.Screen, screen::Combination);
    QCOMPARE(s.form.Combining, 1);
    QCOMPARE(s.form.CurGroup, curgroup::A);
    QCOMPARE(s.form.MemberLines, lines);
    QCOMPARE(s.form.KumiLines[0], QStringList{u"2,0"_s});
    for (const auto &[name, c] : before) {
        QVERIFY2(s.form.control(name).visible == c.visible, qPrintable(name));
        QVERIFY2(s.form.control(name).colour == c.colour, qPrintable(name));
    }
}

void Screens::menusRemindWhileCombining_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("reminds");
    QTest::newRow("ファイル") << u"ファイル"_s << true;
    QTest::newRow("一括出場設定") << u"一括出場設定"_s << true;
    QTest::newRow("クリア") << u"クリア"_s << true;
    QTest::newRow("作表設定") << u"作表設定"_s << true;
    QTest::newRow("オプション") << u"オプション"_s << true;
    QTest::newRow("組み合せ設定") << u"組み合せ設定"_s << false;
    QTest::newRow("ヘルプ") << u"ヘルプ"_s << false;
}

void Screens::menusRemindWhileCombining()
{
    QFETCH(QString, menu);
    QFETCH(bool, reminds);
    Scenario s;
    s.form.menuOpened(menu);
    QVERIFY(s.platform.boxes.empty());
    s.form.Combining = 1;
    s.form.menuOpened(menu);
    QCOMPARE(s.platform.boxes.size(), size_t(reminds ? 1 : 0));
    if (reminds)
        QCOMPARE_BOX(s.platform.boxes.front(), u"「完了」又は「やり直し」を押して下さい"_s,
                     u"組み合わせ中です"_s, MsgIcon::Information, MsgButtons::Ok);
}

void Screens::registrationScreenKeepsRosterAndMarksButDropsTheCombination()
{
    Scenario s;
    s.loadRoster(kRoster);
    s.form.Label42Click();
    s.form.GroupList[0] = QStringList{kRoster.at(0)};
    s.form.KumiLines[1] = QStringList(12, u"1"_s);
    s.form.KumiList[2] = QStringList{u"0"_s};
    s.form.ScoreSlots[1][2][3] = ScoreSlot{u"1,2,30"_s, u"1"_s, u"2"_s, u"30"_s, u"1"_s};
    s.form.AutoMade = 1;

    s.platform.answer(IdYes);
    s.form.Label40Click();

    QCOMPARE(s.form.Screen, screen::Registration);
    QCOMPARE(s.form.MemberLines, kRoster);
    QCOMPARE(s.form.Members[0].PlayMark, u"on"_s);
    QCOMPARE(s.form.Members[1].LeaderMark, u"a"_s);
    for (const auto &list : s.form.GroupList) QVERIFY(list.isEmpty());
    for (const auto &lines : s.form.KumiLines) QVERIFY(lines.isEmpty());
    for (const auto &party : s.form.KumiList) QVERIFY(party.isEmpty());
    QCOMPARE(s.form.ScoreSlots[1][2][3], ScoreSlot::cleared());
    QCOMPARE(s.form.AutoMade, 0);
    QCOMPARE(s.form.HandMade, 0);
    QCOMPARE(s.form.CurGroup, curgroup::None);
    QCOMPARE(s.form.control("Label37").text, u"貼り付け数   0"_s);
}

void Screens::registrationScreenListsTheWholeRosterAfterAGroupTab()
{
    Scenario s;
    const QStringList roster = groupsteps::players(2, 2);
    groupsteps::divide(s, roster, u"2"_s, u"1"_s);
    s.form.Button10Click(); // おまかせ 「完了」
    const QStringList saved = s.form.SavedMemberLines;
    QCOMPARE(groupsteps::namesOf(saved), groupsteps::namesOf(roster));
    s.form.Label45Click(); // group tab B: the list shows group B only
    QCOMPARE(s.form.MemberCount(), 2);

    s.platform.answer(IdYes);
    s.form.Label40Click();
    QCOMPARE(s.form.MemberLines, saved);
    QCOMPARE(steps::namesInOrder(s), groupsteps::namesOf(roster));

    // An edit made there keeps the rest of the roster.
    s.form.Label6Click(); // 「一行削除」
    s.platform.answer(IdYes);
    s.form.clickMemberList(0);
    QCOMPARE(s.form.SavedMemberLines, saved.mid(1));
}

void Screens::registrationScreenShowsItsAreas()
{
    Scenario s;
    s.form.control("Edit1").text = u"山田"_s;
    s.form.control("Edit2").text = u"緑会"_s;
    s.form.Label40Click();
    QCOMPARE(s.form.control("Label40").colour, colours::Yellow);
    QCOMPARE(s.form.control("Label42").colour, colours::ButtonFace);
    for (const char *shown :
         {"Panel1", "Panel2", "Label5", "Label6", "Panel5", "Label9", "Panel6", "Button6"})
        QVERIFY2(s.form.control(shown).visible, shown);
    for (const char *hidden : {"Panel3", "Panel4", "Panel8", "Panel9", "Panel10", "GroupBox1", "Label75",
                               "Label76", "Label77", "Button2", "Button9"})
        QVERIFY2(!s.form.control(hidden).visible, hidden);
    QVERIFY(s.form.control("Edit1").text.isEmpty());
    QVERIFY(s.form.control("Edit2").text.isEmpty());
    QCOMPARE(s.form.HeaderColumn5, u"生年月日"_s);
    QCOMPARE(s.form.HeaderColumn6, u"年齢"_s);
    QCOMPARE(s.form.EditMode, editmode::None);
}

void Screens::tablesScreenShowsTheTableCommands()
{
    Scenario s;
    s.form.control("Edit7").text = u"春季大会"_s;
    s.form.Label64Click();
    QCOMPARE(s.form.Screen, screen::TableChoice);
    QCOMPARE(s.form.CurGroup, curgroup::NotChosen);
    QCOMPARE(s.form.TableMode, tablekind::None);
    QCOMPARE(s.form.TitleShift, 48);
    QVERIFY(s.form.control("GroupBox1").visible);
    QVERIFY(!s.form.control("Panel5").visible);
    QVERIFY(!s.form.control("Panel3").visible);
    QVERIFY(!s.form.control("Panel4").visible);
    QCOMPARE(s.form.control("Label64").colour, colours::Yellow);
    QCOMPARE(s.form.control("Label23").fontColour, colours::White);
}

void Screens::combinationTabRestoresTheSavedRoster()
{
    Scenario s;
    s.loadRoster(kRoster);
    s.form.MemberLines.removeLast();
    s.form.Label42Click();
    QCOMPARE(s.form.MemberLines, kRoster);
    QCOMPARE(s.form.PlayCount, 2);
    QCOMPARE(s.form.LeaderCount, 1);
    QCOMPARE(s.form.control("Label25").text, u"出場設定数   2"_s);
    QCOMPARE(s.form.control("Edit16").text, u"1"_s);
    QCOMPARE(s.form.control("Edit6").text, u"12"_s);
}

void Screens::divisionFieldsStayEditableAfterRedoAcrossTabs()
{
    Scenario s;
    s.loadRoster(kRoster);
    s.form.Button2Click(); // 「やり直し」 frees the two fields
    s.form.Label64Click();
    s.form.Label42Click(); // the tab proposes numbers again but leaves the fields free
    QVERIFY(!s.form.control("Edit16").readOnly);
    QVERIFY(!s.form.control("Edit6").readOnly);
    QCOMPARE(s.form.control("Edit16").text, u"1"_s);
    s.form.Label40Click(); // the registration screen locks them again
    QVERIFY(s.form.control("Edit16").readOnly);
    QVERIFY(s.form.control("Edit6").readOnly);
}

void Screens::labelResetKinds()
{
    Scenario s;
    s.form.setColour({"Label5", "Label6", "Label75", "Label78", "Label3"}, colours::Yellow);
    s.form.MoveOn = s.form.PlayOn = true;
    s.form.PasteOn = 1;
    s.form.EditMode = editmode::Play;
    s.form.control("Label22").visible = true;
    s.form.control("Label22").text = u"hint"_s;

    s.form.BtnClr(3);
    QCOMPARE(s.form.control("Label3").colour, colours::Cream);
    QCOMPARE(s.form.control("Label5").colour, colours::Yellow);
    QCOMPARE(s.form.EditMode, editmode::None);

    s.form.BtnClr(1);
    QCOMPARE(s.form.control("Label5").colour, colours::ButtonFace);
    QVERIFY(!s.form.MoveOn);
    QVERIFY(s.form.control("Label22").text.isEmpty());
    QCOMPARE(s.form.control("Label75").colour, colours::Yellow);
    QVERIFY(s.form.PlayOn);

    s.form.BtnClr(0);
    QCOMPARE(s.form.control("Label75").colour, colours::ButtonFace);
    QCOMPARE(s.form.control("Label78").colour, colours::ButtonFace);
    QVERIFY(!s.form.PlayOn);
    QCOMPARE(s.form.PasteOn, 0);
    QVERIFY(!s.form.control("Label22").visible);
}

namespace {
using Tab = void (TMainForm::*)();

struct ScreenLook {
    std::vector<const char *> shown;  // at least what the tab shows
    std::vector<const char *> hidden; // nothing of another screen's commands
};

const std::vector<const char *> kTableAndScoreControls{
    "Panel10", "Label7",     "Edit19",  "UpDown1", "Button7", "Image4", "Image23",   "Image28",
    "Image29", "ScrollBox2", "Label1",  "Button3", "Button5", "Edit3",  "Edit4",     "Edit5",
    "Label55", "Label57",    "Label58", "Label59", "Label74", "Label2", "CheckBox1", "CheckBox3"};

ScreenLook lookOf(const QString &tab)
{
    ScreenLook look;
    if (tab == u"Label40"_s) {
        look = {{"Panel1", "Panel2", "Label5", "Label6", "Panel5", "Label9", "Panel6", "Button6"},
                {"Panel3", "Panel4", "Panel8", "Panel9", "GroupBox1", "Label75", "Label76", "Label77",
                 "Button2", "Button9", "Button10"}};
    } else if (tab == u"Label42"_s) {
        look = {{"Panel3", "Panel4", "Panel1", "Label75", "Label76", "Label77", "Image1", "Panel5", "Button2",
                 "Panel6", "Panel8", "Panel9", "Button9", "Button10"},
                {"Panel2", "GroupBox1", "Label5", "Label6", "Label22", "Button6"}};
    } else {
        look = {{"GroupBox1", "Panel6"},
                {"Panel2", "Button6", "Panel3", "Panel4", "Button9", "Button10", "Panel5", "Button2",
                 "Label5", "Label6", "Label22", "Label75", "Label76", "Label77"}};
    }
    look.hidden.insert(look.hidden.end(), kTableAndScoreControls.begin(), kTableAndScoreControls.end());
    return look;
}

Tab tabOf(const QString &name)
{
    return name == u"Label40"_s   ? &TMainForm::Label40Click
           : name == u"Label42"_s ? &TMainForm::Label42Click
                                  : &TMainForm::Label64Click;
}

std::map<QString, bool> screenVisibility(Scenario &s)
{
    std::map<QString, bool> shown;
    for (const char *name : screenareas::names())
        shown[QString::fromLatin1(name)] = s.form.control(name).visible;
    return shown;
}
} // namespace

void Screens::everyScreenLooksTheSameWhateverCameBefore_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("tab");
    const std::pair<QString, const char *> tabs[] = {
        {u"Label40"_s, "メンバー登録"}, {u"Label42"_s, "組み合わせ"}, {u"Label64"_s, "作表と印刷"}};
    for (const auto &[before, beforeName] : tabs)
        for (const auto &[tab, tabName] : tabs)
            QTest::addRow("%s from %s", tabName, beforeName) << before << tab;
}

void Screens::everyScreenLooksTheSameWhateverCameBefore()
{
    QFETCH(QString, before);
    QFETCH(QString, tab);

    // The screen as reached from a fresh start.
    Scenario fresh;
    fresh.loadRoster(kRoster);
    (fresh.form.*tabOf(tab))();
    const auto expected = screenVisibility(fresh);

    // The same screen after another one, left with its own commands pressed in.
    Scenario s;
    s.loadRoster(kRoster);
    (s.form.*tabOf(before))();
    if (before == u"Label40"_s) s.form.Label5Click();  // 表示移動 with its hint line
    if (before == u"Label42"_s) s.form.Label75Click(); // 出場設定
    (s.form.*tabOf(tab))();

    for (const auto &[name, visible] : screenVisibility(s))
        QVERIFY2(visible == expected.at(name), qPrintable(name));
    const ScreenLook look = lookOf(tab);
    for (const char *name : look.shown) QVERIFY2(s.form.control(name).visible, name);
    for (const char *name : look.hidden) QVERIFY2(!s.form.control(name).visible, name);
}

void Screens::whatAScreenShowsAnotherCanHide()
{
    const auto &all = screenareas::names();
    Scenario s;
    for (const ScreenAreas *view :
         {&screenareas::Registration, &screenareas::Combination, &screenareas::Tables}) {
        for (const char *name : view->shown) {
            QVERIFY2(
                std::any_of(all.begin(), all.end(), [name](const char *n) { return qstrcmp(n, name) == 0; }),
                name);
            QVERIFY2(s.form.hasControl(QString::fromLatin1(name)), name);
        }
    }
}

void Screens::divisionFieldsLookReadOnly()
{
    Scenario s;
    s.loadRoster(kRoster);
    auto locked = [&s](bool expected) {
        for (const char *name : {"Edit16", "Edit6"}) {
            const Control &field = s.form.control(name);
            QCOMPARE(field.readOnly, expected);
            QCOMPARE(field.colour, expected ? colours::ReadOnly : QColor());
            QCOMPARE(field.toolTip, expected ? u"「やり直し」を押すと変更できます"_s : QString());
        }
    };
    locked(true);
    s.form.Button2Click(); // 「やり直し」
    locked(false);
    s.form.Label40Click();
    locked(true);
    s.form.Label42Click();
    s.form.Button2Click();
    s.form.Button1Click(); // おまかせ 「開始」 locks them again
    locked(true);
}

// The text size kept in the settings, and the boxes that say what to do instead of nothing.
void Screens::textSizeAndWhatToDo()
{
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), {{u"TextSize"_s, u"150"_s}});
    s.form.offerTextSizes(125); // the size kept is too large for this screen: 特大 is not offered
    s.form.TextSize150Click();
    QVERIFY(s.form.TextScale == 125 && !s.form.control("TextSize150").visible);
    QVERIFY(s.form.control("StartHint").visible); // an empty roster: begin with メンバー登録
    s.form.Label40Click();
    s.form.Button6Click(); // 実行 with nothing chosen
    QCOMPARE_BOX(
        s.platform.boxes.back(),
        u"「新規登録」か「追加登録」を選んでから「実行」を押して下さい。\n登録済みのメンバーを直す時は「修正」を選んで下さい"_s,
        u"入力が未完"_s, MsgIcon::Information, MsgButtons::Ok);
    groupsteps::divide(s, groupsteps::players(12), u"1"_s, u"2"_s);
    QVERIFY(!s.form.control("StartHint").visible);
    s.form.Button10Click();
    s.platform.answer(IdYes);
    s.form.N16Click(); // 組み合わせデータをクリア: both 開始 stay unavailable
    QCOMPARE_BOX(
        s.platform.boxes.back(),
        u"組み合わせデータをクリアしました。\n新しく組み合わせる時は、「やり直し」を押してから「開始」を押して下さい"_s,
        u"組み合わせデータをクリア"_s, MsgIcon::Information, MsgButtons::Ok);
}

QTEST_APPLESS_MAIN(Screens)
#include "tst_screens.moc"
