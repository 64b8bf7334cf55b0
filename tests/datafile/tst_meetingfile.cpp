// The data file on its own: the exact bytes written for a meeting, what is read from
// a file, and every damage named with its line.
#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "datafile/ScoreLines.h"
#include "datafile/TestData.h"
#include "support/MeetingJson.h"
#include "text/CommaText.h"
#include "text/Cp932.h"
#include "text/Random.h"

#include <QTest>

using namespace Qt::StringLiterals;
using datafile::ReadError;

namespace testdata = datafile::testdata;

namespace {
QString dataPath(const QString &name) { return QFINDTESTDATA(u"../data/"_s + name); }

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) bytes += text::cp932::encode(line).bytes + "\r\n";
    return bytes;
}

QStringList decodeLines(const QByteArray &bytes)
{
    QStringList lines;
    for (const QByteArray &line : datafile::splitLines(bytes)) lines << text::cp932::decode(line).text;
    return lines;
}

ReadError readError(const QByteArray &bytes)
{
    const datafile::ReadResult result = datafile::read(bytes);
    if (const auto *e = std::get_if<ReadError>(&result)) return *e;
    return ReadError{ReadError::Kind::Damaged, -1, u"(read without error)"_s};
}

datafile::Meeting readMeeting(const QByteArray &bytes)
{
    const datafile::ReadResult result = datafile::read(bytes);
    if (const auto *e = std::get_if<ReadError>(&result)) qWarning("%s", qPrintable(e->message()));
    return std::holds_alternative<datafile::Meeting>(result) ? std::get<datafile::Meeting>(result)
                                                             : datafile::Meeting{{}, {}, {}, {}, -1, {}, {}};
}

// The hand-made golden meeting as lines, for damaging one of them.
QStringList handMadeLines() { return decodeLines(fileBytes(dataPath(u"write-hand-made.txt"_s))); }
int lineIndexOf(const QStringList &lines, const QString &marker) { return int(lines.indexOf(marker)); }
} // namespace

class MeetingFileTest : public QObject
{
    Q_OBJECT
private slots:
    void writesTheGoldenBytes_data();
    void writesTheGoldenBytes();
    void readsTheGoldenMeeting_data() { writesTheGoldenBytes_data(); }
    void readsTheGoldenMeeting();
    void readsAnOlderFile();
    void emptyMeetingIsEighteenLines();
    void lineEnds_data();
    void lineEnds();
    void onlyTheDollarOfAMarkerCounts();
    void memberLimit_data();
    void memberLimit();
    void tag_data();
    void tag();
    void tournamentNameFromFileName_data();
    void tournamentNameFromFileName();
    void systemReasons_data();
    void systemReasons();
    void editorTailsAreLetPass_data();
    void editorTailsAreLetPass();
    void damageIsNamedWithItsLine_data();
    void damageIsNamedWithItsLine();
    void scoreLinesOfPartlyFilledGroups();
    void scoreSectionsAfterAnEmptyGroupAreRead();
    void scoreLinesAreBuiltFromTheRecords();
    void writingRefusesWhatCodePage932CannotHold();
    void whatIsReadIsWrittenBackTheSame();
    void sampleMembers();
    void sampleScores_data();
    void sampleScores();
};

void MeetingFileTest::writesTheGoldenBytes_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"write-empty", "write-full-300", "write-hand-made", "sample-120"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MeetingFileTest::writesTheGoldenBytes()
{
    QFETCH(QString, name);
    const QByteArray json = fileBytes(dataPath(name + u".json"_s));
    const QByteArray golden = fileBytes(dataPath(name + u".txt"_s));
    QVERIFY(!json.isEmpty() && !golden.isEmpty());
    const datafile::WriteResult written = datafile::write(meetingFromJson(json));
    QCOMPARE(written.error, QString());
    QCOMPARE(written.bytes, golden);
}

void MeetingFileTest::readsTheGoldenMeeting()
{
    QFETCH(QString, name);
    const datafile::Meeting expected = meetingFromJson(fileBytes(dataPath(name + u".json"_s)));
    const datafile::Meeting read = readMeeting(fileBytes(dataPath(name + u".txt"_s)));
    QCOMPARE(read.memberLines, expected.memberLines);
    QCOMPARE(read.kumiLines, expected.kumiLines);
    QCOMPARE(read.groupLists, expected.groupLists);
    QCOMPARE(read.scoreLines, expected.scoreLines);
    QVERIFY(read == expected);
}

void MeetingFileTest::readsAnOlderFile()
{
    // A tag followed by more text, CR LF, lone CR and lone LF ends, "$,GroupD" for group
    // D, a member whose name begins with "$", no end after the last line.
    const datafile::Meeting expected = meetingFromJson(fileBytes(dataPath(u"read-older-file.json"_s)));
    const datafile::Meeting read = readMeeting(fileBytes(dataPath(u"read-older-file.txt"_s)));
    QCOMPARE(read.memberLines, expected.memberLines);
    QCOMPARE(read.memberLines.first(), u"$山一郎,緑会,男,昭和,10,10,10,0,on,off,off,,"_s);
    QCOMPARE(read.groupLists[3], expected.groupLists[3]);
    QCOMPARE(read.scoreLines, expected.scoreLines);
    QVERIFY(read == expected);
    QVERIFY(read.autoMade());
}

void MeetingFileTest::emptyMeetingIsEighteenLines()
{
    const QByteArray bytes = datafile::write(datafile::Meeting{}).bytes;
    QCOMPARE(bytes.count("\r\n"), 18);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.left(6), QByteArray("\x95\x96\x97\xe9\r\n"));
    const QStringList lines = decodeLines(bytes);
    QStringList expected{u"楓鈴"_s};
    expected << datafile::markers() << u"0"_s << QString() << u"グラウンドゴルフ"_s << QString();
    QCOMPARE(lines, expected);
    QCOMPARE(lines.at(8), u"$,DroupD"_s);
}

void MeetingFileTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    using L = QList<QByteArray>;
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << L{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << L{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << L{"a", "b"};
    QTest::newRow("mixed, no last end") << QByteArray("a\r\nb\rc\nd") << L{"a", "b", "c", "d"};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\n\rb") << L{"a", "", "", "", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << L{"a", "", "b"};
    QTest::newRow("nothing") << QByteArray() << L{};
}

void MeetingFileTest::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(datafile::splitLines(bytes), lines);
}

void MeetingFileTest::onlyTheDollarOfAMarkerCounts()
{
    QStringList lines = handMadeLines();
    const int d = lineIndexOf(lines, u"$,DroupD"_s);
    QVERIFY(d > 0);
    lines[d] = u"$ グループＤ"_s;
    lines.insert(d + 1, u"森　次郎,緑会,男,非表示,1,1,1,70,on,a,off,,"_s);
    const datafile::Meeting m = readMeeting(encodeLines(lines));
    QCOMPARE(m.groupLists[3], QStringList{u"森　次郎,緑会,男,非表示,1,1,1,70,on,a,off,,"_s});
    QCOMPARE(m.scoreLines[0].size(), 2);
}

void MeetingFileTest::memberLimit_data()
{
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("opens");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("300") << 300 << true;
    QTest::newRow("301") << 301 << false;
    QTest::newRow("1000") << 1000 << false;
}

void MeetingFileTest::memberLimit()
{
    QFETCH(int, members);
    QFETCH(bool, opens);
    datafile::Meeting m;
    for (int i = 0; i < members; ++i)
        m.memberLines << u"会員%1,緑会,男,昭和,10,10,10,0,off,off,off,,"_s.arg(i);
    const datafile::ReadResult result = datafile::read(datafile::write(m).bytes);
    QCOMPARE(std::holds_alternative<datafile::Meeting>(result), opens);
    if (opens) {
        QCOMPARE(std::get<datafile::Meeting>(result).memberLines.size(), members);
    } else {
        const ReadError e = std::get<ReadError>(result);
        QCOMPARE(e.kind, ReadError::Kind::TooManyMembers);
        QCOMPARE(e.message(), u"このファイルはメンバー数が３００名を超過しています"_s);
    }
}

void MeetingFileTest::tag_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<bool>("opens");
    QTest::newRow("the tag") << QByteArray("\x95\x96\x97\xe9") << true;
    QTest::newRow("the tag and more text") << QByteArray("\x95\x96\x97\xe9 Version 1.0.4") << true;
    QTest::newRow("the tag and bytes that are no text") << QByteArray("\x95\x96\x97\xe9\xff\xfe") << true;
    QTest::newRow("half the tag") << QByteArray("\x95\x96") << false;
    QTest::newRow("the tag in UTF-8") << QString(u"楓鈴"_s).toUtf8() << false;
    QTest::newRow("a blank before the tag") << QByteArray(" \x95\x96\x97\xe9") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void MeetingFileTest::tag()
{
    QFETCH(QByteArray, firstLine);
    QFETCH(bool, opens);
    QByteArray bytes = datafile::write(datafile::Meeting{}).bytes;
    bytes = firstLine + bytes.mid(bytes.indexOf("\r\n"));
    const datafile::ReadResult result = datafile::read(bytes);
    QCOMPARE(std::holds_alternative<datafile::Meeting>(result), opens);
    if (!opens) {
        QCOMPARE(std::get<ReadError>(result).kind, ReadError::Kind::NotMeetingFile);
        QCOMPARE(std::get<ReadError>(result).message(), u"この形式のファイルは開けません"_s);
    }
    QCOMPARE(std::holds_alternative<datafile::Meeting>(datafile::read(QByteArray())), false);
}

void MeetingFileTest::tournamentNameFromFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("name.txt") << u"/home/kai/秋季大会.txt"_s << u"秋季大会"_s;
    QTest::newRow("cut at the first dot") << u"/home/kai/春.2026.txt"_s << u"春"_s;
    QTest::newRow("no dot") << u"/home/kai/秋季大会"_s << QString();
    QTest::newRow("a dot only in the folder") << u"/home/kai.d/秋季大会"_s << QString();
    QTest::newRow("a leading dot") << u"/home/kai/.txt"_s << QString();
}

void MeetingFileTest::tournamentNameFromFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(datafile::tournamentNameOf(path), name);
}

void MeetingFileTest::systemReasons_data()
{
    // What the system says of a failed file, as a Japanese user reads it; anything else as it came.
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("japanese");
    QTest::newRow("disk full") << u"No space left on device"_s << u"ディスクの空き容量が足りません"_s;
    QTest::newRow("permission") << u"Permission denied"_s << u"アクセスが許可されていません"_s;
    QTest::newRow("no such folder") << u"No such file or directory"_s
                                    << u"ファイルまたはフォルダーがありません"_s;
    QTest::newRow("a folder") << u"file to open is a directory"_s << u"ファイルではなくフォルダーです"_s;
    QTest::newRow("read-only file") << u"Existing file /a/b.txt is not writable"_s
                                    << u"書き込みが許可されていないファイルです"_s;
    QTest::newRow("unknown") << u"Unknown error"_s << u"原因がわからない失敗です"_s;
    QTest::newRow("already Japanese")
        << u"デバイスの準備ができていません。"_s << u"デバイスの準備ができていません。"_s;
}

void MeetingFileTest::systemReasons()
{
    QFETCH(QString, system);
    QFETCH(QString, japanese);
    QCOMPARE(datafile::systemReason(system, true), japanese);
    QCOMPARE(datafile::systemReason(system, false), system);
    if (system.startsWith(u"No space"_s))
        QCOMPARE(datafile::systemReason(std::make_error_code(std::errc::no_space_on_device), true), japanese);
}

void MeetingFileTest::editorTailsAreLetPass_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("an empty line") << QByteArray("\r\n");
    QTest::newRow("lines of blanks") << QByteArray("   \r\n\t\r\n \n");
    QTest::newRow("^Z") << QByteArray("\x1a");
    QTest::newRow("^Z on a line of its own") << QByteArray("\r\n\x1a");
    QTest::newRow("^Z after the last line's end") << QByteArray("\x1a\x1a");
}

void MeetingFileTest::editorTailsAreLetPass()
{
    // What an editor adds after the course name is no part of the meeting, also when the
    // course name is empty.
    QFETCH(QByteArray, tail);
    datafile::Meeting m = meetingFromJson(fileBytes(dataPath(u"write-hand-made.json"_s)));
    for (const QString &course : {m.courseName, QString()}) {
        m.courseName = course;
        const QByteArray bytes = datafile::write(m).bytes;
        const datafile::ReadResult result = datafile::read(bytes + tail);
        QVERIFY(std::holds_alternative<datafile::Meeting>(result));
        QCOMPARE(std::get<datafile::Meeting>(result), readMeeting(bytes));
        QCOMPARE(std::get<datafile::Meeting>(result).courseName, course);
    }
}

void MeetingFileTest::damageIsNamedWithItsLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("what");

    const QStringList good = handMadeLines();
    const QByteArray goodBytes = encodeLines(good);
    const int tenA = lineIndexOf(good, u"$,TenA"_s);
    const int kumiA = lineIndexOf(good, u"$,KumiA"_s);
    const int hyou = lineIndexOf(good, u"$,Hyou"_s);
    auto changed = [&good](int index, const QString &line) {
        QStringList lines = good;
        lines[index] = line;
        return encodeLines(lines);
    };

    {
        // A byte pair that is no character of code page 932 in member line 3.
        QList<QByteArray> raw = datafile::splitLines(goodBytes);
        raw[2] = raw[2] + "\x81\x20";
        QTest::newRow("bytes not code page 932") << raw.join("\r\n") << 3 << u"シフトJIS"_s;
        QList<QByteArray> cut = datafile::splitLines(goodBytes);
        cut[4] = cut[4] + "\x82";
        QTest::newRow("a lead byte at the end of a line") << cut.join("\r\n") << 5 << u"シフトJIS"_s;
    }
    QTest::newRow("member line without enough fields")
        << changed(2, u"山田,緑会,男,昭和"_s) << 3 << u"項目が足りません"_s;
    QTest::newRow("member's year not a number")
        << changed(1, u"山田,緑会,男,昭和,十,10,10,0,off,off,off,,"_s) << 2 << u"生まれ年「十」"_s;
    QTest::newRow("member's day not a number")
        << changed(1, u"山田,緑会,男,昭和,10,10,x,0,off,off,off,,"_s) << 2 << u"生まれ日「x」"_s;
    QTest::newRow("party line without its count")
        << changed(kumiA + 2, u",1,3"_s) << kumiA + 3 << u"組の行"_s;
    QTest::newRow("party member index out of range")
        << changed(kumiA + 1, u"3,0,300"_s) << kumiA + 2 << u"メンバー番号「300」"_s;
    QTest::newRow("score line too short")
        << changed(tenA + 1, u"A,1,2,3"_s) << tenA + 2 << u"項目が足りません"_s;
    QTest::newRow("score line ends before slot 8")
        << changed(tenA + 1, good.at(tenA + 1).section(u',', 0, 36)) << tenA + 2 << u"7番目の枠"_s;
    QTest::newRow("score figure not whole")
        << changed(tenA + 2, QString(good.at(tenA + 2)).replace(u"A,1,0,1,40"_s, u"A,1,0,1.5,40"_s))
        << tenA + 3 << u"整数ではありません"_s;
    QTest::newRow("entries not whole")
        << changed(tenA + 1, u"A,x"_s + good.at(tenA + 1).mid(3)) << tenA + 2 << u"「x」"_s;
    {
        QStringList lines = good;
        for (int i = 0; i < 11; ++i) lines.insert(tenA + 1, good.at(tenA + 1));
        QTest::newRow("thirteen score lines") << encodeLines(lines) << tenA + 14 << u"12行を超えています"_s;
    }
    QTest::newRow("fourth-last line not a number")
        << changed(good.size() - 4, u"百"_s) << int(good.size() - 3) << u"「百」"_s;
    {
        QStringList lines = good.mid(0, lineIndexOf(good, u"$,GroupA"_s));
        QTest::newRow("file cut after the party sections")
            << encodeLines(lines) << int(lines.size()) << u"区切りの行"_s;
        QTest::newRow("closing lines missing")
            << encodeLines(good.mid(0, hyou + 3)) << hyou + 3 << u"最後の4行"_s;
    }
}

void MeetingFileTest::damageIsNamedWithItsLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, what);
    const ReadError e = readError(bytes);
    QCOMPARE(e.line, line);
    QCOMPARE(e.kind, ReadError::Kind::Damaged);
    QVERIFY2(e.what.contains(what), qPrintable(e.what));
    QVERIFY(e.message().startsWith(u"このファイルは壊れているため開けません。\n%1行目："_s.arg(line)));
}

void MeetingFileTest::scoreLinesOfPartlyFilledGroups()
{
    // Group A: a party of six and one of three; parties 3 to 12 stay cleared, and so do
    // slots 7 and 8 of the party of six.
    const datafile::Meeting m = meetingFromJson(fileBytes(dataPath(u"write-hand-made.json"_s)));
    ScoreSlotArray records;
    SlotTextArray texts;
    for (int g = 0; g < 4; ++g) scoring::clearGroup(records, g);
    QVERIFY(!datafile::applyScoreLines(m.scoreLines, records, texts));
    const ScoreSlot cleared = ScoreSlot::cleared();
    QCOMPARE(records[0][0][5].Summary, u"5,6,45"_s);
    QCOMPARE(records[0][0][5].Entries, u"1"_s);
    QCOMPARE(records[0][0][6], cleared);
    QCOMPARE(records[0][0][7], cleared);
    QCOMPARE(texts[0][0][6], QString());
    QCOMPARE(records[0][1][2].Summary, u"2,3,42"_s);
    QCOMPARE(records[0][1][3], cleared);
    for (int k = 2; k < 12; ++k)
        for (int s = 0; s < 8; ++s) QCOMPARE(records[0][k][s], cleared);
    QCOMPARE(records[2][0][0].Summary, u"3,5,88"_s);
    QCOMPARE(records[2][0][0].Entries, u"2"_s);
    QCOMPARE(records[2][0][1].Summary, u"0,0,0"_s);
    QCOMPARE(texts[2][0][1].isEmpty(), false);
}

void MeetingFileTest::scoreSectionsAfterAnEmptyGroupAreRead()
{
    std::array<QStringList, 4> lines;
    lines[2] << u"C,3,4,5,120,山田,緑会"_s + QString(u",#,0,0,0,"_s).repeated(7);
    lines[3] << u"D,1,1,1,40,川村,さくら"_s + QString(u",#,0,0,0,"_s).repeated(7);
    ScoreSlotArray records;
    SlotTextArray texts;
    QVERIFY(!datafile::applyScoreLines(lines, records, texts));
    QCOMPARE(records[2][0][0].Summary, u"4,5,120"_s);
    QCOMPARE(texts[2][0][0], u"山田,緑会"_s);
    QCOMPARE(records[3][0][0].Summary, u"1,1,40"_s);
    QCOMPARE(texts[3][0][0], u"川村,さくら"_s);
}

void MeetingFileTest::scoreLinesAreBuiltFromTheRecords()
{
    ScoreSlotArray records;
    SlotTextArray texts;
    for (int g = 0; g < 4; ++g) scoring::clearGroup(records, g);
    for (int s = 0; s < 3; ++s) {
        texts[1][0][s] = u"選手%1,緑会"_s.arg(s + 1);
        records[1][0][s] = ScoreSlot{u"1,2,30"_s, u"1"_s, u"2"_s, u"30"_s, u"1"_s};
    }
    texts[1][2][0] = u"離れた組,緑会"_s; // after an empty party: not written
    const auto lines = datafile::buildScoreLines(records, texts);
    QCOMPARE(lines[0], QStringList());
    QCOMPARE(lines[1].size(), 1);
    QCOMPARE(text::commatext::split(lines[1].first()).size(), 44); // 1 + 3 × 6 + 5 × 5
    QCOMPARE(lines[1].first(), u"B,1,1,2,30,選手1,緑会,1,1,2,30,選手2,緑会,1,1,2,30,選手3,緑会"_s +
                                   QString(u",#,0,0,0,"_s).repeated(5));

    // Read back, the records and texts are the same.
    ScoreSlotArray readRecords;
    SlotTextArray readTexts;
    for (int g = 0; g < 4; ++g) scoring::clearGroup(readRecords, g);
    QVERIFY(!datafile::applyScoreLines(lines, readRecords, readTexts));
    QCOMPARE(readRecords[1][0], records[1][0]);
    QCOMPARE(readTexts[1][0], texts[1][0]);
}

void MeetingFileTest::writingRefusesWhatCodePage932CannotHold()
{
    datafile::Meeting m;
    m.memberLines << u"山田,緑会,男,昭和,10,10,10,0,off,off,off,,"_s;
    m.courseName = u"コース😀"_s;
    const datafile::WriteResult r = datafile::write(m);
    QVERIFY(r.bytes.isEmpty());
    QVERIFY2(r.error.contains(u"19行目"_s) && r.error.contains(u"😀"_s), qPrintable(r.error));
}

void MeetingFileTest::whatIsReadIsWrittenBackTheSame()
{
    // Files damaged at random: each is refused, or read into a meeting that the writer
    // writes and the reader reads back unchanged.
    const QByteArray seeds[] = {fileBytes(dataPath(u"write-hand-made.txt"_s)),
                                fileBytes(dataPath(u"read-older-file.txt"_s)),
                                fileBytes(dataPath(u"sample-120.txt"_s))};
    const char pieces[][9] = {"$", ",", "\r", "\n", "#", "9", "-1", "\x81", "\x95\x96\x97\xe9", "$,Hyou\r\n"};
    Random rng;
    rng.seed(20261207);
    int accepted = 0;
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes = seeds[round % 3];
        for (int change = rng.below(4) + 1; change > 0; --change) {
            const int at = rng.below(int(bytes.size()));
            switch (rng.below(3)) {
            case 0: bytes.remove(at, rng.below(40) + 1); break;
            case 1: bytes.insert(at, pieces[rng.below(10)]); break;
            default: bytes[at] = char(rng.below(256)); break;
            }
        }
        const datafile::ReadResult result = datafile::read(bytes);
        if (const auto *e = std::get_if<ReadError>(&result)) {
            QVERIFY(!e->message().isEmpty());
            continue;
        }
        ++accepted;
        const datafile::Meeting &m = std::get<datafile::Meeting>(result);
        const datafile::WriteResult written = datafile::write(m);
        QCOMPARE(written.error, QString());
        const datafile::ReadResult again = datafile::read(written.bytes);
        QVERIFY(std::holds_alternative<datafile::Meeting>(again));
        const datafile::Meeting &back = std::get<datafile::Meeting>(again);
        QCOMPARE(back.memberLines, m.memberLines);
        QCOMPARE(back.kumiLines, m.kumiLines);
        QCOMPARE(back.groupLists, m.groupLists);
        QCOMPARE(back.scoreLines, m.scoreLines);
        QCOMPARE(back.origin, m.origin);
        QCOMPARE(back.tournamentName, m.tournamentName);
        QCOMPARE(back.courseName, m.courseName);
    }
    QVERIFY(accepted > 50); // damage in names and figures still reads
}

void MeetingFileTest::sampleMembers()
{
    const QStringList lines = testdata::sampleMemberLines();
    QCOMPARE(lines.size(), 120);
    QCOMPARE(lines.first(), u"佐々木11雄,悠々友の会,男性,昭和,20,5,26,0,off,off,off,"_s);
    QCOMPARE(lines.at(20), u"斉藤11子,学園なかよし会,女性,昭和,22,12,3,0,off,off,off,"_s);
    QCOMPARE(lines.at(59), u"加藤30男,高石どんぐり会,男性,昭和,47,5,5,0,off,off,off,"_s);
    QCOMPARE(lines.last(), u"横山30美,スポーツクラブ,女性,昭和,34,8,20,0,off,off,off,"_s);
    QCOMPARE(testdata::TournamentName, u"なかよし会親睦大会"_s);
    QCOMPARE(testdata::CourseName, u"桜が丘グラウンド"_s);
}

void MeetingFileTest::sampleScores_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("summary");
    QTest::newRow("0") << 0 << u"0,2,22"_s;
    QTest::newRow("32767") << 32767 << u"7,9,29"_s;
    QTest::newRow("87") << 87 << u"7,9,109"_s;
    QTest::newRow("88") << 88 << u"8,10,20"_s;
}

void MeetingFileTest::sampleScores()
{
    QFETCH(int, r);
    QFETCH(QString, summary);
    const ScoreSlot slot = testdata::sampleScore(r);
    QCOMPARE(slot.Summary, summary);
    QCOMPARE(slot.OneStrokes + u',' + slot.TwoStrokes + u',' + slot.Total, summary);
    QCOMPARE(slot.Entries, u"1"_s);
}

QTEST_APPLESS_MAIN(MeetingFileTest)
#include "tst_meetingfile.moc"
