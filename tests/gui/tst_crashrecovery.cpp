// A meeting survives the machine: the window program, killed (SIGKILL) at random moments of
// a scripted meeting and started again with はい to the recovery question, gives back the
// meeting as the last finished command left it, or the one before it, and never a torn one.
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <map>

using namespace Qt::StringLiterals;

namespace {
constexpr int Kills = 200;
constexpr int LastStep = 26; // the driver's script: 0 .. LastStep

// The next line the driver writes, without its end.
QByteArray lineFrom(QProcess &driver)
{
    while (!driver.canReadLine())
        if (!driver.waitForReadyRead(20000)) return "(nothing: " + driver.readAllStandardError() + ')';
    return driver.readLine().trimmed();
}

void start(QProcess &driver, const QString &folder)
{
    driver.setProcessChannelMode(QProcess::SeparateChannels);
    driver.start(QStringLiteral(KMTX_DRIVE_PROGRAM), {folder});
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
    QTemporaryDir dir;
    // The meeting after each step (-1: before any), from a run that is not interrupted.
    std::map<int, QByteArray> after;
    QElapsedTimer clock;
    {
        QProcess driver;
        start(driver, dir.filePath(u"reference"_s));
        const QByteArray ready = lineFrom(driver);
        QVERIFY2(ready.startsWith("ready "), ready.constData());
        after[-1] = ready.mid(6);
        clock.start();
        for (int step = 0; step <= LastStep; ++step) {
            driver.write(QByteArray::number(step) + '\n');
            const QList<QByteArray> done = lineFrom(driver).split(' ');
            QVERIFY2(done.size() == 3 && done[0] == "done", done.join(' ').constData());
            after[step] = done[2];
        }
        driver.kill();
        driver.waitForFinished();
    }
    // A kill lands anywhere in a step, or a little after it.
    const int stepMicros = int(clock.nsecsElapsed() / 1000 / (LastStep + 1));

    QRandomGenerator random(20261208);
    int round = 0;
    int next = 0;
    int killedIn = -1; // the step running when the last kill came
    QString folder = dir.filePath(u"round0"_s);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int kills = 0; kills < Kills; ++kills) {
        QProcess driver;
        start(driver, folder);
        const QByteArray ready = lineFrom(driver);
        QVERIFY2(ready.startsWith("ready "), ready.constData());
        if (killedIn >= 0) {
            // The step that was running, the last finished one, or the one before it.
            int found = -2;
            for (int j = killedIn; j >= killedIn - 2 && found == -2; --j)
                if (after.at(std::max(j, -1)) == ready.mid(6)) found = std::max(j, -1);
            QVERIFY2(
                found != -2,
                qPrintable(u"kill %1 in step %2: the meeting came back as no state near it"_s.arg(kills).arg(
                    killedIn)));
            next = found + 1;
        }
        if (next > LastStep) {
            // The meeting is complete: a new one in a fresh folder.
            folder = dir.filePath(u"round%1"_s.arg(++round));
            next = 0;
            killedIn = -1;
            --kills;
            continue;
        }
        for (int confirmed = random.bounded(4); confirmed > 0 && next < LastStep; --confirmed, ++next) {
            driver.write(QByteArray::number(next) + '\n');
            const QList<QByteArray> done = lineFrom(driver).split(' ');
            QVERIFY2(done.size() == 3 && done[2] == after.at(next), done.join(' ').constData());
        }
        driver.write(QByteArray::number(next) + '\n');
        driver.waitForBytesWritten();
        QThread::usleep(random.bounded(stepMicros * 3 / 2 + 1));
        driver.kill(); // SIGKILL
        QVERIFY(driver.waitForFinished());
        killedIn = next;
    }
    qInfo("%d kills in %lld s over %d meetings (a step takes %d ms)", Kills, elapsed.elapsed() / 1000,
          round + 1, stepMicros / 1000);
}

QTEST_GUILESS_MAIN(CrashRecoveryTest)
#include "tst_crashrecovery.moc"
