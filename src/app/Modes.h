#pragma once
// The mode values of the main window and the arguments of its clear and rebuild commands.
// The stores (TMainForm::Screen, EditMode, TableMode, TableKind) stay plain ints; these are
// the names of their values.

#include "grouping/Counts.h"

// TMainForm::Screen: the screen that is showing.
namespace screen {
inline constexpr int Registration = 1; // メンバー登録
inline constexpr int Combination = 2;  // 組み合わせ
inline constexpr int ScoreSheet = 3;   // the score sheet
inline constexpr int PagedTable = 4;   // the result table or the member table
inline constexpr int GridTable = 5;    // the combination table or the score entry
inline constexpr int TableChoice = 6;  // 作表と印刷 before a table is chosen
inline constexpr int StartingUp = 8;   // while the window is being created
} // namespace screen

// TMainForm::EditMode: what a click on the member list does.
namespace editmode {
inline constexpr int None = 0;      // nothing
inline constexpr int MovePick = 1;  // 表示移動: pick the member to move
inline constexpr int MovePlace = 2; // move the picked member before the clicked one
inline constexpr int Delete = 3;    // 一行削除
inline constexpr int Play = 4;      // 出場設定
inline constexpr int Leader = 5;    // リーダ設定
inline constexpr int Paste = 6;     // 貼り付け →: pick the member to place into a party
inline constexpr int Correct = 7;   // 修正: load the member into the registration form
inline constexpr int Unmark = 8;    // 設定取消
inline constexpr int Register = 9;  // 新規登録, 追加登録: 実行 appends
} // namespace editmode

// TMainForm::TableMode: which table a table screen shows.
namespace tablemode {
inline constexpr int None = 0;
inline constexpr int CombinationTable = 1;
inline constexpr int ScoreSheet = 2;
inline constexpr int ScoreEntry = 3;
inline constexpr int ResultLandscape = 4;
inline constexpr int MemberLandscape = 5;
inline constexpr int MemberPortrait = 6;
inline constexpr int ResultPortrait = 7;
inline constexpr int ScoreCheck = 8; // 得点確認表
} // namespace tablemode

// TMainForm::TableKind: the layout that Draw draws.
namespace tablekind {
inline constexpr int None = 0;
inline constexpr int MemberLandscape = 1;
inline constexpr int ResultLandscape = 2;
inline constexpr int ScoreSheet = 3;
inline constexpr int CombinationTable = 4;
inline constexpr int ScoreEntry = 5;
inline constexpr int ResultPortrait = 6;
inline constexpr int MemberPortrait = 7;
inline constexpr int ScoreCheck = 8; // 得点確認表: the score-entry sheet with the entries
} // namespace tablekind

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
