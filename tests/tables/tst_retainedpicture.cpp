// The erase rules of a kept picture: what a white fill, white text and a redraw leave.
#include "tables/RetainedPicture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace fonts = tables::fonts;

namespace {
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

int count(const RetainedPicture &p, PictureItem::Kind kind)
{
    int n = 0;
    for (const PictureItem &item : p.items())
        if (item.alive && item.kind == kind) ++n;
    return n;
}

QStringList texts(const RetainedPicture &p)
{
    QStringList t;
    for (const PictureItem &item : p.items())
        if (item.alive && item.kind == PictureItem::Kind::Text) t << item.text;
    return t;
}
} // namespace

class RetainedPictureTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textCell_data();
    void textCell();
    void whiteFill_data();
    void whiteFill();
    void whiteTextErasesItsCell();
    void redrawReplacesItsTwin_data();
    void redrawReplacesItsTwin();
    void opaqueFillHidesWhatItCovers();
    void repeatedDrawingStaysBounded();
    void coversOfNothingAreDropped();
    void changedAreaAndRevision();
    void replayKeepsOrderAndArea();
};

void RetainedPictureTest::textCell_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::addColumn<QRect>("cell");
    QTest::newRow("digits") << u"300"_s << 15 << QRect(7, 9, 23, 15); // 3 half widths of 7.5
    QTest::newRow("kanji") << u"出場"_s << 15 << QRect(7, 9, 30, 15);
    QTest::newRow("mixed") << u"A リーダ"_s << 14 << QRect(7, 9, 56, 14);
    QTest::newRow("half-width kana") << u"ｱｲ"_s << 12 << QRect(7, 9, 12, 12);
    QTest::newRow("surrogate pair") << u"𠮷"_s << 16 << QRect(7, 9, 16, 16);
    QTest::newRow("empty") << QString() << 13 << QRect(7, 9, 0, 13);
}

void RetainedPictureTest::textCell()
{
    QFETCH(QString, text);
    QFETCH(int, height);
    QFETCH(QRect, cell);
    QCOMPARE(RetainedPicture::textCell(7, 9, text, height), cell);
}

void RetainedPictureTest::whiteFill_data()
{
    QTest::addColumn<QRect>("fill");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("covers");
    // "山田" at (10, 10) has the cell (10, 10, 30, 15); "緑会" at (100, 10) the cell (100, 10, 30, 15).
    QTest::newRow("covers the first wholly") << QRect(5, 5, 40, 30) << QStringList{u"緑会"_s} << 0;
    QTest::newRow("exactly its cell") << QRect(10, 10, 30, 15) << QStringList{u"緑会"_s} << 0;
    QTest::newRow("covers both") << QRect(0, 0, 200, 40) << QStringList() << 0;
    QTest::newRow("part of the first") << QRect(20, 5, 10, 30) << QStringList{u"山田"_s, u"緑会"_s} << 1;
    QTest::newRow("one pixel short") << QRect(10, 10, 29, 15) << QStringList{u"山田"_s, u"緑会"_s} << 1;
    QTest::newRow("beside both") << QRect(50, 0, 40, 40) << QStringList{u"山田"_s, u"緑会"_s} << 0;
}

void RetainedPictureTest::whiteFill()
{
    QFETCH(QRect, fill);
    QFETCH(QStringList, left);
    QFETCH(int, covers);
    RetainedPicture p(QSize(300, 100));
    p.text(10, 10, u"山田"_s, 15, kBlack);
    p.text(100, 10, u"緑会"_s, 15, kBlack);
    p.fillRect(fill, kWhite);
    QCOMPARE(texts(p), left);
    QCOMPARE(count(p, PictureItem::Kind::Fill), covers);
    QCOMPARE(p.itemCount(), static_cast<int>(left.size()) + covers);
}

void RetainedPictureTest::whiteTextErasesItsCell()
{
    RetainedPicture p(QSize(300, 100));
    p.text(10, 10, u"出場"_s, 15, kBlack);
    p.text(60, 10, u"ab"_s, 15, kBlack);
    p.text(10, 10, u"出場"_s, 15, kWhite); // the same text in white
    QCOMPARE(texts(p), QStringList{u"ab"_s});
    QCOMPARE(p.itemCount(), 1);
    // A blanking run wider than the text removes it; a shorter one leaves it under a cover.
    p.text(60, 10, u"国国"_s, 15, kWhite);
    QCOMPARE(p.itemCount(), 0);
    p.text(10, 10, u"リーダー"_s, 15, kBlack);
    p.text(10, 10, u"国"_s, 15, kWhite);
    QCOMPARE(texts(p), QStringList{u"リーダー"_s});
    QCOMPARE(count(p, PictureItem::Kind::Fill), 1);
    const PictureItem &cover = p.items().back();
    QCOMPARE(cover.area, QRect(10, 10, 15, 15));
    QCOMPARE(cover.colour, kWhite);
}

void RetainedPictureTest::redrawReplacesItsTwin_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("expected");
    QTest::newRow("the same") << kBlack << 15 << fonts::gothic() << 1;
    QTest::newRow("other colour") << kRed << 15 << fonts::gothic() << 2;
    QTest::newRow("other height") << kBlack << 13 << fonts::gothic() << 2;
    QTest::newRow("other face") << kBlack << 15 << fonts::proportionalGothic() << 2;
}

void RetainedPictureTest::redrawReplacesItsTwin()
{
    QFETCH(QColor, colour);
    QFETCH(int, height);
    QFETCH(QString, face);
    QFETCH(int, expected);
    RetainedPicture p(QSize(300, 100));
    p.setFontFace(fonts::gothic());
    p.text(10, 10, u"山田"_s, 15, kBlack);
    p.setFontFace(face);
    p.text(10, 10, u"山田"_s, height, colour);
    QCOMPARE(p.itemCount(), expected);
    // The redrawn text is the topmost.
    QCOMPARE(p.items().back().colour, colour);

    RetainedPicture lines(QSize(300, 100));
    lines.setPen(kBlack, 1);
    lines.line(0, 28, 487, 28);
    lines.line(0, 28, 487, 28);
    lines.setPen(kBlack, 2);
    lines.line(0, 28, 487, 28); // a wider pen is a different line
    lines.line(0, 28, 480, 28);
    QCOMPARE(lines.itemCount(), 3);
    // A one-pixel rule drawn over pieces of earlier rules along it hides them.
    lines.setPen(kRed, 1);
    lines.line(0, 60, 100, 60);
    lines.line(150, 60, 200, 60);
    lines.line(90, 60, 160, 60); // overlaps both: neither is hidden
    QCOMPARE(lines.itemCount(), 6);
    lines.setPen(kBlack, 1);
    lines.line(0, 60, 487, 60);
    QCOMPARE(lines.itemCount(), 4);
    QCOMPARE(lines.items().back().colour, kBlack);
}

void RetainedPictureTest::opaqueFillHidesWhatItCovers()
{
    RetainedPicture p(QSize(300, 100));
    p.setPen(kBlack, 1);
    p.line(20, 20, 60, 20);
    p.text(20, 22, u"山"_s, 15, kBlack);
    p.fillRect(QRect(0, 0, 100, 50), kYellow);
    QCOMPARE(p.itemCount(), 1);
    QCOMPARE(p.items().back().colour, kYellow);
    // A yellow fill drawn again replaces the first; white over it leaves nothing at all.
    p.fillRect(QRect(0, 0, 100, 50), kYellow);
    QCOMPARE(p.itemCount(), 1);
    p.fillRect(QRect(0, 0, 100, 50), kWhite);
    QCOMPARE(p.itemCount(), 0);
}

void RetainedPictureTest::repeatedDrawingStaysBounded()
{
    RetainedPicture p(QSize(488, 8401));
    auto drawList = [&] {
        p.setPen(kBlack, 1);
        for (int r = 0; r < 300; ++r) p.line(0, r * 28, 487, r * 28);
        for (int c : {36, 189, 315}) p.fillRect(QRect(c, 1, 120, 8399), kWhite);
        for (int r = 1; r < 300; ++r) p.line(35, r * 28, 487, r * 28);
        for (int r = 0; r < 300; ++r) {
            p.text(7, r * 28 + 7, QString::number(r + 1), 15, kBlack);
            p.text(39, r * 28 + 7, u"チーム"_s, 15, kBlack);
            p.text(192, r * 28 + 7, u"会員"_s + QString::number(r), 15, kBlack);
        }
    };
    drawList();
    const int once = p.itemCount();
    for (int k = 0; k < 200; ++k) drawList();
    QCOMPARE(p.itemCount(), once);
    QVERIFY(p.items().size() <= static_cast<size_t>(2 * once + 64)); // removed items do not pile up
}

void RetainedPictureTest::coversOfNothingAreDropped()
{
    RetainedPicture p(QSize(300, 400));
    p.setPen(kBlack, 1);
    p.line(0, 10, 299, 10);
    p.fillRect(QRect(50, 0, 100, 20), kWhite); // covers part of the rule: kept
    QCOMPARE(count(p, PictureItem::Kind::Fill), 1);
    p.line(0, 10, 299, 10); // the rule drawn again replaces the one under the cover
    // Enough drawing and erasing elsewhere to tidy up: the cover over nothing goes.
    for (int k = 0; k < 100; ++k) {
        p.text(10, 100, u"名前"_s, 15, kBlack);
        p.text(10, 100, u"名前"_s, 15, kWhite);
    }
    p.text(10, 200, u"残る"_s, 15, kBlack);
    QCOMPARE(count(p, PictureItem::Kind::Fill), 0);
    QCOMPARE(p.itemCount(), 2);
}

void RetainedPictureTest::changedAreaAndRevision()
{
    RetainedPicture p(QSize(300, 100));
    const quint64 start = p.revision();
    p.fillRect(QRect(0, 0, 300, 100), kWhite); // white over nothing: no item, nothing changed
    QCOMPARE(p.itemCount(), 0);
    QCOMPARE(p.revision(), start);
    QCOMPARE(p.takeChangedArea(), QRect());
    p.setPen(kBlack, 1);
    p.line(10, 50, 90, 50);
    QVERIFY(p.revision() > start);
    QCOMPARE(p.takeChangedArea(), QRect(10, 50, 81, 1));
    QCOMPARE(p.takeChangedArea(), QRect());
    p.text(100, 10, u"ab"_s, 10, kBlack);
    const QRect changed = p.takeChangedArea();
    QVERIFY(changed.contains(QRect(100, 10, 10, 10)));
    const quint64 before = p.revision();
    p.clear();
    QVERIFY(p.revision() > before);
    QVERIFY(p.takeChangedArea().contains(QRect(10, 50, 81, 1)));
    QCOMPARE(p.itemCount(), 0);
}

namespace {
// Records what a replay draws, in order.
class Log : public Canvas
{
public:
    void setPen(QColor c, int w) override { calls << u"pen %1 %2"_s.arg(c.name()).arg(w); }
    void line(int x1, int y1, int x2, int y2) override
    {
        calls << u"line %1 %2 %3 %4"_s.arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void fillRect(QRect r, QColor c) override
    {
        calls << u"fill %1 %2 %3 %4 %5"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).arg(c.name());
    }
    void setFontFace(const QString &f) override { calls << u"face "_s + f; }
    void text(int x, int y, const QString &s, int h, QColor c) override
    {
        calls << u"text %1 %2 %3 %4 %5"_s.arg(x).arg(y).arg(s).arg(h).arg(c.name());
    }
    QSize size() const override { return QSize(300, 100); }
    QStringList calls;
};
} // namespace

void RetainedPictureTest::replayKeepsOrderAndArea()
{
    RetainedPicture p(QSize(300, 100));
    p.setPen(kBlack, 2);
    p.line(0, 5, 299, 5);
    p.text(10, 10, u"山田"_s, 15, kRed);
    p.fillRect(QRect(20, 12, 5, 5), kWhite); // part of the name: stays as a cover
    p.text(200, 60, u"x"_s, 15, kBlack);
    Log all;
    p.replay(all, QRect(0, 0, 300, 100));
    QCOMPARE(all.calls, QStringList({u"pen #000000 2"_s, u"line 0 5 299 5"_s, u"face ＭＳ ゴシック"_s,
                                     u"text 10 10 山田 15 #ff0000"_s, u"fill 20 12 5 5 #ffffff"_s,
                                     u"text 200 60 x 15 #000000"_s}));
    Log corner;
    p.replay(corner, QRect(190, 50, 50, 50));
    QCOMPARE(corner.calls, QStringList({u"face ＭＳ ゴシック"_s, u"text 200 60 x 15 #000000"_s}));

    // A straight rule is replayed only near the area, in its own direction.
    RetainedPicture list(QSize(488, 8401));
    list.setPen(kBlack, 1);
    list.line(10, 0, 10, 8400);
    list.line(487, 8400, 0, 8400);
    list.line(0, 0, 30, 30); // not straight: whole
    Log part;
    list.replay(part, QRect(0, 100, 50, 50));
    QCOMPARE(part.calls, QStringList({u"pen #000000 1"_s, u"line 10 97 10 152"_s}));
    Log bottom;
    list.replay(bottom, QRect(0, 8390, 20, 11));
    QCOMPARE(bottom.calls,
             QStringList({u"pen #000000 1"_s, u"line 10 8387 10 8400"_s, u"line 22 8400 0 8400"_s}));
    Log top;
    list.replay(top, QRect(0, 0, 5, 5));
    QCOMPARE(top.calls, QStringList({u"pen #000000 1"_s, u"line 0 0 30 30"_s}));
}

QTEST_APPLESS_MAIN(RetainedPictureTest)
#include "tst_retainedpicture.moc"
