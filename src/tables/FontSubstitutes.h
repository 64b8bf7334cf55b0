#pragma once
// The window asks for ＭＳ Ｐゴシック and the tables for ＭＳ ゴシック; where those are not
// installed, the nearest Japanese faces stand in. Needs Qt Gui only, so the window and
// the command-line export draw with the same faces.

namespace tables::fonts {
void registerSubstitutes();
} // namespace tables::fonts
