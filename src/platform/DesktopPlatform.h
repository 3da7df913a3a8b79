#pragma once

#include "platform/DesktopDialogs.h"
#include "platform/DesktopEntryNamesGio.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopImages.h"
#include "platform/DesktopLaunchCounts.h"
#include "platform/DesktopLauncher.h"
#include "platform/DesktopMessageBoxes.h"
#include "platform/DesktopModalWindows.h"
#include "platform/DesktopSettings.h"
#include "platform/DesktopShell.h"
#include "platform/Services.h"

namespace platform {

// Every service of this desktop, owned together and handed out as the program's services.
struct DesktopPlatform {
    DesktopMessageBoxes messages;
    DesktopFileSystem files;
    DesktopEnvironment environment;
    DesktopImages images;
    DesktopLauncher launcher;
    DesktopShell shell{messages, files, launcher};
    DesktopDialogs dialogs;
    DesktopSettings settings;
    DesktopModalWindows modal;
    DesktopEntryNamesGio entryNames;
    DesktopLaunchCounts launchCounts;
    Services services{messages, files,    environment, images,     shell,
                      dialogs,  settings, modal,       entryNames, launchCounts};
};

} // namespace platform
