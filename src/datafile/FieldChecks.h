#pragma once
// Checks of the fields of the data file's lines, shared by the member, party and score
// lines: the program writes every field as it stands, so a field that the comma-text rule
// would read otherwise (a half-width blank, a control character, a leading double quote)
// cannot be what it wrote, nor be written back the same.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

namespace datafile {

// A field as a message quotes it: at most 20 characters (then "…"), a control character
// as "?", so that a damaged field of any length stays readable in a message box.
QString shown(QStringView field);

// The value of a field of decimal digits (no sign, no blank) that lies within low..high.
std::optional<int> decimalIn(QStringView field, int low, int high);

// How a refusal names its field (e.g. "得点の行の3番目の項目「…」"), made only for a refusal:
// every field of a file is checked, and nearly all of them pass.
using FieldName = std::function<QString()>;

// The refusal of a field the comma-text rule would not read as written, or an empty text.
QString splittingFault(QStringView field, const FieldName &fieldName);

// The longest texts the window's fields take, in code page 932 bytes: 氏名, チーム名, 大会名
// and コース.
inline constexpr int NameBytes = 14;
inline constexpr int TeamBytes = 18;
inline constexpr int TournamentBytes = 26;
inline constexpr int CourseBytes = 30;

// The refusal of a field longer than maxBytes, or an empty text.
QString lengthFault(const QString &field, int maxBytes, const FieldName &fieldName);

// The refusal of a member's 氏名 or チーム名 that registration would not take (a character
// it refuses, more than maxBytes), or an empty text. A leading "$" is taken: older files hold
// such names, and a member line is told from a section line by its fields.
QString nameFault(const QString &field, int maxBytes, const FieldName &fieldName);

// The refusal of the line of the 大会名 or the コース that the window's field would not
// hold (a control character, more than maxBytes), or an empty text; label names it.
QString particularFault(const QString &line, int maxBytes, const QString &label);

// The line's fields as its commas part them, without the comma-text rule; at most
// `limit` + 1 of them are split off, so that a line of endless items costs no more than
// the fields that are looked at (the last one then holds the rest of the line).
QStringList plainFields(QStringView line, qsizetype limit);

} // namespace datafile
