#pragma once
// The score record of every place (group, party row, slot) and the name and team of
// the player who stood there when the party was last drawn.

#include "grouping/Counts.h"

#include <QString>
#include <array>

struct ScoreSlot {
    QString Summary; // "OneStrokes,TwoStrokes,Total", "#" when cleared
    QString OneStrokes;
    QString TwoStrokes;
    QString Total;
    QString Entries;

    static ScoreSlot cleared();
    // A record of the figures given, with the summary made of them.
    static ScoreSlot recorded(const QString &entries, const QString &oneStrokes, const QString &twoStrokes,
                              const QString &total);
    friend bool operator==(const ScoreSlot &, const ScoreSlot &) = default;
};

inline constexpr int GroupsMax = grouping::Groups;
inline constexpr int PartiesMax = grouping::Parties;
inline constexpr int SlotsMax = grouping::Slots;

template <typename T>
using PlaceArray = std::array<std::array<std::array<T, SlotsMax>, PartiesMax>, GroupsMax>;
using ScoreSlotArray = PlaceArray<ScoreSlot>;
using SlotTextArray = PlaceArray<QString>;

namespace scoring {
// The largest figures a record holds: the rank key of the result table has seven digits for
// counts (entries, one-stroke and two-stroke holes) up to 99 and totals up to 899.
inline constexpr int MaxCount = 99;
inline constexpr int MaxTotal = 899;

// Every record of group g (0..3) to its cleared value.
void clearGroup(ScoreSlotArray &records, int g);
// Every slot text of every group emptied.
void clearTexts(SlotTextArray &texts);
} // namespace scoring
