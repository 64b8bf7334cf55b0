// Swapping two players on the combination table: 入れ替え開始 / 入れ替え終り, メンバー選択,
// the red marks, 入れ替え実行, and scores that go with the players.
#include "TableSteps.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {
const tables::sheet::Scale kScale = tables::sheet::GridScreen;

// The combination table of group A (parties of `size`) with the swap buttons offered.
void onCombinationTable(Scenario &s, int parties, int size)
{
    storeCombination(s, 1, parties, size);
    s.form.Label64Click();
    s.form.Label53Click();
    s.form.Label44Click();
    s.form.N41Click();
}

void clickCell(Scenario &s, int row, int slot)
{
    const TMainForm &f = s.form;
    s.form.Image28MouseDown(f.GridLeft + f.GridColumnWidth * slot + f.GridColumnWidth / 2,
                            f.GridTop + f.GridRowH * row + f.GridRowH / 2);
}

// The red "＊" of cell (row, slot), placed from the table's units.
bool markedAt(Scenario &s, int row, int slot)
{
    const int left = kScale.offX(kScale.X(52), 75); // the first member column as drawn
    const int x = kScale.offX(left + kScale.X(175) * slot, 3);
    const int y = kScale.offY((row + 2) * kScale.Y(53), 28);
    const DrawnText *t = s.platform.canvas("Image28").drawnAt(x, y);
    return t && t->text == u"＊"_s && t->colour == colours::Red && t->fontHeight == kScale.font(18);
}

QString nameOnTable(Scenario &s, int party, int slot)
{
    const QPoint at = combinationNameAt(party, slot);
    return s.platform.canvas("Image28").textAt(at.x(), at.y());
}
} // namespace

class SwapTest : public QObject
{
    Q_OBJECT
private slots:
    void offeringAndHidingTheButtons();
    void offeringRefusedElsewhere_data();
    void offeringRefusedElsewhere();
    void swapBetweenTwoParties();
    void swapInsideOneParty();
    void thirdClickDoesNothing();
    void oneMarkWaitsForTheSecond();
    void executeWithoutSelectingSwapsNothing();
    void anEmptyPlaceAbandonsTheSwap();
    void scoresGoWithThePlayers();
};

void SwapTest::offeringAndHidingTheButtons()
{
    Scenario s;
    onCombinationTable(s, 3, 4);
    QVERIFY(s.platform.boxes.empty());
    QVERIFY(s.form.control("Button3").visible);
    QVERIFY(s.form.control("Button5").visible);
    QVERIFY(!s.form.control("Label1").visible);
    s.form.Button3Click();
    QCOMPARE(s.form.SwapOn, 1);
    QVERIFY(s.form.control("Label1").visible);
    // Another group's table keeps the buttons.
    s.form.Label44Click();
    QVERIFY(s.form.control("Button3").visible);
    s.form.N45Click();
    for (const char *hidden : {"Button3", "Button5", "Label1"}) QVERIFY(!s.form.control(hidden).visible);
    QCOMPARE(s.form.SwapOn, 1); // the swap state is kept
}

void SwapTest::offeringRefusedElsewhere_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("組み合わせ") << 2;
    QTest::newRow("スコア表") << 3;
    QTest::newRow("得点入力") << 5;
}

void SwapTest::offeringRefusedElsewhere()
{
    QFETCH(int, screen);
    Scenario s;
    storeCombination(s, 1, 2, 4);
    if (screen == 3) {
        s.form.Label64Click();
        s.form.Label43Click();
    } else if (screen == 5) {
        s.form.Label54Click();
    }
    s.form.N41Click();
    QCOMPARE(s.platform.boxes.size(), std::size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"組み合せ表作成以外は使えません"_s, u"警告"_s, MsgIcon::Warning,
                 MsgButtons::Ok);
    QVERIFY(!s.form.control("Button3").visible);
    QVERIFY(!s.form.control("Button5").visible);
    QCOMPARE(s.form.GKAbort, 1);
}

void SwapTest::swapBetweenTwoParties()
{
    Scenario s;
    onCombinationTable(s, 6, 4);
    const QStringList before = s.form.KumiLines[0];
    s.form.Button3Click();
    clickCell(s, 1, 2); // party 2, slot 3
    QVERIFY(markedAt(s, 1, 2));
    QCOMPARE(s.form.SwapPicks, 1);
    clickCell(s, 4, 0); // party 5, slot 1
    QVERIFY(markedAt(s, 4, 0));
    QCOMPARE(s.form.SwapPicks, 2);
    s.form.Button5Click();

    QCOMPARE(nameOnTable(s, 2, 2), storedName(1, 5, 0, 4));
    QCOMPARE(nameOnTable(s, 5, 0), storedName(1, 2, 2, 4));
    QVERIFY(!markedAt(s, 1, 2));
    QVERIFY(!markedAt(s, 4, 0));
    const QStringList after = s.form.KumiLines[0];
    QCOMPARE(after.at(1), u"5,4,5,16,7"_s);
    QCOMPARE(after.at(4), u"5,6,17,18,19"_s);
    for (int p = 0; p < 12; ++p)
        if (p != 1 && p != 4) QCOMPARE(after.at(p), before.at(p));
    for (int p = 1; p <= 6; ++p)
        for (int slot = 0; slot < 4; ++slot)
            if (!(p == 2 && slot == 2) && !(p == 5 && slot == 0))
                QCOMPARE(nameOnTable(s, p, slot), storedName(1, p, slot, 4));
    QCOMPARE(s.form.SwapOn, 0);
    QCOMPARE(s.form.SwapPicks, 0);
    QVERIFY(!s.form.control("Label1").visible);
    QVERIFY(s.form.control("Button3").visible);
    // The table after the swap is the table drawn afresh: the marks' erase cut nothing.
    const auto shown = [&s] {
        QStringList texts;
        for (const DrawnText &t : s.platform.canvas("Image28").visibleTexts())
            texts << u"%1,%2,%3"_s.arg(t.x).arg(t.y).arg(t.text);
        texts.sort();
        return texts;
    };
    const QStringList afterSwap = shown();
    s.form.Label44Click();
    QCOMPARE(afterSwap, shown());
    // Marking needs メンバー選択 again.
    clickCell(s, 0, 0);
    QVERIFY(!markedAt(s, 0, 0));
}

void SwapTest::swapInsideOneParty()
{
    Scenario s;
    onCombinationTable(s, 2, 4);
    s.form.Button3Click();
    clickCell(s, 0, 0);
    clickCell(s, 0, 3);
    s.form.Button5Click();
    QCOMPARE(s.form.KumiLines[0].at(0), u"5,3,1,2,0"_s);
    QCOMPARE(nameOnTable(s, 1, 0), storedName(1, 1, 3, 4));
    QCOMPARE(nameOnTable(s, 1, 3), storedName(1, 1, 0, 4));
    QCOMPARE(s.form.KumiLines[0].at(1), u"5,4,5,6,7"_s);
}

void SwapTest::thirdClickDoesNothing()
{
    Scenario s;
    onCombinationTable(s, 3, 4);
    s.form.Button3Click();
    clickCell(s, 0, 1);
    clickCell(s, 2, 2);
    const std::size_t drawn = s.platform.canvas("Image28").visibleTexts().size();
    clickCell(s, 1, 3);
    QVERIFY(!markedAt(s, 1, 3));
    QCOMPARE(s.platform.canvas("Image28").visibleTexts().size(), drawn);
    QCOMPARE(s.form.SwapSecond, QPoint(2, 2));
    // メンバー選択 then withdraws both marks.
    s.form.Button3Click();
    QVERIFY(!markedAt(s, 0, 1));
    QVERIFY(!markedAt(s, 2, 2));
    QCOMPARE(s.form.SwapPicks, 0);
    QVERIFY(!s.form.control("Label1").visible);
    QCOMPARE(s.form.SwapOn, 1);
}

void SwapTest::oneMarkWaitsForTheSecond()
{
    Scenario s;
    onCombinationTable(s, 3, 4);
    const QStringList before = s.form.KumiLines[0];
    s.form.Button3Click();
    clickCell(s, 2, 1);
    s.form.Button5Click();
    QCOMPARE(s.form.KumiLines[0], before);
    QVERIFY(markedAt(s, 2, 1));
    QCOMPARE(s.form.SwapPicks, 1);
    clickCell(s, 1, 1);
    s.form.Button5Click();
    QCOMPARE(nameOnTable(s, 3, 1), storedName(1, 2, 1, 4));
    QCOMPARE(nameOnTable(s, 2, 1), storedName(1, 3, 1, 4));
    QCOMPARE(nameOnTable(s, 1, 0), storedName(1, 1, 0, 4)); // party 1, slot 1 untouched
}

void SwapTest::executeWithoutSelectingSwapsNothing()
{
    Scenario s;
    onCombinationTable(s, 3, 4);
    const QStringList before = s.form.KumiLines[0];
    s.form.Button5Click();
    QCOMPARE(s.form.KumiLines[0], before);
    QCOMPARE(nameOnTable(s, 1, 0), storedName(1, 1, 0, 4));
    QCOMPARE(s.form.SwapPicks, 0);
    QVERIFY(s.platform.boxes.empty());
}

void SwapTest::anEmptyPlaceAbandonsTheSwap()
{
    Scenario s;
    onCombinationTable(s, 3, 4);
    const QStringList before = s.form.KumiLines[0];
    s.form.Button3Click();
    clickCell(s, 0, 1);
    clickCell(s, 1, 5); // no player in slot 6
    s.form.Button5Click();
    QCOMPARE(s.form.KumiLines[0], before);
    QCOMPARE(s.form.SwapOn, 1);
    QCOMPARE(s.form.SwapPicks, 0);
    QVERIFY(s.platform.boxes.empty());
}

void SwapTest::scoresGoWithThePlayers()
{
    Scenario s;
    onCombinationTable(s, 3, 4);
    s.form.TokutenClr(1);
    const ScoreSlot entered{u"2,3,40"_s, u"2"_s, u"3"_s, u"40"_s, u"1"_s};
    s.form.ScoreSlots[0][0][0] = entered;
    const ScoreSlot cleared = s.form.ScoreSlots[0][2][3];
    s.form.Button3Click();
    clickCell(s, 0, 0);
    clickCell(s, 2, 3);
    s.form.Button5Click();
    QCOMPARE(s.form.ScoreSlots[0][2][3], entered);
    QCOMPARE(s.form.ScoreSlots[0][0][0], cleared);
    QCOMPARE(s.form.KumiSlotText[0][0][0], storedName(1, 3, 3, 4) + u",班1"_s);
    QCOMPARE(s.form.KumiSlotText[0][2][3], storedName(1, 1, 0, 4) + u",班1"_s);
    // The hint line says so; メンバー選択 brings its own hint back.
    QVERIFY(s.form.control("Label1").visible);
    QCOMPARE(s.form.control("Label1").text, u"入れ替えました。入力済みの得点も選手と一緒に移しました。"_s);
    s.form.Button3Click();
    QCOMPARE(s.form.control("Label1").text,
             u"入れ替える選手を選び、次に相手の選手を選んで実行を押して下さい。"_s);
}

QTEST_APPLESS_MAIN(SwapTest)
#include "tst_swap.moc"
