// A fresh start of the program: the screen it opens on, the start values of its
// state and menus, today's date, and the roster's start values.
#include "support/RosterLine.h"
#include "support/Scenario.h"

using namespace Qt::StringLiterals;

class StartUp : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheCombinationScreen();
    void ticksTheSixDefaultOptionsOnly();
    void takesTheDateFromTheClock_data();
    void takesTheDateFromTheClock();
    void startsWithEmptyRosterAndStartValues();
    void agesFollowTheBirthday_data();
    void agesFollowTheBirthday();
    void readsTheGroupNamesFromTheSettings();
};

void StartUp::opensOnTheCombinationScreen()
{
    Scenario s;
    QCOMPARE(s.form.Screen, screen::Combination);
    QCOMPARE(s.form.Combining, 0);
    QCOMPARE(s.form.CurGroup, curgroup::None);
    QCOMPARE(s.form.EditMode, editmode::None);
    QCOMPARE(s.form.control("Label42").colour, colours::Yellow);
    for (const char *tab : {"Label40", "Label64", "Label54"})
        QCOMPARE(s.form.control(tab).colour, colours::ButtonFace);
    for (const char *label : {"Label3", "Label4", "Label84"})
        QCOMPARE(s.form.control(label).colour, colours::White);
    for (const char *tab : {"Label44", "Label45", "Label46", "Label47"})
        QCOMPARE(s.form.control(tab).colour, colours::Cream);
    // The combination screen's areas.
    for (const char *shown : {"Panel1", "Panel3", "Panel4", "Panel5", "Panel6", "Panel8", "Panel9", "Label75",
                              "Label76", "Label77", "Button2"})
        QVERIFY2(s.form.control(shown).visible, shown);
    for (const char *hidden : {"Panel2", "Panel10", "GroupBox1", "Label5", "Label6", "Button6"})
        QVERIFY2(!s.form.control(hidden).visible, hidden);
    QVERIFY(s.form.control("Button1").enabled);
    QVERIFY(s.form.control("Button4").enabled);
    QVERIFY(!s.form.control("Button10").enabled);
    QVERIFY(!s.form.control("Button9").enabled);
    QVERIFY(s.form.control("Edit16").readOnly);
    QVERIFY(s.form.control("Edit6").readOnly);
    QCOMPARE(s.form.control("Label25").text, u"出場設定数   0"_s);
    QCOMPARE(s.form.control("Edit16").text, u"0"_s);
    QCOMPARE(s.form.control("Edit6").text, u"0"_s);
    QCOMPARE(s.form.control("Label10").text, u"メンバー一覧表"_s);
    QCOMPARE(s.form.HeaderColumn5, u"出場種別"_s);
    QCOMPARE(s.form.HeaderColumn6, u"貼付"_s);
    QVERIFY(s.platform.boxes.empty());
}

void StartUp::ticksTheSixDefaultOptionsOnly()
{
    Scenario s;
    const std::pair<const char *, const char *> pairs[] = {{"N20", "N29"},
                                                           {"N31", "N32"},
                                                           {"N35", "N36"},
                                                           {"N48", "N47"},
                                                           {"N43", "N44"},
                                                           {"N38", "N37"},
                                                           {"SpreadTeamsOff", "SpreadTeamsOn"}};
    for (const auto &[on, off] : pairs) {
        QVERIFY2(s.form.control(on).checked, on);
        QVERIFY2(!s.form.control(off).checked, off);
    }
    QVERIFY(s.form.control("N33").checked); // no leader group designated
    for (const char *designation : {"A3", "B3", "C3", "D3"}) QVERIFY(!s.form.control(designation).checked);
}

void StartUp::takesTheDateFromTheClock_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("monthDay");
    QTest::newRow("7 December") << QDate(2026, 12, 7) << 1207;
    QTest::newRow("29 February") << QDate(2028, 2, 29) << 229;
    QTest::newRow("1 January") << QDate(2027, 1, 1) << 101;
}

void StartUp::takesTheDateFromTheClock()
{
    QFETCH(QDate, date);
    QFETCH(int, monthDay);
    Scenario s(QDateTime(date, QTime(9, 30)));
    QCOMPARE(s.form.TodayMonthDay, monthDay);
    QCOMPARE(s.form.ThisYear, date.year());
    QCOMPARE(s.form.control("Edit10").text, QString::number(date.year()));
    QCOMPARE(s.form.control("Edit11").text, QString::number(date.month()));
    QCOMPARE(s.form.control("Edit12").text, QString::number(date.day()));
}

void StartUp::startsWithEmptyRosterAndStartValues()
{
    Scenario s;
    QCOMPARE(s.form.MemberCount(), 0);
    QVERIFY(s.form.SavedMemberLines.isEmpty());
    QCOMPARE(s.form.MaxMembers, 300);
    QCOMPARE(s.form.ListRows, 301);
    QCOMPARE(s.form.RowHeight, 28);
    QCOMPARE(s.form.LeaderGroupSel, u"3"_s);
    for (const Member &m : s.form.Members) QCOMPARE(m, Member::startValue());
    QCOMPARE(Member::startValue().Name, u"　"_s);
    QCOMPARE(Member::startValue().PlayMark, u"off"_s);
}

void StartUp::agesFollowTheBirthday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("age");
    QTest::newRow("the day before") << QDate(2026, 10, 9) << u"90"_s;
    QTest::newRow("the birthday") << QDate(2026, 10, 10) << u"91"_s;
    QTest::newRow("after") << QDate(2026, 12, 7) << u"91"_s;
}

void StartUp::agesFollowTheBirthday()
{
    QFETCH(QDate, today);
    QFETCH(QString, age);
    Scenario s(QDateTime(today, QTime(8, 0)));
    s.loadRoster({rosterLine(u"山田"_s), rosterLine(u"川上"_s).woman().born(u"非表示"_s, 10, 10, 10)});
    QCOMPARE(s.form.Members[0].Age, age);
    QCOMPARE(s.form.Members[1].Age, u"0"_s);
}

void StartUp::readsTheGroupNamesFromTheSettings()
{
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
               {{u"GrpA"_s, u"ひまわり"_s}, {u"GrpC"_s, QString()}});
    QCOMPARE(s.form.GroupDisplayName[0], u"ひまわり"_s);
    QCOMPARE(s.form.GroupDisplayName[1], u"B"_s);
    QCOMPARE(s.form.GroupDisplayName[2], QString());
    QCOMPARE(s.form.GroupDisplayName[3], u"D"_s);
}

QTEST_APPLESS_MAIN(StartUp)
#include "tst_startup.moc"
