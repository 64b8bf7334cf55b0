#pragma once
// 年間成績 from disk: each meeting of a season read from its data file (as 開く reads it) and
// ranked, ready for the season's table (tables/Season.h); a file that cannot be read or
// ranked is left out, with the reason.

#include "tables/Season.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

namespace seasonfiles {

// A file left out of the season, and why.
struct Refused {
    QString path;
    QString reason;
};

struct Loaded {
    QList<tables::season::Meeting> meetings; // in the order load() gives them
    QList<Refused> refused;                  // in the order given
};

// Reads one meeting file (as 開く reads it) and ranks its players; the reason when the file
// cannot be read or ranked.
std::variant<tables::season::Meeting, Refused> loadMeeting(const QString &path);
// Reads the files; the meetings come back in the order given, or with byDate ordered by
// modification time (files of equal time in the order given).
Loaded load(const QStringList &paths, bool byDate = true);
// The box naming the files left out.
QString refusedText(const QList<Refused> &refused);

} // namespace seasonfiles
