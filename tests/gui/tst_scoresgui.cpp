// Score entry in the window: three results typed with the keyboard alone, Delete in １打,
// a click on the table that places the cursor, the swap buttons, and the result table
// written as a PDF through Qt's PDF writer.
#include "WindowFixture.h"
#include "support/Poppler.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Group A: two parties of six.
void storeGroupA(StartedWindow &w)
{
    QStringList lines;
    for (int k = 1; k <= 12; ++k) lines << u"選手%1,緑会,男,昭和,10,10,10,0,on,off,off,,"_s.arg(k);
    TMainForm &f = w.form();
    f.MemberLines = lines;
    f.SavedMemberLines = lines;
    f.GroupList[0] = lines;
    f.KumiLines[0] = QStringList(12, u"1"_s);
    f.KumiLines[0][0] = u"7,0,1,2,3,4,5"_s;
    f.KumiLines[0][1] = u"7,6,7,8,9,10,11"_s;
    f.AutoMade = 1;
    f.Bunkatu();
    w.window->refresh();
}

QWidget *focused() { return QApplication::focusWidget(); }

// Group A stored, and 2 entries, 3 holes in one, 40 strokes typed for its first place.
void enterTheFirstPlace(StartedWindow &w)
{
    storeGroupA(w);
    w.click("Label54");
    w.click("Label44");
    QTRY_COMPARE(focused(), w.widget("Edit3"));
    for (const QString &figure : {u"2"_s, u"3"_s, u"40"_s}) {
        typeKeys(focused(), figure);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
}

} // namespace

class ScoresGuiTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void threeResultsWithTheKeyboardAlone();
    void deleteInTheFirstFieldClearsThePlace();
    void aClickOnTheTablePlacesTheCursor();
    void swapThroughTheButtons();
    void enterOnTheDiscardQuestionKeepsTheScores();
    void resultTableAsPdf();
};

void ScoresGuiTest::threeResultsWithTheKeyboardAlone()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    storeGroupA(w);
    w.click("Label54");
    w.click("Label44");
    QVERIFY(w.widget("Edit3")->isVisible());
    QTRY_COMPARE(focused(), w.widget("Edit3"));
    const QStringList results[3] = {
        {u"2"_s, u"3"_s, u"40"_s}, {u"1"_s, u"0"_s, u"38"_s}, {u"0"_s, u"4"_s, u"45"_s}};
    for (const QStringList &r : results)
        for (const QString &figure : r) {
            typeKeys(focused(), figure);
            QTest::keyClick(focused(), Qt::Key_Return);
        }
    TMainForm &f = w.form();
    QCOMPARE(f.ScoreSlots[0][0][0].Summary, u"2,3,40"_s);
    QCOMPARE(f.ScoreSlots[0][0][1].Summary, u"1,0,38"_s);
    QCOMPARE(f.ScoreSlots[0][0][2].Summary, u"0,4,45"_s);
    QCOMPARE(f.ScoreSlots[0][0][3].Entries, QString()); // untouched since start-up
    QCOMPARE(f.EntrySlot, 3);
    QCOMPARE(focused(), w.widget("Edit3"));
    QCOMPARE(w.widgetAs<QLineEdit>("Edit3")->text(), QString());
    QCOMPARE(w.widgetAs<QLabel>("Label55")->text(), u"0,4,45"_s);
    QVERIFY(w.boxes.empty());
}

void ScoresGuiTest::deleteInTheFirstFieldClearsThePlace()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    enterTheFirstPlace(w);
    TMainForm &f = w.form();
    f.EntrySlot = 0; // back on the first place, as a click would put it
    // In typed figures Delete deletes a character, and the place keeps its score.
    const ScoreSlot entered = f.ScoreSlots[0][0][0];
    QTest::keyClicks(w.widget("Edit3"), u"12"_s);
    QTest::keyClick(w.widget("Edit3"), Qt::Key_Home);
    QTest::keyClick(w.widget("Edit3"), Qt::Key_Delete);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit3")->text(), u"2"_s);
    QCOMPARE(f.ScoreSlots[0][0][0], entered);
    QTest::keyClick(w.widget("Edit3"), Qt::Key_Delete);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit3")->text(), QString());
    QCOMPARE(f.ScoreSlots[0][0][0], entered);
    // In an empty １打 it clears the place.
    QTest::keyClick(w.widget("Edit3"), Qt::Key_Delete);
    QCOMPARE(f.ScoreSlots[0][0][0], ScoreSlot::cleared());
    QCOMPARE(f.LastKeyCode, QString());
    QVERIFY(w.boxes.empty());
}

void ScoresGuiTest::aClickOnTheTablePlacesTheCursor()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    storeGroupA(w);
    w.click("Label54");
    w.click("Label44");
    TMainForm &f = w.form();
    const QPoint cell(f.GridLeft + f.GridColumnWidth * 4 + 20, f.GridTop + f.GridRowH + 10);
    QTest::mouseClick(w.widget("Image28"), Qt::LeftButton, Qt::NoModifier, cell);
    QCOMPARE(f.EntryRow, 1);
    QCOMPARE(f.EntrySlot, 4);
    QTRY_COMPARE(focused(), w.widget("Edit3"));
}

void ScoresGuiTest::swapThroughTheButtons()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    storeGroupA(w);
    w.click("Label64");
    w.click("Label53");
    w.click("Label44");
    w.window->menuEntry(u"N41"_s)->trigger();
    QVERIFY(w.widget("Button3")->isVisible());
    QVERIFY(w.widget("Button5")->isVisible());
    w.click("Button3");
    QVERIFY(w.widget("Label1")->isVisible());
    TMainForm &f = w.form();
    const auto cell = [&f](int row, int slot) {
        return QPoint(f.GridLeft + f.GridColumnWidth * slot + 20, f.GridTop + f.GridRowH * row + 10);
    };
    QTest::mouseClick(w.widget("Image28"), Qt::LeftButton, Qt::NoModifier, cell(0, 1));
    QTest::mouseClick(w.widget("Image28"), Qt::LeftButton, Qt::NoModifier, cell(1, 0));
    w.click("Button5");
    QCOMPARE(f.KumiLines[0].at(0), u"7,0,6,2,3,4,5"_s);
    QCOMPARE(f.KumiLines[0].at(1), u"7,1,7,8,9,10,11"_s);
    QVERIFY(!w.widget("Label1")->isVisible());
    w.window->menuEntry(u"N45"_s)->trigger();
    QVERIFY(!w.widget("Button3")->isVisible());
}

void ScoresGuiTest::resultTableAsPdf()
{
    QTemporaryDir dir;
    StartedWindow w;
    QVERIFY(w.exposed());
    TMainForm &f = w.form();
    f.TokutenClr(5);
    f.ScoreSlots[0][0][0] = ScoreSlot{u"2,3,40"_s, u"2"_s, u"3"_s, u"40"_s, u"1"_s};
    f.KumiSlotText[0][0][0] = u"山田,緑会"_s;
    w.click("Label64");
    w.click("Label60");
    QVERIFY(w.widget("CheckBox1")->isVisible());
    QVERIFY(w.widgetAs<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(f.RankList.size(), 1);
    // Unticking a ranking option ranks again at once.
    QTest::mouseClick(w.widget("CheckBox1"), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    QVERIFY(!f.control("CheckBox1").checked);
    QCOMPARE(f.RankList.first().left(7), u"1409996"_s);
    for (const char *form : {"N31", "N32"}) {
        w.window->menuEntry(QString::fromLatin1(form))->trigger();
        w.click("Label60");
        const QString path = dir.filePath(QString::fromLatin1(form) + u".pdf"_s);
        w.window->platform().answerPdfDialog = [path] { return std::optional<QString>(path); };
        w.window->menuEntry(u"SavePdf"_s)->trigger();
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4).startsWith("%PDF"));
        if (poppler::program(u"pdftotext"_s).isEmpty()) continue; // the PDF is not read back
        const QString text = QString::fromUtf8(poppler::run(u"pdftotext"_s, {u"PDF"_s, u"-"_s}, path));
        QVERIFY2(text.contains(u"成績表"_s) && text.contains(u"山田"_s), qPrintable(text.left(400)));
    }
    QVERIFY(w.boxes.empty());
}

void ScoresGuiTest::enterOnTheDiscardQuestionKeepsTheScores()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    enterTheFirstPlace(w);
    TMainForm &f = w.form();
    const ScoreSlotArray scores = f.ScoreSlots;
    w.window->platform().answerBox = nullptr; // the real box, answered with Enter alone
    QString asked;
    QTimer::singleShot(0, w.window.get(), [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        asked = box->windowTitle() + u'|' + box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTimer::singleShot(5000, w.window.get(), [] {
        if (QWidget *box = QApplication::activeModalWidget()) box->close();
    });
    w.click("Label40"); // tab 「メンバー登録」
    QCOMPARE(asked, u"メンバー登録|組み合わせと入力済みの得点（1名分）を消去します。よろしいですか"_s);
    QVERIFY(f.ScoreSlots == scores);
    QCOMPARE(f.Screen, screen::GridTable);
    QCOMPARE(f.TableMode, tablekind::ScoreEntry);
    QCOMPARE(f.control("Label54").colour, colours::Yellow);
    QVERIFY(w.widget("Edit3")->isVisible());
}

QTEST_MAIN(ScoresGuiTest)
#include "tst_scoresgui.moc"
