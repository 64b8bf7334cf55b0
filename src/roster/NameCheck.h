#pragma once
// The characters a 氏名 or チーム名 may not hold: the roster line has no quoting, so a
// comma, a half-width blank or a control character would move the field boundaries when
// the line is split again; a leading double quote would start a quoted field; a leading
// "$" would look like a section line of the data file; and the data file is written in
// code page 932, which must be able to hold every character.

#include <QString>
#include <optional>

namespace roster {

// The first character of text that may not be stored (a surrogate pair kept whole),
// or an empty optional when the text can be stored as typed.
std::optional<QString> forbiddenCharacter(const QString &text);

// The refusal shown for a forbidden character found in the field called fieldName
// ("氏名", "チーム名"), naming the character so the user can find it.
QString forbiddenCharacterMessage(const QString &fieldName, const QString &character);

} // namespace roster
