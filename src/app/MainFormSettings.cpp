// Menu options, the group names kept in the user's settings, closing, help and the about box.
#include "app/MainForm.h"

#include "grouping/Counts.h"
#include "settings/WindowSettings.h"

using namespace Qt::StringLiterals;

void TMainForm::tickOption(const char *chosen, const char *partner)
{
    control(chosen).checked = true;
    control(partner).checked = false;
}

void TMainForm::N20Click() { tickOption("N20", "N29"); } // ６人枠
void TMainForm::N29Click() { tickOption("N29", "N20"); } // ８人枠
void TMainForm::N31Click() { tickOption("N31", "N32"); } // タテ形
void TMainForm::N32Click() { tickOption("N32", "N31"); } // ヨコ形
// The score sheet is drawn at once, from whatever screen; while a combination is in progress
// only the tick changes, so that its 完了 and やり直し stay within reach.
void TMainForm::N35Click() // ホール番号を表示する
{
    tickOption("N35", "N36");
    if (!Combining) Label43Click();
}

void TMainForm::N36Click() // ホール番号を表示しない
{
    tickOption("N36", "N35");
    if (!Combining) Label43Click();
}
void TMainForm::N47Click() { tickOption("N47", "N48"); } // "－"を表示する
void TMainForm::N48Click() { tickOption("N48", "N47"); } // "－"を表示しない
void TMainForm::N43Click() { tickOption("N43", "N44"); } // 男女を平均する
void TMainForm::N44Click() { tickOption("N44", "N43"); } // 男女を平均しない
void TMainForm::SpreadTeamsOnClick()
{
    tickOption("SpreadTeamsOn", "SpreadTeamsOff");
} // 同じチームを分散する
void TMainForm::SpreadTeamsOffClick()
{
    tickOption("SpreadTeamsOff", "SpreadTeamsOn");
} // 同じチームを分散しない

void TMainForm::N37Click() // 一覧表に年齢を表示する
{
    tickOption("N37", "N38");
    Bunkatu();
}

void TMainForm::N38Click() // 一覧表に年齢を表示しない
{
    tickOption("N38", "N37");
    Bunkatu();
}

void TMainForm::RegFSettei()
{
    SettingsStore &store = platform.settings();
    // Only the first pending rename, in the order A to D, is written per call.
    for (int g = 0; g < grouping::Groups; ++g) {
        if (RenamePending[g]) {
            store.write(settings::groupNameKey(g), PendingName[g]);
            RenamePending[g] = false;
            break;
        }
    }
    for (int g = 0; g < grouping::Groups; ++g)
        GroupDisplayName[g] = store.read(settings::groupNameKey(g)).value_or(grouping::groupLetter(g));
    if (DeleteRequested) {
        DeleteRequested = false; // used once, whether the deletion succeeded or not
        QString error;
        if (!store.removeAll(&error)) platform.messageBox(error, QString(), MsgIcon::None, MsgButtons::Ok);
    }
    const char *tabs[grouping::Groups] = {"Label44", "Label45", "Label46", "Label47"};
    for (int g = 0; g < grouping::Groups; ++g) control(tabs[g]).text = GroupDisplayName[g] + u" グループ"_s;
}

void TMainForm::N24Click() // グループ名変更 › 新しい名称を入力
{
    control("Edit18").text.clear();
    showGroupNameEntry(true);
    FocusRequest = u"Edit18"_s;
}

void TMainForm::showGroupNameEntry(bool shown)
{
    // Beside the field, a hint tells how the typed name is applied.
    control("Edit18").visible = shown;
    control("GroupNameHint").visible = shown;
}

void TMainForm::renameGroup(int g)
{
    PendingName[g] = control("Edit18").text;
    RenamePending[g] = true;
    RegFSettei();
    showGroupNameEntry(false);
    Hyou();
    RegFSettei();
}

void TMainForm::A2Click() { renameGroup(0); } // Aグループを変える
void TMainForm::B2Click() { renameGroup(1); } // Bグループを変える
void TMainForm::C2Click() { renameGroup(2); } // Cグループを変える
void TMainForm::D2Click() { renameGroup(3); } // Dグループを変える

void TMainForm::N2Click() { showGroupNameEntry(false); } // グループ名変更 › 終了

void TMainForm::N39Click() // ファイル › システムファイルを削除
{
    const int answer =
        platform.messageBox(u"グループ名などの設定が初期状態に戻ります。設定ファイルを削除しますか"_s,
                            u"警告"_s, MsgIcon::Error, MsgButtons::YesNo);
    if (answer != IdYes) return;
    DeleteRequested = true;
    RegFSettei();
    const QString done = u"設定ファイルは削除しました。再起動して下さい。"_s;
    if (platform.messageBox(done, u"設定ファイル削除"_s, MsgIcon::None, MsgButtons::YesNo) == IdYes)
        platform.messageBox(done, QString(), MsgIcon::None, MsgButtons::Ok);
}

bool TMainForm::confirmClose()
{
    if (CloseConfirmed) return true;
    if (meetingChanged()) {
        // Changed work is offered for saving instead of the usual question.
        CloseConfirmed = unsavedWorkHandled();
    } else {
        CloseConfirmed = platform.messageBox(u"このソフトウエアを終了しますか"_s, u"終了"_s, MsgIcon::Warning,
                                             MsgButtons::YesNo) == IdYes;
    }
    if (CloseConfirmed) endCleanly();
    return CloseConfirmed;
}

void TMainForm::N11Click() // ファイル › 閉じる
{
    if (confirmClose()) platform.closeMainWindow();
}

void TMainForm::N5Click() // ヘルプ › ヘルプ
{
    const QString help = u"KmtxHlp.html"_s;
    if (platform.openDocument(help)) return;
    platform.messageBox(u"ヘルプファイル「%1」を開けませんでした。\n"
                        u"このファイル（Windows ではプログラムと同じフォルダー、"
                        u"Linux では /usr/share/kmtx にあります）をブラウザーで開いて下さい。"_s.arg(help),
                        u"ヘルプ"_s, MsgIcon::Information, MsgButtons::Ok);
}

void TMainForm::N6Click() { platform.showAbout(); } // ヘルプ › バージョン情報

// ---- The size of the window's text ------------------------------------------------------

namespace {
const QString kTextSizeKey = u"TextSize"_s;
constexpr std::pair<int, const char *> kTextSizes[] = {
    {100, "TextSize100"}, {125, "TextSize125"}, {150, "TextSize150"}};
} // namespace

void TMainForm::chooseTextScale(int percent)
{
    // Only the sizes offered (those the screen takes) are chosen.
    if (percent > LargestTextScale) return;
    TextScale = percent;
    for (const auto &[size, entry] : kTextSizes) control(entry).checked = size == percent;
    platform.settings().write(kTextSizeKey, QString::number(percent));
}

void TMainForm::TextSize100Click() { chooseTextScale(100); } // 文字の大きさ › 標準
void TMainForm::TextSize125Click() { chooseTextScale(125); } // … 大
void TMainForm::TextSize150Click() { chooseTextScale(150); } // … 特大

void TMainForm::loadTextScale()
{
    const int stored = platform.settings().read(kTextSizeKey).value_or(QString()).toInt();
    TextScale = 100;
    for (const auto &[size, entry] : kTextSizes)
        if (size == stored && size <= LargestTextScale) TextScale = size;
    for (const auto &[size, entry] : kTextSizes) control(entry).checked = size == TextScale;
}

void TMainForm::offerTextSizes(int largestPercent)
{
    LargestTextScale = std::max(100, largestPercent);
    for (const auto &[size, entry] : kTextSizes) control(entry).visible = size <= LargestTextScale;
    // A size kept from a larger screen gives way to the largest this one takes; the
    // setting stays for the larger screen.
    if (TextScale > LargestTextScale) {
        TextScale = 100;
        for (const auto &[size, entry] : kTextSizes)
            if (size <= LargestTextScale) TextScale = size;
        for (const auto &[size, entry] : kTextSizes) control(entry).checked = size == TextScale;
    }
}
