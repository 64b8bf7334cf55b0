// The recovery copy: unsaved work comes back at the next start or is kept aside in old/; a
// clean end leaves no copy, a saved meeting's copy follows its file, two programs keep a
// copy each, and a folder that cannot be written is told once while the work goes on.
#include "WindowFixture.h"
#include "datafile/MeetingFile.h"
#include "support/Scenario.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void copiesFollowTheWork_data();
    void copiesFollowTheWork();
};

void RecoveryTest::copiesFollowTheWork_data()
{
    QTest::addColumn<QString>("ending"); // how the first program ends
    QTest::addColumn<int>("answer");     // the next one's answer to the recovery question
    QTest::addColumn<int>("asked");      // and how many it asks
    QTest::newRow("new meeting lost, restored") << u"lost"_s << int(IdYes) << 1;
    QTest::newRow("new meeting lost, kept aside") << u"lost"_s << int(IdNo) << 1;
    QTest::newRow("saved meeting changed and lost") << u"saved, changed"_s << int(IdYes) << 1;
    QTest::newRow("saved, then lost") << u"saved"_s << int(IdYes) << 0;
    QTest::newRow("closed without saving") << u"closed"_s << int(IdYes) << 0;
    QTest::newRow("still running") << u"running"_s << int(IdYes) << 0;
    QTest::newRow("folder not writable") << u"unwritable"_s << int(IdYes) << 0;
}

void RecoveryTest::copiesFollowTheWork()
{
    QFETCH(QString, ending);
    QFETCH(int, answer);
    QFETCH(int, asked);
    QTemporaryDir dir;
    QString folder = dir.filePath(u"recovery"_s);
    const QString file = dir.filePath(u"春の大会.txt"_s);
    const auto start = [&folder](int answers) {
        auto w = std::make_unique<StartedWindow>();
        w->answers.assign(8, answers);
        w->window->keepRecoveryCopies(folder);
        return w;
    };
    const auto perform = [](StartedWindow &w, const QString &steps) {
        const bool done = w.window->perform(steps);
        w.window->platform().recovery->waitUntilWritten();
        return done;
    };
    const auto bytes = [](StartedWindow &w) { return datafile::write(w.form().meetingAsSaved()).bytes; };
    const auto copies = [&folder](const QString &sub) { return QDir(folder + sub).entryList({u"*.txt"_s}); };
    if (ending == u"unwritable"_s) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
        folder += u"/copies"_s;
    }
    auto first = start(IdNo);
    QVERIFY(perform(*first, u"N27"_s));
    first->window->platform().answerFileDialog = [&file](QFileDialog &d) { return d.selectFile(file), true; };
    if (ending.startsWith(u"saved"_s)) QVERIFY(perform(*first, u"N7"_s));
    QVERIFY(perform(*first, ending == u"saved"_s ? u"Label22"_s : u"N9;N10;N9"_s));
    if (ending == u"unwritable"_s) { // one notice, with the next command, and the work goes on
        QCOMPARE(first->boxes.size(), std::size_t(1));
        QCOMPARE(first->boxes.back().caption, u"くみっとEX"_s);
        QCOMPARE(first->form().History.size(), std::size_t(4));
        return;
    }
    if (ending == u"closed"_s) QVERIFY(first->form().confirmClose()); // いいえ to the save question
    const QByteArray lost = bytes(*first);
    const QDateTime written = QFileInfo(QDir(folder).filePath(copies({}).value(0))).lastModified();
    if (ending != u"running"_s) first.reset();

    auto next = start(answer);
    QCOMPARE(next->boxes.size(), std::size_t(asked));
    if (asked == 0) {
        QVERIFY(perform(*next, u"N27"_s)); // a copy of its own beside the other's
        QCOMPARE(copies({}).size(), ending == u"running"_s ? 2 : 1);
        QCOMPARE(copies(u"/old"_s).size(), ending == u"saved"_s ? 1 : 0);
        return;
    }
    QCOMPARE_BOX(next->boxes.back(),
                 u"前回、保存しないまま終了した作業があります（%1、%2）。復元しますか"_s.arg(
                     written.toString(u"yyyy/MM/dd HH:mm"_s),
                     ending == u"lost"_s ? u"新しい大会"_s : u"春の大会.txt"_s),
                 u"くみっとEX"_s, MsgIcon::Question, MsgButtons::YesNo);
    next->window->platform().recovery->waitUntilWritten();
    QCOMPARE(copies(u"/old"_s).size(), 1); // kept aside either way
    QCOMPARE(copies({}).size(), answer == IdYes ? 1 : 0);
    if (answer == IdYes) {
        QCOMPARE(bytes(*next), lost);
        QCOMPARE(next->form().DataFileName, ending == u"lost"_s ? QString() : file);
        QVERIFY(next->form().meetingChanged());
    }
}

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
