// Saving and opening a meeting through the form: the stores that come back, every
// refusal leaving the whole form as it was, unsaved work, recent files and the test data.
#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "datafile/TestData.h"
#include "support/GroupingSteps.h"
#include "support/MeetingJson.h"
#include "support/Scenario.h"
#include "tables/MeetingTables.h"
#include "text/Cp932.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace cp932 = text::cp932;
namespace testdata = datafile::testdata;

namespace {
QString dataPath(const QString &name) { return QFINDTESTDATA(u"../data/"_s + name); }

// Everything an open or a save may touch.
struct Stores {
    QStringList memberLines, savedMemberLines;
    std::array<QStringList, 4> kumiLines, groupList, scoreLines;
    std::array<QStringList, 12> kumiList;
    ScoreSlotArray scoreSlots;
    SlotTextArray slotTexts;
    std::array<Member, roster::MaxMembers> members;
    int autoMade = 0, handMade = 0;
    curgroup curGroup = curgroup::None;
    ::screen screen = ::screen::None;
    int combining = 0;
    QString tournament, course, dataFileName, caption;
    QStringList recent;
    friend bool operator==(const Stores &, const Stores &) = default;
};

Stores storesOf(Scenario &s)
{
    TMainForm &f = s.form;
    return Stores{f.MemberLines,
                  f.SavedMemberLines,
                  f.KumiLines,
                  f.GroupList,
                  f.ScoreLines,
                  f.KumiList,
                  f.ScoreSlots,
                  f.KumiSlotText,
                  f.Members,
                  f.AutoMade,
                  f.HandMade,
                  f.CurGroup,
                  f.Screen,
                  f.Combining,
                  f.control("Edit7").text,
                  f.control("Edit8").text,
                  f.DataFileName,
                  s.platform.caption,
                  f.RecentFiles};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Copies a golden meeting file under a new name into dir and opens it with 開く.
QString openCopy(Scenario &s, const QTemporaryDir &dir, const QString &golden, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!writeFile(path, fileBytes(dataPath(golden)))) return {};
    s.platform.chooseFile(path);
    s.form.N3Click();
    return path;
}

QStringList fileLines(const QString &path)
{
    QStringList lines;
    for (const QByteArray &l : datafile::splitLines(fileBytes(path))) lines << cp932::decode(l).text;
    return lines;
}
} // namespace

class DataFileTest : public QObject
{
    Q_OBJECT
private slots:
    void savingInPlace_data();
    void savingInPlace();
    void fullMeetingComesBackWhole();
    void anAutomaticCombinationKeepsItsOriginAfterTheCombinationScreen();
    void typedTournamentNameComesBack();
    void emptyMeetingWritesEighteenLines();
    void openSetsTheParticularsAndModes_data();
    void openSetsTheParticularsAndModes();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();
    void openRefusedOnOtherScreensAndWhileCombining();
    void saveRefusedWhileCombining();
    void dialogsAskAsTheyShould();
    void cancelledOpenChangesNothing();
    void cancelledSaveWritesNothing();
    void textsCodePage932CannotHoldAreRefused_data();
    void textsCodePage932CannotHoldAreRefused();
    void failedSaveKeepsTheOldFile();
    void closingWithoutChangesAsksTheUsualQuestion();
    void closingWithChangesOffersToSave_data();
    void closingWithChangesOffersToSave();
    void reshapedLinesAreNoChange();
    void openingWithChangesAsksFirst();
    void recentFiles();
    void aRecentFileThatIsGoneLeavesTheList();
    void sampleMembersRefusedOffTheCombinationScreen();
    void sampleMembersAskBeforeReplacingARoster();
    void sampleMembersReplaceTheRoster();
    void sampleScores();
    void sampleScoresRefusedOffTheScoreEntryTable();
    void tablesNameTheStoredPlayersOnEveryRoute_data();
    void tablesNameTheStoredPlayersOnEveryRoute();
};

void DataFileTest::fullMeetingComesBackWhole()
{
    QTemporaryDir dir;
    Scenario s;
    const datafile::Meeting golden = meetingFromJson(fileBytes(dataPath(u"write-full-300.json"_s)));
    const QString first = openCopy(s, dir, u"write-full-300.txt"_s, golden.tournamentName + u".txt"_s);
    QCOMPARE(s.platform.boxes.size(), size_t(0));
    QCOMPARE(s.form.SavedMemberLines, golden.memberLines);
    QCOMPARE(s.form.MemberLines, golden.memberLines);
    QCOMPARE(s.form.KumiLines, golden.kumiLines);
    QCOMPARE(s.form.GroupList, golden.groupLists);
    QCOMPARE(s.form.ScoreLines, golden.scoreLines);
    QCOMPARE(s.form.AutoMade, 1);
    QCOMPARE(s.form.HandMade, 0);
    QCOMPARE(s.form.control("Edit7").text, golden.tournamentName);
    QCOMPARE(s.form.control("Edit8").text, golden.courseName);
    QCOMPARE(s.form.MemberCount(), 300);
    // Every slot of every party holds its record; the last one of group D as an example.
    const QStringList last = golden.scoreLines[3].last().split(u',');
    const ScoreSlot &r = s.form.ScoreSlots[3][11][7];
    QCOMPARE(r.Entries, last.at(43));
    QCOMPARE(r.Summary, last.mid(44, 3).join(u','));
    QCOMPARE(s.form.KumiSlotText[3][11][7], last.at(47) + u',' + last.at(48));
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k < 12; ++k)
            for (int slot = 0; slot < 8; ++slot) QVERIFY(!s.form.KumiSlotText[g][k][slot].isEmpty());

    const Stores opened = storesOf(s);
    QTemporaryDir other;
    const QString second = other.filePath(golden.tournamentName + u".txt"_s);
    s.platform.chooseFile(second);
    s.form.N7Click();
    QCOMPARE(fileBytes(second), fileBytes(first));
    QCOMPARE(s.form.DataFileName, second);
    QCOMPARE(s.platform.caption, QDir::toNativeSeparators(second)); // as Windows shows paths

    s.platform.chooseFile(second);
    s.form.N3Click();
    Stores reopened = storesOf(s);
    QCOMPARE(reopened.dataFileName, second);
    reopened.dataFileName = opened.dataFileName;
    reopened.caption = opened.caption;
    reopened.recent = opened.recent;
    QVERIFY(reopened == opened);
    QCOMPARE(s.platform.boxes.size(), size_t(0));
}

void DataFileTest::anAutomaticCombinationKeepsItsOriginAfterTheCombinationScreen()
{
    QTemporaryDir dir;
    Scenario s;
    groupsteps::divide(s, groupsteps::players(7, 5), u"2"_s, u"3"_s);
    s.form.Button10Click(); // 「完了」
    const QStringList partyOne = groupsteps::storedNames(s, 1, 1);
    QCOMPARE(partyOne.size(), 2);
    s.form.Label42Click(); // tab 「組み合わせ」: the form forgets how the parties were made
    QCOMPARE(s.form.AutoMade, 0);
    const QString path = dir.filePath(u"大会.txt"_s);
    s.platform.chooseFile(path);
    s.form.N7Click();
    QStringList lines = fileLines(path);
    QCOMPARE(lines.at(lines.size() - 4), u"100"_s);

    // Opened again, the parties still name the group's own members.
    Scenario t;
    t.platform.chooseFile(path);
    t.form.N3Click();
    QCOMPARE(t.form.AutoMade, 1);
    QCOMPARE(t.form.HandMade, 0);
    t.form.Label44Click(); // group tab A
    QCOMPARE(groupsteps::panelNames(t, 1), partyOne);

    // A file an older copy wrote in that state says "0": its filled group lists still tell.
    lines[lines.size() - 4] = u"0"_s;
    QByteArray bytes;
    for (const QString &l : lines) bytes += cp932::encode(l).bytes + "\r\n";
    QVERIFY(writeFile(path, bytes));
    Scenario u;
    u.platform.chooseFile(path);
    u.form.N3Click();
    QCOMPARE(u.form.AutoMade, 1);
    u.form.Label44Click();
    QCOMPARE(groupsteps::panelNames(u, 1), partyOne);
}

void DataFileTest::typedTournamentNameComesBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"春季大会.txt"_s);
    Scenario s;
    s.form.typeInto("Edit7", u"春季グラウンドゴルフ大会"_s);
    s.platform.chooseFile(path);
    s.form.N7Click();
    Scenario reopened;
    reopened.platform.chooseFile(path);
    reopened.form.N3Click();
    QCOMPARE(reopened.form.control("Edit7").text, u"春季グラウンドゴルフ大会"_s);
    reopened.form.Label64Click();
    reopened.form.Label60Click();
    QCOMPARE(reopened.platform.canvas("Image4").textAt(460 - 6 * 24, 50),
             u"春季グラウンドゴルフ大会 成績表"_s);
}

void DataFileTest::emptyMeetingWritesEighteenLines()
{
    QTemporaryDir dir;
    Scenario s;
    const QString path = dir.filePath(u"空.txt"_s);
    s.platform.chooseFile(path);
    s.form.N7Click();
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines.at(0), u"楓鈴"_s);
    QCOMPARE(lines.mid(1, 13), datafile::markers());
    QCOMPARE(lines.mid(14),
             (QStringList{u"0"_s, u"なかよし会親睦大会"_s, u"グラウンドゴルフ"_s, u"市民グラウンド"_s}));
    QVERIFY(fileBytes(path).endsWith("\r\n"));
    QCOMPARE(fileBytes(path).count("\r\n"), 18);
}

void DataFileTest::openSetsTheParticularsAndModes_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("onRegistrationScreen");
    QTest::addColumn<QString>("tournament");
    QTest::addColumn<int>("autoMade");
    QTest::addColumn<int>("curGroup");
    QTest::addColumn<QString>("groupsAndParties"); // グループ数 and 一グループの組数 afterwards
    // The stored tournament name comes back whatever the file is called.
    QTest::newRow("line 17 100, combination screen") << u"sample-120.txt"_s << u"春の大会.txt"_s << false
                                                     << u"なかよし会親睦大会"_s << 1 << 1 << u"2,12"_s;
    QTest::newRow("line 17 0, registration screen") << u"write-hand-made.txt"_s << u"秋.2026.txt"_s << true
                                                    << u"なかよし会親睦大会"_s << 0 << 0 << u"3,2"_s;
    // None stored: the file's name before its first dot, empty without one.
    QTest::newRow("no name stored") << u"write-empty.txt"_s << u"秋.2026.txt"_s << false << u"秋"_s << 0 << 1
                                    << u"0,0"_s;
    QTest::newRow("no name stored, a file name without a dot")
        << u"write-empty.txt"_s << u"meeting"_s << false << QString() << 0 << 1 << u"0,0"_s;
}

void DataFileTest::openSetsTheParticularsAndModes()
{
    QFETCH(QString, golden);
    QFETCH(QString, fileName);
    QFETCH(bool, onRegistrationScreen);
    QFETCH(QString, tournament);
    QFETCH(int, autoMade);
    QFETCH(int, curGroup);
    QFETCH(QString, groupsAndParties);
    QTemporaryDir dir;
    Scenario s;
    if (onRegistrationScreen) s.form.Label40Click();
    const QString path = openCopy(s, dir, golden, fileName);
    QCOMPARE(s.form.control("Edit16").text + u',' + s.form.control("Edit6").text, groupsAndParties);
    const datafile::Meeting m =
        meetingFromJson(fileBytes(dataPath(QString(golden).replace(u".txt"_s, u".json"_s))));
    QCOMPARE(s.form.control("Edit7").text, tournament);
    QCOMPARE(s.form.control("Edit8").text, m.courseName);
    QCOMPARE(s.form.AutoMade, autoMade);
    QCOMPARE(s.form.HandMade, 1 - autoMade);
    QCOMPARE(s.form.CurGroup, static_cast<curgroup>(curGroup));
    QCOMPARE(s.form.DataFileName, path);
    QCOMPARE(s.platform.caption, QDir::toNativeSeparators(path));
    QCOMPARE(s.platform.dialogs.size(), size_t(1));
    QCOMPARE(s.form.MemberCount(), m.memberLines.size());
    for (int i = 0; i < s.form.MemberCount(); ++i) {
        Member expected = Member::startValue();
        roster::splitInto(m.memberLines.at(i), expected);
        QCOMPARE(s.form.Members[i].PlayMark, expected.PlayMark);
        QCOMPARE(s.form.Members[i].Name, expected.Name);
    }
    for (int i = s.form.MemberCount(); i < roster::MaxMembers; ++i)
        QCOMPARE(s.form.Members[i].PlayMark, u"off"_s);
    for (const char *tab : {"Label44", "Label45", "Label46", "Label47"})
        QCOMPARE(s.form.control(tab).colour, colours::Cream);
}

void DataFileTest::refusedFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // the message, or how it begins
    QTest::addColumn<QString>("path"); // a file to open in place of the bytes

    // The folder of hostile files: the smallest file showing each fault, with its message.
    const QString hostile = QFINDTESTDATA(u"../data/hostile/messages.tsv"_s);
    QFile table(hostile);
    QVERIFY(table.open(QIODevice::ReadOnly));
    int files = 0;
    for (const QString &row : QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (row.startsWith(u'#')) continue;
        const QString name = row.section(u'\t', 0, 0);
        const QString message = row.section(u'\t', 1).replace(u"\\n"_s, u"\n"_s);
        QTest::newRow(qPrintable(name))
            << fileBytes(QFileInfo(hostile).dir().filePath(name)) << message << QString();
        ++files;
    }
    QVERIFY(files >= 15);
    QTest::newRow("larger than any meeting")
        << QByteArray(datafile::MaxFileBytes + 1, '\n')
        << u"このファイルは大きすぎるため開けません（16MBを超えています）"_s << QString();
    QTest::newRow("a folder") << QByteArray() << u"ファイルを開けません。\n"_s << QDir::tempPath();
#ifdef Q_OS_LINUX
    // A device is refused at once (it may never end, as a pipe may keep the reader waiting),
    // and a read that fails is told as such.
    QTest::newRow("a device") << QByteArray()
                              << u"ファイルを開けません。\n/dev/zero\n通常のファイルではありません"_s
                              << u"/dev/zero"_s;
    QTest::newRow("a read that fails")
        << QByteArray() << u"ファイルを読めません。\n/proc/self/mem\n"_s << u"/proc/self/mem"_s;
#endif

    QStringList good;
    for (const QByteArray &l : datafile::splitLines(fileBytes(dataPath(u"write-hand-made.txt"_s))))
        good << cp932::decode(l).text;
    auto encode = [](const QStringList &lines) {
        QByteArray b;
        for (const QString &l : lines) b += cp932::encode(l).bytes + "\r\n";
        return b;
    };
    const int tenA = int(good.indexOf(u"$,TenA"_s));

    QTest::newRow("not a meeting file")
        << QByteArray("name,team\r\n") << u"この形式のファイルは開けません"_s << QString();
    QTest::newRow("an empty file") << QByteArray() << u"この形式のファイルは開けません"_s << QString();
    {
        datafile::Meeting m;
        for (int i = 0; i < 301; ++i)
            m.memberLines << u"会員%1,緑会,男,昭和,10,10,10,0,off,off,off,,"_s.arg(i);
        QTest::newRow("301 members") << datafile::write(m).bytes
                                     << u"このファイルはメンバー数が３００名を超過しています"_s << QString();
    }
    {
        QList<QByteArray> raw = datafile::splitLines(encode(good));
        raw[3] += "\xa0\x80";
        QTest::newRow("bytes not code page 932")
            << raw.join("\r\n") << u"このファイルは壊れているため開けません。\n4行目："_s << QString();
    }
    {
        QStringList lines = good;
        lines[tenA + 1] = u"A,1,2,3"_s;
        QTest::newRow("score line too short")
            << encode(lines) << u"このファイルは壊れているため開けません。\n%1行目："_s.arg(tenA + 2)
            << QString();
    }
    {
        QStringList lines = good;
        lines[tenA + 1].replace(u"A,1,0,1,40"_s, u"A,1,0,one,40"_s);
        QTest::newRow("score not a whole number")
            << encode(lines) << u"このファイルは壊れているため開けません。\n%1行目："_s.arg(tenA + 2)
            << QString();
    }
    {
        QStringList lines = good;
        lines[2] = u"山田"_s;
        QTest::newRow("member line that cannot be split")
            << encode(lines) << u"このファイルは壊れているため開けません。\n3行目："_s << QString();
    }
    {
        QStringList lines = good;
        lines[lines.size() - 4] = u"abc"_s;
        QTest::newRow("fourth-last line not a number")
            << encode(lines) << u"このファイルは壊れているため開けません。\n%1行目："_s.arg(lines.size() - 3)
            << QString();
    }
}

void DataFileTest::refusedFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, path);
    QTemporaryDir dir;
    Scenario s;
    openCopy(s, dir, u"sample-120.txt"_s, u"なかよし会親睦大会.txt"_s);
    s.form.ScoreSlots[1][0][0].Entries = u"9"_s; // work since the open; nothing may touch it
    s.form.markMeetingSaved();
    const Stores before = storesOf(s);
    s.platform.takeBoxes();

    if (path.isEmpty()) {
        path = dir.filePath(u"壊れた.txt"_s);
        QVERIFY(writeFile(path, bytes));
    }
    s.platform.chooseFile(path);
    s.form.N3Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    const ShownBox box = s.platform.boxes.back();
    QVERIFY2(box.text.startsWith(text), qPrintable(box.text));
    QCOMPARE(box.caption, u"警告"_s);
    QCOMPARE(box.icon, MsgIcon::Error);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QVERIFY(storesOf(s) == before);

    // A file that cannot be read at all is reported the same way.
    s.platform.takeBoxes();
    s.platform.chooseFile(dir.filePath(u"ない.txt"_s));
    s.form.N3Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QVERIFY(s.platform.boxes.back().text.startsWith(u"ファイルを開けません。\n"_s));
    QVERIFY(storesOf(s) == before);
}

void DataFileTest::openRefusedOnOtherScreensAndWhileCombining()
{
    Scenario s;
    s.loadRoster(groupsteps::players(3));
    s.form.markMeetingSaved();
    s.form.Label64Click(); // 作表と印刷
    const Stores before = storesOf(s);
    s.platform.chooseFile(u"/nowhere/x.txt"_s);
    s.form.N3Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"メンバー登録・組み合わせ以外は開けません"_s, u"警告"_s,
                 MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.platform.dialogs.size(), size_t(0));
    QVERIFY(storesOf(s) == before);

    Scenario c;
    groupsteps::divide(c, groupsteps::players(6), u"1"_s, u"2"_s);
    QCOMPARE(c.form.Combining, 1);
    c.platform.takeBoxes();
    c.form.N3Click();
    QCOMPARE(c.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(c.platform.boxes.back(), u"完了を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(c.platform.dialogs.size(), size_t(0));
}

void DataFileTest::saveRefusedWhileCombining()
{
    Scenario s;
    groupsteps::divide(s, groupsteps::players(6), u"1"_s, u"2"_s);
    s.platform.takeBoxes();
    s.form.N7Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"完了を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(s.platform.dialogs.size(), size_t(0));
}

void DataFileTest::dialogsAskAsTheyShould()
{
    Scenario s;
    s.form.N7Click(); // cancelled
    s.form.N3Click(); // cancelled
    QCOMPARE(s.platform.dialogs.size(), size_t(2));
    const FileDialogSpec save = s.platform.dialogs.at(0);
    QCOMPARE(save.title, u"データー保存"_s);
    QCOMPARE(save.filter, u"テキストファイル (*.txt)"_s);
    QCOMPARE(save.defaultSuffix, u"txt"_s);
    QVERIFY(save.confirmOverwrite);
    QCOMPARE(save.startFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const FileDialogSpec open = s.platform.dialogs.at(1);
    QCOMPARE(open.title, u"データー開く"_s);
    QCOMPARE(open.filter, u"テキストファイル (*txt)"_s);
    QCOMPARE(open.defaultSuffix, QString());
    QCOMPARE(open.startFolder, save.startFolder);
}

void DataFileTest::cancelledOpenChangesNothing()
{
    QTemporaryDir dir;
    Scenario s;
    openCopy(s, dir, u"write-hand-made.txt"_s, u"大会.txt"_s);
    s.form.Label42Click();
    s.form.ScoreSlots[0][0][0] = ScoreSlot{u"9,9,99"_s, u"9"_s, u"9"_s, u"99"_s, u"3"_s}; // entered since
    s.form.Members[1].PlayMark = u"on"_s;
    s.form.Hensyu(1);
    s.form.markMeetingSaved();
    const Stores before = storesOf(s);
    s.platform.takeBoxes();
    s.platform.chooseFile(std::nullopt);
    s.form.N3Click();
    QCOMPARE(s.platform.boxes.size(), size_t(0));
    QVERIFY(storesOf(s) == before);
}

void DataFileTest::cancelledSaveWritesNothing()
{
    QTemporaryDir dir;
    Scenario s;
    const QString path = openCopy(s, dir, u"write-hand-made.txt"_s, u"大会.txt"_s);
    s.platform.chooseFile(std::nullopt);
    s.form.N7Click();
    QCOMPARE(s.form.DataFileName, path);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"大会.txt"_s});
    QCOMPARE(s.platform.boxes.size(), size_t(0));
}

void DataFileTest::textsCodePage932CannotHoldAreRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("大会名") << u"Edit7"_s << u"大会😀"_s
                            << u"大会名に保存できない文字「😀」があります。別の文字に直して下さい"_s;
    QTest::newRow("コース") << u"Edit8"_s << u"한국코스"_s
                            << u"コースに保存できない文字「한」があります。別の文字に直して下さい"_s;
}

void DataFileTest::textsCodePage932CannotHoldAreRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QTemporaryDir dir;
    Scenario s;
    s.form.control(field).text = text;
    s.platform.chooseFile(dir.filePath(u"x.txt"_s));
    s.form.N7Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), message, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.platform.dialogs.size(), size_t(0));
    QVERIFY(!QFile::exists(dir.filePath(u"x.txt"_s)));
    QCOMPARE(s.form.DataFileName, QString());
}

void DataFileTest::failedSaveKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    Scenario s;
    const QString old = openCopy(s, dir, u"write-hand-made.txt"_s, u"前の大会.txt"_s);
    const QByteArray oldBytes = fileBytes(old);
    s.loadRoster(testdata::sampleMemberLines()); // far more than the limit below
    s.platform.takeBoxes();

    // The disk fills up after 512 bytes of the new file.
    struct rlimit saved {
    };
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 512;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    s.platform.chooseFile(old);
    s.form.N7Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(fileBytes(old).size(), oldBytes.size());
    QCOMPARE(fileBytes(old), oldBytes);
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    // The system's reason, in Japanese: a write the disk takes only in part is not "Unknown error".
    QCOMPARE(
        s.platform.boxes.back().text,
        u"ファイルに保存できませんでした。前のファイルはそのままです。\n%1\nファイルが大きすぎます"_s.arg(
            old));
    QCOMPARE(s.platform.boxes.back().icon, MsgIcon::Error);
    QCOMPARE(s.form.DataFileName, old);
    QVERIFY(s.form.meetingChanged());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"前の大会.txt"_s}); // no leftovers
#else
    QSKIP("needs a file size limit");
#endif
}

void DataFileTest::closingWithoutChangesAsksTheUsualQuestion()
{
    Scenario s;
    s.form.N11Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"このソフトウエアを終了しますか"_s, u"終了"_s, MsgIcon::Warning,
                 MsgButtons::YesNo);
    QCOMPARE(s.platform.closeRequests, 0);
}

void DataFileTest::closingWithChangesOffersToSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveChosen");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("はい, saved") << int(IdYes) << true << true << true;
    QTest::newRow("はい, save dialog cancelled") << int(IdYes) << false << false << false;
    QTest::newRow("いいえ") << int(IdNo) << false << true << false;
    QTest::newRow("キャンセル") << int(IdCancel) << false << false << false;
}

void DataFileTest::closingWithChangesOffersToSave()
{
    QFETCH(int, answer);
    QFETCH(bool, saveChosen);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"会.txt"_s);
    for (bool closeBox : {false, true}) {
        QFile::remove(path);
        Scenario s;
        s.loadRoster(groupsteps::players(2));
        s.platform.answer(answer);
        if (answer == IdYes) s.platform.chooseFile(saveChosen ? std::optional<QString>(path) : std::nullopt);
        const bool mayClose =
            closeBox ? s.form.confirmClose() : (s.form.N11Click(), s.platform.closeRequests == 1);
        QCOMPARE(mayClose, closes);
        QCOMPARE(s.platform.boxes.size(), size_t(1));
        QCOMPARE_BOX(s.platform.boxes.front(),
                     u"メンバー・組み合わせ・得点の変更が保存されていません。保存しますか"_s,
                     u"データー保存"_s, MsgIcon::Warning, MsgButtons::YesNoCancel);
        QCOMPARE(QFile::exists(path), written);
        QCOMPARE(s.platform.unexpectedQuestions, 0);
    }
}

void DataFileTest::reshapedLinesAreNoChange()
{
    // やり直し rebuilds every roster line ("男" becomes "男性", the trailing comma goes):
    // the same members, so closing asks only the usual question.
    QTemporaryDir dir;
    Scenario s;
    datafile::Meeting rosterOnly;
    rosterOnly.memberLines = meetingFromJson(fileBytes(dataPath(u"write-hand-made.json"_s))).memberLines;
    QVERIFY(writeFile(dir.filePath(u"名簿.txt"_s), datafile::write(rosterOnly).bytes));
    s.platform.chooseFile(dir.filePath(u"名簿.txt"_s));
    s.form.N3Click();
    const QStringList lines = s.form.SavedMemberLines;
    QCOMPARE(lines, rosterOnly.memberLines);
    s.form.Button2Click();
    s.form.Label42Click();
    QVERIFY(s.form.SavedMemberLines != lines);
    s.platform.takeBoxes();
    s.form.N11Click();
    QCOMPARE(s.platform.boxes.back().text, u"このソフトウエアを終了しますか"_s);

    // A changed score is a change.
    Scenario t;
    openCopy(t, dir, u"write-hand-made.txt"_s, u"大会.txt"_s);
    t.form.ScoreSlots[2][0][1].Total = u"41"_s;
    QVERIFY(t.form.meetingChanged());

    // So is a changed tournament or course name: both are saved with the meeting.
    for (const char *field : {"Edit7", "Edit8"}) {
        Scenario u;
        openCopy(u, dir, u"write-hand-made.txt"_s, u"大会.txt"_s);
        u.form.typeInto(field, u"秋季大会"_s);
        u.form.N11Click();
        QCOMPARE(u.platform.boxes.back().caption, u"データー保存"_s);
    }
}

void DataFileTest::openingWithChangesAsksFirst()
{
    QTemporaryDir dir;
    Scenario s;
    s.loadRoster(groupsteps::players(2));
    const Stores before = storesOf(s);
    s.platform.answer(IdCancel);
    s.form.N3Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.boxes.back().buttons, MsgButtons::YesNoCancel);
    QCOMPARE(s.platform.dialogs.size(), size_t(0));
    QVERIFY(storesOf(s) == before);

    s.platform.answer(IdNo);
    openCopy(s, dir, u"sample-120.txt"_s, u"大会.txt"_s);
    QCOMPARE(s.form.MemberCount(), 120);
}

void DataFileTest::recentFiles()
{
    QTemporaryDir dir;
    Scenario s;
    QStringList paths;
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
        paths << dir.filePath(QString::fromLatin1(name));
        s.platform.chooseFile(paths.last());
        s.form.N7Click();
    }
    const QStringList newestFirst{paths[4], paths[3], paths[2], paths[1]};
    QCOMPARE(s.form.RecentFiles, newestFirst);
    QCOMPARE(s.platform.store.lists[u"RecentFiles"_s], newestFirst);
    QCOMPARE(s.form.control("Recent1").text, u"&1 "_s + QDir::toNativeSeparators(paths[4]));
    QCOMPARE(s.form.control("Recent4").text, u"&4 "_s + QDir::toNativeSeparators(paths[1]));
    QVERIFY(s.form.control("Recent4").visible);

    // Opened again, a file moves to the top; the group names are kept apart.
    s.platform.store.values[u"GrpA"_s] = u"みどり"_s;
    s.form.Recent3Click();
    QCOMPARE(s.form.DataFileName, paths[2]);
    QCOMPARE(s.form.RecentFiles, (QStringList{paths[2], paths[4], paths[3], paths[1]}));
    QCOMPARE(s.platform.store.values.size(), size_t(1));

    // The next start shows them; deleting the settings leaves them.
    Scenario next;
    next.platform.store.lists = s.platform.store.lists;
    next.form.loadRecentFiles();
    QCOMPARE(next.form.control("Recent1").text, u"&1 "_s + QDir::toNativeSeparators(paths[2]));
    next.platform.answer(IdYes);
    next.platform.answer(IdNo);
    next.form.N39Click();
    QCOMPARE(next.platform.store.lists[u"RecentFiles"_s].size(), 4);

    // None yet: the entries are hidden.
    Scenario fresh;
    for (const char *entry : {"Recent1", "Recent2", "Recent3", "Recent4"})
        QVERIFY(!fresh.form.control(entry).visible);
}

void DataFileTest::aRecentFileThatIsGoneLeavesTheList()
{
    Scenario s;
    s.platform.store.lists[u"RecentFiles"_s] = QStringList{u"/nowhere/gone.txt"_s, u"/nowhere/other.txt"_s};
    s.form.loadRecentFiles();
    s.form.Recent1Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QVERIFY(s.platform.boxes.back().text.startsWith(u"ファイルを開けません。"_s));
    QCOMPARE(s.form.RecentFiles, QStringList{u"/nowhere/other.txt"_s});
    QVERIFY(!s.form.control("Recent2").visible);
}

void DataFileTest::sampleMembersRefusedOffTheCombinationScreen()
{
    Scenario s;
    s.loadRoster(groupsteps::players(2));
    s.form.Label40Click();
    const Stores before = storesOf(s);
    s.platform.takeBoxes();
    s.form.N27Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"「組み合わせ」以外は読み出し出来ません"_s, u"警告"_s,
                 MsgIcon::Warning, MsgButtons::Ok);
    QVERIFY(storesOf(s) == before);
}

void DataFileTest::sampleMembersAskBeforeReplacingARoster()
{
    Scenario s;
    groupsteps::open(s, groupsteps::players(5));
    const Stores before = storesOf(s);
    s.platform.takeBoxes();
    s.platform.answer(IdNo);
    s.form.N27Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(),
                 u"登録されている5名のメンバーを消去して、擬似メンバーを読み出しますか"_s,
                 u"擬似メンバー読み出し"_s, MsgIcon::Question, MsgButtons::YesNo);
    QVERIFY(storesOf(s) == before);

    s.platform.answer(IdYes);
    s.form.N27Click();
    QCOMPARE(s.form.MemberCount(), 120);
}

void DataFileTest::sampleMembersReplaceTheRoster()
{
    QTemporaryDir dir;
    Scenario s;
    openCopy(s, dir, u"sample-120.txt"_s, u"大会.txt"_s); // a stored combination and scores
    const auto kumiLines = s.form.KumiLines;
    const auto groupList = s.form.GroupList;
    const auto slotTexts = s.form.KumiSlotText;
    QVERIFY(s.form.ScoreSlots[0][0][0].Entries == u"1"_s);
    s.form.Label42Click();
    s.platform.answer(IdYes);
    s.form.N27Click();

    QCOMPARE(s.form.MemberCount(), 120);
    QCOMPARE(s.form.SavedMemberLines, testdata::sampleMemberLines());
    const Member &m21 = s.form.Members[20];
    QCOMPARE(m21.Name, u"斉藤11子"_s);
    QCOMPARE(m21.Team, u"学園なかよし会"_s);
    QCOMPARE(m21.Sex, u"女性"_s);
    QCOMPARE(m21.Era + m21.EraYear + u"年"_s + m21.Month + u"月"_s + m21.Day + u"日"_s, u"昭和22年12月3日"_s);
    QCOMPARE(m21.Age, u"79"_s); // 1947-12-03 on 2026-12-07
    QCOMPARE(s.form.Members[119].Name, u"横山30美"_s);
    for (int i = 0; i < 120; ++i) QCOMPARE(s.form.Members[i].PlayMark, u"off"_s);
    QCOMPARE(s.form.PlayCount, 0);
    QCOMPARE(s.form.control("Edit7").text, u"なかよし会親睦大会"_s);
    QCOMPARE(s.form.control("Edit8").text, u"桜が丘グラウンド"_s);
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k < 12; ++k)
            for (int slot = 0; slot < 8; ++slot)
                QCOMPARE(s.form.ScoreSlots[g][k][slot], ScoreSlot::cleared());
    QCOMPARE(s.form.KumiLines, kumiLines);
    QCOMPARE(s.form.GroupList, groupList);
    QVERIFY(s.form.KumiSlotText == slotTexts);
    QCOMPARE(s.form.CurGroup, curgroup::None);
    QCOMPARE(s.platform.canvas("Image1").textAt(192, 20 * 28 + 7), u"斉藤11子"_s);

    // An empty roster is replaced without a question.
    Scenario empty;
    empty.form.N27Click();
    QCOMPARE(empty.platform.boxes.size(), size_t(0));
    QCOMPARE(empty.form.MemberCount(), 120);
}

void DataFileTest::sampleScores()
{
    Scenario s;
    s.form.TokutenClr(5);
    for (int slot = 0; slot < 5; ++slot) s.form.KumiSlotText[0][0][slot] = u"選手%1,緑会"_s.arg(slot);
    for (int slot = 0; slot < 3; ++slot) s.form.KumiSlotText[0][3][slot] = u"選手%1,緑会"_s.arg(slot);
    s.form.KumiSlotText[1][0][0] = u"Bの選手,緑会"_s;
    s.form.TableMode = tablekind::ScoreEntry; // the score-entry table of group A is shown
    s.form.CurGroup = curgroup::A;

    Random expected;
    expected.seed(static_cast<std::uint32_t>(s.platform.clock.toSecsSinceEpoch()));
    s.form.N28Click();
    QCOMPARE(s.platform.boxes.size(), size_t(0));
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(s.form.ScoreSlots[0][0][slot], testdata::sampleScore(expected.next()));
    for (int slot = 0; slot < 3; ++slot)
        QCOMPARE(s.form.ScoreSlots[0][3][slot], testdata::sampleScore(expected.next()));
    QCOMPARE(s.form.ScoreSlots[0][0][5], ScoreSlot::cleared());
    QCOMPARE(s.form.ScoreSlots[0][3][3], ScoreSlot::cleared());
    QCOMPARE(s.form.ScoreSlots[1][0][0], ScoreSlot::cleared());
    QCOMPARE(s.form.ScoreSlots[0][0][0].Entries, u"1"_s);

    // Before a group tab was chosen on that screen nothing changes.
    const auto records = s.form.ScoreSlots;
    s.form.CurGroup = curgroup::NotChosen;
    s.form.N28Click();
    QVERIFY(s.form.ScoreSlots == records);
}

void DataFileTest::sampleScoresRefusedOffTheScoreEntryTable()
{
    Scenario s;
    s.form.KumiSlotText[0][0][0] = u"選手,緑会"_s;
    s.form.CurGroup = curgroup::A;
    const auto records = s.form.ScoreSlots;
    s.form.N28Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"「得点入力」以外は使えません"_s, u"警告"_s, MsgIcon::Warning,
                 MsgButtons::Ok);
    QVERIFY(s.form.ScoreSlots == records);
}

// ファイル › 上書き保存 and the save question on closing write where the meeting came from.
enum SaveRoad { Fresh, Opened, CloseYes, NewRoster };

void DataFileTest::savingInPlace_data()
{
    QTest::addColumn<int>("road");
    QTest::addColumn<bool>("inPlace"); // else through the save dialog
    QTest::newRow("a meeting without a file is named first") << int(Fresh) << false;
    QTest::newRow("an opened meeting is written to its file") << int(Opened) << true;
    QTest::newRow("はい when closing saves in place") << int(CloseYes) << true;
    QTest::newRow("新規登録 starts a meeting without a file") << int(NewRoster) << false;
}

void DataFileTest::savingInPlace()
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
    road == CloseYes ? void(s.form.confirmClose()) : s.form.SaveInPlaceClick();
    QCOMPARE(s.platform.dialogs.size() - dialogs, std::size_t(inPlace ? 0 : 1));
    QCOMPARE(datafile::readFileBytes(s.form.DataFileName, true).bytes,
             datafile::write(s.form.currentMeeting()).bytes);
    QCOMPARE(s.form.DataFileName, inPlace ? own : other);
    QCOMPARE(datafile::readFileBytes(own, true).bytes == datafile::readFileBytes(other, true).bytes, false);
}

QTEST_APPLESS_MAIN(DataFileTest)
#include "tst_datafile.moc"

void DataFileTest::tablesNameTheStoredPlayersOnEveryRoute_data()
{
    QTest::addColumn<QString>("route"); // commands by control name, after opening sample-120
    QTest::newRow("combination table after the 組み合わせ tab")
        << u"Label64 Label42 Label64 Label44 Label53"_s;
    QTest::newRow("score sheet after the 組み合わせ tab") << u"Label64 Label42 Label64 Label43 Label44"_s;
    QTest::newRow("score entry after the 組み合わせ tab") << u"Label42 Label54 Label44"_s;
    QTest::newRow("check sheet after 完了") << u"Label42 Label64 ScoreCheck Label44"_s;
    QTest::newRow("straight from opening") << u"Label64 Label53 Label44"_s;
}

void DataFileTest::tablesNameTheStoredPlayersOnEveryRoute()
{
    QFETCH(QString, route);
    const std::map<QString, void (TMainForm::*)()> commands{
        {u"Label42"_s, &TMainForm::Label42Click},      {u"Label64"_s, &TMainForm::Label64Click},
        {u"Label44"_s, &TMainForm::Label44Click},      {u"Label53"_s, &TMainForm::Label53Click},
        {u"Label43"_s, &TMainForm::Label43Click},      {u"Label54"_s, &TMainForm::Label54Click},
        {u"ScoreCheck"_s, &TMainForm::ScoreCheckClick}};
    QTemporaryDir dir;
    Scenario s;
    openCopy(s, dir, u"sample-120.txt"_s, u"大会.txt"_s);
    for (const QString &name : route.split(u' ')) (s.form.*commands.at(name))();

    // The table drawn names the players the file numbers: rows of group A's list.
    const tables::PartyPlayers stored = tables::partiesOfGroup(s.form.currentMeeting(), 0);
    QCOMPARE(stored[0].value(0).name, u"吉永23代"_s);
    const bool sheet = s.form.Screen == screen::ScoreSheet;
    QStringList drawn;
    for (const DrawnText &t : s.platform.canvas(sheet ? u"Image23"_s : u"Image28"_s).visibleTexts())
        drawn << t.text;
    for (int p = 0; p < (sheet ? 1 : 12); ++p)
        for (const tables::Player &player : stored[p])
            QVERIFY2(drawn.contains(player.name), qPrintable(player.name));

    // Saved, every score stands beside its player, as in the file opened.
    s.platform.chooseFile(dir.filePath(u"保存.txt"_s));
    s.form.N7Click();
    const datafile::ReadResult saved = datafile::read(fileBytes(dir.filePath(u"保存.txt"_s)));
    const datafile::ReadResult original = datafile::read(fileBytes(dataPath(u"sample-120.txt"_s)));
    QCOMPARE(std::get<datafile::Meeting>(saved).scoreLines[0],
             std::get<datafile::Meeting>(original).scoreLines[0]);
}
