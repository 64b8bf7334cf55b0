// CSVに書き出し: the member table, the chosen group's combination table and the result table
// written as kmtx-export writes them (the test runs kmtx-export on the same meeting saved by
// the form and compares the bytes), and the refusals.
#include "TableSteps.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// kmtx-export's CSV of a meeting file; empty when it fails.
QByteArray exported(const QString &meeting, const QStringList &options, const QString &out)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(KMTX_EXPORT_PROGRAM),
            QStringList{meeting} + options + QStringList{u"-o"_s, out});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning("%s", p.readAllStandardError().constData());
        return {};
    }
    return readAll(out);
}

// The form's CSV of table `index` of the list (0 member, 1 combination, 2 result).
QByteArray written(Scenario &s, int index, const QString &path)
{
    s.platform.listAnswers.push_back(index);
    s.platform.chooseFile(path);
    s.form.CsvExportClick();
    return readAll(path);
}

void enter(Scenario &s, const QString &one, const QString &two, const QString &total)
{
    s.form.typeInto("Edit3", one);
    s.form.entryFieldKey(u"Edit3"_s, 13);
    s.form.typeInto("Edit4", two);
    s.form.pressEnter(u"Edit4"_s);
    s.form.typeInto("Edit5", total);
    s.form.pressEnter(u"Edit5"_s);
}

// Two groups of three parties of five with a few results in each, saved as `file`; group B
// is shown on the score-entry screen.
void scoredMeeting(Scenario &s, const QString &file)
{
    storeCombination(s, 2, 3, 5);
    s.form.TokutenClr(5);
    s.form.control("Edit9").text = u"8"_s; // rounds of eight holes: every entry below can be played
    s.form.Label54Click();
    s.form.groupTab(1);
    enter(s, u"1"_s, u"0"_s, u"30"_s);
    enter(s, u"0"_s, u"2"_s, u"27"_s);
    enter(s, u"2"_s, u"0"_s, u"27"_s);
    s.form.groupTab(2);
    enter(s, u"0"_s, u"0"_s, u"33"_s);
    enter(s, u"1"_s, u"1"_s, u"25"_s);
    s.platform.chooseFile(file);
    s.form.N7Click();
    QVERIFY(s.platform.boxes.empty());
}
} // namespace

class CsvExportTest : public QObject
{
    Q_OBJECT
private slots:
    void theSameBytesAsKmtxExport();
    void rankingOptionsOfTheWindow();
    void everyGroupWhenNoneIsChosen();
    void theListOffersTheTables();
    void nothingToWrite_data();
    void nothingToWrite();
    void whileCombining();
    void cancelledOrUnwritable();
};

void CsvExportTest::theSameBytesAsKmtxExport()
{
    QTemporaryDir dir;
    const QString meeting = dir.filePath(u"meeting.txt"_s);
    Scenario s;
    scoredMeeting(s, meeting);
    const QByteArray members = written(s, 0, dir.filePath(u"m.csv"_s));
    QVERIFY(members.startsWith("\xEF\xBB\xBF番号,氏名,チーム\r\n"));
    QCOMPARE(members, exported(meeting, {u"--table"_s, u"member"_s}, dir.filePath(u"m2.csv"_s)));

    const QByteArray groupB = written(s, 1, dir.filePath(u"c.csv"_s));
    QVERIFY(groupB.contains(",2-15,"));
    QVERIFY(!groupB.contains(",1-1,"));
    QCOMPARE(groupB, exported(meeting, {u"--table"_s, u"combination"_s, u"--group"_s, u"B"_s},
                              dir.filePath(u"c2.csv"_s)));

    const QByteArray results = written(s, 2, dir.filePath(u"r.csv"_s));
    // The heading, five ranked players and the 25 placed ones without an entry.
    QCOMPARE(results.count("\r\n"), 31);
    QVERIFY(results.contains("\r\n未入力,"));
    // Each player with the group and party of the place.
    QVERIFY(results.startsWith(
        "\xEF\xBB\xBF順位,氏名,チーム,一打,二打,合計,グループ,組\r\n1,2-2,班2,1,1,25,B,1\r\n"));
    QVERIFY(results.contains("\r\n未入力,1-4,班1,,,,A,1\r\n"));
    QCOMPARE(results, exported(meeting, {u"--table"_s, u"result"_s}, dir.filePath(u"r2.csv"_s)));
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.platform.dialogs.back().title, u"CSVに書き出し"_s);
    QCOMPARE(s.platform.dialogs.back().filter, u"CSV ファイル (*.csv)"_s);
    QCOMPARE(s.platform.dialogs.back().defaultSuffix, u"csv"_s);
    QVERIFY(s.platform.dialogs.back().confirmOverwrite);
}

void CsvExportTest::rankingOptionsOfTheWindow()
{
    QTemporaryDir dir;
    const QString meeting = dir.filePath(u"meeting.txt"_s);
    Scenario s;
    scoredMeeting(s, meeting);
    s.form.control("CheckBox1").checked = false;
    const QByteArray results = written(s, 2, dir.filePath(u"r.csv"_s));
    QCOMPARE(results,
             exported(meeting, {u"--table"_s, u"result"_s, u"--no-rank-one"_s}, dir.filePath(u"r2.csv"_s)));
    QVERIFY(results != exported(meeting, {u"--table"_s, u"result"_s}, dir.filePath(u"r3.csv"_s)));
}

void CsvExportTest::everyGroupWhenNoneIsChosen()
{
    QTemporaryDir dir;
    const QString meeting = dir.filePath(u"meeting.txt"_s);
    Scenario s;
    storeCombination(s, 2, 2, 4);
    s.platform.chooseFile(meeting);
    s.form.N7Click();
    QCOMPARE(s.form.CurGroup, curgroup::None);
    const QByteArray all = written(s, 1, dir.filePath(u"c.csv"_s));
    QVERIFY(all.contains(",1-1,") && all.contains(",2-8,"));
    QCOMPARE(all, exported(meeting, {u"--table"_s, u"combination"_s}, dir.filePath(u"c2.csv"_s)));
    QCOMPARE(s.platform.listsShown.back(),
             (QStringList{u"CSVに書き出し"_s, u"書き出す表を選んで下さい"_s, u"メンバー表"_s,
                          u"組み合せ表（全グループ）"_s, u"成績表"_s}));
}

void CsvExportTest::theListOffersTheTables()
{
    Scenario s;
    storeCombination(s, 2, 2, 4);
    s.form.Label64Click();
    s.form.Label53Click();
    s.form.Label45Click();
    s.form.CsvExportClick(); // closed without a choice
    QCOMPARE(s.platform.listsShown.back().at(3), u"組み合せ表（B グループ）"_s);
    QVERIFY(s.platform.dialogs.empty());
    QVERIFY(s.platform.boxes.empty());
}

void CsvExportTest::nothingToWrite_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("text");
    QTest::newRow("member table") << 0 << u"メンバーが登録されていません"_s;
    QTest::newRow("combination table")
        << 1 << u"書き出す組み合わせがありません。先に組み合わせを作って下さい"_s;
    QTest::newRow("result table") << 2 << u"成績表に載せる得点がありません"_s;
}

void CsvExportTest::nothingToWrite()
{
    QFETCH(int, table);
    QFETCH(QString, text);
    Scenario s;
    s.platform.listAnswers.push_back(table);
    s.form.CsvExportClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), text, u"CSVに書き出し"_s, MsgIcon::Information, MsgButtons::Ok);
    QVERIFY(s.platform.dialogs.empty());
}

void CsvExportTest::whileCombining()
{
    Scenario s;
    s.form.Combining = 1;
    s.form.CsvExportClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"完了を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QVERIFY(s.platform.listsShown.empty());
}

void CsvExportTest::cancelledOrUnwritable()
{
    QTemporaryDir dir;
    Scenario s;
    s.loadRoster({member(u"甲"_s, u"緑会"_s)});
    // The save dialog cancelled: nothing written, nothing said.
    s.platform.listAnswers.push_back(0);
    s.platform.chooseFile(std::nullopt);
    s.form.CsvExportClick();
    QVERIFY(s.platform.boxes.empty());
    // A folder that does not exist: the reason, no file.
    const QString bad = dir.filePath(u"no/such.csv"_s);
    QCOMPARE(written(s, 0, bad), QByteArray());
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.boxes.front().caption, u"CSVに書き出し"_s);
    QCOMPARE(s.platform.boxes.front().icon, MsgIcon::Error);
    QVERIFY(s.platform.boxes.front().text.startsWith(
        u"ファイル「%1」に書き出せませんでした。"_s.arg(QDir::toNativeSeparators(bad))));
    QVERIFY(!QFile::exists(bad));
    // A damaged record refuses the result table with the ranking's box.
    s.form.ScoreSlots[0][0][0] = ScoreSlot{u"1,0,x"_s, u"1"_s, u"0"_s, u"x"_s, u"1"_s};
    s.platform.takeBoxes();
    s.platform.listAnswers.push_back(2);
    s.form.CsvExportClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.boxes.front().caption, u"成績表"_s);
    QCOMPARE(s.platform.dialogs.size(), size_t(2));
}

QTEST_APPLESS_MAIN(CsvExportTest)
#include "tst_csvexport.moc"
