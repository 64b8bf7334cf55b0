#include "tables/PngPage.h"

#include "tables/Deflate.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <array>
#include <cstring>
#include <vector>

namespace tables::png {

namespace {

// The CRC of the PNG format (ISO 3309, as zlib's crc32).
quint32 crc32(const char *bytes, qsizetype size, quint32 crc = 0)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<uchar>(bytes[i])) & 0xff] ^ (crc >> 8);
    return ~crc;
}

void appendBigEndian(QByteArray &bytes, quint32 value)
{
    char b[4];
    qToBigEndian(value, b);
    bytes.append(b, 4);
}

bool writeChunk(QIODevice &device, const char type[4], const char *data, qsizetype size)
{
    QByteArray head;
    appendBigEndian(head, static_cast<quint32>(size));
    head.append(type, 4);
    QByteArray tail;
    appendBigEndian(tail, crc32(data, size, crc32(type, 4)));
    return device.write(head) == head.size() && device.write(data, size) == size && device.write(tail) == 4;
}

// Packs a row of grey pixels into one bit a pixel, the leftmost in the highest bit, 1 for
// white; false when a pixel is neither black nor white.
bool packBlackAndWhite(const uchar *g, int w, uchar *out)
{
    int x = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // Eight pixels at a time, and 32 at a time where they are white, as most of a page is.
    for (; x + 8 <= w; x += 8) {
        quint64 v;
        if (x + 32 <= w) {
            quint64 four[4];
            std::memcpy(four, g + x, 32);
            if ((four[0] & four[1] & four[2] & four[3]) == ~quint64(0)) {
                std::memset(out, 0xff, 4);
                out += 4;
                x += 24;
                continue;
            }
        }
        std::memcpy(&v, g + x, 8);
        const quint64 high = (v & 0x8080808080808080ull) >> 7;
        // Every byte 0 or 255: each is its top bit spread over the byte.
        if (v != high * 0xff) return false;
        // The eight top bits gathered into one byte, the first pixel's highest.
        *out++ = uchar((high * 0x8040201008040201ull) >> 56);
    }
#endif
    for (; x < w; x += 8) {
        uchar byte = 0;
        for (int k = 0; k < 8 && x + k < w; ++k) {
            const uchar v = g[x + k];
            if (v != 0 && v != 255) return false;
            byte |= uchar((v >> 7) << (7 - k));
        }
        *out++ = byte;
    }
    return true;
}

// The rows as PNG stores them, each after its filter byte 0 (none); empty when the page is
// to be black and white and is not.
QByteArray rows(const QImage &page, bool oneBit)
{
    const int w = page.width();
    const qsizetype stride = (oneBit ? (qsizetype(w) + 7) / 8 : w) + 1;
    QByteArray raw(qsizetype(page.height()) * stride, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(raw.data());
    for (int y = 0; y < page.height(); ++y) {
        uchar *row = out + qsizetype(y) * stride;
        row[0] = 0;
        if (!oneBit)
            std::memcpy(row + 1, page.constScanLine(y), std::size_t(w));
        else if (!packBlackAndWhite(page.constScanLine(y), w, row + 1))
            return {};
    }
    return raw;
}

} // namespace

bool blackAndWhite(const QImage &page)
{
    if (page.format() != QImage::Format_Grayscale8) return false;
    std::vector<uchar> packed(std::size_t(page.width() + 7) / 8);
    for (int y = 0; y < page.height(); ++y)
        if (!packBlackAndWhite(page.constScanLine(y), page.width(), packed.data())) return false;
    return true;
}

bool write(const QImage &page, QIODevice &device)
{
    if (page.format() != QImage::Format_Grayscale8 || page.isNull()) return false;
    // Packed as black and white while it is so, in the same pass.
    bool oneBit = true;
    QByteArray raw = rows(page, oneBit);
    if (raw.isEmpty()) {
        oneBit = false;
        raw = rows(page, oneBit);
    }
    const qsizetype stride = oneBit ? (qsizetype(page.width()) + 7) / 8 + 1 : page.width() + 1;
    const QByteArray compressed = zlibStream(raw, stride);
    raw.clear();

    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(page.width()));
    appendBigEndian(header, static_cast<quint32>(page.height()));
    header.append(char(oneBit ? 1 : 8)); // bits a pixel
    header.append(4, '\0');              // grey; deflate; no filter choice; not interlaced

    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    if (device.write(signature, 8) != 8) return false;
    if (!writeChunk(device, "IHDR", header.constData(), header.size())) return false;
    if (page.dotsPerMeterX() > 0 && page.dotsPerMeterY() > 0) {
        QByteArray physical;
        appendBigEndian(physical, static_cast<quint32>(page.dotsPerMeterX()));
        appendBigEndian(physical, static_cast<quint32>(page.dotsPerMeterY()));
        physical.append(char(1)); // dots a metre
        if (!writeChunk(device, "pHYs", physical.constData(), physical.size())) return false;
    }
    if (!writeChunk(device, "IDAT", compressed.constData(), compressed.size())) return false;
    return writeChunk(device, "IEND", nullptr, 0);
}

} // namespace tables::png
