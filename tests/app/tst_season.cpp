// 年間成績 over a season of generated meeting files: members met in several meetings, some
// absent, one whose team was renamed (two people then), one meeting without scores and one
// damaged file. The window's rows, the printed page, and the CSV, which kmtx-export writes
// byte for byte the same.
#include "TableSteps.h"

#include "datafile/MeetingFile.h"
#include "tables/Season.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {

// Title, month of the file's date, and party 1 of group A: "entries,one,two,total,name,team".
// 鈴木一郎 changed teams (two people then); 冬季大会 was saved before any score was entered.
struct MeetingFile {
    QString title;
    int month = 0;
    QStringList party;
};
const QList<MeetingFile> kMeetings{
    {u"春季大会"_s,
     4,
     {u"1,2,0,60,山田太郎,緑会"_s, u"1,1,0,62,佐藤花子,さくら"_s, u"2,0,0,65,鈴木一郎,緑会"_s,
      u"0,0,0,0,高橋和子,さくら"_s}},
    {u"夏季大会"_s,
     7,
     {u"1,0,0,58,山田太郎,緑会"_s, u"1,3,0,58,佐藤花子,さくら"_s, u"1,1,0,70,田中次郎,ひまわり会"_s}},
    {u"秋季大会"_s,
     10,
     {u"1,2,0,61,鈴木一郎,ひまわり会"_s, u"1,1,0,64,山田太郎,緑会"_s, u"1,0,0,65,高橋和子,さくら"_s}},
    {u"冬季大会"_s, 12, {u"0,0,0,0,山田太郎,緑会"_s, u"0,0,0,0,佐藤花子,さくら"_s}},
};
const QStringList kByDate{u"春季大会"_s, u"夏季大会"_s, u"秋季大会"_s, u"冬季大会"_s};

// The rows with the meetings by date: place, name, team, 春 夏 秋 冬, played, strokes, average,
// one-stroke holes. 65 strokes without a one-stroke hole twice: one place, the names in order.
const QStringList kExpected{
    u"1,山田太郎,緑会,1位 60,2位 58,2位 64,,3,182,60.7,3"_s,
    u"2,佐藤花子,さくら,2位 62,1位 58,,,2,120,60.0,4"_s,
    u"3,鈴木一郎,ひまわり会,,,1位 61,,1,61,61.0,2"_s,
    u"4,鈴木一郎,緑会,3位 65,,,,1,65,65.0,0"_s,
    u"4,高橋和子,さくら,未入力,,3位 65,,1,65,65.0,0"_s,
    u"6,田中次郎,ひまわり会,,3位 70,,,1,70,70.0,1"_s,
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class SeasonTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void standingsInTheWindowAndFromTheCommandLine_data();
    void standingsInTheWindowAndFromTheCommandLine();
    void fewerThanTwoFilesOrNoneReadable();

private:
    QTemporaryDir m_dir;
    QMap<QString, QString> m_paths; // title (or "damaged") → file
};

void SeasonTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const MeetingFile &mf : kMeetings) {
        datafile::Meeting m;
        m.scoreLines[0] << u"A,"_s + mf.party.join(u',') + u",#,0,0,0,"_s.repeated(8 - mf.party.size());
        m.tournamentName = mf.title;
        const QString path = m_dir.filePath(mf.title + u".txt"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datafile::write(m).bytes) > 0 && f.flush());
        QVERIFY(f.setFileTime(QDateTime(QDate(2026, mf.month, 1), QTime(9, 0)),
                              QFileDevice::FileModificationTime));
        m_paths[mf.title] = path;
    }
    QByteArray damaged = fileBytes(m_paths[u"春季大会"_s]);
    damaged.replace(",60,", ",6O,");
    m_paths[u"damaged"_s] = m_dir.filePath(u"damaged.txt"_s);
    QFile f(m_paths[u"damaged"_s]);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(damaged) == damaged.size());
}

void SeasonTest::standingsInTheWindowAndFromTheCommandLine_data()
{
    QTest::addColumn<QStringList>("given");   // the files in the order chosen or named
    QTest::addColumn<QList<QPoint>>("moves"); // window: (column, step) pressed in turn
    QTest::addColumn<bool>("keepOrder");      // kmtx-export --keep-order
    QTest::addColumn<QStringList>("titles");  // the columns
    QTest::newRow("by the files' dates")
        << QStringList{u"秋季大会"_s, u"damaged"_s, u"春季大会"_s, u"冬季大会"_s, u"夏季大会"_s}
        << QList<QPoint>{} << false << kByDate;
    QTest::newRow("as the organiser orders them")
        << QStringList{u"冬季大会"_s, u"damaged"_s, u"春季大会"_s, u"夏季大会"_s, u"秋季大会"_s}
        << QList<QPoint>{{3, -1}, {0, 1}, {1, -1}, {0, -1}} << true
        << QStringList{u"春季大会"_s, u"夏季大会"_s, u"冬季大会"_s, u"秋季大会"_s};
}

void SeasonTest::standingsInTheWindowAndFromTheCommandLine()
{
    QFETCH(QStringList, given);
    QFETCH(QList<QPoint>, moves);
    QFETCH(bool, keepOrder);
    QFETCH(QStringList, titles);
    QStringList paths;
    for (const QString &key : given) paths << m_paths[key];

    Scenario s;
    s.platform.fileLists.push_back(paths);
    s.form.SeasonClick();
    QCOMPARE(s.platform.boxes.size(), std::size_t(1)); // the damaged file, named
    QCOMPARE(s.platform.boxes.front().caption, u"年間成績"_s);
    QCOMPARE(s.platform.boxes.front().icon, MsgIcon::Warning);
    QVERIFY(s.platform.boxes.front().text.contains(QDir::toNativeSeparators(m_paths[u"damaged"_s])));
    QVERIFY(!s.platform.boxes.front().text.contains(u"季大会.txt"_s));
    QCOMPARE(s.platform.seasonWindows.size(), std::size_t(1));
    const FakePlatform::SeasonWindow &window = s.platform.seasonWindows.front();
    QCOMPARE(window.meetings, 4);
    QList<QStringList> rows = window.rows;
    for (const QPoint &move : moves) rows = window.actions.move(move.x(), move.y());

    QStringList heading{u"順位"_s, u"氏名"_s, u"チーム"_s};
    heading << titles << u"出場回数"_s << u"合計打数"_s << u"平均打数"_s << u"ホールインワン計"_s;
    QCOMPARE(rows.value(0), heading);
    QCOMPARE(rows.size(), kExpected.size() + 1);
    for (qsizetype i = 0; i < kExpected.size(); ++i) {
        const QStringList e = kExpected.at(i).split(u',');
        QStringList row = e.mid(0, 3);
        for (const QString &title : titles) row << e.at(3 + kByDate.indexOf(title));
        QCOMPARE(rows.at(i + 1), row + e.mid(7));
    }

    // The printed page and the CSV from the window.
    s.platform.pdfAnswer = m_dir.filePath(u"window.pdf"_s);
    window.actions.pdf();
    QCOMPARE(s.platform.printed.size(), std::size_t(1));
    const QStringList printed = textsOf(*s.platform.lastPage().canvas);
    QVERIFY(printed.contains(u"年間成績表"_s));
    QCOMPARE(s.platform.lastPage().name, u"年間成績表"_s);
    QVERIFY(printed.contains(u"60.7"_s) && printed.contains(u"3位 65"_s) && printed.contains(u"高橋和子"_s));
    const QString windowCsv = m_dir.filePath(u"window.csv"_s);
    s.platform.chooseFile(windowCsv);
    window.actions.csv();
    const QByteArray csv = fileBytes(windowCsv);
    QVERIFY(csv.startsWith(QByteArray(QByteArray("\xEF\xBB\xBF") + u"順位,氏名,チーム,"_s.toUtf8())));
    QVERIFY(csv.contains(u"%1 順位,%1 打数,%1 グループ,%1 組,"_s.arg(titles.first()).toUtf8()));
    QVERIFY(csv.contains(u"1,山田太郎,緑会,1,60,A,1,"_s.toUtf8()));

    // kmtx-export from the same files, in the order the window ended with.
    QStringList cliPaths;
    if (keepOrder) {
        for (const QString &title : titles) cliPaths << m_paths[title];
        cliPaths.insert(1, m_paths[u"damaged"_s]);
    } else {
        cliPaths = paths;
    }
    for (const QString &out : {u"cli.csv"_s, u"cli.pdf"_s}) {
        QProcess cli;
        QStringList arguments{u"--season"_s};
        arguments << cliPaths << u"-o"_s << m_dir.filePath(out);
        if (keepOrder) arguments << u"--keep-order"_s;
        cli.start(QString::fromUtf8(KMTX_EXPORT_PROGRAM), arguments);
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 3); // written, the damaged file named on standard error
        QVERIFY(QString::fromLocal8Bit(cli.readAllStandardError()).contains(u"damaged.txt"_s));
    }
    QCOMPARE(fileBytes(m_dir.filePath(u"cli.csv"_s)), csv);
    QVERIFY(fileBytes(m_dir.filePath(u"cli.pdf"_s)).startsWith("%PDF-"));
}

void SeasonTest::fewerThanTwoFilesOrNoneReadable()
{
    Scenario s;
    s.platform.fileLists.push_back(QStringList{m_paths[u"春季大会"_s]});
    s.platform.fileLists.push_back(QStringList{m_paths[u"damaged"_s], m_dir.filePath(u"missing.txt"_s)});
    s.form.SeasonClick();
    s.form.SeasonClick();
    s.form.SeasonClick(); // nothing queued: the dialog is cancelled
    QCOMPARE(s.platform.boxes.size(), std::size_t(2));
    QCOMPARE_BOX(s.platform.boxes.at(0), u"年間成績には大会ファイルを２つ以上選んで下さい"_s, u"年間成績"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QVERIFY(s.platform.boxes.at(1).text.contains(u"missing.txt"_s));
    QVERIFY(s.platform.seasonWindows.empty());
}

QTEST_APPLESS_MAIN(SeasonTest)
#include "tst_season.moc"
