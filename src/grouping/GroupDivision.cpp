#include "grouping/GroupDivision.h"

#include "roster/Member.h"

using namespace Qt::StringLiterals;

namespace grouping {

int LeaderScan::count() const
{
    qsizetype n = free.size();
    for (const QStringList &lines : fixed) n += lines.size();
    return static_cast<int>(n);
}

LeaderScan scanLeaders(const QStringList &memberLines)
{
    static const QString letters[Groups] = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    LeaderScan scan;
    for (const QString &line : memberLines) {
        Member m;
        roster::splitInto(line, m);
        if (m.LeaderMark == u"on"_s) {
            scan.free << line;
            continue;
        }
        for (int g = 0; g < Groups; ++g)
            if (m.LeaderMark == letters[g]) scan.fixed[g] << line;
    }
    return scan;
}

FixedLeaderProblem checkFixedLeaders(int groupCount, const std::array<int, Groups> &fixed)
{
    const bool any = fixed[0] + fixed[1] + fixed[2] + fixed[3] > 0;
    switch (groupCount) {
    case 1: return any ? FixedLeaderProblem::OneGroup : FixedLeaderProblem::None;
    case 2:
        if (fixed[2] + fixed[3] > 0) return FixedLeaderProblem::TwoGroupsWithCOrD;
        return fixed[0] != fixed[1] ? FixedLeaderProblem::TwoGroupsUnequal : FixedLeaderProblem::None;
    case 4:
        return (fixed[0] == fixed[1] && fixed[1] == fixed[2] && fixed[2] == fixed[3])
                   ? FixedLeaderProblem::None
                   : FixedLeaderProblem::FourGroupsUnequal;
    default: return FixedLeaderProblem::None;
    }
}

QStringList playingNonLeaders(const QStringList &memberLines, Sex sex)
{
    QStringList lines;
    for (const QString &line : memberLines) {
        Member m;
        roster::splitInto(line, m);
        if (!m.plays() || m.LeaderMark != u"off"_s) continue;
        if (sex == Sex::Man ? m.isMan() : m.isWoman()) lines << line;
    }
    return lines;
}

} // namespace grouping
