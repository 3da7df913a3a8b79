// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/MainHelpers.h"
#include "platform/Environment.h"

#include <QString>

namespace app {

// The folder that holds the catalogue: the shared data folder, then Mellovan/Vantory.
inline QString dataFolder(platform::Environment& env) {
    return Main::SpecialFolderPath(env, platform::kCommonAppDataFolder) +
           QStringLiteral("/Mellovan/") + QStringLiteral("Vantory");
}

// The catalogue file in it.
inline QString catalogueFile(platform::Environment& env) {
    return dataFolder(env) + QStringLiteral("/dbData.mdb");
}

} // namespace app
