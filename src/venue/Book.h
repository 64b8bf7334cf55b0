#pragma once
// What the venue keeps beside a meeting's file: each filled party's code, and the round
// cards its leader sent from a phone (so that a corrected card can take back the one it
// replaces, and a card sent twice is recorded once, also after a restart).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace venue {

inline constexpr int Groups = 4;
inline constexpr int Parties = 12;
inline constexpr int Slots = 8;
inline constexpr int MaxRound = 9;

// One player's figures on a card: slot 1..8 of the party.
struct CardRow {
    int slot = 0;
    int one = 0;   // one-stroke holes
    int two = 0;   // two-stroke holes
    int total = 0; // strokes
    friend bool operator==(const CardRow &, const CardRow &) = default;
};

// A party's result of one round as a phone sent it.
struct RoundCard {
    QString id;      // the sender's id of the card
    int round = 0;   // 1..9
    QString version; // the party as it stood (partyVersion)
    QList<CardRow> rows;
    friend bool operator==(const RoundCard &, const RoundCard &) = default;
};

struct PartyBook {
    QString code;           // four digits; empty for a party never filled while the venue ran
    QList<RoundCard> cards; // the round cards in effect, one per round
    QStringList ids;        // every card id recorded for this party
    const RoundCard *cardOf(int round) const;
    friend bool operator==(const PartyBook &, const PartyBook &) = default;
};

class Book
{
public:
    PartyBook &party(int g, int k) { return m_parties[g][k]; }
    const PartyBook &party(int g, int k) const { return m_parties[g][k]; }

    // Gives a code to every filled party that has none (filled(g, k), g 0..3, k 0..11);
    // random4 returns 0..9999. True when a code was given.
    bool giveCodes(const std::function<bool(int, int)> &filled, const std::function<int()> &random4);

    QByteArray toJson() const;
    // The book a file holds; nothing, with the reason, when it is not one.
    static std::optional<Book> fromJson(const QByteArray &bytes, QString *why);
    friend bool operator==(const Book &, const Book &) = default;

private:
    std::array<std::array<PartyBook, Parties>, Groups> m_parties;
};

// Where the book of a meeting file is kept: beside it, "NAME.venue.json".
QString bookPath(const QString &meetingFile);

} // namespace venue
