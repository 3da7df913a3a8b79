// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopMemory.h"

#include <malloc.h>

namespace platform {

namespace {

// The C library's own starting size; set once, it stays.
constexpr int kOwnPagesFrom = 128 * 1024;

} // namespace

DesktopMemory::DesktopMemory() {
    mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
}

} // namespace platform
