// Saving and opening through the window's real file dialogs (the test picks the file in
// the prepared dialog instead of a user), the caption and the recent files of the menu.
#include "WindowFixture.h"

#include "datafile/MeetingFile.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class DataFileDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void saveAndOpenThroughTheDialogs();
    void closeBoxOffersToSaveChangedWork();
};

void DataFileDialogTest::saveAndOpenThroughTheDialogs()
{
    QTemporaryDir dir;
    StartedWindow w;
    QVERIFY(w.exposed());
    // The user's documents folder, or the home folder where there is none.
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documents).exists()) documents = QDir::homePath();

    QStringList titles;
    w.window->platform().answerFileDialog = [&](QFileDialog &d) {
        titles << d.windowTitle();
        [&] {
            QCOMPARE(d.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(d.nameFilters(), QStringList{u"テキストファイル (*.txt)"_s});
            QCOMPARE(d.defaultSuffix(), u"txt"_s);
            QCOMPARE(QDir(d.directory()).absolutePath(), QDir(documents).absolutePath());
            QVERIFY(!d.testOption(QFileDialog::DontConfirmOverwrite));
        }();
        d.selectFile(dir.filePath(u"秋季大会"_s)); // typed without ".txt"
        return true;
    };
    w.window->menuEntry(u"N7"_s)->trigger();
    const QString saved = dir.filePath(u"秋季大会.txt"_s);
    QCOMPARE(titles, QStringList{u"データー保存"_s});
    QVERIFY(QFile::exists(saved));
    QCOMPARE(w.window->windowTitle(), QDir::toNativeSeparators(saved));
    QCOMPARE(datafile::splitLines([&] {
                 QFile f(saved);
                 return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
             }())
                 .size(),
             18);
    QAction *recent = w.window->menuEntry(u"Recent1"_s);
    QVERIFY(recent && recent->isVisible() && recent->isEnabled());
    QCOMPARE(recent->text(), u"&1 "_s + QDir::toNativeSeparators(saved));
    // … kept in the test's own settings, never in the user's.
    const QSettings kept(QSettings::defaultFormat(), QSettings::UserScope, u"Tobra"_s, u"Kmtx"_s);
    QVERIFY2(kept.fileName().startsWith(useOwnSettings()), qPrintable(kept.fileName()));
    QCOMPARE(kept.value(u"RecentFiles/File1"_s).toString(), saved);

    // The particulars change; opening the file gives back the tournament name it stores.
    w.form().control("Edit7").text = u"別の大会"_s;
    w.window->platform().answerFileDialog = [&](QFileDialog &d) {
        titles << d.windowTitle();
        [&] {
            QCOMPARE(d.acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(d.fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(d.nameFilters(), QStringList{u"テキストファイル (*txt)"_s});
        }();
        d.selectFile(saved);
        return true;
    };
    w.window->setWindowTitle(u"くみっとEX"_s);
    w.answers.push_back(IdNo); // the changed name is unsaved work: not saved
    w.window->menuEntry(u"N3"_s)->trigger();
    QCOMPARE(titles.last(), u"データー開く"_s);
    QCOMPARE(w.boxes.size(), size_t(1));
    QCOMPARE(w.boxes.back().caption, u"データー保存"_s);
    QCOMPARE(w.window->windowTitle(), QDir::toNativeSeparators(saved));
    QCOMPARE(w.form().DataFileName, saved);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit7")->text(), u"なかよし会親睦大会"_s);

    // A cancelled dialog changes nothing.
    w.window->platform().answerFileDialog = [](QFileDialog &) { return false; };
    w.window->menuEntry(u"N3"_s)->trigger();
    QCOMPARE(w.form().DataFileName, saved);
}

void DataFileDialogTest::closeBoxOffersToSaveChangedWork()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.form().MemberLines = w.form().SavedMemberLines =
        QStringList{u"山田,緑会,男,昭和,10,10,10,0,off,off,off,,"_s};
    w.answers.push_back(IdCancel);
    w.window->close();
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.boxes.size(), size_t(1));
    QCOMPARE(w.boxes.back().buttons, MsgButtons::YesNoCancel);
    w.answers.push_back(IdNo);
    w.window->close();
    QVERIFY(!w.window->isVisible());
}

QTEST_MAIN(DataFileDialogTest)
#include "tst_datafiledialogs.moc"
