// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Merge.h"

#include <QString>

namespace platform {
class Environment;
}

namespace vsync {

// This computer's name as the others show it: the tree's root name.
QString computerName(platform::Environment& env);

// One line for a file of the synced folder that a merge did not read, naming it.
QString skippedText(const QString& folder, const SkippedFile& skipped);

} // namespace vsync
