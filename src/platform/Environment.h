// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace platform {

// The numbered special folder that holds the program's data: the machine-wide application-data
// folder where the program was first written, the user's data home here.
inline constexpr int kCommonAppDataFolder = 35;

// Process environment and well-known places of this machine.
class Environment {
  public:
    virtual ~Environment() = default;
    virtual std::optional<QString> variable(const QString& name) = 0;
    virtual QString hostName() = 0;
    // The folder for a numbered special folder, "" when there is none.
    virtual QString specialFolderPath(int folder) = 0;
    // The folder that holds the program and the files shipped beside it.
    virtual QString programFolder() = 0;
};

} // namespace platform
