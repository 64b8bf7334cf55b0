#pragma once
// The meeting as the venue's pages see it: what the server answers to /api/meeting,
// /api/party and /api/results, put together once for each state of the meeting.

#include "datafile/Meeting.h"
#include "scoring/Ranking.h"
#include "venue/Book.h"
#include "venue/Card.h"

#include <QByteArray>
#include <array>
#include <memory>

namespace venue {

// What the owner of the meeting (the window or kmtx-venue) hands the server.
struct Snapshot {
    datafile::Meeting meeting; // with the scores as they stand
    scoring::RankOptions options;
    int holes = 10;                         // holes of one round, for the check of a card
    std::array<QString, Groups> groupNames; // as the window shows them
    Book book;
    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

class View
{
public:
    explicit View(Snapshot snapshot);

    const Snapshot &snapshot() const { return m_snapshot; }
    // Whether party k (0..11) of group g (0..3) has players.
    bool filled(int g, int k) const;
    PartyState party(int g, int k) const;

    QByteArray meetingJson() const { return m_meetingJson; }
    QByteArray resultsJson() const { return m_resultsJson; }
    QJsonObject partyJson(int g, int k) const;
    // Places of a group whose entries came from phones (g 0..3), for the window's marks.
    std::array<std::array<bool, Slots>, Parties> phonePlaces(int g) const;

private:
    Snapshot m_snapshot;
    std::array<tables::PartyPlayers, Groups> m_parties;
    ScoreSlotArray m_records;
    QByteArray m_meetingJson;
    QByteArray m_resultsJson;
};

} // namespace venue
