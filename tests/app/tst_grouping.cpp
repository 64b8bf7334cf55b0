// The party panels and stores on the form, the two number fields and the capacity check.
#include "support/GroupingSteps.h"

using namespace Qt::StringLiterals;
using namespace groupsteps;

class Grouping : public QObject
{
    Q_OBJECT
private slots:
    void panelsShowNamesLineByLine();
    void groupFieldWritesBackUpToFour_data();
    void groupFieldWritesBackUpToFour();
    void fieldClicks_data();
    void fieldClicks();
    void capacityCheck_data();
    void capacityCheck();
};

void Grouping::panelsShowNamesLineByLine()
{
    Scenario s;
    open(s, players(9));
    s.form.KumiList[0] = QStringList{u"8"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s};
    s.form.KumiList[9] = QStringList{u"7"_s};
    s.form.KumiHyo(2);
    QCOMPARE(s.form.KumiLines[1][0], u"9,8,0,1,2,3,4,5,6"_s);
    s.form.KumiList = {};
    s.form.KumiWake(2);
    s.form.DspKumi();
    QCOMPARE(panelNames(s, 1),
             (QStringList{u"男9"_s, u"男1"_s, u"男2"_s, u"男3"_s, u"男4"_s, u"男5"_s, u"男6"_s, u"男7"_s}));
    QCOMPARE(s.platform.canvas("Image11").drawnAt(5, 16 * 7 + 4)->fontHeight, 13);
    QCOMPARE(panelNames(s, 10), QStringList{u"男8"_s});
    s.form.KumiClr(10); // one panel blanked, its party kept
    QVERIFY(panelNames(s, 10).isEmpty() && !panelNames(s, 1).isEmpty() && !s.form.KumiList[9].isEmpty());
    s.form.KumiClr(13); // the parties emptied, the panels kept
    QVERIFY(s.form.KumiList[0].isEmpty() && !panelNames(s, 1).isEmpty());
    s.form.KumiOff();
    QVERIFY(!s.form.control("Image20").visible && !s.form.control("Label24").visible);
    s.form.KumiOn();
    QVERIFY(s.form.control("Image22").visible && s.form.control("Label28").visible);
    s.form.control("Label20").text = u"3"_s;
    s.form.ImgEnab();
    QVERIFY(s.form.PanelsClickable);
    s.form.ImgDsEnab();
    QVERIFY(!s.form.PanelsClickable && s.form.control("Label20").text.isEmpty());
}

void Grouping::groupFieldWritesBackUpToFour_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7 shows 4") << u"7"_s << u"4"_s;
    QTest::newRow("3 stays") << u"3"_s << u"3"_s;
    QTest::newRow("leading zero") << u"03"_s << u"3"_s;
    QTest::newRow("full-width") << u"２"_s << u"2"_s;
    QTest::newRow("letter left for 開始 to refuse") << u"a"_s << u"a"_s;
}

void Grouping::groupFieldWritesBackUpToFour()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Scenario s;
    s.form.Button2Click();
    QCOMPARE(s.form.typeInto("Edit16", typed), shown);
    QCOMPARE(s.form.typeInto("Edit6", u"20"_s), u"20"_s); // not limited while typing
}

void Grouping::fieldClicks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("editable");
    QTest::newRow("グループ数, read-only") << u"Edit16"_s << false;
    QTest::newRow("グループ数, editable") << u"Edit16"_s << true;
    QTest::newRow("一グループの組数, read-only") << u"Edit6"_s << false;
    QTest::newRow("一グループの組数, editable") << u"Edit6"_s << true;
}

void Grouping::fieldClicks()
{
    QFETCH(QString, field);
    QFETCH(bool, editable);
    Scenario s;
    open(s, players(20));
    if (editable) s.form.Button2Click();
    const QString before = s.form.control(field).text;
    s.form.Label75Click(); // 出場設定 pressed in
    s.form.clickField(field);
    QCOMPARE(s.form.control(field).text, editable ? QString() : before);
    // A click into 一グループの組数 releases the pressed-in labels even while it is read-only.
    QCOMPARE(s.form.EditMode, field == u"Edit6"_s ? editmode::None : editmode::Play);
    QCOMPARE(s.form.control("Label75").colour, field == u"Edit6"_s ? colours::ButtonFace : colours::Yellow);
    QCOMPARE(s.form.PlayOn, field != u"Edit6"_s);
}

void Grouping::capacityCheck_data()
{
    QTest::addColumn<int>("playing");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("parties");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("abort");
    QTest::addColumn<bool>("eightFrame");
    QTest::newRow("193 in 2x12") << 193 << u"2"_s << u"12"_s << 0 << u"設定が不適切です。やり直して下さい"_s
                                 << 1 << false;
    QTest::newRow("145 in 2x12, はい")
        << 145 << u"2"_s << u"12"_s << int(IdYes) << u"８人枠に切り替えて下さい"_s << 0 << true;
    QTest::newRow("145 in 2x12, いいえ")
        << 145 << u"2"_s << u"12"_s << int(IdNo) << u"８人枠に切り替えて下さい"_s << 0 << false;
    QTest::newRow("40 in 4x12") << 40 << u"4"_s << u"12"_s << 0
                                << u"組数かグループ数が不適切です。やり直して下さい"_s << 1 << false;
    QTest::newRow("97 in 1x15, as typed")
        << 97 << u"1"_s << u"15"_s << int(IdNo) << u"８人枠に切り替えて下さい"_s << 0 << false;
    QTest::newRow("no number") << 10 << u"2"_s << u"x"_s << 0 << u"一グループの組数には数字を入力して下さい"_s
                               << 1 << false;
}

void Grouping::capacityCheck()
{
    QFETCH(int, playing);
    QFETCH(QString, groups);
    QFETCH(QString, parties);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(int, abort);
    QFETCH(bool, eightFrame);
    Scenario s;
    open(s, players(playing));
    setDivision(s, groups, parties);
    s.platform.takeBoxes();
    if (answer) s.platform.answer(answer);
    s.form.GKOver();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes[0], text, answer ? u"組の人数がオーバーします"_s : u"警告"_s,
                 MsgIcon::Warning, answer ? MsgButtons::YesNo : MsgButtons::Ok);
    QCOMPARE(s.form.GKAbort, abort);
    QCOMPARE(s.form.ticked("N29"), eightFrame);
    QCOMPARE(s.form.ticked("N20"), !eightFrame);
}

QTEST_APPLESS_MAIN(Grouping)
#include "tst_grouping.moc"
