// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace store {

// The lock a running Vantory holds on its catalogue: an exclusive flock on a descriptor of its
// own, so that a second Vantory, or a restore, is refused before it reads or changes anything.
// Returns the descriptor that holds the lock; closing it releases the lock. Throws CatalogueInUse
// when another Vantory holds it, StoreError when the file cannot be opened or locked. With
// `create`, a missing file is made empty first.
int lockCatalogue(const std::string& path, bool create = false);

} // namespace store
