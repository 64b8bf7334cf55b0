#pragma once
// The combination grid shared by the combination table (組み合わせ表), the score-entry
// sheet (得点入力表) and the score check sheet (得点確認表): a heading row and twelve party
// rows, one column per slot, each filled cell holding a player's name (and, on the
// combination table, the team above it; on the check sheet, the entries above it as the
// score-entry screen shows them).

#include "grouping/Counts.h"
#include "scoring/ScoreSlots.h"
#include "tables/SheetUnits.h"
#include "tables/TableOptions.h"

#include <QList>
#include <array>
#include <optional>

class Canvas;

namespace tables {

enum class GridKind { Combination, ScoreEntry, ScoreCheck };

struct GridInput {
    GridKind kind = GridKind::Combination;
    Particulars particulars;
    QString groupName; // the group's display name (empty when none is chosen)
    std::array<QList<Player>, grouping::Parties> parties; // parties 1..12, players in slot order
    bool writeNames = true; // false while no group is chosen: no names, nothing recorded
    // The check sheet: the records of the group's places, parties 1..12, slots 1..8.
    std::array<std::array<ScoreSlot, grouping::Slots>, grouping::Parties> records;
};

struct GridResult {
    // KumiSlotText of every filled slot: name "," team; slots left empty keep their text.
    std::array<std::array<std::optional<QString>, grouping::Slots>, grouping::Parties> slotTexts;
    int columnWidth = 0; // pixels
    int columns = 0;     // 6 or 8
    int bottom = 0;      // y of the bottom line, pixels
    // A party of more than six under ６人枠 was met: its row stays empty and the rest are
    // drawn under ８人枠, which the caller ticks.
    bool switchedToEightFrame = false;
};

GridResult drawCombinationGrid(Canvas &canvas, sheet::Scale s, const TableOptions &options,
                               const GridInput &in);

// What a placed player's cell of the check sheet shows: the entries as the score-entry
// screen shows them ("(2)3,3,78"), or "未入力" while the place holds none.
QString checkCellText(const ScoreSlot &record);

// The first 14 bytes of a team name, cut on a character boundary.
QString teamCut(const QString &team);

} // namespace tables
