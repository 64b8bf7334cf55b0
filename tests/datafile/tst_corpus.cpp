// Every meeting file the tests hold, every hostile file (tests/data/hostile/) and every input
// the fuzzer ever found troublesome (tests/data/fuzz/) goes through the reader: it ends with a
// meeting or with a message naming a line of the file, and a meeting that was read is written
// and read back the same.
#include "datafile/MeetingFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class CorpusTest : public QObject
{
    Q_OBJECT
private slots:
    void replay_data();
    void replay();
    void corpusIsThere();
};

namespace {
QStringList corpusFiles()
{
    QStringList files;
    const QString data = QFINDTESTDATA(u"../data"_s);
    for (const QString &dir : QStringList{data, data + u"/fuzz"_s, data + u"/hostile"_s}) {
        const QDir d(dir);
        const QString pattern = dir.endsWith(u"/fuzz"_s) ? u"*"_s : u"*.txt"_s;
        for (const QString &name : d.entryList({pattern}, QDir::Files, QDir::Name)) files << d.filePath(name);
    }
    return files;
}
} // namespace

void CorpusTest::replay_data()
{
    QTest::addColumn<QString>("path");
    // The golden and sample meetings are sound and must be read.
    QTest::addColumn<bool>("mustRead");
    for (const QString &path : corpusFiles()) {
        const QString name = QFileInfo(path).fileName();
        const bool sound = !path.contains(u"/fuzz/"_s) && !path.contains(u"/hostile/"_s);
        QTest::newRow(qPrintable(QFileInfo(path).dir().dirName() + u'/' + name)) << path << sound;
    }
}

void CorpusTest::replay()
{
    QFETCH(QString, path);
    QFETCH(bool, mustRead);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    const datafile::ReadResult result = datafile::read(bytes);

    if (const auto *error = std::get_if<datafile::ReadError>(&result)) {
        QVERIFY2(!mustRead, qPrintable(error->message()));
        QVERIFY(!error->message().isEmpty());
        // The line named is one of the file's (0 when no single line is at fault).
        QVERIFY2(error->line >= 0 && error->line <= datafile::splitLines(bytes).size() + 1,
                 qPrintable(QString::number(error->line)));
        if (error->kind == datafile::ReadError::Kind::Damaged) QVERIFY(!error->what.isEmpty());
        return;
    }
    const auto &meeting = std::get<datafile::Meeting>(result);
    QVERIFY(meeting.memberLines.size() <= datafile::MaxMemberLines);
    const datafile::WriteResult written = datafile::write(meeting);
    QCOMPARE(written.error, QString());
    const datafile::ReadResult again = datafile::read(written.bytes);
    QVERIFY(std::holds_alternative<datafile::Meeting>(again));
    const auto &back = std::get<datafile::Meeting>(again);
    QCOMPARE(back.memberLines, meeting.memberLines);
    QCOMPARE(back.kumiLines, meeting.kumiLines);
    QCOMPARE(back.groupLists, meeting.groupLists);
    QCOMPARE(back.scoreLines, meeting.scoreLines);
    QCOMPARE(back.origin, meeting.origin);
    QCOMPARE(back.tournamentName, meeting.tournamentName);
    QCOMPARE(back.courseName, meeting.courseName);
    // Written again, the bytes do not change any more.
    QCOMPARE(datafile::write(back).bytes, written.bytes);
}

void CorpusTest::corpusIsThere()
{
    // The replay must not pass by finding nothing.
    const QStringList files = corpusFiles();
    QVERIFY(files.size() >= 5);
    QVERIFY(std::any_of(files.cbegin(), files.cend(),
                        [](const QString &f) { return f.endsWith(u"write-full-300.txt"_s); }));
}

QTEST_APPLESS_MAIN(CorpusTest)
#include "tst_corpus.moc"
