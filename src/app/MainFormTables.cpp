// The table screens: the one drawing routine and its layouts, the table commands, the
// particulars, the page field, printing, the print preview and PDF files.
#include "app/MainForm.h"

#include "grouping/Counts.h"
#include "grouping/WholeNumber.h"
#include "scoring/Ranking.h"
#include "tables/Canvas.h"
#include "tables/CombinationGrid.h"
#include "tables/MeetingTables.h"
#include "tables/MemberTable.h"
#include "tables/ResultTable.h"
#include "tables/ScoreSheet.h"
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

// The scale of a table's picture on the screen, which its printed page reproduces.
sheet::Scale screenScaleOf(tablekind tableKind)
{
    switch (tableKind) {
    case tablekind::ScoreSheet: return sheet::ScoreSheetScreen;
    case tablekind::CombinationTable:
    case tablekind::ScoreEntry: return sheet::GridScreen;
    case tablekind::MemberLandscape:
    case tablekind::ResultLandscape: return sheet::LandscapeScreen;
    default: return sheet::PortraitScreen;
    }
}

PageOrientation orientationOf(tablekind tableKind)
{
    return tableKind == tablekind::ResultPortrait || tableKind == tablekind::MemberPortrait
               ? PageOrientation::Portrait
               : PageOrientation::Landscape;
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

QList<tables::Player> TMainForm::partyPlayers(int party)
{
    QList<tables::Player> players;
    if (party < 1 || party > grouping::Parties) return players;
    const QStringList &numbering = partyNumbering(groupNumber(CurGroup));
    for (const QString &item : KumiList[party - 1]) players << tables::playerAt(numbering, item);
    return players;
}

SlotTextArray TMainForm::placedSlotTexts() const
{
    SlotTextArray texts = KumiSlotText;
    for (int g = 1; g <= grouping::Groups; ++g)
        tables::writeSlotTexts(texts, g - 1, tables::partiesOf(KumiLines[g - 1], partyNumbering(g)));
    return texts;
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
    // The headings show the group's display name in place of its letter.
    QString groupName = CurGroupText;
    for (int g = 0; g < grouping::Groups; ++g)
        if (CurGroupText == grouping::groupLetter(g)) groupName = GroupDisplayName[g];

    for (const TablePicture &p : kTablePictures) canvas.fillRect(QRect(QPoint(0, 0), p.size), colours::White);
    canvas.setPen(colours::Black, 1);

    // On paper the texts keep the sizes and places they have in the screen's picture.
    const sheet::Scale scale = sheet::Scale{ScaleX, ScaleY}.showing(screenScaleOf(TableKind));
    const auto showOnly = [this](std::initializer_list<const char *> shown) {
        setVisible({"Image4", "Image23", "Image28", "Image29", "ScrollBox2"}, false);
        setVisible(shown, true);
        if (hasControl(u"Edit17"_s)) control("Edit17").visible = false;
    };
    // The parties of the current group (the group's letter comes back for loading them).
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
    if (TableKind == tablekind::ScoreSheet) {
        showOnly({"Image23"});
        tables::ScoreSheetInput in;
        in.particulars = particulars();
        in.courseName = CourseName();
        if (HoleCount().isEmpty()) control("Edit9").text = u"10"_s;
        int holes = wholeNumber(HoleCount()).value_or(10);
        if (holes > 11) {
            holes = 12;
            control("Edit9").text = u"12"_s;
        }
        in.holeCount = holes;
        if (StartHole().isEmpty()) control("Edit14").text = u"1"_s;
        in.startHole = wholeNumber(StartHole()).value_or(1);
        if (SheetKumi().isEmpty()) {
            control("Edit13").text = u"1"_s;
            Edit13Change();
        }
        int kumi = wholeNumber(SheetKumi()).value_or(1);
        if (kumi > grouping::Parties) {
            kumi = grouping::Parties;
            control("Edit13").text = u"12"_s;
            Edit13Change();
        }
        in.sheetKumiText = SheetKumi();
        in.groupName = CurGroup == curgroup::NotChosen ? QString() : groupName;
        loadParties();
        if (kumi >= 1 && kumi <= grouping::Parties && CurGroup != curgroup::NotChosen) {
            WorkList = KumiList[kumi - 1];
            in.party = partyPlayers(kumi);
            // While the venue serves, the party's code and page stand in the free corner.
            if (const auto corner = VenueCorners.find(groupIndex(CurGroup) * grouping::Parties + kumi - 1);
                corner != VenueCorners.end() && isGroup(CurGroup))
                in.phone = corner->second;
        }
        const tables::ScoreSheetResult r = tables::drawScoreSheet(canvas, scale, tableOptions(), in);
        if (r.partyOverflow) {
            platform.messageBox(u"８人枠に切り替えします。「OK」を押してグループを再度押して下さい"_s,
                                u"組の人数が６名を超過しています"_s, MsgIcon::Warning, MsgButtons::Ok);
            tickOption("N29", "N20");
        }
    } else if (TableKind == tablekind::CombinationTable || TableKind == tablekind::ScoreEntry ||
               TableKind == tablekind::ScoreCheck) {
        showOnly({"Image28"});
        if (hasControl(u"Label52"_s)) control("Label52").visible = TableKind == tablekind::ScoreEntry;
        tables::GridInput in;
        in.kind = TableKind == tablekind::CombinationTable ? tables::GridKind::Combination
                  : TableKind == tablekind::ScoreEntry     ? tables::GridKind::ScoreEntry
                                                           : tables::GridKind::ScoreCheck;
        in.particulars = particulars();
        in.groupName = CurGroup == curgroup::NotChosen ? QString() : groupName;
        loadParties();
        in.writeNames = isGroup(CurGroup);
        if (in.writeNames) in.records = ScoreSlots[groupIndex(CurGroup)];
        if (CurGroup != curgroup::None)
            for (int p = 1; p <= grouping::Parties; ++p) in.parties[p - 1] = partyPlayers(p);
        const tables::GridResult r = tables::drawCombinationGrid(canvas, scale, tableOptions(), in);
        GridColumnWidth = r.columnWidth;
        GridColumns = r.columns;
        GridBottom = r.bottom;
        if (in.writeNames)
            for (int p = 0; p < grouping::Parties; ++p)
                for (int slot = 0; slot < grouping::Slots; ++slot)
                    if (r.slotTexts[p][slot])
                        KumiSlotText[groupIndex(CurGroup)][p][slot] = *r.slotTexts[p][slot];
        if (r.switchedToEightFrame) {
            platform.messageBox(u"８人枠に切り替えします。「OK」を押してグループを再度押して下さい"_s,
                                u"組の人数が６名を超過しています"_s, MsgIcon::Warning, MsgButtons::Ok);
            tickOption("N29", "N20");
        }
    } else if (TableKind == tablekind::ResultLandscape || TableKind == tablekind::ResultPortrait) {
        const bool landscape = TableKind == tablekind::ResultLandscape;
        pagedTableFrame(landscape);
        if (!buildRankList()) return;
        tables::ResultTableInput in;
        in.particulars = particulars();
        in.rankList = RankList;
        in.page = PageNo;
        in.pageText = control("Edit19").text;
        if (landscape)
            tables::drawLandscapeResultTable(canvas, scale, in);
        else
            tables::drawPortraitResultTable(canvas, scale, in);
        noteUnentered();
    } else if (TableKind == tablekind::MemberLandscape || TableKind == tablekind::MemberPortrait) {
        const bool landscape = TableKind == tablekind::MemberLandscape;
        pagedTableFrame(landscape);
        MemberLines = SavedMemberLines;
        tables::MemberTableInput in;
        in.particulars = particulars();
        in.rosterLines = MemberLines;
        in.page = PageNo;
        in.pageText = control("Edit19").text;
        if (landscape)
            tables::drawLandscapeMemberTable(canvas, scale, in);
        else
            tables::drawPortraitMemberTable(canvas, scale, in);
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
    // The note about players without an entry comes once, before the pages are drawn.
    if (TableKind == tablekind::ResultLandscape || TableKind == tablekind::ResultPortrait) {
        UnenteredNoted = false;
        if (buildRankList()) noteUnentered();
    }
    return false;
}

void TMainForm::printOn(PrintJob &job)
{
    PrinterDpiX = job.dpiX();
    PrinterDpiY = job.dpiY();
    const sheet::Scale scale = sheet::printerScale(PrinterDpiX, PrinterDpiY);
    ScaleX = scale.x;
    ScaleY = scale.y;
    Draw(job.page());
}

QString TMainForm::documentNameOf(tablekind tableKind, const QString &part)
{
    QString table;
    switch (tableKind) {
    case tablekind::MemberLandscape:
    case tablekind::MemberPortrait: table = u"メンバー表"_s; break;
    case tablekind::ResultLandscape:
    case tablekind::ResultPortrait: table = u"成績表"_s; break;
    case tablekind::ScoreSheet: table = u"スコア表"_s; break;
    case tablekind::CombinationTable: table = u"組み合わせ表"_s; break;
    case tablekind::ScoreEntry: table = u"得点入力表"_s; break;
    case tablekind::ScoreCheck: table = u"得点確認表"_s; break;
    case tablekind::None: break;
    }
    return tables::documentName({TournamentName(), table, part});
}

QString TMainForm::currentDocumentName()
{
    QString part;
    for (int g = 0; g < grouping::Groups; ++g)
        if (CurGroupText == grouping::groupLetter(g)) part = GroupDisplayName[g];
    if (TableKind == tablekind::ScoreSheet) part += u' ' + SheetKumi() + u"組"_s;
    if (TableKind != tablekind::ScoreSheet && TableKind != tablekind::CombinationTable &&
        TableKind != tablekind::ScoreEntry && TableKind != tablekind::ScoreCheck)
        part.clear();
    return documentNameOf(TableKind, part);
}

void TMainForm::N21Click() // menu 「印 刷」
{
    if (printingRefused()) return;
    if (std::unique_ptr<PrintJob> job =
            platform.beginPrint(orientationOf(TableKind), currentDocumentName())) {
        printOn(*job);
        QString error;
        if (!job->end(&error))
            platform.messageBox(u"印刷できませんでした。"_s + error, u"印刷"_s, MsgIcon::Error,
                                MsgButtons::Ok);
    }
    redrawCurrentTable();
}

void TMainForm::PrintPreviewClick() // ファイル › 印刷プレビュー
{
    if (printingRefused()) return;
    platform.printPreview(orientationOf(TableKind), [this](Canvas &page, int dpiX, int dpiY) {
        PrinterDpiX = dpiX;
        PrinterDpiY = dpiY;
        const sheet::Scale scale = sheet::printerScale(dpiX, dpiY);
        ScaleX = scale.x;
        ScaleY = scale.y;
        Draw(page);
    });
    redrawCurrentTable();
}

void TMainForm::SavePdfClick() // ファイル › PDFに保存
{
    if (printingRefused()) return;
    const std::optional<QString> path = platform.pdfFileName();
    if (!path) return;
    QString error;
    std::unique_ptr<PrintJob> job =
        platform.beginPdf(*path, orientationOf(TableKind), currentDocumentName(), &error);
    if (job) {
        printOn(*job);
        if (!job->end(&error)) job.reset();
    }
    if (!job)
        platform.messageBox(u"PDFファイルを保存できませんでした。"_s + error, u"PDFに保存"_s, MsgIcon::Error,
                            MsgButtons::Ok);
    redrawCurrentTable();
}
