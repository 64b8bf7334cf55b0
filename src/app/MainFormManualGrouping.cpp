// 自分で組み合せ: 開始, the two mode labels, picking a player in the member list,
// pasting into and taking back from a party panel, and 完了.
#include "app/MainForm.h"

#include "grouping/KumiLine.h"
#include "roster/Marks.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {
void warn(TMainForm &form, const QString &text)
{
    form.platform.messageBox(text, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
}

// Parties made automatically refer to rows of the group lists, which only the automatic
// division fills; the tab 「組み合わせ」 clears AutoMade but keeps the stores.
bool automaticCombinationStored(const TMainForm &form)
{
    const auto filled = [](const QStringList &list) { return !list.isEmpty(); };
    if (std::none_of(form.KumiLines.begin(), form.KumiLines.end(), filled)) return false;
    return form.AutoMade == 1 || std::any_of(form.GroupList.begin(), form.GroupList.end(), filled);
}

// The parties taken over decide who is placed. Marks changed since (全員を出場に設定,
// 設定取消, a cleared combination) would otherwise let a player be pasted a second time,
// or keep a player out of every party for good.
void markPlacedAsStored(TMainForm &form)
{
    std::array<bool, roster::MaxMembers> stored{};
    for (const QStringList &lines : form.KumiLines)
        for (const QStringList &party : grouping::kumiline::load(lines))
            for (const QString &item : party) {
                bool ok = false;
                const int index = item.toInt(&ok);
                if (ok && index >= 0 && index < roster::MaxMembers) stored[static_cast<size_t>(index)] = true;
            }
    bool changed = false;
    const int count = std::min(form.MemberCount(), roster::MaxMembers);
    for (int i = 0; i < count; ++i) {
        Member &m = form.Members[i];
        const bool placed = stored[static_cast<size_t>(i)];
        if (m.placed() == placed) continue;
        m.PasteMark = placed ? u"on"_s : u"off"_s;
        changed = true;
    }
    if (!changed) return;
    form.Hensyu(hensyu::AllLines);
    form.HalMark(listmarks::WithPasteMarks);
    form.Ninzu();
}

// 「貼り付け →」 pressed in.
void pressPaste(TMainForm &form)
{
    form.BtnClr(0);
    form.control("Button4").enabled = false;
    form.EditMode = editmode::Paste;
    form.PasteOn = 1;
    form.ReturnOn = 0;
    form.ImgDsEnab();
    form.setEnabled({"Label75", "Label76", "Label77"}, false);
    form.control("Label78").colour = colours::Yellow;
}

// The member's placement changed: its line, the marks of the list and the counts follow.
void placementChanged(TMainForm &form, int index)
{
    form.Hensyu(index);
    form.HalMark(listmarks::WithPasteMarks);
    form.Ninzu();
}
} // namespace

void TMainForm::Button4Click() // 自分で 「開始」
{
    if (Combining) return;
    if (automaticCombinationStored(*this)) {
        warn(*this, u"おまかせで作った組み合わせがあります。「やり直し」を押してから始めて下さい"_s);
        return;
    }
    if (PlayCount > roster::MaxMembers) {
        platform.messageBox(u"出場者数が300名を超えています"_s, u"出場者オーバー"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        return;
    }
    // Group lists left without parties belong to no combination; kept, they would make the
    // parties pasted now read as rows of a group's list.
    for (QStringList &list : GroupList) list.clear();
    markPlacedAsStored(*this);
    Combining = 1;
    setColour({"Label44", "Label45", "Label46", "Label47"}, colours::Cream);
    HandMade = 1;
    AutoMade = 0;
    pressPaste(*this);

    // Group A becomes current with its stored parties, taken over to be extended.
    const bool groupWasCurrent = CurGroup != curgroup::None;
    groupTab(1);
    CurGroup = curgroup::A;
    if (!groupWasCurrent) {
        KumiClr(kumiclear::AllPanels);
        KumiWake(1);
        DspKumi();
    }

    setEnabled({"Button4", "Button1"}, false);
    setEnabled({"Button9", "Label78", "Label79"}, true);
    control("Label23").fontColour = colours::White;
    lockDivisionFields(true);
}

void TMainForm::Label78Click() // 「貼り付け →」
{
    if (PasteOn == 1) {
        control("Label78").colour = colours::White;
        EditMode = editmode::None;
        PasteOn = 0;
        return;
    }
    pressPaste(*this);
}

void TMainForm::Label79Click() // 「← 戻す」
{
    if (ReturnOn == 1) {
        control("Label79").colour = colours::White;
        EditMode = editmode::None;
        ReturnOn = 0;
        return;
    }
    BtnClr(0);
    control("Button4").enabled = false;
    control("Label79").colour = colours::Yellow;
    ReturnOn = 1;
    PasteOn = 0;
    ImgEnab();
    setEnabled({"Label75", "Label76", "Label77"}, false);
}

void TMainForm::pickMemberForPaste(int row)
{
    if (EditMode != editmode::Paste || row < 0 || row >= MemberCount() || row >= roster::MaxMembers) return;
    control("Label20").text.clear();
    if (CurGroup == curgroup::None) return;
    const Member &m = Members[row];
    if (m.plays() && !m.placed()) {
        control("Label20").text = QString::number(row);
        MarkOn(PasteMarkX, row, roster::PasteArrow, colours::Black);
        ImgEnab();
    }
    Hensyu(row);
}

void TMainForm::kumiPanelMouseDown(int party, int y)
{
    if (party < 1 || party > grouping::Parties || !PanelsClickable) return;
    QStringList &members = KumiList[party - 1];

    if (PasteOn == 1) {
        const QString picked = control("Label20").text;
        bool ok = false;
        const int index = picked.toInt(&ok);
        if (ok && index >= 0 && index < roster::MaxMembers) {
            if (members.size() < PartyCap) {
                members << picked;
                Members[index].PasteMark = u"on"_s;
                placementChanged(*this, index);
                ImgDsEnab();
                DspKumi();
            } else {
                warn(*this, u"人数オーバーです"_s);
                HalMark(listmarks::WithPasteMarks);
            }
        }
    } else if (ReturnOn == 1) {
        const int row = std::max(0, (y - 3) / (KumiFontHeight + 3));
        if (row >= members.size()) {
            warn(*this, u"無効な操作です"_s);
        } else {
            bool ok = false;
            const int index = members.at(row).toInt(&ok);
            if (ok && index >= 0 && index < roster::MaxMembers) {
                Members[index].PasteMark = u"off"_s;
                placementChanged(*this, index);
            }
            KumiClr(party);
            members.removeAt(row);
            DspKumi();
        }
    }

    if (isGroup(CurGroup)) KumiHyo(groupNumber(CurGroup));
}

void TMainForm::Button9Click() // 自分で 「完了」
{
    for (const char *heading : {"Label23", "Label26"}) control(heading).fontColour = colours::Yellow;
    setEnabled({"Label75", "Label76", "Label77"}, true);
    setEnabled({"Label78", "Label79", "Button4", "Button1", "Button9"}, false);
    lockDivisionFields(true);
    BtnClr(0);
    ImgDsEnab();
    showWholeRosterAgain(true);
}
