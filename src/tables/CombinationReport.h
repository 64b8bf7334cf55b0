#pragma once
// 組み合わせの確認: the stored combination as a report the organiser reads before printing —
// per group and party the players, the leaders, the men and women and the team-mates
// sharing a party, with the totals of each group. The same lines are shown in a window and
// printed on portrait pages.

#include "grouping/CombinationCheck.h"
#include "tables/SheetUnits.h"

#include <QList>
#include <QStringList>
#include <array>

class Canvas;

namespace tables {

struct ReportLine {
    enum Kind { GroupTotals, Party, Player, Mates, Blank };
    Kind kind = Blank;
    QStringList cells; // a player: slot, leader mark, name, team; otherwise one text
    // The line as plain text, columns padded by their width in bytes.
    QString text() const;
};

// groupNames: the display names of groups A to D.
QList<ReportLine> combinationReport(const QList<grouping::GroupCheck> &groups,
                                    const std::array<QString, 4> &groupNames);

// The report's pages on portrait paper (at least one), each at most ReportLinesPerPage
// lines: a party's lines (its heading, its players, its team-mates) stay on one page, and a
// group's totals stay with its first party; a blank line does not begin a page.
inline constexpr int ReportLinesPerPage = 46;
struct ReportPage {
    int first = 0; // lines first .. end − 1
    int end = 0;
};
QList<ReportPage> reportPages(const QList<ReportLine> &lines);
int reportPageCount(const QList<ReportLine> &lines);
// Page n (from 1) of the report, at the portrait table's size in units.
void drawCombinationReport(Canvas &canvas, sheet::Scale s, const QList<ReportLine> &lines, int page);

} // namespace tables
