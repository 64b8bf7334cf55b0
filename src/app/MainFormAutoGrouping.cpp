// おまかせで組み合せ: 開始 with the division into groups and into parties, 完了 and やり直し.
#include "app/MainForm.h"

#include "grouping/GroupDivision.h"
#include "grouping/PartyDivision.h"
#include "grouping/TeamSpread.h"
#include "grouping/WholeNumber.h"
#include "roster/Marks.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace dealing = grouping::dealing;

namespace {
const QString kGroupTitles[grouping::Groups] = {u"Aグループ"_s, u"Bグループ"_s, u"Cグループ"_s,
                                                u"Dグループ"_s};

void warn(TMainForm &form, const QString &text)
{
    form.platform.messageBox(text, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
}

std::uint32_t clockSeconds(TMainForm &form)
{
    return static_cast<std::uint32_t>(form.platform.now().toSecsSinceEpoch());
}

// A leader is drawn by the millisecond of the clock, read anew for every draw.
dealing::DrawPosition clockDraw(TMainForm &form)
{
    return [&form](int range) { return form.platform.now().time().msec() % range; };
}

dealing::DrawPosition generatorDraw(Random &rng)
{
    return [&rng](int range) { return rng.below(range); };
}

// What 完了 and やり直し share: both headings lit, the mark commands available, the
// mode labels and both 完了 unavailable, every pressed-in label released.
void endCombinationControls(TMainForm &form)
{
    for (const char *heading : {"Label23", "Label26"}) form.control(heading).fontColour = colours::Yellow;
    form.setEnabled({"Label75", "Label76", "Label77"}, true);
    form.setEnabled({"Label78", "Label79", "Button10", "Button9"}, false);
    form.BtnClr(0);
    form.ImgDsEnab();
}
} // namespace

void TMainForm::Button1Click() // おまかせ 「開始」
{
    GKAbort = 0;
    // Text that is no whole number refuses the start before anything changes.
    for (const char *field : {"Edit16", "Edit6"}) {
        int value = 0;
        if (!control(field).text.isEmpty() && !readDivisionField(field, value)) return;
    }
    if (PlayCount > roster::MaxMembers) {
        platform.messageBox(u"出場者数が３００名を超えています"_s, u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    if (!combinationDiscardConfirmed(u"おまかせで組み合せ"_s)) return;
    KumiClr(kumiclear::AllPanels);
    GrupClr(0);
    CurGroup = curgroup::None;
    BtnClr(0);
    HalMark(listmarks::WithPasteMarks);
    control("Label10").text = u"メンバー一覧表"_s;

    setEnabled({"Button1", "Label78", "Label79", "Button4"}, false);
    lockDivisionFields(true);
    control("Button10").enabled = true;
    control("Label26").fontColour = colours::Dimmed;
    control("Label23").fontColour = colours::Yellow;
    AutoMade = 1;
    HandMade = 0;
    Combining = 1;

    // A group's tab may have left that group's lines in the list: the whole roster is dealt,
    // and it stays whole (taking the shown lines as the roster would keep one group only).
    if (MemberLines != SavedMemberLines) {
        MemberLines = SavedMemberLines;
        Bunkatu();
        Ninzu();
    }

    if (control("Edit16").text.isEmpty()) {
        warn(*this, u"グループ数の設定がありません"_s);
        return;
    }
    if (control("Edit6").text.isEmpty()) {
        warn(*this, u"組数が設定されていません"_s);
        return;
    }
    GroupCount = grouping::wholeNumber(control("Edit16").text).value_or(0);
    GroupsLeft = GroupCount;

    clearCombinationData();
    TokutenClr(scoreclear::AllGroups);
    Group();

    GKOver();
    if (GKAbort) {
        GKAbort = 0;
        return;
    }
    if (PlayCount == 0 || GroupCount == 0) {
        warn(*this, u"出場設定又はグループ数、組数の設定がありません"_s);
        resetCombination();
        return;
    }

    // Group A's tab below draws the list and the panels anew, so the lists and parties of
    // the groups worked out on the way are not drawn.
    const int groups = std::min(GroupCount, grouping::Groups);
    const bool hidden = Screen != screen::Registration && !GroupList[0].isEmpty();
    if (hidden) ++HiddenDrawing;
    for (int g = 1; g <= groups; ++g) {
        control("Label10").text = kGroupTitles[g - 1];
        CurGroup = groupNumbered(g);
        MemberLines = GroupList[g - 1];
        Bunkatu();
        if (g == 1 && MemberLines.isEmpty()) return;
        if (!MemberLines.isEmpty()) DivideKumi();
        GroupsLeft = GroupCount - g;
    }
    if (hidden) --HiddenDrawing;

    groupTab(1);
    control("Label25").text = u"出場設定数   "_s + QString::number(PlayCount);
}

void TMainForm::Group()
{
    Rng.seed(clockSeconds(*this));
    control("Label10").text = u"メンバー一覧表"_s;
    if (PlayCount == 0 || control("Edit16").text == u"0"_s) {
        warn(*this, u"出場設定、又はグループ設定、組数設定がありません"_s);
        return;
    }
    int groups = 0;
    if (!readDivisionField("Edit16", groups)) return;
    GroupCount = groups;
    if (groups > grouping::Groups || groups == 0) {
        warn(*this, u"グループ数は１から４迄です"_s);
        return;
    }
    if (PlayCount / groups > 96) {
        warn(*this, u"グループ数を増やして下さい"_s);
        return;
    }

    WorkList.clear();
    RankList.clear();
    LeaderPool.clear();
    GrupClr(0);
    LeaderCount = 0;

    const grouping::LeaderScan scan = grouping::scanLeaders(MemberLines);
    LeaderPool = scan.free;
    for (int g = 0; g < grouping::Groups; ++g) {
        GroupList[g] = scan.fixed[g];
        FixedLeaders[g] = static_cast<int>(GroupList[g].size());
    }
    LeaderCount = scan.count();
    if (LeaderCount > 0) control("Label9").text = u"リーダー設定数   "_s + QString::number(LeaderCount);

    QString refusal;
    switch (grouping::checkFixedLeaders(groups, FixedLeaders)) {
    case grouping::FixedLeaderProblem::OneGroup:
        refusal = u"グループ数が１の場合は指定リーダ不要です。やり直して下さい"_s;
        break;
    case grouping::FixedLeaderProblem::TwoGroupsWithCOrD:
        refusal = u"グループ数が２の場合は、C及びD指定リーダは使えません。やり直して下さい"_s;
        break;
    case grouping::FixedLeaderProblem::TwoGroupsUnequal:
        refusal = u"A及びB指定リーダは同じ数を設定して下さい。やり直して下さい"_s;
        break;
    case grouping::FixedLeaderProblem::FourGroupsUnequal:
        refusal = u"指定リーダは全て同じ数を設定して下さい。やり直して下さい"_s;
        break;
    case grouping::FixedLeaderProblem::None: break;
    }
    if (!refusal.isEmpty()) {
        warn(*this, refusal);
        for (auto &list : GroupList) list.clear();
        return;
    }

    // Leaders by the clock, then men, then women by the generator; the cursor runs on.
    const std::span<QStringList> targets(GroupList.data(), static_cast<std::size_t>(groups));
    dealing::Cursor cursor(groups);
    dealing::deal(LeaderPool, targets, cursor, clockDraw(*this));
    for (const grouping::Sex sex : {grouping::Sex::Man, grouping::Sex::Woman}) {
        WorkList = grouping::playingNonLeaders(MemberLines, sex);
        dealing::deal(WorkList, targets, cursor, generatorDraw(Rng));
    }
    DealCursor = cursor.value();
}

void TMainForm::DivideKumi()
{
    if (control("Edit6").text.isEmpty()) {
        warn(*this, u"組数が設定されていません"_s);
        return;
    }
    int typed = 0;
    int groups = 0;
    if (!readDivisionField("Edit6", typed) || !readDivisionField("Edit16", groups)) return;
    const long long places = static_cast<long long>(typed) * groups;
    if (ticked("N20") && 6 * places < PlayCount) {
        if (platform.messageBox(u"組数、グループ数を増やして下さい。又は８人枠に切り替えますか"_s,
                                u"組み合わせ人数がオーバー"_s, MsgIcon::Warning, MsgButtons::YesNo) == IdYes)
            tickOption("N29", "N20");
    }
    if (ticked("N29") && 8 * places < PlayCount) {
        warn(*this, u"組数かグループ数を増やして下さい"_s);
        return;
    }

    Rng.seed(clockSeconds(*this));
    KumiCount = typed;
    if (KumiCount > grouping::Parties) {
        KumiCount = grouping::Parties;
        control("Edit6").text = u"12"_s;
    }

    BtnClr(1);
    WorkList.clear();
    KumiClr(kumiclear::PartyLists);
    const int listed = std::min(MemberCount(), roster::MaxMembers);
    for (int row = 0; row < std::max(71, listed); ++row)
        MarkOn(PasteMarkX, row, roster::PasteArrow, colours::White);
    for (Member &m : Members) m.PasteMark = u"off"_s;
    KumiClr(kumiclear::AllPanels);

    QList<grouping::PartyCandidate> candidates;
    for (int i = 0; i < listed; ++i) {
        const Member &m = Members[i];
        candidates << grouping::PartyCandidate{m.plays(), m.isLeader(), m.isMan(), m.isWoman()};
    }
    const grouping::PartyDivision division =
        grouping::divideParties(candidates, KumiCount, !ticked("N44"), Rng, clockDraw(*this));
    if (!division.leaders.isEmpty()) LeaderCount = static_cast<int>(division.leaders.size());
    LeaderPool.clear();
    DealCursor = division.cursor;
    for (const int index : division.marked) {
        Members[index].PasteMark = u"on"_s;
        if (division.leaders.contains(index)) MarkOn(PasteMarkX, index, roster::PasteArrow, colours::Red);
    }

    switch (division.stop) {
    case grouping::PartyStop::None: break;
    case grouping::PartyStop::PartyFull:
        platform.messageBox(u"組数を増やして下さい"_s, QString(), MsgIcon::None, MsgButtons::Ok);
        return;
    case grouping::PartyStop::NoParties:
        platform.messageBox(u"組数を入力して下さい"_s, u"警告"_s, MsgIcon::Information, MsgButtons::Ok);
        return;
    case grouping::PartyStop::TooManyPlayers:
    case grouping::PartyStop::LeaderPartyFull: warn(*this, u"組数を増やして下さい"_s); return;
    }

    KumiList = division.parties;
    if (ticked("SpreadTeamsOn")) {
        // Team-mates are spread over the parties, the generator running on from the deal.
        QList<grouping::SpreadPlayer> players;
        for (int i = 0; i < listed; ++i) {
            const Member &m = Members[i];
            players << grouping::SpreadPlayer{m.Team, m.isMan() ? 0 : (m.isWoman() ? 1 : 2),
                                              division.leaders.contains(i)};
        }
        grouping::spreadTeams(KumiList, KumiCount, players, Rng);
    }
    DspKumi();
    HalMark(listmarks::WithPasteMarks);
    KumiHyo(groupNumber(CurGroup));
}

void TMainForm::Button10Click() // おまかせ 「完了」
{
    endCombinationControls(*this);
    lockDivisionFields(true);
    setEnabled({"Button1", "Button4"}, false);
    showWholeRosterAgain(false);
}

void TMainForm::showWholeRosterAgain(bool showPasteCount)
{
    MemberLines = SavedMemberLines;
    Bunkatu(); // recounts when the list already showed the whole roster
    control("Label10").text = u"メンバー一覧表"_s;
    control("Label37").text = showPasteCount ? u"貼り付け数   "_s + QString::number(PasteCount) : QString();
    setColour({"Label44", "Label45", "Label46", "Label47"}, colours::Cream);
    if (MemberCount() > 0) {
        Hensyu(hensyu::AllLines);
        HalMark(listmarks::WithPasteMarks);
    }
    control("Label25").text = u"出場設定数   "_s + QString::number(PlayCount);
    Combining = 0;
}

void TMainForm::Button2Click() // 「やり直し」
{
    if (combinationDiscardConfirmed(u"やり直し"_s)) resetCombination();
}

void TMainForm::resetCombination()
{
    endCombinationControls(*this);
    lockDivisionFields(false);
    setEnabled({"Button1", "Button4"}, true);
    MemberLines = SavedMemberLines;
    Bunkatu();
    KumiClr(kumiclear::AllPanels);
    KumiClr(kumiclear::PartyLists);
    GrupClr(0);
    RankList.clear();
    LeaderPool.clear();
    control("Label10").text = u"メンバー一覧表"_s;
    PasteCount = 0;
    control("Label37").text = u"貼り付け数　0"_s;
    setColour({"Label44", "Label45", "Label46", "Label47"}, colours::Cream);
    if (MemberCount() > 0) {
        for (Member &m : Members) m.PasteMark = u"off"_s;
        Hensyu(hensyu::AllLines);
        HalMark(listmarks::WithPasteMarks);
    }
    control("Label25").text = u"出場設定数   "_s + QString::number(PlayCount);
    TokutenClr(scoreclear::AllGroups);
    TokutenClr(scoreclear::SlotTexts);
    HandMade = AutoMade = Combining = GKAbort = 0;
}
