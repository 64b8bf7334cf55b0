// The member list: ruling, drawing, marks, counts and the mark commands.
#include "app/MainForm.h"

#include "roster/Marks.h"
#include "tables/Canvas.h"
#include "tables/RetainedPicture.h"

#include <algorithm>
#include <span>

using namespace Qt::StringLiterals;

namespace fonts = tables::fonts;

namespace {
constexpr int kListedRows = 300; // numbered rows of the member list
constexpr int kTeamX = 39;       // column 2
constexpr int kNameX = 192;      // column 3
constexpr int kSexX = 323;       // column 4
constexpr int kEraX = 368;       // column 5: era, year, month and day side by side
constexpr int kEraYearX = 395;
constexpr int kMonthX = 412;
constexpr int kDayX = 428;
constexpr int kAgeX = 455; // column 6
constexpr int kHeaderY = 7;
constexpr int kHeader5X = 374;
constexpr int kHeader6X = 452;

const QString &listTitle()
{
    static const QString title = u"メンバー一覧表"_s;
    return title;
}

int rowNumberX(int number) { return number < 10 ? 17 : (number < 100 ? 11 : 7); }

// The refusal of the mark commands while a combination is in progress.
bool refusedWhileCombining(TMainForm &form)
{
    if (!form.Combining) return false;
    form.platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                             MsgButtons::Ok);
    return true;
}

// The all-play and none-play commands run only on the 組み合わせ screen (none-play also
// only with no table shown); while a combination is in progress the roster lines hold one
// group only, so they are refused then as well.
bool refusedOutsideCombinationScreen(TMainForm &form, bool needsNoTable)
{
    if (form.Screen == screen::Combination && !(needsNoTable && form.TableMode != tablekind::None) &&
        !form.Combining)
        return false;
    form.platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                             MsgButtons::Ok);
    return true;
}

// While the list shows one group (a group tab after an automatic combination) the roster
// lines hold that group only; a mark stored then would make the saved roster that group.
bool refusedOnGroupList(TMainForm &form)
{
    if (form.control("Label10").text == listTitle()) return false;
    form.platform.messageBox(u"「組み合わせ」を押してメンバー一覧表に戻してから設定して下さい"_s, u"警告"_s,
                             MsgIcon::Warning, MsgButtons::Ok);
    return true;
}

void designateLeaderGroup(TMainForm &form, const char *entry, const QString &sel, const QString &caption)
{
    form.LeaderGroupSel = sel;
    form.control("Label76").text = caption;
    for (const char *e : {"A3", "B3", "C3", "D3", "N33"}) form.control(e).checked = qstrcmp(e, entry) == 0;
}

std::span<const Member> listedMembers(const TMainForm &form)
{
    return std::span<const Member>(form.Members.data(),
                                   static_cast<size_t>(std::min(form.MemberCount(), roster::MaxMembers)));
}
} // namespace

// ---- Ruling and blanking -------------------------------------------------------------

void TMainForm::Hyou()
{
    Canvas &list = picture("Image1");
    list.setFontFace(fonts::gothic());
    list.setPen(colours::Black, 1);
    const int bottom = (ListRows - 1) * RowHeight;
    for (int k = 0; k < ListRows; ++k) list.line(ColX.front(), k * RowHeight, ColX.back(), k * RowHeight);
    for (int x : ColX) list.line(x, 0, x, bottom);
    for (int r = 0; r < kListedRows; ++r)
        list.text(rowNumberX(r + 1), rowTextY(r), QString::number(r + 1), ListFontHeight, colours::Black);

    Canvas &header = picture("Image2");
    header.setFontFace(fonts::gothic());
    header.setPen(colours::Black, 1);
    const int headerBottom = header.size().height() - 1;
    header.line(ColX.front(), 0, ColX.back(), 0);
    header.line(ColX.front(), headerBottom, ColX.back(), headerBottom);
    for (int x : ColX) header.line(x, 0, x, headerBottom);
    header.text(66, kHeaderY, u"所属チーム名"_s, ListFontHeight, colours::Black);
    header.text(217, kHeaderY, u"氏     名"_s, ListFontHeight, colours::Black);
    header.text(kSexX, kHeaderY, u"性別"_s, ListFontHeight, colours::Black);
    drawListHeader();
}

void TMainForm::blankListColumns(int first, int last)
{
    Canvas &list = picture("Image1");
    const int bottom = kListedRows * RowHeight;
    for (int c = first; c <= last; ++c) {
        const int left = ColX[c - 1] + 1;
        list.fillRect(QRect(left, 1, ColX[c] - left, bottom - 1), colours::White);
    }
    list.setPen(colours::Black, 1);
    for (int r = 1; r < kListedRows; ++r)
        list.line(ColX[first - 1], r * RowHeight, ColX[last], r * RowHeight);
}

void TMainForm::ClrAll()
{
    ++m_listDrawing;
    blankListColumns(2, 6);
    --m_listDrawing;
    if (HiddenDrawing == 0) ListRowsDrawn = 0;
}

void TMainForm::blankListRow(int row)
{
    // The cells that hold something of the member the row shows; every cell when a text
    // reaches past its column.
    const Member &shown = ListShown[row];
    bool cells[7] = {false, false, !shown.Team.isEmpty(), !shown.Name.isEmpty(), !shown.Sex.isEmpty(),
                     false, false};
    if (ListDrawnScreen == screen::Registration) {
        cells[5] = cells[6] = ListDrawnAges && shown.Era != u"非表示"_s;
    } else {
        cells[5] = roster::markKind(shown) != 0;
        cells[6] = shown.placed();
    }
    const int y = rowTextY(row);
    const bool overflows =
        RetainedPicture::textCell(kTeamX, y, shown.Team, ListFontHeight).right() >= ColX[2] ||
        RetainedPicture::textCell(kNameX, y, shown.Name, ListFontHeight).right() >= ColX[3] ||
        RetainedPicture::textCell(kSexX, y, shown.Sex, ListFontHeight).right() >= ColX[4];
    Canvas &list = picture("Image1");
    const int top = row * RowHeight + 1;
    for (int c = 2; c <= 6; ++c) {
        if (!cells[c] && !overflows) continue;
        const int left = ColX[c - 1] + 1;
        list.fillRect(QRect(left, top, ColX[c] - left, RowHeight - 1), colours::White);
    }
}

void TMainForm::setListHeader(const QString &c5, const QString &c6)
{
    HeaderColumn5 = c5;
    HeaderColumn6 = c6;
    drawListHeader();
}

void TMainForm::drawListHeader()
{
    Canvas &header = picture("Image2");
    const int height = header.size().height() - 2;
    for (int c : {5, 6})
        header.fillRect(QRect(ColX[c - 1] + 1, 1, ColX[c] - ColX[c - 1] - 1, height), colours::White);
    header.setFontFace(fonts::gothic());
    header.text(kHeader5X, kHeaderY, HeaderColumn5, ListFontHeight, colours::Black);
    header.text(kHeader6X, kHeaderY, HeaderColumn6, ListFontHeight, colours::Black);
}

// ---- Drawing the members -----------------------------------------------------------

void TMainForm::drawListRow(int row)
{
    const Member &m = Members[row];
    Canvas &list = picture("Image1");
    list.setFontFace(fonts::gothic());
    const int y = rowTextY(row);
    list.text(kTeamX, y, m.Team, ListFontHeight, colours::Black);
    list.text(kNameX, y, m.Name, ListFontHeight, colours::Black);
    list.text(kSexX, y, m.Sex, ListFontHeight, colours::Black);
    if (Screen == screen::Registration) {
        if (!ticked("N37") || m.Era == u"非表示"_s) return;
        list.text(kEraX, y, m.Era, DateFontHeight, colours::Black);
        list.text(kEraYearX, y, m.EraYear, DateFontHeight, colours::Black);
        list.text(kMonthX, y, m.Month, DateFontHeight, colours::Black);
        list.text(kDayX, y, m.Day, DateFontHeight, colours::Black);
        list.text(kAgeX, y, m.Age, ListFontHeight, colours::Black);
    } else {
        if (const int kind = roster::markKind(m)) MarkOn(MarkX, row, kind, colours::Black);
        if (m.placed()) MarkOn(PasteMarkX, row, roster::PasteArrow, colours::Red);
    }
}

void TMainForm::DspItiran()
{
    if ((Screen == screen::Registration || Screen == screen::Combination) && HiddenDrawing == 0) {
        const int count = std::min(MemberCount(), roster::MaxMembers);
        const bool current = ListRowsDrawn == 0 || (ListRowsDrawn > 0 && ListDrawnScreen == Screen &&
                                                    ListDrawnAges == ticked("N37"));
        if (current) {
            updateListRows(count);
        } else {
            for (int r = 0; r < count; ++r) drawListRow(r);
        }
    }
    if (control("Label10").text == listTitle()) {
        Ninzu();
        control("Image1").visible = true;
    } else {
        // The list shows one group during an automatic combination: its number lists.
        const roster::MarkCounts counts = roster::countMarks(listedMembers(*this));
        MenList = counts.menList;
        WomenList = counts.womenList;
        PasteList = counts.pasteList;
        MenPlaying = static_cast<int>(MenList.size());
        WomenPlaying = static_cast<int>(WomenList.size());
    }
}

void TMainForm::updateListRows(int count)
{
    // Many rows to empty: blanking the whole list at once is quicker than row by row.
    if (ListRowsDrawn - count > 40) ClrAll();
    ++m_listDrawing;
    for (int r = 0; r < count; ++r) {
        if (r < ListRowsDrawn && sameMember(ListShown[r], Members[r])) continue;
        if (r < ListRowsDrawn) blankListRow(r);
        drawListRow(r);
        ListShown[r] = Members[r];
    }
    for (int r = count; r < ListRowsDrawn; ++r) blankListRow(r);
    --m_listDrawing;
    ListRowsDrawn = count;
    ListDrawnScreen = Screen;
    ListDrawnAges = ticked("N37");
}

void TMainForm::MarkOn(int x, int row, int kind, QColor colour)
{
    Canvas &list = picture("Image1");
    list.setFontFace(fonts::gothic());
    list.text(x, rowTextY(row), roster::markText(kind), ListFontHeight, colour);
}

void TMainForm::HalMark(listmarks kind)
{
    if (kind == listmarks::Blank) {
        blankListColumns(5, 5);
        return;
    }
    if (kind != listmarks::WithPasteMarks && kind != listmarks::Marks) return;
    const int count = std::min(MemberCount(), roster::MaxMembers);
    if (marksRedrawnByRows(count, kind == listmarks::WithPasteMarks)) {
        // The rows on this screen carry their marks: only rows whose marks changed are drawn.
        updateListRows(count);
        if (kind == listmarks::WithPasteMarks) {
            const int placed = static_cast<int>(std::count_if(Members.begin(), Members.begin() + count,
                                                              [](const Member &m) { return m.placed(); }));
            if (placed > 0) control("Label37").text = u"貼り付け数   "_s + QString::number(placed);
        }
        return;
    }
    blankListColumns(5, kind == listmarks::WithPasteMarks ? 6 : 5);
    int placed = 0;
    for (int r = 0; r < count; ++r) {
        const Member &m = Members[r];
        if (kind == listmarks::WithPasteMarks && m.placed()) {
            MarkOn(PasteMarkX, r, roster::PasteArrow, colours::Red);
            control("Label37").text = u"貼り付け数   "_s + QString::number(++placed);
        }
        if (const int mark = roster::markKind(m)) MarkOn(MarkX, r, mark, colours::Black);
    }
}

bool TMainForm::marksRedrawnByRows(int count, bool withPasteMarks) const
{
    if (HiddenDrawing > 0 || Screen != screen::Combination || ListDrawnScreen != screen::Combination ||
        ListRowsDrawn != count)
        return false;
    for (int r = 0; r < count; ++r) {
        const Member &m = Members[r];
        const Member &shown = ListShown[r];
        // Only the marks may differ from what the rows show.
        if (m.Name != shown.Name || m.Team != shown.Team || m.Sex != shown.Sex || m.Era != shown.Era ||
            m.EraYear != shown.EraYear || m.Month != shown.Month || m.Day != shown.Day ||
            m.Age != shown.Age || m.Spare != shown.Spare || (!withPasteMarks && m.placed() != shown.placed()))
            return false;
    }
    return true;
}

// ---- Counting and proposing --------------------------------------------------------

void TMainForm::Ninzu()
{
    showStartHint();
    const roster::MarkCounts counts = roster::countMarks(listedMembers(*this));
    PlayCount = counts.playCount;
    LeaderCount = counts.leaderCount;
    PasteCount = counts.pasteCount;
    MenList = counts.menList;
    WomenList = counts.womenList;
    PasteList = counts.pasteList;
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
            platform.messageBox(u"８人枠に切り替えします"_s, u"組の人数が６人を超過します"_s,
                                MsgIcon::Warning, MsgButtons::Ok);
            tickOption("N29", "N20");
        }
    }
}

// ---- Clicks on the list ------------------------------------------------------------

void TMainForm::Image1MouseDown(int, int y)
{
    if (y < 0 || RowHeight <= 0) return;
    const int row = y / RowHeight;
    if (MemberCount() == 0 || row >= MemberCount() || row >= roster::MaxMembers) return;
    switch (EditMode) {
    case editmode::MovePick:
    case editmode::MovePlace: moveClick(row); break;
    case editmode::Delete: deleteClick(row); break;
    case editmode::Play:
    case editmode::Leader:
    case editmode::Unmark: markClick(row); break;
    case editmode::Paste: pickMemberForPaste(row); break;
    case editmode::Correct: pickForCorrection(row); break;
    default: break;
    }
}

void TMainForm::markClick(int row)
{
    if (refusedOnGroupList(*this)) return;
    Member &m = Members[row];
    // The row's new mark is drawn by the redraw below.
    if (EditMode == editmode::Play) {
        if (!m.plays() || m.isLeader()) {
            // A member starts playing; a leader becomes an ordinary player.
            m.PlayMark = u"on"_s;
            m.LeaderMark = u"off"_s;
        }
    } else if (EditMode == editmode::Leader) {
        m.LeaderMark = roster::leaderMarkFor(LeaderGroupSel);
        m.PlayMark = u"on"_s;
    } else if (EditMode == editmode::Unmark) {
        m.PlayMark = m.LeaderMark = m.PasteMark = u"off"_s;
    } else {
        return;
    }
    Hensyu(row);
    Bunkatu();
    // Rows drawn one by one on this screen already carry their marks.
    if (!(Screen == screen::Combination && ListRowsDrawn == std::min(MemberCount(), roster::MaxMembers)))
        HalMark(listmarks::Marks);
}

// ---- The mark commands -------------------------------------------------------------

void TMainForm::Label75Click() // 「出場設定」
{
    if (refusedWhileCombining(*this)) return;
    if (PlayOn) {
        control("Label75").colour = colours::White;
        PlayOn = false;
        EditMode = editmode::None;
        return;
    }
    BtnClr(0);
    control("Label75").colour = colours::Yellow;
    PlayOn = true;
    EditMode = editmode::Play;
}

void TMainForm::Label76Click() // 「リーダ設定」
{
    if (refusedWhileCombining(*this)) return;
    if (LeaderOn) {
        control("Label76").colour = colours::White;
        LeaderOn = false;
        EditMode = editmode::None;
        return;
    }
    BtnClr(0);
    control("Label76").colour = colours::Yellow;
    LeaderOn = true;
    EditMode = editmode::Leader;
}

void TMainForm::Label77Click() // 「設定取消」
{
    if (refusedWhileCombining(*this)) return;
    const bool wasOn = CancelOn;
    BtnClr(0);
    if (wasOn) return;
    control("Label77").colour = colours::Yellow;
    CancelOn = true;
    EditMode = editmode::Unmark;
}

void TMainForm::N9Click() // 一括出場設定 › 全員を出場に設定
{
    if (refusedOutsideCombinationScreen(*this, false) || refusedOnGroupList(*this)) return;
    scrollListTo(0);
    const int count = std::min(MemberCount(), roster::MaxMembers);
    for (int i = 0; i < count; ++i) {
        Members[i].PlayMark = u"on"_s;
        Members[i].LeaderMark = Members[i].PasteMark = u"off"_s;
    }
    Ninzu();
    HalMark(listmarks::WithPasteMarks);
    Hensyu(hensyu::AllLines);
}

void TMainForm::N10Click() // 一括出場設定 › 全員の出場を解除
{
    if (refusedOutsideCombinationScreen(*this, true) || refusedOnGroupList(*this)) return;
    scrollListTo(0);
    KumiClr(kumiclear::AllPanels);
    const int count = std::min(MemberCount(), roster::MaxMembers);
    for (int i = 0; i < count; ++i)
        Members[i].PlayMark = Members[i].LeaderMark = Members[i].PasteMark = u"off"_s;
    HalMark(listmarks::WithPasteMarks);
    Hensyu(hensyu::AllLines);
    Ninzu();
}

// ---- Leader designation ------------------------------------------------------------

void TMainForm::A3Click() { designateLeaderGroup(*this, "A3", u"4"_s, u" A リーダー"_s); } // Aグループ指定
void TMainForm::B3Click() { designateLeaderGroup(*this, "B3", u"5"_s, u" B リーダー"_s); } // Bグループ指定
void TMainForm::C3Click() { designateLeaderGroup(*this, "C3", u"6"_s, u" C リーダー"_s); } // Cグループ指定
void TMainForm::D3Click() { designateLeaderGroup(*this, "D3", u"7"_s, u" D リーダー"_s); } // Dグループ指定
void TMainForm::N33Click() { designateLeaderGroup(*this, "N33", u"3"_s, u" リーダ設定ー"_s); } // 指定なし
