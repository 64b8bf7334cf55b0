#pragma once
// The capacity check of a division: do G groups of K parties hold P players?

namespace grouping::capacity {

enum class Verdict {
    Fits,           // nothing to say
    Overfull,       // more players than 8 × G × K
    AskEightFrame,  // the six-player frame is too small, eight would do
    TooManyParties, // more parties than players
};

Verdict check(int groups, int parties, int players, bool sixFrame);

} // namespace grouping::capacity
