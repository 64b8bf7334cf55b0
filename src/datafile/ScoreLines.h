#pragma once
// The score lines of the data file: one line per party, the group letter and then,
// for each of the eight slots, either Entries, OneStrokes, TwoStrokes, Total, Name and
// Team (a slot with a player) or "#", "0", "0", "0" and an empty field.

#include "scoring/ScoreSlots.h"

#include <QStringList>
#include <array>
#include <optional>

namespace datafile {

// The lines of every group from the records and slot texts; a group's lines stop at
// the first party whose slot 1 has no player.
std::array<QStringList, GroupsMax> buildScoreLines(const ScoreSlotArray &records, const SlotTextArray &texts);

struct ScoreLineError {
    int group = 0; // 0..3
    int index = 0; // 0-based line within the group's section
    QString what;
};

// What is wrong with the first damaged score line, if any; nothing is read into records.
std::optional<ScoreLineError> checkScoreLines(const std::array<QStringList, GroupsMax> &lines);

// Fills the records and slot texts of every group from its score lines. Records not
// named by a line keep what they hold. Nothing is changed when a line is damaged.
std::optional<ScoreLineError> applyScoreLines(const std::array<QStringList, GroupsMax> &lines,
                                              ScoreSlotArray &records, SlotTextArray &texts);

} // namespace datafile
