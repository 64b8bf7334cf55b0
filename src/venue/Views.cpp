#include "venue/Views.h"

#include "grouping/KumiLine.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace venue {

namespace {
int number(const QString &text) { return text.toInt(); }
} // namespace

View::View(Snapshot snapshot) : m_snapshot(std::move(snapshot))
{
    const datafile::Meeting &m = m_snapshot.meeting;
    for (int g = 0; g < Groups; ++g) m_parties[g] = tables::partiesOfGroup(m, g);
    const std::optional<tables::MeetingScores> scores = tables::scoresOf(m);
    if (scores) m_records = scores->records;

    QJsonArray groups;
    for (int g = 0; g < Groups; ++g) {
        int parties = 0;
        for (int k = 0; k < Parties; ++k)
            if (filled(g, k)) parties = k + 1;
        groups.append(QJsonObject{{u"group"_s, grouping::groupLetter(g)},
                                  {u"name"_s, m_snapshot.groupNames[g]},
                                  {u"parties"_s, parties}});
    }
    m_meetingJson = QJsonDocument(QJsonObject{{u"tournament"_s, m.tournamentName},
                                              {u"course"_s, m.courseName},
                                              {u"groups"_s, groups}})
                        .toJson(QJsonDocument::Compact);

    QJsonArray rows;
    if (scores) {
        const scoring::Ranking ranking =
            scoring::rankPlayers(scores->records, scores->slotTexts, m_snapshot.options);
        const QStringList records = ranking.rows();
        const QList<scoring::Place> places = ranking.places();
        for (qsizetype k = 0; k < records.size() && !ranking.error; ++k) {
            const scoring::RankedPlayer p = scoring::splitRecord(records.at(k));
            const scoring::Place at = places.value(k);
            QJsonObject row{{u"name"_s, p.name},
                            {u"team"_s, p.team},
                            {u"group"_s, grouping::groupLetter(at.group)},
                            {u"party"_s, at.party + 1},
                            {u"one"_s, number(p.oneStrokes)},
                            {u"two"_s, number(p.twoStrokes)},
                            {u"total"_s, number(p.total)}};
            const QString rank = scoring::rankText(p, k);
            if (p.ranked())
                row.insert(u"rank"_s, rank.toInt());
            else
                row.insert(u"rank"_s, u"未入力"_s);
            rows.append(row);
        }
    }
    m_resultsJson = QJsonDocument(QJsonObject{{u"tournament"_s, m.tournamentName}, {u"rows"_s, rows}})
                        .toJson(QJsonDocument::Compact);
}

bool View::filled(int g, int k) const
{
    return g >= 0 && g < Groups && k >= 0 && k < Parties && !m_parties[g][k].isEmpty();
}

PartyState View::party(int g, int k) const
{
    PartyState p;
    p.players = m_parties[g][k].mid(0, Slots);
    for (int s = 0; s < Slots; ++s) p.records[s] = m_records[g][k][s];
    return p;
}

std::array<std::array<bool, Slots>, Parties> View::phonePlaces(int g) const
{
    std::array<std::array<bool, Slots>, Parties> places{};
    for (int k = 0; k < Parties; ++k) {
        const QString version = partyVersion(m_parties[g][k].mid(0, Slots));
        for (const RoundCard &c : m_snapshot.book.party(g, k).cards) {
            if (c.version != version) continue;
            for (const CardRow &r : c.rows)
                if (number(m_records[g][k][r.slot - 1].Entries) > 0) places[k][r.slot - 1] = true;
        }
    }
    return places;
}

QJsonObject View::partyJson(int g, int k) const
{
    const PartyState state = party(g, k);
    const std::array<std::array<bool, Slots>, Parties> phones = phonePlaces(g);
    QJsonArray players;
    for (qsizetype s = 0; s < state.players.size(); ++s) {
        const ScoreSlot &r = state.records[s];
        players.append(QJsonObject{{u"slot"_s, int(s + 1)},
                                   {u"name"_s, state.players.at(s).name},
                                   {u"team"_s, state.players.at(s).team},
                                   {u"entries"_s, number(r.Entries)},
                                   {u"one"_s, number(r.OneStrokes)},
                                   {u"two"_s, number(r.TwoStrokes)},
                                   {u"total"_s, number(r.Total)},
                                   {u"phone"_s, phones[k][s]}});
    }
    const QString version = partyVersion(state.players);
    QList<int> sent;
    for (const RoundCard &c : m_snapshot.book.party(g, k).cards)
        if (c.version == version) sent << c.round;
    std::sort(sent.begin(), sent.end());
    QJsonArray rounds;
    for (int r : sent) rounds.append(r);
    return {{u"group"_s, grouping::groupLetter(g)},
            {u"party"_s, k + 1},
            {u"version"_s, version},
            {u"rounds"_s, rounds},
            {u"players"_s, players}};
}

} // namespace venue
