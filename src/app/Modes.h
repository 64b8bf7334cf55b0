#pragma once
// The mode values of the main window and the arguments of its clear and rebuild commands.
// The modes are enumerations, so a mode is compared and set by name only; where a number
// is wanted (an index, a saved value) it is converted at that place.

#include "grouping/Counts.h"

// TMainForm::Screen: the screen that is showing.
enum class screen {
    None = 0,         // before the window is created
    Registration = 1, // メンバー登録
    Combination = 2,  // 組み合わせ
    ScoreSheet = 3,   // the score sheet
    PagedTable = 4,   // the result table or the member table
    GridTable = 5,    // the combination table or the score entry
    TableChoice = 6,  // 作表と印刷 before a table is chosen
    StartingUp = 8,   // while the window is being created
};

// TMainForm::EditMode: what a click on the member list does.
enum class editmode {
    None = 0,      // nothing
    MovePick = 1,  // 表示移動: pick the member to move
    MovePlace = 2, // move the picked member before the clicked one
    Delete = 3,    // 一行削除
    Play = 4,      // 出場設定
    Leader = 5,    // リーダ設定
    Paste = 6,     // 貼り付け →: pick the member to place into a party
    Correct = 7,   // 修正: load the member into the registration form
    Unmark = 8,    // 設定取消
    Register = 9,  // 新規登録, 追加登録: 実行 appends
};

// The tables, one numbering for both TMainForm::TableMode (which table a table screen
// shows) and TMainForm::TableKind (the layout that Draw draws).
enum class tablekind {
    None = 0,
    CombinationTable = 1,
    ScoreSheet = 2,
    ScoreEntry = 3,
    ResultLandscape = 4,
    MemberLandscape = 5,
    MemberPortrait = 6,
    ResultPortrait = 7,
    ScoreCheck = 8, // 得点確認表: the score-entry sheet with the entries
};

// TMainForm::CurGroup: the group a screen shows.
enum class curgroup {
    None = 0, // no group: the roster, the combination before its groups
    A = 1,
    B = 2,
    C = 3,
    D = 4,
    NotChosen = 5, // a table screen before its group is chosen
};

// Group g (1 to grouping::Groups) as the current group.
constexpr curgroup groupNumbered(int g) { return static_cast<curgroup>(g); }
// Whether the current group is one of A to D.
constexpr bool isGroup(curgroup g) { return g >= curgroup::A && g <= curgroup::D; }
// The number of group A to D (1 to grouping::Groups); 0 for None, 5 for NotChosen.
constexpr int groupNumber(curgroup g) { return static_cast<int>(g); }
// The index of group A to D (0 to grouping::Groups - 1), for the stores held per group.
constexpr int groupIndex(curgroup g) { return static_cast<int>(g) - 1; }

// TMainForm::HalMark(kind): what the mark columns of the member list show.
enum class listmarks {
    Blank = 0,          // column 5 blanked
    WithPasteMarks = 2, // the marks and the paste arrows (組み合わせ)
    Marks = 3,          // the marks alone
};

// TMainForm::TokutenClr(kind): the records of one group, of all groups, or the slot texts.
namespace scoreclear {
inline constexpr int GroupA = 1; // GroupA + g for group g (0 to 3)
inline constexpr int GroupB = 2;
inline constexpr int GroupC = 3;
inline constexpr int GroupD = 4;
inline constexpr int AllGroups = 5; // the records of all four groups
inline constexpr int SlotTexts = 6; // the slot texts, the records stay
} // namespace scoreclear

// TMainForm::KumiClr(what): parties are panels FirstPanel to LastPanel.
namespace kumiclear {
inline constexpr int FirstPanel = 1;
inline constexpr int LastPanel = grouping::Parties;
inline constexpr int PartyLists = 13; // empties the twelve party lists
inline constexpr int AllPanels = 14;  // blanks the twelve party panels
} // namespace kumiclear

// TMainForm::Hensyu(i): i is a member's index, or AllLines to rebuild every line.
namespace hensyu {
inline constexpr int AllLines = 500;
} // namespace hensyu
