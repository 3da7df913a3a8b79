#pragma once

#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopImages.h"
#include "platform/DesktopMessageBoxes.h"
#include "platform/DesktopShell.h"
#include "platform/Services.h"

namespace platform {

// Every service of this desktop, owned together and handed out as the program's services.
struct DesktopPlatform {
    DesktopMessageBoxes messages;
    DesktopFileSystem files;
    DesktopEnvironment environment;
    DesktopImages images;
    SystemDesktopShell shell{messages};
    Services services{messages, files, environment, images, shell};
};

} // namespace platform
