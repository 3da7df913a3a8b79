// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopDialogs.h"
#include "platform/DesktopEntryNamesGio.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopImages.h"
#include "platform/DesktopLaunchCounts.h"
#include "platform/DesktopLaunchQuestion.h"
#include "platform/DesktopLauncher.h"
#include "platform/DesktopMessageBoxes.h"
#include "platform/DesktopModalWindows.h"
#include "platform/DesktopSettings.h"
#include "platform/DesktopShell.h"
#include "platform/DesktopTargetIcons.h"
#include "platform/InstalledApplications.h"
#include "platform/Services.h"
#include "platform/StateFolder.h"

namespace platform {

// Every service of this desktop, owned together and handed out as the program's services.
struct DesktopPlatform {
    DesktopMessageBoxes messages;
    DesktopFileSystem files;
    DesktopEnvironment environment;
    DesktopImages images;
    DesktopLauncher launcher;
    DesktopLaunchQuestion launchQuestion;
    TrustedEntries trustedEntries{stateFolder()};
    DesktopShell shell{messages, files, launcher, launchQuestion, trustedEntries};
    DesktopDialogs dialogs;
    DesktopSettings settings;
    DesktopModalWindows modal;
    DesktopEntryNamesGio entryNames;
    DesktopTargetIcons targetIcons;
    DesktopLaunchCounts launchCounts;
    DesktopApplicationMenu applicationMenu;
    Services services{messages, files, environment, images,      shell,        dialogs,
                      settings, modal, entryNames,  targetIcons, launchCounts, applicationMenu};
};

} // namespace platform
