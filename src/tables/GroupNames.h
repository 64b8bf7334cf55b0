#pragma once
// The names of groups A to D, kept in the user's settings by the window (オプション ›
// グループ名変更) and read from there by the window and by kmtx-export: organisation "Tobra",
// application "Kmtx", section "Kmtx", the values "GrpA" to "GrpD" (on Windows the registry
// key HKEY_CURRENT_USER\Software\Tobra\Kmtx\Kmtx).

#include <QString>
#include <array>
#include <optional>

namespace tables::groupnames {

inline constexpr int Count = 4;

QString organisation(); // "Tobra"
QString application();  // "Kmtx"
QString section();      // "Kmtx"
QString key(int g);     // "GrpA" … "GrpD" for g = 0 … 3

// The names as the window shows them: a value that is missing reads as the group's letter.
// Reading never creates the settings (on Windows the registry key) when there are none.
std::array<QString, Count> readFromSettings();

// From now on this process keeps its settings (the group names, the recent files) in an INI
// file under `folder` rather than in the user's own (the registry on Windows): for sessions
// driven by a script and for tests. The settings objects made after the call use it.
void keepSettingsIn(const QString &folder);

// The names given as "NAME,NAME,NAME,NAME" (an empty name stays empty, as in the window),
// or nothing when the text is not four names a group may have: at most 10 bytes each in
// code page 932.
std::optional<std::array<QString, Count>> parseList(const QString &text);

} // namespace tables::groupnames
