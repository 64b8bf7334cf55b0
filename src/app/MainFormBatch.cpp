// Commands over the whole meeting: まとめて印刷 (every page of one table in one job) and
// 組み合わせの確認 (the stored combination as a report, shown and printed).
#include "app/MainForm.h"

#include "grouping/CombinationCheck.h"
#include "grouping/Counts.h"
#include "grouping/KumiLine.h"
#include "tables/Canvas.h"
#include "tables/CombinationReport.h"
#include "tables/MeetingTables.h"
#include "tables/PageFrames.h"

#include <array>
#include <vector>

using namespace Qt::StringLiterals;
namespace kumiline = grouping::kumiline;
namespace sheet = tables::sheet;

namespace {

bool partyHasMembers(const TMainForm &form, int g, int party)
{
    const QStringList &lines = form.KumiLines[g - 1];
    return party <= lines.size() && !kumiline::read(lines.at(party - 1)).isEmpty();
}

bool groupHasParties(const TMainForm &form, int g)
{
    for (int k = 1; k <= 12; ++k)
        if (partyHasMembers(form, g, k)) return true;
    return false;
}

// One page of a whole-meeting print: the group and party of a score sheet, the group of a
// combination table, or the page of the member table.
struct BatchPage {
    int group = 0;
    int party = 0;
    int page = 0;
};

// The request of one page: the table as the window's fields and ticks ask for it, with the
// page's group, party (whose sheet starts at its own hole, as 組 sets 番スタート) or page.
tables::PageRequest requestOf(const tables::PageRequest &asShown, const BatchPage &page)
{
    tables::PageRequest r = asShown;
    if (page.group != 0) r.group = page.group - 1;
    if (page.party != 0) {
        r.party = page.party;
        r.partyText = QString::number(page.party);
        r.startHole = page.party;
    }
    if (page.page != 0) {
        r.page = page.page;
        r.pageText = QString::number(page.page);
    }
    return r;
}

} // namespace

void TMainForm::PrintAllClick() // ファイル › まとめて印刷
{
    UnenteredNoted = false; // the note about players without an entry comes once in this command
    // The pages come from the meeting itself, so any screen prints them; while combining
    // only a table screen goes on after the notice, as 印刷 does.
    const bool tableScreen = Screen == screen::ScoreSheet || Screen == screen::PagedTable ||
                             (Screen == screen::GridTable && TableMode != tablekind::ScoreEntry);
    if (tableScreen) {
        if (printingRefused()) return;
    } else if (Combining) {
        platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                            MsgButtons::Ok);
        return;
    }
    BatchPrintOffer offer;
    offer.groupNames = GroupDisplayName;
    for (int g = 1; g <= 4; ++g) offer.groupHasParties[g - 1] = groupHasParties(*this, g);
    offer.hasMembers = !SavedMemberLines.isEmpty();
    for (const auto &group : ScoreSlots)
        for (const auto &party : group)
            for (const ScoreSlot &slot : party) offer.hasScores = offer.hasScores || scoring::hasEntry(slot);
    const std::optional<BatchPrintChoice> choice = platform.chooseBatchPrint(offer);
    if (!choice) return;

    // The pages, left out where a party has no members or a page no entries; the paged
    // tables go as far as their page field does (10 pages タテ形, 4 ヨコ形).
    std::vector<BatchPage> pages;
    tablekind kind = tablekind::None;
    switch (choice->table) {
    case BatchTable::ScoreSheets:
        if (!sheetFieldsValid()) return;
        kind = tablekind::ScoreSheet;
        for (int g = 1; g <= 4; ++g) {
            if (choice->group != 0 && choice->group != g) continue;
            for (int k = 1; k <= 12; ++k)
                if (partyHasMembers(*this, g, k)) pages.push_back({g, k, 0});
        }
        break;
    case BatchTable::CombinationTables:
        kind = tablekind::CombinationTable;
        for (int g = 1; g <= 4; ++g)
            if (groupHasParties(*this, g)) pages.push_back({g, 0, 0});
        break;
    case BatchTable::ScoreEntrySheets:
    case BatchTable::ScoreCheckSheets:
        kind = choice->table == BatchTable::ScoreEntrySheets ? tablekind::ScoreEntry : tablekind::ScoreCheck;
        for (int g = 1; g <= 4; ++g)
            if (groupHasParties(*this, g)) pages.push_back({g, 0, 0});
        break;
    case BatchTable::ResultTable: {
        kind = ticked("N31") ? tablekind::ResultPortrait : tablekind::ResultLandscape;
        if (!buildRankList()) return; // its box names the record that cannot be ranked
        // Without a single entry there is no result to print, only players without one.
        const int entries = RankList.size() > UnenteredCount ? static_cast<int>(RankList.size()) : 0;
        if (entries > 0) noteUnentered();
        const bool portrait = kind == tablekind::ResultPortrait;
        const int rows = portrait ? tables::PortraitPageRows : tables::LandscapePageRows;
        for (int p = 1; (p - 1) * rows < entries && p <= (portrait ? 10 : 4); ++p) pages.push_back({0, 0, p});
        break;
    }
    case BatchTable::MemberTable: {
        kind = ticked("N31") ? tablekind::MemberPortrait : tablekind::MemberLandscape;
        const bool portrait = kind == tablekind::MemberPortrait;
        const int rows = portrait ? tables::PortraitPageRows : tables::LandscapePageRows;
        const int entries = static_cast<int>(SavedMemberLines.size());
        for (int p = 1; (p - 1) * rows < entries && p <= (portrait ? 10 : 4); ++p) pages.push_back({0, 0, p});
        break;
    }
    }
    if (pages.empty()) {
        QString text = u"印刷する組がありません。先に組み合わせを作って下さい"_s;
        if (choice->table == BatchTable::MemberTable) text = u"メンバーが登録されていません"_s;
        if (choice->table == BatchTable::ResultTable) text = u"成績表に載せる得点がありません"_s;
        platform.messageBox(text, u"まとめて印刷"_s, MsgIcon::Information, MsgButtons::Ok);
        return;
    }

    // A party of more than six on a ６人枠 sheet would print without its names: the switch
    // to ８人枠 comes first, as on the screen, and the user prints again.
    if (kind == tablekind::ScoreSheet || kind == tablekind::CombinationTable ||
        kind == tablekind::ScoreEntry || kind == tablekind::ScoreCheck) {
        bool overflow = false;
        for (const BatchPage &p : pages)
            for (int k = 1; k <= 12; ++k)
                if ((p.party == 0 || p.party == k) && k <= KumiLines[p.group - 1].size() &&
                    kumiline::read(KumiLines[p.group - 1].at(k - 1)).size() > 6)
                    overflow = true;
        if (overflow && !ticked("N29")) {
            platform.messageBox(u"８人枠に切り替えします。「OK」を押してグループを再度押して下さい"_s,
                                u"組の人数が６名を超過しています"_s, MsgIcon::Warning, MsgButtons::Ok);
            tickOption("N29", "N20");
            return;
        }
    }

    // The pages are drawn from the meeting; the window's screens and fields stay as they are.
    const tables::PageRequest asShown = pageRequest(kind);
    const auto drawPages = [this, &pages, &asShown](PrintJob &job) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !job.nextPage()) return;
            drawOnPaper(job.page(), job.dpiX(), job.dpiY(), withPhoneCorner(requestOf(asShown, pages[i])));
        }
    };
    // The job is named after the table, and the group when the score sheets of one were chosen.
    tables::PageRequest whole = asShown;
    whole.group.reset();
    if (kind == tablekind::ScoreSheet && choice->group != 0) whole.group = choice->group - 1;
    const QString documentName = tables::documentNameOf(whole, true);
    const PageOrientation orientation = paperOrientation(asShown);

    switch (choice->output) {
    case BatchOutput::Print:
        if (std::unique_ptr<PrintJob> job = platform.beginPrint(orientation, documentName)) {
            drawPages(*job);
            QString error;
            if (!job->end(&error))
                platform.messageBox(u"印刷できませんでした。"_s + error, u"印刷"_s, MsgIcon::Error,
                                    MsgButtons::Ok);
        }
        break;
    case BatchOutput::Preview: platform.printPreviewPages(orientation, drawPages); break;
    case BatchOutput::Pdf: {
        const std::optional<QString> path = platform.pdfFileName();
        if (!path) break;
        QString error;
        std::unique_ptr<PrintJob> job = platform.beginPdf(*path, orientation, documentName, &error);
        if (job) {
            drawPages(*job);
            if (!job->end(&error)) job.reset();
        }
        if (!job)
            platform.messageBox(u"PDFファイルを保存できませんでした。"_s + error, u"PDFに保存"_s,
                                MsgIcon::Error, MsgButtons::Ok);
        break;
    }
    }
}

void TMainForm::CheckCombinationClick() // 組み合せ設定 › 組み合わせの確認
{
    if (Combining) {
        platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                            MsgButtons::Ok);
        return;
    }
    // A party numbers its members as the tables read them.
    std::array<QStringList, 4> numbering;
    for (int g = 0; g < 4; ++g) numbering[g] = partyNumbering(g + 1);
    const QList<grouping::GroupCheck> groups = grouping::checkCombination(KumiLines, numbering, {}, false);
    if (groups.isEmpty()) {
        platform.messageBox(u"確認する組み合わせがありません。先に組み合わせを作って下さい"_s,
                            u"組み合わせの確認"_s, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    const QList<tables::ReportLine> report = tables::combinationReport(groups, GroupDisplayName);
    QStringList lines;
    for (const tables::ReportLine &line : report) lines << line.text();
    platform.showCombinationCheck(lines, [this, report] {
        std::unique_ptr<PrintJob> job = platform.beginPrint(
            PageOrientation::Portrait, tables::documentName({TournamentName(), u"組み合わせの確認"_s}));
        if (!job) return;
        const sheet::Scale scale = sheet::printerScale(job->dpiX(), job->dpiY());
        const int pages = tables::reportPageCount(report);
        bool ok = true;
        for (int p = 1; p <= pages && ok; ++p) {
            if (p > 1) ok = job->nextPage();
            if (ok) tables::drawCombinationReport(job->page(), scale, report, p);
        }
        QString error;
        if (!job->end(&error) || !ok)
            platform.messageBox(u"印刷できませんでした。"_s + error, u"印刷"_s, MsgIcon::Error,
                                MsgButtons::Ok);
    });
}
