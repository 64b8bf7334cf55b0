// The 作表と印刷 screen: the table commands, the particulars, the page field and the group
// tabs on the table screens.
#include "TableSteps.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace sheet = tables::sheet;

class TablesTest : public QObject
{
    Q_OBJECT
private slots:
    void combinationTableShowsTheChosenGroup();
    void scoreSheetOfAParty();
    void partyFieldSetsTheStartingHole();
    void fieldsEmptyWhenClicked();
    void sheetNumbersThatAreNotWholeNumbers_data();
    void sheetNumbersThatAreNotWholeNumbers();
    void holeCountAndPartyAreKeptInRange();
    void aPartyOfSevenUnderTheSixFrame();
    void holeNumberOptionDrawsTheScoreSheet();
    void confirmRecomputesTheTitleShift();
    void memberTableForms();
    void pageCheck_data();
    void pageCheck();
    void emptyPagesAreNumberedOn();
    void landscapePageAboveFourStartsAgain();
    void spinButtonStepsWithinItsMaximum();
    void commandBoxHidesWhenClicked();
    void groupTabAfterAHandMadeCombinationKeepsTheRoster();
};

void TablesTest::combinationTableShowsTheChosenGroup()
{
    Scenario s;
    storeCombination(s, 2, 3, 4);
    s.form.Label64Click(); // tab 作表と印刷
    s.form.Label53Click(); // 組合せ表作成
    QCOMPARE(s.form.TableKind, tablekind::CombinationTable);
    QCOMPARE(s.form.TableMode, tablekind::CombinationTable);
    QCOMPARE(s.form.Screen, screen::GridTable);
    QCOMPARE(s.form.ScaleX, 0.82);
    QCOMPARE(s.form.ScaleY, 0.79);
    QVERIFY(s.form.control("Image28").visible);
    QVERIFY(s.form.control("Panel8").visible);
    QVERIFY(!s.form.control("Panel10").visible);
    QVERIFY(!s.form.control("Image23").visible);
    QCOMPARE(s.form.control("Label64").colour, colours::Yellow);
    RecordingCanvas &table = s.platform.canvas("Image28");
    // No group chosen yet: grid and headings, no names.
    QVERIFY(textsOf(table).contains(u" グループ"_s));
    QCOMPARE(table.textAt(combinationNameAt(1, 0).x(), combinationNameAt(1, 0).y()), QString());

    s.form.Label45Click(); // group tab B
    for (int p = 1; p <= 3; ++p)
        for (int slot = 0; slot < 4; ++slot) {
            const QPoint at = combinationNameAt(p, slot);
            QCOMPARE(table.textAt(at.x(), at.y()), storedName(2, p, slot, 4));
            QCOMPARE(s.form.KumiSlotText[1][p - 1][slot], storedName(2, p, slot, 4) + u",班2"_s);
        }
    QVERIFY(s.form.KumiSlotText[1][0][4].isEmpty());
    QVERIFY(s.form.KumiSlotText[0][0][0].isEmpty()); // group A was not drawn
    QVERIFY(textsOf(table).contains(u"B グループ"_s));
    QVERIFY(textsOf(table).contains(u"班2"_s));
    QCOMPARE(s.form.GridColumnWidth, 143);
    QCOMPARE(s.form.GridColumns, 6);
    QCOMPARE(s.form.GridBottom, 57 + 13 * 41);

    // A renamed group shows its name in the heading.
    s.form.GroupDisplayName[0] = u"東"_s;
    s.form.Label44Click();
    QVERIFY(textsOf(table).contains(u"東 グループ"_s));
    QVERIFY(!textsOf(table).contains(u"2-1"_s));
    QCOMPARE(s.form.CurGroupText, u"A"_s);
}

void TablesTest::scoreSheetOfAParty()
{
    Scenario s;
    storeCombination(s, 2, 3, 5);
    s.form.Label64Click();
    s.form.Label43Click(); // スコア表作成
    QCOMPARE(s.form.TableKind, tablekind::ScoreSheet);
    QCOMPARE(s.form.TableMode, tablekind::ScoreSheet);
    QCOMPARE(s.form.Screen, screen::ScoreSheet);
    QVERIFY(s.form.control("Panel10").visible);
    QVERIFY(s.form.control("Image23").visible);
    QVERIFY(!s.form.control("Image28").visible);
    RecordingCanvas &sheet = s.platform.canvas("Image23");
    QCOMPARE(sheet.textAt(scoreSheetNameAt(0).x(), scoreSheetNameAt(0).y()), QString());

    s.form.clickField(u"Edit13"_s);
    s.form.typeInto("Edit13", u"2"_s);
    s.form.Label45Click(); // group tab B draws party 2 of group B
    for (int k = 0; k < 5; ++k)
        QCOMPARE(sheet.textAt(scoreSheetNameAt(k).x(), scoreSheetNameAt(k).y()), storedName(2, 2, k, 5));
    QVERIFY(textsOf(sheet).contains(u"B グループ"_s));
    QVERIFY(textsOf(sheet).contains(u"なかよし会親睦大会 スコア表"_s));
    // Party 2 starts at hole 2: 2 … 10, 1.
    const QStringList texts = textsOf(sheet);
    QVERIFY(texts.contains(u"2"_s) && texts.contains(u"10"_s));

    s.form.typeInto("Edit13", u"3"_s);
    s.form.Button8Click(); // 確定
    QCOMPARE(sheet.textAt(scoreSheetNameAt(0).x(), scoreSheetNameAt(0).y()), storedName(2, 3, 0, 5));
}

void TablesTest::partyFieldSetsTheStartingHole()
{
    Scenario s;
    s.form.typeInto("Edit14", u"7"_s);
    QCOMPARE(s.form.StartHole(), u"7"_s);
    s.form.typeInto("Edit13", u"4"_s);
    QCOMPARE(s.form.SheetKumi(), u"4"_s);
    QCOMPARE(s.form.StartHole(), u"4"_s);
    s.form.typeInto("Edit14", u"9"_s); // the user changes it afterwards
    QCOMPARE(s.form.StartHole(), u"9"_s);
    QCOMPARE(s.form.SheetKumi(), u"4"_s);
}

void TablesTest::fieldsEmptyWhenClicked()
{
    Scenario s;
    QCOMPARE(s.form.EventYear(), u"2026"_s);
    QCOMPARE(s.form.EventMonth(), u"12"_s);
    QCOMPARE(s.form.EventDay(), u"7"_s);
    for (const char *field : {"Edit9", "Edit10", "Edit11", "Edit12", "Edit14", "Edit19"}) {
        s.form.clickField(QString::fromLatin1(field));
        QVERIFY2(s.form.control(field).text.isEmpty(), field);
    }
    s.form.typeInto("Edit14", u"5"_s);
    s.form.clickField(u"Edit13"_s);
    QVERIFY(s.form.SheetKumi().isEmpty());
    QVERIFY(s.form.StartHole().isEmpty()); // follows 組
    s.form.clickField(u"Edit7"_s);
    QCOMPARE(s.form.TournamentName(), u"なかよし会親睦大会"_s);
    QCOMPARE(s.form.CourseName(), u"市民グラウンド"_s);
    QCOMPARE(s.form.control("Edit7").maxBytes, 26);
    QCOMPARE(s.form.control("Edit8").maxBytes, 30);
}

void TablesTest::sheetNumbersThatAreNotWholeNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("ホール数") << u"Edit9"_s << u"1a"_s << u"ホール数には整数を入力して下さい"_s;
    QTest::newRow("組") << u"Edit13"_s << u"x"_s << u"組には整数を入力して下さい"_s;
    QTest::newRow("番スタート") << u"Edit14"_s << u"2.5"_s << u"番スタートには整数を入力して下さい"_s;
}

void TablesTest::sheetNumbersThatAreNotWholeNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Scenario s;
    storeCombination(s, 1, 2, 4);
    s.form.Label64Click();
    s.form.typeInto(field, text);
    s.form.Label43Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), message, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.TableKind, tablekind::None);
    QCOMPARE(s.form.Screen, screen::TableChoice);
    QVERIFY(s.platform.canvas("Image23").visibleTexts().empty());

    // With a sheet drawn, 確定 with the bad field leaves the drawing as it was.
    s.form.typeInto(field, u"1"_s);
    s.form.Label43Click();
    s.form.Label44Click();
    const QStringList before = textsOf(s.platform.canvas("Image23"));
    QVERIFY(before.contains(u"1-1"_s));
    s.form.typeInto(field, text);
    s.platform.takeBoxes();
    s.form.Button8Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(textsOf(s.platform.canvas("Image23")), before);
    QCOMPARE(s.form.control(field).text, text);
}

void TablesTest::holeCountAndPartyAreKeptInRange()
{
    Scenario s;
    s.form.Label64Click();
    s.form.typeInto("Edit9", u"15"_s);
    s.form.typeInto("Edit13", u"20"_s);
    s.form.Label43Click();
    QCOMPARE(s.form.HoleCount(), u"12"_s);
    QCOMPARE(s.form.SheetKumi(), u"12"_s);
    QCOMPARE(s.form.StartHole(), u"12"_s);
    QVERIFY(textsOf(s.platform.canvas("Image23")).contains(u"12"_s));

    s.form.clickField(u"Edit9"_s);
    s.form.clickField(u"Edit13"_s);
    s.form.Label43Click();
    QCOMPARE(s.form.HoleCount(), u"10"_s);
    QCOMPARE(s.form.SheetKumi(), u"1"_s);
    QCOMPARE(s.form.StartHole(), u"1"_s);
    QVERIFY(s.platform.boxes.empty());
}

void TablesTest::aPartyOfSevenUnderTheSixFrame()
{
    Scenario s;
    storeCombination(s, 1, 2, 7);
    s.form.Label64Click();
    s.form.Label43Click();
    s.form.Label44Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(),
                 u"８人枠に切り替えします。「OK」を押してグループを再度押して下さい"_s,
                 u"組の人数が６名を超過しています"_s, MsgIcon::Warning, MsgButtons::Ok);
    QVERIFY(s.form.ticked("N29"));
    QVERIFY(!s.form.ticked("N20"));
    QVERIFY(!textsOf(s.platform.canvas("Image23")).contains(u"1-1"_s));
    s.form.Label44Click(); // the group again: all seven under ８人枠
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    for (int k = 1; k <= 7; ++k) QVERIFY(textsOf(s.platform.canvas("Image23")).contains(u"1-%1"_s.arg(k)));

    // The combination table warns once and draws the other parties.
    Scenario t;
    storeCombination(t, 1, 2, 7);
    t.form.Label64Click();
    t.form.Label53Click();
    t.form.Label44Click();
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QVERIFY(t.form.ticked("N29"));
}

void TablesTest::holeNumberOptionDrawsTheScoreSheet()
{
    Scenario s; // on the 組み合わせ screen
    s.form.N36Click();
    QCOMPARE(s.form.Screen, screen::ScoreSheet);
    QCOMPARE(s.form.TableKind, tablekind::ScoreSheet);
    QVERIFY(s.form.control("Image23").visible);
    QVERIFY(!s.form.control("Panel3").visible);
    RecordingCanvas &sheet = s.platform.canvas("Image23");
    const sheet::Scale sc = sheet::ScoreSheetScreen;
    const int G = sc.offX(sc.X(52), 170);
    const int headingY = sc.offY(sc.offY(sc.Y(90), 104), 27);
    QCOMPARE(sheet.textAt(sc.offX(G, 23), headingY), QString());
    s.form.N35Click();
    QCOMPARE(sheet.textAt(sc.offX(G, 23), headingY), u"1"_s);
    QVERIFY(s.form.ticked("N35"));

    // During a combination the screen with its 完了 stays; only the option changes.
    Scenario t;
    groupsteps::divide(t, groupsteps::players(7, 5), u"2"_s, u"3"_s);
    QCOMPARE(t.form.Combining, 1);
    t.form.N36Click();
    QVERIFY(t.form.ticked("N36"));
    QCOMPARE(t.form.Screen, screen::Combination);
    QCOMPARE(t.form.TableKind, tablekind::None);
    QVERIFY(t.form.control("Panel4").visible);
}

void TablesTest::confirmRecomputesTheTitleShift()
{
    Scenario s;
    s.form.Label64Click();
    QCOMPARE(s.form.TitleShift, 108);
    s.form.Label43Click();
    s.form.typeInto("Edit7", u"ab杯"_s);
    QCOMPARE(s.form.TitleShift, 108);
    s.form.Button8Click();
    QCOMPARE(s.form.TitleShift, 24);
    const sheet::Scale sc = sheet::ScoreSheetScreen;
    QCOMPARE(s.platform.canvas("Image23").textAt(sc.X(560 - 24), sc.offY(sc.Y(90), 17)), u"ab杯 スコア表"_s);
}

void TablesTest::memberTableForms()
{
    Scenario s;
    s.loadRoster(steps::rosterLines(45));
    s.form.Label64Click();
    s.form.Label56Click(); // メンバー表作成, タテ形
    QCOMPARE(s.form.TableKind, tablekind::MemberPortrait);
    QCOMPARE(s.form.TableMode, tablekind::MemberPortrait);
    QCOMPARE(s.form.Screen, screen::PagedTable);
    QCOMPARE(s.form.PageMax, 8);
    for (const char *shown : {"Label7", "Edit19", "UpDown1", "Button7", "ScrollBox2", "Image4"})
        QVERIFY2(s.form.control(shown).visible, shown);
    for (const char *hidden : {"Image29", "Panel8", "Panel10", "CheckBox1", "CheckBox3"})
        QVERIFY2(!s.form.control(hidden).visible, hidden);
    RecordingCanvas &portrait = s.platform.canvas("Image4");
    QCOMPARE(portrait.textAt(393, 107), u"会員1"_s);
    QCOMPARE(portrait.textAt(142, 108 + 39 * 26), u"40"_s);
    QCOMPARE(portrait.textAt(700, 53), u"P. 1"_s);

    s.form.N32Click(); // ヨコ形
    s.form.Label56Click();
    QCOMPARE(s.form.TableKind, tablekind::MemberLandscape);
    QCOMPARE(s.form.TableMode, tablekind::MemberLandscape);
    QCOMPARE(s.form.PageMax, 3);
    QCOMPARE(s.form.ScaleY, 0.80);
    QVERIFY(s.form.control("Image29").visible);
    QVERIFY(!s.form.control("ScrollBox2").visible);
    RecordingCanvas &landscape = s.platform.canvas("Image29");
    const sheet::Scale sc = sheet::LandscapeScreen;
    QCOMPARE(landscape.textAt(sc.X(87), sc.Y(103)), u"会員1"_s);
    QCOMPARE(landscape.textAt(sc.X(55) + 3, sc.Y(97) + 7), u"1"_s);
    QCOMPARE(landscape.textAt(sc.X(898) + 3, sc.Y(70 + 25 * 27) + 7), u"100"_s);
    QCOMPARE(s.form.MemberLines, s.form.SavedMemberLines);
}

void TablesTest::pageCheck_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("page");
    QTest::newRow("ヨコ 5") << true << u"5"_s << u"１から４迄を設定して下さい"_s << 1;
    QTest::newRow("ヨコ 0") << true << u"0"_s << u"１から４迄を設定して下さい"_s << 1;
    QTest::newRow("ヨコ 4") << true << u"4"_s << QString() << 4;
    QTest::newRow("タテ 10") << false << u"10"_s << QString() << 10;
    QTest::newRow("タテ 11") << false << u"11"_s << u"１から１０迄を設定して下さい"_s << 1;
    QTest::newRow("タテ 2") << false << u"2"_s << QString() << 2;
    QTest::newRow("not a number") << false << u"a"_s << u"ページ指定には整数を入力して下さい"_s << 1;
}

void TablesTest::pageCheck()
{
    QFETCH(bool, landscape);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, page);
    Scenario s;
    s.loadRoster(steps::rosterLines(60));
    s.form.Label64Click();
    if (landscape) s.form.N32Click();
    s.form.Label56Click();
    const QStringList before = textsOf(s.platform.canvas(landscape ? "Image29" : "Image4"));
    s.form.clickField(u"Edit19"_s);
    s.form.typeInto("Edit19", typed);
    s.form.Button7Click(); // 設定
    QCOMPARE(s.form.PageNo, page);
    if (message.isEmpty()) {
        QVERIFY(s.platform.boxes.empty());
        QCOMPARE(s.form.control("Edit19").text, typed);
        return;
    }
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), message, u"ページ指定"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.control("Edit19").text.isEmpty(), typed != u"a"_s);
    QCOMPARE(textsOf(s.platform.canvas(landscape ? "Image29" : "Image4")), before);

    // An empty page field does nothing.
    s.platform.takeBoxes();
    s.form.clickField(u"Edit19"_s);
    s.form.Button7Click();
    QVERIFY(s.platform.boxes.empty());
}

void TablesTest::emptyPagesAreNumberedOn()
{
    Scenario s;
    s.loadRoster(steps::rosterLines(300));
    s.form.Label64Click();
    s.form.Label56Click();
    s.form.typeInto("Edit19", u"8"_s);
    s.form.Button7Click();
    RecordingCanvas &portrait = s.platform.canvas("Image4");
    QCOMPARE(portrait.textAt(142, 108), u"281"_s);
    QCOMPARE(portrait.textAt(142, 108 + 39 * 26), u"320"_s);
    QCOMPARE(portrait.textAt(393, 107 + 19 * 26), u"会員300"_s);
    QCOMPARE(portrait.textAt(393, 107 + 20 * 26), QString());
    s.form.typeInto("Edit19", u"9"_s);
    s.form.Button7Click();
    QCOMPARE(portrait.textAt(142, 108), u"321"_s);
    QCOMPARE(portrait.textAt(393, 107), QString());
    QCOMPARE(portrait.textAt(700, 53), u"P. 9"_s);

    s.form.N32Click();
    s.form.typeInto("Edit19", u"4"_s);
    s.form.Button7Click();
    RecordingCanvas &landscape = s.platform.canvas("Image29");
    const sheet::Scale sc = sheet::LandscapeScreen;
    QCOMPARE(landscape.textAt(sc.X(55) + 3, sc.Y(97) + 7), u"301"_s);
    QCOMPARE(landscape.textAt(sc.X(87), sc.Y(103)), QString());
}

void TablesTest::landscapePageAboveFourStartsAgain()
{
    Scenario s;
    s.loadRoster(steps::rosterLines(130));
    s.form.Label64Click();
    s.form.typeInto("Edit19", u"7"_s);
    s.form.Button7Click(); // タテ形 not drawn yet: the check has no table, nothing is drawn
    QCOMPARE(s.form.PageNo, 7);
    s.form.N32Click();
    s.form.Label56Click();
    QCOMPARE(s.form.PageNo, 1);
    QCOMPARE(s.form.control("Edit19").text, u"1"_s);
    const sheet::Scale sc = sheet::LandscapeScreen;
    QCOMPARE(s.platform.canvas("Image29").textAt(sc.X(87), sc.Y(103)), u"会員1"_s);
}

void TablesTest::spinButtonStepsWithinItsMaximum()
{
    Scenario s;
    s.loadRoster(steps::rosterLines(10));
    s.form.Label64Click();
    QCOMPARE(s.form.PageMax, 8);
    s.form.N32Click();
    s.form.Label56Click();
    for (int k = 0; k < 5; ++k) s.form.UpDown1Click();
    QCOMPARE(s.form.control("Edit19").text, u"3"_s);
    s.form.UpDown1Step(-1);
    QCOMPARE(s.form.control("Edit19").text, u"2"_s);
    for (int k = 0; k < 5; ++k) s.form.UpDown1Step(-1);
    QCOMPARE(s.form.control("Edit19").text, u"1"_s);
    QCOMPARE(s.form.PageNo, 1); // stepping alone draws nothing; 設定 does
}

void TablesTest::commandBoxHidesWhenClicked()
{
    Scenario s;
    s.form.Label64Click();
    QVERIFY(s.form.control("GroupBox1").visible);
    s.form.GroupBox1Click();
    QVERIFY(!s.form.control("GroupBox1").visible);
    s.form.Label64Click();
    QVERIFY(s.form.control("GroupBox1").visible);
}

void TablesTest::groupTabAfterAHandMadeCombinationKeepsTheRoster()
{
    Scenario s;
    const QStringList roster{member(u"山田"_s, u"緑会"_s), member(u"川上"_s, u"青会"_s),
                             member(u"森"_s, u"緑会"_s)};
    s.loadRoster(roster);
    s.form.KumiLines[0] = QStringList(12, u"1"_s);
    s.form.KumiLines[0][0] = u"3,2,0"_s; // rows of the whole roster
    s.form.HandMade = 1;
    s.form.Label64Click();
    s.form.Label53Click();
    s.form.Label44Click();
    QCOMPARE(s.form.MemberLines, roster);
    QCOMPARE(s.form.MemberCount(), 3);
    RecordingCanvas &table = s.platform.canvas("Image28");
    QCOMPARE(table.textAt(combinationNameAt(1, 0).x(), combinationNameAt(1, 0).y()), u"森"_s);
    QCOMPARE(table.textAt(combinationNameAt(1, 1).x(), combinationNameAt(1, 1).y()), u"山田"_s);
    QCOMPARE(s.form.KumiSlotText[0][0][1], u"山田,緑会"_s);
}

QTEST_APPLESS_MAIN(TablesTest)
#include "tst_tables.moc"
