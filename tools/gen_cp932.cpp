// Writes src/text/Cp932Tables.cpp: the code page 932 tables of the program's built-in
// converter, taken from the system's "windows-31j" converter (ICU, through Qt).
//
// Run once, by hand, on a Qt built with ICU; not part of the normal build:
//   cmake -S tools -B build-tools && cmake --build build-tools
//   ./build-tools/gen_cp932 > src/text/Cp932Tables.cpp
//
// The reading table comes from reading every byte and every pair of bytes; the writing table
// from writing every character, so that where code page 932 has several byte sequences for one
// character (the NEC and IBM extensions) it holds the one the system's converter writes.
//
// One correction is made: ICU's table, as IBM's code pages do, rotates three control bytes
// (0x1A reads as U+001C, 0x1C as U+007F, 0x7F as U+001A, and back), where Windows reads and
// writes every byte below 0x80 as the character of the same number. The tables follow
// Windows, so that a ^Z an old editor left at the end of a file reads as ^Z.
#include "text/Cp932Tables.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tables = text::cp932::tables;

namespace {

constexpr const char *kCodecName = "windows-31j";

[[noreturn]] void fail(const char *what, unsigned value)
{
    std::fprintf(stderr, "gen_cp932: %s (0x%X)\n", what, value);
    std::exit(1);
}

struct Read {
    bool error;
    QString text;
};

Read read(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) fail("no windows-31j converter on this system", 0);
    QString text = decoder.decode(bytes);
    return {decoder.hasError(), text};
}

// One code point as text (QString::fromUcs4 would drop U+FEFF as a byte order mark).
QString textOf(char32_t cp)
{
    if (cp <= 0xFFFF) return QString(QChar(char16_t(cp)));
    const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
    return QString(pair, 2);
}

struct Written {
    bool error;
    QByteArray bytes;
};

Written write(char32_t cp)
{
    QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) fail("no windows-31j converter on this system", 0);
    const QByteArray bytes = encoder.encode(textOf(cp));
    return {encoder.hasError(), bytes};
}

// The one UTF-16 unit a byte sequence reads as; fails on anything the tables cannot hold.
char16_t unitOf(const QString &text, unsigned bytes)
{
    if (text.size() != 1) fail("a byte sequence reads as other than one UTF-16 unit", bytes);
    const char16_t c = text.at(0).unicode();
    if (c == tables::None || QChar::isSurrogate(c)) fail("a byte sequence reads as a non-character", bytes);
    return c;
}

// The three control bytes (and characters) ICU's table rotates.
bool isRotated(unsigned b) { return b == 0x1A || b == 0x1C || b == 0x7F; }

} // namespace

int main()
{
    std::array<char16_t, 256> singles;
    std::array<bool, 256> lead{};
    singles.fill(tables::None);
    for (unsigned b = 0; b < 256; ++b) {
        const Read r = read(QByteArray(1, char(b)));
        if (!r.error)
            singles[b] = unitOf(r.text, b);
        else if (r.text.isEmpty())
            lead[b] = true; // a lead byte alone is cut off: nothing is read
    }
    for (unsigned b = 0; b < 0x80; ++b) {
        if (singles[b] != b && !isRotated(b)) fail("an ASCII byte reads as another character", b);
        singles[b] = char16_t(b); // as Windows reads it
    }

    std::vector<std::array<char16_t, tables::TrailCount>> rows;
    std::array<int, 256> leadRows{};
    int pairCount = 0;
    for (unsigned l = 0; l < 256; ++l) {
        if (!lead[l]) continue;
        std::array<char16_t, tables::TrailCount> row;
        row.fill(tables::None);
        for (unsigned t = 0; t < 256; ++t) {
            const Read r = read(QByteArray(1, char(l)) + char(t));
            if (r.error) continue;
            if (int(t) < tables::FirstTrail || int(t) > tables::LastTrail)
                fail("a trail byte outside the table's range", l << 8 | t);
            row[t - tables::FirstTrail] = unitOf(r.text, l << 8 | t);
            ++pairCount;
        }
        rows.push_back(row);
        leadRows[l] = int(rows.size());
    }
    if (rows.size() > 255) fail("too many lead bytes", unsigned(rows.size()));

    struct Entry {
        char16_t unicode;
        unsigned bytes;
    };
    std::vector<Entry> encodings;
    std::vector<tables::Range> dropped;
    int oneWay = 0;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        const Written w = write(cp);
        if (w.error) {
            const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
            // A lone high surrogate at the end waits for its pair and is written as nothing;
            // a lone low surrogate is replaced.
            if (w.bytes.isEmpty() && !surrogate) {
                if (!dropped.empty() && dropped.back().last + 1 == cp)
                    dropped.back().last = cp;
                else
                    dropped.push_back({cp, cp});
            } else if (w.bytes.isEmpty() ? cp > 0xDBFF
                                         : w.bytes != QByteArray(2, char(tables::Substitute >> 8))) {
                fail("a character that cannot be written is replaced unexpectedly", unsigned(cp));
            }
            continue;
        }
        if (cp > 0xFFFF) fail("a character beyond the BMP can be written", unsigned(cp));
        unsigned bytes = 0;
        if (w.bytes.size() == 1) {
            bytes = quint8(w.bytes[0]);
        } else if (w.bytes.size() == 2 && quint8(w.bytes[0]) != 0) {
            bytes = quint8(w.bytes[0]) << 8 | quint8(w.bytes[1]);
            if (bytes == tables::None) fail("a character is written as FF FF", unsigned(cp));
        } else {
            fail("a character is written as other than one or two bytes", unsigned(cp));
        }
        if (cp < 0x80) {
            if (bytes != cp && !isRotated(cp)) fail("an ASCII character is written as another byte", cp);
            encodings.push_back({char16_t(cp), unsigned(cp)}); // as Windows writes it
            continue;
        }
        const Read back = read(w.bytes);
        if (back.error || back.text != textOf(cp)) ++oneWay;
        encodings.push_back({char16_t(cp), bytes});
    }

    std::printf(
        "// Generated by tools/gen_cp932.cpp from the system's \"windows-31j\" converter (ICU through\n"
        "// Qt %s), the bytes below 0x80 as Windows reads them. Do not edit: run the generator again.\n"
        "// clang-format off\n",
        qVersion());
    std::printf("#include \"text/Cp932Tables.h\"\n\nnamespace text::cp932::tables {\n\n");

    auto printUnits = [](const char16_t *units, int count, const char *indent) {
        for (int i = 0; i < count; ++i) {
            if (i % 16 == 0) std::printf("%s", indent);
            std::printf("0x%04X,%s", unsigned(units[i]), (i % 16 == 15 || i == count - 1) ? "\n" : "");
        }
    };

    std::printf("const char16_t singleBytes[256] = {\n");
    printUnits(singles.data(), 256, "    ");
    std::printf("};\n\nconst std::uint8_t leadRows[256] = {\n");
    for (int b = 0; b < 256; ++b) {
        if (b % 16 == 0) std::printf("    ");
        std::printf("%d,%s", leadRows[b], b % 16 == 15 ? "\n" : "");
    }
    std::printf("};\n\nconst char16_t pairs[][TrailCount] = {\n");
    for (unsigned l = 0; l < 256; ++l) {
        if (!leadRows[l]) continue;
        std::printf("    { // lead byte %02X\n", l);
        printUnits(rows[leadRows[l] - 1].data(), tables::TrailCount, "        ");
        std::printf("    },\n");
    }
    std::printf("};\n\nconst std::uint32_t encodings[] = {\n");
    for (std::size_t i = 0; i < encodings.size(); ++i) {
        if (i % 8 == 0) std::printf("    ");
        std::printf("0x%04X%04X,%s", unsigned(encodings[i].unicode), encodings[i].bytes,
                    (i % 8 == 7 || i + 1 == encodings.size()) ? "\n" : "");
    }
    std::printf("};\n\nconst int encodingCount = %d;\n\nconst Range dropped[] = {\n", int(encodings.size()));
    for (const tables::Range &r : dropped)
        std::printf("    {0x%04X, 0x%04X},\n", unsigned(r.first), unsigned(r.last));
    std::printf("};\n\nconst int droppedCount = %d;\n\n} // namespace text::cp932::tables\n",
                int(dropped.size()));

    std::fprintf(stderr, "gen_cp932: %zu lead bytes, %d pairs, %zu characters written (%d one way)\n",
                 rows.size(), pairCount, encodings.size(), oneWay);
    return 0;
}
