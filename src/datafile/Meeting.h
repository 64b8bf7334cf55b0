#pragma once
// A meeting as the data file holds it: the roster lines, the stored parties and the
// group lists of groups A to D, the score lines, the combination origin and the two
// particulars kept in the file.

#include "grouping/Counts.h"

#include <QString>
#include <QStringList>
#include <array>

namespace datafile {

inline constexpr int Groups = grouping::Groups;
inline constexpr int MaxMemberLines = 300;
inline constexpr int MaxScoreLines = 12;
// No meeting comes near these: 300 members, four groups and their scores take under 2000
// lines and 100 KB. A larger file is refused before it is split into lines.
inline constexpr qsizetype MaxFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype MaxFileLines = 10000;

struct Meeting {
    QStringList memberLines;                    // SavedMemberLines
    std::array<QStringList, Groups> kumiLines;  // KumiLines A to D
    std::array<QStringList, Groups> groupLists; // GroupList A to D
    std::array<QStringList, Groups> scoreLines; // ScoreLines A to D
    int origin = 0;                             // 100 when the combination was made automatically, else 0
    QString tournamentName;                     // as written (an open takes the file's base name when empty)
    QString courseName;

    bool autoMade() const { return origin > 99; }
    // Whether the parties number the members of their group's list: the origin says so,
    // or a group list is filled, which only the automatic division does. (Reopening the
    // 組み合わせ screen forgets the origin, and a file saved then says "0".)
    bool dividedAutomatically() const
    {
        if (autoMade()) return true;
        for (const QStringList &list : groupLists)
            if (!list.isEmpty()) return true;
        return false;
    }
    // The list whose rows the items of group g's parties (0..3) name: the group's list when the
    // parties were dealt automatically and the group has one, else the whole roster.
    const QStringList &partyNumbering(int g) const
    {
        if (g >= 0 && g < Groups && dividedAutomatically() && !groupLists[g].isEmpty()) return groupLists[g];
        return memberLines;
    }
    friend bool operator==(const Meeting &, const Meeting &) = default;
};

} // namespace datafile
