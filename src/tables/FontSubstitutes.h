#pragma once
// The window asks for ＭＳ Ｐゴシック and the tables for ＭＳ ゴシック; where those are not
// installed, the nearest Japanese faces stand in. Needs Qt Gui only, so the window and
// the command-line export draw with the same faces.

#include <QString>

namespace tables::fonts {
void registerSubstitutes();

// The installed family that stands for the face: the face itself when it is installed, else
// its first installed substitute, else the face (the system then chooses). Asking for it
// directly spares the font database a search for the missing face's fallbacks.
QString installedFamily(const QString &face);
} // namespace tables::fonts
