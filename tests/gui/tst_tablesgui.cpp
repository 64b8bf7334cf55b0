// The table screens in the window: the pictures, the page field's arrows, the scroll box
// of the タテ形 tables, and printing, preview and PDF through Qt's printer and PDF writer.
#include "WindowFixture.h"
#include "support/Poppler.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
void loadRoster(StartedWindow &w, int n)
{
    QStringList lines;
    for (int k = 1; k <= n; ++k) lines << u"会員%1,緑会,男,昭和,10,10,10,0,on,off,off,,"_s.arg(k);
    w.form().MemberLines = lines;
    w.form().SavedMemberLines = lines;
    w.form().Bunkatu();
    w.window->refresh();
}

// The score sheet's title, read back from the PDF, stands where the sheet units put it:
// x = 452 units of 0.00925 inch, y = 107 units of 0.0097 inch, in points.
void checkTitlePosition(const QString &pdf)
{
    if (poppler::program(u"pdftotext"_s).isEmpty()) return; // the title is not read back
    const QString out = QString::fromUtf8(poppler::run(u"pdftotext"_s, {u"-bbox"_s, u"PDF"_s, u"-"_s}, pdf));
    static const QRegularExpression word(
        uR"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>なかよし会親睦大会</word>)re"_s);
    bool found = false;
    for (auto it = word.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        const double x = m.captured(1).toDouble();
        const double y = m.captured(2).toDouble();
        if (qAbs(x - 452 * 0.00925 * 72) < 0.5 && qAbs(y - 107 * 0.0097 * 72) < 0.5) found = true;
    }
    QVERIFY2(found, qPrintable(out.left(2000)));
}

QByteArray fileHead(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}
} // namespace

class TablesGuiTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void portraitMemberTableInItsScrollBox();
    void pageArrowsStepThePageField();
    void savePdfThroughTheMenu();
    void printAndPreviewOnQtsPrinter();
    void pdfOfEachLayout();
    void printingFitsThePaper_data();
    void printingFitsThePaper();
    void commandBoxHidesWhenClickedOutsideItsCommands();
};

void TablesGuiTest::portraitMemberTableInItsScrollBox()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    loadRoster(w, 120);
    w.click("Label64");
    w.click("Label56");
    auto *box = w.widgetAs<QScrollArea>("ScrollBox2");
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->geometry(), QRect(50, 50, 897, 600));
    QWidget *picture = w.widget("Image4");
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->size(), QSize(874, 1220));
    const QPointF at(100, 100);
    QWheelEvent down(at, box->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box->viewport(), &down);
    QCOMPARE(box->verticalScrollBar()->value(), 19);
    // Drawing the table again brings the box back to its top.
    w.click("Label56");
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    // A click on the picture gives the scroll box the focus.
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(box->hasFocus());
}

void TablesGuiTest::pageArrowsStepThePageField()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    loadRoster(w, 10);
    w.click("Label64");
    w.click("Label56");
    const QList<QToolButton *> arrows = w.widget("UpDown1")->findChildren<QToolButton *>();
    QCOMPARE(arrows.size(), 2);
    QVERIFY(w.widget("UpDown1")->isEnabled());
    QTest::mouseClick(arrows.at(0), Qt::LeftButton);
    QTest::mouseClick(arrows.at(0), Qt::LeftButton);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit19")->text(), u"3"_s);
    QTest::mouseClick(arrows.at(1), Qt::LeftButton);
    QCOMPARE(w.widgetAs<QLineEdit>("Edit19")->text(), u"2"_s);
    w.click("Button7");
    QCOMPARE(w.form().PageNo, 2);
}

void TablesGuiTest::savePdfThroughTheMenu()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"メンバー表.pdf"_s);
    StartedWindow w;
    QVERIFY(w.exposed());
    loadRoster(w, 50);
    w.window->platform().answerPdfDialog = [&path] { return std::optional<QString>(path); };
    w.click("Label64");
    w.click("Label56");
    QAction *save = w.window->menuEntry(u"SavePdf"_s);
    QVERIFY(save && save->isEnabled());
    save->trigger();
    const QByteArray pdf = fileHead(path);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/MediaBox [0 0 595")); // A4 portrait
    QVERIFY(w.boxes.empty());
    QCOMPARE(w.form().ScaleX, 1.0);

    // The score sheet is a landscape page.
    w.click("Label43");
    const QString sheet = dir.filePath(u"sheet.pdf"_s);
    w.window->platform().answerPdfDialog = [&sheet] { return std::optional<QString>(sheet); };
    save->trigger();
    QVERIFY(fileHead(sheet).contains("/MediaBox [0 0 842"));

    // A folder that does not exist: the reason, and nothing else changes.
    w.window->platform().answerPdfDialog = [&dir] {
        return std::optional<QString>(dir.filePath(u"no/such.pdf"_s));
    };
    save->trigger();
    QCOMPARE(w.boxes.size(), size_t(1));
    QCOMPARE(w.boxes.back().caption, u"PDFに保存"_s);
}

void TablesGuiTest::printAndPreviewOnQtsPrinter()
{
    QTemporaryDir dir;
    StartedWindow w;
    QVERIFY(w.exposed());
    loadRoster(w, 30);
    const QString printed = dir.filePath(u"printed.pdf"_s);
    int dpi = 0;
    w.window->platform().answerPrintDialog = [&printed, &dpi](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        dpi = printer.logicalDpiX();
        return true;
    };
    w.click("Label64");
    w.click("Label53");
    w.window->menuEntry(u"N21"_s)->trigger();
    QVERIFY(fileHead(printed).startsWith("%PDF"));
    QCOMPARE(w.form().PrinterDpiX, dpi);
    QCOMPARE(w.form().ScaleX, 0.82);

    const QString previewed = dir.filePath(u"preview.pdf"_s);
    w.window->platform().answerPreview = [&previewed](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewed);
    };
    w.window->menuEntry(u"PrintPreview"_s)->trigger();
    QVERIFY(fileHead(previewed).startsWith("%PDF"));
    QVERIFY(w.boxes.empty());
}

void TablesGuiTest::pdfOfEachLayout()
{
    QTemporaryDir dir;
    StartedWindow w;
    QVERIFY(w.exposed());
    // Group A: two parties of six from a roster of twelve, teams of up to 20 bytes.
    QStringList lines;
    for (int k = 1; k <= 12; ++k)
        lines << u"選手%1,%2,男,昭和,10,10,10,0,on,off,off,,"_s.arg(k).arg(k % 2 ? u"あいうえおかきくけこ"_s
                                                                                 : u"緑会"_s);
    w.form().MemberLines = lines;
    w.form().SavedMemberLines = lines;
    w.form().GroupList[0] = lines;
    w.form().KumiLines[0] = QStringList(12, u"1"_s);
    w.form().KumiLines[0][0] = u"7,0,1,2,3,4,5"_s;
    w.form().KumiLines[0][1] = u"7,6,7,8,9,10,11"_s;
    w.form().AutoMade = 1;
    w.form().Bunkatu();
    w.window->refresh();
    QAction *save = w.window->menuEntry(u"SavePdf"_s);
    const auto saveAs = [&](const QString &name) {
        const QString path = dir.filePath(name);
        w.window->platform().answerPdfDialog = [path] { return std::optional<QString>(path); };
        save->trigger();
        return fileHead(path);
    };
    w.click("Label64");
    w.click("Label43");
    w.click("Label44");
    QVERIFY(saveAs(u"score-sheet.pdf"_s).startsWith("%PDF"));
    checkTitlePosition(dir.filePath(u"score-sheet.pdf"_s));
    w.click("Label53");
    w.click("Label44");
    QVERIFY(saveAs(u"combination.pdf"_s).startsWith("%PDF"));
    w.click("Label56");
    QVERIFY(saveAs(u"members-portrait.pdf"_s).startsWith("%PDF"));
    w.window->menuEntry(u"N32"_s)->trigger();
    w.click("Label56");
    QVERIFY(saveAs(u"members-landscape.pdf"_s).startsWith("%PDF"));
    QVERIFY(w.boxes.empty());
}

void TablesGuiTest::printingFitsThePaper_data()
{
    QTest::addColumn<int>("paper"); // chosen in the print dialog
    QTest::addColumn<bool>("hasA4");
    QTest::newRow("Letter printer") << int(QPageSize::Letter) << false;
    QTest::newRow("B5 printer") << int(QPageSize::B5) << false;
    QTest::newRow("B5 chosen where A4 is") << int(QPageSize::B5) << true;
}

void TablesGuiTest::printingFitsThePaper()
{
    QFETCH(int, paper);
    QFETCH(bool, hasA4);
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    QTemporaryDir dir;
    StartedWindow w;
    QVERIFY(w.exposed());
    loadRoster(w, 30);
    w.click("Label64");
    w.click("Label56"); // the member table, portrait
    QString offered;    // the printer's file, paper and job as the dialog opens
    const auto print = [&](const QString &file, int size, bool a4) {
        w.window->platform().printerHasA4 = [a4](const QPrinter &) { return a4; };
        w.window->platform().answerPrintDialog = [&offered, file, size](QPrinter &printer) {
            offered = printer.outputFileName() + u' ' + printer.pageLayout().pageSize().key() + u' ' +
                      printer.docName();
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::PageSizeId(size)));
            return true;
        };
        w.window->menuEntry(u"N21"_s)->trigger();
        return QString::fromUtf8(poppler::run(u"pdftotext"_s, {u"-bbox"_s, u"PDF"_s, u"-"_s}, file));
    };
    const QString onA4 = print(dir.filePath(u"a4.pdf"_s), QPageSize::A4, true);
    const QString onPaper = print(dir.filePath(u"paper.pdf"_s), paper, hasA4);
    // The printer chosen is kept, set to A4 again; the job is named after the table.
    QCOMPARE(offered, dir.filePath(u"a4.pdf"_s) + u" A4 なかよし会親睦大会 メンバー表"_s);
    const QPageSize used(hasA4 ? QPageSize::A4 : QPageSize::PageSizeId(paper));
    const QSizeF page = used.size(QPageSize::Point), a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const double scale = std::min({1.0, page.width() / a4.width(), page.height() / a4.height()});
    QCOMPARE(w.boxes.size(), size_t(hasA4 ? 0 : 1));
    if (!hasA4) {
        QCOMPARE(w.boxes.back().text, u"用紙がA4ではないため、縮小して印刷します（%1）"_s.arg(
                                          used.name().section(u" / "_s, 0, 0)));
        QVERIFY(w.boxes.back().caption == u"印刷"_s && w.boxes.back().icon == MsgIcon::Information);
    }
    // Every word of the A4 page is on the paper, placed as on A4 shrunk (from the first word:
    // the printer's margins stay).
    static const QRegularExpression word(uR"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"_s);
    auto it = word.globalMatch(onPaper), onA4Words = word.globalMatch(onA4);
    QPointF first, firstOnA4;
    QString last;
    while (onA4Words.hasNext()) {
        QVERIFY(it.hasNext());
        const auto m = it.next(), a = onA4Words.next();
        const QPointF at(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF atOnA4(a.captured(1).toDouble(), a.captured(2).toDouble());
        if (last.isEmpty()) std::tie(first, firstOnA4) = std::pair(at, atOnA4);
        const QPointF off = (at - first) - (atOnA4 - firstOnA4) * scale;
        QVERIFY2(m.captured(3) == a.captured(3) && at.x() <= page.width() && at.y() <= page.height() &&
                     qAbs(off.x()) < 1 && qAbs(off.y()) < 1,
                 qPrintable(m.captured(3)));
        last = m.captured(3);
    }
    QVERIFY(!it.hasNext() && onA4.contains(u">会員30<"_s));
}

void TablesGuiTest::commandBoxHidesWhenClickedOutsideItsCommands()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.click("Label64");
    QWidget *box = w.widget("GroupBox1");
    QVERIFY(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, box->height() - 4));
    QVERIFY(!box->isVisible());
    w.click("Label64");
    QVERIFY(box->isVisible());
    w.click("Label53"); // a command inside the box leaves it in place
    QVERIFY(box->isVisible());
    QVERIFY(w.widget("Image28")->isVisible());
}

QTEST_MAIN(TablesGuiTest)
#include "tst_tablesgui.moc"
