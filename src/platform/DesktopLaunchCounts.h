// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LaunchCounts.h"

#include <optional>

namespace platform {

class MessageBoxes;

// The counts in a small JSON file under $XDG_STATE_HOME/Mellovan/Vantory/ (usually
// ~/.local/state/…), read when first asked for and replaced whole with each launch, so that a
// crash leaves the old file or the new one, never half of one.
class DesktopLaunchCounts : public LaunchCounts {
  public:
    // messages: where a symbolic link put at the file is told, once a session.
    explicit DesktopLaunchCounts(MessageBoxes* messages = nullptr) : messages_(messages) {}
    QHash<QString, int> all() override;
    void noteLaunch(const QString& category, const QString& caption) override;

    // The file the counts live in.
    static QString filePath();

  private:
    MessageBoxes* messages_;
    std::optional<QHash<QString, int>> counts_;
};

} // namespace platform
