#include "gui/MenuTable.h"

#include <QStringList>
#include <map>

using namespace Qt::StringLiterals;

namespace {

MenuNode entry(const QString &name, bool separatorBefore = false)
{
    MenuNode n;
    n.entry = name;
    n.separatorBefore = separatorBefore;
    return n;
}

MenuNode menu(const QString &title, std::vector<MenuNode> children, bool remindsWhileCombining = false)
{
    MenuNode n;
    n.title = title;
    n.children = std::move(children);
    n.remindsWhileCombining = remindsWhileCombining;
    return n;
}

std::vector<MenuNode> build()
{
    return {
        menu(u"ファイル"_s,
             {entry(u"N3"_s), entry(u"SaveInPlace"_s), entry(u"N7"_s), entry(u"PrintPreview"_s, true),
              entry(u"SavePdf"_s), entry(u"PrintAll"_s), entry(u"CsvExport"_s), entry(u"Season"_s, true),
              entry(u"Recent1"_s, true), entry(u"Recent2"_s), entry(u"Recent3"_s), entry(u"Recent4"_s),
              entry(u"N11"_s, true), entry(u"N39"_s, true)},
             true),
        menu(u"編集"_s, {entry(u"Undo"_s), entry(u"Redo"_s)}),
        menu(u"一括出場設定"_s, {entry(u"N9"_s), entry(u"N10"_s)}, true),
        menu(u"クリア"_s,
             {entry(u"N16"_s), entry(u"N18"_s, true), entry(u"A1"_s), entry(u"B1"_s), entry(u"C1"_s),
              entry(u"D1"_s)},
             true),
        menu(u"作表設定"_s,
             {menu(u"一組の最大人数設定"_s, {entry(u"N20"_s), entry(u"N29"_s)}),
              menu(u"成績表・メンバー表の形式"_s, {entry(u"N31"_s), entry(u"N32"_s)}),
              menu(u"スコア表のホール番号表示"_s, {entry(u"N35"_s), entry(u"N36"_s)}),
              menu(u"スコア入力欄に\"－\"を表記する"_s, {entry(u"N47"_s), entry(u"N48"_s)})},
             true),
        menu(u"組み合せ設定"_s,
             {menu(u"リーダーをグループ指定"_s,
                   {entry(u"A3"_s), entry(u"B3"_s), entry(u"C3"_s), entry(u"D3"_s), entry(u"N33"_s)}),
              menu(u"男女を平均して組み合わせ"_s, {entry(u"N43"_s), entry(u"N44"_s)}),
              menu(u"同じチームを分散"_s, {entry(u"SpreadTeamsOn"_s), entry(u"SpreadTeamsOff"_s)}),
              menu(u"組み合せ表で選手の入れ替え"_s, {entry(u"N41"_s), entry(u"N45"_s)}),
              entry(u"CheckCombination"_s, true)}),
        menu(u"オプション"_s,
             {menu(u"一覧表に年齢を表示"_s, {entry(u"N37"_s), entry(u"N38"_s)}),
              menu(u"グループ名変更"_s, {entry(u"N24"_s), entry(u"A2"_s, true), entry(u"B2"_s),
                                         entry(u"C2"_s), entry(u"D2"_s), entry(u"N2"_s, true)}),
              menu(u"文字の大きさ"_s,
                   {entry(u"TextSize100"_s), entry(u"TextSize125"_s), entry(u"TextSize150"_s)}),
              entry(u"Venue"_s, true),
              menu(u"テスト用擬似データ読み出し"_s, {entry(u"N27"_s), entry(u"N28"_s)})},
             true),
        entry(u"N21"_s),
        menu(u"ヘルプ"_s, {entry(u"N5"_s), entry(u"N6"_s)}),
    };
}

} // namespace

const std::vector<MenuNode> &menuBarTable()
{
    static const std::vector<MenuNode> table = build();
    return table;
}

QKeySequence shortcutOf(const QString &entry)
{
    static const std::map<QString, QKeySequence> keys{{u"N3"_s, QKeySequence(Qt::CTRL | Qt::Key_O)},
                                                      {u"SaveInPlace"_s, QKeySequence(Qt::CTRL | Qt::Key_S)},
                                                      {u"N21"_s, QKeySequence(Qt::CTRL | Qt::Key_P)},
                                                      {u"N5"_s, QKeySequence(Qt::Key_F1)}};
    const auto it = keys.find(entry);
    return it == keys.end() ? QKeySequence() : it->second;
}

bool isOptionEntry(const QString &name)
{
    static const QStringList options{u"N20"_s,           u"N29"_s,
                                     u"N31"_s,           u"N32"_s,
                                     u"N35"_s,           u"N36"_s,
                                     u"N47"_s,           u"N48"_s,
                                     u"N43"_s,           u"N44"_s,
                                     u"N37"_s,           u"N38"_s,
                                     u"SpreadTeamsOn"_s, u"SpreadTeamsOff"_s,
                                     u"TextSize100"_s,   u"TextSize125"_s,
                                     u"TextSize150"_s};
    return options.contains(name);
}
