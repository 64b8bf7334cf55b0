#include "venue/FileDesk.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "datafile/ScoreLines.h"

using namespace Qt::StringLiterals;

namespace venue {

FileDesk::FileDesk(const QString &path, datafile::Meeting meeting, int holes,
                   std::array<QString, Groups> groupNames)
    : m_path(path), m_meeting(std::move(meeting)), m_holes(holes), m_groupNames(std::move(groupNames))
{
    m_scores = tables::scoresOf(m_meeting).value_or(tables::MeetingScores{});
    for (int g = 0; g < Groups; ++g) m_parties[g] = tables::partiesOfGroup(m_meeting, g);
}

PartyState FileDesk::partyState(int g, int k)
{
    PartyState p;
    p.players = m_parties[g][k].mid(0, Slots);
    for (int s = 0; s < Slots; ++s) p.records[s] = m_scores.records[g][k][s];
    return p;
}

std::variant<datafile::Meeting, QString> FileDesk::read(const QString &path)
{
    const datafile::FileBytes file = datafile::readFileBytes(path, true);
    if (file.failure != datafile::FileBytes::Failure::None)
        return u"%1 を読めません（%2）"_s.arg(path, file.reason);
    datafile::ReadResult read = datafile::read(file.bytes);
    if (const auto *error = std::get_if<datafile::ReadError>(&read)) return error->message();
    datafile::Meeting meeting = std::get<datafile::Meeting>(std::move(read));
    if (!tables::scoresOf(meeting)) return u"%1 の得点の行が壊れています"_s.arg(path);
    return meeting;
}

Snapshot FileDesk::snapshot()
{
    if (std::exchange(m_changed, false))
        m_meeting.scoreLines = datafile::buildScoreLines(m_scores.records, m_scores.slotTexts);
    Snapshot s;
    s.meeting = m_meeting;
    s.meeting.tournamentName = datafile::tournamentNameOf(m_meeting, m_path);
    s.holes = m_holes;
    s.groupNames = m_groupNames;
    return s;
}

std::optional<QString> FileDesk::storeParty(int g, int k, const std::array<ScoreSlot, Slots> &records,
                                            const QString &)
{
    for (int s = 0; s < Slots; ++s) m_scores.records[g][k][s] = records[s];
    m_changed = true;
    return std::nullopt;
}

std::optional<FileToWrite> FileDesk::fileToSave(QString *failure)
{
    (void)failure; // a text the file cannot hold is found as it is written
    snapshot();
    return FileToWrite{m_path, {}, m_meeting};
}

} // namespace venue
