// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {
class Environment;
class FileSystem;
class SyncFiles;
} // namespace platform

namespace app {

// `vantory --sync-folder DIR`: keeps the catalogue in step with other computers through DIR from
// now on ("" to stop). Returns the exit status: 0 when kept, 1 (with a message on stderr) when
// DIR is no folder or the settings cannot be saved.
int chooseSyncFolder(platform::SyncFiles& sync, const QString& folder);

// `vantory --sync-now`: merges the catalogue with the synced folder, without a window. A
// catalogue made from the blank template serves a computer that has none yet. Returns 0 when
// merged (files skipped are named on stderr), 1 with a message on stderr when it could not.
int syncFromCommandLine(platform::Environment& env, platform::FileSystem& files,
                        platform::SyncFiles& sync);

} // namespace app
