// 自分で組み合せ: 開始, picking, pasting into and taking back from the party panels,
// switching groups, and 完了.
#include "support/GroupingSteps.h"

using namespace Qt::StringLiterals;
using namespace groupsteps;

namespace {
void paste(Scenario &s, int row, int party)
{
    s.form.pickMemberForPaste(row);
    s.form.kumiPanelMouseDown(party, 10);
}

// The current group's stored parties name exactly what the panels show.
void checkStoredAsShown(Scenario &s)
{
    QCOMPARE(s.form.KumiLines[groupIndex(s.form.CurGroup)].size(), 12);
    for (int k = 1; k <= 12; ++k) QCOMPARE(storedNames(s, groupNumber(s.form.CurGroup), k), panelNames(s, k));
}

int placedCount(const TMainForm &form)
{
    return static_cast<int>(std::count_if(form.Members.begin(), form.Members.begin() + form.MemberCount(),
                                          [](const Member &m) { return m.placed(); }));
}

void startByHand(Scenario &s, int count)
{
    open(s, players(count));
    s.form.Button4Click();
}
} // namespace

class ManualDivision : public QObject
{
    Q_OBJECT
private slots:
    void startPressesPasteWithGroupACurrent();
    void startRefusals();
    void startMarksWhoStandsInTheStoredParties_data();
    void startMarksWhoStandsInTheStoredParties();
    void pastingAndPicking();
    void aNinthPlayerStaysPicked();
    void takingBack_data();
    void takingBack();
    void takeBackEndsPasteMode();
    void eachGroupKeepsItsParties();
    void finishKeepsThePartiesAndTheMarks();
};

void ManualDivision::startPressesPasteWithGroupACurrent()
{
    Scenario s;
    startByHand(s, 10);
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(std::make_tuple(s.form.Combining, s.form.HandMade, s.form.AutoMade, s.form.CurGroup),
             std::make_tuple(1, 1, 0, curgroup::A));
    QCOMPARE(std::make_tuple(s.form.PasteOn, s.form.ReturnOn, s.form.EditMode),
             std::make_tuple(1, 0, editmode::Paste));
    QCOMPARE(s.form.control("Label78").colour, colours::Yellow);
    for (const char *c : {"Button4", "Button1", "Label75", "Label76", "Label77"})
        QVERIFY(!s.form.control(c).enabled);
    for (const char *c : {"Button9", "Label78", "Label79"}) QVERIFY(s.form.control(c).enabled);
    QVERIFY(s.form.control("Edit6").readOnly && s.form.control("Edit16").readOnly);
    QCOMPARE(s.form.control("Label23").fontColour, colours::White);
    // A second 開始 while combining does nothing.
    s.form.Label79Click();
    s.form.Button4Click();
    QCOMPARE(s.form.ReturnOn, 1);
}

void ManualDivision::startRefusals()
{
    // Over a stored automatic combination, whose indexes are rows of the group lists.
    Scenario s;
    open(s, players(12));
    s.form.Button1Click();
    s.form.Button10Click();
    const auto stored = s.form.KumiLines;
    s.form.Button4Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes[0],
                 u"おまかせで作った組み合わせがあります。「やり直し」を押してから始めて下さい"_s, u"警告"_s,
                 MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(std::make_tuple(s.form.Combining, s.form.AutoMade, s.form.HandMade), std::make_tuple(0, 1, 0));
    QVERIFY(s.form.KumiLines == stored);
    s.form.Label42Click(); // also after the tab 「組み合わせ」, which clears AutoMade
    s.form.Button4Click();
    QCOMPARE(s.platform.boxes.size(), size_t(2));
    QCOMPARE(s.form.Combining, 0);
    s.platform.answer(IdYes);
    s.form.Button2Click(); // やり直し, then it starts
    s.form.Button4Click();
    QCOMPARE(s.form.HandMade, 1);

    Scenario t;
    open(t, players(3));
    t.form.PlayCount = 301; // a count no roster of 300 reaches
    t.form.Button4Click();
    QCOMPARE_BOX(t.platform.boxes.at(0), u"出場者数が300名を超えています"_s, u"出場者オーバー"_s,
                 MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(t.form.Combining, 0);
}

void ManualDivision::startMarksWhoStandsInTheStoredParties_data()
{
    QTest::addColumn<int>("between"); // what is done between two combinations by hand
    QTest::addColumn<bool>("placed"); // whether 男1 stands in a stored party at the second 開始
    QTest::newRow("全員を出場に設定") << 0 << true;
    QTest::newRow("設定取消, then 出場設定") << 1 << true;
    QTest::newRow("組み合わせデータをクリア") << 2 << false;
}

void ManualDivision::startMarksWhoStandsInTheStoredParties()
{
    QFETCH(int, between);
    QFETCH(bool, placed);
    Scenario s;
    startByHand(s, 6);
    paste(s, 0, 1);
    s.form.Button9Click();
    s.form.Label42Click();
    if (between == 0) s.form.N9Click();
    if (between == 1) {
        s.form.Label77Click();
        s.form.clickMemberList(0);
        s.form.Label75Click();
        s.form.clickMemberList(0);
    }
    if (between == 2) {
        s.platform.answer(IdYes);
        s.form.N16Click();
    }
    QCOMPARE(s.form.Members[0].placed(), !placed); // the mark no longer tells
    s.form.Button4Click();
    QCOMPARE(s.form.Members[0].placed(), placed);
    QCOMPARE(s.form.SavedMemberLines[0].contains(u",on,off,on"_s), placed);
    QCOMPARE(s.form.control("Label37").text, u"貼り付け数   "_s + QString::number(placed ? 1 : 0));
    s.form.pickMemberForPaste(0);
    QCOMPARE(s.form.control("Label20").text, placed ? QString() : u"0"_s);
}

void ManualDivision::pastingAndPicking()
{
    Scenario s;
    QStringList roster = players(6);
    roster[4] = line(u"休み"_s, u"女"_s, u"off"_s);
    open(s, roster);
    s.form.Button4Click();
    s.form.clickMemberList(2);
    QCOMPARE(s.form.control("Label20").text, u"2"_s);
    QVERIFY(s.form.PanelsClickable);
    const DrawnText *mark = s.platform.canvas("Image1").drawnAt(TMainForm::PasteMarkX, s.form.rowTextY(2));
    QVERIFY(mark && mark->text == u"⇒"_s && mark->colour == colours::Black);
    s.form.pickMemberForPaste(9); // below the last member: ignored
    QCOMPARE(s.form.control("Label20").text, u"2"_s);

    s.form.kumiPanelMouseDown(4, 50);
    QCOMPARE(panelNames(s, 4), QStringList{u"男3"_s});
    QVERIFY(s.form.Members[2].placed() && s.form.SavedMemberLines[2].contains(u",on,off,on"_s));
    QCOMPARE(s.form.control("Label37").text, u"貼り付け数   1"_s);
    QVERIFY(!s.form.PanelsClickable && s.form.control("Label20").text.isEmpty());
    checkStoredAsShown(s);

    // A placed or idle member is not picked, and a panel click then places nobody.
    for (const int row : {2, 4}) {
        s.form.pickMemberForPaste(row);
        QVERIFY(s.form.control("Label20").text.isEmpty());
        s.form.kumiPanelMouseDown(1, 10);
        QVERIFY(s.form.KumiList[0].isEmpty());
    }
    paste(s, 5, 4);
    QCOMPARE(panelNames(s, 4), (QStringList{u"男3"_s, u"男6"_s}));
    checkStoredAsShown(s);
    QVERIFY(s.platform.boxes.empty());
}

void ManualDivision::aNinthPlayerStaysPicked()
{
    Scenario s;
    startByHand(s, 10);
    for (int row = 0; row < 8; ++row) paste(s, row, 1);
    QVERIFY(s.form.KumiLines[0][0].startsWith(u"9,"_s));
    s.form.pickMemberForPaste(8);
    s.form.kumiPanelMouseDown(1, 10);
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes[0], u"人数オーバーです"_s, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.KumiList[0].size(), 8);
    QCOMPARE(s.form.control("Label20").text, u"8"_s);
    checkStoredAsShown(s);
    s.form.kumiPanelMouseDown(2, 10); // the pick goes to another party
    QCOMPARE(panelNames(s, 2), QStringList{u"男9"_s});
    checkStoredAsShown(s);
}

void ManualDivision::takingBack_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("slot"); // -1: nobody there
    QTest::newRow("y 70: the fifth") << 70 << 4;
    QTest::newRow("y 86: below the last") << 86 << -1;
    QTest::newRow("y 0: above the first line") << 0 << 0;
    QTest::newRow("y 19: the second") << 19 << 1;
}

void ManualDivision::takingBack()
{
    QFETCH(int, y);
    QFETCH(int, slot);
    Scenario s;
    startByHand(s, 8);
    for (int row = 0; row < 5; ++row) paste(s, row, 3);
    paste(s, 6, 5);
    s.form.Label79Click();
    s.form.kumiPanelMouseDown(3, y);
    QStringList expected{u"男1"_s, u"男2"_s, u"男3"_s, u"男4"_s, u"男5"_s};
    if (slot < 0) {
        QCOMPARE_BOX(s.platform.boxes.at(0), u"無効な操作です"_s, u"警告"_s, MsgIcon::Warning,
                     MsgButtons::Ok);
    } else {
        QVERIFY(s.platform.boxes.empty());
        expected.removeAt(slot);
        QVERIFY(!s.form.Members[slot].placed() && s.form.SavedMemberLines[slot].contains(u",on,off,off"_s));
    }
    QCOMPARE(placedCount(s.form), slot < 0 ? 6 : 5);
    QCOMPARE(panelNames(s, 3), expected);
    QCOMPARE(s.form.KumiLines[0][2].left(2), QString::number(expected.size() + 1) + u',');
    checkStoredAsShown(s);
}

void ManualDivision::takeBackEndsPasteMode()
{
    Scenario s;
    startByHand(s, 5);
    paste(s, 0, 1);
    s.form.pickMemberForPaste(1);
    s.form.Label79Click();
    QCOMPARE(std::make_tuple(s.form.PasteOn, s.form.ReturnOn, s.form.EditMode),
             std::make_tuple(0, 1, editmode::None));
    s.form.kumiPanelMouseDown(1, 4); // takes back instead of pasting
    QVERIFY(s.form.KumiList[0].isEmpty());
    QCOMPARE(placedCount(s.form), 0);
    checkStoredAsShown(s);
    s.form.Label79Click(); // released by a second click
    QCOMPARE(s.form.control("Label79").colour, colours::White);
    QCOMPARE(std::make_tuple(s.form.ReturnOn, s.form.EditMode), std::make_tuple(0, editmode::None));
}

void ManualDivision::eachGroupKeepsItsParties()
{
    Scenario s;
    startByHand(s, 6);
    paste(s, 0, 1);
    s.form.Label45Click(); // group tab B
    QCOMPARE(s.form.CurGroup, curgroup::B);
    QVERIFY(panelNames(s, 1).isEmpty());
    s.form.pickMemberForPaste(0); // placed in group A
    QVERIFY(s.form.control("Label20").text.isEmpty());
    paste(s, 2, 1);
    checkStoredAsShown(s);
    s.form.Label44Click(); // group tab A
    QCOMPARE(panelNames(s, 1), QStringList{u"男1"_s});
    QCOMPARE(s.form.MemberLines, s.form.SavedMemberLines);
    checkStoredAsShown(s);

    // 完了, the tab 組み合わせ (no group current), and 開始 again: group A's stored parties
    // are taken over, not the parties last shown.
    s.form.Label45Click();
    s.form.Button9Click();
    s.form.Label42Click();
    s.form.Button4Click();
    QCOMPARE(panelNames(s, 1), QStringList{u"男1"_s});
    paste(s, 3, 1);
    QCOMPARE(s.form.KumiLines[0][0], u"3,0,3"_s);
    QCOMPARE(s.form.KumiLines[1][0], u"2,2"_s);
}

void ManualDivision::finishKeepsThePartiesAndTheMarks()
{
    Scenario s;
    startByHand(s, 6);
    paste(s, 3, 1);
    paste(s, 4, 2);
    s.form.pickMemberForPaste(5);
    const auto stored = s.form.KumiLines;
    s.form.Button9Click();
    QCOMPARE(s.form.Combining, 0);
    QVERIFY(s.form.KumiLines == stored);
    for (const char *c : {"Label75", "Label76", "Label77"}) QVERIFY(s.form.control(c).enabled);
    for (const char *c : {"Label78", "Label79", "Button4", "Button1", "Button9"})
        QVERIFY(!s.form.control(c).enabled);
    QCOMPARE(std::make_tuple(s.form.PasteOn, s.form.EditMode, s.form.PanelsClickable),
             std::make_tuple(0, editmode::None, false));
    QCOMPARE(s.form.MemberLines, s.form.SavedMemberLines);
    QCOMPARE(placedCount(s.form), 2);
    QCOMPARE(s.form.control("Label37").text, u"貼り付け数   2"_s);
    QCOMPARE(s.form.control("Label25").text, u"出場設定数   6"_s);

    // やり直し then discards what was made by hand, once the question is answered はい.
    s.platform.answer(IdYes);
    s.form.Button2Click();
    QVERIFY(
        std::all_of(s.form.KumiLines.begin(), s.form.KumiLines.end(), [](auto &l) { return l.isEmpty(); }));
    QCOMPARE(placedCount(s.form), 0);
    QCOMPARE(s.form.HandMade, 0);
}

QTEST_APPLESS_MAIN(ManualDivision)
#include "tst_manual.moc"
