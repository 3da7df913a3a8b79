// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Environment.h"

namespace platform {

// The process environment, XDG folders and the program's own folder.
class DesktopEnvironment : public Environment {
  public:
    std::optional<QString> variable(const QString& name) override;
    QString hostName() override;
    // Folder 35, the machine's shared application data, is the XDG data home on this desktop;
    // made when it is missing, as the folder always exists where the program came from.
    QString specialFolderPath(int folder) override;
    // The folder of the program file, or ../share/vantory beside it for an installed build.
    QString programFolder() override;
};

} // namespace platform
