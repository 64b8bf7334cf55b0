// The member list: ruling, drawing, marks, counts and the mark commands.
// (Being filled in.)
#include "app/MainForm.h"

using namespace Qt::StringLiterals;

void TMainForm::Ninzu()
{
    PlayCount = LeaderCount = PasteCount = MenPlaying = WomenPlaying = 0;
    MenList.clear();
    WomenList.clear();
    PasteList.clear();
    const int count = std::min(MemberCount(), roster::MaxMembers);
    for (int i = 0; i < count; ++i) {
        const Member &m = Members[i];
        if (m.plays()) ++PlayCount;
        if (m.placed()) {
            ++PasteCount;
            PasteList << i + 1;
        }
        if (m.isLeader()) ++LeaderCount;
        if (m.plays() && m.Sex == u"男性"_s) MenList << i + 1;
        if (m.plays() && m.Sex == u"女性"_s) WomenList << i + 1;
    }
    MenPlaying = static_cast<int>(MenList.size());
    WomenPlaying = static_cast<int>(WomenList.size());

    control("Label25").text = u"出場設定数   "_s + QString::number(PlayCount);
    control("Label9").text = u"リーダー設定数   "_s + QString::number(LeaderCount);
    control("Label37").text = u"貼り付け数   "_s + QString::number(PasteCount);

    if (PlayCount == 0) {
        control("Edit16").text = u"0"_s;
        KumiCount = 0;
    } else if (PlayCount <= 72) {
        control("Edit16").text = u"1"_s;
        control("Edit6").text = u"12"_s;
    } else if (PlayCount <= 144) {
        control("Edit16").text = u"2"_s;
        control("Edit6").text = u"12"_s;
    } else if (PlayCount <= 288) {
        control("Edit16").text = u"4"_s;
        control("Edit6").text = u"12"_s;
    } else {
        control("Edit16").text = u"4"_s;
        control("Edit6").text = u"10"_s;
        if (ticked("N20")) {
            platform.messageBox(u"８人枠に切り替えします"_s, u"組の人数が６人を超過します"_s, MsgIcon::Warning,
                                MsgButtons::Ok);
            tickOption("N29", "N20");
        }
    }
}

void TMainForm::Image1MouseDown(int, int) {}
void TMainForm::Hyou() {}
void TMainForm::ClrAll() {}
void TMainForm::DspItiran() {}
void TMainForm::HalMark(int) {}
void TMainForm::MarkOn(int, int, int, QColor) {}
void TMainForm::setListHeader(const QString &c5, const QString &c6) { HeaderColumn5 = c5; HeaderColumn6 = c6; }
void TMainForm::drawListHeader() {}
void TMainForm::Label75Click() {}
void TMainForm::Label76Click() {}
void TMainForm::Label77Click() {}
void TMainForm::N9Click() {}
void TMainForm::N10Click() {}
void TMainForm::A3Click() {}
void TMainForm::B3Click() {}
void TMainForm::C3Click() {}
void TMainForm::D3Click() {}
void TMainForm::N33Click() {}
