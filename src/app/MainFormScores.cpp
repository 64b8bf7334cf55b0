// The score records of every place and the clear commands of the menu クリア.
#include "app/MainForm.h"

using namespace Qt::StringLiterals;

void TMainForm::TokutenClr(int kind)
{
    if (kind >= scoreclear::GroupA && kind <= scoreclear::GroupD) {
        scoring::clearGroup(ScoreSlots, kind - scoreclear::GroupA);
    } else if (kind == scoreclear::AllGroups) {
        for (int g = 0; g < GroupsMax; ++g) scoring::clearGroup(ScoreSlots, g);
    } else if (kind == scoreclear::SlotTexts) {
        scoring::clearTexts(KumiSlotText);
    }
    showMissingCount();
}

namespace {
// A clear command asks first; only はい clears.
void askAndClearScores(TMainForm &form, const QString &text, const QString &caption, int kind)
{
    if (form.platform.messageBox(text, caption, MsgIcon::None, MsgButtons::YesNo) == IdYes)
        form.TokutenClr(kind);
}
} // namespace

void TMainForm::N18Click() // クリア › 全ての得点をクリア
{
    askAndClearScores(*this, u"入力済み得点を全て消去します。"_s, u"得点クリア"_s, scoreclear::AllGroups);
}

void TMainForm::A1Click() // クリア › Aグループの得点をクリア
{
    askAndClearScores(*this, u"Aグループの得点をクリアします。"_s, u"Aクリア"_s, scoreclear::GroupA);
}

void TMainForm::B1Click() // クリア › Bグループの得点をクリア
{
    askAndClearScores(*this, u"Bグループの得点をクリアします。"_s, u"Bクリア"_s, scoreclear::GroupB);
}

void TMainForm::C1Click() // クリア › Cグループの得点をクリア
{
    askAndClearScores(*this, u"Cグループの得点をクリアします。"_s, u"Cクリア"_s, scoreclear::GroupC);
}

void TMainForm::D1Click() // クリア › Dグループの得点をクリア
{
    askAndClearScores(*this, u"Dグループの得点をクリアします。"_s, u"Dクリア"_s, scoreclear::GroupD);
}
