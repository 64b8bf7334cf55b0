// The scenario fuzzer's minimised corpus (tests/data/scenarios/), replayed in every test
// run: each file spells a session of steps on the window, and every check after every step
// must hold (tests/fuzz/ScenarioSteps.cpp).
#include "fuzz/ScenarioSteps.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class ScenarioReplay : public QObject
{
    Q_OBJECT
private slots:
    void replay_data();
    void replay();
};

void ScenarioReplay::replay_data()
{
    QTest::addColumn<QString>("path");
    const QString folder = QFINDTESTDATA(u"../data/scenarios"_s);
    QVERIFY(!folder.isEmpty());
    const QDir corpus(folder);
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY2(names.size() >= 5, qPrintable(corpus.path())); // the replay must not pass by finding nothing
    for (const QString &name : names) QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void ScenarioReplay::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(scenario::run(file.readAll()), QString());
}

QTEST_APPLESS_MAIN(ScenarioReplay)
#include "tst_scenarios.moc"
