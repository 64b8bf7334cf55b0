// A page written as PNG reads back pixel for pixel, one bit a pixel exactly when it is black
// and white, with its resolution; the zlib stream of any bytes inflates back to them.
#include "tables/Deflate.h"
#include "tables/PngPage.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// A page of the width: white, ruled every 40 pixels, a block of "text" in black and white
// (or in shades of grey) and a few lone pixels at its edges.
QImage page(int width, int height, bool grey)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(255);
    QRandomGenerator random(width * 7919 + height);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < width; x += 40) row[x] = 0;
        if (y % 40 == 3) std::memset(row, 0, size_t(width));
        for (int x = width / 4; x < width / 2 && y > height / 3 && y < height / 2; ++x)
            row[x] = grey ? uchar(random.bounded(256)) : uchar(random.bounded(2) * 255);
    }
    image.scanLine(height - 1)[width - 1] = 0;
    image.scanLine(0)[width - 1] = grey ? 128 : 0;
    return image;
}

} // namespace

class PngPageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageReadsBackAsDrawn_data();
    void pageReadsBackAsDrawn();
    void otherImagesAndRefusingDevicesFail();
    void streamInflatesToTheBytes_data();
    void streamInflatesToTheBytes();
};

void PngPageTest::pageReadsBackAsDrawn_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("depth");
    for (int width : {1, 7, 8, 9, 33, 500}) {
        QTest::addRow("black and white, %d wide", width) << page(width, 120, false) << 1;
        QTest::addRow("grey, %d wide", width) << page(width, 120, true) << 8;
    }
    QImage white(9000, 3, QImage::Format_Grayscale8); // rows longer than deflate's window
    white.fill(255);
    QTest::addRow("white, wider than the window") << white << 1;
}

void PngPageTest::pageReadsBackAsDrawn()
{
    QFETCH(QImage, image);
    QFETCH(int, depth);
    image.setDotsPerMeterX(23622); // 600 dpi
    image.setDotsPerMeterY(23622);
    QCOMPARE(tables::png::blackAndWhite(image), depth == 1);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(tables::png::write(image, buffer));
    const QByteArray bytes = buffer.data();
    QCOMPARE(int(uchar(bytes.at(24))), depth); // IHDR: bits a pixel
    QCOMPARE(int(bytes.at(25)), 0);            // grey
    QImage read;
    QVERIFY(read.loadFromData(bytes, "PNG"));
    QCOMPARE(read.dotsPerMeterX(), 23622);
    QCOMPARE(read.convertToFormat(QImage::Format_Grayscale8), image);
}

void PngPageTest::otherImagesAndRefusingDevicesFail()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!tables::png::write(QImage(8, 8, QImage::Format_RGB32), buffer));
    QVERIFY(!tables::png::write(QImage(), buffer));
    QCOMPARE(buffer.size(), 0);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QVERIFY(!tables::png::write(page(16, 16, false), readOnly));
}

void PngPageTest::streamInflatesToTheBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("rowLength");
    QRandomGenerator random(42);
    QByteArray noise(70000, Qt::Uninitialized);
    for (char &c : noise) c = char(random.bounded(256)); // every byte a literal, the longest codes
    QByteArray runs;
    for (int i = 0; i < 3000; ++i) runs += QByteArray(i % 300 + 1, char(i % 7)); // every match length
    QByteArray rows = noise.left(1000).repeated(40);                             // every row as the one above
    QTest::newRow("empty") << QByteArray() << qsizetype(10);
    QTest::newRow("one byte") << QByteArray("x") << qsizetype(1);
    QTest::newRow("noise") << noise << qsizetype(700);
    QTest::newRow("runs, rows of 3") << runs << qsizetype(3);
    QTest::newRow("runs, no rows") << runs << qsizetype(0);
    QTest::newRow("repeated rows") << rows << qsizetype(1000);
    QTest::newRow("rows of the window's length") << rows.repeated(2) << qsizetype(32768);
    QTest::newRow("rows longer than the window") << rows << qsizetype(32769);
}

void PngPageTest::streamInflatesToTheBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, rowLength);
    const QByteArray stream = tables::png::zlibStream(bytes, rowLength);
    // qUncompress takes the length ahead of the stream.
    char length[4];
    qToBigEndian(quint32(bytes.size()), length);
    const QByteArray inflated = qUncompress(QByteArray(length, 4) + stream);
    QCOMPARE(inflated.size(), bytes.size());
    QVERIFY(inflated == bytes);
    if (bytes.size() > 1000 && rowLength > 0) QVERIFY(stream.size() < bytes.size() * 9 / 8 + 16);
}

QTEST_APPLESS_MAIN(PngPageTest)
#include "tst_pngpage.moc"
