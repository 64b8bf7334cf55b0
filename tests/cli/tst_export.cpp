// kmtx-export run as a user runs it: every table to every format on the meeting files of
// tests/data, the texts of the PDF where the sheet units put them, the rows of the CSV
// files, every refusal of the reader, bad command lines and outputs that cannot be written.
#include "datafile/MeetingFile.h"
#include "datafile/ScoreLines.h"
#include "scoring/Ranking.h"
#include "support/Poppler.h"
#include "tables/MeetingTables.h"
#include "text/Cp932.h"

#include <QDate>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

using namespace Qt::StringLiterals;
namespace cp932 = text::cp932;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// configHome: where the program finds the user's settings (the group names), else the
// folder every test run is given instead of the user's own; inChild runs in the program's
// process before it starts (Unix).
Run runExport(const QStringList &arguments, const QString &locale = u"C"_s, const QString &configHome = {},
              [[maybe_unused]] const std::function<void()> &inChild = {})
{
    QProcess process;
#ifdef Q_OS_UNIX
    if (inChild) process.setChildProcessModifier(inChild);
#endif
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty()) env.insert(u"XDG_CONFIG_HOME"_s, configHome);
    env.insert(u"LC_ALL"_s, locale);
    env.insert(u"LANG"_s, locale);
    env.remove(u"LANGUAGE"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(env);
    process.start(QString::fromUtf8(KMTX_EXPORT_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(120000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
#ifdef Q_OS_WIN
    // Windows' text files end their lines with CR LF.
    run.out.replace(u"\r\n"_s, u"\n"_s);
    run.err.replace(u"\r\n"_s, u"\n"_s);
#endif
    return run;
}

QString dataPath(const QString &name) { return QFINDTESTDATA(u"../data/"_s + name); }

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<QStringList> csvRows(const QByteArray &bytes)
{
    QList<QStringList> rows;
    const QString text = QString::fromUtf8(bytes.mid(3));
    for (const QString &line : text.split(u"\r\n"_s, Qt::SkipEmptyParts)) rows << line.split(u',');
    return rows;
}

int pdfPages(const QString &pdf)
{
    const auto m = QRegularExpression(u"Pages:\\s+(\\d+)"_s)
                       .match(QString::fromUtf8(poppler::run(u"pdfinfo"_s, {u"PDF"_s}, pdf)));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

struct Word {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

// The words of the first page with their boxes in points from the page's top left.
QList<Word> pdfWords(const QString &pdf)
{
    const QByteArray text =
        poppler::run(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, u"PDF"_s, u"-"_s}, pdf);
    QList<Word> words;
    static const QRegularExpression re(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    auto it = re.globalMatch(QString::fromUtf8(text));
    while (it.hasNext()) {
        const auto m = it.next();
        words << Word{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble(), m.captured(5)};
    }
    return words;
}

// The page size in points of the first page ("W x H").
QSizeF pdfPageSize(const QString &pdf)
{
    const auto m = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s)
                       .match(QString::fromUtf8(poppler::run(u"pdfinfo"_s, {u"PDF"_s}, pdf)));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// Where a unit lands on the PDF page, in points: the writer draws at 1200 dots per inch.
double unitsToPointsX(double u) { return std::trunc(u * 1200 * 0.00925) / 1200.0 * 72.0; }
double unitsToPointsY(double u) { return std::trunc(u * 1200 * 0.0097) / 1200.0 * 72.0; }

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTableToEveryFormat_data();
    void everyTableToEveryFormat();
    void allPagesInOnePdf_data();
    void allPagesInOnePdf();
    void pdfTextsStandWhereTheUnitsPutThem_data();
    void pdfTextsStandWhereTheUnitsPutThem();
    void pngIsOnePageAtTheDpi_data();
    void pngIsOnePageAtTheDpi();
    void csvRowsOfTheTables();
    void resultCsvIsTheRanking();
    void resultCsvFollowsTheRankingOptions_data();
    void resultCsvFollowsTheRankingOptions();
    void refusedFiles_data();
    void refusedFiles();
    void badCommandLines_data();
    void badCommandLines();
    void outputThatCannotBeWritten();
    void anExistingOutputIsReplacedWhole();
    void filesItWasNotAskedToReplaceStayWhole();
    void outputsHarmNoOtherFile_data();
    void outputsHarmNoOtherFile();
    void helpInJapaneseAndEnglish();
    void aPartyOfEightUnderTheFrameOfSix();
    void groupNamesAsTheWindowKeepsThem_data();
    void groupNamesAsTheWindowKeepsThem();
    void scoreSheetStartsAtThePartysHole();

private:
    QTemporaryDir m_dir;
    QString out(const QString &name) const { return m_dir.filePath(name); }
};

void ExportTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo::exists(QString::fromUtf8(KMTX_EXPORT_PROGRAM)));
    QVERIFY(!dataPath(u"write-full-300.txt"_s).isEmpty());
}

void ExportTest::everyTableToEveryFormat_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("file");
    for (const char *table :
         {"member", "combination", "score-sheet", "score-entry", "score-check", "result"}) {
        for (const char *format : {"pdf", "png", "csv"}) {
            if (qstrcmp(table, "score-sheet") == 0 && qstrcmp(format, "csv") == 0) continue;
            for (const char *file : {"write-full-300.txt", "write-hand-made.txt", "write-empty.txt"})
                QTest::addRow("%s.%s %s", table, format, file)
                    << QString::fromLatin1(table) << QString::fromLatin1(format) << QString::fromLatin1(file);
        }
    }
}

void ExportTest::everyTableToEveryFormat()
{
    QFETCH(QString, table);
    QFETCH(QString, format);
    QFETCH(QString, file);
    const QString target = out(table + u'-' + file + u'.' + format);
    QFile::remove(target);
    const Run run = runExport({dataPath(file), u"--table"_s, table, u"-o"_s, target});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QByteArray bytes = fileBytes(target);
    if (format == u"pdf"_s) {
        QVERIFY(bytes.startsWith("%PDF-"));
        if (poppler::program(u"pdfinfo"_s).isEmpty()) QSKIP(poppler::missing(u"pdfinfo"_s).constData());
        QCOMPARE(pdfPages(target), 1);
    } else if (format == u"png"_s) {
        QImage image;
        QVERIFY(image.loadFromData(bytes, "PNG"));
        // Something is drawn: the page is not white all over.
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; y += 3)
            for (int x = 0; x < image.width() && !ink; x += 3) ink = image.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY(ink);
    } else {
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csvRows(bytes).size() >= 1);
    }
}

void ExportTest::allPagesInOnePdf_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");
    QTest::newRow("every score sheet of every group") << QStringList{u"--table"_s, u"score-sheet"_s} << 48;
    QTest::newRow("every score sheet of group B")
        << QStringList{u"--table"_s, u"score-sheet"_s, u"--group"_s, u"B"_s} << 12;
    QTest::newRow("every combination table") << QStringList{u"--table"_s, u"combination"_s} << 4;
    QTest::newRow("every score-entry table") << QStringList{u"--table"_s, u"score-entry"_s} << 4;
    QTest::newRow("member table, portrait") << QStringList{u"--table"_s, u"member"_s} << 8;
    QTest::newRow("member table, landscape")
        << QStringList{u"--table"_s, u"member"_s, u"--form"_s, u"yoko"_s} << 3;
    // 384 ranked places: 40 a portrait page, 100 a landscape one
    QTest::newRow("result table, portrait") << QStringList{u"--table"_s, u"result"_s} << 10;
    QTest::newRow("result table, landscape")
        << QStringList{u"--table"_s, u"result"_s, u"--form"_s, u"yoko"_s} << 4;
}

void ExportTest::allPagesInOnePdf()
{
    if (poppler::program(u"pdfinfo"_s).isEmpty()) QSKIP(poppler::missing(u"pdfinfo"_s).constData());
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    const QString target = out(u"all.pdf"_s);
    const Run run =
        runExport(QStringList{dataPath(u"write-full-300.txt"_s), u"--all"_s, u"-o"_s, target} + options);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(pdfPages(target), pages);
}

void ExportTest::pdfTextsStandWhereTheUnitsPutThem_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("xUnits");
    QTest::addColumn<double>("yUnits");
    // The tournament name is the one the file stores, "市民グラウンドゴルフ大会" (24 bytes, shift 144).
    const QStringList member{u"--table"_s, u"member"_s};
    QTest::newRow("portrait member table: title")
        << member << false << u"市民グラウンドゴルフ大会"_s << 460.0 - 144 << 50.0;
    QTest::newRow("portrait member table: first name") << member << false << u"山田太郎"_s << 393.0 << 107.0;
    QTest::newRow("portrait member table: first team") << member << false << u"緑会"_s << 210.0 << 107.0;
    const QStringList yoko{u"--table"_s, u"member"_s, u"--form"_s, u"yoko"_s};
    QTest::newRow("landscape member table: title")
        << yoko << true << u"市民グラウンドゴルフ大会"_s << 580.0 - 144 << 38.0;
    QTest::newRow("landscape member table: first name")
        << yoko << true << u"山田太郎"_s << 55.0 + 32 << 103.0;
    // The best total of the full meeting: 山田幸子210 of 緑会, 5, 4, 20.
    const QStringList result{u"--table"_s, u"result"_s};
    QTest::newRow("portrait result table: title")
        << result << false << u"市民グラウンドゴルフ大会"_s << 460.0 - 144 << 50.0;
    QTest::newRow("portrait result table: first name")
        << result << false << u"山田幸子210"_s << 393.0 << 107.0;
    const QStringList resultYoko{u"--table"_s, u"result"_s, u"--form"_s, u"yoko"_s};
    QTest::newRow("landscape result table: title")
        << resultYoko << true << u"市民グラウンドゴルフ大会"_s << 580.0 - 144 << 38.0;
    QTest::newRow("landscape result table: first total")
        << resultYoko << true << u"20"_s << 55.0 + 249 << 103.0;
}

void ExportTest::pdfTextsStandWhereTheUnitsPutThem()
{
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    QFETCH(QStringList, options);
    QFETCH(bool, landscape);
    QFETCH(QString, word);
    QFETCH(double, xUnits);
    QFETCH(double, yUnits);
    const QString target = out(u"placed.pdf"_s);
    const Run run = runExport(QStringList{dataPath(u"write-full-300.txt"_s), u"-o"_s, target} + options);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    // A4 in the layout's orientation.
    const QSizeF page = pdfPageSize(target);
    QCOMPARE(qRound(landscape ? page.width() : page.height()), 842);
    QCOMPARE(qRound(landscape ? page.height() : page.width()), 595);

    const QList<Word> words = pdfWords(target);
    QVERIFY(!words.isEmpty()); // the text is selectable
    const auto it = std::find_if(words.cbegin(), words.cend(), [&](const Word &w) { return w.text == word; });
    QVERIFY2(it != words.cend(), qPrintable(word));
    // The text's box begins where the units put it; its top lies within a point of the
    // position (the face's own ascent decides the rest).
    QVERIFY2(qAbs(it->xMin - unitsToPointsX(xUnits)) < 0.5,
             qPrintable(u"x %1 against %2"_s.arg(it->xMin).arg(unitsToPointsX(xUnits))));
    QVERIFY2(qAbs(it->yMin - unitsToPointsY(yUnits)) < 1.0,
             qPrintable(u"y %1 against %2"_s.arg(it->yMin).arg(unitsToPointsY(yUnits))));
}

void ExportTest::pngIsOnePageAtTheDpi_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("depth"); // grey edges of letters below 600 dpi; black and white from 600
    QTest::newRow("score sheet, 300 dpi")
        << QStringList{u"--table"_s, u"score-sheet"_s} << QSize(3508, 2480) << 8;
    QTest::newRow("member table, portrait, 100 dpi")
        << QStringList{u"--table"_s, u"member"_s, u"--dpi"_s, u"100"_s} << QSize(827, 1169) << 8;
    QTest::newRow("combination table, 150 dpi")
        << QStringList{u"--table"_s, u"combination"_s, u"--dpi"_s, u"150"_s} << QSize(1754, 1240) << 8;
    QTest::newRow("result table, portrait, 600 dpi")
        << QStringList{u"--table"_s, u"result"_s, u"--dpi"_s, u"600"_s} << QSize(4961, 7016) << 1;
}

void ExportTest::pngIsOnePageAtTheDpi()
{
    QFETCH(QStringList, options);
    QFETCH(QSize, size);
    QFETCH(int, depth);
    const QString target = out(u"page.png"_s);
    const Run run = runExport(QStringList{dataPath(u"write-full-300.txt"_s), u"-o"_s, target} + options);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QImageReader::setAllocationLimit(0); // Qt reads a page at 600 dpi as if of 32 bits a pixel
    const QImage image(target);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.depth(), depth);
    QVERIFY(image.allGray());
}

void ExportTest::csvRowsOfTheTables()
{
    const QString path = dataPath(u"write-hand-made.txt"_s);
    Run run = runExport({path, u"--table"_s, u"member"_s, u"-o"_s, out(u"m.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    QList<QStringList> rows = csvRows(fileBytes(out(u"m.csv"_s)));
    QCOMPARE(rows.size(), 13);
    QCOMPARE(rows.at(0), (QStringList{u"番号"_s, u"氏名"_s, u"チーム"_s}));
    QCOMPARE(rows.at(1), (QStringList{u"1"_s, u"山田太郎"_s, u"緑会"_s}));
    QCOMPARE(rows.at(12), (QStringList{u"12"_s, u"佐藤花子"_s, u"さくらクラブ"_s}));

    // A combination made by hand numbers its players by the whole roster: party 1 of
    // group A is "7,0,2,4,6,8,10", party 2 "4,1,3,5", party 1 of group C "3,7,9".
    run = runExport({path, u"--table"_s, u"combination"_s, u"-o"_s, out(u"c.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    rows = csvRows(fileBytes(out(u"c.csv"_s)));
    QCOMPARE(rows.size(), 1 + 6 + 3 + 2);
    QCOMPARE(rows.at(0), (QStringList{u"グループ"_s, u"組"_s, u"番"_s, u"氏名"_s, u"チーム"_s}));
    QCOMPARE(rows.at(1), (QStringList{u"A"_s, u"1"_s, u"1"_s, u"山田太郎"_s, u"緑会"_s}));
    QCOMPARE(rows.at(6), (QStringList{u"A"_s, u"1"_s, u"6"_s, u"山田花子"_s, u"緑会"_s}));
    QCOMPARE(rows.at(7), (QStringList{u"A"_s, u"2"_s, u"1"_s, u"佐藤太郎"_s, u"さくらクラブ"_s}));
    QCOMPARE(rows.at(11), (QStringList{u"C"_s, u"1"_s, u"2"_s, u"加藤太郎"_s, u"みどり会"_s}));

    run = runExport({path, u"--table"_s, u"combination"_s, u"--group"_s, u"C"_s, u"-o"_s, out(u"c.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(csvRows(fileBytes(out(u"c.csv"_s))).size(), 3);

    // The score-entry rows: the record of each place; 加藤太郎 has no entry yet.
    run = runExport({path, u"--table"_s, u"score-entry"_s, u"-o"_s, out(u"s.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    rows = csvRows(fileBytes(out(u"s.csv"_s)));
    QCOMPARE(rows.size(), 12);
    QCOMPARE(rows.at(0), (QStringList{u"グループ"_s, u"組"_s, u"番"_s, u"氏名"_s, u"チーム"_s, u"確定"_s,
                                      u"一打"_s, u"二打"_s, u"合計"_s}));
    QCOMPARE(rows.at(2), (QStringList{u"A"_s, u"1"_s, u"2"_s, u"鈴木太郎"_s, u"ひまわり会"_s, u"1"_s, u"1"_s,
                                      u"2"_s, u"41"_s}));
    QCOMPARE(rows.at(10), (QStringList{u"C"_s, u"1"_s, u"1"_s, u"中村太郎"_s, u"ひまわり会"_s, u"2"_s, u"3"_s,
                                       u"5"_s, u"88"_s}));
    QCOMPARE(rows.at(11), (QStringList{u"C"_s, u"1"_s, u"2"_s, u"加藤太郎"_s, u"みどり会"_s, u"0"_s,
                                       QString(), QString(), QString()}));
}

void ExportTest::resultCsvIsTheRanking()
{
    // By total, then more one-stroke holes, then more two-stroke holes; equal records in
    // text order of the name. 加藤太郎 has no entry: listed last, without a rank.
    Run run =
        runExport({dataPath(u"write-hand-made.txt"_s), u"--table"_s, u"result"_s, u"-o"_s, out(u"r.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    QList<QStringList> rows = csvRows(fileBytes(out(u"r.csv"_s)));
    QCOMPARE(rows.at(0), (QStringList{u"順位"_s, u"氏名"_s, u"チーム"_s, u"一打"_s, u"二打"_s, u"合計"_s,
                                      u"グループ"_s, u"組"_s}));
    QStringList names;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).at(0), i < 11 ? QString::number(i) : u"未入力"_s);
        names << rows.at(i).at(1);
    }
    QCOMPARE(names, (QStringList{u"佐藤太郎"_s, u"山田太郎"_s, u"鈴木太郎"_s, u"高橋太郎"_s, u"伊藤太郎"_s,
                                 u"田中太郎"_s, u"渡辺太郎"_s, u"小林太郎"_s, u"山田花子"_s, u"中村太郎"_s,
                                 u"加藤太郎"_s}));
    QCOMPARE(rows.at(10),
             (QStringList{u"10"_s, u"中村太郎"_s, u"ひまわり会"_s, u"3"_s, u"5"_s, u"88"_s, u"C"_s, u"1"_s}));

    // The full meeting: the same list as the ranking of the score records the file holds.
    const QString full = dataPath(u"write-full-300.txt"_s);
    run = runExport({full, u"--table"_s, u"result"_s, u"-o"_s, out(u"r.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    rows = csvRows(fileBytes(out(u"r.csv"_s)));
    const auto meeting = std::get<datafile::Meeting>(datafile::read(fileBytes(full)));
    const auto scores = tables::scoresOf(meeting);
    QVERIFY(scores);
    const scoring::Ranking ranking = scoring::rankPlayers(scores->records, scores->slotTexts, {});
    QCOMPARE(ranking.RankList.size(), 384);
    QCOMPARE(rows.size(), 385);
    for (qsizetype k = 0; k < ranking.RankList.size(); ++k) {
        const scoring::RankedPlayer p = scoring::splitRecord(ranking.RankList.at(k));
        const scoring::Place at = ranking.RankPlaces.at(k);
        QCOMPARE(rows.at(k + 1),
                 (QStringList{QString::number(k + 1), p.name, p.team, p.oneStrokes, p.twoStrokes, p.total,
                              QString(QChar(u'A' + at.group)), QString::number(at.party + 1)}));
        if (k > 0) QVERIFY(rows.at(k).at(5).toInt() <= rows.at(k + 1).at(5).toInt());
    }

    // Every placed player of the sample, its group B without a score section among them.
    run = runExport({dataPath(u"sample-120.txt"_s), u"--table"_s, u"result"_s, u"-o"_s, out(u"s.csv"_s)});
    QCOMPARE(run.exitCode, 0);
    rows = csvRows(fileBytes(out(u"s.csv"_s)));
    QCOMPARE(rows.size(), 121);
    QCOMPARE(std::count_if(rows.cbegin(), rows.cend(),
                           [](const QStringList &r) { return r.at(0) == u"未入力"_s; }),
             60);
}

void ExportTest::resultCsvFollowsTheRankingOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("names");
    // 一山 40 strokes with 2 one-stroke and 0 two-stroke holes; 二川 40 with 1 and 5.
    QTest::newRow("both counts") << QStringList{} << QStringList{u"一山"_s, u"二川"_s};
    QTest::newRow("without one-stroke")
        << QStringList{u"--no-rank-one"_s} << QStringList{u"二川"_s, u"一山"_s};
    QTest::newRow("without two-stroke")
        << QStringList{u"--no-rank-two"_s} << QStringList{u"一山"_s, u"二川"_s};
    // Without either, equal keys: the text of the records decides ("1" before "2").
    QTest::newRow("without both") << QStringList{u"--no-rank-one"_s, u"--no-rank-two"_s}
                                  << QStringList{u"二川"_s, u"一山"_s};
}

void ExportTest::resultCsvFollowsTheRankingOptions()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, names);
    datafile::Meeting m;
    m.memberLines << u"一山,緑会,男,昭和,10,10,10,0,on,off,off,,"_s
                  << u"二川,緑会,女,昭和,10,10,10,0,on,off,off,,"_s;
    m.scoreLines[0]
        << u"A,1,2,0,40,一山,緑会,1,1,5,40,二川,緑会,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,,#,0,0,0,"_s;
    const QString path = out(u"two.txt"_s);
    QVERIFY(writeBytes(path, datafile::write(m).bytes));
    const Run run =
        runExport(QStringList{path, u"--table"_s, u"result"_s, u"-o"_s, out(u"two.csv"_s)} + options);
    QCOMPARE(run.exitCode, 0);
    const QList<QStringList> rows = csvRows(fileBytes(out(u"two.csv"_s)));
    QCOMPARE(rows.size(), 3);
    QCOMPARE((QStringList{rows.at(1).at(1), rows.at(2).at(1)}), names);
}

void ExportTest::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray golden = fileBytes(dataPath(u"write-hand-made.txt"_s));
    QTest::newRow("no tag") << QByteArray("hello\r\n") << u"この形式のファイルは開けません"_s;
    QTest::newRow("empty file") << QByteArray() << u"この形式のファイルは開けません"_s;
    QByteArray many = cp932::encode(u"楓鈴"_s).bytes + "\r\n";
    for (int i = 0; i < 301; ++i)
        many += cp932::encode(u"会員%1,緑会,男,昭和,10,10,10,0,off,off,off,,"_s.arg(i)).bytes + "\r\n";
    QTest::newRow("301 members") << many << u"このファイルはメンバー数が３００名を超過しています"_s;
    QByteArray badScore = golden;
    badScore.replace("A,1,0,1,40,", "A,1,0,x,40,");
    QTest::newRow("score not a number") << badScore << u"このファイルは壊れているため開けません。\n"_s;
    QByteArray noTrailer = golden.left(golden.indexOf("$,Hyou"));
    QTest::newRow("cut before the end") << noTrailer << u"このファイルは壊れているため開けません。\n"_s;
    QByteArray notCp932 = golden;
    notCp932.replace(cp932::encode(u"緑会"_s).bytes, QByteArray("\x81\x7f"));
    QTest::newRow("not code page 932") << notCp932 << u"このファイルは壊れているため開けません。\n"_s;
    QByteArray thirteen = golden;
    const QByteArray scoreLine = "C,2,3,5,88,";
    const qsizetype at = thirteen.indexOf(scoreLine);
    const QByteArray line = thirteen.mid(at, thirteen.indexOf("\r\n", at) + 2 - at);
    for (int i = 0; i < 12; ++i) thirteen.insert(at, line);
    QTest::newRow("13 score lines") << thirteen << u"このファイルは壊れているため開けません。\n"_s;
    QByteArray origin = golden;
    origin.replace("$,Hyou\r\n0\r\n", "$,Hyou\r\nabc\r\n");
    QTest::newRow("origin not a number") << origin << u"このファイルは壊れているため開けません。\n"_s;
    QTest::newRow("a name the window would refuse") << fileBytes(dataPath(u"hostile/name-quoted-comma.txt"_s))
                                                    << u"このファイルは壊れているため開けません。\n"_s;
}

void ExportTest::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = out(u"refused.txt"_s);
    QVERIFY(writeBytes(path, bytes));
    // The reader's own message, exactly.
    const auto read = datafile::read(bytes);
    QVERIFY(std::holds_alternative<datafile::ReadError>(read));
    const QString expected = std::get<datafile::ReadError>(read).message();
    QVERIFY(expected.startsWith(message));

    for (const QString &ext : {u"pdf"_s, u"png"_s, u"csv"_s}) {
        // An earlier output stays as it was.
        const QString target = out(u"kept."_s + ext);
        QVERIFY(writeBytes(target, "earlier"));
        const Run run = runExport({path, u"--table"_s, u"member"_s, u"-o"_s, target});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), expected.trimmed());
        QCOMPARE(fileBytes(target), QByteArray("earlier"));
    }
    // A file that is not there, or a folder, cannot be read: said with its name.
    for (const QString &meeting : {out(u"no-such-file.txt"_s), m_dir.path()}) {
        const Run missing = runExport({meeting, u"--table"_s, u"member"_s, u"-o"_s, out(u"x.csv"_s)});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains(meeting), qPrintable(missing.err));
        QVERIFY(!QFileInfo::exists(out(u"x.csv"_s)));
    }
}

void ExportTest::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString f = dataPath(u"write-hand-made.txt"_s);
    const QString o = out(u"bad.pdf"_s);
    using L = QStringList;
    QTest::newRow("unknown option") << L{f, u"--table"_s, u"member"_s, u"--colour"_s, u"-o"_s, o};
    QTest::newRow("no table") << L{f, u"-o"_s, o};
    QTest::newRow("unknown table") << L{f, u"--table"_s, u"members"_s, u"-o"_s, o};
    QTest::newRow("no meeting") << L{u"--table"_s, u"member"_s, u"-o"_s, o};
    QTest::newRow("two meetings") << L{f, f, u"--table"_s, u"member"_s, u"-o"_s, o};
    QTest::newRow("no output") << L{f, u"--table"_s, u"member"_s};
    QTest::newRow("output of another kind") << L{f, u"--table"_s, u"member"_s, u"-o"_s, out(u"bad.xlsx"_s)};
    QTest::newRow("group E") << L{f, u"--table"_s, u"combination"_s, u"--group"_s, u"E"_s, u"-o"_s, o};
    QTest::newRow("party 13") << L{f, u"--table"_s, u"score-sheet"_s, u"--party"_s, u"13"_s, u"-o"_s, o};
    QTest::newRow("party 0") << L{f, u"--table"_s, u"score-sheet"_s, u"--party"_s, u"0"_s, u"-o"_s, o};
    QTest::newRow("page 5 landscape")
        << L{f, u"--table"_s, u"member"_s, u"--form"_s, u"yoko"_s, u"--page"_s, u"5"_s, u"-o"_s, o};
    QTest::newRow("page 11 portrait") << L{f, u"--table"_s, u"member"_s, u"--page"_s, u"11"_s, u"-o"_s, o};
    QTest::newRow("page not a number") << L{f, u"--table"_s, u"member"_s, u"--page"_s, u"一"_s, u"-o"_s, o};
    QTest::newRow("form") << L{f, u"--table"_s, u"member"_s, u"--form"_s, u"square"_s, u"-o"_s, o};
    QTest::newRow("frame 7") << L{f, u"--table"_s, u"combination"_s, u"--frame"_s, u"7"_s, u"-o"_s, o};
    QTest::newRow("holes 13") << L{f, u"--table"_s, u"score-sheet"_s, u"--holes"_s, u"13"_s, u"-o"_s, o};
    QTest::newRow("start hole x") << L{f, u"--table"_s, u"score-sheet"_s, u"--start-hole"_s, u"x"_s, u"-o"_s,
                                       o};
    QTest::newRow("dpi 10") << L{f,       u"--table"_s, u"member"_s,      u"--dpi"_s,
                                 u"10"_s, u"-o"_s,      out(u"bad.png"_s)};
    QTest::newRow("dpi 601") << L{f,        u"--table"_s, u"member"_s,      u"--dpi"_s,
                                  u"601"_s, u"-o"_s,      out(u"bad.png"_s)};
    QTest::newRow("all to png") << L{f, u"--table"_s, u"member"_s, u"--all"_s, u"-o"_s, out(u"bad.png"_s)};
    QTest::newRow("score sheet to csv") << L{f, u"--table"_s, u"score-sheet"_s, u"-o"_s, out(u"bad.csv"_s)};
    QTest::newRow("value missing") << L{f, u"--table"_s};
    const L combination{f, u"--table"_s, u"combination"_s, u"-o"_s, o, u"--group-names"_s};
    QTest::newRow("three group names") << combination + L{u"赤,白,青"_s};
    QTest::newRow("a group name of 12 bytes") << combination + L{u"赤組白組青組,B,C,D"_s};
    QTest::newRow("season of one file") << L{u"--season"_s, f, u"-o"_s, o};
    QTest::newRow("season with a table") << L{u"--season"_s, f, f, u"--table"_s, u"result"_s, u"-o"_s, o};
    QTest::newRow("season to png") << L{u"--season"_s, f, f, u"-o"_s, out(u"bad.png"_s)};
    QTest::newRow("order without season") << L{f, u"--table"_s, u"member"_s, u"--keep-order"_s, u"-o"_s, o};
}

void ExportTest::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFile::remove(out(u"bad.pdf"_s));
    const Run run = runExport(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(u"Usage: kmtx-export MEETING --table"_s), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFileInfo::exists(out(u"bad.pdf"_s)));
}

void ExportTest::outputThatCannotBeWritten()
{
    const QString meeting = dataPath(u"write-hand-made.txt"_s);
    for (const QString &target :
         {out(u"no-such-folder/x.pdf"_s), out(u"no-such-folder/x.csv"_s), out(u"no-such-folder/x.png"_s)}) {
        const Run run = runExport({meeting, u"--table"_s, u"member"_s, u"-o"_s, target});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"x."_s), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(target));
    }
    // A folder in the output's place is kept as it is.
    QVERIFY(QDir(m_dir.path()).mkpath(u"a-folder.csv"_s));
    const Run run = runExport({meeting, u"--table"_s, u"member"_s, u"-o"_s, out(u"a-folder.csv"_s)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(QFileInfo(out(u"a-folder.csv"_s)).isDir());
    // Nothing half-written is left beside it.
    const QStringList left = QDir(m_dir.path()).entryList({u".a-folder.csv*"_s}, QDir::Hidden | QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

void ExportTest::anExistingOutputIsReplacedWhole()
{
    const QString meeting = dataPath(u"write-hand-made.txt"_s);
    const QString target = out(u"replaced.csv"_s);
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x')); // longer than the table: nothing of it may remain
    }
    const QFile::Permissions kept =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(target, kept));
    const Run run = runExport({meeting, u"--table"_s, u"member"_s, u"-o"_s, target});
    QCOMPARE(run.exitCode, 0);
    QFile replaced(target);
    QVERIFY(replaced.open(QIODevice::ReadOnly));
    const QByteArray bytes = replaced.readAll();
    QVERIFY(!bytes.contains('x'));
    QVERIFY(bytes.size() < 100000);
    // A new output is readable by others, as a file made by hand would be.
    const QString fresh = out(u"fresh.csv"_s);
    QCOMPARE(runExport({meeting, u"--table"_s, u"member"_s, u"-o"_s, fresh}).exitCode, 0);
    QVERIFY(QFile::permissions(fresh) & QFile::ReadOther);
    const QStringList left =
        QDir(m_dir.path()).entryList({u".replaced.csv*"_s, u".fresh.csv*"_s}, QDir::Hidden | QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
#ifndef Q_OS_WIN
    QCOMPARE(QFile::permissions(target), kept);
#else
    QSKIP("the rest checks the replaced file's Unix permissions, which Windows does not keep");
#endif
}

void ExportTest::filesItWasNotAskedToReplaceStayWhole()
{
    const QByteArray golden = fileBytes(dataPath(u"write-hand-made.txt"_s));
    const QString ja = u"ja_JP.UTF-8"_s;
    const auto member = [](const QString &meeting, const QString &target) {
        return QStringList{meeting, u"--table"_s, u"member"_s, u"-o"_s, target};
    };
    // The meeting itself, by its name or through a link, is never the output.
    const QString meeting = out(u"meeting.csv"_s);
    QVERIFY(writeBytes(meeting, golden));
    {
        const Run run = runExport(member(meeting, meeting), ja);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(u"大会ファイルそのものには書き出せません"_s), qPrintable(run.err));
        QCOMPARE(fileBytes(meeting), golden);
    }
    // A name as long as the system allows a file written whole or not at all: on Windows the
    // temporary file beside it (the name and ".XXXXXX") must keep within 255 characters too.
#ifdef Q_OS_WIN
    const QString longest = out(QString(248 - 4, u'a') + u".csv"_s);
#else
    const QString longest = out(QString(255 - 4, u'a') + u".csv"_s);
#endif
    QCOMPARE(runExport(member(meeting, longest)).exitCode, 0);
    QVERIFY(fileBytes(longest).startsWith("\xEF\xBB\xBF"));
    // A file that may not be written is refused as the window refuses it.
    const QString readOnly = out(u"read-only.csv"_s);
    QVERIFY(writeBytes(readOnly, "earlier"));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadUser));
    if (!QFileInfo(readOnly).isWritable()) { // not so for the administrator
        const Run run = runExport(member(meeting, readOnly), ja);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith(u"書き込みが許可されていないファイルです\n"_s), qPrintable(run.err));
        QCOMPARE(fileBytes(readOnly), QByteArray("earlier"));
    }
    // The system's reasons follow the locale.
    const Run noFolder = runExport(member(meeting, out(u"no-such-folder/x.csv"_s)), ja);
    QVERIFY2(noFolder.err.endsWith(u"ファイルまたはフォルダーがありません\n"_s), qPrintable(noFolder.err));
    const Run folder = runExport(member(m_dir.path(), out(u"x.csv"_s)), ja);
    QVERIFY2(folder.err.endsWith(u"ファイルではなくフォルダーです\n"_s), qPrintable(folder.err));
    QVERIFY(runExport(member(m_dir.path(), out(u"x.csv"_s))).err.contains(u"directory"_s));
#ifndef Q_OS_WIN
    // Nor through a link; and a link is written through, as the window saves: the link
    // stays, its file is replaced.
    QVERIFY(QFile::link(meeting, out(u"to-meeting.csv"_s)));
    const Run throughLink = runExport(member(meeting, out(u"to-meeting.csv"_s)), ja);
    QCOMPARE(throughLink.exitCode, 2);
    QVERIFY2(throughLink.err.contains(u"大会ファイルそのものには書き出せません"_s),
             qPrintable(throughLink.err));
    QCOMPARE(fileBytes(meeting), golden);
    QVERIFY(writeBytes(out(u"linked.csv"_s), "earlier"));
    QVERIFY(QFile::link(out(u"linked.csv"_s), out(u"link.csv"_s)));
    QCOMPARE(runExport(member(meeting, out(u"link.csv"_s))).exitCode, 0);
    QVERIFY(QFileInfo(out(u"link.csv"_s)).isSymLink());
    QVERIFY(fileBytes(out(u"linked.csv"_s)).startsWith("\xEF\xBB\xBF"));
#else
    QSKIP("the rest checks symbolic links, which QFile::link makes as shortcuts on Windows");
#endif
}

void ExportTest::outputsHarmNoOtherFile_data()
{
    QTest::addColumn<QString>("before"); // what stands at the output (or is the meeting)
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // on standard error, %1 the output
    QTest::addColumn<int>("mode");        // of the output after, -1 not looked at
    const QString device = u"通常のファイルではありません（デバイス・パイプ・ソケットです）"_s;
    QTest::newRow("link to a device node") << u"device"_s << u"d.csv"_s << 1 << device << -1;
    QTest::newRow("pipe") << u"fifo"_s << u"p.csv"_s << 1 << device << -1;
    QTest::newRow("meeting is a pipe") << u"fifo meeting"_s << u"m.csv"_s << 1 << device << -1;
    QTest::newRow("read-only, to root too")
        << u"0444"_s << u"r.csv"_s << 1 << u"書き込みが許可されていない"_s << 0444;
    QTest::newRow("new under umask 077") << u"umask"_s << u"u.csv"_s << 0 << QString() << 0600;
    QTest::newRow("png past the size limit")
        << u"limit"_s << u"l.png"_s << 1 << u"PNG を書けません: %1: ファイルが大きすぎます"_s << -1;
    QTest::newRow("season over its own meeting")
        << u"season"_s << u"own-meeting.csv"_s << 2 << u"大会ファイルそのものには書き出せません: %1"_s << -1;
}

void ExportTest::outputsHarmNoOtherFile()
{
#ifndef Q_OS_UNIX
    QSKIP("devices, pipes and modes as Unix has them");
#else
    QFETCH(QString, before);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(int, mode);
    namespace fs = std::filesystem;
    const QString target = out(output), meeting = dataPath(u"write-hand-made.txt"_s);
    QStringList arguments{meeting, u"--table"_s, u"member"_s, u"-o"_s, target};
    QString kept = target;       // a device or pipe that must stay one
    if (before == u"device"_s) { // a node of its own, with the numbers of the null device
        if (::mknod(qPrintable(out(u"node"_s)), S_IFCHR | 0666, makedev(1, 3)) != 0) QSKIP("needs root");
        QVERIFY(QFile::link(out(u"node"_s), target));
    } else if (before.startsWith(u"fifo"_s)) {
        kept = out(output + u".fifo"_s);
        QCOMPARE(::mkfifo(qPrintable(kept), 0644), 0);
        if (before == u"fifo"_s) {
            QVERIFY(QFile::rename(kept, target));
            kept = target;
        } else {
            arguments[0] = kept;
        }
    } else if (before == u"0444"_s) {
        QVERIFY(writeBytes(target, "earlier") &&
                QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (before == u"season"_s) {
        QVERIFY(QFile::copy(meeting, target));
        arguments = QStringList{u"--season"_s, meeting, target, u"-o"_s, target};
    }
    const fs::file_type type = fs::status(fs::path(kept.toStdString())).type();
    const Run run = runExport(arguments, u"ja_JP.UTF-8"_s, {}, [before] {
        if (before == u"umask"_s) ::umask(077);
        if (before != u"limit"_s) return;
        ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with its reason
        const rlimit small{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &small);
    });
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message.contains(u"%1"_s) ? message.arg(target) : message),
             qPrintable(run.err));
    if (type != fs::file_type::not_found) QCOMPARE(fs::status(fs::path(kept.toStdString())).type(), type);
    if (before == u"0444"_s) QCOMPARE(fileBytes(target), QByteArray("earlier"));
    if (before == u"season"_s) QCOMPARE(fileBytes(target), fileBytes(meeting));
    if (mode >= 0)
        QCOMPARE(int(fs::status(fs::path(target.toStdString())).permissions() & fs::perms::mask), mode);
    QVERIFY(QDir(m_dir.path()).entryList({u".*"_s + output + u"*"_s}, QDir::Hidden | QDir::Files).isEmpty());
#endif
}

void ExportTest::helpInJapaneseAndEnglish()
{
    const Run english = runExport({u"--help"_s});
    QCOMPARE(english.exitCode, 0);
    QVERIFY2(english.out.contains(u"Usage: "_s), qPrintable(english.out));
    QVERIFY(english.out.contains(u"--table <TABLE>"_s));
    QVERIFY(english.out.contains(u"the table: member, combination"_s));

    const Run japanese = runExport({u"--help"_s}, u"ja_JP.UTF-8"_s);
    QCOMPARE(japanese.exitCode, 0);
    QVERIFY2(japanese.out.contains(u"使い方: "_s), qPrintable(japanese.out));
    QVERIFY(japanese.out.contains(u"オプション:"_s));
    QVERIFY(japanese.out.contains(u"member（メンバー表）"_s));
    QVERIFY(!japanese.out.contains(u"Usage"_s));

    const Run bad = runExport({u"--nothing"_s}, u"ja_JP.UTF-8"_s);
    QCOMPARE(bad.exitCode, 2);
    QVERIFY2(bad.err.contains(u"使い方: kmtx-export MEETING"_s), qPrintable(bad.err));
}

void ExportTest::aPartyOfEightUnderTheFrameOfSix()
{
    // The full meeting has parties of eight: under ６人枠 the tables are drawn as under
    // ８人枠, every player written, and the user is told.
    const QString meeting = dataPath(u"write-full-300.txt"_s);
    const Run six = runExport(
        {meeting, u"--table"_s, u"combination"_s, u"--frame"_s, u"6"_s, u"-o"_s, out(u"six.pdf"_s)});
    QCOMPARE(six.exitCode, 0);
    QVERIFY2(six.err.contains(u"more than six"_s), qPrintable(six.err));
    const Run eight = runExport(
        {meeting, u"--table"_s, u"combination"_s, u"--frame"_s, u"8"_s, u"-o"_s, out(u"eight.pdf"_s)});
    QCOMPARE(eight.exitCode, 0);
    QVERIFY(eight.err.isEmpty());
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    const auto texts = [](const QList<Word> &words) {
        QStringList t;
        for (const Word &w : words) t << w.text;
        return t;
    };
    const QStringList drawn = texts(pdfWords(out(u"six.pdf"_s)));
    QCOMPARE(drawn, texts(pdfWords(out(u"eight.pdf"_s))));
    // Party 1 of group A holds eight players; its eighth is 中村太郎.
    QVERIFY(drawn.contains(u"中村太郎"_s));
}

void ExportTest::groupNamesAsTheWindowKeepsThem_data()
{
    QTest::addColumn<QString>("kept"); // the window's name of group A; empty: none kept
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the name the window keeps") << u"東コース組"_s << QStringList() << u"東コース組"_s;
    QTest::newRow("none kept: the letter") << QString() << QStringList() << u"A"_s;
    QTest::newRow("--group-names before the settings")
        << u"東コース組"_s << QStringList{u"--group-names"_s, u"赤,白,,黄"_s} << u"赤"_s;
}

void ExportTest::groupNamesAsTheWindowKeepsThem()
{
    QFETCH(QString, kept);
    QFETCH(QStringList, options);
    QFETCH(QString, shown);
#ifdef Q_OS_WIN
    if (!kept.isEmpty())
        QSKIP(
            "on Windows kmtx-export reads the group names from the user's registry, which tests leave alone");
#endif
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    // The user's settings as the window writes them, in a folder of the test's own.
    QTemporaryDir config;
    if (!kept.isEmpty()) {
        QSettings settings(config.filePath(u"Tobra/Kmtx.conf"_s), QSettings::IniFormat);
        settings.setValue(u"Kmtx/GrpA"_s, kept);
    }
    const QString target = out(u"names.pdf"_s);
    const Run run = runExport(
        QStringList{dataPath(u"write-full-300.txt"_s), u"--table"_s, u"combination"_s, u"-o"_s, target} +
            options,
        u"C"_s, config.path());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    // The heading "NAME グループ" of the combination table.
    const QList<Word> words = pdfWords(target);
    const auto heading =
        std::find_if(words.cbegin(), words.cend(), [](const Word &w) { return w.text == u"グループ"_s; });
    QVERIFY(heading != words.cbegin() && heading != words.cend());
    QCOMPARE(std::prev(heading)->text, shown);
}

void ExportTest::scoreSheetStartsAtThePartysHole()
{
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    const QString meeting = dataPath(u"write-full-300.txt"_s);
    // The heading row of hole numbers, left to right.
    const auto holes = [&](const QStringList &options) {
        const QString target = out(u"sheet.pdf"_s);
        const Run run =
            runExport(QStringList{meeting, u"--table"_s, u"score-sheet"_s, u"-o"_s, target} + options);
        QList<Word> words = pdfWords(target);
        const auto heading = std::find_if(words.cbegin(), words.cend(),
                                          [](const Word &w) { return w.text == u"ホール番号"_s; });
        QStringList numbers;
        if (run.exitCode != 0 || heading == words.cend()) return numbers;
        QList<Word> row;
        for (const Word &w : words)
            if (qAbs(w.yMin - heading->yMin) < 20 && w.xMin > heading->xMax && w.text.toInt() > 0) row << w;
        std::sort(row.begin(), row.end(), [](const Word &a, const Word &b) { return a.xMin < b.xMin; });
        for (const Word &w : row) numbers << w.text;
        return numbers;
    };
    QCOMPARE(holes({}).join(u' '), u"1 2 3 4 5 6 7 8 9 10"_s);
    QCOMPARE(holes({u"--party"_s, u"3"_s}).join(u' '), u"3 4 5 6 7 8 9 10 1 2"_s);
    QCOMPARE(holes({u"--party"_s, u"3"_s, u"--start-hole"_s, u"1"_s}).join(u' '), u"1 2 3 4 5 6 7 8 9 10"_s);
    QCOMPARE(holes({u"--holes"_s, u"12"_s, u"--start-hole"_s, u"11"_s}).join(u' '),
             u"11 12 1 2 3 4 5 6 7 8 9 10"_s);
}

QTEST_APPLESS_MAIN(ExportTest)
#include "tst_export.moc"
