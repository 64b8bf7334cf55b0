#pragma once
// The settings of a test program (group names, recent files) in a folder of its own on every
// system: the user's own, the registry on Windows, are never read or written.

#include "settings/WindowSettings.h"

#include <QTemporaryDir>

// The folder, made on the first call; every settings object made afterwards keeps to it.
inline QString useOwnSettings()
{
    static QTemporaryDir folder;
    settings::keepSettingsIn(folder.path());
    return folder.path();
}
