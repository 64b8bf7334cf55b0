// Whole workflows through the real window, by mouse and keyboard only: registering a
// member, an automatic combination, a combination made by hand, and a meeting by the keys
// alone. The form is read, never driven; what the pictures show is checked on their pixels.
#include "WindowFixture.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "grouping/KumiLine.h"
#include "tables/PainterCanvas.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRowHeight = 28; // a row of the member list
constexpr int kPanelLine = 16; // a line of a party panel
constexpr int kPanelTop = 4;   // the top of line 0 of a party panel
constexpr int kPanelTextHeight = 13;

// The pixels of a region of a widget, as the widget paints them, that are not white.
int inkIn(QWidget *widget, const QRect &region)
{
    const QImage shown = widget->grab(region).toImage().convertToFormat(QImage::Format_RGB32);
    int ink = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if ((shown.pixel(x, y) & 0xffffffu) != 0xffffffu) ++ink;
    return ink;
}

// The same, counting only clearly red pixels.
int redIn(QWidget *widget, const QRect &region)
{
    const QImage shown = widget->grab(region).toImage().convertToFormat(QImage::Format_RGB32);
    int red = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            if (qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100) ++red;
        }
    return red;
}

// The name column of a member list row (inside the rules), where the name is written.
QRect nameCell(int row) { return QRect(189, row * kRowHeight + 7, 314 - 189, 15); }
// The 貼付 column of a member list row, where a placed member gets its arrow.
QRect pasteCell(int row) { return QRect(448, row * kRowHeight + 2, 487 - 448, kRowHeight - 3); }
// Line `line` of a party panel, inside the frame.
QRect panelLine(int line) { return QRect(2, kPanelTop + kPanelLine * line, 113, kPanelTextHeight); }

// A click into a text field, then the text typed key by key. QTest::keyClicks hands each
// character over as Latin-1, which no Japanese character survives, so the fixture's
// typeKeys delivers the characters the way a keyboard does.
bool typeInto(StartedWindow &w, const char *field, const QString &text)
{
    auto *edit = w.widgetAs<QLineEdit>(field);
    if (!edit || !edit->isVisible()) return false;
    QTest::mouseClick(edit, Qt::LeftButton);
    typeKeys(edit, text);
    return true;
}

// Chooses an entry of a selection list with the keyboard: Home, then Down to the entry.
bool chooseByKeys(StartedWindow &w, const char *list, int index)
{
    auto *box = w.widgetAs<QComboBox>(list);
    if (!box || !box->isVisible()) return false;
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
    return box->currentIndex() == index;
}

// 新規登録 on the メンバー登録 screen, then each name registered for team 緑会, men and
// women by turns.
bool registerMembers(StartedWindow &w, const QStringList &names)
{
    w.click("Label40"); // tab 「メンバー登録」
    w.click("Label3");  // 「新規登録」
    if (!typeInto(w, "Edit2", u"緑会"_s)) return false;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!typeInto(w, "Edit1", names[i]) || !chooseByKeys(w, "ComboBox1", static_cast<int>(i % 2)))
            return false;
        w.click("Button6"); // 「実行」
    }
    return true;
}

QStringList numberedNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i) names << u"選手"_s + QString::number(i);
    return names;
}

// The 組み合わせ tab, then 一括出場設定 › 全員を出場に設定 from the menu.
bool everybodyPlays(StartedWindow &w)
{
    w.click("Label42"); // tab 「組み合わせ」
    QAction *allPlay = w.window->menuEntry(u"N9"_s);
    if (!allPlay || !allPlay->isEnabled()) return false;
    allPlay->trigger();
    return true;
}

// The texts of the boxes shown so far, for a failure message.
QString shownBoxes(const StartedWindow &w)
{
    QStringList texts;
    for (const ShownBox &box : w.boxes) texts << box.text;
    return texts.join(u" / "_s);
}

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
    const bool reached = QApplication::focusWidget() == w.widget(name);
    press(w, {}, {}, Qt::Key_Space);
    return reached;
}
} // namespace

class WorkflowTest : public QObject
{
    Q_OBJECT
private slots:
    void mainRoadByKeys();
    void initTestCase() { prepareTestApplication(); }
    void registeringAMemberStoresAndDrawsIt();
    void automaticCombinationFillsThePanels();
    void handMadeCombinationPastesAndTakesBack();
};

void WorkflowTest::registeringAMemberStoresAndDrawsIt()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.click("Label40"); // tab 「メンバー登録」
    QVERIFY(w.widget("Panel2")->isVisible());
    w.click("Label3"); // 「新規登録」
    QCOMPARE(w.form().EditMode, editmode::Register);
    QWidget *list = w.widget("Image1");
    QCOMPARE(inkIn(list, nameCell(0)), 0);

    QVERIFY(typeInto(w, "Edit2", u"緑会"_s));
    QVERIFY(typeInto(w, "Edit1", u"山田花子"_s));
    QCOMPARE(w.widgetAs<QLineEdit>("Edit2")->text(), u"緑会"_s);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit1")->text(), u"山田花子"_s);
    QVERIFY(chooseByKeys(w, "ComboBox1", 1));  // 女性
    QVERIFY(chooseByKeys(w, "ComboBox2", 2));  // 昭和
    QVERIFY(chooseByKeys(w, "ComboBox3", 29)); // 30年
    QVERIFY(chooseByKeys(w, "ComboBox4", 4));  // 5月
    QVERIFY(chooseByKeys(w, "ComboBox5", 0));  // 1日
    w.click("Button6");                        // 「実行」

    QVERIFY2(w.boxes.empty(), qPrintable(shownBoxes(w)));
    QCOMPARE(w.form().MemberLines, QStringList{u"山田花子,緑会,女,昭和,30,5,1,0,off,off,off,,"_s});
    QCOMPARE(w.form().SavedMemberLines, w.form().MemberLines);
    // The name field empties for the next member; the team stays.
    QCOMPARE(w.widgetAs<QLineEdit>("Edit1")->text(), QString());
    QCOMPARE(w.widgetAs<QLineEdit>("Edit2")->text(), u"緑会"_s);
    // The list shows the member in row 0, and nothing in row 1.
    QVERIFY(inkIn(list, nameCell(0)) > 20);
    QCOMPARE(inkIn(list, nameCell(1)), 0);
    const RetainedPicture *picture = w.window->platform().findPicture(u"Image1"_s);
    QVERIFY(picture);
    QCOMPARE(list->grab(nameCell(0)).toImage().convertToFormat(QImage::Format_RGB32),
             renderPicture(*picture, nameCell(0)));
}

void WorkflowTest::automaticCombinationFillsThePanels()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QVERIFY(registerMembers(w, numberedNames(12)));
    QCOMPARE(w.form().MemberCount(), 12);
    QVERIFY(everybodyPlays(w));
    QCOMPARE(w.form().PlayCount, 12);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit16")->text(), u"1"_s);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit6")->text(), u"12"_s);
    for (int k = 11; k <= 22; ++k) {
        QWidget *panel = w.window->widget(u"Image"_s + QString::number(k));
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(inkIn(panel, panelLine(0)), 0);
    }

    w.click("Button1"); // おまかせ 「開始」
    QVERIFY2(w.boxes.empty(), qPrintable(shownBoxes(w)));
    QCOMPARE(w.form().Combining, 1);
    QVERIFY(w.widget("Button10")->isEnabled());

    // Group A's twelve parties hold every player once, and each panel shows its names.
    const QStringList stored = w.form().KumiLines[0];
    QCOMPARE(stored.size(), 12);
    QList<int> all;
    for (int k = 0; k < 12; ++k) {
        const QStringList party = grouping::kumiline::read(stored[k]);
        QWidget *panel = w.window->widget(u"Image"_s + QString::number(11 + k));
        for (int line = 0; line < 8; ++line) {
            const bool named = line < party.size();
            const int ink = inkIn(panel, panelLine(line));
            QVERIFY2(named ? ink > 10 : ink == 0,
                     qPrintable(u"party %1 line %2: %3 pixels"_s.arg(k + 1).arg(line).arg(ink)));
        }
        for (const QString &index : party) all << index.toInt();
    }
    std::sort(all.begin(), all.end());
    QList<int> everybody(12);
    std::iota(everybody.begin(), everybody.end(), 0);
    QCOMPARE(all, everybody);

    w.click("Button10"); // おまかせ 「完了」
    QCOMPARE(w.form().Combining, 0);
    QCOMPARE(w.form().KumiLines[0], stored);
    QVERIFY(!w.widget("Button10")->isEnabled());
    QVERIFY(!w.widget("Button1")->isEnabled());
}

void WorkflowTest::handMadeCombinationPastesAndTakesBack()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QVERIFY(registerMembers(w, numberedNames(3)));
    QVERIFY(everybodyPlays(w));
    QCOMPARE(w.form().PlayCount, 3);

    w.click("Button4"); // 自分で 「開始」
    QVERIFY2(w.boxes.empty(), qPrintable(shownBoxes(w)));
    QCOMPARE(w.form().Combining, 1);
    QCOMPARE(w.form().PasteOn, 1);

    const int row = 1;
    QWidget *list = w.widget("Image1");
    QWidget *panel = w.widget("Image11");
    QVERIFY(list->isVisible() && panel->isVisible());
    QCOMPARE(inkIn(panel, panelLine(0)), 0);
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(100, kRowHeight * row + 10));
    QCOMPARE(w.form().control("Label20").text, QString::number(row));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(58, kPanelTop + 6));

    QCOMPARE(w.form().KumiLines[0].value(0), u"2,%1"_s.arg(row));
    QVERIFY(inkIn(panel, panelLine(0)) > 10);
    QCOMPARE(inkIn(panel, panelLine(1)), 0);
    QVERIFY(redIn(list, pasteCell(row)) > 5); // the placed member's arrow
    QCOMPARE(redIn(list, pasteCell(0)), 0);

    w.click("Label79"); // 「← 戻す」
    QCOMPARE(w.form().ReturnOn, 1);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(58, kPanelTop + 6));
    QVERIFY2(w.boxes.empty(), qPrintable(shownBoxes(w)));
    QCOMPARE(inkIn(panel, panelLine(0)), 0);
    QCOMPARE(w.form().KumiLines[0].value(0), u"1"_s);
    QCOMPARE(redIn(list, pasteCell(row)), 0);
    QVERIFY(!w.form().Members[row].placed());
}

// A meeting's main road with the keyboard alone: open, mark, divide, enter scores moving with
// the arrow keys, save in place and print to PDF.
void WorkflowTest::mainRoadByKeys()
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
    press(w, {}, {}, Qt::Key_F10); // the menu bar: → 編集 → 一括出場設定, Enter on 全員を出場に設定
    press(w, {}, {}, Qt::Key_Right);
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

QTEST_MAIN(WorkflowTest)
#include "tst_workflows.moc"
