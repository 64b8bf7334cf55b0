// The keyboard's ways about the window: the entry cursor moved by the arrow keys, finding a
// member in the list, and the hint of an empty roster.
#include "app/MainForm.h"

#include "roster/MemberSearch.h"
#include "tables/Canvas.h"

using namespace Qt::StringLiterals;

namespace {
const QColor kFoundText{0, 0, 192};
const QColor kFoundGround{255, 255, 200};
} // namespace

// ---- The entry cursor -----------------------------------------------------------------------

bool TMainForm::entryArrowKey(int rows, int places)
{
    // With a figure typed, the arrows move in the field as usual.
    if (TableMode != tablekind::ScoreEntry || !control("Edit3").text.isEmpty()) return false;
    if (!isGroup(CurGroup) || GridColumns <= 0) return false;
    const int columns = std::min(GridColumns, int(grouping::Slots));
    // Places run on from one party to the next: the place before 2組1番 is 1組's last.
    const int place = std::clamp(EntryRow * columns + EntrySlot + places, 0, grouping::Parties * columns - 1);
    int row = place / columns + rows;
    const int slot = place % columns;
    if (row < 0 || row >= grouping::Parties) row = EntryRow; // at the first or last party
    if (row != EntryRow || slot != EntrySlot) moveEntryCursor(row, slot);
    return true;
}

// ---- Finding a member -----------------------------------------------------------------------

void TMainForm::unmarkSearch()
{
    // The team and name of each member found as the list draws them.
    Canvas &list = picture("Image1");
    list.setFontFace(tables::fonts::gothic());
    for (int row : std::as_const(SearchFound)) {
        if (row >= MemberCount() || row >= roster::MaxMembers) continue;
        const int top = row * RowHeight + 1;
        for (int c : {2, 3})
            list.fillRect(QRect(ColX[c - 1] + 1, top, ColX[c] - ColX[c - 1] - 1, RowHeight - 1),
                          colours::White);
        list.text(ColX[1] + 4, rowTextY(row), Members[row].Team, ListFontHeight, colours::Black);
        list.text(ColX[2] + 4, rowTextY(row), Members[row].Name, ListFontHeight, colours::Black);
    }
    SearchFound.clear();
    SearchAt = -1;
}

void TMainForm::MemberSearchChange() // typing into the search field
{
    unmarkSearch();
    const QString key = roster::searchKey(control("MemberSearch").text);
    if (key.isEmpty()) return;
    const int count = std::min(MemberCount(), roster::MaxMembers);
    Canvas &list = picture("Image1");
    list.setFontFace(tables::fonts::gothic());
    for (int row = 0; row < count; ++row) {
        if (!roster::matchesSearch(Members[row], key)) continue;
        SearchFound << row;
        // Every member found shows team and name in blue on a pale ground.
        const int top = row * RowHeight + 1;
        for (int c : {2, 3})
            list.fillRect(QRect(ColX[c - 1] + 1, top, ColX[c] - ColX[c - 1] - 1, RowHeight - 1),
                          kFoundGround);
        list.text(ColX[1] + 4, rowTextY(row), Members[row].Team, ListFontHeight, kFoundText);
        list.text(ColX[2] + 4, rowTextY(row), Members[row].Name, ListFontHeight, kFoundText);
    }
    if (SearchFound.isEmpty()) return;
    SearchAt = 0;
    scrollListTo(SearchFound.front());
}

void TMainForm::searchNext() // Enter in the search field
{
    if (SearchFound.isEmpty()) return;
    SearchAt = (SearchAt + 1) % SearchFound.size();
    scrollListTo(SearchFound.at(SearchAt));
}

// ---- The hint of an empty roster ------------------------------------------------------------

void TMainForm::showStartHint()
{
    control("StartHint").visible =
        Screen == screen::Combination && SavedMemberLines.isEmpty() && MemberCount() == 0;
}
