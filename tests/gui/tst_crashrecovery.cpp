// A meeting survives the machine: the program (kmtx --script), killed with SIGKILL at random
// moments of a scripted meeting and started again with はい to the recovery question, gives
// back the meeting as the last finished command left it, or the one before it; never torn.
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {
constexpr int Kills = 200;

// The meeting, a command a line: registration, everybody playing, the division, an entry for
// each player of group A. A line reads the clock at a fixed time of its own.
QStringList script()
{
    QStringList lines{u"Label40;Label3"_s};
    for (int i = 1; i <= 12; ++i)
        lines << u"Label40;Label84;Edit2=緑会;Edit1=選手%1;ComboBox1#%2;Button6"_s.arg(i).arg(i % 2);
    lines << u"Label42;N9"_s << u"Label42;Button1;Button10"_s;
    for (int k = 0; k < 12; ++k)
        lines << u"Label54;Label44;cell:%1,0;Edit3=1;Edit3!;Edit4=2;Edit4!;Edit5=%2;Edit5!"_s.arg(k).arg(25 +
                                                                                                         k);
    for (int i = 0; i < lines.size(); ++i) lines[i] = u"clock:%1;"_s.arg(60 * i) + lines[i];
    return lines;
}

// The next line of the program: "ready HASH" or "done HASH" gives the hash.
QByteArray hashFrom(QProcess &program)
{
    while (!program.canReadLine())
        if (!program.waitForReadyRead(30000)) return "(no answer) " + program.readAllStandardError();
    const QByteArray line = program.readLine().trimmed();
    return line.startsWith("ready ") || line.startsWith("done ") ? line.mid(line.indexOf(' ') + 1) : line;
}

void start(QProcess &program, const QString &folder)
{
    program.start(QStringLiteral(KMTX_PROGRAM), {u"--script"_s, folder});
}
} // namespace

class CrashRecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void killedAnywhereLosesAtMostOneCommand();
};

void CrashRecoveryTest::killedAnywhereLosesAtMostOneCommand()
{
    const QStringList lines = script();
    QTemporaryDir dir;
    QElapsedTimer clock;
    // The meeting after each line (0: before the first), from a run left alone.
    QByteArrayList after;
    QProcess program;
    start(program, dir.filePath(u"whole"_s));
    after << hashFrom(program);
    clock.start();
    for (const QString &line : lines) {
        program.write(line.toUtf8() + '\n');
        after << hashFrom(program);
        QVERIFY2(after.back().size() == 40, after.back().constData());
    }
    const int lineMicros = int(clock.nsecsElapsed() / 1000 / lines.size());
    program.kill();
    program.waitForFinished();

    QRandomGenerator random(20261208);
    int meetings = 1;
    int next = 0;      // the line to run next
    int killedIn = -1; // the line running when the last kill came
    QString folder = dir.filePath(u"meeting1"_s);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int kills = 0; kills < Kills;) {
        start(program, folder);
        const QByteArray found = hashFrom(program);
        if (killedIn >= 0) {
            // The line that was running, the last finished one or the one before it.
            const int back = after.mid(0, killedIn + 2).lastIndexOf(found);
            QVERIFY2(back >= std::max(killedIn - 1, 0),
                     qPrintable(u"killed in line %1, back at %2"_s.arg(killedIn).arg(back)));
            next = back;
        }
        if (next == lines.size()) { // the meeting is complete: another, in a folder of its own
            program.kill();
            program.waitForFinished();
            folder = dir.filePath(u"meeting%1"_s.arg(++meetings));
            next = 0;
            killedIn = -1;
            continue;
        }
        for (int n = random.bounded(4); n > 0 && next + 1 < lines.size(); --n, ++next) {
            program.write(lines[next].toUtf8() + '\n');
            QCOMPARE(hashFrom(program), after[next + 1]);
        }
        program.write(lines[next].toUtf8() + '\n');
        program.waitForBytesWritten();
        QThread::usleep(random.bounded(lineMicros * 3 / 2 + 1));
        program.kill(); // SIGKILL
        QVERIFY(program.waitForFinished());
        killedIn = next;
        ++kills;
    }
    qInfo("%d kills in %lld s, %d meetings, %d ms a line", Kills, elapsed.elapsed() / 1000, meetings,
          lineMicros / 1000);
}

QTEST_GUILESS_MAIN(CrashRecoveryTest)
#include "tst_crashrecovery.moc"
