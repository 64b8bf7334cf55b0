#pragma once
// The menu bar: its menus, submenus and entries. An entry is a control of the form
// (N3, N20, A1 …) whose caption and tick the form holds.

#include <QKeySequence>
#include <QString>
#include <vector>

struct MenuNode {
    QString title;                      // a menu or submenu; empty for an entry
    QString entry;                      // an entry: the control's name
    std::vector<MenuNode> children;     // a menu's submenus and entries, in order
    bool remindsWhileCombining = false; // opening it reminds the user of a running combination
    bool separatorBefore = false;
};

// The menus from left to right. A top-level node with an entry and no title is a command
// placed on the menu bar itself (印 刷).
const std::vector<MenuNode> &menuBarTable();

// The key that runs an entry from anywhere in the window (Ctrl+O 開く …), or none.
QKeySequence shortcutOf(const QString &entry);

// The entries that are one half of an option pair: they always show a tick box.
bool isOptionEntry(const QString &name);
