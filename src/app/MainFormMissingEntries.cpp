// 未入力の確認 on the score-entry screen: how many players of the shown group have no entry
// yet, and the list of them, whose click places the entry cursor on the player's cell.
#include "app/MainForm.h"

#include "tables/MeetingTables.h"

using namespace Qt::StringLiterals;

namespace {
bool onScoreEntry(const TMainForm &form)
{
    return form.Screen == screen::GridTable && form.TableMode == tablekind::ScoreEntry &&
           isGroup(form.CurGroup);
}
} // namespace

QList<scoring::MissingEntry> TMainForm::missingEntriesOfGroup()
{
    if (!isGroup(CurGroup)) return {};
    const tables::PartyPlayers placed = tables::partiesOfGroup(currentMeeting(), groupIndex(CurGroup));
    std::array<QList<scoring::PlacedPlayer>, PartiesMax> parties;
    for (int k = 0; k < PartiesMax; ++k)
        for (const tables::Player &p : placed[k]) parties[k] << scoring::PlacedPlayer{p.name, p.team};
    return scoring::missingEntries(ScoreSlots[groupIndex(CurGroup)], parties);
}

void TMainForm::showMissingCount()
{
    const bool shown = onScoreEntry(*this);
    control("MissingCount").text =
        shown ? u"未入力の選手　%1名"_s.arg(missingEntriesOfGroup().size()) : QString();
    control("MissingList").enabled = shown;
}

void TMainForm::MissingListClick() // 「未入力の確認」
{
    if (!onScoreEntry(*this)) return;
    const QList<scoring::MissingEntry> missing = missingEntriesOfGroup();
    const QString group = GroupDisplayName[groupIndex(CurGroup)] + u" グループ"_s;
    if (missing.isEmpty()) {
        platform.messageBox(group + u"の選手は全員入力済みです"_s, u"未入力の確認"_s, MsgIcon::Information,
                            MsgButtons::Ok);
        return;
    }
    QStringList items;
    for (const scoring::MissingEntry &m : missing) items << scoring::missingEntryText(m);
    const std::optional<int> chosen = platform.chooseFromList(
        u"未入力の確認"_s,
        group + u"　未入力の選手 %1名（選ぶとその選手の欄に移ります）"_s.arg(missing.size()), items);
    if (!chosen || *chosen < 0 || *chosen >= missing.size()) return;
    moveEntryCursor(missing.at(*chosen).party - 1, missing.at(*chosen).slot - 1);
}
