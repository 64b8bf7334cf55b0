// Paper as the screen: for every table in both forms, each text of the PDF — written by the
// window (PDFに保存, まとめて印刷 for the score-entry sheet) or by kmtx-export — read back with
// pdftotext -bbox stands in the same cell of the table, at the same place in it, as that text
// in the window's picture of the table.
#include "WindowFixture.h"

#include "gui/BatchDialogs.h"
#include "support/Poppler.h"
#include "support/RecordingCanvas.h"
#include "tables/SheetUnits.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
namespace sheet = tables::sheet;

namespace {

// A text (one word of it, as pdftotext splits words) and its box, in sheet units.
struct Word {
    QString text;
    QRectF box;
    bool matched = false;
};

// Rules in units; only the straight ones bound cells.
using Rules = QList<QLineF>;

// The cell of the grid around a point: the nearest rules on each side that pass it, or the
// page's edge.
QRectF cellAround(const Rules &rules, QPointF p, QSizeF page)
{
    QRectF cell(QPointF(0, 0), page);
    const auto spans = [](double v, double a, double b) {
        return std::min(a, b) <= v && v <= std::max(a, b);
    };
    for (const QLineF &r : rules) {
        if (r.x1() == r.x2() && spans(p.y(), r.y1(), r.y2()))
            r.x1() <= p.x() ? cell.setLeft(std::max(cell.left(), r.x1()))
                            : cell.setRight(std::min(cell.right(), r.x1()));
        if (r.y1() == r.y2() && spans(p.x(), r.x1(), r.x2()))
            r.y1() <= p.y() ? cell.setTop(std::max(cell.top(), r.y1()))
                            : cell.setBottom(std::min(cell.bottom(), r.y1()));
    }
    return cell;
}

// The picture's visible texts cut into words at blanks (half-width or full-width, as
// pdftotext cuts them), and its rules, in units.
void readPicture(const RetainedPicture &picture, sheet::Scale s, QList<Word> &words, Rules &rules)
{
    for (const PictureItem &item : picture.items()) {
        if (!item.alive) continue;
        if (item.kind == PictureItem::Kind::Line) {
            rules << QLineF(item.line.x1() / s.x, item.line.y1() / s.y, item.line.x2() / s.x,
                            item.line.y2() / s.y);
            continue;
        }
        if (item.kind != PictureItem::Kind::Text || item.colour == QColor(Qt::white)) continue;
        // The face is monospaced: a word starts after the cells of the characters before it.
        qsizetype start = 0;
        static const QRegularExpression blank(u"[ \u3000]"_s);
        for (const QString &part : item.text.split(blank)) {
            const QRect before = RetainedPicture::textCell(0, 0, item.text.left(start), item.fontHeight);
            const QRect cell = RetainedPicture::textCell(item.area.x() + before.width(), item.area.y(), part,
                                                         item.fontHeight);
            if (!part.isEmpty())
                words << Word{
                    part, QRectF(cell.x() / s.x, cell.y() / s.y, cell.width() / s.x, cell.height() / s.y)};
            start += part.size() + 1;
        }
    }
}

// The words of the first page of a PDF drawn at 1200 dots per inch, in units.
QList<Word> pdfWords(const QString &pdf)
{
    const QByteArray text =
        poppler::run(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, u"PDF"_s, u"-"_s}, pdf);
    static const QRegularExpression re(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    const auto unitsX = [](const QString &points) { return points.toDouble() / 72 / sheet::InchesPerUnitX; };
    const auto unitsY = [](const QString &points) { return points.toDouble() / 72 / sheet::InchesPerUnitY; };
    QList<Word> words;
    for (auto it = re.globalMatch(QString::fromUtf8(text)); it.hasNext();) {
        const auto m = it.next();
        words << Word{m.captured(5), QRectF(QPointF(unitsX(m.captured(1)), unitsY(m.captured(2))),
                                            QPointF(unitsX(m.captured(3)), unitsY(m.captured(4))))};
    }
    return words;
}

// A print job that records its page: the rules as paper has them.
class RecordedJob : public PrintJob
{
public:
    explicit RecordedJob(bool landscape) : m_page(landscape ? QSize(14032, 9920) : QSize(9920, 14032)) {}
    Canvas &page() override { return m_page; }
    int dpiX() const override { return 1200; }
    int dpiY() const override { return 1200; }
    bool nextPage() override { return false; }
    bool end(QString *) override { return true; }
    Rules rules() const
    {
        const sheet::Scale s = sheet::printerScale(1200, 1200);
        Rules found;
        for (const QLine &l : m_page.lines())
            found << QLineF(l.x1() / s.x, l.y1() / s.y, l.x2() / s.x, l.y2() / s.y);
        return found;
    }

private:
    RecordingCanvas m_page;
};

sheet::Scale screenScaleOf(const QString &picture)
{
    if (picture == u"Image29"_s) return sheet::LandscapeScreen;
    if (picture == u"Image4"_s) return sheet::PortraitScreen;
    if (picture == u"Image28"_s) return sheet::GridScreen;
    return sheet::ScoreSheetScreen;
}

} // namespace

class PaperAsScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void textsStandInTheirCellsAsOnScreen_data();
    void textsStandInTheirCellsAsOnScreen();
};

void PaperAsScreenTest::textsStandInTheirCellsAsOnScreen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("window"); // menu entries chosen and controls clicked, in order
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("exportOptions"); // empty: the window's own PDF
    // The table; its meeting file (sample-120: parties of five); what the window does; its
    // picture; its page; kmtx-export's table (none: it has no such option).
    const char *tables[][6] = {
        {"member table タテ形", "write-full-300", "N31 Label64 Label56", "Image4", "8", "member"},
        {"member table ヨコ形", "write-full-300", "N32 Label64 Label56", "Image29", "2",
         "member --form yoko"},
        {"result table タテ形", "write-full-300", "N31 Label64 Label60", "Image4", "9", "result"},
        {"result table ヨコ形", "write-full-300", "N32 Label64 Label60", "Image29", "3",
         "result --form yoko"},
        {"combination table ６人枠", "sample-120", "Label64 Label53 Label44", "Image28", "0", "combination"},
        {"combination table ８人枠", "write-full-300", "N29 Label64 Label53 Label44", "Image28", "0",
         "combination --frame 8"},
        {"score sheet ６人枠", "sample-120", "Label64 Label43 Label44", "Image23", "0", "score-sheet"},
        {"score sheet ８人枠", "write-full-300", "N29 Label64 Label43 Label44", "Image23", "0",
         "score-sheet --frame 8"},
        {"score sheet with －", "sample-120", "N47 Label64 Label43 Label44", "Image23", "0", ""},
        {"score-entry sheet ６人枠", "sample-120", "Label54 Label44", "Image28", "0", "score-entry"},
        {"score-entry sheet ８人枠", "write-full-300", "N29 Label54 Label44", "Image28", "0",
         "score-entry --frame 8"},
    };
    for (const auto &t : tables) {
        const QString file = QString::fromLatin1(t[1]) + u".txt"_s;
        const QStringList window = QString::fromLatin1(t[2]).split(u' ');
        const int page = QByteArray(t[4]).toInt();
        QTest::addRow("%s, PDF of the window", t[0])
            << file << window << QString::fromLatin1(t[3]) << page << QStringList();
        if (qstrlen(t[5]) == 0) continue;
        QStringList options =
            QString(u"--table "_s + QString::fromLatin1(t[5]) + u" --group A"_s).split(u' ');
        if (page) options << u"--page"_s << QString::number(page);
        QTest::addRow("%s, kmtx-export", t[0])
            << file << window << QString::fromLatin1(t[3]) << page << options;
    }
}

void PaperAsScreenTest::textsStandInTheirCellsAsOnScreen()
{
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    QFETCH(QString, file);
    QFETCH(QStringList, window);
    QFETCH(QString, picture);
    QFETCH(int, page);
    QFETCH(QStringList, exportOptions);
    const QString meeting = QFINDTESTDATA(u"../data/"_s + file);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"table.pdf"_s);

    StartedWindow w;
    QVERIFY(w.exposed());
    w.window->platform().answerFileDialog = [&meeting](QFileDialog &d) {
        d.selectFile(meeting);
        return true;
    };
    w.window->menuEntry(u"N3"_s)->trigger(); // ファイル › 開く
    for (const QString &name : window) {
        if (QAction *entry = w.window->menuEntry(name))
            entry->trigger();
        else
            w.click(name.toLatin1().constData());
        if (name == u"Label60"_s || name == u"Label56"_s) {
            // The page typed into the page field (a click empties it), then 設定.
            w.click("Edit19");
            QTest::keyClicks(w.widget("Edit19"), QString::number(page));
            w.click("Button7");
            QCOMPARE(w.form().PageNo, page);
        }
    }
    QVERIFY2(w.boxes.empty(), qPrintable(w.boxes.empty() ? QString() : w.boxes.front().text));

    // The screen: its texts and rules.
    const sheet::Scale screen = screenScaleOf(picture);
    const RetainedPicture *shown = w.window->platform().findPicture(picture);
    QVERIFY(shown);
    QList<Word> onScreen;
    Rules screenRules;
    readPicture(*shown, screen, onScreen, screenRules);
    const QSizeF screenPage(shown->size().width() / screen.x, shown->size().height() / screen.y);
    // Every rule lies inside the picture (the ヨコ形 tables' bottom rule once fell off it).
    for (const QLineF &r : screenRules)
        QVERIFY2(qRound(std::max(r.y1(), r.y2()) * screen.y) < shown->size().height(),
                 qPrintable(u"a rule at y = %1 pixels"_s.arg(qRound(std::max(r.y1(), r.y2()) * screen.y))));

    // The paper: its rules as the window prints them, its texts from the PDF.
    const bool landscape = picture != u"Image4"_s;
    RecordedJob job(landscape);
    w.form().printOn(job);
    const Rules paperRules = job.rules();
    if (!exportOptions.isEmpty()) {
        QProcess exporter;
        QStringList arguments{meeting, u"-o"_s, pdf, u"--group-names"_s};
        arguments
            << QStringList(w.form().GroupDisplayName.begin(), w.form().GroupDisplayName.end()).join(u',');
        exporter.start(QString::fromUtf8(KMTX_EXPORT_PROGRAM), arguments + exportOptions);
        QVERIFY(exporter.waitForFinished(120000));
        QVERIFY2(exporter.exitCode() == 0, exporter.readAllStandardError().constData());
    } else if (picture == u"Image28"_s && window.contains(u"Label54"_s)) {
        // The score-entry sheet is printed with まとめて印刷 (the first page: group A), from
        // a table screen.
        w.click("Label64");
        w.click("Label53");
        w.window->platform().answerDialog = [](QDialog &dialog) {
            auto *batch = qobject_cast<BatchPrintDialog *>(&dialog);
            QVERIFY(batch);
            batch->selectTable(BatchTable::ScoreEntrySheets, 0);
            batch->press(BatchOutput::Pdf);
        };
        w.window->platform().answerPdfDialog = [&pdf] { return std::optional<QString>(pdf); };
        w.window->menuEntry(u"PrintAll"_s)->trigger();
    } else {
        w.window->platform().answerPdfDialog = [&pdf] { return std::optional<QString>(pdf); };
        w.window->menuEntry(u"SavePdf"_s)->trigger();
    }
    QVERIFY(QFileInfo::exists(pdf));
    QList<Word> onPaper = pdfWords(pdf);
    QVERIFY2(onPaper.size() >= 40, qPrintable(QString::number(onPaper.size())));

    // Each text of the paper is a text of the screen, nearby; its distances to the rules of its
    // cell are the screen's within two pixels of the screen. A text outside the grid keeps its
    // distances to the edges of the picture.
    // The screen places a text moved from a position already truncated to whole pixels (a
    // row's top, the grid's top) and truncates again: up to two pixels short of its units.
    const double tolerance = 2.0;
    for (const Word &p : onPaper) {
        Word *twin = nullptr;
        for (Word &s : onScreen)
            if (!s.matched && s.text == p.text &&
                (!twin || QLineF(s.box.topLeft(), p.box.topLeft()).length() <
                              QLineF(twin->box.topLeft(), p.box.topLeft()).length()))
                twin = &s;
        const QString where = u"「%1」 at %2, %3 units"_s.arg(p.text).arg(p.box.x()).arg(p.box.y());
        // (The screen's rows are a little shorter than their units: the twin of a text low on
        // the page may stand up to a row's fifth higher.)
        QVERIFY2(twin && QLineF(twin->box.topLeft(), p.box.topLeft()).length() < 20,
                 qPrintable(u"not on the screen: "_s + where));
        twin->matched = true;
        const QRectF sc = cellAround(screenRules, twin->box.center(), screenPage);
        const QRectF pc = cellAround(paperRules, p.box.center(), screenPage);
        const double gaps[4][2] = {
            {(twin->box.left() - sc.left()) * screen.x, (p.box.left() - pc.left()) * screen.x},
            {(sc.right() - twin->box.right()) * screen.x, (pc.right() - p.box.right()) * screen.x},
            {(twin->box.top() - sc.top()) * screen.y, (p.box.top() - pc.top()) * screen.y},
            {(sc.bottom() - twin->box.bottom()) * screen.y, (pc.bottom() - p.box.bottom()) * screen.y},
        };
        static const char *sides[4] = {"left", "right", "top", "bottom"};
        for (int k = 0; k < 4; ++k)
            QVERIFY2(qAbs(gaps[k][0] - gaps[k][1]) <= tolerance,
                     qPrintable(where + u": to the %1 rule %2 screen pixels on the screen, %3 on paper"_s
                                            .arg(QString::fromLatin1(sides[k]))
                                            .arg(gaps[k][0], 0, 'f', 1)
                                            .arg(gaps[k][1], 0, 'f', 1)));
    }
    // And the paper leaves out no text of the table (the score-entry screen adds the scores).
    if (!window.contains(u"Label54"_s))
        for (const Word &s : onScreen)
            QVERIFY2(s.matched,
                     qPrintable(u"not on paper: 「%1」 at %2, %3 units"_s.arg(s.text).arg(s.box.x()).arg(
                         s.box.y())));
}

QTEST_MAIN(PaperAsScreenTest)
#include "tst_paperasscreen.moc"
