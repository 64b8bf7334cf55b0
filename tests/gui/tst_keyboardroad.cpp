// A meeting's main road with the keyboard alone: open, mark, divide, enter a party's scores
// with the arrow keys, save in place and print to PDF; and the window at a larger text size.
#include "WindowFixture.h"

#include "datafile/MeetingFile.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {
// Keys go where the keyboard's focus is, or to the open menu.
void press(StartedWindow &w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget() ? QApplication::focusWidget() : w.window.get();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Tab until the control has the focus (each shows it), then Space presses it.
bool tabAndPress(StartedWindow &w, const char *name)
{
    for (int n = 0; n < 300 && QApplication::focusWidget() != w.widget(name); ++n) press(w, Qt::Key_Tab);
    if (QApplication::focusWidget() != w.widget(name)) return false;
    press(w, Qt::Key_Space);
    return true;
}

void type(StartedWindow &w, const QString &keys)
{
    for (QChar c : keys) press(w, c == u'\n' ? Qt::Key_Return : c.unicode());
}
} // namespace

class KeyboardRoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void mainRoadByKeys();
    void largerTextScalesTheWindow();
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
    w.window->platform().answerPrintDialog = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    press(w, Qt::Key_O, Qt::ControlModifier); // 開く
    QCOMPARE(w.form().DataFileName, file);
    // F10, then → to 一括出場設定 and Enter on 全員を出場に設定.
    press(w, Qt::Key_F10);
    QVERIFY(QApplication::activePopupWidget());
    press(w, Qt::Key_Right);
    press(w, Qt::Key_Return);
    QCOMPARE(w.form().PlayCount, w.form().MemberCount());
    w.answers = {IdYes, IdYes, IdYes};
    QVERIFY(tabAndPress(w, "Button1"));  // おまかせ 開始
    QVERIFY(tabAndPress(w, "Button10")); // 完了
    QVERIFY(!w.form().KumiLines[0].isEmpty());
    QVERIFY(tabAndPress(w, "Label54")); // 得点入力
    QVERIFY(tabAndPress(w, "Label44")); // A グループ
    QCOMPARE(QApplication::focusWidget(), w.widget("Edit3"));
    type(w, u"1\n2\n20\n"_s); // 1組1番
    press(w, Qt::Key_Down);   // 2組2番
    type(w, u"0\n3\n25\n"_s);
    QCOMPARE(w.form().ScoreSlots[0][0][0].Total, u"20"_s);
    QCOMPARE(w.form().ScoreSlots[0][1][1].Total, u"25"_s);
    press(w, Qt::Key_S, Qt::ControlModifier); // 上書き保存
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), datafile::write(w.form().currentMeeting()).bytes);
    QVERIFY(tabAndPress(w, "Label64")); // 作表と印刷
    QVERIFY(tabAndPress(w, "Label53")); // 組合せ表作成
    QVERIFY(tabAndPress(w, "Label44"));
    press(w, Qt::Key_P, Qt::ControlModifier); // 印刷
    QVERIFY(QFileInfo(pdf).size() > 1000);
}

void KeyboardRoadTest::largerTextScalesTheWindow()
{
    StartedWindow w;
    const QSize usual = w.window->size();
    const QSize list = w.widget("Image1")->size();
    w.form().offerTextSizes(150); // a screen that takes it
    w.window->menuEntry(u"TextSize150"_s)->trigger();
    QCOMPARE(w.window->width(), 1530);
    QCOMPARE(w.widget("Image1")->size(), list * 1.5);
    QVERIFY(w.window->height() > usual.height() * 1.45);
    w.window->menuEntry(u"TextSize100"_s)->trigger();
    QCOMPARE(w.window->size(), usual);
}

QTEST_MAIN(KeyboardRoadTest)
#include "tst_keyboardroad.moc"
