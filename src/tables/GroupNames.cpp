#include "tables/GroupNames.h"

#include "text/Cp932.h"

#include <QSettings>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace tables::groupnames {

QString organisation() { return u"Tobra"_s; }
QString application() { return u"Kmtx"_s; }
QString section() { return u"Kmtx"_s; }
QString key(int g) { return u"Grp"_s + QChar(u'A' + g); }

std::array<QString, Count> readFromSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organisation(), application());
    std::array<QString, Count> names;
    for (int g = 0; g < Count; ++g) {
        const QString path = section() + u'/' + key(g);
        names[g] = settings.contains(path) ? settings.value(path).toString() : QString(QChar(u'A' + g));
    }
    return names;
}

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
