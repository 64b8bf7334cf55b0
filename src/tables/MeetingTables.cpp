#include "tables/MeetingTables.h"

#include "datafile/ScoreLines.h"
#include "grouping/KumiLine.h"
#include "roster/Member.h"
#include "text/CommaText.h"

using namespace Qt::StringLiterals;
namespace kumiline = grouping::kumiline;

namespace tables {

Player playerAt(const QStringList &numbering, const QString &item)
{
    bool ok = false;
    const int index = item.toInt(&ok);
    if (!ok || index < 0 || index >= numbering.size()) return Player{};
    // Name and team are the line's first two fields, split by the roster's own rule.
    const text::commatext::Fields fields(numbering.at(index));
    return Player{fields.size() > 0 ? fields.at(0).toString() : QString(),
                  fields.size() > 1 ? fields.at(1).toString() : QString()};
}

PartyPlayers partiesOf(const QStringList &kumiLines, const QStringList &numbering)
{
    PartyPlayers parties;
    const kumiline::PartyLists lists = kumiline::load(kumiLines);
    for (int k = 0; k < kumiline::Parties; ++k)
        for (const QString &item : lists[k]) parties[k] << playerAt(numbering, item);
    return parties;
}

PartyPlayers partiesOfGroup(const datafile::Meeting &meeting, int g)
{
    if (g < 0 || g >= datafile::Groups) return {};
    return partiesOf(meeting.kumiLines[g], meeting.partyNumbering(g));
}

void writeSlotTexts(SlotTextArray &texts, int g, const PartyPlayers &parties)
{
    if (g < 0 || g >= GroupsMax) return;
    for (int k = 0; k < PartiesMax; ++k) {
        const int filled = std::min<int>(static_cast<int>(parties[k].size()), SlotsMax);
        for (int s = 0; s < filled; ++s) texts[g][k][s] = parties[k][s].name + u',' + parties[k][s].team;
    }
}

bool hasPlayers(const PartyPlayers &parties)
{
    return std::any_of(parties.cbegin(), parties.cend(), [](const QList<Player> &p) { return !p.isEmpty(); });
}

std::optional<MeetingScores> scoresOf(const datafile::Meeting &meeting)
{
    MeetingScores scores;
    for (int g = 0; g < GroupsMax; ++g) scoring::clearGroup(scores.records, g);
    if (datafile::applyScoreLines(meeting.scoreLines, scores.records, scores.slotTexts)) return std::nullopt;
    for (int g = 0; g < GroupsMax; ++g) writeSlotTexts(scores.slotTexts, g, partiesOfGroup(meeting, g));
    return scores;
}

namespace {
// A cell a spreadsheet would take for a formula (= + - @, or a tab or CR before one) is
// written as text: quoted, after an apostrophe, which the spreadsheet does not show.
bool looksLikeFormula(const QString &field)
{
    static const QString starts = u"=+-@\t\r"_s;
    return !field.isEmpty() && starts.contains(field.at(0));
}

QString csvField(const QString &field)
{
    const bool formula = looksLikeFormula(field);
    if (!formula && !field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') &&
        !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + (formula ? u"'"_s : QString()) + quoted + u'"';
}
} // namespace

QByteArray csvDocument(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString &f : row) fields << csvField(f);
        text += fields.join(u',') + u"\r\n"_s;
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QList<QStringList> memberRows(const QStringList &rosterLines)
{
    QList<QStringList> rows{{u"番号"_s, u"氏名"_s, u"チーム"_s}};
    for (qsizetype i = 0; i < rosterLines.size(); ++i) {
        Member m = Member::startValue();
        roster::splitInto(rosterLines.at(i), m);
        rows << QStringList{QString::number(i + 1), m.Name, m.Team};
    }
    return rows;
}

QList<QStringList> combinationRows(const QList<GroupParties> &groups)
{
    QList<QStringList> rows{{u"グループ"_s, u"組"_s, u"番"_s, u"氏名"_s, u"チーム"_s}};
    for (const GroupParties &g : groups)
        for (int k = 0; k < 12; ++k)
            for (qsizetype s = 0; s < g.parties[k].size(); ++s)
                rows << QStringList{g.letter, QString::number(k + 1), QString::number(s + 1),
                                    g.parties[k].at(s).name, g.parties[k].at(s).team};
    return rows;
}

QList<QStringList> resultRows(const scoring::Ranking &ranking)
{
    QList<QStringList> rows{
        {u"順位"_s, u"氏名"_s, u"チーム"_s, u"一打"_s, u"二打"_s, u"合計"_s, u"グループ"_s, u"組"_s}};
    const QStringList records = ranking.rows();
    const QList<scoring::Place> places = ranking.places();
    for (qsizetype k = 0; k < records.size(); ++k) {
        const scoring::RankedPlayer p = scoring::splitRecord(records.at(k));
        const scoring::Place at = places.value(k);
        QStringList row{scoring::rankText(p, k), p.name, p.team, p.oneStrokes, p.twoStrokes, p.total};
        rows << (row << grouping::groupLetter(at.group) << QString::number(at.party + 1));
    }
    return rows;
}

QList<QStringList> scoreEntryRows(const QList<GroupParties> &groups, const ScoreSlotArray &records)
{
    QList<QStringList> rows{{u"グループ"_s, u"組"_s, u"番"_s, u"氏名"_s, u"チーム"_s, u"確定"_s, u"一打"_s,
                             u"二打"_s, u"合計"_s}};
    static const QString letters = u"ABCD"_s;
    for (const GroupParties &g : groups) {
        const qsizetype gi = letters.indexOf(g.letter);
        for (int k = 0; k < 12; ++k) {
            for (qsizetype s = 0; s < g.parties[k].size(); ++s) {
                QStringList row{g.letter, QString::number(k + 1), QString::number(s + 1),
                                g.parties[k].at(s).name, g.parties[k].at(s).team};
                const ScoreSlot *r = gi >= 0 && s < SlotsMax ? &records[gi][k][s] : nullptr;
                const bool entered = r && !r->Entries.isEmpty() && r->Entries != u"0"_s;
                if (entered)
                    row << r->Entries << r->OneStrokes << r->TwoStrokes << r->Total;
                else
                    row << u"0"_s << QString() << QString() << QString();
                rows << row;
            }
        }
    }
    return rows;
}

QString pdfCreator() { return u"くみっとEX"_s; }

QString documentName(const QStringList &parts)
{
    QStringList shown;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty()) shown << part.trimmed();
    return shown.join(u' ');
}

} // namespace tables
