// The four screen tabs and the reset of the pressed-in command labels.
#include "app/MainForm.h"

#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace {
const std::initializer_list<const char *> kGroupTabs{"Label44", "Label45", "Label46", "Label47"};
const std::initializer_list<const char *> kPageSelector{"Label7", "Edit19", "UpDown1"};
const std::initializer_list<const char *> kTableImages{"Image4", "Image23", "Image28", "Image29", "ScrollBox2"};
const std::initializer_list<const char *> kScoreEntry{"Edit3",   "Edit4",   "Edit5",   "Label55",
                                                      "Label57", "Label58", "Label59", "Label74"};
const std::initializer_list<const char *> kRegistrationLabels{"Label3", "Label4", "Label84"};
} // namespace

void TMainForm::colourScreenTabs(const char *current)
{
    setColour({"Label40", "Label42", "Label64", "Label54"}, colours::ButtonFace);
    control(current).colour = colours::Yellow;
}

void TMainForm::BtnClr(int kind)
{
    switch (kind) {
    case 0:
        setColour({"Label5", "Label6", "Label75", "Label76", "Label77", "Label78", "Label79"}, colours::ButtonFace);
        MoveOn = DeleteOn = PlayOn = LeaderOn = CancelOn = false;
        PasteOn = ReturnOn = 0;
        setEnabled({"Label75", "Label76", "Label77"}, true);
        control("Label22").visible = false;
        setColour(kRegistrationLabels, colours::Cream);
        EditMode = 0;
        break;
    case 1:
        control("Label22").text.clear();
        setColour({"Label5", "Label6"}, colours::ButtonFace);
        MoveOn = DeleteOn = false;
        EditMode = 0;
        break;
    case 3:
        setColour(kRegistrationLabels, colours::Cream);
        EditMode = 0;
        break;
    default:
        break;
    }
}

void TMainForm::Label40Click() // tab 「メンバー登録」
{
    if (Combining) {
        remindCombining();
        Bunkatu();
        return;
    }
    // A group tab may have left one group's lines in place; every edit here rebuilds the
    // saved roster from these lines, so the whole roster comes back first.
    MemberLines = SavedMemberLines;
    setVisible({"Panel2", "Panel1", "Label5", "Label6", "Panel5", "Label9", "Panel6", "Button6"}, true);
    setVisible({"Button2", "Button9", "Panel10", "Panel3", "Panel4", "Panel8", "Panel9", "GroupBox1", "Label75",
                "Label76", "Label77", "CheckBox1", "CheckBox3", "Label2"},
               false);
    setVisible(kPageSelector, false);
    setVisible(kTableImages, false);
    setVisible(kScoreEntry, false);
    for (const char *f : {"Edit16", "Edit6"}) control(f).readOnly = true;

    colourScreenTabs("Label40");
    setColour(kGroupTabs, colours::Cream);
    control("Edit1").text.clear();
    control("Edit2").text.clear();
    setListHeader(u"生年月日"_s, u"年齢"_s);

    for (auto &m : Members) {
        m.PlayMark = m.LeaderMark = m.PasteMark = u"off"_s;
        m.Spare.clear();
    }

    KumiClr(14);
    KumiClr(13);
    for (auto &list : GroupList) list.clear();
    for (auto &lines : KumiLines) lines.clear();
    WorkList.clear();
    LeaderPool.clear();
    KumiLineBuf.clear();
    RankList.clear();
    setEnabled({"Label78", "Label79"}, false);
    HandMade = 0;

    TokutenClr(5);

    Bunkatu();
    HalMark(0);
    KumiOn();
    PasteCount = 0;
    control("Label37").text = u"貼り付け数   0"_s;
    BtnClr(1);
    BtnClr(3);

    Screen = 1;
    TableMode = 0;
    EditMode = 0;
    PlayOn = LeaderOn = false;
    CurGroup = 0;
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

    setVisible({"Panel3", "Panel4", "Panel1", "Label75", "Label76", "Label77", "Image1", "Panel5", "Button2",
                "Panel6", "Panel8", "Panel9"},
               true);
    setEnabled({"Panel3", "Button2", "Panel8"}, true);
    setColour(kGroupTabs, colours::Cream);
    setVisible({"Panel2", "Panel10", "GroupBox1", "Label5", "Label6", "Button6", "Button7", "Label1", "Label2",
                "CheckBox1", "CheckBox3"},
               false);
    setVisible(kPageSelector, false);
    setVisible(kTableImages, false);
    setVisible(kScoreEntry, false);
    setEnabled({"Button4", "Button1"}, true);
    setVisible({"Button9", "Button10"}, true);
    setEnabled({"Button9", "Button10", "Label78", "Label79"}, false);

    colourScreenTabs("Label42");

    scrollListTo(0);
    setListHeader(u"出場種別"_s, u"貼付"_s);

    EditMode = 0;
    Screen = 2;
    TableMode = 0;
    CurGroup = 0;

    ClrAll();
    Bunkatu();
    BtnClr(0);
    KumiOn();
    KumiClr(14);
    HalMark(2);
    control("Label10").text = u"メンバー一覧表"_s;
    Ninzu();
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
    // The combination boxes give way to the table commands, which take their place.
    setVisible({"Panel5", "Panel10", "Panel3", "Panel4"}, false);
    control("GroupBox1").visible = true;
    setVisible(kTableImages, false);
    setVisible(kScoreEntry, false);
    setVisible(kPageSelector, false);
    setVisible({"Button2", "Button7", "Button9", "Label1", "Label2", "CheckBox1", "CheckBox3"}, false);
    setEnabled({"Label78", "Label79"}, false);
    for (const char *t : {"Label23", "Label26"}) control(t).fontColour = colours::White;

    colourScreenTabs("Label64");
    setColour(kGroupTabs, colours::Cream);
    setColour(kRegistrationLabels, colours::White);

    EditMode = 0;
    CurGroup = 5;
    CurGroupText.clear();
    Screen = 6;
    TableMode = 0;
    TitleShift = 6 * cp932::byteLength(control("Edit7").text);
}
