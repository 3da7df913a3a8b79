// SPDX-License-Identifier: GPL-3.0-or-later
// Built as if it were a desktop service: the launch rules sit above the platform and are out of
// reach, so a service only carries out what a command decided.
#include "launch/ShellPlan.h"

int serviceReachingTheRules() {
    return 0;
}
