#include "venue/FileDesk.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "datafile/ScoreLines.h"

using namespace Qt::StringLiterals;

namespace venue {

FileDesk::FileDesk(const QString &path, datafile::Meeting meeting, int holes, std::array<QString, Groups> groupNames)
    : m_path(path)
    , m_meeting(std::move(meeting))
    , m_holes(holes)
    , m_groupNames(std::move(groupNames))
{
}

std::variant<datafile::Meeting, QString> FileDesk::read(const QString &path)
{
    const datafile::FileBytes file = datafile::readFileBytes(path, true);
    if (file.failure != datafile::FileBytes::Failure::None) return u"%1 を読めません（%2）"_s.arg(path, file.reason);
    datafile::ReadResult read = datafile::read(file.bytes);
    if (const auto *error = std::get_if<datafile::ReadError>(&read)) return error->message();
    datafile::Meeting meeting = std::get<datafile::Meeting>(std::move(read));
    if (!tables::scoresOf(meeting)) return u"%1 の得点の行が壊れています"_s.arg(path);
    return meeting;
}

Snapshot FileDesk::snapshot()
{
    Snapshot s;
    s.meeting = m_meeting;
    s.meeting.tournamentName = datafile::tournamentNameOf(m_meeting, m_path);
    s.holes = m_holes;
    s.groupNames = m_groupNames;
    return s;
}

std::optional<QString> FileDesk::storeParty(int g, int k, const std::array<ScoreSlot, Slots> &records, const QString &)
{
    std::optional<tables::MeetingScores> scores = tables::scoresOf(m_meeting);
    if (!scores) return u"得点の行が壊れています"_s;
    for (int s = 0; s < Slots; ++s) scores->records[g][k][s] = records[s];
    m_meeting.scoreLines = datafile::buildScoreLines(scores->records, scores->slotTexts);
    return std::nullopt;
}

std::optional<QString> FileDesk::settle()
{
    const datafile::WriteResult bytes = datafile::write(m_meeting);
    if (!bytes.error.isEmpty()) return bytes.error;
    datafile::WholeFile file(m_path, true);
    if (!file.open() || !file.write(bytes.bytes) || !file.commit()) return file.reason();
    return std::nullopt;
}

} // namespace venue
