// The score records of the places and the clear commands of the menu クリア.
#include "support/Scenario.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const ScoreSlot kEntered{u"3,2,40"_s, u"3"_s, u"2"_s, u"40"_s, u"2"_s};
const QString kPlayer = u"山田,緑会"_s;

void fill(TMainForm &form)
{
    for (auto &group : form.ScoreSlots)
        for (auto &party : group) party.fill(kEntered);
    for (auto &group : form.KumiSlotText)
        for (auto &party : group) party.fill(kPlayer);
}

// Every record of group g equals `value` (all 12 × 8 of them).
bool groupIs(const TMainForm &form, int g, const ScoreSlot &value)
{
    return std::all_of(form.ScoreSlots[g].begin(), form.ScoreSlots[g].end(), [&](const auto &party) {
        return std::all_of(party.begin(), party.end(), [&](const ScoreSlot &s) { return s == value; });
    });
}

bool textsAre(const TMainForm &form, const QString &value)
{
    for (const auto &group : form.KumiSlotText)
        for (const auto &party : group)
            if (std::any_of(party.begin(), party.end(), [&](const QString &t) { return t != value; }))
                return false;
    return true;
}
} // namespace

class Scores : public QObject
{
    Q_OBJECT
private slots:
    void clearingByKind_data();
    void clearingByKind();
    void clearCommandsAsk_data();
    void clearCommandsAsk();
};

void Scores::clearingByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("cleared");
    QTest::addColumn<bool>("textsEmptied");
    QTest::newRow("1: A") << 1 << QList<int>{0} << false;
    QTest::newRow("4: D") << 4 << QList<int>{3} << false;
    QTest::newRow("5: all") << 5 << QList<int>{0, 1, 2, 3} << false;
    QTest::newRow("6: slot texts") << 6 << QList<int>{} << true;
    QTest::newRow("7: nothing") << 7 << QList<int>{} << false;
    QTest::newRow("0: nothing") << 0 << QList<int>{} << false;
}

void Scores::clearingByKind()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, cleared);
    QFETCH(bool, textsEmptied);
    Scenario s;
    fill(s.form);
    s.form.TokutenClr(kind);
    for (int g = 0; g < GroupsMax; ++g)
        QVERIFY(groupIs(s.form, g,
                        cleared.contains(g) ? ScoreSlot{u"#"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s} : kEntered));
    QVERIFY(textsAre(s.form, textsEmptied ? QString() : kPlayer));
}

void Scores::clearCommandsAsk_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("cleared");
    QTest::newRow("全て") << 0 << u"入力済み得点を全て消去します。"_s << u"得点クリア"_s
                          << QList<int>{0, 1, 2, 3};
    QTest::newRow("A") << 1 << u"Aグループの得点をクリアします。"_s << u"Aクリア"_s << QList<int>{0};
    QTest::newRow("B") << 2 << u"Bグループの得点をクリアします。"_s << u"Bクリア"_s << QList<int>{1};
    QTest::newRow("C") << 3 << u"Cグループの得点をクリアします。"_s << u"Cクリア"_s << QList<int>{2};
    QTest::newRow("D") << 4 << u"Dグループの得点をクリアします。"_s << u"Dクリア"_s << QList<int>{3};
}

void Scores::clearCommandsAsk()
{
    QFETCH(int, command);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QList<int>, cleared);
    for (const int answer : {int(IdNo), int(IdYes)}) {
        Scenario s;
        fill(s.form);
        s.platform.answer(answer);
        void (TMainForm::*const commands[])() = {&TMainForm::N18Click, &TMainForm::A1Click,
                                                 &TMainForm::B1Click, &TMainForm::C1Click,
                                                 &TMainForm::D1Click};
        (s.form.*commands[command])();
        QCOMPARE(s.platform.boxes.size(), size_t(1));
        QCOMPARE_BOX(s.platform.boxes[0], text, caption, MsgIcon::None, MsgButtons::YesNo);
        for (int g = 0; g < GroupsMax; ++g)
            QVERIFY(
                groupIs(s.form, g, answer == IdYes && cleared.contains(g) ? ScoreSlot::cleared() : kEntered));
        QVERIFY(textsAre(s.form, kPlayer));
    }
}

QTEST_APPLESS_MAIN(Scores)
#include "tst_scores.moc"
