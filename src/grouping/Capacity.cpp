#include "grouping/Capacity.h"

#include "grouping/Counts.h"

namespace grouping::capacity {

Verdict check(int groups, int parties, int players, bool sixFrame)
{
    const long long places = static_cast<long long>(groups) * parties;
    if (grouping::Slots * places < players) return Verdict::Overfull;
    // More parties than players and a too small six-player frame exclude each other.
    if (places > players) return Verdict::TooManyParties;
    if (sixFrame && 6 * places < players) return Verdict::AskEightFrame;
    return Verdict::Fits;
}

} // namespace grouping::capacity
