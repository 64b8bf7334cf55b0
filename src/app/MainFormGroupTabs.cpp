// The group tabs A to D and the clearing of the combination data.
#include "app/MainForm.h"

#include "grouping/Counts.h"

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
    if (g < 1 || g > grouping::Groups || CurGroup == 0 || Screen == screen::Registration) return;
    const QString letter = grouping::groupLetter(g - 1);

    scrollListTo(0);
    for (int t = 0; t < 4; ++t) control(kGroupTabs[t]).colour = t == g - 1 ? colours::Yellow : colours::Cream;
    CurGroup = g;
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

    const bool scoreSheet = Screen == screen::ScoreSheet && TableMode == tablemode::ScoreSheet;
    const bool combinationTable = Screen == screen::GridTable && TableMode == tablemode::CombinationTable;
    const bool scoreEntry = Screen == screen::GridTable && TableMode == tablemode::ScoreEntry;
    if (scoreSheet || combinationTable || scoreEntry) {
        if (HandMade == 1 || GroupList[g - 1].isEmpty()) {
            // A hand-made combination numbers its parties by the whole roster, and a group
            // without a list has no lines to show: the whole roster stays in place.
            control("Label10").text = letter + u"グループ"_s;
            MemberLines = SavedMemberLines;
            Bunkatu();
        } else {
            showGroupInList(*this, g);
        }
        redrawTableOfGroup();
    }
}

void TMainForm::N16Click() // クリア › 組み合わせデータをクリア
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
