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

class CrashRecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void killedAnywhereLosesAtMostOneCommand();
};

void CrashRecoveryTest::killedAnywhereLosesAtMostOneCommand()
{
    // A command a line, each reading the clock at a time of its own: registration, everybody
    // playing, the division, an entry for each player of group A.
    QStringList lines{u"Label40;Label3"_s};
    for (int i = 1; i <= 12; ++i)
        lines << u"Label40;Label84;Edit2=緑会;Edit1=選手%1;ComboBox1#%2;Button6"_s.arg(i).arg(i % 2);
    lines << u"Label42;N9"_s << u"Label42;Button1;Button10"_s;
    for (int k = 0; k < 12; ++k)
        lines << u"Label54;Label44;cell:%1,0;Edit3=1;Edit3!;Edit4=2;Edit4!;Edit5=2%1;Edit5!"_s.arg(k);
    for (int i = 0; i < lines.size(); ++i) lines[i].prepend(u"clock:%1;"_s.arg(60 * i));

    QProcess program;
    QTemporaryDir dir;
    const auto start = [&](const QString &folder) {
        program.start(u"" KMTX_PROGRAM ""_s, {u"--script"_s, folder});
    };
    const auto hash = [&program]() -> QByteArray { // of "ready HASH" and "done HASH"
        while (!program.canReadLine())
            if (!program.waitForReadyRead(30000))
                return "(no answer: " + QByteArray::number(program.state()) + ' ' +
                       QByteArray::number(program.exitCode()) + ' ' + program.errorString().toUtf8() + ") " +
                       program.readAllStandardError();
        const QByteArray line = program.readLine().trimmed();
        return line.mid(line.indexOf(' ') + 1);
    };
    // The meeting after each line (0: before the first), from a run left alone.
    start(dir.filePath(u"whole"_s));
    QByteArrayList after{hash()};
    QElapsedTimer clock;
    clock.start();
    for (const QString &line : lines) {
        program.write(line.toUtf8() + '\n');
        after << hash();
        QVERIFY2(after.back().size() == 40, after.back().constData());
    }
    const int lineMicros = int(clock.nsecsElapsed() / 1000 / lines.size());
    program.kill();
    program.waitForFinished();

    QRandomGenerator random(20261208);
    int meetings = 1, next = 0, killedIn = -1; // the line to run next, the line the kill came in
    clock.start();
    for (int kills = 0; kills < 200;) {
        start(dir.filePath(u"meeting%1"_s.arg(meetings)));
        const QByteArray found = hash();
        if (killedIn >= 0) {
            // The line that was running, the last finished one or the one before it.
            next = int(after.mid(0, killedIn + 2).lastIndexOf(found));
            QVERIFY2(next >= std::max(killedIn - 1, 0),
                     qPrintable(u"killed in line %1, back at %2 (%3)"_s.arg(killedIn).arg(next).arg(
                         QString::fromUtf8(found))));
        }
        if (next == lines.size()) { // the meeting is complete: another, in a folder of its own
            program.kill();
            program.waitForFinished();
            ++meetings;
            next = 0;
            killedIn = -1;
            continue;
        }
        for (int n = random.bounded(4); n > 0 && next + 1 < lines.size(); --n, ++next) {
            program.write(lines[next].toUtf8() + '\n');
            QCOMPARE(hash(), after[next + 1]);
        }
        program.write(lines[next].toUtf8() + '\n');
        program.waitForBytesWritten();
        QThread::usleep(random.bounded(lineMicros * 3 / 2 + 1));
        program.kill(); // SIGKILL
        QVERIFY(program.waitForFinished());
        killedIn = next;
        ++kills;
    }
    qInfo("200 kills in %lld s, %d meetings, %d ms a line", clock.elapsed() / 1000, meetings,
          lineMicros / 1000);
}

QTEST_GUILESS_MAIN(CrashRecoveryTest)
#include "tst_crashrecovery.moc"
