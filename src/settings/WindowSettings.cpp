#include "settings/WindowSettings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace settings {

QString organisation() { return u"Tobra"_s; }
QString application() { return u"Kmtx"_s; }
QString section() { return u"Kmtx"_s; }
QString groupNameKey(int g) { return u"Grp"_s + QChar(u'A' + g); }

std::array<QString, grouping::Groups> readGroupNames()
{
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, organisation(), application());
    std::array<QString, grouping::Groups> names;
    for (int g = 0; g < grouping::Groups; ++g) {
        const QString path = section() + u'/' + groupNameKey(g);
        names[g] = stored.contains(path) ? stored.value(path).toString() : QString(QChar(u'A' + g));
    }
    return names;
}

} // namespace settings
