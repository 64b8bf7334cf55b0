#include "gui/ProgramIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <map>

using namespace Qt::StringLiterals;

// Outside any namespace, as Qt's resource initialiser requires.
static void loadResources()
{
    // The pictures live in a static library; naming them here keeps the linker from dropping them.
    Q_INIT_RESOURCE(kmtx);
}

namespace {

const int kSizes[] = {16, 32, 48, 64, 128, 256};

// The icon's pictures, each read the first time its size is asked for: a window that never
// shows its icon (or shows only one size of it) reads no other picture.
class ProgramIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        // The smallest picture at least as large as asked for, else the largest, made
        // smaller where needed.
        int side = kSizes[std::size(kSizes) - 1];
        for (int s : kSizes) {
            if (s >= size.width() && s >= size.height()) {
                side = s;
                break;
            }
        }
        QPixmap &read = m_read[side];
        if (read.isNull()) read = QPixmap(u":/kmtx/kmtx-%1.png"_s.arg(side));
        QPixmap pm = read;
        if (pm.width() > size.width() || pm.height() > size.height())
            pm = pm.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && QApplication::style()) {
            const QStyleOption option;
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        return pm;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int largest = kSizes[std::size(kSizes) - 1];
        return size.boundedTo(QSize(largest, largest));
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int s : kSizes) sizes << QSize(s, s);
        return sizes;
    }
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return u"kmtx-program"_s; }

private:
    std::map<int, QPixmap> m_read;
};

} // namespace

QIcon programIcon()
{
    static const QIcon icon = [] {
        loadResources();
        return QIcon(new ProgramIconEngine);
    }();
    return icon;
}
