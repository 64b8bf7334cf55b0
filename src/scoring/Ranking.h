#pragma once
// The ranking of the result table: every player with entries, over all four groups,
// ordered by total strokes, then by more one-stroke holes, then by more two-stroke holes;
// after them every placed player still without an entry.

#include "scoring/ScoreSlots.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace scoring {

// Which counts take part in the order (the result table's two check boxes).
struct RankOptions {
    bool oneStrokes = true; // 一打を順位判定に含める
    bool twoStrokes = true; // 二打を順位判定に含める
    friend bool operator==(const RankOptions &, const RankOptions &) = default;
};

// 1000000 + total × 10000 + (99 − one-stroke holes) × 100 + (99 − two-stroke holes),
// as decimal text; a count left out of the order counts as 0. Nothing when a figure is
// not a whole number.
std::optional<QString> RankKey(const ScoreSlot &slot, RankOptions options);

// One place that could not be ranked because a figure is not a whole number.
struct RankingError {
    int group = 0; // 0..3
    int party = 0; // 0..11
    int slot = 0;  // 0..7
    QString message() const;
};

// Where a player stands: group 0..3, party 0..11, slot 0..7.
struct Place {
    int group = 0;
    int party = 0;
    int slot = 0;
    friend bool operator==(const Place &, const Place &) = default;
};

struct Ranking {
    // "RankKey,OneStrokes,TwoStrokes,Total,name,team" in ascending case-insensitive
    // text order; record k has rank k + 1.
    QStringList RankList;
    // ",,,,name,team" of every placed player without an entry, in group, party and slot
    // order: listed after the ranked players, without a rank.
    QStringList Unentered;
    // The place of each record of RankList and of Unentered, in the same order.
    QList<Place> RankPlaces;
    QList<Place> UnenteredPlaces;
    std::optional<RankingError> error;

    // The rows of the result table: the ranked players, then the unentered ones.
    QStringList rows() const { return RankList + Unentered; }
    // The place of each row.
    QList<Place> places() const { return RankPlaces + UnenteredPlaces; }
};

// Walks groups A..D, parties 1..12, slots 1..8. A place with entries is ranked; a place
// the combination puts a player in (its slot text) without entries is unentered; any
// other place is skipped. Equal records keep the order in which they were met.
Ranking rankPlayers(const ScoreSlotArray &records, const SlotTextArray &slotTexts, RankOptions options);

// Inserts a record at its sorted place, after any equal one.
void insertSorted(QStringList &list, const QString &record);

// The fields of one record: key, one-stroke, two-stroke, total, name, team.
struct RankedPlayer {
    QString key;
    QString oneStrokes;
    QString twoStrokes;
    QString total;
    QString name;
    QString team;
    bool ranked() const { return !key.isEmpty(); }
};
RankedPlayer splitRecord(const QString &record);

// What the rank column shows for record k (0-based) of the table's rows.
QString rankText(const RankedPlayer &player, qsizetype k);

} // namespace scoring
