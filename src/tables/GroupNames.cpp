#include "tables/GroupNames.h"

#include "text/Cp932.h"

#include <QStringList>

namespace tables::groupnames {

std::optional<std::array<QString, Count>> parseList(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != Count) return std::nullopt;
    std::array<QString, Count> names;
    for (int g = 0; g < Count; ++g) {
        if (text::cp932::firstUnencodable(parts.at(g)) || text::cp932::byteLength(parts.at(g)) > 10)
            return std::nullopt;
        names[g] = parts.at(g);
    }
    return names;
}

} // namespace tables::groupnames
