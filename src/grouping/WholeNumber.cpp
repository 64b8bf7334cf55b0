#include "grouping/WholeNumber.h"

namespace grouping {

std::optional<int> wholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
            digit = c.unicode() - 0xFF10;
        if (digit < 0) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace grouping
