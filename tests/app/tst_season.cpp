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

struct Played {
    QString name;
    QString team;
    int entries = 1;
    int one = 0;
    int total = 0;
};

// Party 1 of group A holding the players, with their records.
QString scoreLine(const QList<Played> &party)
{
    QString line = u"A"_s;
    for (int s = 0; s < 8; ++s) {
        if (s < party.size()) {
            const Played &p = party.at(s);
            line += u",%1,%2,0,%3,%4,%5"_s.arg(p.entries).arg(p.one).arg(p.total).arg(p.name, p.team);
        } else {
            line += u",#,0,0,0,"_s;
        }
    }
    return line;
}

const QString kYamada = u"山田太郎"_s, kSato = u"佐藤花子"_s, kSuzuki = u"鈴木一郎"_s,
              kTakahashi = u"高橋和子"_s, kTanaka = u"田中次郎"_s;
const QString kGreen = u"緑会"_s, kCherry = u"さくら"_s, kSunflower = u"ひまわり会"_s;

// The files: title, party, the month of the file's date. 冬季大会 holds players without scores.
struct MeetingFile {
    QString title;
    QList<Played> party;
    int month = 0;
};
const QList<MeetingFile> kMeetings{
    {u"春季大会"_s,
     {{kYamada, kGreen, 1, 2, 60},
      {kSato, kCherry, 1, 1, 62},
      {kSuzuki, kGreen, 2, 0, 65},
      {kTakahashi, kCherry, 0, 0, 0}},
     4},
    {u"夏季大会"_s,
     {{kYamada, kGreen, 1, 0, 58}, {kSato, kCherry, 1, 3, 58}, {kTanaka, kSunflower, 1, 1, 70}},
     7},
    {u"秋季大会"_s,
     {{kSuzuki, kSunflower, 1, 2, 61}, {kYamada, kGreen, 1, 1, 64}, {kTakahashi, kCherry, 1, 0, 65}},
     10},
    {u"冬季大会"_s, {{kYamada, kGreen, 0, 0, 0}, {kSato, kCherry, 0, 0, 0}}, 12},
};

// The expected rows: place, name, team, the cell of each meeting by title, then the totals.
struct Expected {
    QString place, name, team;
    QMap<QString, QString> cells;
    QStringList totals;
};
const QList<Expected> kExpected{
    {u"1"_s,
     kYamada,
     kGreen,
     {{u"春季大会"_s, u"1位 60"_s}, {u"夏季大会"_s, u"2位 58"_s}, {u"秋季大会"_s, u"2位 64"_s}},
     {u"3"_s, u"182"_s, u"60.7"_s, u"3"_s}},
    {u"2"_s,
     kSato,
     kCherry,
     {{u"春季大会"_s, u"2位 62"_s}, {u"夏季大会"_s, u"1位 58"_s}},
     {u"2"_s, u"120"_s, u"60.0"_s, u"4"_s}},
    {u"3"_s, kSuzuki, kSunflower, {{u"秋季大会"_s, u"1位 61"_s}}, {u"1"_s, u"61"_s, u"61.0"_s, u"2"_s}},
    // 65 strokes, no one-stroke hole each: one place shared, the names in order.
    {u"4"_s, kSuzuki, kGreen, {{u"春季大会"_s, u"3位 65"_s}}, {u"1"_s, u"65"_s, u"65.0"_s, u"0"_s}},
    {u"4"_s,
     kTakahashi,
     kCherry,
     {{u"春季大会"_s, u"未入力"_s}, {u"秋季大会"_s, u"3位 65"_s}},
     {u"1"_s, u"65"_s, u"65.0"_s, u"0"_s}},
    {u"6"_s, kTanaka, kSunflower, {{u"夏季大会"_s, u"3位 70"_s}}, {u"1"_s, u"70"_s, u"70.0"_s, u"1"_s}},
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
        for (const Played &p : mf.party) m.memberLines << member(p.name, p.team);
        m.kumiLines[0] << u"%1,%2"_s.arg(mf.party.size() + 1).arg(u"0,1,2,3"_s.left(2 * mf.party.size() - 1));
        if (mf.party.first().entries > 0) m.scoreLines[0] << scoreLine(mf.party);
        m.tournamentName = mf.title;
        const QString path = m_dir.filePath(mf.title + u".txt"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(datafile::write(m).bytes) > 0 && f.flush());
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
    const QStringList byDate{u"春季大会"_s, u"夏季大会"_s, u"秋季大会"_s, u"冬季大会"_s};
    QTest::newRow("by the files' dates")
        << QStringList{u"秋季大会"_s, u"damaged"_s, u"春季大会"_s, u"冬季大会"_s, u"夏季大会"_s}
        << QList<QPoint>{} << false << byDate;
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
        const Expected &e = kExpected.at(i);
        QStringList row{e.place, e.name, e.team};
        for (const QString &title : titles) row << e.cells.value(title);
        QCOMPARE(rows.at(i + 1), row + e.totals);
    }

    // The printed page and the CSV from the window.
    s.platform.pdfAnswer = m_dir.filePath(u"window.pdf"_s);
    window.actions.pdf();
    QCOMPARE(s.platform.printed.size(), std::size_t(1));
    const QStringList printed = textsOf(*s.platform.lastPage().canvas);
    QVERIFY(printed.contains(u"年間成績表"_s));
    QVERIFY(printed.contains(u"60.7"_s) && printed.contains(u"3位 65"_s) && printed.contains(kTakahashi));
    const QString windowCsv = m_dir.filePath(u"window.csv"_s);
    s.platform.chooseFile(windowCsv);
    window.actions.csv();
    const QByteArray csv = fileBytes(windowCsv);
    QVERIFY(csv.startsWith(QByteArray(QByteArray("\xEF\xBB\xBF") + u"順位,氏名,チーム,"_s.toUtf8())));
    QVERIFY(csv.contains(u"%1,%1 グループ,%1 組,"_s.arg(titles.first()).toUtf8()));
    QVERIFY(csv.contains(u"1,山田太郎,緑会,1位 60,A,1,"_s.toUtf8()));

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
