#pragma once
// A meeting file as the owner of the venue's meeting, for kmtx-venue: the cards go into the
// meeting read from the file, which is written again, whole, after the cards that arrive
// together.

#include "venue/Desk.h"

namespace venue {

class FileDesk : public Desk
{
public:
    FileDesk(const QString &path, datafile::Meeting meeting, int holes,
             std::array<QString, Groups> groupNames);

    Snapshot snapshot() override;
    QString meetingFile() override { return m_path; }
    std::optional<QString> storeParty(int g, int k, const std::array<ScoreSlot, Slots> &records,
                                      const QString &label) override;
    PartyState partyState(int g, int k) override;
    std::optional<FileToWrite> fileToSave(QString *failure) override;

    // The meeting file read, or why it cannot be served.
    static std::variant<datafile::Meeting, QString> read(const QString &path);

private:
    QString m_path;
    datafile::Meeting m_meeting;    // its score lines as last written
    tables::MeetingScores m_scores; // the records as they stand, read once
    std::array<tables::PartyPlayers, Groups> m_parties;
    bool m_changed = false;
    int m_holes;
    std::array<QString, Groups> m_groupNames;
};

} // namespace venue
