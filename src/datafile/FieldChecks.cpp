#include "datafile/FieldChecks.h"

#include "roster/NameCheck.h"
#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace datafile {

namespace {
constexpr qsizetype kShownLength = 20;

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }
} // namespace

QString shown(QStringView field)
{
    QString text = field.left(kShownLength).toString();
    for (QChar &c : text)
        if (isControl(c)) c = u'?';
    if (text.size() > 0 && text.back().isHighSurrogate()) text.chop(1);
    if (field.size() > kShownLength) text += u'…';
    return text;
}

std::optional<int> decimalIn(QStringView field, int low, int high)
{
    if (field.isEmpty() || field.size() > 9) return std::nullopt;
    int value = 0;
    for (QChar c : field) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

QString splittingFault(QStringView field, const FieldName &fieldName)
{
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c.unicode() <= 0x20 || (i == 0 && c == u'"'))
            return roster::forbiddenCharacterMessage(fieldName(), QString(c));
    }
    return {};
}

QString lengthFault(const QString &field, int maxBytes, const FieldName &fieldName)
{
    // No character takes more than two bytes: a short field needs no counting.
    if (2 * field.size() <= maxBytes || text::cp932::byteLength(field) <= maxBytes) return {};
    // A field of a few bytes is told in bytes alone; a name also in full-width characters.
    if (maxBytes < 10) return u"%1が長すぎます（%2バイトまでです）"_s.arg(fieldName()).arg(maxBytes);
    return u"%1が長すぎます（%2バイト、全角%3文字までです）"_s.arg(fieldName())
        .arg(maxBytes)
        .arg(maxBytes / 2);
}

QString nameFault(const QString &field, int maxBytes, const FieldName &fieldName)
{
    QString probe = field;
    if (probe.startsWith(u'$')) probe[0] = u'x';
    const std::optional<QString> bad = roster::forbiddenCharacter(probe);
    return bad ? roster::forbiddenCharacterMessage(fieldName(), *bad)
               : lengthFault(field, maxBytes, fieldName);
}

QString particularFault(const QString &line, int maxBytes, const QString &label)
{
    const FieldName fieldName = [&] { return u"%1「%2」"_s.arg(label, shown(line)); };
    for (QChar c : line)
        if (isControl(c)) return roster::forbiddenCharacterMessage(fieldName(), QString(c));
    return lengthFault(line, maxBytes, fieldName);
}

QStringList plainFields(QStringView line, qsizetype limit)
{
    QStringList fields;
    qsizetype start = 0;
    while (fields.size() < limit) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0) break;
        fields << line.sliced(start, comma - start).toString();
        start = comma + 1;
    }
    fields << line.sliced(start).toString();
    return fields;
}

} // namespace datafile
