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
// letter.
std::array<QString, grouping::Groups> readGroupNames();

} // namespace settings
