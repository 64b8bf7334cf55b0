// The score-entry screen (得点入力): the cells of a group's places, the entry cursor, the
// three entry fields and the recording of an entry; and the swapping of two players on
// the combination table, which shares the table's cells and its click.
#include "app/MainForm.h"

#include "app/ScreenAreas.h"
#include "scoring/MissingEntries.h"
#include "scoring/ScoreEntry.h"
#include "tables/Canvas.h"
#include "text/Cp932.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sheet = tables::sheet;
namespace fonts = tables::fonts;

namespace {
const std::initializer_list<const char *> kGroupTabs{"Label44", "Label45", "Label46", "Label47"};
const QString kWarning = u"出場者が無い枠は入力できません。組が一杯の時は行を変えて下さい"_s;
const QString kCellBlank = u"############"_s;
const QString kCursor = u"⇒"_s;
const QString kSwapMark = u"＊"_s;
const QString kSwapHint = u"入れ替える選手を選び、次に相手の選手を選んで実行を押して下さい。"_s;
const QString kScoresMoved = u"入れ替えました。入力済みの得点も選手と一緒に移しました。"_s;
} // namespace

// ---- The cells ----------------------------------------------------------------------------

void TMainForm::computeGridGeometry()
{
    const sheet::Scale s{ScaleX, ScaleY};
    GridRowH = s.Y(53);
    // The marks and texts of the cells are placed from x0; clicks go by the cells as drawn.
    GridX0 = s.offX(s.X(34), 75);
    GridLeft = s.offX(s.X(52), 75);
    GridTop = s.offY(s.Y(24), 50) + GridRowH;
}

bool TMainForm::gridCellAt(int x, int y, int &row, int &slot) const
{
    // The cells as the grid draws them: a click picks the cell it lands in, also near the
    // right or the upper edge of a cell.
    if (GridRowH <= 0 || GridColumnWidth <= 0) return false;
    if (x < GridLeft || x >= GridLeft + GridColumnWidth * GridColumns || y < GridTop || y >= GridBottom)
        return false;
    row = (y - GridTop) / GridRowH;
    slot = (x - GridLeft) / GridColumnWidth;
    return row >= 0 && row < grouping::Parties && slot >= 0 && slot < grouping::Slots;
}

void TMainForm::drawEntryMark(int row, int slot, bool shown)
{
    const sheet::Scale s{ScaleX, ScaleY};
    Canvas &c = tableCanvas("Image28");
    c.setFontFace(fonts::gothic());
    c.text(s.offX(GridX0 + GridColumnWidth * slot, 23), s.offY((row + 2) * GridRowH, 28), kCursor, s.font(18),
           shown ? colours::Red : colours::White);
}

void TMainForm::drawCellText(int row, int slot, const QString &text, QColor colour)
{
    const sheet::Scale s{ScaleX, ScaleY};
    Canvas &c = tableCanvas("Image28");
    c.setFontFace(fonts::gothic());
    const int x = s.offX(GridX0 + GridColumnWidth * slot, 40);
    const int y = s.offY((row + 2) * GridRowH, 28);
    c.text(x, y, kCellBlank, s.font(18), colours::White);
    if (!text.isEmpty()) c.text(x, y, text, s.font(18), colour);
}

void TMainForm::markSwapCell(int row, int slot, bool shown)
{
    const sheet::Scale s{ScaleX, ScaleY};
    Canvas &c = tableCanvas("Image28");
    c.setFontFace(fonts::gothic());
    // In the top-left corner of the cell as drawn.
    c.text(s.offX(GridLeft + GridColumnWidth * slot, 3), s.offY((row + 2) * GridRowH, 28), kSwapMark,
           s.font(18), shown ? colours::Red : colours::White);
}

// ---- The screen -----------------------------------------------------------------------------

void TMainForm::Label54Click() // tab 「得点入力」
{
    if (Combining) {
        remindCombining();
        return;
    }
    setColour(kGroupTabs, colours::Cream);
    CurGroup = curgroup::NotChosen;
    CurGroupText.clear();
    Label36Click();
}

void TMainForm::Label36Click() // the score-entry screen
{
    if (Combining) {
        remindCombining();
        return;
    }
    TableKind = tablekind::ScoreEntry;
    Screen = screen::GridTable;
    TableMode = tablekind::ScoreEntry;
    TitleShift = 6 * text::cp932::byteLength(TournamentName());

    showScreenAreas(screenareas::ScoreEntry);
    setVisible({"Button3", "Button5", "Label1"}, false);
    KumiOff();
    colourScreenTabs("Label54");
    setColour({"Label3", "Label4", "Label84"}, colours::White);
    EditMode = editmode::None;

    ScaleX = sheet::GridScreen.x;
    ScaleY = sheet::GridScreen.y;
    Draw(tableCanvas("Image28"));
    if (CurGroup != curgroup::None) RankList.clear();
    computeGridGeometry();
    showMissingCount();

    // The cursor starts on party 1, slot 1, as the hint asks.
    EntryRow = 0;
    EntrySlot = 0;
    RowFull = 0;
    LastKeyCode.clear();
    if (!isGroup(CurGroup)) return;
    const int g = groupIndex(CurGroup);
    const int capacity = ticked("N29") ? 8 : 6;
    for (int k = 0; k < grouping::Parties; ++k)
        for (int slot = 0; slot < capacity; ++slot)
            drawCellText(k, slot, scoring::cellText(ScoreSlots[g][k][slot], CurGroup == curgroup::C),
                         PhonePlaces[g][k][slot] ? colours::PhoneEntry : colours::Black);
    drawEntryMark(EntryRow, EntrySlot, true);
    FocusRequest = u"Edit3"_s; // the first entry is typed at once
}

// ---- The table picture's click ------------------------------------------------------------

void TMainForm::Image28MouseDown(int x, int y)
{
    if (TableMode == tablekind::ScoreEntry)
        placeEntryCursor(x, y);
    else if (TableMode == tablekind::CombinationTable)
        swapClick(x, y);
}

void TMainForm::placeEntryCursor(int x, int y)
{
    int row = 0;
    int slot = 0;
    if (!gridCellAt(x, y, row, slot)) return;
    moveEntryCursor(row, slot);
}

void TMainForm::moveEntryCursor(int row, int slot)
{
    drawEntryMark(EntryRow, EntrySlot, false);
    RowFull = 0;
    EntryRow = row;
    EntrySlot = slot;
    drawEntryMark(EntryRow, EntrySlot, true);
    for (const char *field : {"Edit3", "Edit4", "Edit5"}) control(field).text.clear();
    FocusRequest = u"Edit3"_s;
    if (isGroup(CurGroup)) KumiHyo(groupNumber(CurGroup));
}

// ---- Keys and recording ---------------------------------------------------------------------

void TMainForm::entryFieldKey(const QString &field, int keyCode)
{
    if (field == u"Edit3"_s) {
        LastKeyCode.clear();
        if (keyCode == 13) {
            control("Edit4").text.clear();
            FocusRequest = u"Edit4"_s;
        } else if (keyCode == 46 && control("Edit3").text.isEmpty()) {
            // Delete in an empty １打 clears the place; in typed figures it deletes a character.
            LastKeyCode = u"46"_s;
            for (const char *f : {"Edit3", "Edit4", "Edit5", "Label55"}) control(f).text.clear();
            FocusRequest = u"Edit3"_s;
            Label55Click();
        }
    } else if (field == u"Edit4"_s) {
        if (keyCode == 13) {
            control("Edit5").text.clear();
            FocusRequest = u"Edit5"_s;
        }
    } else if (field == u"Edit5"_s) {
        if (keyCode == 13) Label55Click();
    }
}

bool TMainForm::entrySlotHasPlayer() const
{
    if (!isGroup(CurGroup)) return false;
    if (KumiSlotText[groupIndex(CurGroup)][EntryRow][EntrySlot].isEmpty()) return false;
    // A player who stood here before the party shrank is no longer in it.
    return EntrySlot < KumiList[EntryRow].size();
}

void TMainForm::refuseEntrySlot()
{
    platform.messageBox(kWarning, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    drawEntryMark(EntryRow, EntrySlot, false);
}

void TMainForm::Label55Click() // records the entry
{
    if (!isGroup(CurGroup) || TableMode != tablekind::ScoreEntry) return;
    const int g = groupIndex(CurGroup);
    if (RowFull == 1 || !entrySlotHasPlayer()) {
        // A Delete that meets a refused slot is used up too.
        LastKeyCode.clear();
        refuseEntrySlot();
        return;
    }
    ScoreSlot &record = ScoreSlots[g][EntryRow][EntrySlot];
    if (LastKeyCode == u"46"_s) {
        // The clear is used once: the next entry records as usual.
        LastKeyCode.clear();
        record = ScoreSlot::cleared();
        drawCellText(EntryRow, EntrySlot, QString());
        showMissingCount();
        return;
    }
    if (control("Edit5").text.isEmpty()) return;

    const QString &one = control("Edit3").text;
    const QString &two = control("Edit4").text;
    const QString &total = control("Edit5").text;
    const scoring::EntryResult result = scoring::addEntry(record, one, two, total);
    if (result.error) {
        platform.messageBox(result.error->message(), u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    // An entry no round can give is recorded only when the organiser says so (two rounds
    // entered at once); いいえ keeps the figures for correction.
    if (const std::optional<QString> question =
            scoring::impossibleEntryQuestion(one, two, total, sheetHoles());
        question &&
        platform.messageBox(*question, u"得点入力"_s, MsgIcon::Question, MsgButtons::YesNo) != IdYes)
        return;
    record = result.slot;
    showMissingCount();
    // 確定 shows the entry just recorded, and only a recorded one.
    control("Label55").text =
        QStringList{control("Edit3").text, control("Edit4").text, control("Edit5").text}.join(u',');
    for (const char *f : {"Edit4", "Edit5", "Edit3"}) control(f).text.clear();
    FocusRequest = u"Edit3"_s;

    drawEntryMark(EntryRow, EntrySlot, false);
    drawCellText(EntryRow, EntrySlot, scoring::cellText(record),
                 PhonePlaces[g][EntryRow][EntrySlot] ? colours::PhoneEntry : colours::Black);

    ++EntrySlot;
    // The row is full after its last place that sequential entry reaches, at the table's
    // last column, and where the next place holds no player: no mark off the table or on
    // an empty place, and no cell takes an entry until another one is clicked.
    const int rowEnd = std::min(CurGroup <= curgroup::B ? 8 : 6, GridColumns);
    if (EntrySlot >= rowEnd || !entrySlotHasPlayer()) {
        RowFull = 1;
    } else {
        drawEntryMark(EntryRow, EntrySlot, true);
        RowFull = 0;
    }
}

// ---- Swapping two players on the combination table ------------------------------------------

void TMainForm::N41Click() // 入れ替え開始
{
    if (Screen == screen::GridTable && TableMode == tablekind::CombinationTable) {
        setVisible({"Button3", "Button5"}, true);
        return;
    }
    platform.messageBox(u"組み合せ表作成以外は使えません"_s, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    GKAbort = 1;
}

void TMainForm::N45Click() // 入れ替え終り
{
    setVisible({"Button3", "Button5", "Label1"}, false);
}

void TMainForm::Button3Click() // 「メンバー選択」
{
    control("Label1").text = kSwapHint;
    if (SwapPicks == 0) {
        SwapOn = 1;
        markSwapCell(SwapFirst.x(), SwapFirst.y(), false);
        markSwapCell(SwapSecond.x(), SwapSecond.y(), false);
        control("Label1").visible = true;
        SwapFirst = SwapSecond = QPoint(0, 0);
    } else {
        SwapPicks = 0;
        control("Label1").visible = false;
        markSwapCell(SwapFirst.x(), SwapFirst.y(), false);
        markSwapCell(SwapSecond.x(), SwapSecond.y(), false);
    }
}

void TMainForm::swapClick(int x, int y)
{
    int row = 0;
    int slot = 0;
    if (!gridCellAt(x, y, row, slot)) return;
    if (SwapOn == 1) {
        if (SwapPicks == 2) return;
        if (SwapPicks == 0) {
            markSwapCell(SwapFirst.x(), SwapFirst.y(), false);
            markSwapCell(0, 0, false);
            SwapFirst = QPoint(row, slot);
            SwapPicks = 1;
            markSwapCell(row, slot, true);
        } else {
            markSwapCell(row, slot, true);
            SwapSecond = QPoint(row, slot);
            SwapPicks = 2;
        }
    }
    if (isGroup(CurGroup)) KumiHyo(groupNumber(CurGroup));
}

void TMainForm::Button5Click() // 「入れ替え実行」
{
    // With one player marked the swap waits for the second.
    if (SwapOn == 1 && SwapPicks == 1) return;
    bool abandoned = false;
    bool scoresMoved = false;
    if (SwapOn == 1) {
        QStringList &p1 = KumiList[SwapFirst.x()];
        QStringList &p2 = KumiList[SwapSecond.x()];
        const int s1 = SwapFirst.y();
        const int s2 = SwapSecond.y();
        if (p1.isEmpty() || s1 >= p1.size() || s2 >= p2.size()) {
            abandoned = true;
        } else {
            const QString m1 = p1.at(s1);
            const QString m2 = p2.at(s2);
            p2[s2] = m1;
            p1[s1] = m2;
            SwapOn = 0;
            // A score record belongs to its place; the players take theirs along.
            if (isGroup(CurGroup)) {
                auto &group = ScoreSlots[groupIndex(CurGroup)];
                ScoreSlot &r1 = group[SwapFirst.x()][s1];
                ScoreSlot &r2 = group[SwapSecond.x()][s2];
                scoresMoved = &r1 != &r2 && (scoring::hasEntry(r1) || scoring::hasEntry(r2));
                if (scoresMoved) std::swap(r1, r2);
            }
        }
    }
    if (!abandoned && isGroup(CurGroup)) {
        KumiHyo(groupNumber(CurGroup));
        groupTab(groupNumber(CurGroup));
    }
    SwapPicks = 0;
    SwapFirst = SwapSecond = QPoint(0, 0);
    control("Label1").visible = scoresMoved;
    if (scoresMoved) control("Label1").text = kScoresMoved;
    // The mark of party 1, slot 1 goes, and nothing beside it.
    markSwapCell(0, 0, false);
}
