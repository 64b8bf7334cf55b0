// Office habits through the form: 上書き保存, finding a member, the text size kept in the
// settings, and the boxes that say what to do instead of nothing.
#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "support/GroupingSteps.h"
#include "support/Scenario.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace groupsteps;

class KeyboardTest : public QObject
{
    Q_OBJECT
    enum Road { Fresh, Opened, SaveAs, CloseYes, NewRoster };
private Q_SLOTS:
    void savingInPlace_data();
    void savingInPlace();
    void findingMembers_data();
    void findingMembers();
    void textSizeAndWhatToDo();
};

void KeyboardTest::savingInPlace_data()
{
    QTest::addColumn<int>("road");
    QTest::addColumn<bool>("inPlace"); // else through the save dialog
    QTest::newRow("a meeting without a file is named first") << int(Fresh) << false;
    QTest::newRow("an opened meeting is written to its file") << int(Opened) << true;
    QTest::newRow("保存 still asks for a name") << int(SaveAs) << false;
    QTest::newRow("はい when closing saves in place") << int(CloseYes) << true;
    QTest::newRow("新規登録 starts a meeting without a file") << int(NewRoster) << false;
}

void KeyboardTest::savingInPlace()
{
    QFETCH(int, road);
    QFETCH(bool, inPlace);
    QTemporaryDir dir;
    const QString own = dir.filePath(u"大会.txt"_s), other = dir.filePath(u"別名.txt"_s);
    QVERIFY(QFile::copy(QFINDTESTDATA(u"../data/sample-120.txt"_s), own));
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner);
    Scenario s;
    s.platform.chooseFile(own);
    if (road != Fresh) s.form.N3Click();
    s.form.N9Click(); // 全員を出場に設定: work to save
    s.platform.fileNames = {other};
    s.platform.answers = {IdYes, IdYes};
    if (road == NewRoster) s.form.Label40Click(), s.form.Label3Click();
    const std::size_t dialogs = s.platform.dialogs.size();
    road == SaveAs     ? s.form.N7Click()
    : road == CloseYes ? void(s.form.confirmClose())
                       : s.form.SaveInPlaceClick();
    QCOMPARE(s.platform.dialogs.size() - dialogs, std::size_t(inPlace ? 0 : 1));
    QCOMPARE(datafile::readFileBytes(s.form.DataFileName, true).bytes,
             datafile::write(s.form.currentMeeting()).bytes);
    QCOMPARE(s.form.DataFileName, inPlace ? own : other);
    QCOMPARE(datafile::readFileBytes(own, true).bytes == datafile::readFileBytes(other, true).bytes, false);
}

void KeyboardTest::findingMembers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("found");
    QTest::newRow("hiragana finds katakana and half-width") << u"やまだ"_s << QList<int>{0, 1, 42};
    QTest::newRow("full-width letters of a team") << u"ＧＧ"_s << QList<int>{43};
}

void KeyboardTest::findingMembers()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, found);
    Scenario s;
    QStringList roster{rosterLine(u"やまだ一郎"_s), rosterLine(u"ヤマダ花子"_s)};
    roster << players(40) << rosterLine(u"ﾔﾏﾀﾞ次郎"_s) << rosterLine(u"川上"_s).team(u"gg倶楽部"_s);
    open(s, roster);
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

void KeyboardTest::textSizeAndWhatToDo()
{
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), {{u"TextSize"_s, u"150"_s}});
    QCOMPARE(s.form.TextScale, 150);
    s.form.offerTextSizes(125); // a smaller screen: 特大 is neither offered nor chosen
    s.form.TextSize150Click();
    QVERIFY(s.form.TextScale == 125 && !s.form.control("TextSize150").visible);
    s.form.TextSize100Click();
    QCOMPARE(s.platform.store.values.at(u"TextSize"_s), u"100"_s);

    QVERIFY(s.form.control("StartHint").visible); // an empty roster: begin with メンバー登録
    s.form.Label40Click();
    s.form.Button6Click(); // 実行 with nothing chosen
    QCOMPARE_BOX(
        s.platform.boxes.back(),
        u"「新規登録」か「追加登録」を選んでから「実行」を押して下さい。\n登録済みのメンバーを直す時は「修正」を選んで下さい"_s,
        u"入力が未完"_s, MsgIcon::Information, MsgButtons::Ok);
    divide(s, players(12), u"1"_s, u"2"_s);
    QVERIFY(!s.form.control("StartHint").visible);
    s.form.Button10Click();
    s.platform.answer(IdYes);
    s.form.N16Click(); // 組み合わせデータをクリア: both 開始 stay unavailable
    QCOMPARE_BOX(
        s.platform.boxes.back(),
        u"組み合わせデータをクリアしました。\n新しく組み合わせる時は、「やり直し」を押してから「開始」を押して下さい"_s,
        u"組み合わせデータをクリア"_s, MsgIcon::Information, MsgButtons::Ok);
    const QStringList lines = s.form.MemberLines; // まとめて印刷 before any table was drawn
    s.platform.pdfAnswer = u"/tmp/members.pdf"_s;
    s.platform.batchAnswers.push_back(BatchPrintChoice{BatchTable::MemberTable, 0, BatchOutput::Pdf});
    s.form.PrintAllClick();
    QVERIFY(s.platform.printed.size() == 1 && s.form.Screen == screen::Combination &&
            s.form.MemberLines == lines);
}

QTEST_APPLESS_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
