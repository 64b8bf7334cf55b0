#pragma once
// The names of groups A to D given as one text (kmtx-export's --group-names). The names the
// window keeps are read where its settings are (settings/WindowSettings.h).

#include <QString>
#include <array>
#include <optional>

namespace tables::groupnames {

inline constexpr int Count = 4;

// The names given as "NAME,NAME,NAME,NAME" (an empty name stays empty, as in the window),
// or nothing when the text is not four names a group may have: at most 10 bytes each in
// code page 932.
std::optional<std::array<QString, Count>> parseList(const QString &text);

} // namespace tables::groupnames
