#pragma once
// The pieces of the division of the roster into groups A to D: the leaders found in the
// roster lines, the rules for leaders fixed to a group, and the pools of men and women.

#include "grouping/Counts.h"

#include <QStringList>
#include <array>

namespace grouping {

struct LeaderScan {
    QStringList free;                      // lines with the leader mark "on", in list order
    std::array<QStringList, Groups> fixed; // lines fixed to A, B, C, D ("a".."d"), in list order
    int count() const;
};

// The leaders of the roster by their leader mark alone (the play mark is not consulted).
LeaderScan scanLeaders(const QStringList &memberLines);

enum class FixedLeaderProblem {
    None,
    OneGroup,          // one group and any fixed leader
    TwoGroupsWithCOrD, // two groups and leaders fixed to C or D
    TwoGroupsUnequal,  // two groups and A, B counts differ
    FourGroupsUnequal, // four groups and the four counts differ
};

FixedLeaderProblem checkFixedLeaders(int groupCount, const std::array<int, Groups> &fixed);

enum class Sex { Man, Woman };

// The lines of the members who play, lead no group and are of the given sex
// ("男性"/"男" or "女性"/"女"), in list order.
QStringList playingNonLeaders(const QStringList &memberLines, Sex sex);

} // namespace grouping
