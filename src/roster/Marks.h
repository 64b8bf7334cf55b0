#pragma once
// The participation marks of the member list: which mark a member shows, the texts of
// the marks, what a leader click stores, and the counts and number lists of the marks.

#include "roster/Member.h"

#include <QList>
#include <QString>
#include <span>

namespace roster {

// Kinds of mark text, as drawn in the member list.
enum MarkKind {
    NoMark = 0,
    PlayingMark = 1,  // "出場"
    PasteArrow = 2,   // "⇒"
    LeaderMarkOn = 3, // "リーダー"
    LeaderMarkA = 4,  // "A リーダ" … LeaderMarkA + 3 "D リーダ"
};

// The mark column 5 shows for a member: a leader's mark, else 出場 for a player, else none.
int markKind(const Member &member);

// The text of a mark kind, empty for NoMark and unknown kinds.
QString markText(int kind);

// The LeaderMark a leader click stores for the designation "3" (none), "4" … "7" (A … D).
QString leaderMarkFor(const QString &leaderGroupSel);

struct MarkCounts {
    int playCount = 0;
    int leaderCount = 0;
    int pasteCount = 0;
    QList<int> menList;   // 1-based member numbers of playing men, in list order
    QList<int> womenList; // the same for women
    QList<int> pasteList; // 1-based member numbers of placed members
};

MarkCounts countMarks(std::span<const Member> members);

} // namespace roster
