// SPDX-License-Identifier: GPL-3.0-or-later
// Built as if it were a command: reaching up to the main window must not compile.
#include "app/Form1.h"

int commandReachingUp() {
    return 0;
}
