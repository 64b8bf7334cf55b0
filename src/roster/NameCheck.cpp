#include "roster/NameCheck.h"

#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace roster {

namespace {
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f); }
} // namespace

std::optional<QString> forbiddenCharacter(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, width);
        const char32_t code =
            width == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        if (code == u',' || code == u' ' || isControl(code)) return character;
        if (i == 0 && (code == u'"' || code == u'$')) return character;
        if (text::cp932::firstUnencodable(character)) return character;
        i += width;
    }
    return std::nullopt;
}

QString forbiddenCharacterMessage(const QString &fieldName, const QString &character)
{
    if (character == u"\""_s || character == u"$"_s)
        return fieldName + u"の先頭に「"_s + character + u"」は使えません"_s;
    if (character == u" "_s) return fieldName + u"に半角スペースは使えません（全角スペースは使えます）"_s;
    const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                                                : (character.isEmpty() ? 0 : character.at(0).unicode());
    if (isControl(code))
        return fieldName + u"に制御文字（U+"_s + u"%1"_s.arg(uint(code), 4, 16, QChar(u'0')).toUpper() +
               u"）は使えません"_s;
    return fieldName + u"に使えない文字「"_s + character + u"」が含まれています"_s;
}

} // namespace roster
