// The built-in code page 932 converter: known characters both ways, refused bytes and
// characters, and, where the system has an ICU "windows-31j" converter, every one- and
// two-byte sequence and every character of the first plane against it (but for the three
// control bytes ICU rotates, which are compared as Windows reads them).
#include "text/Cp932.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace cp932 = text::cp932;

namespace {

constexpr const char *kCodecName = "windows-31j";

QByteArray ascii()
{
    QByteArray bytes;
    for (int b = 0; b < 0x80; ++b) bytes += char(b);
    return bytes;
}

QString units(std::initializer_list<char16_t> list)
{
    QString s;
    for (char16_t u : list) s.append(QChar(u));
    return s;
}

// ICU's windows-31j rotates three control bytes as IBM's code pages do: 0x1A reads as U+001C,
// 0x1C as U+007F and 0x7F as U+001A. The converter reads and writes each of them as itself, as
// Windows does; the comparisons with ICU allow exactly this difference.
char rotated(char b, const char (&from)[3], const char (&to)[3])
{
    for (int i = 0; i < 3; ++i)
        if (b == from[i]) return to[i];
    return b;
}
// The bytes ICU reads as Windows reads `bytes` (no trail byte is one of the three).
QByteArray asIcuReadsThem(QByteArray bytes)
{
    for (char &b : bytes) b = rotated(b, {0x1A, 0x1C, 0x7F}, {0x7F, 0x1A, 0x1C});
    return bytes;
}
// The bytes Windows writes where ICU writes `bytes`.
QByteArray asWindowsWritesThem(QByteArray bytes)
{
    for (char &b : bytes) b = rotated(b, {0x7F, 0x1A, 0x1C}, {0x1A, 0x1C, 0x7F});
    return bytes;
}

QString hexOf(const QString &text)
{
    QStringList parts;
    for (QChar c : text) parts << u"%1"_s.arg(c.unicode(), 4, 16, QChar(u'0'));
    return parts.join(u' ');
}

} // namespace

class Cp932Converter : public QObject
{
    Q_OBJECT
private slots:
    void bothWays_data();
    void bothWays();
    void readsDuplicates_data();
    void readsDuplicates();
    void refusesBytes_data();
    void refusesBytes();
    void refusesCharacters_data();
    void refusesCharacters();
    void surrogatePairIsOneCharacter();
    void sameAsIcuForEveryByteSequence();
    void sameAsIcuForEveryCharacter();
    void sameAsIcuForMixedLines();
};

void Cp932Converter::bothWays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("hiragana a") << u"あ"_s << QByteArray("\x82\xa0");
    QTest::newRow("kanji") << u"亜"_s << QByteArray("\x88\x9f");
    QTest::newRow("circled one") << u"①"_s << QByteArray("\x87\x40");
    QTest::newRow("full-width tilde") << u"～"_s << QByteArray("\x81\x60");
    QTest::newRow("parallel") << u"∥"_s << QByteArray("\x81\x61");
    QTest::newRow("full-width not sign") << u"￢"_s << QByteArray("\x81\xca");
    QTest::newRow("because: the first of three") << u"∵"_s << QByteArray("\x81\xe6");
    QTest::newRow("roman one: the NEC one") << u"Ⅰ"_s << QByteArray("\x87\x54");
    QTest::newRow("IBM kanji") << u"纊"_s << QByteArray("\xfa\x5c");
    QTest::newRow("user area") << units({0xE000}) << QByteArray("\xf0\x40");
    QTest::newRow("half-width katakana") << u"ｱ"_s << QByteArray("\xb1");
    QTest::newRow("backslash") << u"\\"_s << QByteArray("\x5c");
    QTest::newRow("tilde") << u"~"_s << QByteArray("\x7e");
    QTest::newRow("ascii line") << u"山田,緑会,男"_s
                                << QByteArray("\x8e\x52\x93\x63,\x97\xce\x89\xef,\x92\x6a");
    QTest::newRow("^Z, as Windows reads it") << units({0x1A}) << QByteArray("\x1a");
    QTest::newRow("control 1C and DEL") << units({0x1C, 0x7F}) << QByteArray("\x1c\x7f");
    QTest::newRow("every ASCII byte as itself") << QString::fromLatin1(ascii()) << ascii();
    QTest::newRow("nul") << units({0}) << QByteArray(1, '\0');
    QTest::newRow("empty") << QString() << QByteArray();
}

void Cp932Converter::bothWays()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const auto encoded = cp932::encode(text);
    QVERIFY(encoded.error.isEmpty());
    QCOMPARE(encoded.bytes, bytes);
    const auto decoded = cp932::decode(bytes);
    QVERIFY(decoded.error.isEmpty());
    QCOMPARE(decoded.text, text);
    QCOMPARE(cp932::firstUnencodable(text), std::nullopt);

    QCOMPARE(cp932::encodeLine(text), std::optional<QByteArray>(bytes));
    QCOMPARE(cp932::decodeLine(bytes), std::optional<QString>(text));
}

void Cp932Converter::readsDuplicates_data()
{
    // Byte sequences read as a character that is written otherwise.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("because: NEC") << QByteArray("\x87\x9a") << u"∵"_s << QByteArray("\x81\xe6");
    QTest::newRow("because: IBM") << QByteArray("\xfa\x5b") << u"∵"_s << QByteArray("\x81\xe6");
    QTest::newRow("roman one: IBM") << QByteArray("\xfa\x4a") << u"Ⅰ"_s << QByteArray("\x87\x54");
    QTest::newRow("not sign: NEC-selected IBM")
        << QByteArray("\xee\xf9") << u"￢"_s << QByteArray("\x81\xca");
    QTest::newRow("not sign: IBM") << QByteArray("\xfa\x54") << u"￢"_s << QByteArray("\x81\xca");
    QTest::newRow("IBM kanji: NEC-selected") << QByteArray("\xed\x40") << u"纊"_s << QByteArray("\xfa\x5c");
}

void Cp932Converter::readsDuplicates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QCOMPARE(cp932::decodeLine(bytes), std::optional<QString>(text));
    QCOMPARE(cp932::encodeLine(text), std::optional<QByteArray>(written));
}

void Cp932Converter::refusesBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lone lead byte") << QByteArray("\x82");
    QTest::newRow("lead byte at the end of a line") << QByteArray("\x8e\x52,abc\x82");
    QTest::newRow("lead byte before a space") << QByteArray("\x82 a");
    QTest::newRow("trail byte 7F") << QByteArray("\x81\x7f");
    QTest::newRow("trail byte FD") << QByteArray("\x81\xfd");
    QTest::newRow("trail byte below 40") << QByteArray("\x81\x3f");
    QTest::newRow("pair that stands for nothing") << QByteArray("\x85\x40");
    QTest::newRow("pair beyond the last kanji") << QByteArray("\xfc\x4c");
    QTest::newRow("byte 80") << QByteArray("\x80");
    QTest::newRow("byte A0") << QByteArray("a\xa0");
    QTest::newRow("byte FD") << QByteArray("\xfd");
    QTest::newRow("byte FE") << QByteArray("\xfe");
    QTest::newRow("byte FF") << QByteArray("\xff");
}

void Cp932Converter::refusesBytes()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!cp932::decode(bytes).error.isEmpty());
    QCOMPARE(cp932::decodeLine(bytes), std::nullopt);
    // The converter reads the next line as if nothing had happened.
    QCOMPARE(cp932::decodeLine(QByteArray("\x82\xa0")), std::optional<QString>(u"あ"_s));
}

void Cp932Converter::refusesCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::newRow("emoji") << u"山😀"_s << u"😀"_s;
    QTest::newRow("hangul") << u"a한"_s << u"한"_s;
    QTest::newRow("yen sign") << u"¥100"_s << u"¥"_s;
    QTest::newRow("wave dash") << u"a〜b"_s << u"〜"_s;
    QTest::newRow("zero-width space") << units({'a', 0x200B}) << units({0x200B});
    QTest::newRow("byte order mark") << units({0xFEFF, 'a'}) << units({0xFEFF});
    QTest::newRow("lone high surrogate at the end") << units({'a', 0xD83D}) << units({0xD83D});
    QTest::newRow("lone high surrogate") << units({0xD83D, 'a'}) << units({0xD83D});
    QTest::newRow("lone low surrogate") << units({0xDE00, 'a'}) << units({0xDE00});
    QTest::newRow("private use beyond the user area") << units({0xF8F0}) << units({0xF8F0});
}

void Cp932Converter::refusesCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QCOMPARE(cp932::firstUnencodable(text), std::optional<QString>(first));
    const auto encoded = cp932::encode(text);
    QCOMPARE(encoded.error, u"Shift-JISで保存できない文字があります: "_s + first);
    QCOMPARE(cp932::encodeLine(text), std::nullopt);
    QCOMPARE(cp932::encodeLine(u"あ"_s), std::optional<QByteArray>(QByteArray("\x82\xa0")));
}

void Cp932Converter::surrogatePairIsOneCharacter()
{
    const QString text = u"a😀b"_s;
    QCOMPARE(cp932::firstUnencodable(text), std::optional<QString>(u"😀"_s));
    // One replacement for the pair, as for one character.
    QCOMPARE(cp932::encode(text).bytes, QByteArray("a\xfc\xfc"
                                                   "b"));
    QCOMPARE(cp932::encode(units({'a', 0xD83D, 0xD83D, 'b'})).bytes, QByteArray("a\xfc\xfc\xfc\xfc"
                                                                                "b"));
    // A character beyond the first plane that leaves nothing in its place is still refused.
    const QString tag = QString::fromUcs4(U"x\U000E0001y");
    QCOMPARE(cp932::encode(tag).bytes, QByteArray("xy"));
    QCOMPARE(cp932::firstUnencodable(tag), std::optional<QString>(tag.mid(1, 2)));
}

void Cp932Converter::sameAsIcuForEveryByteSequence()
{
    if (!QStringDecoder(kCodecName).isValid()) QSKIP("no ICU windows-31j converter on this system");
    int checked = 0;
    auto check = [&](const QByteArray &bytes) -> bool {
        QStringDecoder icu(kCodecName, QStringConverter::Flag::Stateless);
        const QString expected = icu.decode(asIcuReadsThem(bytes));
        const auto own = cp932::decode(bytes);
        const auto line = cp932::decodeLine(bytes);
        if (icu.hasError() != !own.error.isEmpty() || expected != own.text ||
            line.has_value() == icu.hasError() || (line && *line != expected)) {
            QTest::qFail(qPrintable(u"bytes %1: ICU reads %2%3, the converter %4%5"_s.arg(
                             QString::fromLatin1(bytes.toHex(' ')), hexOf(expected),
                             icu.hasError() ? u" (error)"_s : QString(), hexOf(own.text),
                             own.error.isEmpty() ? QString() : u" (error)"_s)),
                         __FILE__, __LINE__);
            return false;
        }
        ++checked;
        return true;
    };
    for (int a = 0; a < 256; ++a) {
        if (!check(QByteArray(1, char(a)))) return;
        for (int b = 0; b < 256; ++b)
            if (!check(QByteArray(1, char(a)) + char(b))) return;
    }
    QCOMPARE(checked, 256 + 256 * 256);
}

void Cp932Converter::sameAsIcuForEveryCharacter()
{
    if (!QStringEncoder(kCodecName).isValid()) QSKIP("no ICU windows-31j converter on this system");
    int encodable = 0;
    auto check = [&](const QString &text) -> bool {
        QStringEncoder icu(kCodecName, QStringConverter::Flag::Stateless);
        const QByteArray expected = asWindowsWritesThem(icu.encode(text));
        const auto own = cp932::encode(text);
        const auto line = cp932::encodeLine(text);
        const auto first = cp932::firstUnencodable(text);
        if (icu.hasError() != !own.error.isEmpty() || expected != own.bytes ||
            line.has_value() == icu.hasError() || (line && *line != expected) ||
            first.has_value() != icu.hasError()) {
            QTest::qFail(
                qPrintable(u"text %1: ICU writes %2%3, the converter %4%5"_s.arg(
                    hexOf(text), QString::fromLatin1(expected.toHex(' ')),
                    icu.hasError() ? u" (error)"_s : QString(), QString::fromLatin1(own.bytes.toHex(' ')),
                    own.error.isEmpty() ? QString() : u" (error)"_s)),
                __FILE__, __LINE__);
            return false;
        }
        if (!icu.hasError()) ++encodable;
        return true;
    };
    for (char32_t cp = 0; cp <= 0xFFFF; ++cp)
        if (!check(QString(QChar(char16_t(cp))))) return;
    // A sample of the other planes, every tag character among them.
    for (char32_t cp = 0x10000; cp <= 0x10FFFF; cp += 97) {
        const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
        if (!check(QString(pair, 2))) return;
    }
    for (char32_t cp = 0xE0000; cp <= 0xE0FFF; cp += 5) {
        const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
        if (!check(QString(pair, 2))) return;
    }
    // Characters of code page 932: the ASCII range, the half-width katakana and the pairs.
    QVERIFY2(encodable > 7000, qPrintable(QString::number(encodable)));
}

void Cp932Converter::sameAsIcuForMixedLines()
{
    if (!QStringDecoder(kCodecName).isValid()) QSKIP("no ICU windows-31j converter on this system");
    // Lines of bytes picked to hit lead bytes, trail bytes and bad bytes next to each other,
    // and lines of characters mixing writable ones, unwritable ones and lone surrogates.
    QRandomGenerator random(932);
    const QByteArray interesting(
        "\x81\x82\x85\x87\x9f\xe0\xed\xee\xef\xf0\xfa\xfc\x40\x7e\x7f\x80\xa0\xa1\xdf\xfd"
        "\xfe\xff\x00\x1a\x20\x3f\x5c");
    const char16_t characters[] = {'a',    0x5C,   0x7E,   0x3042, 0x4E9C, 0x2235, 0x7E8A, 0xFF71, 0xFF5E,
                                   0x301C, 0x00A5, 0x200B, 0xFEFF, 0xD83D, 0xDE00, 0xE000, 0xF8F0, 0xAC00};
    for (int n = 0; n < 20000; ++n) {
        QByteArray bytes;
        const int length = random.bounded(1, 12);
        for (int i = 0; i < length; ++i)
            bytes += random.bounded(2) ? interesting.at(random.bounded(int(interesting.size())))
                                       : char(random.bounded(256));
        QStringDecoder icuDecoder(kCodecName, QStringConverter::Flag::Stateless);
        const QString expectedText = icuDecoder.decode(asIcuReadsThem(bytes));
        const auto decoded = cp932::decode(bytes);
        QCOMPARE(decoded.error.isEmpty(), !icuDecoder.hasError());
        QCOMPARE(hexOf(decoded.text), hexOf(expectedText));

        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(characters[random.bounded(int(std::size(characters)))]);
        QStringEncoder icuEncoder(kCodecName, QStringConverter::Flag::Stateless);
        const QByteArray expectedBytes = asWindowsWritesThem(icuEncoder.encode(text));
        const auto encoded = cp932::encode(text);
        QCOMPARE(encoded.error.isEmpty(), !icuEncoder.hasError());
        QCOMPARE(encoded.bytes.toHex(' '), expectedBytes.toHex(' '));
    }
}

QTEST_APPLESS_MAIN(Cp932Converter)
#include "tst_cp932.moc"
