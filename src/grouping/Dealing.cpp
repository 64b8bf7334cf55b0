#include "grouping/Dealing.h"

namespace grouping::dealing {

QString take(QStringList &pool, int p)
{
    if (pool.isEmpty()) return {};
    const qsizetype range = pool.size();
    qsizetype at = p % range;
    if (at < 0) at += range;
    return pool.takeAt(at);
}

DealResult deal(QStringList &pool, std::span<QStringList> targets, Cursor &cursor, const DrawPosition &draw,
                int capacity, Placement placement)
{
    DealResult result;
    while (!pool.isEmpty()) {
        const QString item = take(pool, draw(static_cast<int>(pool.size())));
        const auto target = static_cast<std::size_t>(cursor.value() - 1);
        if (target >= targets.size() || (capacity > 0 && targets[target].size() >= capacity)) {
            result.full = true;
            return result;
        }
        if (placement == Placement::InFront)
            targets[target].prepend(item);
        else
            targets[target].append(item);
        result.placed << item;
        cursor.advance();
    }
    return result;
}

} // namespace grouping::dealing
