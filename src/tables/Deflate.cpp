#include "tables/Deflate.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tables::png {

namespace {

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr qsizetype kWindow = 32768;

// Bits are written from the lowest bit of each byte up.
class BitWriter
{
public:
    explicit BitWriter(uchar *out) : m_out(out), m_start(out) {}
    void put(quint32 value, int count)
    {
        m_bits |= quint64(value) << m_count;
        m_count += count;
        if (m_count >= 32) {
            for (int i = 0; i < 4; ++i) *m_out++ = uchar(m_bits >> (8 * i));
            m_bits >>= 32;
            m_count -= 32;
        }
    }
    qsizetype finish()
    {
        while (m_count > 0) {
            *m_out++ = uchar(m_bits);
            m_bits >>= 8;
            m_count -= 8;
        }
        return m_out - m_start;
    }

private:
    uchar *m_out;
    uchar *m_start;
    quint64 m_bits = 0;
    int m_count = 0;
};

// A code ready to write: a Huffman code goes out from its highest bit, so it is kept
// reversed, with any extra bits after it.
struct Code {
    quint32 bits = 0;
    int length = 0;
};

Code reversedCode(quint32 code, int length)
{
    quint32 reversed = 0;
    for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
    return {reversed, length};
}

Code fixedLiteral(int symbol)
{
    if (symbol < 144) return reversedCode(0x30 + symbol, 8);
    if (symbol < 256) return reversedCode(0x190 + symbol - 144, 9);
    if (symbol < 280) return reversedCode(symbol - 256, 7);
    return reversedCode(0xc0 + symbol - 280, 8);
}

// The fixed codes of the bytes, of the end of the block and of each length (3 to 258, its
// extra bits appended).
struct Tables {
    std::array<Code, 256> literals;
    std::array<Code, kMaxMatch + 1> lengths;
    Code endOfBlock;
    Tables()
    {
        for (int b = 0; b < 256; ++b) literals[b] = fixedLiteral(b);
        endOfBlock = fixedLiteral(256);
        static const int base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                     31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static const int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        for (int len = kMinMatch; len <= kMaxMatch; ++len) {
            int i = 28;
            while (base[i] > len) --i;
            const Code c = fixedLiteral(257 + i);
            lengths[len] = {c.bits | quint32(len - base[i]) << c.length, c.length + extra[i]};
        }
    }
};

// The five-bit code of a distance (1 to 32768) with its extra bits.
Code distanceCode(qsizetype distance)
{
    static const int base[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                 33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    int i = 29;
    while (base[i] > distance) --i;
    const int extra = i < 4 ? 0 : i / 2 - 1;
    const Code c = reversedCode(quint32(i), 5);
    return {c.bits | quint32(distance - base[i]) << 5, 5 + extra};
}

// How many bytes from at agree with those from `from` (before it), at most limit.
int matchLength(const uchar *at, const uchar *from, int limit)
{
    int n = 0;
    while (n + 8 <= limit) {
        quint64 a, b;
        std::memcpy(&a, at + n, 8);
        std::memcpy(&b, from + n, 8);
        if (a != b) break;
        n += 8;
    }
    while (n < limit && at[n] == from[n]) ++n;
    return n;
}

quint32 adler32(const uchar *p, qsizetype n)
{
    quint32 a = 1, b = 0;
    while (n > 0) {
        // 5552 bytes keep the sums within 32 bits before they are reduced.
        qsizetype k = std::min<qsizetype>(n, 5552);
        n -= k;
        for (; k >= 4; k -= 4, p += 4) {
            a += p[0];
            b += a;
            a += p[1];
            b += a;
            a += p[2];
            b += a;
            a += p[3];
            b += a;
        }
        for (; k > 0; --k) {
            a += *p++;
            b += a;
        }
        a %= 65521;
        b %= 65521;
    }
    return b << 16 | a;
}

} // namespace

QByteArray zlibStream(const QByteArray &bytes, qsizetype rowLength)
{
    static const Tables tables;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    // At worst every byte takes a nine-bit code.
    QByteArray out(n + n / 8 + 64, Qt::Uninitialized);
    auto *o = reinterpret_cast<uchar *>(out.data());
    o[0] = 0x78; // deflate with a window of 32768 bytes
    o[1] = 0x01; // the fastest kind; (0x78 × 256 + 0x01) is a multiple of 31
    BitWriter bits(o + 2);
    bits.put(1, 1); // the last block
    bits.put(1, 2); // of the fixed codes
    const bool byRows = rowLength > 0 && rowLength <= kWindow;
    const Code up = byRows ? distanceCode(rowLength) : Code{};
    const Code run = distanceCode(1);
    for (qsizetype i = 0; i < n;) {
        const int limit = int(std::min<qsizetype>(kMaxMatch, n - i));
        int length = 0;
        const Code *distance = nullptr;
        if (byRows && i >= rowLength && limit >= kMinMatch) {
            length = matchLength(data + i, data + i - rowLength, limit);
            distance = &up;
        }
        if (length < limit && i >= 1 && limit >= kMinMatch) {
            const int r = matchLength(data + i, data + i - 1, limit);
            if (r > length) {
                length = r;
                distance = &run;
            }
        }
        if (length >= kMinMatch) {
            const Code &c = tables.lengths[length];
            bits.put(c.bits, c.length);
            bits.put(distance->bits, distance->length);
            i += length;
        } else {
            const Code &c = tables.literals[data[i]];
            bits.put(c.bits, c.length);
            ++i;
        }
    }
    bits.put(tables.endOfBlock.bits, tables.endOfBlock.length);
    qsizetype size = 2 + bits.finish();
    const quint32 check = adler32(data, n);
    for (int k = 3; k >= 0; --k) o[size++] = uchar(check >> (8 * k));
    out.truncate(size);
    return out;
}

} // namespace tables::png
