// The named controls of the window, with their start-up texts, limits and colours.
#include "app/MainForm.h"

using namespace Qt::StringLiterals;

void TMainForm::buildControls()
{
    using K = ControlKind;
    auto add = [this](const char *name, K kind, const QString &text = QString()) {
        addControl(QString::fromLatin1(name), kind, text);
    };

    // Areas
    add("Panel1", K::Panel);    // member list area
    add("Panel2", K::Panel);    // registration form
    add("Panel3", K::Panel);    // 自分で組み合せ
    add("Panel4", K::Panel);    // おまかせで組み合せ
    add("Panel5", K::Panel);    // count line
    add("Panel6", K::Panel);    // screen tabs
    add("Panel8", K::Panel);    // group tabs
    add("Panel9", K::Panel);    // party board
    add("Panel10", K::Panel);   // tournament particulars
    add("GroupBox1", K::Panel); // table commands
    for (const char *p : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel8", "Panel10"})
        control(p).colour = colours::Teal;
    control("Panel9").colour = colours::MoneyGreen;
    control("GroupBox1").colour = colours::InactiveCaption;

    // Screen tabs and group tabs
    add("Label40", K::Label, u"  メンバー登録"_s);
    add("Label42", K::Label, u"   組み合わせ"_s);
    add("Label64", K::Label, u"    作表と印刷"_s);
    add("Label54", K::Label, u"    得点入力"_s);
    for (const char *t : {"Label40", "Label42", "Label64", "Label54"})
        control(t).colour = colours::ButtonFace;
    for (const char *t : {"Label44", "Label45", "Label46", "Label47"}) {
        add(t, K::Label);
        control(t).colour = colours::Cream;
    }

    // Member list area
    add("Label10", K::Label, u"メンバー一覧表"_s);
    add("Label5", K::Label, u" 表示移動"_s);
    add("Label6", K::Label, u" 一行削除"_s);
    add("Label75", K::Label, u"  出場設定"_s);
    add("Label76", K::Label, u" リーダ設定"_s);
    add("Label77", K::Label, u"  設定取消"_s);
    for (const char *t : {"Label5", "Label6", "Label75", "Label76", "Label77"})
        control(t).colour = colours::ButtonFace;
    add("Label22", K::Label);
    control("Label22").visible = false;
    add("Image1", K::Image);
    add("Image2", K::Image);
    add("MemberSearch", K::Edit); // finds a member by part of a name or team
    control("MemberSearch").maxChars = 20;
    control("MemberSearch").toolTip =
        u"氏名かチーム名の一部を入れると、一覧表のその行に移ります (Ctrl+F)。Enterで次の行に移ります。"_s;
    add("StartHint", K::Label,
        u"メンバーが登録されていません。\n"
        u"「メンバー登録」を押し、「新規登録」を選んでメンバーを登録して下さい。\n"
        u"保存したデータは、メニューの「ファイル」の「開く」で読み込めます。"_s);
    control("StartHint").visible = false;

    // Registration form
    add("Label3", K::Label, u" 新規登録"_s);
    add("Label84", K::Label, u" 追加登録"_s);
    add("Label4", K::Label, u"   修　正"_s);
    for (const char *t : {"Label3", "Label84", "Label4"}) control(t).colour = colours::Cream;
    add("Edit2", K::Edit);
    control("Edit2").maxBytes = 18;
    add("Edit1", K::Edit);
    control("Edit1").maxBytes = 14;
    add("ComboBox1", K::ComboBox);
    control("ComboBox1").items = QStringList{u"男性"_s, u"女性"_s};
    control("ComboBox1").itemIndex = 0;
    add("ComboBox2", K::ComboBox);
    control("ComboBox2").items = QStringList{u"非表示"_s, u"大正"_s, u"昭和"_s, u"平成"_s, QString()};
    control("ComboBox2").itemIndex = 2;
    QStringList years, months, days;
    for (int n = 1; n <= 64; ++n) years << (n == 1 ? u" １年"_s : QStringLiteral("%1年").arg(n, 2));
    for (int n = 1; n <= 12; ++n) months << QStringLiteral("%1月").arg(n, 2);
    for (int n = 1; n <= 31; ++n) days << QStringLiteral("%1日 生").arg(n, 2);
    add("ComboBox3", K::ComboBox);
    control("ComboBox3").items = years;
    control("ComboBox3").itemIndex = 9;
    add("ComboBox4", K::ComboBox);
    control("ComboBox4").items = months;
    control("ComboBox4").itemIndex = 9;
    add("ComboBox5", K::ComboBox);
    control("ComboBox5").items = days;
    control("ComboBox5").itemIndex = 9;
    add("Button6", K::Button, u"実　行"_s);

    // Count line
    add("Label25", K::Label, u"出場設定数   0"_s);
    add("Label9", K::Label, u"リーダー設定数   0"_s);
    add("Label37", K::Label, u"貼り付け数   0"_s);
    add("Button2", K::Button, u"やり直し"_s);

    // Combination boxes
    add("Label26", K::Label, u"自分で組み合せ"_s);
    add("Button4", K::Button, u"開　始"_s);
    add("Button9", K::Button, u"完　了"_s);
    add("Label78", K::Label, u"  貼り付け →"_s);
    add("Label79", K::Label, u"   ← 戻す"_s);
    add("Label23", K::Label, u"おまかせで組み合せ"_s);
    add("Edit16", K::Edit, u"0"_s);
    control("Edit16").maxChars = 2;
    add("Edit6", K::Edit, u"0"_s);
    control("Edit6").maxChars = 2;
    // Read-only until やり直し; the division runs with the proposed numbers until then.
    lockDivisionFields(true);
    add("Button1", K::Button, u"開　始"_s);
    add("Button10", K::Button, u"完　了"_s);
    for (const char *t : {"Label26", "Label23"}) control(t).fontColour = colours::Yellow;
    for (const char *t : {"Label78", "Label79"}) control(t).colour = colours::ButtonFace;
    add("Label20", K::Label); // the picked member's index
    control("Label20").visible = false;

    // Party board
    const QStringList captions{u"１　組"_s, u"２　組"_s, u"３　組"_s, u"４　組"_s, u"５　組"_s,  u"６　組"_s,
                               u"７　組"_s, u"８　組"_s, u"９　組"_s, u"10　組"_s, u"１1　組"_s, u"12　組"_s};
    const char *captionLabels[grouping::Parties] = {"Label11", "Label12", "Label13", "Label14",
                                                    "Label15", "Label16", "Label17", "Label18",
                                                    "Label19", "Label24", "Label27", "Label28"};
    for (int k = 0; k < grouping::Parties; ++k) {
        add(captionLabels[k], K::Label, captions.at(k));
        add(QStringLiteral("Image%1").arg(11 + k).toLatin1().constData(), K::Image);
    }

    // Tournament particulars
    add("Edit7", K::Edit, u"なかよし会親睦大会"_s);
    control("Edit7").maxBytes = 26;
    add("Edit8", K::Edit, u"市民グラウンド"_s);
    control("Edit8").maxBytes = 30;
    add("Edit9", K::Edit, u"10"_s);
    for (const char *e : {"Edit10", "Edit11", "Edit12"}) add(e, K::Edit);
    add("Edit13", K::Edit, u"1"_s);
    add("Edit14", K::Edit, u"1"_s);
    for (const char *e : {"Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14"}) control(e).maxBytes = 4;
    add("Button8", K::Button, u"確　定"_s);

    // Table commands and table screens
    add("Label53", K::Label, u" 組合せ表作成"_s);
    add("Label43", K::Label, u" スコア表作成"_s);
    add("ScoreCheck", K::Label, u" 得点確認表作成"_s);
    add("Label60", K::Label, u" 成 績 表作成"_s);
    add("Label56", K::Label, u" メンバー表作成"_s);
    add("Label7", K::Label, u"ページ指定"_s);
    add("Edit19", K::Edit, u"1"_s);
    control("Edit19").maxChars = 2;
    add("UpDown1", K::SpinButton);
    add("Button7", K::Button, u"設定"_s);
    add("CheckBox1", K::CheckBox, u"一打を順位判定に含める"_s);
    add("CheckBox3", K::CheckBox, u"二打を順位判定に含める"_s);
    for (const char *box : {"CheckBox1", "CheckBox3"}) control(box).checked = true; // both rank at start
    add("ScrollBox2", K::ScrollBox);
    for (const char *img : {"Image4", "Image23", "Image28", "Image29"}) add(img, K::Image);
    add("Label1", K::Label, u"入れ替える選手を選び、次に相手の選手を選んで実行を押して下さい。"_s);
    add("Label2", K::Label, u"１組１番の選手から始めて下さい。"_s);
    add("Button3", K::Button, u"メンバー選択"_s);
    add("Button5", K::Button, u"入れ替え実行"_s);
    add("Edit3", K::Edit);
    control("Edit3").maxChars = 2;
    add("Edit4", K::Edit);
    control("Edit4").maxChars = 2;
    add("Edit5", K::Edit);
    control("Edit5").maxChars = 3;
    add("Label55", K::Label);
    add("Label57", K::Label, u"１打"_s);
    add("Label58", K::Label, u"２打"_s);
    add("Label59", K::Label, u"合計"_s);
    add("Label74", K::Label, u"確定"_s);
    add("MissingCount", K::Label);
    add("MissingList", K::Button, u"未入力の確認"_s);
    control("MissingCount").colour = colours::White;
    for (const char *hidden :
         {"GroupBox1", "Panel10",    "Label7",  "Edit19",  "UpDown1",      "Button7",    "CheckBox1",
          "CheckBox3", "ScrollBox2", "Image4",  "Image23", "Image28",      "Image29",    "Label1",
          "Label2",    "Button3",    "Button5", "Edit3",   "Edit4",        "Edit5",      "Label55",
          "Label57",   "Label58",    "Label59", "Label74", "MissingCount", "MissingList"})
        control(hidden).visible = false;

    // Group name entry
    add("Edit18", K::Edit);
    control("Edit18").maxBytes = 10;
    control("Edit18").colour = colours::Yellow;
    control("Edit18").visible = false;
    add("GroupNameHint", K::Label,
        u"名前を入れたら、メニューの「グループ名変更」で\n「Aグループを変える」～「Dグループを変える」を選んで下さい。"_s);
    control("GroupNameHint").visible = false;

    // Menu entries
    const std::pair<const char *, QString> menu[] = {
        {"N3", u"開く"_s},
        {"SaveInPlace", u"上書き保存"_s},
        {"N7", u"保存"_s},
        {"Recent1", QString()},
        {"Recent2", QString()},
        {"Recent3", QString()},
        {"Recent4", QString()},
        {"N11", u"閉じる"_s},
        {"N39", u"システムファイルを削除"_s},
        {"N9", u"全員を出場に設定"_s},
        {"N10", u"全員の出場を解除"_s},
        {"N16", u"組み合わせデータをクリア"_s},
        {"N18", u"全ての得点をクリア"_s},
        {"A1", u"Aグループの得点をクリア"_s},
        {"B1", u"Bグループの得点をクリア"_s},
        {"C1", u"Cグループの得点をクリア"_s},
        {"D1", u"Dグループの得点をクリア"_s},
        {"N20", u"６人枠"_s},
        {"N29", u"８人枠"_s},
        {"N31", u"タテ形"_s},
        {"N32", u"ヨコ形"_s},
        {"N35", u"表示する"_s},
        {"N36", u"表示しない"_s},
        {"N47", u"表示する"_s},
        {"N48", u"表示しない"_s},
        {"A3", u"Aグループ指定"_s},
        {"B3", u"Bグループ指定"_s},
        {"C3", u"Cグループ指定"_s},
        {"D3", u"Dグループ指定"_s},
        {"N33", u"指定なし"_s},
        {"N43", u"する"_s},
        {"N44", u"しない"_s},
        {"SpreadTeamsOn", u"する"_s},
        {"SpreadTeamsOff", u"しない"_s},
        {"N41", u"入れ替え開始"_s},
        {"N45", u"入れ替え終り"_s},
        {"N37", u"表示する"_s},
        {"N38", u"表示しない"_s},
        {"N24", u"新しい名称を入力"_s},
        {"A2", u"Aグループを変える"_s},
        {"B2", u"Bグループを変える"_s},
        {"C2", u"Cグループを変える"_s},
        {"D2", u"Dグループを変える"_s},
        {"N2", u"終了"_s},
        {"N27", u"擬似メンバー読み出し"_s},
        {"N28", u"擬似得点読み出し"_s},
        {"N21", u"印 刷"_s},
        {"PrintPreview", u"印刷プレビュー"_s},
        {"SavePdf", u"PDFに保存"_s},
        {"PrintAll", u"まとめて印刷"_s},
        {"CsvExport", u"CSVに書き出し"_s},
        {"Season", u"年間成績…"_s},
        {"Venue", u"会場ネットワーク…"_s},
        {"CheckCombination", u"組み合わせの確認"_s},
        {"TextSize100", u"標準"_s},
        {"TextSize125", u"大 (125 %)"_s},
        {"TextSize150", u"特大 (150 %)"_s},
        {"Undo", u"元に戻す"_s},
        {"Redo", u"再実行"_s},
        {"N5", u"ヘルプ"_s},
        {"N6", u"バージョン情報"_s},
    };
    for (const auto &[name, caption] : menu) add(name, K::MenuItem, caption);
    for (const char *recent : {"Recent1", "Recent2", "Recent3", "Recent4"}) control(recent).visible = false;
    // Shown by a window that has the venue network.
    control("Venue").visible = false;
}
