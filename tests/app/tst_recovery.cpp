// The recovery copy: work a program did not save comes back at the next start (or is kept
// aside), a clean end leaves no copy, a saved meeting's copy follows its file, a running
// program's copy is nobody else's, and a folder that cannot be written is told once.
#include "datafile/MeetingFile.h"
#include "support/RosterSteps.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {
// One run of the program keeping its copies in `folder`.
std::unique_ptr<Scenario> start(const QString &folder)
{
    auto s = std::make_unique<Scenario>();
    s->platform.recovery = std::make_unique<RecoveryFolder>(folder);
    s->form.perform(u"start"_s, [&] { s->form.offerRecovery(); });
    return s;
}

QByteArray bytes(Scenario &s) { return datafile::write(s.form.meetingAsSaved()).bytes; }

// Some work: a roster, then everybody playing.
void work(Scenario &s)
{
    s.form.perform(u"N27"_s, [&] { s.form.N27Click(); });
    s.form.perform(u"N9"_s, [&] { s.form.N9Click(); });
    s.platform.recovery->waitUntilWritten();
}

void save(Scenario &s, const QString &path)
{
    s.platform.chooseFile(path);
    s.form.perform(u"N7"_s, [&] { s.form.N7Click(); });
    s.platform.recovery->waitUntilWritten();
}

QStringList copiesIn(const QString &folder) { return QDir(folder).entryList({u"*.txt"_s}, QDir::Files); }
} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void unsavedWorkComesBack_data();
    void unsavedWorkComesBack();
    void copiesFollowTheWork_data();
    void copiesFollowTheWork();
};

void RecoveryTest::unsavedWorkComesBack_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("answer");
    QTest::newRow("new meeting, restored") << false << int(IdYes);
    QTest::newRow("new meeting, kept aside") << false << int(IdNo);
    QTest::newRow("saved meeting changed, restored") << true << int(IdYes);
    QTest::newRow("saved meeting changed, kept aside") << true << int(IdNo);
}

void RecoveryTest::unsavedWorkComesBack()
{
    QFETCH(bool, saved);
    QFETCH(int, answer);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"recovery"_s);
    const QString file = dir.filePath(u"春の大会.txt"_s);
    auto first = start(folder);
    first->form.perform(u"N27"_s, [&] { first->form.N27Click(); });
    if (saved) save(*first, file);
    first->form.perform(u"N9"_s, [&] { first->form.N9Click(); });
    first->platform.recovery->waitUntilWritten();
    const QByteArray lost = bytes(*first);
    const QByteArray fresh = bytes(*std::make_unique<Scenario>());
    first.reset(); // the program ends without a word

    const QDateTime written = QFileInfo(QDir(folder).filePath(copiesIn(folder).value(0))).lastModified();
    auto second = std::make_unique<Scenario>();
    second->platform.recovery = std::make_unique<RecoveryFolder>(folder);
    second->platform.answer(answer);
    second->form.perform(u"start"_s, [&] { second->form.offerRecovery(); });
    QCOMPARE(second->platform.boxes.size(), std::size_t(1));
    QCOMPARE_BOX(second->platform.boxes.back(),
                 u"前回、保存しないまま終了した作業があります（%1、%2）。復元しますか"_s.arg(
                     written.toString(u"yyyy/MM/dd HH:mm"_s), saved ? u"春の大会.txt"_s : u"新しい大会"_s),
                 u"くみっとEX"_s, MsgIcon::Question, MsgButtons::YesNo);
    second->platform.recovery->waitUntilWritten();
    // Either way the left copy is kept in old/.
    QCOMPARE(copiesIn(folder + u"/old"_s).size(), 1);
    if (answer == IdYes) {
        QCOMPARE(bytes(*second), lost);
        QCOMPARE(second->form.DataFileName, saved ? file : QString());
        QVERIFY(second->form.meetingChanged());
        QVERIFY(!second->form.control("Undo").enabled);
        // This program's own copy holds the restored work now.
        QCOMPARE(copiesIn(folder).size(), 1);
    } else {
        QCOMPARE(bytes(*second), fresh);
        QVERIFY(copiesIn(folder).isEmpty());
    }
    second.reset();
    // Nothing is asked twice.
    auto third = start(folder);
    QCOMPARE(third->platform.boxes.size(), std::size_t(answer == IdYes ? 1 : 0));
}

void RecoveryTest::copiesFollowTheWork_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("closed without saving") << u"close"_s;
    QTest::newRow("saved, then ended") << u"saved"_s;
    QTest::newRow("still running beside another") << u"running"_s;
    QTest::newRow("folder not writable") << u"unwritable"_s;
}

void RecoveryTest::copiesFollowTheWork()
{
    QFETCH(QString, ending);
    QTemporaryDir dir;
    QString folder = dir.filePath(u"recovery"_s);
    if (ending == u"unwritable"_s) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
        folder += u"/inside"_s;
    }
    auto first = start(folder);
    work(*first);
    if (ending == u"unwritable"_s) {
        // The notice comes with the next command, once, and the work goes on.
        for (const char *command : {"N10", "N9", "N10"}) {
            first->form.perform(QString::fromLatin1(command),
                                [&] { command[2] == '0' ? first->form.N10Click() : first->form.N9Click(); });
            first->platform.recovery->waitUntilWritten();
        }
        QCOMPARE(first->platform.boxes.size(), std::size_t(1));
        QCOMPARE(first->platform.boxes.back().caption, u"くみっとEX"_s);
        QCOMPARE(first->platform.boxes.back().icon, MsgIcon::Warning);
        QCOMPARE(first->form.History.size(), std::size_t(5));
        return;
    }
    QCOMPARE(copiesIn(folder).size(), 1);
    if (ending == u"close"_s) {
        first->platform.answer(IdNo); // the save question: いいえ
        QVERIFY(first->form.confirmClose());
        first->platform.recovery->waitUntilWritten();
        QVERIFY(copiesIn(folder).isEmpty());
    } else if (ending == u"saved"_s) {
        const QString file = dir.filePath(u"meeting.txt"_s);
        save(*first, file);
        const QString copy = QDir(folder).filePath(copiesIn(folder).value(0));
        QFile written(copy), original(file), path(copy.chopped(4) + u".path"_s);
        QVERIFY(written.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly) &&
                path.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), original.readAll());
        QCOMPARE(QString::fromUtf8(path.readAll()), file);
    }
    const bool running = ending == u"running"_s;
    if (!running) first.reset();
    auto second = start(folder);
    QCOMPARE(second->platform.boxes.size(), std::size_t(0));
    work(*second);
    // Two programs at once keep a copy each.
    QCOMPARE(copiesIn(folder).size(), running ? 2 : 1);
}

QTEST_APPLESS_MAIN(RecoveryTest)
#include "tst_recovery.moc"
