#include "png/PngPage.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <zlib.h>

#include <cstring>
#include <vector>

namespace png {

namespace {

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
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(type), 4);
    if (size > 0) crc = crc32_z(crc, reinterpret_cast<const Bytef *>(data), std::size_t(size));
    appendBigEndian(tail, static_cast<quint32>(crc));
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

// The image data of the page: every row after its filter byte "Up" as its difference from
// the row above, compressed by zlib in runs (a run of one byte, or a stretch as in the row
// above, which is a run of zeros). Empty when the page is to be black and white and is not,
// or zlib fails.
QByteArray compressedRows(const QImage &page, bool oneBit)
{
    const int w = page.width();
    const std::size_t length = oneBit ? (std::size_t(w) + 7) / 8 : std::size_t(w);
    std::vector<uchar> above(length, 0);
    std::vector<uchar> current(length);
    std::vector<uchar> filtered(length + 1);
    filtered[0] = 2; // Up

    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) return {};
    // Room for the worst case, which a page never comes near: memory not written to is not used.
    const uLong bound = deflateBound(&z, uLong(length + 1) * uLong(page.height()));
    QByteArray out(qsizetype(bound), Qt::Uninitialized);
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(bound);
    bool packed = true;
    for (int y = 0; y < page.height() && packed; ++y) {
        const uchar *row = page.constScanLine(y);
        if (oneBit) {
            if (!packBlackAndWhite(row, w, current.data())) {
                packed = false;
                break;
            }
            row = current.data();
        }
        for (std::size_t i = 0; i < length; ++i) filtered[i + 1] = uchar(row[i] - above[i]);
        std::memcpy(above.data(), row, length);
        z.next_in = filtered.data();
        z.avail_in = uInt(filtered.size());
        packed = deflate(&z, Z_NO_FLUSH) == Z_OK && z.avail_in == 0;
    }
    const bool finished = packed && deflate(&z, Z_FINISH) == Z_STREAM_END;
    out.truncate(finished ? qsizetype(z.total_out) : 0);
    deflateEnd(&z);
    return out;
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
    QByteArray compressed = compressedRows(page, oneBit);
    if (compressed.isEmpty()) {
        oneBit = false;
        compressed = compressedRows(page, oneBit);
        if (compressed.isEmpty()) return false;
    }

    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(page.width()));
    appendBigEndian(header, static_cast<quint32>(page.height()));
    header.append(char(oneBit ? 1 : 8)); // bits a pixel
    header.append(4, '\0');              // grey; deflate; filters per row; not interlaced

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

} // namespace png
