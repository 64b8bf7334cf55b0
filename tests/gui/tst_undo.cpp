// 元に戻す and 再実行 in the window: every kind of step gives back the data file's bytes from
// before it, on the screen it was made on, and makes them again; the rules of the history.
#include "WindowFixture.h"
#include "datafile/MeetingFile.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {
QByteArray bytes(StartedWindow &w) { return datafile::write(w.form().meetingAsSaved()).bytes; }
const QString kCombined = u"N27;N9;Button1;Button10"_s;
const QString kEntry = u"cell:2,1;Edit3=1;Edit3!;Edit4=2;Edit4!;Edit5=30;Edit5!"_s;
} // namespace

class UndoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void everyStepUndoesAndRedoes_data();
    void everyStepUndoesAndRedoes();
    void historyRules();
};

void UndoTest::everyStepUndoesAndRedoes_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("label");
    const QString roster = u"N27;Label40;Label84"_s;
    const QString scoreEntry = kCombined + u";Label54;Label44"_s;
    QTest::newRow("registration") << roster << u"Edit2=緑会;Edit1=山田;Button6"_s << u"メンバー登録"_s;
    QTest::newRow("correction") << roster << u"Label4;list:1;Edit1=川上;Button6"_s << u"メンバー修正"_s;
    QTest::newRow("move") << roster << u"Label5;list:3;list:0"_s << u"メンバー移動"_s;
    QTest::newRow("delete") << roster << u"Label6;list:2"_s << u"メンバー削除"_s;
    QTest::newRow("mark") << u"N27"_s << u"Label75;list:1"_s << u"出場設定"_s;
    QTest::newRow("everybody plays") << u"N27"_s << u"N9"_s << u"全員を出場に設定"_s;
    QTest::newRow("combination") << u"N27;N9"_s << u"Button1;Button10"_s << u"おまかせで組み合せ"_s;
    QTest::newRow("swap") << kCombined + u";Label64;Label53;Label44;N41"_s
                          << u"Button3;cell:0,1;cell:2,3;Button5"_s << u"入れ替え"_s;
    QTest::newRow("score entry") << scoreEntry << kEntry << u"得点入力 A 3組2番"_s;
    QTest::newRow("score cleared") << scoreEntry + u";"_s + kEntry + u";cell:2,1"_s << u"Edit3!46"_s
                                   << u"得点クリア A 3組2番"_s;
    QTest::newRow("tournament name") << u"N27"_s << u"Edit7=春;Edit7=春の大会"_s << u"大会名"_s;
    QTest::newRow("scores cleared") << scoreEntry + u";N28"_s << u"N18"_s << u"全ての得点をクリア"_s;
    QTest::newRow("combination cleared") << kCombined << u"N16"_s << u"組み合わせデータをクリア"_s;
}

void UndoTest::everyStepUndoesAndRedoes()
{
    QFETCH(QString, setup);
    QFETCH(QString, step);
    QFETCH(QString, label);
    StartedWindow w;
    w.answers.assign(30, IdYes);
    QVERIFY(w.window->perform(setup));
    w.form().startFreshHistory();
    const auto where = [&w] {
        return std::make_tuple(w.form().Screen, w.form().TableMode, w.form().CurGroup);
    };
    const QByteArray before = bytes(w);
    const auto place = where();
    QVERIFY(w.window->perform(step));
    const QByteArray after = bytes(w);
    const auto placeAfter = where();
    QVERIFY(after != before);
    QCOMPARE(w.form().History.size(), std::size_t(1));
    QAction *undo = w.window->menuEntry(u"Undo"_s);
    QAction *redo = w.window->menuEntry(u"Redo"_s);
    QCOMPARE(undo->text(), u"元に戻す："_s + label);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    undo->trigger();
    QCOMPARE(bytes(w), before);
    QCOMPARE(where(), place); // the screen, its table and group where the step was made
    QCOMPARE(redo->text(), u"再実行："_s + label);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());

    redo->trigger();
    QCOMPARE(bytes(w), after);
    QCOMPARE(where(), placeAfter);
}

void UndoTest::historyRules()
{
    StartedWindow w;
    w.answers.assign(30, IdYes);
    QVERIFY(w.exposed());
    QVERIFY(w.window->perform(u"N27"_s));
    w.form().startFreshHistory();
    const QByteArray start = bytes(w);
    // 120 steps, all taken back with Ctrl+Z; while combining there is nothing to undo.
    for (int i = 0; i < 60; ++i) QVERIFY(w.window->perform(u"N9;N10"_s));
    QVERIFY(w.window->perform(u"N9;Button1"_s));
    QVERIFY(!w.window->menuEntry(u"Undo"_s)->isEnabled());
    QVERIFY(w.window->perform(u"Button2"_s)); // やり直し: the combination changed nothing
    QCOMPARE(w.form().History.size(), std::size_t(121));
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    for (int i = 0; i < 121; ++i) QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bytes(w), start);
    QVERIFY(!w.window->menuEntry(u"Undo"_s)->isEnabled());
    QCOMPARE(w.window->menuEntry(u"Undo"_s)->text(), u"元に戻す"_s);

    // New work after an undo drops what could be redone; 新規登録 that discards starts afresh.
    QTest::keyClick(w.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.window->perform(u"Label75;list:4"_s));
    QVERIFY(!w.window->menuEntry(u"Redo"_s)->isEnabled());
    QCOMPARE(w.form().History.size(), std::size_t(1));
    QVERIFY(w.window->perform(u"Label40;Label3"_s));
    QCOMPARE(w.form().History.size(), std::size_t(0));
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
