// A meeting's main road with the keyboard alone: open, mark, divide, enter scores moving with
// the arrow keys, save in place and print to PDF.
#include "WindowFixture.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"

#include <QFileDialog>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {
// Keys go to the open menu, else where the keyboard's focus is; "\n" is Enter.
void press(StartedWindow &w, const QString &keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           int key = 0)
{
    for (int i = 0; i < std::max<qsizetype>(1, keys.size()); ++i) {
        QWidget *target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        const int k = key ? key : keys.at(i) == u'\n' ? int(Qt::Key_Return) : keys.at(i).toUpper().unicode();
        QTest::keyClick(target ? target : w.window.get(), Qt::Key(k), modifiers);
    }
}

// Tab until the control has the focus, then Space presses it.
bool tabAndPress(StartedWindow &w, const char *name)
{
    for (int n = 0; n < 300 && QApplication::focusWidget() != w.widget(name); ++n)
        press(w, {}, {}, Qt::Key_Tab);
    press(w, {}, {}, Qt::Key_Space);
    return QApplication::focusWidget() == w.widget(name);
}
} // namespace

class KeyboardRoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void mainRoadByKeys();
};

void KeyboardRoadTest::mainRoadByKeys()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"大会.txt"_s), pdf = dir.filePath(u"組合せ.pdf"_s);
    QVERIFY(QFile::copy(QFINDTESTDATA(u"../data/sample-120.txt"_s), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    StartedWindow w;
    QVERIFY(w.exposed());
    w.window->activateWindow();
    w.window->platform().answerFileDialog = [&](QFileDialog &d) { return d.selectFile(file), true; };
    w.window->platform().answerPrintDialog = [&](QPrinter &p) { return p.setOutputFileName(pdf), true; };
    press(w, u"o"_s, Qt::ControlModifier); // 開く
    QCOMPARE(w.form().DataFileName, file);
    press(w, {}, {}, Qt::Key_F10); // the menu bar: → 一括出場設定, Enter on 全員を出場に設定
    press(w, {}, {}, Qt::Key_Right);
    press(w, u"\n"_s);
    QCOMPARE(w.form().PlayCount, w.form().MemberCount());
    w.answers = {IdYes, IdYes, IdYes};
    QVERIFY(tabAndPress(w, "Button1") && w.form().Combining);        // おまかせ 開始
    QVERIFY(tabAndPress(w, "Button10") && !w.form().Combining);      // 完了
    QVERIFY(tabAndPress(w, "Label54") && tabAndPress(w, "Label44")); // 得点入力, A グループ
    QCOMPARE(QApplication::focusWidget(), w.widget("Edit3"));
    press(w, u"1\n2\n20\n"_s); // 1組1番, then ↓ to 2組2番
    press(w, {}, {}, Qt::Key_Down);
    press(w, u"0\n3\n25\n"_s);
    QCOMPARE(w.form().ScoreSlots[0][0][0].Total + w.form().ScoreSlots[0][1][1].Total, u"2025"_s);
    for (int key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up}) press(w, {}, {}, key);
    QCOMPARE(QPoint(w.form().EntryRow, w.form().EntrySlot), QPoint(0, 5)); // 2組1番 ← 1組の最後
    press(w, u"s"_s, Qt::ControlModifier);                                 // 上書き保存
    QCOMPARE(datafile::readFileBytes(file, true).bytes, datafile::write(w.form().currentMeeting()).bytes);
    QVERIFY(tabAndPress(w, "Label64") && tabAndPress(w, "Label53")); // 作表と印刷, 組合せ表作成
    QVERIFY(tabAndPress(w, "Label44"));
    press(w, u"p"_s, Qt::ControlModifier); // 印刷
    QVERIFY(QFileInfo(pdf).size() > 1000);
}

QTEST_MAIN(KeyboardRoadTest)
#include "tst_keyboardroad.moc"
