#pragma once
// The owner of a meeting, as the venue's server sees it: the window, or kmtx-venue over a
// meeting file. Every call comes on the owner's own thread.

#include "venue/Views.h"

#include <optional>

namespace venue {

class Desk
{
public:
    virtual ~Desk() = default;
    // The meeting as it stands now (the book is the venue's own and left empty).
    virtual Snapshot snapshot() = 0;
    // The meeting's file, beside which the book is kept; empty while it has none.
    virtual QString meetingFile() = 0;
    // Keeps the records of party k (0..11) of group g (0..3), a card's figures added, as a
    // command of the owner ("label" names it); the reason when the owner cannot take it now.
    virtual std::optional<QString> storeParty(int g, int k, const std::array<ScoreSlot, Slots> &records,
                                              const QString &label) = 0;
    // After the cards that arrived together are stored: kmtx-venue saves its file here.
    virtual std::optional<QString> settle() { return std::nullopt; }
};

} // namespace venue
