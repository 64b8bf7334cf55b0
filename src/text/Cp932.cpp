#include "text/Cp932.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace text::cp932 {

namespace {

constexpr const char *kCodecName = "windows-31j";

int charBytes(char32_t cp)
{
    if (cp < 0x80) return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1; // half-width katakana
    return 2;
}

bool encodable(const QString &oneChar)
{
    QStringEncoder encoder(kCodecName);
    if (!encoder.isValid()) return false;
    const QByteArray bytes = encoder.encode(oneChar);
    return !encoder.hasError() && !bytes.isEmpty();
}

} // namespace

QString unavailableMessage() { return u"この環境ではShift-JISの変換が使えません"_s; }

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
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString one = text.mid(i, pair ? 2 : 1);
        if (one.at(0).unicode() >= 0x80 && !encodable(one)) return one;
        i += pair ? 2 : 1;
    }
    return std::nullopt;
}

Encoded encode(const QString &text)
{
    Encoded result;
    QStringEncoder encoder(kCodecName);
    if (!encoder.isValid()) {
        result.error = unavailableMessage();
        return result;
    }
    result.bytes = encoder.encode(text);
    if (encoder.hasError()) {
        const auto bad = firstUnencodable(text);
        result.error = u"Shift-JISで保存できない文字があります: "_s + bad.value_or(QString());
    }
    return result;
}

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        result.error = unavailableMessage();
        return result;
    }
    result.text = decoder.decode(bytes);
    if (decoder.hasError()) result.error = u"Shift-JISとして読めないバイトがあります"_s;
    return result;
}

struct LineConverter::Converters {
    QStringDecoder decoder{kCodecName, QStringConverter::Flag::Stateless};
    QStringEncoder encoder{kCodecName, QStringConverter::Flag::Stateless};
};

LineConverter::LineConverter() : m_converters(std::make_unique<Converters>()) {}
LineConverter::~LineConverter() = default;

bool LineConverter::isValid() const { return m_converters->decoder.isValid() && m_converters->encoder.isValid(); }

std::optional<QString> LineConverter::decode(const QByteArray &line)
{
    QStringDecoder &decoder = m_converters->decoder;
    QString text = decoder.decode(line);
    if (decoder.hasError()) {
        decoder.resetState();
        return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> LineConverter::encode(const QString &line)
{
    QStringEncoder &encoder = m_converters->encoder;
    QByteArray bytes = encoder.encode(line);
    if (encoder.hasError()) {
        encoder.resetState();
        return std::nullopt;
    }
    return bytes;
}

} // namespace text::cp932
