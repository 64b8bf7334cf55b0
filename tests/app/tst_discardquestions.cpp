// The commands that throw a combination and its entered scores away ask first: いいえ leaves
// the whole form as it was, はい does what the command always did.
#include "support/GroupingSteps.h"

using namespace Qt::StringLiterals;
using namespace groupsteps;

namespace {
using Command = void (TMainForm::*)();

// Everything a discard could touch, the controls with their texts and colours included.
struct Snapshot {
    std::map<QString, Control> controls;
    QStringList memberLines, savedMemberLines;
    std::array<QStringList, 4> kumiLines, groupList;
    std::array<QStringList, 12> kumiList;
    ScoreSlotArray scores;
    SlotTextArray slotTexts;
    ::screen screen;
    tablekind tableMode;
    curgroup curGroup;
    int combining, autoMade, handMade;
    std::map<QString, quint64> pictures;
    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

Snapshot snapshot(Scenario &s)
{
    TMainForm &f = s.form;
    std::map<QString, quint64> pictures;
    for (const auto &[name, canvas] : s.platform.pictures) pictures[name] = canvas->revision();
    return Snapshot{f.controls(), f.MemberLines, f.SavedMemberLines, f.KumiLines, f.GroupList,
                    f.KumiList,   f.ScoreSlots,  f.KumiSlotText,     f.Screen,    f.TableMode,
                    f.CurGroup,   f.Combining,   f.AutoMade,         f.HandMade,  pictures};
}

// Twelve players in two groups of two parties, the combination finished; then, when asked,
// results for the first two places of group A on the score-entry screen.
void meetingWithScores(Scenario &s, int entered)
{
    divide(s, players(8, 4), u"2"_s, u"2"_s);
    s.form.Button10Click();
    s.form.Label54Click();
    s.form.Label44Click();
    for (int i = 0; i < entered; ++i) {
        s.form.typeInto("Edit3", u"1"_s);
        s.form.typeInto("Edit4", u"2"_s);
        s.form.typeInto("Edit5", u"30"_s);
        s.form.entryFieldKey(u"Edit5"_s, 13);
    }
    s.platform.takeBoxes();
}
} // namespace

class DiscardQuestionsTest : public QObject
{
    Q_OBJECT
private slots:
    void askedBeforeDiscarding_data();
    void askedBeforeDiscarding();
    void nothingToLoseAsksNothing_data() { askedBeforeDiscarding_data(); }
    void nothingToLoseAsksNothing();
};

void DiscardQuestionsTest::askedBeforeDiscarding_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("fromCombinationScreen");
    QTest::newRow("tab メンバー登録") << u"メンバー登録"_s << &TMainForm::Label40Click << false;
    QTest::newRow("やり直し") << u"やり直し"_s << &TMainForm::Button2Click << true;
    QTest::newRow("組み合わせデータをクリア")
        << u"組み合わせデータをクリア"_s << &TMainForm::N16Click << false;
    QTest::newRow("おまかせ 開始") << u"おまかせで組み合せ"_s << &TMainForm::Button1Click << true;
}

void DiscardQuestionsTest::askedBeforeDiscarding()
{
    QFETCH(QString, caption);
    QFETCH(Command, command);
    QFETCH(bool, fromCombinationScreen);
    for (const int entered : {2, 0}) {
        Scenario s;
        meetingWithScores(s, entered);
        if (fromCombinationScreen) s.form.Label42Click();
        const Snapshot before = snapshot(s);

        s.platform.answer(IdNo);
        (s.form.*command)();
        const QString text = entered ? u"組み合わせと入力済みの得点（2名分）を消去します。よろしいですか"_s
                                     : u"組み合わせを消去します。よろしいですか"_s;
        const std::vector<ShownBox> boxes = s.platform.takeBoxes();
        QCOMPARE(boxes.size(), std::size_t(1));
        QCOMPARE_BOX(boxes.front(), text, caption, MsgIcon::Question, MsgButtons::YesNo);
        QVERIFY(snapshot(s) == before);

        s.platform.answer(IdYes);
        (s.form.*command)();
        QCOMPARE(s.platform.takeBoxes().front().text, text);
        QCOMPARE(s.form.playersWithEntries(), 0);
        if (command != &TMainForm::Button1Click) QVERIFY(!s.form.combinationExists());
        QCOMPARE(s.platform.unexpectedQuestions, 0);
    }
}

void DiscardQuestionsTest::nothingToLoseAsksNothing()
{
    QFETCH(QString, caption);
    QFETCH(Command, command);
    QFETCH(bool, fromCombinationScreen);
    Scenario s;
    open(s, players(8, 4));
    if (!fromCombinationScreen) s.form.Label64Click();
    (s.form.*command)();
    for (const ShownBox &box : s.platform.boxes) QVERIFY2(box.caption != caption, qPrintable(box.text));
    QCOMPARE(s.platform.unexpectedQuestions, 0);
}

QTEST_APPLESS_MAIN(DiscardQuestionsTest)
#include "tst_discardquestions.moc"
