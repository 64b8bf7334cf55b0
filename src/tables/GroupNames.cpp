#include "tables/GroupNames.h"

#include "text/Cp932.h"

#include <QSettings>
#include <QStringList>
#include <memory>

using namespace Qt::StringLiterals;

namespace tables::groupnames {

QString organisation() { return u"Tobra"_s; }
QString application() { return u"Kmtx"_s; }
QString section() { return u"Kmtx"_s; }
QString key(int g) { return u"Grp"_s + QChar(u'A' + g); }

std::array<QString, Count> readFromSettings()
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
    const auto settings =
        prefix.isEmpty()
            ? std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope, organisation(),
                                          application())
            : std::make_unique<QSettings>(u"HKEY_CURRENT_USER\\Software"_s, QSettings::NativeFormat);
    std::array<QString, Count> names;
    for (int g = 0; g < Count; ++g) {
        const QString path = prefix + section() + u'/' + key(g);
        names[g] = settings->contains(path) ? settings->value(path).toString() : QString(QChar(u'A' + g));
    }
    return names;
}

void keepSettingsIn(const QString &folder)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, folder);
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
