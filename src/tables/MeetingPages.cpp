#include "tables/MeetingPages.h"

#include "tables/Canvas.h"

namespace tables {

namespace {

// The party players of the group asked for; none while no group is chosen.
PartyPlayers partiesAsked(const datafile::Meeting &meeting, const PageRequest &request)
{
    return request.group ? partiesOfGroup(meeting, *request.group) : PartyPlayers{};
}

QString groupNameAsked(const PageRequest &request)
{
    return request.group && *request.group >= 0 && *request.group < 4 ? request.groupNames[*request.group]
                                                                      : QString();
}

} // namespace

bool landscapeOf(Table table, const TableOptions &options)
{
    return (table != Table::Member && table != Table::Result) || options.landscape;
}

std::variant<MeetingPage, QString> pageOf(const datafile::Meeting &meeting, const MeetingScores &scores,
                                          const PageRequest &request)
{
    MeetingPage page;
    page.table = request.table;
    page.options = request.options;
    switch (request.table) {
    case Table::ScoreSheet: {
        ScoreSheetInput in;
        in.particulars = request.particulars;
        in.courseName = request.particulars.courseName;
        in.holeCount = request.holeCount;
        in.startHole = request.startHole;
        in.sheetKumiText = request.partyText;
        in.groupName = groupNameAsked(request);
        if (request.group && request.party >= 1 && request.party <= grouping::Parties) {
            in.party = partiesAsked(meeting, request)[request.party - 1];
            in.phone = request.phone;
        }
        page.input = in;
        break;
    }
    case Table::Combination:
    case Table::ScoreEntry:
    case Table::ScoreCheck: {
        GridInput in;
        in.kind = request.table == Table::Combination  ? GridKind::Combination
                  : request.table == Table::ScoreEntry ? GridKind::ScoreEntry
                                                       : GridKind::ScoreCheck;
        in.particulars = request.particulars;
        in.groupName = groupNameAsked(request);
        in.parties = partiesAsked(meeting, request);
        in.writeNames = request.group.has_value();
        if (request.group && *request.group >= 0 && *request.group < GroupsMax)
            in.records = scores.records[*request.group];
        page.input = in;
        break;
    }
    case Table::Result: {
        const scoring::Ranking ranking =
            scoring::rankPlayers(scores.records, scores.slotTexts, request.ranking);
        if (ranking.error) return ranking.error->message();
        ResultTableInput in;
        in.particulars = request.particulars;
        in.rankList = ranking.rows();
        in.page = request.page;
        in.pageText = request.pageText;
        page.input = in;
        break;
    }
    case Table::Member: {
        MemberTableInput in;
        in.particulars = request.particulars;
        in.rosterLines = meeting.memberLines;
        in.page = request.page;
        in.pageText = request.pageText;
        page.input = in;
        break;
    }
    }
    return page;
}

DrawnPage drawPage(Canvas &canvas, sheet::Scale s, const MeetingPage &page)
{
    DrawnPage drawn;
    const bool landscape = page.landscape();
    const sheet::Scale scale = s.showing(screenScaleOf(page.table, landscape));
    if (const auto *in = std::get_if<ScoreSheetInput>(&page.input)) {
        drawn.sheet = drawScoreSheet(canvas, scale, page.options, *in);
    } else if (const auto *in = std::get_if<GridInput>(&page.input)) {
        drawn.grid = drawCombinationGrid(canvas, scale, page.options, *in);
    } else if (const auto *in = std::get_if<ResultTableInput>(&page.input)) {
        if (landscape)
            drawLandscapeResultTable(canvas, scale, *in);
        else
            drawPortraitResultTable(canvas, scale, *in);
    } else if (const auto *in = std::get_if<MemberTableInput>(&page.input)) {
        if (landscape)
            drawLandscapeMemberTable(canvas, scale, *in);
        else
            drawPortraitMemberTable(canvas, scale, *in);
    }
    return drawn;
}

QString documentNameOf(const PageRequest &request, bool everyPage)
{
    using namespace Qt::StringLiterals;
    QString table;
    bool byGroup = true;
    switch (request.table) {
    case Table::Member:
        table = u"メンバー表"_s;
        byGroup = false;
        break;
    case Table::Combination: table = u"組み合わせ表"_s; break;
    case Table::ScoreSheet: table = u"スコア表"_s; break;
    case Table::ScoreEntry: table = u"得点入力表"_s; break;
    case Table::ScoreCheck: table = u"得点確認表"_s; break;
    case Table::Result:
        table = u"成績表"_s;
        byGroup = false;
        break;
    }
    QString part;
    if (byGroup) part = groupNameAsked(request);
    if (request.table == Table::ScoreSheet && !everyPage) part += u' ' + request.partyText + u"組"_s;
    return documentName({request.particulars.tournamentName, table, part});
}

sheet::Scale screenScaleOf(Table table, bool landscape)
{
    switch (table) {
    case Table::ScoreSheet: return sheet::ScoreSheetScreen;
    case Table::Combination:
    case Table::ScoreEntry:
    case Table::ScoreCheck: return sheet::GridScreen;
    case Table::Member:
    case Table::Result: break;
    }
    return landscape ? sheet::LandscapeScreen : sheet::PortraitScreen;
}

} // namespace tables
