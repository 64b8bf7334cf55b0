#pragma once
// Reading the number fields of a division (グループ数, 一グループの組数).

#include <QString>
#include <optional>

namespace grouping {

// The value of a text made only of decimal digits, half- or full-width ("12", "１２");
// nothing for an empty text, any other character, or more than nine digits.
std::optional<int> wholeNumber(const QString &text);

} // namespace grouping
