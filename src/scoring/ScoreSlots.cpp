#include "scoring/ScoreSlots.h"

using namespace Qt::StringLiterals;

ScoreSlot ScoreSlot::cleared() { return ScoreSlot{u"#"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}; }

namespace scoring {

void clearGroup(ScoreSlotArray &records, int g)
{
    if (g < 0 || g >= GroupsMax) return;
    for (auto &party : records[g])
        for (auto &slot : party) slot = ScoreSlot::cleared();
}

void clearTexts(SlotTextArray &texts)
{
    for (auto &group : texts)
        for (auto &party : group)
            for (auto &text : party) text.clear();
}

} // namespace scoring
