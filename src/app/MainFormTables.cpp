// The table screens: the one drawing routine and its layouts, the table commands, the
// particulars, the page field, printing, the print preview and PDF files.
#include "app/MainForm.h"

#include "grouping/Counts.h"
#include "grouping/WholeNumber.h"
#include "scoring/Ranking.h"
#include "tables/Canvas.h"
#include "tables/MeetingPages.h"
#include "tables/MeetingTables.h"
#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace sheet = tables::sheet;

namespace {

// The table pictures in the order the drawing clears them, with their screen sizes. The
// ヨコ形 picture reaches one pixel below its grid's bottom rule (772 units, pixel row 617).
struct TablePicture {
    const char *name;
    QSize size;
};
const TablePicture kTablePictures[4] = {
    {"Image4", QSize(874, 1220)},
    {"Image23", QSize(996, 654)},
    {"Image28", QSize(996, 612)},
    {"Image29", QSize(996, 618)},
};

// Everything a table screen may show; each table command shows its own part of it.
const std::initializer_list<const char *> kTableScreenAreas{
    "Panel1",    "Panel2",  "Panel3",  "Panel4",     "Panel5",  "Panel9",  "Panel10", "Panel8",  "Image4",
    "Image23",   "Image28", "Image29", "ScrollBox2", "Label7",  "Edit19",  "UpDown1", "Button7", "CheckBox1",
    "CheckBox3", "Label1",  "Label2",  "Button3",    "Button5", "Edit3",   "Edit4",   "Edit5",   "Label55",
    "Label57",   "Label58", "Label59", "Label74",    "Button2", "Button6", "Button9", "Button10"};

// A whole number as typed, with an optional minus sign; nothing for any other text.
std::optional<int> wholeNumber(const QString &text)
{
    QString t = text.trimmed();
    const bool negative = t.startsWith(u'-') || t.startsWith(u'－');
    const std::optional<int> value = grouping::wholeNumber(negative ? t.mid(1) : t);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

// The table a layout draws.
tables::Table tableOf(tablekind tableKind)
{
    switch (tableKind) {
    case tablekind::ScoreSheet: return tables::Table::ScoreSheet;
    case tablekind::CombinationTable: return tables::Table::Combination;
    case tablekind::ScoreEntry: return tables::Table::ScoreEntry;
    case tablekind::ScoreCheck: return tables::Table::ScoreCheck;
    case tablekind::ResultLandscape:
    case tablekind::ResultPortrait: return tables::Table::Result;
    case tablekind::None:
    case tablekind::MemberLandscape:
    case tablekind::MemberPortrait: break;
    }
    return tables::Table::Member;
}

} // namespace

// ---- Inputs of the layouts ---------------------------------------------------------

tables::TableOptions TMainForm::tableOptions()
{
    tables::TableOptions o;
    o.eightFrame = ticked("N29");
    o.landscape = ticked("N32");
    o.holeNumbers = ticked("N35");
    o.dashes = ticked("N47");
    return o;
}

tables::Particulars TMainForm::particulars()
{
    tables::Particulars p;
    p.tournamentName = TournamentName();
    p.courseName = CourseName();
    p.year = EventYear();
    p.month = EventMonth();
    p.day = EventDay();
    p.titleShift = TitleShift;
    return p;
}

SlotTextArray TMainForm::placedSlotTexts() const
{
    SlotTextArray texts = KumiSlotText;
    const datafile::Meeting meeting = currentMeeting();
    for (int g = 0; g < grouping::Groups; ++g)
        tables::writeSlotTexts(texts, g, tables::partiesOfGroup(meeting, g));
    return texts;
}

tables::MeetingScores TMainForm::tableScores() const { return {ScoreSlots, placedSlotTexts()}; }

tables::PageRequest TMainForm::pageRequest(tablekind tableKind)
{
    tables::PageRequest r;
    r.table = tableOf(tableKind);
    r.options = tableOptions();
    if (r.table == tables::Table::Member || r.table == tables::Table::Result)
        r.options.landscape =
            tableKind != tablekind::MemberPortrait && tableKind != tablekind::ResultPortrait;
    if (isGroup(CurGroup)) r.group = groupIndex(CurGroup);
    r.particulars = particulars();
    r.groupNames = GroupDisplayName;
    r.ranking = {control("CheckBox1").checked, control("CheckBox3").checked};
    r.page = PageNo;
    r.pageText = control("Edit19").text;
    // The score sheet's numbers, as its drawing puts them into empty or too large fields.
    const int holes = wholeNumber(HoleCount()).value_or(10);
    r.holeCount = holes > 11 ? 12 : holes;
    r.startHole = wholeNumber(StartHole()).value_or(1);
    const int party = wholeNumber(SheetKumi()).value_or(1);
    r.party = std::min(party, grouping::Parties);
    r.partyText = SheetKumi().isEmpty()       ? u"1"_s
                  : party > grouping::Parties ? QString::number(grouping::Parties)
                                              : SheetKumi();
    return withPhoneCorner(r);
}

PageOrientation TMainForm::paperOrientation(const tables::PageRequest &request)
{
    return tables::landscapeOf(request.table, request.options) ? PageOrientation::Landscape
                                                               : PageOrientation::Portrait;
}

tables::PageRequest TMainForm::withPhoneCorner(tables::PageRequest request) const
{
    request.phone.reset();
    if (request.table == tables::Table::ScoreSheet && request.group && request.party >= 1 &&
        request.party <= grouping::Parties)
        if (const auto corner = VenueCorners.find(*request.group * grouping::Parties + request.party - 1);
            corner != VenueCorners.end())
            request.phone = corner->second;
    return request;
}

int TMainForm::sheetHoles()
{
    const std::optional<int> holes = wholeNumber(HoleCount());
    if (!holes || *holes < 1) return 10;
    return *holes > 11 ? 12 : *holes;
}

bool TMainForm::sheetFieldsValid()
{
    const std::pair<const char *, QString> fields[] = {
        {"Edit9", u"ホール数"_s}, {"Edit13", u"組"_s}, {"Edit14", u"番スタート"_s}};
    for (const auto &[field, label] : fields) {
        const QString &text = control(field).text;
        if (text.isEmpty() || wholeNumber(text)) continue;
        platform.messageBox(label + u"には整数を入力して下さい"_s, u"警告"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        return false;
    }
    return true;
}

// ---- The drawing routine -----------------------------------------------------------

void TMainForm::Draw(Canvas &canvas)
{
    for (const TablePicture &p : kTablePictures) canvas.fillRect(QRect(QPoint(0, 0), p.size), colours::White);
    canvas.setPen(colours::Black, 1);

    const auto showOnly = [this](std::initializer_list<const char *> shown) {
        setVisible({"Image4", "Image23", "Image28", "Image29", "ScrollBox2"}, false);
        setVisible(shown, true);
        if (hasControl(u"Edit17"_s)) control("Edit17").visible = false;
    };
    // The parties of the current group, as the swap commands and the score entry find them.
    const auto loadParties = [this] {
        if (CurGroup == curgroup::NotChosen) {
            KumiLineBuf.clear();
        } else if (isGroup(CurGroup)) {
            CurGroupText = grouping::groupLetter(groupIndex(CurGroup));
            KumiWake(groupNumber(CurGroup));
        }
    };
    // The result and member tables: their picture, the page field's limit, and a
    // landscape page beyond the fourth brought back to the first.
    const auto pagedTableFrame = [&](bool landscape) {
        showOnly(landscape ? std::initializer_list<const char *>{"Image29"}
                           : std::initializer_list<const char *>{"ScrollBox2", "Image4"});
        PageMax = landscape ? 3 : 8;
        if (landscape && PageNo > 4) {
            PageNo = 1;
            control("Edit19").text = u"1"_s;
        }
    };
    const auto overflowSwitch = [this] {
        platform.messageBox(u"８人枠に切り替えします。「OK」を押してグループを再度押して下さい"_s,
                            u"組の人数が６名を超過しています"_s, MsgIcon::Warning, MsgButtons::Ok);
        tickOption("N29", "N20");
    };
    const auto draw = [&](const tables::PageRequest &request) -> std::optional<tables::DrawnPage> {
        const auto page = tables::pageOf(currentMeeting(), tableScores(), request);
        if (!std::holds_alternative<tables::MeetingPage>(page)) return std::nullopt;
        return tables::drawPage(canvas, sheet::Scale{ScaleX, ScaleY}, std::get<tables::MeetingPage>(page));
    };

    if (TableKind == tablekind::ScoreSheet) {
        const tables::PageRequest request = pageRequest(TableKind);
        showOnly({"Image23"});
        // Empty fields take their first values, and the party and holes their largest.
        if (HoleCount().isEmpty()) control("Edit9").text = u"10"_s;
        if (wholeNumber(HoleCount()).value_or(10) > 11) control("Edit9").text = u"12"_s;
        if (StartHole().isEmpty()) control("Edit14").text = u"1"_s;
        if (SheetKumi().isEmpty() || wholeNumber(SheetKumi()).value_or(1) > grouping::Parties) {
            control("Edit13").text = request.partyText;
            Edit13Change();
        }
        loadParties();
        if (request.group && request.party >= 1) WorkList = KumiList[request.party - 1];
        const std::optional<tables::DrawnPage> drawn = draw(request);
        if (drawn && drawn->sheet.partyOverflow) overflowSwitch();
    } else if (TableKind == tablekind::CombinationTable || TableKind == tablekind::ScoreEntry ||
               TableKind == tablekind::ScoreCheck) {
        showOnly({"Image28"});
        if (hasControl(u"Label52"_s)) control("Label52").visible = TableKind == tablekind::ScoreEntry;
        const tables::PageRequest request = pageRequest(TableKind);
        loadParties();
        const std::optional<tables::DrawnPage> drawn = draw(request);
        if (!drawn) return;
        const tables::GridResult &r = drawn->grid;
        GridColumnWidth = r.columnWidth;
        GridColumns = r.columns;
        GridBottom = r.bottom;
        if (request.group)
            for (int p = 0; p < grouping::Parties; ++p)
                for (int slot = 0; slot < grouping::Slots; ++slot)
                    if (r.slotTexts[p][slot]) KumiSlotText[*request.group][p][slot] = *r.slotTexts[p][slot];
        if (r.switchedToEightFrame) overflowSwitch();
    } else if (TableKind == tablekind::ResultLandscape || TableKind == tablekind::ResultPortrait) {
        pagedTableFrame(TableKind == tablekind::ResultLandscape);
        if (!buildRankList()) return;
        draw(pageRequest(TableKind)); // the page field as the frame left it
        noteUnentered();
    } else if (TableKind == tablekind::MemberLandscape || TableKind == tablekind::MemberPortrait) {
        pagedTableFrame(TableKind == tablekind::MemberLandscape);
        MemberLines = SavedMemberLines;
        draw(pageRequest(TableKind));
    }
}

// ---- Table commands ------------------------------------------------------------------

namespace {
void arrangeTableScreen(TMainForm &form, std::initializer_list<const char *> shown)
{
    form.setVisible(kTableScreenAreas, false);
    form.setVisible(shown, true);
    form.colourScreenTabs("Label64");
}

Canvas &tablePicture(TMainForm &form, const char *name) { return form.tableCanvas(name); }
} // namespace

Canvas &TMainForm::tableCanvas(const char *name)
{
    for (const TablePicture &p : kTablePictures)
        if (qstrcmp(p.name, name) == 0) return platform.picture(QString::fromLatin1(name), p.size);
    return platform.picture(QString::fromLatin1(name), QSize(1, 1));
}

bool TMainForm::buildRankList()
{
    const scoring::RankOptions options{control("CheckBox1").checked, control("CheckBox3").checked};
    KumiSlotText = placedSlotTexts();
    scoring::Ranking ranking = scoring::rankPlayers(ScoreSlots, KumiSlotText, options);
    RankList = ranking.rows();
    UnenteredCount = static_cast<int>(ranking.Unentered.size());
    if (ranking.error) {
        platform.messageBox(ranking.error->message(), u"成績表"_s, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    return true;
}

void TMainForm::noteUnentered()
{
    if (UnenteredCount == 0 || UnenteredNoted) return;
    UnenteredNoted = true;
    platform.messageBox(u"未入力の選手が%1名います。未入力の確認で一覧できます。"_s.arg(UnenteredCount),
                        u"成績表作成"_s, MsgIcon::Information, MsgButtons::Ok);
}

void TMainForm::Label43Click() // 「スコア表作成」
{
    if (!sheetFieldsValid()) return;
    TableKind = tablekind::ScoreSheet;
    TableMode = tablekind::ScoreSheet;
    Screen = screen::ScoreSheet;
    ScaleX = sheet::ScoreSheetScreen.x;
    ScaleY = sheet::ScoreSheetScreen.y;
    arrangeTableScreen(*this, {"Panel8", "Panel10", "Image23"});
    Draw(tablePicture(*this, "Image23"));
}

void TMainForm::Label53Click() // 「組合せ表作成」
{
    TableKind = tablekind::CombinationTable;
    TableMode = tablekind::CombinationTable;
    Screen = screen::GridTable;
    ScaleX = sheet::GridScreen.x;
    ScaleY = sheet::GridScreen.y;
    // The swap buttons and the hint stay as the swap commands left them.
    const bool swapShown = control("Button3").visible;
    const bool hintShown = control("Label1").visible;
    arrangeTableScreen(*this, {"Panel8", "Image28"});
    setVisible({"Button3", "Button5"}, swapShown);
    control("Label1").visible = hintShown;
    Draw(tablePicture(*this, "Image28"));
    computeGridGeometry();
}

void TMainForm::ScoreCheckClick() // 「得点確認表作成」
{
    TableKind = tablekind::ScoreCheck;
    TableMode = tablekind::ScoreCheck;
    Screen = screen::GridTable;
    ScaleX = sheet::GridScreen.x;
    ScaleY = sheet::GridScreen.y;
    arrangeTableScreen(*this, {"Panel8", "Image28"});
    Draw(tablePicture(*this, "Image28"));
    computeGridGeometry();
}

namespace {
// The result table and the member table: page by page in the form the menu ticks, タテ形
// in the scroll box, ヨコ形 on its own picture, with the page field; the result table
// adds its two ranking options.
struct PagedTable {
    tablekind portrait, landscape;
    bool rankingOptions;
};

void showPagedTable(TMainForm &form, const PagedTable &table)
{
    const bool portrait = form.ticked("N31");
    if (!portrait && !form.ticked("N32")) return;
    form.TableKind = portrait ? table.portrait : table.landscape;
    form.TableMode = form.TableKind;
    form.Screen = screen::PagedTable;
    const sheet::Scale scale = portrait ? sheet::PortraitScreen : sheet::LandscapeScreen;
    form.ScaleX = scale.x;
    form.ScaleY = scale.y;
    const char *picture = portrait ? "Image4" : "Image29";
    arrangeTableScreen(form, {"Label7", "Edit19", "UpDown1", "Button7", picture});
    form.setVisible({"CheckBox1", "CheckBox3"}, table.rankingOptions);
    if (portrait) {
        form.control("ScrollBox2").visible = true;
        ++form.TableScrollSerial; // the scroll box starts at its top
    }
    form.Draw(tablePicture(form, picture));
}
} // namespace

void TMainForm::Label60Click() // 「成 績 表作成」
{
    UnenteredNoted = false;
    showResultTable();
}

void TMainForm::showResultTable()
{
    showPagedTable(*this, {tablekind::ResultPortrait, tablekind::ResultLandscape, true});
}

void TMainForm::CheckBox1Click() // 一打を順位判定に含める
{
    Label60Click();
}

void TMainForm::CheckBox3Click() // 二打を順位判定に含める
{
    Label60Click();
}

void TMainForm::Label56Click() // 「メンバー表作成」
{
    showPagedTable(*this, {tablekind::MemberPortrait, tablekind::MemberLandscape, false});
}

void TMainForm::GroupBox1Click() { control("GroupBox1").visible = false; } // the table command box

void TMainForm::redrawCurrentTable()
{
    switch (TableKind) {
    case tablekind::MemberLandscape:
    case tablekind::MemberPortrait: Label56Click(); break;
    case tablekind::ResultLandscape:
    case tablekind::ResultPortrait: showResultTable(); break;
    case tablekind::ScoreEntry: Label36Click(); break;
    case tablekind::ScoreSheet: Label43Click(); break;
    case tablekind::CombinationTable: Label53Click(); break;
    case tablekind::ScoreCheck: ScoreCheckClick(); break;
    default: break;
    }
}

// The table screens draw the table of the chosen group here: the score sheet (確定) and
// the combination table.
void TMainForm::redrawTableOfGroup()
{
    if (Screen == screen::ScoreSheet && TableMode == tablekind::ScoreSheet)
        Button8Click();
    else if (Screen == screen::GridTable && TableMode == tablekind::CombinationTable)
        Label53Click();
    else if (Screen == screen::GridTable && TableMode == tablekind::ScoreEntry)
        Label36Click();
    else if (Screen == screen::GridTable && TableMode == tablekind::ScoreCheck)
        ScoreCheckClick();
}

// ---- Particulars and the page field ------------------------------------------------------

void TMainForm::Button8Click() // 「確　定」
{
    TitleShift = tables::titleShiftOf(TournamentName());
    if (TableKind == tablekind::ScoreSheet && !sheetFieldsValid()) return;
    switch (TableKind) {
    case tablekind::ScoreSheet: Draw(tablePicture(*this, "Image23")); break;
    case tablekind::CombinationTable:
    case tablekind::ScoreEntry:
    case tablekind::ScoreCheck: Draw(tablePicture(*this, "Image28")); break;
    case tablekind::MemberLandscape:
    case tablekind::ResultLandscape: Draw(tablePicture(*this, "Image29")); break;
    case tablekind::ResultPortrait:
    case tablekind::MemberPortrait: Draw(tablePicture(*this, "Image4")); break;
    default: Draw(tablePicture(*this, "Image23")); break;
    }
}

void TMainForm::Edit13Change() { control("Edit14").text = control("Edit13").text; } // 組 → 番スタート

bool TMainForm::tableFieldClicked(const QString &field)
{
    static const QStringList emptied{u"Edit9"_s,  u"Edit10"_s, u"Edit11"_s, u"Edit12"_s,
                                     u"Edit13"_s, u"Edit14"_s, u"Edit19"_s};
    if (!emptied.contains(field)) return false;
    control(field).text.clear();
    if (field == u"Edit13"_s) Edit13Change();
    return true;
}

void TMainForm::UpDown1Step(int direction)
{
    const int current = wholeNumber(control("Edit19").text).value_or(PageNo);
    const int next = std::clamp(current + (direction < 0 ? -1 : 1), 1, PageMax);
    control("Edit19").text = QString::number(next);
}

void TMainForm::Button7Click() // 「設定」
{
    const QString text = control("Edit19").text;
    if (text.isEmpty()) return;
    const std::optional<int> page = wholeNumber(text);
    if (!page) {
        platform.messageBox(u"ページ指定には整数を入力して下さい"_s, u"ページ指定"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        return;
    }
    const bool landscape = TableKind == tablekind::MemberLandscape || TableKind == tablekind::ResultLandscape;
    const bool portrait = TableKind == tablekind::ResultPortrait || TableKind == tablekind::MemberPortrait;
    if ((landscape && (*page > 4 || *page < 1)) || (portrait && (*page > 10 || *page < 1))) {
        platform.messageBox(landscape ? u"１から４迄を設定して下さい"_s : u"１から１０迄を設定して下さい"_s,
                            u"ページ指定"_s, MsgIcon::Warning, MsgButtons::Ok);
        control("Edit19").text.clear();
        return;
    }
    PageNo = *page;
    if (TableKind == tablekind::MemberLandscape || TableKind == tablekind::MemberPortrait)
        Label56Click();
    else if (TableKind == tablekind::ResultLandscape || TableKind == tablekind::ResultPortrait)
        showResultTable();
}

// ---- Printing, preview and PDF ------------------------------------------------------------

bool TMainForm::printingRefused()
{
    if (Combining)
        platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                            MsgButtons::Ok);
    if (Screen == screen::Registration || Screen == screen::Combination || Screen == screen::TableChoice ||
        (Screen == screen::GridTable && TableMode == tablekind::ScoreEntry))
        return true;
    // A score sheet whose numbers cannot be read is not printed.
    if (TableKind == tablekind::ScoreSheet && !sheetFieldsValid()) return true;
    // The note about players without an entry comes once, before the pages are drawn; a
    // record that cannot be ranked (its box names it) prints nothing.
    if (TableKind == tablekind::ResultLandscape || TableKind == tablekind::ResultPortrait) {
        UnenteredNoted = false;
        if (!buildRankList()) return true;
        noteUnentered();
    }
    return false;
}

void TMainForm::printOn(PrintJob &job)
{
    drawOnPaper(job.page(), job.dpiX(), job.dpiY(), pageRequest(TableKind));
}

void TMainForm::drawOnPaper(Canvas &page, int dpiX, int dpiY, const tables::PageRequest &request)
{
    PrinterDpiX = dpiX;
    PrinterDpiY = dpiY;
    const auto made = tables::pageOf(currentMeeting(), tableScores(), request);
    if (const auto *p = std::get_if<tables::MeetingPage>(&made))
        tables::drawPage(page, sheet::printerScale(dpiX, dpiY), *p);
}

QString TMainForm::currentDocumentName() { return tables::documentNameOf(pageRequest(TableKind), false); }

void TMainForm::N21Click() // menu 「印 刷」
{
    if (printingRefused()) return;
    if (std::unique_ptr<PrintJob> job =
            platform.beginPrint(paperOrientation(pageRequest(TableKind)), currentDocumentName())) {
        printOn(*job);
        QString error;
        if (!job->end(&error))
            platform.messageBox(u"印刷できませんでした。"_s + error, u"印刷"_s, MsgIcon::Error,
                                MsgButtons::Ok);
    }
}

void TMainForm::PrintPreviewClick() // ファイル › 印刷プレビュー
{
    if (printingRefused()) return;
    const tables::PageRequest request = pageRequest(TableKind);
    platform.printPreview(
        paperOrientation(pageRequest(TableKind)),
        [this, request](Canvas &page, int dpiX, int dpiY) { drawOnPaper(page, dpiX, dpiY, request); });
}

void TMainForm::SavePdfClick() // ファイル › PDFに保存
{
    if (printingRefused()) return;
    const std::optional<QString> path = platform.pdfFileName();
    if (!path) return;
    QString error;
    std::unique_ptr<PrintJob> job =
        platform.beginPdf(*path, paperOrientation(pageRequest(TableKind)), currentDocumentName(), &error);
    if (job) {
        printOn(*job);
        if (!job->end(&error)) job.reset();
    }
    if (!job)
        platform.messageBox(u"PDFファイルを保存できませんでした。"_s + error, u"PDFに保存"_s, MsgIcon::Error,
                            MsgButtons::Ok);
}
