#include "scoring/ScoreSlots.h"

using namespace Qt::StringLiterals;

ScoreSlot ScoreSlot::cleared() { return ScoreSlot{u"#"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}; }

ScoreSlot ScoreSlot::recorded(const QString &entries, const QString &oneStrokes, const QString &twoStrokes,
                              const QString &total)
{
    return ScoreSlot{oneStrokes + u',' + twoStrokes + u',' + total, oneStrokes, twoStrokes, total, entries};
}

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
