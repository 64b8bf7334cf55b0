// The four screen tabs and the reset of the pressed-in command labels.
#include "app/MainForm.h"

#include "app/ScreenAreas.h"
#include "text/Cp932.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const std::initializer_list<const char *> kGroupTabs{"Label44", "Label45", "Label46", "Label47"};
const std::initializer_list<const char *> kRegistrationLabels{"Label3", "Label4", "Label84"};
} // namespace

// ---- What each screen shows ------------------------------------------------------------

namespace screenareas {

const std::vector<const char *> &names()
{
    static const std::vector<const char *> all{
        // member list area: the list, its edits (メンバー登録) and its marks (組み合わせ)
        "Panel1", "Image1", "Label5", "Label6", "Label22", "Label75", "Label76", "Label77",
        // the hint of an empty roster
        "StartHint",
        // registration form with 実行
        "Panel2", "Button6",
        // count line with やり直し
        "Panel5", "Label25", "Label9", "Label37", "Button2",
        // screen tabs, group tabs, party board
        "Panel6", "Panel8", "Panel9",
        // the two combination boxes with their 完了 buttons
        "Panel3", "Button9", "Panel4", "Button10",
        // table commands, tournament particulars, page selector and 設定
        "GroupBox1", "Panel10", "Label7", "Edit19", "UpDown1", "Button7",
        // table pictures
        "Image4", "Image23", "Image28", "Image29", "ScrollBox2",
        // swapping players on the combination table
        "Label1", "Button3", "Button5",
        // score entry and the ranking options
        "Edit3", "Edit4", "Edit5", "Label55", "Label57", "Label58", "Label59", "Label74", "Label2",
        "CheckBox1", "CheckBox3",
        // the missing entries under the score-entry table
        "MissingCount", "MissingList"};
    return all;
}

// Each view: the names it shows, then the names it leaves to the screen's own commands.
const ScreenAreas Registration{{"Panel1", "Image1", "Label5", "Label6",             // member list, edits
                                "Panel2", "Button6",                                // form
                                "Panel5", "Label25", "Label9", "Label37",           // counts
                                "Panel6"},                                          // screen tabs
                               {"Label22"}};                                        // hint of an edit
const ScreenAreas Combination{{"Panel1", "Image1", "Label75", "Label76", "Label77", // member list, marks
                               "Panel5", "Label25", "Label9", "Label37", "Button2", // counts, やり直し
                               "Panel6", "Panel8", "Panel9",                        // tabs, party board
                               "Panel3", "Button9", "Panel4", "Button10"},          // combination boxes
                              {}};
const ScreenAreas Tables{{"Panel1", "Image1",           // member list
                          "Panel6", "Panel8", "Panel9", // tabs, party board
                          "GroupBox1"},                 // table commands
                         {}};
const ScreenAreas ScoreEntry{{"Panel6", "Panel8",                              // tabs, group tabs
                              "Image28",                                       // the score-entry table
                              "Edit3", "Edit4", "Edit5", "Label57", "Label58", // entry fields
                              "Label59", "Label74", "Label55", "Label2",       // and the hint
                              "MissingCount", "MissingList"},                  // missing entries
                             {}};

} // namespace screenareas

void TMainForm::showScreenAreas(const ScreenAreas &view)
{
    auto listed = [](const std::vector<const char *> &names, const char *name) {
        return std::any_of(names.begin(), names.end(),
                           [name](const char *n) { return qstrcmp(n, name) == 0; });
    };
    for (const char *name : screenareas::names())
        if (!listed(view.kept, name) && !listed(view.shown, name)) control(name).visible = false;
    for (const char *name : view.shown) control(name).visible = true;
    // A search belongs to the list it was made in: another screen starts without one, and
    // the list is drawn afresh if it showed members found.
    control("MemberSearch").text.clear();
    if (!SearchFound.isEmpty()) ListRowsDrawn = -1;
    SearchFound.clear();
    SearchAt = -1;
}

void TMainForm::colourScreenTabs(const char *current)
{
    setColour({"Label40", "Label42", "Label64", "Label54"}, colours::ButtonFace);
    control(current).colour = colours::Yellow;
}

void TMainForm::BtnClr(int kind)
{
    switch (kind) {
    case 0:
        setColour({"Label5", "Label6", "Label75", "Label76", "Label77", "Label78", "Label79"},
                  colours::ButtonFace);
        MoveOn = DeleteOn = PlayOn = LeaderOn = CancelOn = false;
        PasteOn = ReturnOn = 0;
        setEnabled({"Label75", "Label76", "Label77"}, true);
        control("Label22").visible = false;
        setColour(kRegistrationLabels, colours::Cream);
        EditMode = editmode::None;
        break;
    case 1:
        // An ended list edit leaves no empty hint strip over the list's headings.
        control("Label22").text.clear();
        control("Label22").visible = false;
        setColour({"Label5", "Label6"}, colours::ButtonFace);
        MoveOn = DeleteOn = false;
        EditMode = editmode::None;
        break;
    case 3:
        setColour(kRegistrationLabels, colours::Cream);
        EditMode = editmode::None;
        break;
    default: break;
    }
}

void TMainForm::Label40Click() // tab 「メンバー登録」
{
    if (Combining) {
        remindCombining();
        Bunkatu();
        return;
    }
    if (!combinationDiscardConfirmed(u"メンバー登録"_s)) return;
    // A group tab may have left one group's lines in place; every edit here rebuilds the
    // saved roster from these lines, so the whole roster comes back first.
    MemberLines = SavedMemberLines;
    showScreenAreas(screenareas::Registration);
    lockDivisionFields(true);

    colourScreenTabs("Label40");
    setColour(kGroupTabs, colours::Cream);
    control("Edit1").text.clear();
    control("Edit2").text.clear();
    setListHeader(u"生年月日"_s, u"年齢"_s);

    for (auto &m : Members) {
        m.PlayMark = m.LeaderMark = m.PasteMark = u"off"_s;
        m.Spare.clear();
    }

    KumiClr(kumiclear::AllPanels);
    KumiClr(kumiclear::PartyLists);
    for (auto &list : GroupList) list.clear();
    for (auto &lines : KumiLines) lines.clear();
    WorkList.clear();
    LeaderPool.clear();
    KumiLineBuf.clear();
    RankList.clear();
    setEnabled({"Label78", "Label79"}, false);
    HandMade = 0;

    TokutenClr(scoreclear::AllGroups);
    // The names of the places go with the combination: the result table lists nobody of it.
    TokutenClr(scoreclear::SlotTexts);

    Bunkatu();
    HalMark(listmarks::Blank);
    KumiOn();
    PasteCount = 0;
    control("Label37").text = u"貼り付け数   0"_s;
    BtnClr(1);
    BtnClr(3);

    Screen = screen::Registration;
    TableMode = tablekind::None;
    EditMode = editmode::None;
    PlayOn = LeaderOn = false;
    CurGroup = curgroup::None;
    control("Label10").text = u"メンバー一覧表"_s;
    HandMade = AutoMade = 0;
    Bunkatu();
}

void TMainForm::Label42Click() // tab 「組み合わせ」
{
    if (Combining) {
        remindCombining();
        return;
    }
    MemberLines = SavedMemberLines;

    showScreenAreas(screenareas::Combination);
    setEnabled({"Panel3", "Button2", "Panel8"}, true);
    setColour(kGroupTabs, colours::Cream);
    setEnabled({"Button4", "Button1"}, true);
    setEnabled({"Button9", "Button10", "Label78", "Label79"}, false);

    colourScreenTabs("Label42");

    scrollListTo(0);
    setListHeader(u"出場種別"_s, u"貼付"_s);

    EditMode = editmode::None;
    Screen = screen::Combination;
    TableMode = tablekind::None;
    CurGroup = curgroup::None;

    ClrAll();
    Bunkatu();
    BtnClr(0);
    KumiOn();
    KumiClr(kumiclear::AllPanels);
    HalMark(listmarks::WithPasteMarks);
    control("Label10").text = u"メンバー一覧表"_s;
    Ninzu();
    showCombinationCounts();
    // The registration labels stay white on this screen (the reset above made them cream).
    setColour(kRegistrationLabels, colours::White);

    HandMade = AutoMade = 0;
    Combining = 0;
}

void TMainForm::Label64Click() // tab 「作表と印刷」
{
    if (Combining) {
        remindCombining();
        return;
    }
    // The combination boxes and the registration form give way to the table commands.
    showScreenAreas(screenareas::Tables);
    setEnabled({"Label78", "Label79"}, false);
    for (const char *t : {"Label23", "Label26"}) control(t).fontColour = colours::White;

    colourScreenTabs("Label64");
    setColour(kGroupTabs, colours::Cream);
    setColour(kRegistrationLabels, colours::White);

    EditMode = editmode::None;
    CurGroup = curgroup::NotChosen;
    CurGroupText.clear();
    Screen = screen::TableChoice;
    TableMode = tablekind::None;
    TitleShift = 6 * text::cp932::byteLength(control("Edit7").text);
}
