// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// How the C library keeps the program's memory. A block the size of a long list's rows or
// entries, which a fill holds only while it runs, gets pages of its own that go back to the
// system when freed. By default the C library raises that size to the largest such block once
// freed, after which the next fill's blocks stay in the heap, and the heap keeps every page it
// ever touched: each fill of a long list would leave the program larger.
struct DesktopMemory {
    DesktopMemory();
};

} // namespace platform
