// The group tabs A to D and the clearing of the combination data.
#include "app/MainForm.h"

#include "grouping/Counts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const char *const kGroupTabs[grouping::Groups] = {"Label44", "Label45", "Label46", "Label47"};

// The member list shows the members of group g.
void showGroupInList(TMainForm &form, int g)
{
    form.control("Label10").text = grouping::groupLetter(g - 1) + u"グループ"_s;
    form.MemberLines = form.GroupList[g - 1];
    form.Bunkatu();
}
} // namespace

void TMainForm::Label44Click() { groupTab(1); } // group tab A
void TMainForm::Label45Click() { groupTab(2); } // group tab B
void TMainForm::Label46Click() { groupTab(3); } // group tab C
void TMainForm::Label47Click() { groupTab(4); } // group tab D

void TMainForm::groupTab(int g)
{
    if (g < 1 || g > grouping::Groups || CurGroup == curgroup::None || Screen == screen::Registration) return;
    const QString letter = grouping::groupLetter(g - 1);

    scrollListTo(0);
    for (int t = 0; t < 4; ++t) control(kGroupTabs[t]).colour = t == g - 1 ? colours::Yellow : colours::Cream;
    CurGroup = groupNumbered(g);
    CurGroupText = letter;

    if (AutoMade == 1) {
        showGroupInList(*this, g);
        PasteCount = 0;
        KumiClr(kumiclear::AllPanels);
        KumiWake(g);
        DspKumi();
    }
    if (HandMade == 1) {
        KumiClr(kumiclear::AllPanels);
        KumiWake(g);
        DspKumi();
        MemberLines = SavedMemberLines;
    }

    const bool scoreSheet = Screen == screen::ScoreSheet && TableMode == tablekind::ScoreSheet;
    const bool combinationTable = Screen == screen::GridTable && TableMode == tablekind::CombinationTable;
    const bool scoreEntry = Screen == screen::GridTable &&
                            (TableMode == tablekind::ScoreEntry || TableMode == tablekind::ScoreCheck);
    if (scoreSheet || combinationTable || scoreEntry) {
        // The list shows the lines the group's parties number (the whole roster for a
        // hand-made combination or a group without a list).
        control("Label10").text = letter + u"グループ"_s;
        MemberLines = partyNumbering(g);
        Bunkatu();
        redrawTableOfGroup();
    }
}

void TMainForm::N16Click() // クリア › 組み合わせデータをクリア
{
    if (!combinationDiscardConfirmed(u"組み合わせデータをクリア"_s)) return;
    clearCombinationData();
    // After a finished combination both 開始 of this screen stay unavailable until やり直し.
    if (Screen == screen::Combination && !control("Button1").enabled && !control("Button4").enabled)
        platform.messageBox(
            u"組み合わせデータをクリアしました。\n新しく組み合わせる時は、「やり直し」を押してから「開始」を押して下さい"_s,
            u"組み合わせデータをクリア"_s, MsgIcon::Information, MsgButtons::Ok);
}

bool TMainForm::combinationExists() const
{
    const auto filled = [](const auto &lists) {
        return std::any_of(lists.begin(), lists.end(), [](const QStringList &l) { return !l.isEmpty(); });
    };
    if (filled(KumiLines) || filled(GroupList) || filled(KumiList)) return true;
    for (const auto &group : KumiSlotText)
        for (const auto &party : group)
            for (const QString &text : party)
                if (!text.isEmpty()) return true;
    return false;
}

int TMainForm::playersWithEntries() const
{
    int n = 0;
    for (const auto &group : ScoreSlots)
        for (const auto &party : group)
            for (const ScoreSlot &record : party) n += scoring::hasEntry(record) ? 1 : 0;
    return n;
}

bool TMainForm::combinationDiscardConfirmed(const QString &caption)
{
    const int entered = playersWithEntries();
    if (entered == 0 && !combinationExists()) return true;
    const QString text =
        entered > 0 ? u"組み合わせと入力済みの得点（%1名分）を消去します。よろしいですか"_s.arg(entered)
                    : u"組み合わせを消去します。よろしいですか"_s;
    return platform.messageBox(text, caption, MsgIcon::Question, MsgButtons::YesNo) == IdYes;
}

void TMainForm::clearCombinationData()
{
    for (auto &list : GroupList) list.clear();
    RankList.clear();
    for (auto &lines : KumiLines) lines.clear();
    for (auto &lines : ScoreLines) lines.clear();
    KumiClr(kumiclear::PartyLists);
    KumiClr(kumiclear::AllPanels);
    GrupClr(0);
    TokutenClr(scoreclear::AllGroups);
    TokutenClr(scoreclear::SlotTexts);
}
