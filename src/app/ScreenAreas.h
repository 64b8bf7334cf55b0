#pragma once
// Which areas and controls a screen shows. Every name in screenAreaNames() that a view
// neither shows nor keeps is hidden when the view is applied, so a screen looks the same
// whatever screen came before it.
//
// A new screen (a table screen, the score entry) gets a view of its own beside the others
// in MainFormScreens.cpp; a control that only some screens show is added to
// screenAreaNames() and to the views that show it.

#include "app/AppLayer.h"

#include <vector>

struct ScreenAreas {
    std::vector<const char *> shown; // made visible
    std::vector<const char *> kept;  // left as the screen's own commands set them
};

namespace screenareas {
// Every area and control whose visibility depends on the screen.
const std::vector<const char *> &names();
extern const ScreenAreas Registration; // メンバー登録
extern const ScreenAreas Combination;  // 組み合わせ
extern const ScreenAreas Tables;       // 作表と印刷, before a table is chosen
extern const ScreenAreas ScoreEntry;   // 得点入力
} // namespace screenareas
