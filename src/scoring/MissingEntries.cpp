#include "scoring/MissingEntries.h"

using namespace Qt::StringLiterals;

namespace scoring {

bool hasEntry(const ScoreSlot &record) { return !record.Entries.isEmpty() && record.Entries != u"0"_s; }

QList<MissingEntry> missingEntries(const std::array<std::array<ScoreSlot, SlotsMax>, PartiesMax> &group,
                                   const std::array<QList<PlacedPlayer>, PartiesMax> &parties)
{
    QList<MissingEntry> missing;
    for (int k = 0; k < PartiesMax; ++k) {
        const QList<PlacedPlayer> &players = parties[k];
        for (int slot = 0; slot < players.size() && slot < SlotsMax; ++slot)
            if (!hasEntry(group[k][slot]))
                missing << MissingEntry{k + 1, slot + 1, players.at(slot).name, players.at(slot).team};
    }
    return missing;
}

QString missingEntryText(const MissingEntry &entry)
{
    QString text = u"%1組%2番　%3"_s.arg(entry.party).arg(entry.slot).arg(entry.name);
    if (!entry.team.isEmpty()) text += u"（"_s + entry.team + u"）"_s;
    return text;
}

} // namespace scoring
