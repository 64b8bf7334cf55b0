#pragma once
// Finding members by part of a name or team, as the search field by the member list does:
// hiragana and katakana, full-width and half-width forms, upper and lower case and blanks
// do not matter.

#include "roster/Member.h"

#include <QString>

namespace roster {

// The form of a text that two spellings of the same words share.
QString searchKey(const QString &text);

// Whether the member's name or team holds the key (a searchKey, not empty).
bool matchesSearch(const Member &member, const QString &key);

} // namespace roster
