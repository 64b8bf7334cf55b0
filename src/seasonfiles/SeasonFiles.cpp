#include "seasonfiles/SeasonFiles.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "scoring/Ranking.h"
#include "tables/MeetingTables.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace seasonfiles {

namespace season = tables::season;

std::variant<season::Meeting, Refused> loadMeeting(const QString &path)
{
    const datafile::FileBytes file = datafile::readFileBytes(path, true);
    switch (file.failure) {
    case datafile::FileBytes::Failure::None: break;
    case datafile::FileBytes::Failure::Open: return Refused{path, u"開けません（%1）"_s.arg(file.reason)};
    case datafile::FileBytes::Failure::Read: return Refused{path, u"読めません（%1）"_s.arg(file.reason)};
    case datafile::FileBytes::Failure::TooLarge:
        return Refused{path, datafile::ReadError::tooManyBytes().message()};
    }
    const datafile::ReadResult read = datafile::read(file.bytes);
    if (const auto *e = std::get_if<datafile::ReadError>(&read)) return Refused{path, e->message()};
    const datafile::Meeting &stored = std::get<datafile::Meeting>(read);
    const std::optional<tables::MeetingScores> scores = tables::scoresOf(stored);
    if (!scores) return Refused{path, u"得点の行が壊れています"_s};
    season::Meeting meeting;
    meeting.path = path;
    meeting.title = datafile::tournamentNameOf(stored, path);
    meeting.modified = QFileInfo(path).lastModified();
    meeting.ranking = scoring::rankPlayers(scores->records, scores->slotTexts, {});
    if (meeting.ranking.error) return Refused{path, meeting.ranking.error->message()};
    return meeting;
}

Loaded load(const QStringList &paths, bool byDate)
{
    Loaded loaded;
    for (const QString &path : paths) {
        std::variant<season::Meeting, Refused> one = loadMeeting(path);
        if (auto *m = std::get_if<season::Meeting>(&one))
            loaded.meetings << std::move(*m);
        else
            loaded.refused << std::get<Refused>(one);
    }
    if (byDate)
        std::stable_sort(
            loaded.meetings.begin(), loaded.meetings.end(),
            [](const season::Meeting &a, const season::Meeting &b) { return a.modified < b.modified; });
    return loaded;
}

QString refusedText(const QList<Refused> &refused)
{
    QStringList lines{u"次のファイルは読めないため、年間成績から除きました。"_s, QString()};
    for (const Refused &r : refused) lines << QDir::toNativeSeparators(r.path) << u"　"_s + r.reason;
    return lines.join(u'\n');
}

} // namespace seasonfiles
