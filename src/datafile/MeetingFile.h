#pragma once
// The meeting's data file: code page 932, every line ended by CR LF. Reading is a pure
// function from the file's bytes to a meeting or an error that names the line and what
// is wrong; writing is its inverse.
//
//   楓鈴                  the tag
//   roster lines          0 to 300
//   $,KumiA … $,KumiD     each followed by the stored parties of its group
//   $,GroupA … $,DroupD   each followed by the group's member lines
//   $,TenA … $,TenD       each followed by the group's score lines
//   $,Hyou
//   100 or 0              how the combination was made
//   tournament name
//   グラウンドゴルフ
//   course name

#include "datafile/Meeting.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace datafile {

inline const QString Tag = QStringLiteral("楓鈴");
inline const QString FixedLine = QStringLiteral("グラウンドゴルフ");
// The section markers in file order; group D's member lines follow "$,DroupD".
QStringList markers();

struct ReadError {
    enum class Kind {
        NotMeetingFile, // the first line does not begin with the tag
        TooManyMembers, // more than 300 roster lines
        Damaged,        // a line that cannot be what its place in the file says
        TooLarge,       // more bytes or lines than any meeting has (what says which)
    };
    Kind kind = Kind::Damaged;
    int line = 0; // 1-based line of the file (0 when no single line is at fault)
    QString what; // what is wrong, in Japanese
    // The whole message for the user.
    QString message() const;
    // The refusal of a file of more than MaxFileBytes.
    static ReadError tooManyBytes();
};

using ReadResult = std::variant<Meeting, ReadError>;

// Lines end at CR LF, a lone CR or a lone LF; a last line without an end still counts.
QList<QByteArray> splitLines(const QByteArray &bytes);

// The meeting of a file's bytes, or why it cannot be one. A ^Z (the end-of-file mark of old
// editors) at the end, and empty or blank lines after the course name, are let pass.
ReadResult read(const QByteArray &bytes);

struct WriteResult {
    QByteArray bytes;
    QString error; // empty on success; otherwise names the line and the character
};

WriteResult write(const Meeting &meeting);

// The tournament name an opened file gives: its name without the folder, cut before
// the first "." (empty when the name has no dot).
QString tournamentNameOf(const QString &path);
// The tournament name of an opened meeting: the name stored in the file, or the file's
// name as above when none is stored.
QString tournamentNameOf(const Meeting &meeting, const QString &path);

} // namespace datafile
