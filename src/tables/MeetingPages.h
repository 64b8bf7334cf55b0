#pragma once
// One page of a table as the window shows and prints it and kmtx-export writes it: what the
// layouts draw, put together from the meeting and a request in one place, and its drawing.

#include "datafile/Meeting.h"
#include "scoring/Ranking.h"
#include "tables/CombinationGrid.h"
#include "tables/MeetingTables.h"
#include "tables/MemberTable.h"
#include "tables/ResultTable.h"
#include "tables/ScoreSheet.h"

#include <array>
#include <optional>
#include <variant>

class Canvas;

namespace tables {

enum class Table { Member, Combination, ScoreSheet, ScoreEntry, ScoreCheck, Result };

// The page asked for. The numbers are read and checked by the caller.
struct PageRequest {
    Table table = Table::Member;
    TableOptions options;     // the frame, the form of the member and result tables, the sheet's marks
    std::optional<int> group; // 0..3; none while no group is chosen (no names, no group name)
    int party = 0;            // the score sheet's party, 1..12 (another number: no names)
    QString partyText;        // the score sheet's party as its heading shows it
    int holeCount = 10;
    int startHole = 1;
    int page = 1;     // the page of the member and result tables
    QString pageText; // the page field as typed, for the page label
    Particulars particulars;
    std::array<QString, 4> groupNames; // the headings' names of groups A to D
    scoring::RankOptions ranking;
    std::optional<PhoneCorner> phone; // the score sheet's corner while the venue serves
};

// Whether a page of the table is landscape: all but the タテ形 member and result tables.
bool landscapeOf(Table table, const TableOptions &options);

struct MeetingPage {
    Table table = Table::Member;
    TableOptions options;
    std::variant<ScoreSheetInput, GridInput, ResultTableInput, MemberTableInput> input;

    bool landscape() const { return landscapeOf(table, options); }
};

// The page the request names, of the meeting with its scores (the window's records and the
// slot texts of its placed players, or scoresOf the meeting as read); the ranking's message
// when a record cannot be ranked.
std::variant<MeetingPage, QString> pageOf(const datafile::Meeting &meeting, const MeetingScores &scores,
                                          const PageRequest &request);

// What the layouts report of the page drawn.
struct DrawnPage {
    ScoreSheetResult sheet;
    GridResult grid;
};

// Draws the page at scale s, the screen's or a printer's; on paper the texts keep the sizes
// and places they have in the screen's picture of the table.
DrawnPage drawPage(Canvas &canvas, sheet::Scale s, const MeetingPage &page);

// The name of a print job, and the title of a PDF, of the table asked for: the tournament,
// the table and, for a table of one group, the group; one page of a score sheet adds its
// party ("春季大会 スコア表 A 3組"). Every page of a table (`everyPage`) names its group only
// when one group was asked for.
QString documentNameOf(const PageRequest &request, bool everyPage);

// The scale of a table's picture on the screen, which its printed page reproduces.
sheet::Scale screenScaleOf(Table table, bool landscape);

} // namespace tables
