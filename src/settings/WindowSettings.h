#pragma once
// Where the window keeps its settings, which kmtx-export reads too: organisation "Tobra",
// application "Kmtx", section "Kmtx" (on Windows the registry key
// HKEY_CURRENT_USER\Software\Tobra\Kmtx\Kmtx); the names of groups A to D are the values
// "GrpA" to "GrpD". The model never reads settings: it is given the names.

#ifdef KMTX_MODEL_LIBRARY
#error "The model is given the settings' values; it does not read the settings"
#endif

#include "grouping/Counts.h"

#include <QString>
#include <array>

namespace settings {

QString organisation();      // "Tobra"
QString application();       // "Kmtx"
QString section();           // "Kmtx"
QString groupNameKey(int g); // "GrpA" … "GrpD" for g = 0 … 3

// The group names as the window shows them: a value that is missing reads as the group's
// letter. Reading never creates the settings (on Windows the registry key) when there are none.
std::array<QString, grouping::Groups> readGroupNames();

// From now on this process keeps its settings (the group names, the recent files) in an INI
// file under `folder` rather than in the user's own (the registry on Windows): for sessions
// driven by a script and for tests. The settings objects made after the call use it.
void keepSettingsIn(const QString &folder);

} // namespace settings
