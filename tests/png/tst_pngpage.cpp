// A page written as PNG reads back pixel for pixel, one bit a pixel exactly when it is black
// and white, with its resolution.
#include "png/PngPage.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

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
    QImage noise(40000, 3, QImage::Format_Grayscale8); // nothing to compress, rows over zlib's window
    for (int y = 0; y < 3; ++y)
        QRandomGenerator(y).fillRange(reinterpret_cast<quint32 *>(noise.scanLine(y)), 10000);
    QTest::addRow("grey noise, wider than the window") << noise << 8;
}

void PngPageTest::pageReadsBackAsDrawn()
{
    QFETCH(QImage, image);
    QFETCH(int, depth);
    image.setDotsPerMeterX(23622); // 600 dpi
    image.setDotsPerMeterY(23622);
    QCOMPARE(png::blackAndWhite(image), depth == 1);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(png::write(image, buffer));
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
    QVERIFY(!png::write(QImage(8, 8, QImage::Format_RGB32), buffer));
    QVERIFY(!png::write(QImage(), buffer));
    QCOMPARE(buffer.size(), 0);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QVERIFY(!png::write(page(16, 16, false), readOnly));
}

QTEST_APPLESS_MAIN(PngPageTest)
#include "tst_pngpage.moc"
