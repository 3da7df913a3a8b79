// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ApplicationMenu.h"
#include "platform/DesktopEntryNames.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Images.h"
#include "platform/LaunchCounts.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalWindows.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "platform/TargetIcons.h"

namespace platform {

// Every platform service the windows and commands use. Tests hand in fakes.
struct Services {
    MessageBoxes& messages;
    FileSystem& files;
    Environment& environment;
    Images& images;
    Shell& shell;
    Dialogs& dialogs;
    Settings& settings;
    ModalWindows& modal;
    DesktopEntryNames& entryNames;
    TargetIcons& targetIcons;
    LaunchCounts& launchCounts;
    ApplicationMenu& applicationMenu;
};

} // namespace platform
