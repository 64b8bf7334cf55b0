// 印刷, 印刷プレビュー and PDFに保存: the screens that print nothing, the notice while
// combining, the printer's scale, one page per command, the screen left as it is.
#include "TableSteps.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {
enum Command { Print, Preview, Pdf };

void run(Scenario &s, Command c)
{
    switch (c) {
    case Print: s.form.N21Click(); break;
    case Preview: s.form.PrintPreviewClick(); break;
    case Pdf: s.form.SavePdfClick(); break;
    }
}

// The score sheet of party 1 of group A on the screen.
void onScoreSheet(Scenario &s)
{
    storeCombination(s, 1, 2, 5);
    s.form.Label64Click();
    s.form.Label43Click();
    s.form.Label44Click();
    s.platform.pdfAnswer = u"/tmp/sheet.pdf"_s;
}
} // namespace

Q_DECLARE_METATYPE(Command)

class TablesPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void screensThatPrintNothing_data();
    void screensThatPrintNothing();
    void printingWhileCombiningOnlyAddsANotice_data();
    void printingWhileCombiningOnlyAddsANotice();
    void printedScoreSheetAtThePrintersScale();
    void aCancelledPrintDialogLeavesTheScreen();
    void orientationFollowsTheLayout_data();
    void orientationFollowsTheLayout();
    void previewDrawsThroughTheSameRoutine();
    void pdfOfTheCombinationTable();
    void pdfDialogCancelledChangesNothing();
    void pdfThatCannotBeWritten();
    void unreadableSheetNumbersPrintNothing();
    void unrankableResultTablePrintsNothing();
};

void TablesPrintTest::screensThatPrintNothing_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<Command>("command");
    for (const auto &[name, command] :
         {std::pair{"印刷", Print}, std::pair{"プレビュー", Preview}, std::pair{"PDF", Pdf}}) {
        QTest::addRow("メンバー登録, %s", name) << 1 << command;
        QTest::addRow("組み合わせ, %s", name) << 2 << command;
        QTest::addRow("作表と印刷, %s", name) << 6 << command;
        QTest::addRow("得点入力, %s", name) << 5 << command;
    }
}

void TablesPrintTest::screensThatPrintNothing()
{
    QFETCH(int, screen);
    QFETCH(Command, command);
    Scenario s;
    storeCombination(s, 1, 2, 5);
    s.platform.pdfAnswer = u"/tmp/x.pdf"_s;
    if (screen == 1) {
        s.platform.answer(IdYes); // asked before the combination goes
        s.form.Label40Click();
        s.platform.takeBoxes();
    } else if (screen == 6)
        s.form.Label64Click();
    else if (screen == 5) {
        // The score-entry screen of group A.
        s.form.Label54Click();
        s.form.Label44Click();
        QCOMPARE(s.form.TableMode, tablekind::ScoreEntry);
    }
    QCOMPARE(s.form.Screen, static_cast<::screen>(screen));
    const double scaleX = s.form.ScaleX;
    run(s, command);
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.platform.printDialogs, 0);
    QCOMPARE(s.platform.pdfDialogs, 0);
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.form.ScaleX, scaleX);
}

void TablesPrintTest::printingWhileCombiningOnlyAddsANotice_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("印刷") << Print;
    QTest::newRow("プレビュー") << Preview;
    QTest::newRow("PDF") << Pdf;
}

void TablesPrintTest::printingWhileCombiningOnlyAddsANotice()
{
    QFETCH(Command, command);
    Scenario s;
    onScoreSheet(s);
    s.form.Combining = 1;
    run(s, command);
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"完了を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(s.platform.printed.size(), size_t(1));

    // On the 組み合わせ screen the notice comes and nothing is printed.
    Scenario t;
    t.form.Combining = 1;
    run(t, command);
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QVERIFY(t.platform.printed.empty());
}

void TablesPrintTest::printedScoreSheetAtThePrintersScale()
{
    Scenario s;
    onScoreSheet(s);
    const QStringList screen = textsOf(s.platform.canvas("Image23"));
    s.form.N21Click();
    QCOMPARE(s.platform.printDialogs, 1);
    QCOMPARE(s.platform.printed.size(), size_t(1));
    const PrintedPage &page = s.platform.lastPage();
    QCOMPARE(page.target, PrintedPage::Printer);
    QCOMPARE(page.orientation, PageOrientation::Landscape);
    QVERIFY(page.ended);
    QCOMPARE(s.form.PrinterDpiX, 600);
    QCOMPARE(s.form.PrinterDpiY, 600);
    // 5.55 pixels a unit across, 5.82 down: the 2-unit pen is 11 pixels wide.
    QCOMPARE(page.canvas->penLines.front().width, 11);
    const PageCanvas &paper = *page.canvas;
    QCOMPARE(paper.textAt(2508, static_cast<int>(std::trunc(523 + 17 * 5.82))),
             u"なかよし会親睦大会 スコア表"_s);
    // The paper shows what the screen shows.
    QStringList printed;
    for (const DrawnText &t : paper.visibleTexts()) printed << t.text;
    QCOMPARE(printed, screen);
    // The screen's scale and drawing are back.
    QCOMPARE(s.form.ScaleX, 0.82);
    QCOMPARE(s.form.ScaleY, 0.85);
    QCOMPARE(s.form.TableKind, tablekind::ScoreSheet);
    QCOMPARE(textsOf(s.platform.canvas("Image23")), screen);
    QVERIFY(s.platform.boxes.empty());
}

void TablesPrintTest::aCancelledPrintDialogLeavesTheScreen()
{
    Scenario s;
    onScoreSheet(s);
    s.platform.confirmPrint = false;
    const int fills = s.platform.canvas("Image23").fillCount();
    const QStringList shown = textsOf(s.platform.canvas("Image23"));
    s.form.N21Click();
    QCOMPARE(s.platform.printDialogs, 1);
    QVERIFY(s.platform.printed.empty());
    // Printing draws on paper only: the screen's picture is neither cleared nor drawn again.
    QCOMPARE(s.platform.canvas("Image23").fillCount(), fills);
    QCOMPARE(textsOf(s.platform.canvas("Image23")), shown);
    QCOMPARE(s.form.ScaleX, 0.82);
    QVERIFY(s.platform.boxes.empty());
}

void TablesPrintTest::orientationFollowsTheLayout_data()
{
    QTest::addColumn<tablekind>("table");
    QTest::addColumn<bool>("landscapeForm");
    QTest::addColumn<PageOrientation>("orientation");
    QTest::newRow("combination table") << tablekind::CombinationTable << false << PageOrientation::Landscape;
    QTest::newRow("member table, ヨコ形") << tablekind::MemberLandscape << true << PageOrientation::Landscape;
    QTest::newRow("member table, タテ形") << tablekind::MemberPortrait << false << PageOrientation::Portrait;
}

void TablesPrintTest::orientationFollowsTheLayout()
{
    QFETCH(tablekind, table);
    QFETCH(bool, landscapeForm);
    QFETCH(PageOrientation, orientation);
    Scenario s;
    storeCombination(s, 1, 2, 5);
    s.platform.printerDpiX = 300;
    s.platform.printerDpiY = 300;
    s.form.Label64Click();
    if (landscapeForm) s.form.N32Click();
    if (table == tablekind::CombinationTable)
        s.form.Label53Click();
    else
        s.form.Label56Click();
    s.form.N21Click();
    QCOMPARE(s.platform.printed.size(), size_t(1));
    QCOMPARE(s.platform.lastPage().orientation, orientation);
    QCOMPARE(s.form.TableKind, table);
    if (table == tablekind::MemberPortrait) {
        // Portrait page: member 1 at (393, 107) units → trunc(393 × 2.775), trunc(107 × 2.91).
        QCOMPARE(s.platform.lastPage().canvas->textAt(1090, 311), u"1-1"_s);
        QCOMPARE(s.form.ScaleX, 1.0);
    }
}

void TablesPrintTest::previewDrawsThroughTheSameRoutine()
{
    Scenario s;
    onScoreSheet(s);
    s.form.PrintPreviewClick();
    QCOMPARE(s.platform.printDialogs, 0);
    QCOMPARE(s.platform.printed.size(), size_t(1));
    const PrintedPage &page = s.platform.lastPage();
    QCOMPARE(page.target, PrintedPage::Preview);
    QCOMPARE(page.dpiX, 1200);
    QCOMPARE(page.canvas->penLines.front().width, 22); // trunc(2 × 11.1)
    QVERIFY(!page.canvas->textsIn(QRect(0, 0, 20000, 20000)).empty());
    QCOMPARE(s.form.ScaleX, 0.82);
}

void TablesPrintTest::pdfOfTheCombinationTable()
{
    Scenario s;
    storeCombination(s, 1, 2, 5);
    s.form.Label64Click();
    s.form.Label53Click();
    s.form.Label44Click();
    s.platform.pdfAnswer = u"/tmp/組み合わせ.pdf"_s;
    s.form.SavePdfClick();
    QCOMPARE(s.platform.pdfDialogs, 1);
    QCOMPARE(s.platform.printed.size(), size_t(1));
    const PrintedPage &page = s.platform.lastPage();
    QCOMPARE(page.target, PrintedPage::Pdf);
    QCOMPARE(page.path, u"/tmp/組み合わせ.pdf"_s);
    QCOMPARE(page.dpiX, 1200);
    QVERIFY(page.ended);
    // Party 1, slot 1 at 1200 dpi: E = trunc(52 × 11.1) = 577, x = trunc(577 + 80 × 11.1) = 1465;
    // H = trunc(trunc(24 × 11.64) + 50 × 11.64) = 861, w = 616, y = trunc(861 + 616 + 28 × 11.64) = 1802.
    QCOMPARE(page.canvas->textAt(1465, 1802), u"1-1"_s);
    QCOMPARE(s.form.ScaleX, 0.82);
    QCOMPARE(s.form.ScaleY, 0.79);
    QVERIFY(s.platform.boxes.empty());
}

void TablesPrintTest::pdfDialogCancelledChangesNothing()
{
    Scenario s;
    onScoreSheet(s);
    s.platform.pdfAnswer.reset();
    s.form.SavePdfClick();
    QCOMPARE(s.platform.pdfDialogs, 1);
    QVERIFY(s.platform.printed.empty());
    QVERIFY(s.platform.boxes.empty());
}

void TablesPrintTest::pdfThatCannotBeWritten()
{
    Scenario s;
    onScoreSheet(s);
    s.platform.pdfRefusal = u"書き込みが許可されていません。"_s;
    s.form.SavePdfClick();
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(),
                 u"PDFファイルを保存できませんでした。書き込みが許可されていません。"_s, u"PDFに保存"_s,
                 MsgIcon::Error, MsgButtons::Ok);
    QCOMPARE(s.form.ScaleX, 0.82);
}

void TablesPrintTest::unreadableSheetNumbersPrintNothing()
{
    Scenario s;
    onScoreSheet(s);
    s.form.typeInto("Edit9", u"十"_s);
    s.form.N21Click();
    QCOMPARE(s.platform.printDialogs, 0);
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.boxes.back().text, u"ホール数には整数を入力して下さい"_s);
}

// A record that cannot be ranked is named once and no empty page goes to the printer.
void TablesPrintTest::unrankableResultTablePrintsNothing()
{
    Scenario s;
    storeCombination(s, 1, 2, 5);
    ScoreSlot &damaged = s.form.ScoreSlots[0][0][0];
    damaged.Entries = u"1"_s;
    damaged.Total = u"x"_s;
    s.form.Label64Click();
    s.form.Label60Click();
    s.platform.takeBoxes();
    s.form.N21Click();
    QCOMPARE(s.platform.printDialogs, 0);
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.boxes.back().text,
             u"Aグループ 1組 1番の得点が数字ではありません。得点を入力し直して下さい"_s);
}

QTEST_APPLESS_MAIN(TablesPrintTest)
#include "tst_tablesprint.moc"
