// The stores of groups and parties, the party panels, the capacity check and the two
// number fields of a division.
#include "app/MainForm.h"

#include "grouping/Capacity.h"
#include "grouping/KumiLine.h"
#include "grouping/WholeNumber.h"
#include "tables/Canvas.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace capacity = grouping::capacity;

namespace {
const char *const kPanels[grouping::Parties] = {"Image11", "Image12", "Image13", "Image14",
                                                "Image15", "Image16", "Image17", "Image18",
                                                "Image19", "Image20", "Image21", "Image22"};
const char *const kCaptions[grouping::Parties] = {"Label11", "Label12", "Label13", "Label14",
                                                  "Label15", "Label16", "Label17", "Label18",
                                                  "Label19", "Label24", "Label27", "Label28"};
constexpr int kPanelTextX = 5;
} // namespace

int TMainForm::kumiLineY(int line) { return (KumiFontHeight + 3) * line + 4; }

void TMainForm::KumiClr(int what)
{
    if (what >= kumiclear::FirstPanel && what <= kumiclear::LastPanel) {
        // The frame drawn at start-up stays; its inside is blanked.
        Canvas &panel = picture(kPanels[what - kumiclear::FirstPanel]);
        const QSize s = panel.size();
        panel.fillRect(QRect(1, 1, s.width() - 2, s.height() - 2), colours::White);
    } else if (what == kumiclear::AllPanels) {
        for (int k = kumiclear::FirstPanel; k <= kumiclear::LastPanel; ++k) KumiClr(k);
    } else if (what == kumiclear::PartyLists) {
        for (auto &party : KumiList) party.clear();
    }
}

void TMainForm::GrupClr(int flag)
{
    if (flag != 0) return;
    for (auto &list : GroupList) list.clear();
    for (auto &lines : KumiLines) lines.clear();
}

void TMainForm::KumiWake(int group)
{
    KumiClr(kumiclear::PartyLists);
    WorkList.clear();
    KumiLineBuf.clear();
    if (group >= 1 && group <= grouping::Groups) KumiLineBuf = KumiLines[group - 1];
    KumiList = grouping::kumiline::load(KumiLineBuf);
}

QStringList TMainForm::partyNumbering(int g) const
{
    // The rule of the data file: the meeting as it would be saved numbers its parties.
    return currentMeeting().partyNumbering(g - 1);
}

void TMainForm::KumiHyo(int group)
{
    KumiLineBuf = grouping::kumiline::store(KumiList);
    if (group >= 1 && group <= grouping::Groups) KumiLines[group - 1] = KumiLineBuf;
}

void TMainForm::showCombinationCounts()
{
    int groups = 0;
    int parties = 0;
    for (int g = 0; g < grouping::Groups; ++g) {
        const grouping::kumiline::PartyLists lists = grouping::kumiline::load(KumiLines[g]);
        for (int k = grouping::Parties; k > 0; --k) {
            if (lists[k - 1].isEmpty()) continue;
            groups = g + 1;
            parties = std::max(parties, k);
            break;
        }
    }
    if (groups == 0) return;
    GroupCount = groups;
    KumiCount = parties;
    control("Edit16").text = QString::number(groups);
    control("Edit6").text = QString::number(parties);
}

void TMainForm::DspKumi()
{
    for (int k = 0; k < grouping::Parties; ++k) {
        Canvas &panel = picture(kPanels[k]);
        panel.setFontFace(tables::fonts::gothic());
        const QStringList &party = KumiList[k];
        for (qsizetype line = 0; line < party.size(); ++line) {
            bool ok = false;
            const int index = party.at(line).toInt(&ok);
            if (!ok || index < 0 || index >= roster::MaxMembers) continue;
            panel.text(kPanelTextX, kumiLineY(static_cast<int>(line)), Members[index].Name, KumiFontHeight,
                       colours::Black);
        }
    }
}

void TMainForm::KumiOff()
{
    for (int k = 0; k < grouping::Parties; ++k)
        control(kPanels[k]).visible = control(kCaptions[k]).visible = false;
}

void TMainForm::KumiOn()
{
    for (int k = 0; k < grouping::Parties; ++k)
        control(kPanels[k]).visible = control(kCaptions[k]).visible = true;
}

void TMainForm::ImgEnab() { PanelsClickable = true; }

void TMainForm::ImgDsEnab()
{
    PanelsClickable = false;
    control("Label20").text.clear();
}

bool TMainForm::readDivisionField(const char *field, int &value)
{
    if (const auto number = grouping::wholeNumber(control(field).text)) {
        value = *number;
        return true;
    }
    const QString name = qstrcmp(field, "Edit16") == 0 ? u"グループ数"_s : u"一グループの組数"_s;
    platform.messageBox(name + u"には数字を入力して下さい"_s, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    return false;
}

void TMainForm::GKOver()
{
    int groups = 0;
    int parties = 0;
    if (!readDivisionField("Edit16", groups) || !readDivisionField("Edit6", parties)) {
        GKAbort = 1;
        return;
    }
    switch (capacity::check(groups, parties, PlayCount, ticked("N20"))) {
    case capacity::Verdict::Overfull:
        platform.messageBox(u"設定が不適切です。やり直して下さい"_s, u"警告"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        GKAbort = 1;
        break;
    case capacity::Verdict::AskEightFrame:
        if (platform.messageBox(u"８人枠に切り替えて下さい"_s, u"組の人数がオーバーします"_s,
                                MsgIcon::Warning, MsgButtons::YesNo) == IdYes)
            tickOption("N29", "N20");
        break;
    case capacity::Verdict::TooManyParties:
        platform.messageBox(u"組数かグループ数が不適切です。やり直して下さい"_s, u"警告"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        GKAbort = 1;
        break;
    case capacity::Verdict::Fits: break;
    }
}

void TMainForm::lockDivisionFields(bool locked)
{
    // A locked field looks locked and says how to unlock it.
    for (const char *name : {"Edit16", "Edit6"}) {
        Control &field = control(name);
        field.readOnly = locked;
        field.colour = locked ? colours::ReadOnly : QColor();
        field.toolTip = locked ? u"「やり直し」を押すと変更できます"_s : QString();
    }
}

void TMainForm::Edit16Change() // グループ数 changed
{
    Control &field = control("Edit16");
    if (field.text.isEmpty()) return;
    if (const auto number = grouping::wholeNumber(field.text))
        field.text = QString::number(std::min(*number, grouping::Groups));
}

void TMainForm::Edit16Click() // click into グループ数
{
    Control &field = control("Edit16");
    if (field.readOnly) return;
    field.text.clear();
}

void TMainForm::Edit6Click() // click into 一グループの組数
{
    // The pressed-in tool labels are released even while the field is read-only.
    BtnClr(0);
    Control &field = control("Edit6");
    if (field.readOnly) return;
    field.text.clear();
}
