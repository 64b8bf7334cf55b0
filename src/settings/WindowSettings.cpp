#include "settings/WindowSettings.h"

#include <QSettings>
#include <memory>

using namespace Qt::StringLiterals;

namespace settings {

QString organisation() { return u"Tobra"_s; }
QString application() { return u"Kmtx"_s; }
QString section() { return u"Kmtx"_s; }
QString groupNameKey(int g) { return u"Grp"_s + QChar(u'A' + g); }

std::array<QString, grouping::Groups> readGroupNames()
{
    // The settings' default format is the native one (the registry on Windows) unless
    // keepSettingsIn chose files.
    QString prefix;
#ifdef Q_OS_WIN
    // A registry key opened through QSettings is created when missing; read below the key every
    // account has, which opens the program's keys for reading only.
    if (QSettings::defaultFormat() == QSettings::NativeFormat)
        prefix = organisation() + u'/' + application() + u'/';
#endif
    const auto stored =
        prefix.isEmpty()
            ? std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope, organisation(),
                                          application())
            : std::make_unique<QSettings>(u"HKEY_CURRENT_USER\\Software"_s, QSettings::NativeFormat);
    std::array<QString, grouping::Groups> names;
    for (int g = 0; g < grouping::Groups; ++g) {
        const QString path = prefix + section() + u'/' + groupNameKey(g);
        names[g] = stored->contains(path) ? stored->value(path).toString() : QString(QChar(u'A' + g));
    }
    return names;
}

void keepSettingsIn(const QString &folder)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, folder);
}

} // namespace settings
