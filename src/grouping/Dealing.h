#pragma once
// Dealing: draw one item out of a pool, give it to the group or party the cursor points
// at, advance the cursor. Items drawn one after another go to successive targets, so the
// sizes of the targets never differ by more than one among the items of one run.

#include <QStringList>
#include <functional>
#include <span>

namespace grouping::dealing {

// A position p with 0 <= p < range, for taking one item out of a pool of `range` items.
using DrawPosition = std::function<int(int range)>;

// The rotating cursor, 1-based: after each placement it moves on by one and wraps from
// `wrap` back to 1.
class Cursor
{
public:
    explicit Cursor(int wrap, int start = 1) : m_wrap(wrap), m_value(start) {}
    int value() const { return m_value; }
    int wrap() const { return m_wrap; }
    void setWrap(int wrap) { m_wrap = wrap; }
    void advance() { m_value = m_value >= m_wrap ? 1 : m_value + 1; }

private:
    int m_wrap;
    int m_value;
};

// Takes the item at position p (brought into range) out of the pool.
QString take(QStringList &pool, int p);

enum class Placement { Append, InFront };

struct DealResult {
    QStringList placed; // the items given to a target, in the order drawn
    bool full = false;  // stopped: the target of the last drawn item was full
};

// Deals the whole pool out into targets[cursor - 1]. With a capacity above 0, an item
// whose target already holds `capacity` items stops the dealing: that item has been
// taken out of the pool but is not placed, and the cursor stays where it was.
DealResult deal(QStringList &pool, std::span<QStringList> targets, Cursor &cursor, const DrawPosition &draw,
                int capacity = 0, Placement placement = Placement::Append);

} // namespace grouping::dealing
