#include "gui/ProgramIcon.h"

using namespace Qt::StringLiterals;

// Outside any namespace, as Qt's resource initialiser requires.
static void loadResources()
{
    // The pictures live in a static library; naming them here keeps the linker from dropping them.
    Q_INIT_RESOURCE(kmtx);
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        loadResources();
        QIcon i;
        for (int size : {16, 32, 48, 64, 128, 256})
            i.addFile(u":/kmtx/kmtx-%1.png"_s.arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}
