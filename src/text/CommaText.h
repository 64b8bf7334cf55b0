#pragma once
// The comma-text rule every reader of roster and party lines uses.
//
// Fields are separated by commas. Characters at or below the ASCII space before a
// field are skipped; an unquoted field ends at the first comma or the first character
// at or below the ASCII space; a field that begins with a double quote is read as a
// quoted string ("" inside stands for one quote); a comma that is the very last
// character of the line yields one further empty field (one followed by blanks does
// not). Everything above U+0020 (a full-width space too) is ordinary field content.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

namespace text::commatext {

QStringList split(const QString &line);

// The fields of a line as views: into the line itself where a field stands there as it is,
// so that a line can be looked at without copying its fields. Lives no longer than the line.
class Fields
{
public:
    explicit Fields(const QString &line);
    qsizetype size() const { return m_views.size(); }
    QStringView at(qsizetype i) const { return m_views.at(i); }

private:
    QStringList m_built; // the quoted fields, unquoted
    QVarLengthArray<QStringView, 64> m_views;
};

// Fields joined by "," with no quoting (the program's own line shape).
QString join(const QStringList &fields);

} // namespace text::commatext
