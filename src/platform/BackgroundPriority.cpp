// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BackgroundPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

void giveWayToTheWindow() {
    // A nice value of this thread alone. Five keeps it well behind a key typed in the window,
    // yet a busy desktop still leaves it a fair share.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 5);
}

} // namespace platform
