#include "roster/MemberSearch.h"

namespace roster {

QString searchKey(const QString &text)
{
    // Compatibility forms become their usual ones: full-width letters and digits half-width,
    // half-width katakana (with their voicing marks) full-width.
    const QString usual = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    QString key;
    key.reserve(usual.size());
    for (QChar c : usual) {
        if (c.isSpace()) continue;
        const char16_t u = c.unicode();
        // Katakana ァ … ヶ and the iteration marks ヽ ヾ as their hiragana.
        if ((u >= 0x30A1 && u <= 0x30F6) || u == 0x30FD || u == 0x30FE)
            key += QChar(char16_t(u - 0x60));
        else
            key += c;
    }
    return key;
}

bool matchesSearch(const Member &member, const QString &key)
{
    return !key.isEmpty() && (searchKey(member.Name).contains(key) || searchKey(member.Team).contains(key));
}

} // namespace roster
