// What the pictures look like when the same things are drawn again: exactly as drawn
// once, never bolder; and the shown pictures paint what their items hold.
#include "WindowFixture.h"

#include "support/Poppler.h"
#include "support/Scenario.h"
#include "tables/FontSubstitutes.h"
#include "tables/PainterCanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace fonts = tables::fonts;

namespace {

QStringList rosterOf(int members)
{
    QStringList lines;
    for (int i = 0; i < members; ++i)
        lines << u"会員%1,緑会%2,%3,昭和,%4,5,1,0,%5,%6,%7,,"_s.arg(i + 1)
                     .arg(i % 3)
                     .arg(i % 2 ? u"女"_s : u"男"_s)
                     .arg(20 + i)
                     .arg(i % 4 ? u"on"_s : u"off"_s)
                     .arg(i % 5 == 1 ? u"on"_s : u"off"_s)
                     .arg(i % 3 == 2 ? u"on"_s : u"off"_s);
    return lines;
}

int ink(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffffu) != 0xffffffu) ++n;
    return n;
}

// A started form with ten members listed on the 組み合わせ screen and party 1 of group A
// holding members 1 to 6.
struct Drawn {
    Drawn()
    {
        s.loadRoster(rosterOf(10));
        s.form.KumiList[0] = QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
        s.form.DspKumi();
    }
    Scenario s;
};

using Step = std::function<void(TMainForm &)>;

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void drawingAgainLooksLikeDrawingOnce_data();
    void drawingAgainLooksLikeDrawingOnce();
    void paintingTwiceOnAnImageWouldThicken();
    void anAreaPaintsAsTheWholePicture();
    void rowsRedrawnLookLikeAFreshList_data();
    void rowsRedrawnLookLikeAFreshList();
    void linesPaintAsThePainterDrawsThem();
    void textsPaintAsThePainterDrawsThem_data();
    void textsPaintAsThePainterDrawsThem();
    void whiteTextClearsItsCell();
    void textsInAPdfAreThePaintersTexts_data();
    void textsInAPdfAreThePaintersTexts();
    void textAt600DpiIsInWholePixels();
    void theInstalledFamilyIsTheFaceQtWouldUse_data();
    void theInstalledFamilyIsTheFaceQtWouldUse();
    void combinationShowsGroupAAsItsTabDoes();
    void windowPaintsTheItems();
};

void PicturesTest::drawingAgainLooksLikeDrawingOnce_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<Step>("again");
    QTest::addColumn<bool>("noMoreItems"); // the same drawing again keeps no more items
    QTest::newRow("party panel") << u"Image11"_s << QRect(0, 0, 117, 133)
                                 << Step([](TMainForm &f) { f.DspKumi(); }) << true;
    QTest::newRow("party panel thrice") << u"Image11"_s << QRect(0, 0, 117, 133) << Step([](TMainForm &f) {
        f.DspKumi();
        f.DspKumi();
    }) << true;
    QTest::newRow("list row") << u"Image1"_s << QRect(0, 0, 488, 300)
                              << Step([](TMainForm &f) { f.drawListRow(3); }) << true;
    QTest::newRow("list rows over the list")
        << u"Image1"_s << QRect(0, 0, 488, 300) << Step([](TMainForm &f) {
               f.ListRowsDrawn = -1; // as after a drawing the list does not know
               f.DspItiran();
           })
        << true;
    // Blanking column 5 and drawing its marks again leaves the same look (the row rules
    // crossing it are drawn again as pieces, so the items differ).
    QTest::newRow("marks") << u"Image1"_s << QRect(0, 0, 488, 300)
                           << Step([](TMainForm &f) { f.HalMark(listmarks::Marks); }) << true;
    QTest::newRow("mark columns blanked") << u"Image1"_s << QRect(0, 0, 488, 300) << Step([](TMainForm &f) {
        f.ListRowsDrawn = -1;
        f.HalMark(listmarks::WithPasteMarks);
    }) << false;
    QTest::newRow("row numbers and rules")
        << u"Image1"_s << QRect(0, 0, 488, 8401) << Step([](TMainForm &f) { f.Hyou(); }) << true;
    QTest::newRow("heading") << u"Image2"_s << QRect(0, 0, 488, 28)
                             << Step([](TMainForm &f) { f.drawListHeader(); }) << true;
    QTest::newRow("heading by the ruling")
        << u"Image2"_s << QRect(0, 0, 488, 28) << Step([](TMainForm &f) { f.Hyou(); }) << true;
}

void PicturesTest::drawingAgainLooksLikeDrawingOnce()
{
    QFETCH(QString, picture);
    QFETCH(QRect, area);
    QFETCH(Step, again);
    QFETCH(bool, noMoreItems);
    Drawn once;
    Drawn twice;
    again(twice.s.form);
    const RecordingCanvas &one = once.s.platform.canvas(picture);
    const RecordingCanvas &two = twice.s.platform.canvas(picture);
    const QImage a = renderPicture(one, area);
    const QImage b = renderPicture(two, area);
    QVERIFY(ink(a) > 100); // something is drawn there
    QCOMPARE(b, a);
    if (noMoreItems)
        QVERIFY2(
            two.itemCount() <= one.itemCount(),
            qPrintable(u"%1 items drawn once, %2 drawn again"_s.arg(one.itemCount()).arg(two.itemCount())));
    // Drawn a third time, nothing more is kept.
    const int afterTwo = two.itemCount();
    again(twice.s.form);
    QVERIFY(twice.s.platform.canvas(picture).itemCount() <= afterTwo);
    QCOMPARE(renderPicture(twice.s.platform.canvas(picture), area), a);
}

void PicturesTest::paintingTwiceOnAnImageWouldThicken()
{
    // What the comparison above guards against: painting anti-aliased text twice on one
    // image darkens its edges.
    auto paint = [](int times) {
        QImage image(120, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, image.size());
        for (int k = 0; k < times; ++k) canvas.text(5, 5, u"会員１２"_s, 15, Qt::black);
        return image;
    };
    QVERIFY(paint(2) != paint(1));
    // The kept picture of the same drawing paints as once.
    RetainedPicture kept(QSize(120, 30));
    kept.text(5, 5, u"会員１２"_s, 15, Qt::black);
    kept.text(5, 5, u"会員１２"_s, 15, Qt::black);
    QCOMPARE(renderPicture(kept, QRect(0, 0, 120, 30)), paint(1));
}

void PicturesTest::anAreaPaintsAsTheWholePicture()
{
    Drawn d;
    const RecordingCanvas &list = d.s.platform.canvas("Image1");
    const QImage whole = renderPicture(list, QRect(0, 0, 488, 8401));
    for (const QRect area :
         {QRect(0, 0, 488, 300), QRect(0, 130, 488, 200), QRect(30, 8300, 200, 101), QRect(180, 50, 20, 20)})
        QCOMPARE(renderPicture(list, area), whole.copy(area));
}

void PicturesTest::rowsRedrawnLookLikeAFreshList_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("registration"); // on the メンバー登録 screen (else 組み合わせ)
    const QStringList ten = rosterOf(10);
    QStringList longName = ten;
    longName[2] = u"長谷川左衛門三郎太郎,とても長い名前のチーム会,男,昭和,20,5,1,0,on,a,on,,"_s;
    QStringList shorter = ten;
    shorter.removeLast();
    QStringList renamed = ten;
    renamed[4] = u"山田,緑会,女,昭和,30,5,1,0,on,off,off,,"_s;
    QStringList moved = ten;
    moved.move(1, 7);
    for (bool registration : {false, true}) {
        const char *screen = registration ? "メンバー登録" : "組み合わせ";
        QTest::addRow("%s: a long name comes", screen) << ten << longName << registration;
        QTest::addRow("%s: a long name goes", screen) << longName << ten << registration;
        QTest::addRow("%s: the last member goes", screen) << ten << shorter << registration;
        QTest::addRow("%s: a member comes", screen) << shorter << ten << registration;
        QTest::addRow("%s: a member changes", screen) << ten << renamed << registration;
        QTest::addRow("%s: a member moves", screen) << ten << moved << registration;
        QTest::addRow("%s: another group", screen) << ten << rosterOf(3) << registration;
    }
}

void PicturesTest::rowsRedrawnLookLikeAFreshList()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, registration);
    auto start = [&](Scenario &s, const QStringList &lines) {
        s.form.N37Click(); // birth dates and ages on メンバー登録
        if (registration) s.form.Label40Click();
        s.loadRoster(lines);
    };
    Scenario redrawn;
    start(redrawn, before);
    redrawn.form.MemberLines = after;
    redrawn.form.Bunkatu();
    Scenario fresh;
    start(fresh, after);
    const QRect rows(0, 0, 488, 12 * 28);
    const QImage shown = renderPicture(redrawn.platform.canvas("Image1"), rows);
    QVERIFY(ink(shown) > 1000);
    QCOMPARE(shown, renderPicture(fresh.platform.canvas("Image1"), rows));
}

void PicturesTest::linesPaintAsThePainterDrawsThem()
{
    const QList<QLine> lines{QLine(0, 0, 199, 0),     QLine(0, 28, 199, 28),  QLine(35, 0, 35, 149),
                             QLine(199, 140, 0, 140), QLine(60, 149, 60, 3),  QLine(7, 7, 7, 7),
                             QLine(10, 10, 100, 60),  QLine(150, 20, 120, 90)};
    for (int width : {1, 2, 3}) {
        QImage byCanvas(200, 150, QImage::Format_RGB32);
        QImage byPainter(200, 150, QImage::Format_RGB32);
        byCanvas.fill(Qt::white);
        byPainter.fill(Qt::white);
        {
            QPainter p(&byCanvas);
            PainterCanvas canvas(p, byCanvas.size());
            canvas.setPen(Qt::red, width);
            for (const QLine &l : lines) canvas.line(l.x1(), l.y1(), l.x2(), l.y2());
        }
        {
            QPainter p(&byPainter);
            p.setPen(QPen(Qt::red, width));
            for (const QLine &l : lines) p.drawLine(l);
        }
        QVERIFY(ink(byPainter) > 500);
        QCOMPARE(byCanvas, byPainter);
    }
}

void PicturesTest::textsPaintAsThePainterDrawsThem_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("text");
    QTest::newRow("list") << fonts::gothic() << 15 << u"会員１２ チーム3"_s;
    QTest::newRow("birth date") << fonts::gothic() << 12 << u"昭和 30 5 1"_s;
    QTest::newRow("panel") << fonts::gothic() << 13 << u"長谷川左衛門"_s;
    QTest::newRow("mark") << fonts::gothic() << 15 << u"⇒"_s;
    QTest::newRow("window face") << fonts::proportionalGothic() << 18 << u"Aグループ"_s;
}

void PicturesTest::textsPaintAsThePainterDrawsThem()
{
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(QString, text);
    QImage byCanvas(220, 40, QImage::Format_RGB32);
    QImage byPainter(220, 40, QImage::Format_RGB32);
    byCanvas.fill(Qt::white);
    byPainter.fill(Qt::white);
    for (int pass = 0; pass < 2; ++pass) { // the second time from the laid-out texts kept
        byCanvas.fill(Qt::white);
        QPainter p(&byCanvas);
        PainterCanvas canvas(p, byCanvas.size());
        canvas.setFontFace(face);
        canvas.text(4, 6, text, height, Qt::red);
    }
    {
        QPainter p(&byPainter);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        QFont font(face);
        font.setPixelSize(height);
        p.setFont(font);
        p.setPen(Qt::red);
        p.drawText(4, 6 + QFontMetrics(font).ascent(), text);
    }
    QVERIFY(ink(byPainter) > 30);
    QCOMPARE(byCanvas, byPainter);
}

void PicturesTest::whiteTextClearsItsCell()
{
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PainterCanvas canvas(p, image.size());
    canvas.text(10, 10, u"会員１２"_s, 15, Qt::black);
    canvas.text(150, 10, u"残"_s, 15, Qt::black);
    canvas.text(10, 10, u"国国国国"_s, 15, Qt::white);
    p.end();
    QCOMPARE(ink(image.copy(0, 0, 140, 40)), 0);
    QVERIFY(ink(image.copy(140, 0, 60, 40)) > 10);
}

namespace {
// The words of a one-page PDF drawn by the function, with their boxes, as pdftotext reads
// them: what a reader of the PDF finds where.
QString pdfWordsOf(const std::function<void(QPainter &)> &draw)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"page.pdf"_s);
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        QPainter painter(&writer);
        draw(painter);
    }
    QStringList words =
        QString::fromUtf8(poppler::run(u"pdftotext"_s, {u"-bbox"_s, u"PDF"_s, u"-"_s}, pdf)).split(u'\n');
    words.removeIf([](const QString &line) { return !line.contains(u"<word"_s); });
    return words.join(u'\n');
}
} // namespace

void PicturesTest::textsInAPdfAreThePaintersTexts_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("text");
    QTest::newRow("names") << fonts::gothic() << u"会員１２ チーム3 長谷川左衛門"_s;
    QTest::newRow("figures") << fonts::gothic() << u"昭和 30 5 1 / 123"_s;
    QTest::newRow("proportional") << fonts::proportionalGothic() << u"Aグループ Wij"_s;
    // A character the face lacks is drawn from another font, as the painter draws it.
    QTest::newRow("fallback") << fonts::gothic() << u"雪☺だるま"_s;
}

// In a PDF the canvas places a text glyph by glyph; a reader finds the same words at the
// same places as in the PDF the painter writes for the same text.
void PicturesTest::textsInAPdfAreThePaintersTexts()
{
    QFETCH(QString, face);
    QFETCH(QString, text);
    if (poppler::program(u"pdftotext"_s).isEmpty()) QSKIP(poppler::missing(u"pdftotext"_s).constData());
    const QList<int> heights{200, 150, 100}; // three sizes of one face
    const QString byCanvas = pdfWordsOf([&](QPainter &p) {
        PainterCanvas canvas(p, QSize(9000, 9000));
        canvas.setFontFace(face);
        for (int i = 0; i < heights.size(); ++i)
            canvas.text(300, 300 + 400 * i, text, heights.at(i), Qt::black);
    });
    const QString byPainter = pdfWordsOf([&](QPainter &p) {
        p.setPen(Qt::black);
        for (int i = 0; i < heights.size(); ++i) {
            QFont font(face);
            font.setPixelSize(heights.at(i));
            p.setFont(font);
            p.drawText(300, 300 + 400 * i + QFontMetrics(font, p.device()).ascent(), text);
        }
    });
    QVERIFY(byPainter.contains(u"<word"_s));
    QCOMPARE(byCanvas, byPainter);
    // A character no face of the system has is left blank by both, and the words part there:
    // under Wine the tests' platform reads the IPA faces only, which lack ☺.
    const QStringList families = QFontDatabase::families();
    for (const char32_t c : text.toUcs4())
        if (std::none_of(families.cbegin(), families.cend(),
                         [c](const QString &family) { return QFontMetrics(QFont(family)).inFontUcs4(c); }))
            QSKIP("no face here has a character of the text: the words part where it would stand");
    QCOMPARE(byPainter.count(u"<word"_s), 3 * (text.count(u' ') + 1));
}

// At 600 dpi a pixel is no bigger than a printer's dot: text is drawn in whole pixels.
// On the screen it keeps its grey edges.
void PicturesTest::textAt600DpiIsInWholePixels()
{
    const auto greys = [](int dpi) {
        QImage image(600, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        {
            QPainter p(&image);
            PainterCanvas canvas(p, image.size());
            canvas.text(10, 10, u"会員 Aグループ"_s, 100, Qt::black); // drawn as outlines
            canvas.text(10, 150, u"会員 Aグループ"_s, 20, Qt::black);
        }
        int grey = 0;
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y) & 0xffffffu;
                if (px == 0)
                    ++black;
                else if (px != 0xffffffu)
                    ++grey;
            }
        return std::pair{black, grey};
    };
    const auto [black600, grey600] = greys(600);
    QVERIFY(black600 > 1000);
    QCOMPARE(grey600, 0);
    const auto [black96, grey96] = greys(96);
    QVERIFY(grey96 > 100);
}

void PicturesTest::theInstalledFamilyIsTheFaceQtWouldUse_data()
{
    QTest::addColumn<QString>("face");
    QTest::newRow("tables") << fonts::gothic();
    QTest::newRow("window") << fonts::proportionalGothic();
    QTest::newRow("a face of no name known") << u"存在しない書体"_s;
}

// Asking for the installed family by its name draws exactly what asking for the face does.
void PicturesTest::theInstalledFamilyIsTheFaceQtWouldUse()
{
    QFETCH(QString, face);
    const auto drawn = [](const QString &family) {
        QImage image(300, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QFont font(family);
        font.setPixelSize(20);
        p.setFont(font);
        p.drawText(4, 30, u"会員 Aグループ 123"_s);
        return image;
    };
    const QImage asked = drawn(face);
    QVERIFY(ink(asked) > 100);
    QCOMPARE(drawn(fonts::installedFamily(face)), asked);
}

void PicturesTest::combinationShowsGroupAAsItsTabDoes()
{
    Scenario s;
    s.loadRoster(rosterOf(60));
    s.form.N9Click(); // everybody plays
    s.form.typeInto("Edit16", u"2"_s);
    s.form.typeInto("Edit6", u"5"_s);
    s.form.Button1Click(); // おまかせ 「開始」
    QCOMPARE(s.form.Combining, 1);
    QVERIFY(!s.form.GroupList[1].isEmpty()); // group B was divided too
    auto shown = [&] {
        QList<QImage> images{renderPicture(s.platform.canvas("Image1"), QRect(0, 0, 488, 8401))};
        for (int k = 11; k <= 22; ++k)
            images << renderPicture(s.platform.canvas(u"Image"_s + QString::number(k)),
                                    QRect(0, 0, 117, 133));
        return images;
    };
    const QList<QImage> afterStart = shown();
    QVERIFY(ink(afterStart.at(1)) > 100); // party 1 shows its names
    s.form.Label45Click();                // group B
    QVERIFY(shown() != afterStart);
    s.form.Label44Click(); // group A again: the same list and parties as after the start
    QCOMPARE(shown(), afterStart);
}

void PicturesTest::windowPaintsTheItems()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    TMainForm &form = w.form();
    form.MemberLines = form.SavedMemberLines = rosterOf(12);
    form.Bunkatu();
    form.KumiList[0] = QStringList{u"0"_s, u"1"_s, u"2"_s};
    form.DspKumi();
    w.window->refresh();
    for (const auto &[name, area] :
         {std::pair{u"Image1"_s, QRect(0, 0, 488, 400)}, std::pair{u"Image2"_s, QRect(0, 0, 488, 28)},
          std::pair{u"Image11"_s, QRect(0, 0, 117, 133)}}) {
        QWidget *view = w.window->widget(name);
        const RetainedPicture *picture = w.window->platform().findPicture(name);
        QVERIFY(view && picture);
        const QImage shown = view->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, renderPicture(*picture, area));
        QVERIFY2(ink(shown) > 100, qPrintable(name));
    }
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
