// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace platform {

// The numbered special folder that holds the program's data: the machine-wide application-data
// folder where the program was first written, the user's data home here.
inline constexpr int kCommonAppDataFolder = 35;

// Process environment and well-known places of this machine. Nothing here throws: what the
// machine does not have is answered as "none" or "".
class Environment {
  public:
    virtual ~Environment() = default;
    // The value of an environment variable; none when it is not set (an empty value is set).
    virtual std::optional<QString> variable(const QString& name) = 0;
    // This machine's name on the network, "" when it has none.
    virtual QString hostName() = 0;
    // The folder for a numbered special folder, "" when there is none. The data folder
    // (kCommonAppDataFolder) is made, private to the user, when the account has none yet.
    virtual QString specialFolderPath(int folder) = 0;
    // The folder that holds the program and the files shipped beside it.
    virtual QString programFolder() = 0;
};

} // namespace platform
