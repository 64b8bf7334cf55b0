#pragma once
// The main window without widgets: every store, every mode value, the state of every
// named control, and every command as a public method. The Qt front end forwards
// clicks and keys here and copies the controls back into its widgets.

#include "app/AppLayer.h"
#include "app/Control.h"
#include "app/MeetingHistory.h"
#include "app/Modes.h"
#include "app/Platform.h"
#include "app/ScreenAreas.h"
#include "datafile/Meeting.h"
#include "grouping/Counts.h"
#include "roster/Member.h"
#include "scoring/MissingEntries.h"
#include "scoring/ScoreSlots.h"
#include "tables/MeetingPages.h"
#include "tables/ScoreSheet.h"
#include "tables/SheetUnits.h"
#include "tables/TableOptions.h"
#include "text/Random.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>

class Canvas;

// Whether two members hold the same texts (quick when one is a copy of the other).
bool sameMember(const Member &a, const Member &b);

class TMainForm
{
public:
    explicit TMainForm(Platform &platform);
    TMainForm(const TMainForm &) = delete;
    TMainForm &operator=(const TMainForm &) = delete;

    // ---- Controls as data -------------------------------------------------------
    Control &control(const char *name);
    Control &control(const QString &name);
    const std::map<QString, Control> &controls() const { return m_controls; }
    bool hasControl(const QString &name) const { return m_controls.count(name) != 0; }
    Canvas &picture(const char *name);
    void setVisible(std::initializer_list<const char *> names, bool visible);
    void setEnabled(std::initializer_list<const char *> names, bool enabled);
    void setColour(std::initializer_list<const char *> names, QColor colour);

    // ---- What a user does (used by the GUI and by tests) -------------------------
    // Typing into a text field: the text is cut to the field's limit, stored, and the
    // field's change handler runs. Returns the text the field now holds.
    QString typeInto(const QString &field, const QString &text);
    QString typeInto(const char *field, const QString &text)
    {
        return typeInto(QString::fromLatin1(field), text);
    }
    // A mouse click into a text field (some fields empty themselves).
    void clickField(const QString &field);
    // Enter pressed in a text field, or on a focused button (the control's name).
    void pressEnter(const QString &name);
    // Choosing an entry of a selection list.
    void chooseItem(const char *list, int index);
    // A click on the member list (list coordinates) and on row r of it.
    void Image1MouseDown(int x, int y);
    void clickMemberList(int row) { Image1MouseDown(40, row * RowHeight + 10); }
    // Opening one of the menus ファイル, 一括出場設定, クリア, 作表設定, オプション.
    void menuOpened(const QString &menuTitle);
    // The window's close box: true when the window may close.
    bool confirmClose();

    // ---- Commands, undo and the recovery copy -------------------------------------
    // Runs a command the user gave through a control (its name: "Button6", "Image1",
    // "Edit3" …), then keeps what it changed: a step of 元に戻す and the recovery copy.
    // The window and the tests both come in here.
    void perform(const QString &source, const std::function<void()> &command);
    void UndoClick(); // 編集 › 元に戻す
    void RedoClick(); // 編集 › 再実行
    // At start: a copy left by a program that ended without saving is offered back.
    void offerRecovery();
    // The meeting begins afresh (opened, restored or discarded): no steps to undo, and
    // the recovery copy follows the new meeting.
    void startFreshHistory();
    // A clean end: the work is saved or given up, so no copy stays behind.
    void endCleanly();
    StepPlace currentPlace() const;
    void goToPlace(const StepPlace &place);
    // Puts the meeting of a step back (the data file's bytes) on the screen it belongs to.
    void restoreStep(const QByteArray &bytes, const StepPlace &place);
    QString stepLabel(const QString &source);
    void showUndoEntries();
    MeetingHistory History;

    // ---- Start-up ---------------------------------------------------------------
    void FormCreate();
    void Hajime();

    // ---- Roster -----------------------------------------------------------------
    int MemberCount() const { return static_cast<int>(MemberLines.size()); }
    void Bunkatu();
    void Hensyu(int i); // hensyu::AllLines rebuilds every line

    // ---- Screens ----------------------------------------------------------------
    void Label40Click(); // tab 「メンバー登録」
    void Label42Click(); // tab 「組み合わせ」
    void Label64Click(); // tab 「作表と印刷」
    void BtnClr(int kind);
    void remindCombining(); // the box "「完了」又は「やり直し」を押して下さい"
    void colourScreenTabs(const char *current);
    void showScreenAreas(const ScreenAreas &view); // the areas and controls of one screen

    // ---- Registration and list edits -------------------------------------------
    void Label3Click();  // 「新規登録」
    void Label84Click(); // 「追加登録」
    void Label4Click();  // 「修　正」 修正
    void Button6Click(); // 「実　行」 実行
    void Label5Click();  // 「表示移動」
    void Label6Click();  // 「一行削除」
    void Label22Click(); // the hint line under the list commands (no caption of its own)
    void setRegistrationSelector(const char *on); // one of Label3/Label84/Label4 on, or none (nullptr)
    bool registrationSelectorOn(const char *label) { return control(label).colour == colours::Yellow; }
    void moveClick(int row);         // a list click while moving (EditMode 1 and 2)
    void deleteClick(int row);       // a list click while deleting (EditMode 3)
    void pickForCorrection(int row); // a list click while correcting (EditMode 7)
    void highlightRow(int row);      // the picked member's team and name in red

    // ---- Member list and marks --------------------------------------------------
    void Hyou();
    void ClrAll();
    void DspItiran();
    void HalMark(listmarks kind);
    void MarkOn(int x, int row, int kind, QColor colour);
    void Ninzu();
    void setListHeader(const QString &column5, const QString &column6);
    void drawListHeader();
    void scrollListTo(int topRow);
    int lastListTopRow() const; // the last row the list can scroll to the top
    static constexpr int ListVisibleRows = 21;
    void Label75Click(); // 「出場設定」
    void Label76Click(); // 「リーダ設定」
    void Label77Click(); // 「設定取消」
    void N9Click();      // 一括出場設定 › 全員を出場に設定
    void N10Click();     // 一括出場設定 › 全員の出場を解除
    void A3Click();      // 組み合せ設定 › リーダーをグループ指定 › Aグループ指定
    void B3Click();      // 組み合せ設定 › リーダーをグループ指定 › Bグループ指定
    void C3Click();      // 組み合せ設定 › リーダーをグループ指定 › Cグループ指定
    void D3Click();      // 組み合せ設定 › リーダーをグループ指定 › Dグループ指定
    void N33Click();     // 組み合せ設定 › リーダーをグループ指定 › 指定なし
    void markClick(int row);   // a list click in EditMode 4, 5 or 8
    void drawListRow(int row); // the particulars (and marks) of one member for the current screen
    void blankListColumns(int first, int last); // blanks columns first..last (1-based) of all rows
    void blankListRow(int row);                 // blanks columns 2 to 6 of one row
    int rowTextY(int row) const { return row * RowHeight + 7; }
    static constexpr int MarkX = 376;         // the mark in column 5
    static constexpr int PasteMarkX = 459;    // "⇒" in column 6
    static constexpr int ListFontHeight = 15; // member list and header texts
    static constexpr int DateFontHeight = 12; // the birth date in column 5

    // ---- Groups and parties -----------------------------------------------------
    void KumiClr(int what);
    void GrupClr(int flag);
    void KumiWake(int group);
    void KumiHyo(int group);
    void DspKumi();
    // The lines the parties of group g (1..4) number: the group's list for a combination made
    // automatically, the saved roster for one made by hand. Whatever screen was visited, a
    // party's indexes are read against this list and no other.
    QStringList partyNumbering(int g) const;
    void KumiOff();
    void KumiOn();
    void ImgEnab();
    void ImgDsEnab();
    void GKOver();
    void Edit16Change(); // グループ数 changed
    void Edit16Click();  // a click into グループ数
    void Edit6Click();   // a click into 一グループの組数
    // The whole number in グループ数 (Edit16) or 一グループの組数 (Edit6); anything else is
    // refused with a box naming the field.
    bool readDivisionField(const char *field, int &value);
    static int kumiLineY(int line);       // the y of line `line` (0-based) of a party panel
    void lockDivisionFields(bool locked); // グループ数 and 一グループの組数 read-only or editable
    // グループ数 and 一グループの組数 show the stored combination's counts (when one is stored).
    void showCombinationCounts();

    // ---- Score records ----------------------------------------------------------
    void TokutenClr(int kind);
    void N18Click(); // クリア › 全ての得点をクリア
    void A1Click();  // クリア › Aグループの得点をクリア
    void B1Click();  // クリア › Bグループの得点をクリア
    void C1Click();  // クリア › Cグループの得点をクリア
    void D1Click();  // クリア › Dグループの得点をクリア

    // ---- Group tabs and clearing --------------------------------------------------
    void Label44Click(); // group tab A (the name of group A)
    void Label45Click(); // group tab B (the name of group B)
    void Label46Click(); // group tab C (the name of group C)
    void Label47Click(); // group tab D (the name of group D)
    void groupTab(int g);
    void N16Click();             // クリア › 組み合わせデータをクリア
    void clearCombinationData(); // what 組み合わせデータをクリア does, without asking
    // A command that throws the combination and every entry away asks first when there is
    // something to lose, captioned with its own name; true when it may go on.
    bool combinationDiscardConfirmed(const QString &caption);
    bool combinationExists() const;
    int playersWithEntries() const;
    void redrawTableOfGroup(); // the table screens draw the chosen group's table again

    // ---- Tables and printing ------------------------------------------------------
    void Draw(Canvas &canvas);
    void Label43Click();                    // 「スコア表作成」
    void Label53Click();                    // 「組合せ表作成」
    void Label56Click();                    // 「メンバー表作成」
    void GroupBox1Click();                  // a click on the table command box outside its commands
    void Button8Click();                    // 「確　定」 確定 of the particulars
    void Button7Click();                    // 「設定」 beside ページ指定
    void UpDown1Click() { UpDown1Step(1); } // ページ指定: the spin button's upper arrow (▲)
    void UpDown1Step(int direction);        // +1 up, -1 down
    void Edit13Change();                    // 組 changed: 番スタート follows
    void N21Click();                        // menu 印 刷 (印刷)
    void Label60Click();                    // 「成 績 表作成」 成績表作成
    void ScoreCheckClick();                 // 「得点確認表作成」
    void CheckBox1Click();                  // 一打を順位判定に含める
    void CheckBox3Click();                  // 二打を順位判定に含める
    void PrintPreviewClick();               // ファイル › 印刷プレビュー
    void SavePdfClick();                    // ファイル › PDFに保存
    void PrintAllClick();                   // ファイル › まとめて印刷
    void CsvExportClick();                  // ファイル › CSVに書き出し
    void SeasonClick();                     // ファイル › 年間成績…
    void VenueClick();                      // オプション › 会場ネットワーク…
    // Writes a comma-separated file through the save dialog; a box when it cannot be written.
    void saveCsvFile(const QList<QStringList> &rows, const QString &caption);
    // A click into a particulars field or ページ指定 empties it; true when the field is one of them.
    bool tableFieldClicked(const QString &field);
    void redrawCurrentTable();             // repeats the command of the table on the screen
    Canvas &tableCanvas(const char *name); // a table picture at its screen size
    // The ranking of every place with entries, by the two ranking options; false (after a
    // box naming the place) when a figure cannot be read.
    bool buildRankList();
    // The note that placed players lack an entry, at most once per drawing command (a
    // command that draws the result table clears UnenteredNoted first).
    void noteUnentered();
    void showResultTable();      // the result table drawn again, as a page turn draws it
    bool printingRefused();      // the notice while combining; true on screens that print nothing
    void printOn(PrintJob &job); // the table on the screen, on the job's page
    // A page of a table at a printer's resolution; the screen's pictures stay as they are.
    void drawOnPaper(Canvas &page, int dpiX, int dpiY, const tables::PageRequest &request);
    QString currentDocumentName(); // of the table on the screen
    tables::TableOptions tableOptions();
    tables::Particulars particulars();
    // The page of a table of that kind as the screen's fields, ticks and current group ask for it.
    tables::PageRequest pageRequest(tablekind tableKind);
    // The paper a page of the request is printed on.
    static PageOrientation paperOrientation(const tables::PageRequest &request);
    // The request with the party's code and page while the venue serves.
    tables::PageRequest withPhoneCorner(tables::PageRequest request) const;
    // The records with the slot texts of every placed player, which the tables rank.
    tables::MeetingScores tableScores() const;
    // The slot texts with those of every place the stored parties fill, as a drawn
    // combination table writes them: every placed player counts, whatever was visited.
    SlotTextArray placedSlotTexts() const;
    // The holes of a round as the score sheet counts them: ホール数, 10 when it holds no
    // number of holes, 12 above 11.
    int sheetHoles();
    // The fields of the score sheet (ホール数, 組, 番スタート) hold whole numbers; else a box.
    bool sheetFieldsValid();
    // The particulars as typed.
    QString TournamentName() { return control("Edit7").text; }
    QString CourseName() { return control("Edit8").text; }
    QString HoleCount() { return control("Edit9").text; }
    QString EventYear() { return control("Edit10").text; }
    QString EventMonth() { return control("Edit11").text; }
    QString EventDay() { return control("Edit12").text; }
    QString SheetKumi() { return control("Edit13").text; }
    QString StartHole() { return control("Edit14").text; }

    // ---- Score entry --------------------------------------------------------------
    void Label54Click(); // tab 「得点入力」
    void Label36Click(); // a click on the score-entry screen (no caption of its own)
    void Label55Click(); // the label showing the last entry: records it (no caption of its own)
    // A key in one of the entry fields １打, ２打, 合計 (Edit3..Edit5): 13 Enter, 46 Delete,
    // any other code an ordinary key. The GUI and the tests both come in here.
    void entryFieldKey(const QString &field, int keyCode);
    // A click on the combination table or the score-entry table (picture pixels).
    void Image28MouseDown(int x, int y);
    void placeEntryCursor(int x, int y);
    void moveEntryCursor(int row, int slot); // the entry cursor to a cell (row and slot 0-based)
    // An arrow key in an empty １打: the cursor moves by whole parties (rows) or places
    // (places), from one party's last place on to the next party's first. False when the
    // key is not taken (１打 holds text, or not on the score entry).
    bool entryArrowKey(int rows, int places);
    // 未入力の確認: the line under the score-entry table and its list.
    QList<scoring::MissingEntry> missingEntriesOfGroup();
    void showMissingCount();
    void MissingListClick(); // 「未入力の確認」
    // Cell (row 0..11, slot 0..7) of the combination / score-entry table under a click, as
    // the grid is drawn, or false when the click is outside the member cells.
    bool gridCellAt(int x, int y, int &row, int &slot) const;
    void computeGridGeometry(); // the cell geometry after the grid is drawn
    void drawEntryMark(int row, int slot, bool shown);
    void drawCellText(int row, int slot, const QString &text, QColor colour = QColor(0, 0, 0));
    bool entrySlotHasPlayer() const; // the cursor slot holds a player of the party as it stands
    void refuseEntrySlot();          // the warning for a slot without a player or a full row

    // ---- Swapping players on the combination table -----------------------------
    void N41Click(); // 組み合せ設定 › 組み合せ表で選手の入れ替え › 入れ替え開始
    void N45Click(); // 組み合せ設定 › 組み合せ表で選手の入れ替え › 入れ替え終り
    void Button3Click(); // 「メンバー選択」
    void Button5Click(); // 「入れ替え実行」
    void markSwapCell(int row, int slot, bool shown);
    void swapClick(int x, int y);

    // ---- Automatic grouping -----------------------------------------------------
    void Button1Click(); // おまかせで組み合せ 「開　始」 開始
    void Group();
    void DivideKumi();
    void Button10Click();         // おまかせで組み合せ 「完　了」 完了
    void Button2Click();          // 「やり直し」
    void resetCombination();      // what やり直し does, without asking
    void CheckCombinationClick(); // 組み合せ設定 › 組み合わせの確認
    // The end of a combination: the whole roster listed, the counts shown; 貼り付け数 shows
    // the count as the roster's split left it, or nothing.
    void showWholeRosterAgain(bool showPasteCount);

    // ---- Manual grouping --------------------------------------------------------
    void Button4Click();                       // 自分で組み合せ 「開　始」 開始
    void Label78Click();                       // 「貼り付け →」
    void Label79Click();                       // 「← 戻す」
    void Button9Click();                       // 自分で組み合せ 「完　了」 完了
    void kumiPanelMouseDown(int party, int y); // party 1..12
    void pickMemberForPaste(int row);          // a member list click while pasting
    void Image11MouseDown(int y) { kumiPanelMouseDown(1, y); }
    void Image12MouseDown(int y) { kumiPanelMouseDown(2, y); }
    void Image13MouseDown(int y) { kumiPanelMouseDown(3, y); }
    void Image14MouseDown(int y) { kumiPanelMouseDown(4, y); }
    void Image15MouseDown(int y) { kumiPanelMouseDown(5, y); }
    void Image16MouseDown(int y) { kumiPanelMouseDown(6, y); }
    void Image17MouseDown(int y) { kumiPanelMouseDown(7, y); }
    void Image18MouseDown(int y) { kumiPanelMouseDown(8, y); }
    void Image19MouseDown(int y) { kumiPanelMouseDown(9, y); }
    void Image20MouseDown(int y) { kumiPanelMouseDown(10, y); }
    void Image21MouseDown(int y) { kumiPanelMouseDown(11, y); }
    void Image22MouseDown(int y) { kumiPanelMouseDown(12, y); }

    // ---- Settings, options and help --------------------------------------------
    void N20Click(); // 作表設定 › 一組の最大人数設定 › ６人枠
    void N29Click(); // 作表設定 › 一組の最大人数設定 › ８人枠
    void N31Click(); // 作表設定 › 成績表・メンバー表の形式 › タテ形
    void N32Click(); // 作表設定 › 成績表・メンバー表の形式 › ヨコ形
    void N35Click(); // 作表設定 › スコア表のホール番号表示 › 表示する
    void N36Click(); // 作表設定 › スコア表のホール番号表示 › 表示しない
    void N47Click(); // 作表設定 › スコア入力欄に"－"を表記する › 表示する
    void N48Click(); // 作表設定 › スコア入力欄に"－"を表記する › 表示しない
    void N43Click(); // 組み合せ設定 › 男女を平均して組み合わせ › する
    void N44Click(); // 組み合せ設定 › 男女を平均して組み合わせ › しない
    void SpreadTeamsOnClick();  // 組み合せ設定 › 同じチームを分散 › する
    void SpreadTeamsOffClick(); // 組み合せ設定 › 同じチームを分散 › しない
    void N37Click();            // オプション › 一覧表に年齢を表示 › 表示する
    void N38Click();            // オプション › 一覧表に年齢を表示 › 表示しない
    void tickOption(const char *chosen, const char *partner);
    bool ticked(const char *menuEntry) { return control(menuEntry).checked; }
    void RegFSettei();
    void N24Click(); // オプション › グループ名変更 › 新しい名称を入力
    void A2Click();  // オプション › グループ名変更 › Aグループを変える
    void B2Click();  // オプション › グループ名変更 › Bグループを変える
    void C2Click();  // オプション › グループ名変更 › Cグループを変える
    void D2Click();  // オプション › グループ名変更 › Dグループを変える
    void renameGroup(int g);
    void showGroupNameEntry(bool shown); // Edit18 and the hint beside it
    void N2Click();                      // オプション › グループ名変更 › 終了
    void N39Click();                     // ファイル › システムファイルを削除
    void N11Click();                     // ファイル › 閉じる
    void N5Click();                      // ヘルプ › ヘルプ
    void N6Click();                      // ヘルプ › バージョン情報
    void TextSize100Click();             // オプション › 文字の大きさ › 標準
    void TextSize125Click();             // オプション › 文字の大きさ › 大 (125 %)
    void TextSize150Click();             // オプション › 文字の大きさ › 特大 (150 %)
    void chooseTextScale(int percent);
    // The window tells the largest size that fits the screen: larger ones are not offered.
    void offerTextSizes(int largestPercent);
    void loadTextScale(); // the size kept in the settings

    // ---- Finding a member in the list ---------------------------------------------
    void MemberSearchChange(); // typing into the search field by the member list
    void searchNext();         // Enter in the search field: the next member found
    void unmarkSearch();       // the members found drawn as usual again
    void showStartHint();      // the hint of an empty roster on the 組み合わせ screen

    // ---- Data file and test data -------------------------------------------------
    void N3Click();          // ファイル › 開く
    void N7Click();          // ファイル › 保存
    void SaveInPlaceClick(); // ファイル › 上書き保存
    void Recent1Click();     // ファイル › the newest of the recent files
    void Recent2Click();     // ファイル › the second recent file
    void Recent3Click();     // ファイル › the third recent file
    void Recent4Click();     // ファイル › the fourth recent file
    void Tensave();
    void TenRead();
    void N27Click(); // オプション › テスト用擬似データ読み出し › 擬似メンバー読み出し
    void N28Click(); // オプション › テスト用擬似データ読み出し › 擬似得点読み出し
    // Writes the meeting; in place to DataFileName without a dialog when there is one.
    // True once the file is written.
    bool saveMeeting(bool inPlace = false);
    bool mayOpen();                            // the refusals of 開く and the unsaved-work question
    bool openMeetingFile(const QString &path); // reads and checks the whole file, then applies it
    void applyMeeting(const datafile::Meeting &meeting, const QString &path);
    // The stores of a meeting put in place (what opening does before it counts as saved).
    void loadMeeting(const datafile::Meeting &meeting, const QString &path);
    datafile::Meeting currentMeeting() const;

    // ---- The venue network: party leaders send their cards from phones (MainFormVenue.cpp) ----
    // What the venue's pages show: the meeting as 保存 would write it, the ranking options,
    // the holes of a round (for the check of a card) and the groups' names.
    struct VenueMeeting {
        datafile::Meeting meeting;
        bool rankOne = true;
        bool rankTwo = true;
        int holes = 10;
        std::array<QString, grouping::Groups> groupNames;
    };
    VenueMeeting venueMeeting();
    // A phone's card taken as a command (undo, the recovery copy): the records of party k
    // (0..11) of group g (0..3), the card's figures added. The reason when it cannot be now.
    std::optional<QString> storePhoneCard(int g, int k, const std::array<ScoreSlot, grouping::Slots> &records,
                                          const QString &label);
    // The places whose entries came from phones; the score-entry screen writes them in blue.
    void showPhonePlaces(const PlaceArray<bool> &places);
    // A command is under way (waiting for an answer in a box): the meeting is not to be read.
    bool commandRunning() const { return m_commandDepth > 0; }
    // The players of party k (0..11) of group g (0..3), in slot order.
    QList<tables::Player> playersOf(int g, int k) const;
    PlaceArray<bool> PhonePlaces{};
    // While the venue serves: each party's code and page for its score sheet (g × 12 + k).
    std::map<int, tables::PhoneCorner> VenueCorners;
    // The meeting as 保存 would write it now (the score sections from the score records).
    datafile::Meeting meetingAsSaved() const;
    void openRecent(int index);
    void loadRecentFiles();
    void rememberRecentFile(const QString &path);
    void showRecentFiles();
    // The roster, the combination and the scores as one text that ignores the shape of
    // a line (registered or rebuilt), so only real changes count.
    QString meetingFingerprint() const;
    void markMeetingSaved();
    bool meetingChanged() const;
    // Asks whether to save changed work first; false when the command must stop.
    bool unsavedWorkHandled();

    // ---- State --------------------------------------------------------------------
    Platform &platform;

    // Roster
    QStringList MemberLines;      // ListBox14
    QStringList SavedMemberLines; // ListBox15
    std::array<Member, roster::MaxMembers> Members;
    int MaxMembers = 0;
    int ListRows = 0;
    int RowHeight = 0;
    static constexpr std::array<int, 7> ColX{0, 35, 188, 314, 362, 447, 487};
    int ListTopRow = 0; // the member list's top visible row
    // What the member list picture shows, so a redraw paints only the rows that changed:
    // rows 0 .. ListRowsDrawn-1 show ListShown as drawListRow draws them for
    // ListDrawnScreen (with ages when ListDrawnAges) and nothing else stands in columns 2
    // to 6; -1 when anything else was drawn on the list since.
    int ListRowsDrawn = -1;
    screen ListDrawnScreen = screen::None;
    bool ListDrawnAges = false;
    std::array<Member, roster::MaxMembers> ListShown;
    // While above zero, drawing goes nowhere and the pictures stay as they are: a command
    // works out what nobody will see before it shows the final picture.
    int HiddenDrawing = 0;
    int ListScrollSerial = 0; // bumped by every programmatic scroll, so the GUI follows it

    // Counts derived by Ninzu
    int PlayCount = 0;
    int LeaderCount = 0;
    int PasteCount = 0;
    int MenPlaying = 0;
    int WomenPlaying = 0;
    QList<int> MenList; // 1-based member numbers
    QList<int> WomenList;
    QList<int> PasteList;

    // Today
    int ThisYear = 0;
    int ThisMonth = 0;
    int ThisDay = 0;
    int TodayMonthDay = 0;

    QString LeaderGroupSel;

    // Modes
    screen Screen = screen::None;
    int Combining = 0;
    editmode EditMode = editmode::None;
    tablekind TableMode = tablekind::None;
    curgroup CurGroup = curgroup::None;
    QString CurGroupText;
    int TitleShift = 0;
    tablekind TableKind = tablekind::None;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    int PageNo = 1;
    int PageMax = 8;
    int TableScrollSerial = 0; // bumped when ScrollBox2 goes back to its top          // the spin button's
                               // maximum: 3 after a ヨコ形 table, 8 after a タテ形 one
    int PrinterDpiX = 0;
    int PrinterDpiY = 0;
    // What the combination grid left behind for score entry (pixels and a count).
    int GridColumnWidth = 0;
    int GridColumns = 0;
    int GridBottom = 0;
    // The cells of the combination and score-entry tables in picture pixels.
    int GridX0 = 0;   // where the cursor marks and cell texts are measured from
    int GridRowH = 0; // row height
    int GridLeft = 0; // the member cells as drawn: left edge of slot 1 and top of party 1
    int GridTop = 0;
    // Score entry: the cursor cell, the full-row flag and the last key in １打.
    int EntryRow = 0;
    int EntrySlot = 0;
    int RowFull = 0;
    QString LastKeyCode;
    // Swapping: marking on, how many marked (0, 1, 2), and the two marked cells.
    int SwapOn = 0;
    int SwapPicks = 0;
    QPoint SwapFirst{0, 0}; // x: party row 0..11, y: slot 0..7
    QPoint SwapSecond{0, 0};
    bool CloseConfirmed = false;
    QString FocusRequest;  // a field that should take the keyboard focus (the GUI empties it)
    QString HeaderColumn5; // "生年月日" or "出場種別"
    QString HeaderColumn6; // "年齢" or "貼付"

    // Pressed-in command labels
    bool MoveOn = false;   // 表示移動
    bool DeleteOn = false; // 一行削除
    bool PlayOn = false;   // 出場設定
    bool LeaderOn = false; // リーダ設定
    bool CancelOn = false; // 設定取消
    int PasteOn = 0;       // 貼り付け →
    int ReturnOn = 0;      // ← 戻す

    // Registration work state
    int SelRow = -1;  // the member picked in the list (-1: none since the mode began)
    QString MoveLine; // the line being moved

    // Groups and parties
    std::array<QStringList, grouping::Groups> GroupList;  // ListBox16..19
    std::array<QStringList, grouping::Groups> KumiLines;  // ListBox22..25
    std::array<QStringList, grouping::Parties> KumiList;  // ListBox1..12
    QStringList KumiLineBuf;                              // ListBox20
    QStringList WorkList;                                 // ListBox13
    QStringList LeaderPool;                               // ListBox26
    QStringList RankList;                                 // the rows of the result table
    int UnenteredCount = 0;                               // placed players without an entry in RankList
    bool UnenteredNoted = false;                          // the note about them shown for this command
    std::array<QStringList, grouping::Groups> ScoreLines; // score sections of the data file
    QString DataFileName;                                 // the file last saved or opened
    QString SavedFingerprint;                             // meetingFingerprint() at the last save or open
    QStringList RecentFiles;                              // newest first, at most four
    int KumiCount = 0;                                    // parties per group as last read or proposed
    int GroupCount = 0;                                   // groups as last read
    int AutoMade = 0;
    int HandMade = 0;
    int GKAbort = 0;
    int GroupsLeft = 0;
    int DealCursor = 1;
    std::array<int, grouping::Groups> FixedLeaders{};
    bool PanelsClickable = false;
    Random Rng;
    static constexpr int PartyCap = grouping::Slots;
    static constexpr int KumiFontHeight = 13;

    // Score records: [group 0..3][party row 0..11][slot 0..7]
    ScoreSlotArray ScoreSlots;
    SlotTextArray KumiSlotText;

    // Group names
    std::array<QString, grouping::Groups> GroupDisplayName;
    std::array<bool, grouping::Groups> RenamePending{};
    std::array<QString, grouping::Groups> PendingName;
    bool DeleteRequested = false;

    // The window's text size in percent (100, 125, 150) and the largest the screen takes.
    int TextScale = 100;
    int LargestTextScale = 150;

    // Members found by the search field (rows of the list) and the one the list shows.
    QList<int> SearchFound;
    int SearchAt = -1;

private:
    // After a command: an undo step and a recovery copy when the meeting changed.
    void keepChanges(const QString &source, const QString &label, const StepPlace &place);
    void keepRecoveryCopy();
    void noteRecoveryFailure(); // the one notice of a session that copies cannot be written
    int m_commandDepth = 0;
    datafile::Meeting m_knownMeeting; // the meeting as the last command left it
    QByteArray m_knownBytes;          // … as its data file
    ScoreSlotArray m_knownSlots;      // … and its score records
    QString m_knownFile;              // DataFileName then
    bool m_known = false;
    QString m_combinationLabel; // a combination in progress: one step from 開始 to 完了
    QString m_phoneCardLabel;   // the step a phone's card makes ("携帯から A 3組 ラウンド1")
    StepPlace m_combinationPlace;
    bool m_recoveryNoticeShown = false;

    void addControl(const QString &name, ControlKind kind, const QString &text = QString());
    void buildControls();
    // Draws rows as needed so the list shows Members (the list is known to show ListShown).
    void updateListRows(int count);
    // Whether redrawing changed rows shows the marks exactly as blanking and redrawing the
    // mark columns would (the rows differ from what they show in their marks only).
    bool marksRedrawnByRows(int count, bool withPasteMarks) const;

    std::map<QString, Control> m_controls;
    // Each member as last split from its roster line (and that line, and the day its age
    // was reckoned on): a member whose line and record are unchanged is not split again.
    std::array<QString, roster::MaxMembers> m_splitLines;
    std::array<Member, roster::MaxMembers> m_splitMembers;
    std::array<bool, roster::MaxMembers> m_splitKnown{};
    int m_splitYear = -1;
    int m_splitMonthDay = -1;
    int m_listDrawing = 0; // inside the member list's own row drawing
    std::map<QString, std::unique_ptr<Canvas>> m_hiddenPictures;
};
