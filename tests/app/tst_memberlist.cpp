// The member list: its grid, what each screen shows in it, the participation marks set
// by clicks, the counts and the proposal of groups and parties.
#include "support/GroupingSteps.h"
#include "support/RosterSteps.h"

#include <QLine>

using namespace Qt::StringLiterals;
using namespace steps;

class MemberList : public QObject
{
    Q_OBJECT
private slots:
    void findingMembers_data();
    void findingMembers();
    void gridAndHeader();
    void blankingKeepsRulesAndRowNumbers();
    void eachScreenShowsItsColumns();
    void markClicks_data();
    void markClicks();
    void leaderDesignation_data();
    void leaderDesignation();
    void markLabelsAreOneOfThree();
    void markLabelsRefusedWhileCombining();
    void proposals_data();
    void proposals();
    void allPlayAndNonePlay();
    void allPlayAndNonePlayRefusals_data();
    void allPlayAndNonePlayRefusals();
    void clicksOutsideTheMembersChangeNothing_data();
    void clicksOutsideTheMembersChangeNothing();
    void groupListKeepsTheCountLine();
    void marksAreNotSetOnAGroupList_data();
    void marksAreNotSetOnAGroupList();
    void pasteModeClickPicksThePlayer();
};

namespace {
int rowY(int row) { return row * 28 + 7; }

const QStringList kMarked{
    rosterLine(u"甲"_s).team(u"A会"_s).plays(),                  // player
    rosterLine(u"乙"_s).team(u"B会"_s).woman().plays().leader(), // leader
    u"丙,C会,男性,昭和,10,10,10,0,on,b,on,"_s,            // B leader, placed; as rebuilt, no twelfth field
    rosterLine(u"丁"_s).team(u"D会"_s).woman(),           // nothing
    rosterLine(u"戊"_s).team(u"E会"_s).plays().placed()}; // player, placed

QString countLine(Scenario &s)
{
    return s.form.control("Label25").text + u'/' + s.form.control("Label9").text + u'/' +
           s.form.control("Label37").text;
}

void refusedWithCompleteFirst(Scenario &s)
{
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"完了を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
}
} // namespace

void MemberList::gridAndHeader()
{
    Scenario s;
    RecordingCanvas &list = s.platform.canvas("Image1");
    QCOMPARE(list.size(), QSize(488, 8401));
    const QList<std::pair<int, int>> numbers{{0, 17}, {8, 17}, {9, 11}, {98, 11}, {99, 7}, {299, 7}};
    for (auto [row, x] : numbers) {
        QCOMPARE(list.textAt(x, rowY(row)), QString::number(row + 1));
        QCOMPARE(list.drawnAt(x, rowY(row))->face, u"ＭＳ ゴシック"_s);
    }
    const auto &lines = list.lines();
    auto ruled = [&](QLine l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
    for (int y : {0, 28, 8400}) QVERIFY(ruled(QLine(0, y, 487, y)));
    for (int x : {0, 35, 188, 314, 362, 447, 487}) QVERIFY(ruled(QLine(x, 0, x, 8400)));

    RecordingCanvas &header = s.platform.canvas("Image2");
    QCOMPARE(header.size(), QSize(488, 28));
    auto headings = [&] {
        QStringList h;
        for (int x : {66, 217, 323, 374, 452}) h << header.textAt(x, 7);
        return h;
    };
    QCOMPARE(headings(),
             QStringList({u"所属チーム名"_s, u"氏     名"_s, u"性別"_s, u"出場種別"_s, u"貼付"_s}));
    s.form.Label40Click();
    QCOMPARE(headings(),
             QStringList({u"所属チーム名"_s, u"氏     名"_s, u"性別"_s, u"生年月日"_s, u"年齢"_s}));
    QCOMPARE(header.textsIn(QRect(363, 0, 124, 28)).size(), size_t(2)); // the old headings are gone
}

void MemberList::blankingKeepsRulesAndRowNumbers()
{
    Scenario s;
    s.loadRoster(kMarked);
    RecordingCanvas &list = s.platform.canvas("Image1");
    const size_t linesBefore = list.lines().size();
    s.form.ClrAll();
    for (int x : {39, 192, 323, 376, 459}) QCOMPARE(list.textAt(x, rowY(2)), QString());
    QCOMPARE(list.textAt(17, rowY(2)), u"3"_s);
    // The blanking reaches across the row rules of columns 2 to 6, so each is drawn again.
    const std::vector<QLine> drawn(list.lines().begin() + static_cast<qsizetype>(linesBefore),
                                   list.lines().end());
    for (int r = 1; r < 300; ++r)
        QVERIFY(std::find(drawn.begin(), drawn.end(), QLine(35, 28 * r, 487, 28 * r)) != drawn.end());
}

void MemberList::eachScreenShowsItsColumns()
{
    Scenario s;
    s.form.N37Click(); // birth dates only ever on メンバー登録
    s.loadRoster(kMarked);
    RecordingCanvas &list = s.platform.canvas("Image1");
    const QStringList marks{u"出場"_s, u"リーダー"_s, u"B リーダ"_s, QString(), u"出場"_s};
    auto check = [&] {
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(list.textAt(376, rowY(r)), marks.at(r));
            QCOMPARE(list.textAt(459, rowY(r)), r == 2 || r == 4 ? u"⇒"_s : QString());
            QCOMPARE(list.textAt(368, rowY(r)), QString());
        }
        QCOMPARE(list.drawnAt(376, rowY(1))->colour, colours::Black);
        QCOMPARE(list.drawnAt(459, rowY(2))->colour, colours::Red);
        QCOMPARE(list.drawnAt(459, rowY(4))->colour, colours::Red);
    };
    check();               // drawn with the list
    s.form.Label42Click(); // and again by the tab's redraw of the marks
    check();
    QCOMPARE(list.textAt(39, rowY(2)), u"C会"_s);
    QCOMPARE(list.textAt(323, rowY(2)), u"男性"_s);
    QCOMPARE(list.textsIn(QRect(36, rowY(5), 450, 1)).size(), size_t(0));
    QCOMPARE(countLine(s), u"出場設定数   4/リーダー設定数   2/貼り付け数   2"_s);
    QCOMPARE(s.form.PasteList, QList<int>({3, 5}));
    QCOMPARE(s.form.MenList, QList<int>({1, 3, 5}));
    QCOMPARE(s.form.WomenList, QList<int>({2}));

    s.form.Label40Click(); // no marks on メンバー登録; they stay in the lines
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(list.textAt(376, rowY(r)), QString());
        QCOMPARE(list.textAt(459, rowY(r)), QString());
        QCOMPARE(list.textAt(368, rowY(r)), u"昭和"_s);
        QCOMPARE(list.textAt(455, rowY(r)), u"91"_s);
    }
    QCOMPARE(s.form.MemberLines, kMarked);
}

void MemberList::markClicks_data()
{
    QTest::addColumn<int>("label"); // 75 出場設定, 76 リーダ設定, 77 設定取消
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("counts"); // players, leaders, placed after the click
    QTest::newRow("play: not playing")
        << 75 << u"off,off,off"_s << u"on,off,off"_s << u"出場"_s << u"2 1 0"_s;
    QTest::newRow("play: player stays") << 75 << u"on,off,on"_s << u"on,off,on"_s << u"出場"_s << u"2 1 1"_s;
    QTest::newRow("play: leader becomes a player")
        << 75 << u"on,on,off"_s << u"on,off,off"_s << u"出場"_s << u"2 1 0"_s;
    QTest::newRow("play: C leader becomes a player")
        << 75 << u"on,c,off"_s << u"on,off,off"_s << u"出場"_s << u"2 1 0"_s;
    QTest::newRow("leader: not playing")
        << 76 << u"off,off,off"_s << u"on,on,off"_s << u"リーダー"_s << u"2 2 0"_s;
    QTest::newRow("leader: A leader again")
        << 76 << u"on,a,on"_s << u"on,on,on"_s << u"リーダー"_s << u"2 2 1"_s;
    QTest::newRow("cancel: placed leader")
        << 77 << u"on,b,on"_s << u"off,off,off"_s << QString() << u"1 1 0"_s;
    QTest::newRow("cancel: nothing") << 77 << u"off,off,off"_s << u"off,off,off"_s << QString() << u"1 1 0"_s;
}

void MemberList::markClicks()
{
    QFETCH(int, label);
    QFETCH(QString, marks);
    QFETCH(QString, after);
    QFETCH(QString, shown);
    QFETCH(QString, counts);
    Scenario s;
    const QString other = rosterLine(u"甲"_s).team(u"A会"_s).plays().leader();
    s.loadRoster({other, rosterLine(u"乙"_s).team(u"B会"_s).woman().marks(marks)});
    label == 75 ? s.form.Label75Click() : label == 76 ? s.form.Label76Click() : s.form.Label77Click();
    for (int click = 0; click < 2; ++click) { // a second click changes nothing more
        s.form.clickMemberList(1);
        QCOMPARE(s.form.MemberLines.at(1), u"乙,B会,女性,昭和,10,10,10,91,"_s + after + u","_s);
        QCOMPARE(s.form.MemberLines.at(0), other);
        QCOMPARE(s.form.SavedMemberLines, s.form.MemberLines);
        QCOMPARE(markIn(s, 1), shown);
        QCOMPARE(markIn(s, 0), u"リーダー"_s);
        QCOMPARE(listText(s, 459, 1), after.endsWith(u"on"_s) ? u"⇒"_s : QString());
        const QStringList n = counts.split(u' ');
        QCOMPARE(countLine(s), u"出場設定数   "_s + n.at(0) + u"/リーダー設定数   "_s + n.at(1) +
                                   u"/貼り付け数   "_s + n.at(2));
    }
}

void MemberList::leaderDesignation_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none") << u"N33"_s << u" リーダ設定ー"_s << u"on"_s << u"リーダー"_s;
    QTest::newRow("A") << u"A3"_s << u" A リーダー"_s << u"a"_s << u"A リーダ"_s;
    QTest::newRow("B") << u"B3"_s << u" B リーダー"_s << u"b"_s << u"B リーダ"_s;
    QTest::newRow("C") << u"C3"_s << u" C リーダー"_s << u"c"_s << u"C リーダ"_s;
    QTest::newRow("D") << u"D3"_s << u" D リーダー"_s << u"d"_s << u"D リーダ"_s;
}

void MemberList::leaderDesignation()
{
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Scenario s;
    s.loadRoster(rosterLines(3));
    QCOMPARE(s.form.control("Label76").text, u" リーダ設定"_s);
    entry == u"A3"_s ? s.form.B3Click() : s.form.A3Click(); // every choice replaces the one before
    if (entry == u"A3"_s)
        s.form.A3Click();
    else if (entry == u"B3"_s)
        s.form.B3Click();
    else if (entry == u"C3"_s)
        s.form.C3Click();
    else if (entry == u"D3"_s)
        s.form.D3Click();
    else
        s.form.N33Click();
    QCOMPARE(s.form.control("Label76").text, caption);
    for (const QString &e : {u"A3"_s, u"B3"_s, u"C3"_s, u"D3"_s, u"N33"_s})
        QCOMPARE(s.form.control(e).checked, e == entry);

    s.form.Label76Click();
    s.form.clickMemberList(2);
    QVERIFY(s.form.MemberLines.at(2).endsWith(u",on,"_s + stored + u",off,"_s));
    QCOMPARE(markIn(s, 2), shown);
    QCOMPARE(markIn(s, 1), QString());
}

void MemberList::markLabelsAreOneOfThree()
{
    Scenario s;
    s.loadRoster(rosterLines(2));
    auto colours = [&] {
        return QList<QColor>{s.form.control("Label75").colour, s.form.control("Label76").colour,
                             s.form.control("Label77").colour};
    };
    const QColor off = colours::ButtonFace, on = colours::Yellow;
    s.form.Label75Click();
    QCOMPARE(colours(), QList<QColor>({on, off, off}));
    QCOMPARE(s.form.EditMode, editmode::Play);
    s.form.Label76Click();
    QCOMPARE(colours(), QList<QColor>({off, on, off}));
    QVERIFY(!s.form.PlayOn && s.form.LeaderOn);
    QCOMPARE(s.form.EditMode, editmode::Leader);
    s.form.Label76Click(); // off again: white
    QCOMPARE(colours(), QList<QColor>({off, colours::White, off}));
    QCOMPARE(s.form.EditMode, editmode::None);
    s.form.Label75Click();
    s.form.Label75Click();
    QCOMPARE(colours(), QList<QColor>({colours::White, off, off}));
    s.form.clickMemberList(0);
    QCOMPARE(s.form.Members[0].PlayMark, u"off"_s);
    s.form.Label77Click();
    QCOMPARE(colours(), QList<QColor>({off, off, on}));
    QCOMPARE(s.form.EditMode, editmode::Unmark);
    s.form.Label77Click();
    QCOMPARE(colours(), QList<QColor>({off, off, off}));
    QVERIFY(!s.form.CancelOn && s.form.EditMode == editmode::None);
}

void MemberList::markLabelsRefusedWhileCombining()
{
    for (int label : {75, 76, 77}) {
        Scenario s;
        s.loadRoster(rosterLines(2));
        s.form.Label76Click(); // on before the combination started
        s.form.Combining = 1;
        label == 75 ? s.form.Label75Click() : label == 76 ? s.form.Label76Click() : s.form.Label77Click();
        refusedWithCompleteFirst(s);
        QCOMPARE(s.form.EditMode, editmode::Leader);
        QVERIFY(s.form.LeaderOn && !s.form.PlayOn && !s.form.CancelOn);
        QCOMPARE(s.form.control("Label76").colour, colours::Yellow);
    }
}

void MemberList::proposals_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("eightFrame");
    QTest::addColumn<QString>("proposal"); // グループ数 / 一グループの組数
    QTest::addColumn<int>("warnings");
    QTest::newRow("none keeps the party field") << 0 << false << u"0/7"_s << 0;
    QTest::newRow("1") << 1 << false << u"1/12"_s << 0;
    QTest::newRow("72") << 72 << false << u"1/12"_s << 0;
    QTest::newRow("73") << 73 << false << u"2/12"_s << 0;
    QTest::newRow("144") << 144 << false << u"2/12"_s << 0;
    QTest::newRow("145") << 145 << false << u"4/12"_s << 0;
    QTest::newRow("288") << 288 << false << u"4/12"_s << 0;
    QTest::newRow("289 six frame") << 289 << false << u"4/10"_s << 1;
    QTest::newRow("289 eight frame") << 289 << true << u"4/10"_s << 0;
    QTest::newRow("300 six frame") << 300 << false << u"4/10"_s << 1;
}

void MemberList::proposals()
{
    QFETCH(int, players);
    QFETCH(bool, eightFrame);
    QFETCH(QString, proposal);
    QFETCH(int, warnings);
    Scenario s;
    if (eightFrame) s.form.N29Click();
    s.form.control("Edit6").text = u"7"_s;
    s.loadRoster(rosterLines(players, u"on,off,off"_s) + rosterLines(std::min(3, 300 - players)));
    s.form.Label40Click(); // each screen change counts again; the warning comes once
    s.form.Label42Click();
    QCOMPARE(s.form.PlayCount, players);
    QCOMPARE(s.form.control("Edit16").text + u'/' + s.form.control("Edit6").text, proposal);
    QCOMPARE(s.platform.boxes.size(), size_t(warnings));
    if (warnings)
        QCOMPARE_BOX(s.platform.boxes.back(), u"８人枠に切り替えします"_s, u"組の人数が６人を超過します"_s,
                     MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.ticked("N29"), eightFrame || warnings > 0);
    QCOMPARE(s.form.ticked("N20"), !s.form.ticked("N29"));
}

void MemberList::allPlayAndNonePlay()
{
    for (bool all : {true, false}) {
        Scenario s;
        s.loadRoster(kMarked);
        s.form.scrollListTo(100);
        all ? s.form.N9Click() : s.form.N10Click();
        QCOMPARE(s.form.ListTopRow, 0);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(s.form.MemberLines.at(i).endsWith(all ? u",on,off,off,"_s : u",off,off,off,"_s));
            QCOMPARE(markIn(s, i), all ? u"出場"_s : QString());
            QCOMPARE(listText(s, 459, i), QString());
        }
        QCOMPARE(s.form.MemberLines.at(1).section(u',', 0, 7), u"乙,B会,女性,昭和,10,10,10,91"_s); // rebuilt
        QCOMPARE(s.form.SavedMemberLines, s.form.MemberLines);
        QCOMPARE(countLine(s), all ? u"出場設定数   5/リーダー設定数   0/貼り付け数   0"_s
                                   : u"出場設定数   0/リーダー設定数   0/貼り付け数   0"_s);
        QCOMPARE(s.form.control("Edit16").text, all ? u"1"_s : u"0"_s);
        QVERIFY(s.platform.boxes.empty());
    }
}

void MemberList::allPlayAndNonePlayRefusals_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("situation");
    for (bool all : {true, false}) {
        const char *name = all ? "all play" : "none play";
        QTest::addRow("%s on メンバー登録", name) << all << u"registration"_s;
        QTest::addRow("%s while combining", name) << all << u"combining"_s;
    }
    QTest::newRow("none play with a table") << false << u"table"_s;
}

void MemberList::allPlayAndNonePlayRefusals()
{
    QFETCH(bool, all);
    QFETCH(QString, situation);
    Scenario s;
    s.loadRoster(kMarked);
    if (situation == u"registration"_s) s.form.Label40Click();
    if (situation == u"combining"_s) s.form.Combining = 1;
    if (situation == u"table"_s) s.form.TableMode = tablekind::CombinationTable;
    s.form.scrollListTo(50);
    const QString counts = countLine(s);
    all ? s.form.N9Click() : s.form.N10Click();
    refusedWithCompleteFirst(s);
    QCOMPARE(s.form.MemberLines, kMarked);
    QCOMPARE(s.form.SavedMemberLines, kMarked);
    QCOMPARE(s.form.Members[1].LeaderMark, u"on"_s);
    QCOMPARE(s.form.ListTopRow, 50);
    QCOMPARE(countLine(s), counts);
}

void MemberList::clicksOutsideTheMembersChangeNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("members");
    QTest::addColumn<int>("y");
    for (int mode = 1; mode <= 8; ++mode) {
        QTest::addRow("mode %d, just below the last", mode) << mode << 3 << 84;
        QTest::addRow("mode %d, far below", mode) << mode << 3 << 8390;
        QTest::addRow("mode %d, empty roster", mode) << mode << 0 << 10;
        QTest::addRow("mode %d, above the list", mode) << mode << 3 << -5;
    }
}

void MemberList::clicksOutsideTheMembersChangeNothing()
{
    QFETCH(int, mode);
    QFETCH(int, members);
    QFETCH(int, y);
    Scenario s;
    s.loadRoster(rosterLines(members));
    s.form.EditMode = static_cast<editmode>(mode);
    const auto textsBefore = s.platform.canvas("Image1").visibleTexts().size();
    s.platform.answer(IdYes);
    s.form.Image1MouseDown(40, y);
    QCOMPARE(s.form.MemberLines, rosterLines(members));
    QCOMPARE(s.form.SavedMemberLines, rosterLines(members));
    QCOMPARE(s.form.EditMode, static_cast<editmode>(mode));
    QCOMPARE(s.form.SelRow, -1);
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.platform.canvas("Image1").visibleTexts().size(), textsBefore);
    if (!members) return;
    s.form.Label75Click(); // the last pixel of the last row still reaches the member
    s.form.Image1MouseDown(40, 83);
    QCOMPARE(s.form.Members[2].PlayMark, u"on"_s);
}

void MemberList::groupListKeepsTheCountLine()
{
    Scenario s;
    s.loadRoster(rosterLines(10, u"on,off,off"_s));
    s.form.control("Label10").text = u"Aグループ"_s;
    s.loadRoster(rosterLines(3, u"on,off,off"_s)); // the members of one group
    QCOMPARE(s.form.MenList, QList<int>({1, 3}));
    QCOMPARE(s.form.WomenList, QList<int>({2}));
    QCOMPARE(s.form.MenPlaying, 2);
    QCOMPARE(s.form.control("Label25").text, u"出場設定数   10"_s);
}

void MemberList::marksAreNotSetOnAGroupList_data()
{
    QTest::addColumn<int>("command"); // 75, 76, 77: a click in that mode; 9, 10: the menu commands
    QTest::newRow("出場設定") << 75;
    QTest::newRow("リーダ設定") << 76;
    QTest::newRow("設定取消") << 77;
    QTest::newRow("全員を出場に設定") << 9;
    QTest::newRow("全員の出場を解除") << 10;
}

void MemberList::marksAreNotSetOnAGroupList()
{
    QFETCH(int, command);
    Scenario s;
    const QStringList roster = groupsteps::players(2, 2);
    groupsteps::divide(s, roster, u"2"_s, u"1"_s);
    s.form.Button10Click(); // おまかせ 「完了」: the mark commands are free again
    const QStringList saved = s.form.SavedMemberLines;
    QCOMPARE(groupsteps::namesOf(saved), groupsteps::namesOf(roster));
    if (command == 75) s.form.Label75Click();
    if (command == 76) s.form.Label76Click();
    if (command == 77) s.form.Label77Click();
    s.form.Label45Click(); // group tab B: the list shows group B's lines only
    const QStringList groupLines = s.form.MemberLines;
    s.platform.takeBoxes();

    if (command == 9)
        s.form.N9Click();
    else if (command == 10)
        s.form.N10Click();
    else
        s.form.clickMemberList(0);

    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"「組み合わせ」を押してメンバー一覧表に戻してから設定して下さい"_s,
                 u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.SavedMemberLines, saved);
    QCOMPARE(s.form.MemberLines, groupLines);

    s.form.Label42Click(); // back to the whole roster: the marks can be set again
    s.form.N10Click();
    QCOMPARE(s.form.SavedMemberLines.size(), roster.size());
    QCOMPARE(s.form.PlayCount, 0);
}

void MemberList::pasteModeClickPicksThePlayer()
{
    Scenario s;
    s.loadRoster(kMarked);
    s.form.Button4Click(); // 自分で 「開始」: paste mode, group A
    s.form.clickMemberList(0);
    QCOMPARE(s.form.control("Label20").text, u"0"_s);
    const DrawnText *pick = s.platform.canvas("Image1").drawnAt(TMainForm::PasteMarkX, rowY(0));
    QVERIFY(pick && pick->text == u"⇒"_s && pick->colour == colours::Black);
    s.form.clickMemberList(3); // not playing: nothing picked
    QCOMPARE(s.form.control("Label20").text, QString());
}

// The search field: kana and width variants alike, every member found marked, Enter to the next.
void MemberList::findingMembers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("found");
    QTest::newRow("hiragana finds katakana and half-width") << u"やまだ"_s << QList<int>{0, 1, 42};
    QTest::newRow("full-width letters of a team") << u"ＧＧ"_s << QList<int>{43};
}

void MemberList::findingMembers()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, found);
    Scenario s;
    QStringList roster{rosterLine(u"やまだ一郎"_s), rosterLine(u"ヤマダ花子"_s)};
    roster << groupsteps::players(40) << rosterLine(u"ﾔﾏﾀﾞ次郎"_s)
           << rosterLine(u"川上"_s).team(u"gg倶楽部"_s);
    groupsteps::open(s, roster);
    s.form.typeInto("MemberSearch", typed);
    QCOMPARE(s.form.SearchFound, found);
    for (int next : found) { // in blue, and Enter goes from one to the next
        QCOMPARE(s.platform.canvas("Image1").drawnAt(192, s.form.rowTextY(next))->colour, QColor(0, 0, 192));
        QCOMPARE(s.form.ListTopRow, std::min(next, s.form.lastListTopRow()));
        s.form.pressEnter(u"MemberSearch"_s);
    }
    s.form.typeInto("MemberSearch", QString()); // the list shows the members as usual again
    for (int row : found)
        QCOMPARE(s.platform.canvas("Image1").drawnAt(192, s.form.rowTextY(row))->colour, colours::Black);
}

QTEST_APPLESS_MAIN(MemberList)
#include "tst_memberlist.moc"
