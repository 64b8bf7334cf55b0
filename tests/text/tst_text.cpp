// The text rules every reader and writer relies on: code page 932 byte counts and
// cuts, encoding with errors reported, the comma-text rule and the generator.
#include "text/CommaText.h"
#include "text/Cp932.h"
#include "text/Random.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace cp932 = text::cp932;

class TextRules : public QObject
{
    Q_OBJECT
private slots:
    void byteLength_data();
    void byteLength();
    void cutNeverSplitsACharacter_data();
    void cutNeverSplitsACharacter();
    void encodingReportsWhatCannotBeHeld();
    void decodingReportsBrokenBytes();
    void commaSplitting_data();
    void commaSplitting();
    void generatorSequence();
    void generatorRepeatsForTheSameSeed();
};

void TextRules::byteLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("ascii") << u"abc"_s << 3;
    QTest::newRow("kanji") << u"山田"_s << 4;
    QTest::newRow("full-width space") << u"山田　太郎"_s << 10;
    QTest::newRow("half-width katakana") << u"ｶﾀｶﾅ"_s << 4;
    QTest::newRow("mixed") << u"A組"_s << 3;
}

void TextRules::byteLength()
{
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(cp932::byteLength(text), bytes);
}

void TextRules::cutNeverSplitsACharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("cut");
    QTest::newRow("fits") << u"山田"_s << 14 << u"山田"_s;
    QTest::newRow("seven full-width in 14") << u"一二三四五六七八"_s << 14 << u"一二三四五六七"_s;
    QTest::newRow("odd limit stops before a double-byte") << u"aあいう"_s << 4 << u"aあ"_s;
    QTest::newRow("ten half-width in 10") << u"abcdefghijk"_s << 10 << u"abcdefghij"_s;
    QTest::newRow("five full-width in 10") << u"あいうえおか"_s << 10 << u"あいうえお"_s;
    QTest::newRow("zero") << u"abc"_s << 0 << QString();
}

void TextRules::cutNeverSplitsACharacter()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, cut);
    QCOMPARE(cp932::cutToBytes(text, limit), cut);
    QVERIFY(cp932::byteLength(cp932::cutToBytes(text, limit)) <= limit);
}

void TextRules::encodingReportsWhatCannotBeHeld()
{
    const auto fine = cp932::encode(u"山田　太郎①"_s);
    QVERIFY(fine.error.isEmpty());
    QCOMPARE(fine.bytes, QByteArray("\x8e\x52\x93\x63\x81\x40\x91\xbe\x98\x59\x87\x40"));

    QCOMPARE(cp932::firstUnencodable(u"山田"_s), std::nullopt);
    QCOMPARE(cp932::firstUnencodable(u"山😀田"_s), std::optional<QString>(u"😀"_s));
    QCOMPARE(cp932::firstUnencodable(u"한글"_s), std::optional<QString>(u"한"_s));
    const auto bad = cp932::encode(u"山😀"_s);
    QVERIFY(!bad.error.isEmpty());
}

void TextRules::decodingReportsBrokenBytes()
{
    const auto good = cp932::decode(QByteArray("\x8e\x52\x93\x63,abc"));
    QVERIFY(good.error.isEmpty());
    QCOMPARE(good.text, u"山田,abc"_s);
    const auto broken = cp932::decode(QByteArray("\x8e\x52\x81", 3));
    QVERIFY(!broken.error.isEmpty());
}

void TextRules::commaSplitting_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("plain") << u"a,b,c"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("empty middle") << u"a,,c"_s << QStringList{u"a"_s, QString(), u"c"_s};
    QTest::newRow("trailing comma adds an empty field")
        << u"a,b,"_s << QStringList{u"a"_s, u"b"_s, QString()};
    QTest::newRow("two trailing commas") << u"a,,"_s << QStringList{u"a"_s, QString(), QString()};
    QTest::newRow("blanks after the last comma add no field") << u"a,b, "_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blanks before the last comma") << u"a,b ,"_s << QStringList{u"a"_s, u"b"_s, QString()};
    QTest::newRow("half-width blank ends a field")
        << u"山田 太郎,b"_s << QStringList{u"山田"_s, u"太郎"_s, u"b"_s};
    QTest::newRow("full-width blank is content") << u"山田　太郎,b"_s << QStringList{u"山田　太郎"_s, u"b"_s};
    QTest::newRow("leading blanks skipped") << u"  a, b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("quoted") << u"\"a,b\",c"_s << QStringList{u"a,b"_s, u"c"_s};
    QTest::newRow("quotes inside a quoted field")
        << u"x,\"say \"\"hi\"\"\"tail,\"\""_s << QStringList{u"x"_s, u"say \"hi\"tail"_s, QString()};
    QTest::newRow("many fields")
        << u"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"_s
        << QString(u"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"_s).split(u',');
    QTest::newRow("empty line") << QString() << QStringList{};
}

void TextRules::commaSplitting()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(text::commatext::split(line), fields);
    // The fields looked at in place are the same fields.
    const text::commatext::Fields inPlace(line);
    QStringList viewed;
    for (qsizetype i = 0; i < inPlace.size(); ++i) viewed << inPlace.at(i).toString();
    QCOMPARE(viewed, fields);
}

void TextRules::generatorSequence()
{
    // state = state * 22695477 + 1; results are bits 16..30; seeding discards one result.
    Random r;
    r.seed(0);
    std::uint32_t state = 0;
    state = state * 22695477u + 1u; // the discarded result
    for (int i = 0; i < 5; ++i) {
        state = state * 22695477u + 1u;
        QCOMPARE(r.next(), int((state >> 16) & 0x7FFF));
    }
    Random known;
    known.seed(1);
    // 1 -> 22695478 (discarded) -> 22695478*22695477+1 mod 2^32
    const std::uint32_t s2 = 22695478u * 22695477u + 1u;
    QCOMPARE(known.next(), int((s2 >> 16) & 0x7FFF));
}

void TextRules::generatorRepeatsForTheSameSeed()
{
    Random a, b;
    a.seed(1765101600u);
    b.seed(1765101600u);
    for (int i = 0; i < 100; ++i) {
        const int v = a.next();
        QVERIFY(v >= 0 && v <= Random::Max);
        QCOMPARE(b.next(), v);
    }
    QCOMPARE(a.below(0), 0);
}

QTEST_APPLESS_MAIN(TextRules)
#include "tst_text.moc"
