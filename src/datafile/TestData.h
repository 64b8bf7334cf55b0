#pragma once
// The built-in test data: 120 sample members, the sample particulars and the sample
// score of one slot.

#include "scoring/ScoreSlots.h"

#include <QString>
#include <QStringList>

namespace datafile::testdata {

inline const QString TournamentName = QStringLiteral("なかよし会親睦大会");
inline const QString CourseName = QStringLiteral("桜が丘グラウンド");

// Six blocks of twenty members, numbers 11 to 30 in each block.
QStringList sampleMemberLines();

// The record of one filled slot from one draw r (0 to 32767).
ScoreSlot sampleScore(int r);

} // namespace datafile::testdata
