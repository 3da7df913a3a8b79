// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CatalogueBackups.h"

#include <chrono>

namespace common {

store::BackupResult backUpBeforeChange(store::Connection& db) {
    return store::makeRollingBackup(db, backupFolderOf(db), std::chrono::system_clock::now(),
                                    kBackupsKept);
}

} // namespace common
