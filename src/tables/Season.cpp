#include "tables/Season.h"

#include "tables/MeetingTables.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tables::season {

QString Result::text() const
{
    switch (kind) {
    case Ranked: return u"%1位 %2"_s.arg(rank).arg(total);
    case Unentered: return u"未入力"_s;
    case Absent: break;
    }
    return QString();
}

QString Row::average() const
{
    if (played == 0) return QString();
    // Tenths rounded half up, in whole numbers so that no binary fraction decides.
    const qint64 tenths = (20 * qint64(strokes) + played) / (2 * qint64(played));
    return u"%1.%2"_s.arg(tenths / 10).arg(tenths % 10);
}

QStringList columnTitles(const QList<Meeting> &meetings)
{
    QStringList stored;
    for (const Meeting &m : meetings) stored << m.title;
    QStringList titles = stored;
    for (qsizetype i = 0; i < meetings.size(); ++i)
        if (stored.count(meetings.at(i).title) > 1)
            titles[i] =
                meetings.at(i).title + u"（"_s + QFileInfo(meetings.at(i).path).completeBaseName() + u"）"_s;
    return titles;
}

namespace {

// Better first: more meetings played, then the lower average, then more one-stroke holes.
// Negative when a stands before b, 0 when they share a place.
int compareStanding(const Row &a, const Row &b)
{
    if (a.played != b.played) return a.played > b.played ? -1 : 1;
    // Averages compared exactly: strokes_a / played_a against strokes_b / played_b.
    const qint64 left = qint64(a.strokes) * b.played;
    const qint64 right = qint64(b.strokes) * a.played;
    if (left != right) return left < right ? -1 : 1;
    if (a.holeInOnes != b.holeInOnes) return a.holeInOnes > b.holeInOnes ? -1 : 1;
    return 0;
}

int figure(const QString &text) { return text.toInt(); }

} // namespace

Table build(const QList<Meeting> &meetings)
{
    Table table;
    table.titles = columnTitles(meetings);
    QHash<QString, qsizetype> rowOf; // name and team → row
    const auto rowFor = [&](const QString &name, const QString &team) -> Row & {
        const QString key = name + u'\n' + team;
        auto it = rowOf.find(key);
        if (it == rowOf.end()) {
            Row row;
            row.name = name;
            row.team = team;
            row.results.resize(meetings.size());
            table.rows << row;
            it = rowOf.insert(key, table.rows.size() - 1);
        }
        return table.rows[*it];
    };

    for (qsizetype m = 0; m < meetings.size(); ++m) {
        const scoring::Ranking &ranking = meetings.at(m).ranking;
        if (ranking.RankList.isEmpty()) continue; // nobody played
        const QStringList records = ranking.rows();
        const QList<scoring::Place> places = ranking.places();
        for (qsizetype k = 0; k < records.size(); ++k) {
            const scoring::RankedPlayer p = scoring::splitRecord(records.at(k));
            if (p.name.isEmpty() && p.team.isEmpty()) continue;
            Result &result = rowFor(p.name, p.team).results[m];
            // Two places of one meeting under the same name and team: the better one counts.
            if (result.kind != Result::Absent) continue;
            result.place = places.value(k);
            if (!p.ranked()) {
                result.kind = Result::Unentered;
                continue;
            }
            result.kind = Result::Ranked;
            result.rank = static_cast<int>(k) + 1;
            result.total = figure(p.total);
            result.oneStrokes = figure(p.oneStrokes);
        }
    }

    for (Row &row : table.rows) {
        for (const Result &r : row.results) {
            if (r.kind != Result::Ranked) continue;
            ++row.played;
            row.strokes += r.total;
            row.holeInOnes += r.oneStrokes;
        }
    }
    std::stable_sort(table.rows.begin(), table.rows.end(), [](const Row &a, const Row &b) {
        if (const int c = compareStanding(a, b)) return c < 0;
        if (const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive)) return c < 0;
        return QString::compare(a.team, b.team, Qt::CaseInsensitive) < 0;
    });
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        Row &row = table.rows[i];
        if (row.played == 0) continue;
        row.place = i > 0 && compareStanding(table.rows.at(i - 1), row) == 0 ? table.rows.at(i - 1).place
                                                                             : static_cast<int>(i) + 1;
    }
    return table;
}

namespace {

QList<QStringList> rowsOf(const Table &table, bool withPlaces)
{
    QStringList heading{u"順位"_s, u"氏名"_s, u"チーム"_s};
    for (const QString &title : table.titles) {
        if (withPlaces)
            heading << title + u" 順位"_s << title + u" 打数"_s << title + u" グループ"_s << title + u" 組"_s;
        else
            heading << title;
    }
    heading << u"出場回数"_s << u"合計打数"_s << u"平均打数"_s << u"ホールインワン計"_s;
    QList<QStringList> rows{heading};
    for (const Row &row : table.rows) {
        QStringList cells{row.place > 0 ? QString::number(row.place) : QString(), row.name, row.team};
        for (const Result &r : row.results) {
            if (!withPlaces) {
                cells << r.text();
                continue;
            }
            // Numbers only, so that a spreadsheet sorts and sums them; a place without an
            // entry shows as a group and party without rank and strokes.
            const bool ranked = r.kind == Result::Ranked;
            cells << (ranked ? QString::number(r.rank) : QString())
                  << (ranked ? QString::number(r.total) : QString());
            if (r.kind == Result::Absent)
                cells << QString() << QString();
            else
                cells << grouping::groupLetter(r.place.group) << QString::number(r.place.party + 1);
        }
        cells << QString::number(row.played) << QString::number(row.strokes) << row.average()
              << QString::number(row.holeInOnes);
        rows << cells;
    }
    return rows;
}

} // namespace

QList<QStringList> shownRows(const Table &table) { return rowsOf(table, false); }

QList<QStringList> csvRows(const Table &table) { return rowsOf(table, true); }

QString documentName() { return tables::documentName({u"年間成績表"_s}); }

} // namespace tables::season
