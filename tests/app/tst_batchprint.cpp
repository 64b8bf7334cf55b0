// まとめて印刷: every page of one table in one job, each page exactly as the single-page
// commands print it; parties without members and pages without entries left out; the
// refusals of 印刷; the screen as it was afterwards.
#include "TableSteps.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {

// Everything drawn on a page, one line per item, in drawing order.
QStringList itemsOf(const PrintedPage &page)
{
    QStringList items;
    for (const DrawnText &t : page.canvas->visibleTexts())
        items << u"T %1,%2 %3 %4 %5 %6"_s.arg(t.x)
                     .arg(t.y)
                     .arg(t.fontHeight)
                     .arg(t.colour.name(), t.face, t.text);
    for (const PenLine &l : page.canvas->penLines)
        items << u"L %1,%2-%3,%4 %5 %6"_s.arg(l.line.x1())
                     .arg(l.line.y1())
                     .arg(l.line.x2())
                     .arg(l.line.y2())
                     .arg(l.width)
                     .arg(l.colour.name());
    for (const QRect &r : page.canvas->fills)
        items << u"F %1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    return items;
}

void groupTab(Scenario &s, int g)
{
    switch (g) {
    case 1: s.form.Label44Click(); break;
    case 2: s.form.Label45Click(); break;
    case 3: s.form.Label46Click(); break;
    default: s.form.Label47Click(); break;
    }
}

BatchPrintChoice choice(BatchTable table, BatchOutput output, int group = 0)
{
    return BatchPrintChoice{table, group, output};
}

// The score sheet screen of a stored combination, group A chosen.
void onScoreSheets(Scenario &s, int groups, int parties, int size)
{
    storeCombination(s, groups, parties, size);
    s.form.Label64Click();
    s.form.Label43Click();
    s.form.Label44Click();
    s.platform.pdfAnswer = u"/tmp/meeting.pdf"_s;
}

// What the screen and the form show, to see that a batch leaves them as they were.
struct Screen {
    explicit Screen(Scenario &s)
        : sheet(textsOf(s.platform.canvas("Image23"))), list(textsOf(s.platform.canvas("Image1"))),
          memberLines(s.form.MemberLines), group(s.form.CurGroup), kumi(s.form.control("Edit13").text),
          start(s.form.control("Edit14").text), scaleX(s.form.ScaleX), tableKind(s.form.TableKind)
    {}
    bool operator==(const Screen &) const = default;
    QStringList sheet, list, memberLines;
    curgroup group;
    QString kumi, start;
    double scaleX;
    tablekind tableKind;
};

} // namespace

Q_DECLARE_METATYPE(BatchOutput)

class BatchPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void fortyEightScoreSheetsInOnePdfEqualTheSinglePrints();
    void scoreSheetsOfOneGroupLeaveOutEmptyParties();
    void combinationTablesOfEveryGroup();
    void memberTablePages_data();
    void memberTablePages();
    void everyOutput_data();
    void everyOutput();
    void theDialogOffersWhatIsStored();
    void everyScreenPrintsAndStaysAsItWas_data();
    void everyScreenPrintsAndStaysAsItWas();
    void whileCombiningTheNoticeComes();
    void cancelledDialogsPrintNothing();
    void nothingToPrint_data();
    void nothingToPrint();
    void pdfThatCannotBeWritten();
    void scoreEntrySheetsOfEveryGroup();
    void resultTablePages_data();
    void resultTablePages();
    void resultTableWithoutScoresOrWithADamagedRecord();
    void partiesOfSevenSwitchToTheEightFrameFirst_data();
    void partiesOfSevenSwitchToTheEightFrameFirst();
    void unreadableSheetNumbersPrintNothing();
};

void BatchPrintTest::fortyEightScoreSheetsInOnePdfEqualTheSinglePrints()
{
    Scenario s;
    onScoreSheets(s, 4, 12, 6);
    const Screen before(s);
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf));
    QElapsedTimer timer;
    timer.start();
    s.form.PrintAllClick();
    qInfo("48 score sheets drawn in %lld ms", static_cast<long long>(timer.elapsed()));
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.platform.pdfDialogs, 1);
    QCOMPARE(s.platform.printed.size(), size_t(48));
    for (const auto &page : s.platform.printed) {
        QCOMPARE(page->target, PrintedPage::Pdf);
        QCOMPARE(page->path, u"/tmp/meeting.pdf"_s);
        QCOMPARE(page->orientation, PageOrientation::Landscape);
        QCOMPARE(page->dpiX, 1200);
        QVERIFY(page->ended);
    }
    QVERIFY(Screen(s) == before);

    // Each page equals the page 「PDFに保存」 writes for that group's tab and 組.
    std::size_t batchPage = 0;
    for (int g = 1; g <= 4; ++g) {
        groupTab(s, g);
        for (int k = 1; k <= 12; ++k, ++batchPage) {
            s.form.typeInto("Edit13", QString::number(k));
            s.form.SavePdfClick();
            const QStringList single = itemsOf(s.platform.lastPage());
            QVERIFY(single.size() > 50);
            QCOMPARE(itemsOf(*s.platform.printed[batchPage]), single);
            const QStringList texts = textsOf(*s.platform.printed[batchPage]->canvas);
            QVERIFY2(texts.contains(storedName(g, k, 0, 6)), qPrintable(storedName(g, k, 0, 6)));
        }
    }
    QVERIFY(s.platform.boxes.empty());
}

void BatchPrintTest::scoreSheetsOfOneGroupLeaveOutEmptyParties()
{
    Scenario s;
    onScoreSheets(s, 2, 5, 4);
    // Party 3 of group B loses its members.
    s.form.KumiLines[1][2] = u"1"_s;
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf, 2));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(4));
    const int parties[] = {1, 2, 4, 5};
    for (int i = 0; i < 4; ++i) {
        const QStringList texts = textsOf(*s.platform.printed[i]->canvas);
        QVERIFY(texts.contains(storedName(2, parties[i], 0, 4)));
        QVERIFY(!texts.contains(storedName(1, parties[i], 0, 4)));
    }
    // Every group: 5 + 4 pages.
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf, 0));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(4 + 9));
}

void BatchPrintTest::combinationTablesOfEveryGroup()
{
    Scenario s;
    storeCombination(s, 3, 4, 5);
    s.form.KumiLines[1] = QStringList(12, u"1"_s); // group B without members
    s.form.Label64Click();
    s.form.Label53Click();
    s.form.Label44Click();
    s.platform.pdfAnswer = u"/tmp/grids.pdf"_s;
    s.platform.batchAnswers.push_back(choice(BatchTable::CombinationTables, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(2));
    const QStringList first = itemsOf(*s.platform.printed[0]);
    const QStringList second = itemsOf(*s.platform.printed[1]);
    // The single prints of groups A and C.
    s.form.SavePdfClick();
    QCOMPARE(first, itemsOf(s.platform.lastPage()));
    s.form.Label46Click();
    s.form.SavePdfClick();
    QCOMPARE(second, itemsOf(s.platform.lastPage()));
    QVERIFY(textsOf(*s.platform.lastPage().canvas).contains(storedName(3, 4, 4, 5)));
}

void BatchPrintTest::memberTablePages_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("members");
    QTest::addColumn<int>("pages");
    QTest::newRow("タテ形, 85 members") << true << 85 << 3;
    QTest::newRow("タテ形, 80 members") << true << 80 << 2;
    QTest::newRow("タテ形, 300 members") << true << 300 << 8;
    QTest::newRow("ヨコ形, 85 members") << false << 85 << 1;
    QTest::newRow("ヨコ形, 201 members") << false << 201 << 3;
}

void BatchPrintTest::memberTablePages()
{
    QFETCH(bool, portrait);
    QFETCH(int, members);
    QFETCH(int, pages);
    Scenario s;
    QStringList roster;
    for (int i = 1; i <= members; ++i) roster << member(u"会員"_s + QString::number(i), u"緑会"_s);
    s.loadRoster(roster);
    if (!portrait) s.form.N32Click();
    s.form.Label64Click();
    s.form.Label56Click();
    s.platform.pdfAnswer = u"/tmp/members.pdf"_s;
    const QString pageField = s.form.control("Edit19").text;
    const QStringList screen = textsOf(s.platform.canvas(portrait ? "Image4" : "Image29"));
    s.platform.batchAnswers.push_back(choice(BatchTable::MemberTable, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(pages));
    QCOMPARE(s.form.PageNo, 1);
    QCOMPARE(s.form.control("Edit19").text, pageField);
    QCOMPARE(textsOf(s.platform.canvas(portrait ? "Image4" : "Image29")), screen);
    std::vector<QStringList> batch;
    for (const auto &page : s.platform.printed) {
        QCOMPARE(page->orientation, portrait ? PageOrientation::Portrait : PageOrientation::Landscape);
        batch.push_back(itemsOf(*page));
    }
    for (int p = 1; p <= pages; ++p) {
        s.form.typeInto("Edit19", QString::number(p));
        s.form.Button7Click();
        s.form.SavePdfClick();
        QCOMPARE(batch[p - 1], itemsOf(s.platform.lastPage()));
    }
    // The last page holds the last member.
    QVERIFY(textsOf(*s.platform.printed[pages - 1]->canvas).contains(u"会員"_s + QString::number(members)));
}

void BatchPrintTest::everyOutput_data()
{
    QTest::addColumn<BatchOutput>("output");
    QTest::addColumn<int>("target");
    QTest::newRow("印刷") << BatchOutput::Print << int(PrintedPage::Printer);
    QTest::newRow("印刷プレビュー") << BatchOutput::Preview << int(PrintedPage::Preview);
    QTest::newRow("PDFに保存") << BatchOutput::Pdf << int(PrintedPage::Pdf);
}

void BatchPrintTest::everyOutput()
{
    QFETCH(BatchOutput, output);
    QFETCH(int, target);
    Scenario s;
    onScoreSheets(s, 1, 3, 5);
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, output));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(3));
    for (const auto &page : s.platform.printed) {
        QCOMPARE(int(page->target), target);
        QVERIFY(page->ended);
    }
    QCOMPARE(s.platform.printDialogs, output == BatchOutput::Print ? 1 : 0);
    QCOMPARE(s.platform.pdfDialogs, output == BatchOutput::Pdf ? 1 : 0);
    QCOMPARE(s.platform.previewsOfPages, output == BatchOutput::Preview ? 1 : 0);
    // The printer's scale: its resolution times the sheet units.
    const int dpi = s.platform.printed.front()->dpiX;
    QCOMPARE(s.form.PrinterDpiX, dpi);
    QVERIFY(textsOf(*s.platform.printed[2]->canvas).contains(storedName(1, 3, 4, 5)));
}

void BatchPrintTest::theDialogOffersWhatIsStored()
{
    Scenario s;
    onScoreSheets(s, 3, 2, 3);
    s.form.KumiLines[1] = QStringList(12, u"1"_s);
    s.form.PrintAllClick(); // cancelled
    QCOMPARE(s.platform.batchOffers.size(), size_t(1));
    const BatchPrintOffer &offer = s.platform.batchOffers.front();
    QCOMPARE(offer.groupHasParties, (std::array<bool, 4>{true, false, true, false}));
    QVERIFY(offer.hasMembers);
    QCOMPARE(offer.groupNames[0], u"A"_s);
}

void BatchPrintTest::everyScreenPrintsAndStaysAsItWas_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("table"); // (メンバー登録 has discarded the combination)
    QTest::newRow("メンバー登録") << 1 << int(BatchTable::MemberTable);
    QTest::newRow("組み合わせ") << 2 << int(BatchTable::ScoreSheets);
    QTest::newRow("作表と印刷") << 6 << int(BatchTable::ScoreSheets);
}

void BatchPrintTest::everyScreenPrintsAndStaysAsItWas()
{
    QFETCH(int, screen);
    Scenario s;
    storeCombination(s, 1, 2, 5);
    s.platform.answer(IdYes); // the registration screen asks before discarding the combination
    if (screen == 1) s.form.Label40Click();
    if (screen == 2) s.form.Label42Click();
    if (screen == 6) s.form.Label64Click();
    QCOMPARE(s.form.Screen, static_cast<::screen>(screen));
    s.platform.takeBoxes();
    const Screen before(s);
    s.platform.pdfAnswer = u"/tmp/sheets.pdf"_s;
    QFETCH(int, table);
    s.platform.batchAnswers.push_back(choice(static_cast<BatchTable>(table), BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(screen == 1 ? 1 : 2));
    QVERIFY(s.platform.boxes.empty());
    QVERIFY(Screen(s) == before && s.form.Screen == static_cast<::screen>(screen));
}

void BatchPrintTest::whileCombiningTheNoticeComes()
{
    // As with 印刷: the notice, then the table screen prints; elsewhere only the notice.
    Scenario s;
    onScoreSheets(s, 1, 2, 5);
    s.form.Combining = 1;
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"完了を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(s.platform.printed.size(), size_t(2));

    Scenario t;
    t.form.Combining = 1;
    t.platform.batchAnswers.push_back(choice(BatchTable::MemberTable, BatchOutput::Pdf));
    t.form.PrintAllClick();
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QVERIFY(t.platform.batchOffers.empty());
    QVERIFY(t.platform.printed.empty());
}

void BatchPrintTest::cancelledDialogsPrintNothing()
{
    Scenario s;
    onScoreSheets(s, 2, 3, 4);
    const Screen before(s);
    s.form.PrintAllClick(); // the dialog cancelled
    s.platform.confirmPrint = false;
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Print));
    s.form.PrintAllClick(); // the print dialog cancelled
    s.platform.pdfAnswer.reset();
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf));
    s.form.PrintAllClick(); // the file dialog cancelled
    QCOMPARE(s.platform.batchOffers.size(), size_t(3));
    QCOMPARE(s.platform.printDialogs, 1);
    QCOMPARE(s.platform.pdfDialogs, 1);
    QVERIFY(s.platform.printed.empty());
    QVERIFY(s.platform.boxes.empty());
    QVERIFY(Screen(s) == before);
}

void BatchPrintTest::nothingToPrint_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("text");
    QTest::newRow("score sheets") << int(BatchTable::ScoreSheets)
                                  << u"印刷する組がありません。先に組み合わせを作って下さい"_s;
    QTest::newRow("combination tables")
        << int(BatchTable::CombinationTables) << u"印刷する組がありません。先に組み合わせを作って下さい"_s;
    QTest::newRow("score-entry sheets")
        << int(BatchTable::ScoreEntrySheets) << u"印刷する組がありません。先に組み合わせを作って下さい"_s;
    QTest::newRow("member table") << int(BatchTable::MemberTable) << u"メンバーが登録されていません"_s;
    QTest::newRow("result table") << int(BatchTable::ResultTable) << u"成績表に載せる得点がありません"_s;
}

void BatchPrintTest::nothingToPrint()
{
    QFETCH(int, table);
    QFETCH(QString, text);
    Scenario s;
    s.form.Label64Click();
    s.form.Label56Click();
    s.platform.pdfAnswer = u"/tmp/none.pdf"_s;
    s.platform.batchAnswers.push_back(choice(static_cast<BatchTable>(table), BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), text, u"まとめて印刷"_s, MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(s.platform.pdfDialogs, 0);
    QVERIFY(s.platform.printed.empty());
}

void BatchPrintTest::pdfThatCannotBeWritten()
{
    Scenario s;
    onScoreSheets(s, 1, 2, 5);
    s.platform.pdfRefusal = u"ファイル「/tmp/meeting.pdf」を作成できません。"_s;
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(),
                 u"PDFファイルを保存できませんでした。ファイル「/tmp/meeting.pdf」を作成できません。"_s,
                 u"PDFに保存"_s, MsgIcon::Error, MsgButtons::Ok);
    QVERIFY(s.platform.printed.empty());
}

void BatchPrintTest::unreadableSheetNumbersPrintNothing()
{
    Scenario s;
    storeCombination(s, 1, 2, 5);
    s.form.Label64Click();
    s.form.Label56Click(); // a member table on the screen: 印刷 would not look at ホール数
    s.form.typeInto("Edit9", u"十"_s);
    s.platform.pdfAnswer = u"/tmp/x.pdf"_s;
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreSheets, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"ホール数には整数を入力して下さい"_s, u"警告"_s, MsgIcon::Warning,
                 MsgButtons::Ok);
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.platform.pdfDialogs, 0);
}

void BatchPrintTest::scoreEntrySheetsOfEveryGroup()
{
    Scenario s;
    onScoreSheets(s, 3, 4, 5);
    s.form.KumiLines[2] = QStringList(12, u"1"_s); // group C without members
    s.platform.batchAnswers.push_back(choice(BatchTable::ScoreEntrySheets, BatchOutput::Pdf));
    const Screen before(s);
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(2));
    for (int g = 1; g <= 2; ++g) {
        const PrintedPage &page = *s.platform.printed[g - 1];
        QCOMPARE(page.orientation, PageOrientation::Landscape);
        const QStringList texts = textsOf(*page.canvas);
        QVERIFY(std::any_of(texts.begin(), texts.end(),
                            [](const QString &t) { return t.contains(u"得点入力表"_s); }));
        QVERIFY(texts.contains(storedName(g, 4, 4, 5)));
        QVERIFY(!texts.contains(storedName(3 - g, 1, 0, 5)));
    }
    // Not the combination table of the same group.
    s.platform.batchAnswers.push_back(choice(BatchTable::CombinationTables, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), size_t(4));
    QVERIFY(itemsOf(*s.platform.printed[0]) != itemsOf(*s.platform.printed[2]));
    QVERIFY(Screen(s) == before);
}

namespace {
// `players` players in parties of eight, group after group, every one with one entry:
// totals from 20 up.
void scoreEveryone(Scenario &s, int players)
{
    for (int i = 0; i < players; ++i) {
        const int g = i / 96;
        const int party = i % 96 / 8;
        const int slot = i % 8;
        s.form.ScoreSlots[g][party][slot] =
            ScoreSlot{u"0,0,%1"_s.arg(20 + i), u"0"_s, u"0"_s, QString::number(20 + i), u"1"_s};
        s.form.KumiSlotText[g][party][slot] = u"走者%1,緑会"_s.arg(i + 1);
    }
}
} // namespace

void BatchPrintTest::resultTablePages_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("pages");
    QTest::newRow("タテ形, 85") << true << 85 << 3;
    QTest::newRow("タテ形, 40") << true << 40 << 1;
    QTest::newRow("ヨコ形, 96") << false << 96 << 1;
    QTest::newRow("タテ形, 384: the tenth page") << true << 384 << 10;
    QTest::newRow("ヨコ形, 384: the fourth page") << false << 384 << 4;
}

void BatchPrintTest::resultTablePages()
{
    QFETCH(bool, portrait);
    QFETCH(int, players);
    QFETCH(int, pages);
    Scenario s;
    scoreEveryone(s, players);
    if (!portrait) s.form.N32Click();
    s.form.Label64Click();
    s.form.Label60Click();
    s.platform.pdfAnswer = u"/tmp/results.pdf"_s;
    const QStringList ranking = s.form.RankList;
    QCOMPARE(ranking.size(), players);
    s.platform.batchAnswers.push_back(choice(BatchTable::ResultTable, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.platform.printed.size(), size_t(pages));
    QCOMPARE(s.platform.batchOffers.back().hasScores, true);
    QCOMPARE(s.form.RankList, ranking);
    std::vector<QStringList> batch;
    for (const auto &page : s.platform.printed) {
        QCOMPARE(page->orientation, portrait ? PageOrientation::Portrait : PageOrientation::Landscape);
        batch.push_back(itemsOf(*page));
    }
    for (int p = 1; p <= pages; ++p) {
        s.form.typeInto("Edit19", QString::number(p));
        s.form.Button7Click();
        s.form.SavePdfClick();
        QCOMPARE(batch[p - 1], itemsOf(s.platform.lastPage()));
    }
    // The last place is on the last page.
    QVERIFY(textsOf(*s.platform.printed[pages - 1]->canvas).contains(u"走者%1"_s.arg(players)));
}

void BatchPrintTest::resultTableWithoutScoresOrWithADamagedRecord()
{
    Scenario s;
    storeCombination(s, 1, 2, 5);
    s.form.Label64Click();
    s.form.Label56Click();
    s.platform.pdfAnswer = u"/tmp/results.pdf"_s;
    s.platform.batchAnswers.push_back(choice(BatchTable::ResultTable, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.batchOffers.back().hasScores, false);
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"成績表に載せる得点がありません"_s, u"まとめて印刷"_s,
                 MsgIcon::Information, MsgButtons::Ok);

    // A record that cannot be ranked: the ranking's own box, nothing printed.
    scoreEveryone(s, 3);
    s.form.ScoreSlots[0][0][1].Total = u"x"_s;
    s.platform.takeBoxes();
    s.platform.batchAnswers.push_back(choice(BatchTable::ResultTable, BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.boxes.front().caption, u"成績表"_s);
    QCOMPARE(s.platform.boxes.front().icon, MsgIcon::Error);
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.platform.pdfDialogs, 0);
}

void BatchPrintTest::partiesOfSevenSwitchToTheEightFrameFirst_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("pages");
    QTest::newRow("score sheets") << int(BatchTable::ScoreSheets) << 2;
    QTest::newRow("combination tables") << int(BatchTable::CombinationTables) << 1;
    QTest::newRow("score-entry sheets") << int(BatchTable::ScoreEntrySheets) << 1;
}

void BatchPrintTest::partiesOfSevenSwitchToTheEightFrameFirst()
{
    QFETCH(int, table);
    QFETCH(int, pages);
    Scenario s;
    onScoreSheets(s, 1, 2, 7); // the sheet on the screen switched to ８人枠 already
    s.form.N20Click();         // ６人枠 chosen again
    s.platform.takeBoxes();
    s.platform.batchAnswers.push_back(choice(static_cast<BatchTable>(table), BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(),
                 u"８人枠に切り替えします。「OK」を押してグループを再度押して下さい"_s,
                 u"組の人数が６名を超過しています"_s, MsgIcon::Warning, MsgButtons::Ok);
    QVERIFY(s.form.ticked("N29"));
    QVERIFY(s.platform.printed.empty());
    QCOMPARE(s.platform.pdfDialogs, 0);

    // Printed again, every page holds its seven names.
    s.platform.batchAnswers.push_back(choice(static_cast<BatchTable>(table), BatchOutput::Pdf));
    s.form.PrintAllClick();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.printed.size(), size_t(pages));
    const QStringList texts = textsOf(*s.platform.printed.back()->canvas);
    QVERIFY(texts.contains(storedName(1, 2, 6, 7)));
}

QTEST_APPLESS_MAIN(BatchPrintTest)
#include "tst_batchprint.moc"
