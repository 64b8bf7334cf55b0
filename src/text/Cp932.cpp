#include "text/Cp932.h"

#include "text/Cp932Tables.h"

#include <QList>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace text::cp932 {

namespace {

int charBytes(char32_t cp)
{
    if (cp < 0x80) return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1; // half-width katakana
    return 2;
}

// What a byte sequence that is no character reads as: a byte alone as U+001A, a lead byte
// with a trail byte that stands for nothing as U+FFFD.
constexpr char16_t BadByte = 0x001A;
constexpr char16_t BadPair = 0xFFFD;

bool isTrailByte(std::uint8_t b) { return b >= tables::FirstTrail && b <= tables::LastTrail && b != 0x7F; }

// Reads bytes into out; false when a byte sequence is no character (those read as BadByte or
// BadPair, a lead byte cut off at the end as nothing).
bool decodeInto(const QByteArray &bytes, QString &out)
{
    const auto *in = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    const qsizetype n = bytes.size();
    out.resize(n); // never more characters than bytes
    char16_t *w = reinterpret_cast<char16_t *>(out.data());
    char16_t *const start = w;
    bool ok = true;
    qsizetype i = 0;
    while (i < n) {
        const std::uint8_t b = in[i];
        const char16_t single = tables::singleBytes[b];
        if (single != tables::None) {
            *w++ = single;
            ++i;
            continue;
        }
        const int row = tables::leadRows[b];
        if (row == 0) {
            ok = false;
            *w++ = BadByte;
            ++i;
            continue;
        }
        if (i + 1 == n) { // a lead byte without its trail byte
            ok = false;
            ++i;
            continue;
        }
        const std::uint8_t t = in[i + 1];
        if (isTrailByte(t)) {
            const char16_t c = tables::pairs[row - 1][t - tables::FirstTrail];
            ok = ok && c != tables::None;
            *w++ = c != tables::None ? c : BadPair;
            i += 2;
        } else { // the lead byte alone is bad; the next byte is read on its own
            ok = false;
            *w++ = BadByte;
            ++i;
        }
    }
    out.resize(w - start);
    return ok;
}

// Bytes of every character of the first plane, tables::None where it cannot be written;
// built once from the sorted list.
const std::uint16_t *encodeTable()
{
    static const std::unique_ptr<std::uint16_t[]> table = [] {
        auto t = std::make_unique<std::uint16_t[]>(0x10000);
        std::fill_n(t.get(), 0x10000, std::uint16_t(tables::None));
        for (int i = 0; i < tables::encodingCount; ++i)
            t[tables::encodings[i] >> 16] = std::uint16_t(tables::encodings[i] & 0xFFFF);
        return t;
    }();
    return table.get();
}

bool isDropped(char32_t cp)
{
    return std::any_of(tables::dropped, tables::dropped + tables::droppedCount,
                       [cp](const tables::Range &r) { return cp >= r.first && cp <= r.last; });
}

// Writes text into out; false when a character cannot be written (it is replaced with
// tables::Substitute, or left out where it has no look of its own).
bool encodeInto(const QString &text, QByteArray &out)
{
    const std::uint16_t *table = encodeTable();
    const auto *in = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    out.resize(2 * n); // never more than two bytes a UTF-16 unit
    char *w = out.data();
    char *const start = w;
    bool ok = true;
    auto putTwo = [&w](std::uint16_t bytes) {
        *w++ = char(bytes >> 8);
        *w++ = char(bytes & 0xFF);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i];
        if (!QChar::isSurrogate(u)) {
            const std::uint16_t bytes = table[u];
            if (bytes < 0x100) {
                *w++ = char(bytes);
            } else if (bytes != tables::None) {
                putTwo(bytes);
            } else {
                ok = false;
                if (!isDropped(u)) putTwo(tables::Substitute);
            }
            continue;
        }
        ok = false; // nothing beyond the first plane, and no lone surrogate, can be written
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
            const char32_t cp = QChar::surrogateToUcs4(u, in[i + 1]);
            ++i;
            if (!isDropped(cp)) putTwo(tables::Substitute);
        } else if (QChar::isHighSurrogate(u) && i + 1 == n) {
            // a high surrogate at the end waits for its pair: nothing is written
        } else {
            putTwo(tables::Substitute);
        }
    }
    out.resize(w - start);
    return ok;
}

} // namespace

int byteLength(const QString &text)
{
    int total = 0;
    for (char32_t cp : text.toUcs4()) total += charBytes(cp);
    return total;
}

QString cutToBytes(const QString &text, int maxBytes)
{
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char32_t cp = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        const int n = charBytes(cp);
        if (used + n > maxBytes) break;
        used += n;
        i += pair ? 2 : 1;
    }
    return text.left(i);
}

std::optional<QString> firstUnencodable(const QString &text)
{
    const std::uint16_t *table = encodeTable();
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char16_t u = text.at(i).unicode();
        if (pair || QChar::isSurrogate(u) || table[u] == tables::None) return text.mid(i, pair ? 2 : 1);
        ++i;
    }
    return std::nullopt;
}

Encoded encode(const QString &text)
{
    Encoded result;
    if (!encodeInto(text, result.bytes)) {
        const auto bad = firstUnencodable(text);
        result.error = u"Shift-JISで保存できない文字があります: "_s + bad.value_or(QString());
    }
    return result;
}

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    if (!decodeInto(bytes, result.text)) result.error = u"Shift-JISとして読めないバイトがあります"_s;
    return result;
}

std::optional<QString> decodeLine(const QByteArray &line)
{
    QString text;
    if (!decodeInto(line, text)) return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeLine(const QString &line)
{
    QByteArray bytes;
    if (!encodeInto(line, bytes)) return std::nullopt;
    return bytes;
}

} // namespace text::cp932
