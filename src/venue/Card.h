#pragma once
// A party's card from a phone: read from what the phone sent, checked row by row exactly as
// an entry typed in the window is, and added to the party's records all or nothing. A card
// for a round already sent replaces that round's card; a card sent again changes nothing.

#include "scoring/ScoreSlots.h"
#include "tables/MeetingTables.h"
#include "venue/Book.h"

#include <QByteArray>
#include <QJsonObject>
#include <variant>

namespace venue {

// What the server answers: an HTTP status and a JSON body.
struct Reply {
    int status = 200;
    QJsonObject body;
};
Reply refusal(int status, const QString &error, int slot = 0);

struct CardRequest {
    QString code;
    RoundCard card;
    bool versionGiven = false;
};
// The card a request body holds, or the 400 reply that says what is wrong with it.
std::variant<CardRequest, Reply> parseCard(const QByteArray &body);

// A party as it stands: its players in slot order and the records of its eight places.
struct PartyState {
    QList<tables::Player> players;
    std::array<ScoreSlot, Slots> records;
};

// A short text that changes whenever the party's players change.
QString partyVersion(const QList<tables::Player> &players);

struct CardResult {
    Reply reply;
    bool store = false;                   // the records and the book below are to be kept
    std::array<ScoreSlot, Slots> records; // the party's records with the card
    PartyBook book;                       // the party's book with the card
};

// The card checked against the party and added; `holes` is the number of holes of a round.
CardResult applyCard(const PartyState &party, const PartyBook &book, const CardRequest &request, int holes);

} // namespace venue
