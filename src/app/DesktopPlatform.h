// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/DesktopShell.h"
#include "platform/DesktopDialogs.h"
#include "platform/DesktopEntryNamesGio.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopImages.h"
#include "platform/DesktopLaunchCounts.h"
#include "platform/DesktopLaunchQuestion.h"
#include "platform/DesktopLauncher.h"
#include "platform/DesktopMemory.h"
#include "platform/DesktopMessageBoxes.h"
#include "platform/DesktopModalWindows.h"
#include "platform/DesktopSettings.h"
#include "platform/DesktopTargetIcons.h"
#include "platform/InstalledApplications.h"
#include "platform/Services.h"
#include "platform/StateFolder.h"
#include "platform/TimedFileSystem.h"

namespace app {

// Every service of this desktop, owned together and handed out as the program's services.
struct DesktopPlatform {
    platform::DesktopMemory memory;
    platform::DesktopMessageBoxes messages;
    // Asked beside the window with a time limit: a hung mount never holds the window.
    platform::TimedFileSystem files{std::make_shared<platform::DesktopFileSystem>()};
    platform::DesktopEnvironment environment;
    platform::DesktopImages images;
    platform::DesktopLauncher launcher;
    platform::DesktopLaunchQuestion launchQuestion;
    platform::TrustedEntries trustedEntries{platform::stateFolder(), &messages};
    launch::DesktopShell shell{files, launcher, launchQuestion, trustedEntries};
    platform::DesktopDialogs dialogs;
    platform::DesktopSettings settings;
    platform::DesktopModalWindows modal;
    platform::DesktopEntryNamesGio entryNames;
    platform::DesktopTargetIcons targetIcons;
    platform::DesktopLaunchCounts launchCounts{&messages};
    platform::DesktopApplicationMenu applicationMenu;
    platform::Services services{messages,   files,       environment,  images,
                                shell,      dialogs,     settings,     modal,
                                entryNames, targetIcons, launchCounts, applicationMenu};
};

} // namespace app
