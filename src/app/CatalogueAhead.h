// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"
#include "store/Connection.h"
#include "store/ResultSet.h"

#include <memory>
#include <optional>

namespace app {

// How start-up opens the catalogue, ahead or in the window's start-up: every page is read once
// the window shows, beside it, so that a large catalogue's window opens at once.
inline store::OpenOptions startUpOpenOptions() {
    store::OpenOptions options;
    options.checkPagesInBackground = true;
    return options;
}

// The catalogue opened and its categories read before the window is built, while the desktop's
// fonts are read. Only the usual start is read ahead: a catalogue that is missing, not a regular
// file, in use or unreadable is left to the window's start-up, which tells why as it always does.
struct CatalogueAhead {
    std::unique_ptr<store::Connection> connection; // open, or none
    std::optional<store::ResultSet> groups;        // the tree's categories, where they were read
};

CatalogueAhead readCatalogueAhead(platform::Services& services);

} // namespace app
