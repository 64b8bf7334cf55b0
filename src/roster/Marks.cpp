#include "roster/Marks.h"

using namespace Qt::StringLiterals;

namespace roster {

int markKind(const Member &member)
{
    static const QString letters[4] = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    if (member.LeaderMark == u"on"_s) return LeaderMarkOn;
    for (int g = 0; g < 4; ++g)
        if (member.LeaderMark == letters[g]) return LeaderMarkA + g;
    if (member.plays() && member.LeaderMark == u"off"_s) return PlayingMark;
    return NoMark;
}

QString markText(int kind)
{
    switch (kind) {
    case PlayingMark: return u"出場"_s;
    case PasteArrow: return u"⇒"_s;
    case LeaderMarkOn: return u"リーダー"_s;
    case LeaderMarkA: return u"A リーダ"_s;
    case LeaderMarkA + 1: return u"B リーダ"_s;
    case LeaderMarkA + 2: return u"C リーダ"_s;
    case LeaderMarkA + 3: return u"D リーダ"_s;
    default: return QString();
    }
}

QString leaderMarkFor(const QString &leaderGroupSel)
{
    if (leaderGroupSel == u"4"_s) return u"a"_s;
    if (leaderGroupSel == u"5"_s) return u"b"_s;
    if (leaderGroupSel == u"6"_s) return u"c"_s;
    if (leaderGroupSel == u"7"_s) return u"d"_s;
    return u"on"_s;
}

MarkCounts countMarks(std::span<const Member> members)
{
    MarkCounts counts;
    int number = 0;
    for (const Member &m : members) {
        ++number;
        if (m.plays()) ++counts.playCount;
        if (m.placed()) {
            ++counts.pasteCount;
            counts.pasteList << number;
        }
        if (m.isLeader()) ++counts.leaderCount;
        if (m.plays() && m.Sex == u"男性"_s) counts.menList << number;
        if (m.plays() && m.Sex == u"女性"_s) counts.womenList << number;
    }
    return counts;
}

} // namespace roster
