#pragma once
// 年間成績: the standings of a season of meetings, each saved as its own data file (which
// seasonfiles/SeasonFiles.h reads). Every member met in the files (by name and team exactly
// as stored) gets one row with their rank and total at each meeting, the meetings played,
// the strokes, the average and the one-stroke holes; the rows are ordered and placed by
// meetings played, average and one-stroke holes.

#include "scoring/Ranking.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tables::season {

// One meeting of the season as its file gives it.
struct Meeting {
    QString path;
    QString title;            // the tournament name stored in the file, or the file's name
    QDateTime modified;       // when the file was last written
    scoring::Ranking ranking; // with both counts in the order, as the result table starts
};

// A member's result at one meeting.
struct Result {
    enum Kind { Absent, Unentered, Ranked };
    Kind kind = Absent;
    int rank = 0; // position in the meeting's ranking, from 1
    int total = 0;
    int oneStrokes = 0;
    scoring::Place place; // where the member stood (Unentered and Ranked)
    // "3位 62", "未入力", or empty when the member did not play.
    QString text() const;
};

struct Row {
    QString name;
    QString team;
    QList<Result> results; // one per meeting, in the season's order
    int played = 0;        // meetings with a rank
    int strokes = 0;       // their totals summed
    int holeInOnes = 0;    // their one-stroke holes summed
    int place = 0;         // the row's 順位, shared by equal keys; 0 when nothing was played
    // The average over the meetings played with one decimal ("62.3"), empty when none.
    QString average() const;
};

struct Table {
    QStringList titles; // the meetings' column headings, in the season's order
    QList<Row> rows;    // in standing order
};

// The headings of the meetings: each meeting's title; titles that two meetings share get
// the file's name (without its extension) in brackets, so no two columns read the same.
QStringList columnTitles(const QList<Meeting> &meetings);

// The season's table of the meetings in the order given. A meeting without any ranked
// player counts as one nobody played.
Table build(const QList<Meeting> &meetings);

// The table as shown and printed: 順位, 氏名, チーム, one column per meeting, 出場回数,
// 合計打数, 平均打数, ホールインワン計; the first row holds the headings.
QList<QStringList> shownRows(const Table &table);
// The table as a comma-separated file: as shown, but each meeting in four columns: the
// member's rank and total strokes there as plain numbers ("春季大会 順位", "春季大会 打数",
// empty when the member has no rank), and the group letter and party number of the place.
QList<QStringList> csvRows(const Table &table);

// The name of the season's print job and the title of its PDF.
QString documentName();

} // namespace tables::season
