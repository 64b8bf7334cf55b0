#include "tables/FontSubstitutes.h"

#include "tables/Canvas.h"

#include <QFont>

using namespace Qt::StringLiterals;

namespace tables::fonts {

void registerSubstitutes()
{
#ifdef Q_OS_WIN
    QFont::insertSubstitutions(proportionalGothic(), {u"MS PGothic"_s, u"Meiryo UI"_s, u"Yu Gothic UI"_s});
    QFont::insertSubstitutions(gothic(), {u"MS Gothic"_s, u"BIZ UDGothic"_s});
#else
    QFont::insertSubstitutions(proportionalGothic(),
                               {u"IPAPGothic"_s, u"IPAexGothic"_s, u"VL PGothic"_s, u"Noto Sans CJK JP"_s});
    QFont::insertSubstitutions(gothic(), {u"IPAGothic"_s, u"VL Gothic"_s, u"Noto Sans Mono CJK JP"_s});
#endif
}

} // namespace tables::fonts
