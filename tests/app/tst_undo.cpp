// 元に戻す and 再実行: every kind of step gives back the data file's bytes from before it and
// makes them again, on the screen it was made on; the history's rules.
#include "TableSteps.h"
#include "datafile/MeetingFile.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {
QByteArray bytes(Scenario &s) { return datafile::write(s.form.meetingAsSaved()).bytes; }

// A user's action through the form's one entry for commands.
void act(Scenario &s, const char *source, const std::function<void()> &command)
{
    s.form.perform(QString::fromLatin1(source), command);
}

void clickCell(Scenario &s, int row, int slot)
{
    const TMainForm &f = s.form;
    act(s, "Image28", [&] {
        s.form.Image28MouseDown(f.GridLeft + f.GridColumnWidth * slot + f.GridColumnWidth / 2,
                                f.GridTop + f.GridRowH * row + f.GridRowH / 2);
    });
}

void enter(Scenario &s, const QString &one, const QString &two, const QString &total)
{
    act(s, "Edit3", [&] { s.form.typeInto("Edit3", one); });
    act(s, "Edit3", [&] { s.form.entryFieldKey(u"Edit3"_s, 13); });
    act(s, "Edit4", [&] { s.form.typeInto("Edit4", two); });
    act(s, "Edit4", [&] { s.form.pressEnter(u"Edit4"_s); });
    act(s, "Edit5", [&] { s.form.typeInto("Edit5", total); });
    act(s, "Edit5", [&] { s.form.pressEnter(u"Edit5"_s); });
}

void onRoster(Scenario &s) { steps::onRegistrationScreen(s, steps::rosterLines(5)); }
void onCombinationScreen(Scenario &s) { groupsteps::open(s, steps::rosterLines(5)); }
void onScoreEntry(Scenario &s)
{
    storeCombination(s, 2, 3, 4);
    s.form.Label54Click();
    s.form.groupTab(2);
}

struct Row {
    const char *name;
    void (*setup)(Scenario &);
    std::function<void(Scenario &)> step;
    QString label;
};

const std::vector<Row> &rows()
{
    static const std::vector<Row> table{
        {"registration", onRoster,
         [](Scenario &s) {
             steps::fillForm(s, {u"山田"_s, u"緑会"_s, steps::Woman});
             act(s, "Button6", [&] { s.form.Button6Click(); });
         },
         u"メンバー登録"_s},
        {"correction", onRoster,
         [](Scenario &s) {
             act(s, "Label4", [&] { s.form.Label4Click(); });
             act(s, "Image1", [&] { s.form.clickMemberList(1); });
             s.form.typeInto("Edit1", u"川上"_s);
             act(s, "Button6", [&] { s.form.Button6Click(); });
         },
         u"メンバー修正"_s},
        {"move", onRoster,
         [](Scenario &s) {
             act(s, "Label5", [&] { s.form.Label5Click(); });
             act(s, "Image1", [&] { s.form.clickMemberList(3); });
             act(s, "Image1", [&] { s.form.clickMemberList(0); });
         },
         u"メンバー移動"_s},
        {"delete", onRoster,
         [](Scenario &s) {
             act(s, "Label6", [&] { s.form.Label6Click(); });
             s.platform.answer(IdYes);
             act(s, "Image1", [&] { s.form.clickMemberList(2); });
         },
         u"メンバー削除"_s},
        {"mark", onCombinationScreen,
         [](Scenario &s) {
             act(s, "Label75", [&] { s.form.Label75Click(); });
             act(s, "Image1", [&] { s.form.clickMemberList(1); });
         },
         u"出場設定"_s},
        {"everybody plays", onCombinationScreen, [](Scenario &s) { act(s, "N9", [&] { s.form.N9Click(); }); },
         u"全員を出場に設定"_s},
        {"automatic combination", [](Scenario &s) { groupsteps::open(s, groupsteps::players(8, 4)); },
         [](Scenario &s) {
             act(s, "Button1", [&] { s.form.Button1Click(); });
             QVERIFY(!s.form.control("Undo").enabled); // nothing to undo while combining
             act(s, "Button10", [&] { s.form.Button10Click(); });
         },
         u"おまかせで組み合せ"_s},
        {"swap",
         [](Scenario &s) {
             storeCombination(s, 1, 3, 4);
             s.form.Label64Click();
             s.form.Label53Click();
             s.form.Label44Click();
             s.form.N41Click();
         },
         [](Scenario &s) {
             act(s, "Button3", [&] { s.form.Button3Click(); });
             clickCell(s, 0, 1);
             clickCell(s, 2, 3);
             act(s, "Button5", [&] { s.form.Button5Click(); });
         },
         u"入れ替え"_s},
        {"score entry", onScoreEntry,
         [](Scenario &s) {
             clickCell(s, 2, 1);
             enter(s, u"1"_s, u"2"_s, u"30"_s);
         },
         u"得点入力 B 3組2番"_s},
        {"score clear",
         [](Scenario &s) {
             onScoreEntry(s);
             s.form.moveEntryCursor(1, 0);
             s.form.typeInto("Edit3", u"0"_s);
             s.form.typeInto("Edit4", u"1"_s);
             s.form.typeInto("Edit5", u"28"_s);
             s.form.Label55Click();
             s.form.moveEntryCursor(1, 0);
         },
         [](Scenario &s) { act(s, "Edit3", [&] { s.form.entryFieldKey(u"Edit3"_s, 46); }); },
         u"得点クリア B 2組1番"_s},
        {"tournament name typed", onRoster,
         [](Scenario &s) {
             act(s, "Edit7", [&] { s.form.typeInto("Edit7", u"春"_s); });
             act(s, "Edit7", [&] { s.form.typeInto("Edit7", u"春の大会"_s); });
         },
         u"大会名"_s},
        {"all scores cleared",
         [](Scenario &s) {
             onScoreEntry(s);
             s.form.ScoreSlots[1][0][0].Total = u"30"_s;
             s.form.Tensave();
         },
         [](Scenario &s) {
             s.platform.answer(IdYes);
             act(s, "N18", [&] { s.form.N18Click(); });
         },
         u"全ての得点をクリア"_s},
        {"combination cleared",
         [](Scenario &s) {
             storeCombination(s, 2, 3, 4);
             s.form.Label42Click();
         },
         [](Scenario &s) {
             s.platform.answer(IdYes);
             act(s, "N16", [&] { s.form.N16Click(); });
         },
         u"組み合わせデータをクリア"_s},
    };
    return table;
}
} // namespace

class UndoTest : public QObject
{
    Q_OBJECT
private slots:
    void everyStepUndoesAndRedoes_data();
    void everyStepUndoesAndRedoes();
    void historyRules();
};

void UndoTest::everyStepUndoesAndRedoes_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < rows().size(); ++i) QTest::newRow(rows()[i].name) << int(i);
}

void UndoTest::everyStepUndoesAndRedoes()
{
    QFETCH(int, row);
    const Row &r = rows()[row];
    Scenario s;
    r.setup(s);
    s.form.startFreshHistory();
    const QByteArray before = bytes(s);
    const StepPlace place = s.form.currentPlace();
    r.step(s);
    const QByteArray after = bytes(s);
    const StepPlace placeAfter = s.form.currentPlace();
    QVERIFY(after != before);
    QCOMPARE(s.form.History.size(), std::size_t(1));
    QCOMPARE(s.form.control("Undo").text, u"元に戻す："_s + r.label);
    QVERIFY(s.form.control("Undo").enabled && !s.form.control("Redo").enabled);

    act(s, "Undo", [&] { s.form.UndoClick(); });
    QCOMPARE(bytes(s), before);
    QCOMPARE(s.form.Screen, place.screen);
    QCOMPARE(s.form.TableMode, place.tableMode);
    QCOMPARE(s.form.CurGroup, place.group);
    QCOMPARE(s.form.control("Redo").text, u"再実行："_s + r.label);
    QVERIFY(!s.form.control("Undo").enabled);

    act(s, "Redo", [&] { s.form.RedoClick(); });
    QCOMPARE(bytes(s), after);
    QCOMPARE(s.form.Screen, placeAfter.screen);
    QCOMPARE(s.platform.unexpectedQuestions, 0);
}

void UndoTest::historyRules()
{
    Scenario s;
    onCombinationScreen(s);
    s.form.startFreshHistory();
    const QByteArray start = bytes(s);
    // 120 steps, all taken back one by one to the start.
    for (int i = 0; i < 120; ++i)
        act(s, i % 2 ? "N10" : "N9", [&] { i % 2 ? s.form.N10Click() : s.form.N9Click(); });
    QCOMPARE(s.form.History.size(), std::size_t(120));
    const QByteArray end = bytes(s);
    for (int i = 0; i < 120; ++i) act(s, "Undo", [&] { s.form.UndoClick(); });
    QCOMPARE(bytes(s), start);
    QVERIFY(!s.form.control("Undo").enabled);
    QCOMPARE(s.form.control("Undo").text, u"元に戻す"_s);

    // New work after an undo drops what could be redone.
    act(s, "Redo", [&] { s.form.RedoClick(); });
    act(s, "Undo", [&] { s.form.UndoClick(); });
    act(s, "Label75", [&] { s.form.Label75Click(); });
    act(s, "Image1", [&] { s.form.clickMemberList(4); });
    QVERIFY(!s.form.control("Redo").enabled);
    QCOMPARE(s.form.History.size(), std::size_t(1));
    QVERIFY(bytes(s) != end);

    // Opening a meeting starts a fresh history.
    QTemporaryDir dir;
    const QString file = dir.filePath(u"meeting.txt"_s);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(start) == start.size());
    out.close();
    s.platform.answer(IdNo); // the changed work is not saved
    s.platform.chooseFile(file);
    act(s, "N3", [&] { s.form.N3Click(); });
    QCOMPARE(s.form.DataFileName, file);
    QCOMPARE(s.form.History.size(), std::size_t(0));
    QVERIFY(!s.form.control("Undo").enabled);
}

QTEST_APPLESS_MAIN(UndoTest)
#include "tst_undo.moc"
