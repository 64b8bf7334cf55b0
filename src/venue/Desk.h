#pragma once
// The owner of a meeting, as the venue's server sees it: the window, or kmtx-venue over a
// meeting file. Every call comes on the owner's own thread.

#include "venue/Views.h"

#include <optional>

namespace venue {

// A file to be written whole, off the owner's thread: the bytes given, or a meeting's.
struct FileToWrite {
    QString path;
    QByteArray bytes;
    std::optional<datafile::Meeting> meeting;
};

class Desk
{
public:
    virtual ~Desk() = default;
    // The meeting as it stands now (the book is the venue's own and left empty).
    virtual Snapshot snapshot() = 0;
    // The players and records of party k (0..11) of group g (0..3) as they stand now.
    virtual PartyState partyState(int g, int k) = 0;
    // Whether the meeting is in the middle of a change, not to be read now.
    virtual bool busy() { return false; }
    // The meeting's file, beside which the book is kept; empty while it has none.
    virtual QString meetingFile() = 0;
    // Keeps the records of party k (0..11) of group g (0..3), a card's figures added, as a
    // command of the owner ("label" names it); the reason when the owner cannot take it now.
    virtual std::optional<QString> storeParty(int g, int k, const std::array<ScoreSlot, Slots> &records,
                                              const QString &label) = 0;
    // What is to be written after cards were stored (kmtx-venue: its meeting file), or the
    // reason it cannot be; nothing when the owner keeps its meeting itself (the window).
    virtual std::optional<FileToWrite> fileToSave(QString *failure)
    {
        (void)failure;
        return std::nullopt;
    }
};

} // namespace venue
