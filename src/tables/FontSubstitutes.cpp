#include "tables/FontSubstitutes.h"

#include "tables/Canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>

using namespace Qt::StringLiterals;

namespace tables::fonts {

void registerSubstitutes()
{
#ifdef Q_OS_WIN
    // A Windows not in Japanese lists the faces by their English names.
    QFont::insertSubstitutions(proportionalGothic(), {u"MS PGothic"_s, u"Meiryo UI"_s, u"Yu Gothic UI"_s});
    QFont::insertSubstitutions(gothic(), {u"MS Gothic"_s, u"BIZ UDGothic"_s});
#endif
    // The free faces, on Linux and wherever Windows lacks the faces above (as under Wine).
    QFont::insertSubstitutions(proportionalGothic(),
                               {u"IPAPGothic"_s, u"IPAexGothic"_s, u"VL PGothic"_s, u"Noto Sans CJK JP"_s});
    QFont::insertSubstitutions(gothic(), {u"IPAGothic"_s, u"VL Gothic"_s, u"Noto Sans Mono CJK JP"_s});
}

QString installedFamily(const QString &face)
{
    static QHash<QString, QString> found;
    auto it = found.constFind(face);
    if (it != found.constEnd()) return *it;
    // The installed families as listed, without resolving the name through the system's
    // aliases (which costs a font match for a name that is not installed).
    const QStringList installed = QFontDatabase::families();
    QString family = face;
    if (!installed.contains(face, Qt::CaseInsensitive)) {
        for (const QString &substitute : QFont::substitutes(face)) {
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                family = substitute;
                break;
            }
        }
    }
    found.insert(face, family);
    return family;
}

} // namespace tables::fonts
