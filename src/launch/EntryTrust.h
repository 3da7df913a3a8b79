// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LaunchQuestion.h"
#include "platform/TrustedEntries.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace launch {

// Whether a desktop entry may run. The installed applications and the entries the user chose to
// always launch run; any other entry, wherever it came from and whatever its execute bit, is
// asked about first.
class EntryTrust {
  public:
    EntryTrust(platform::LaunchQuestion& question, platform::TrustedEntries& remembered);

    struct Decision {
        std::optional<QByteArray> content; // what to launch from; none: do not launch
        QString refusal;                   // why not, when the user was not the one to say so
    };
    // canonicalPath and text: the entry as it was read when the launch was planned, beside the
    // window; none when it could not be read.
    Decision check(QWidget* owner, const QString& path, const QString& canonicalPath,
                   const std::optional<QByteArray>& text);

  private:
    platform::LaunchQuestion& question_;
    platform::TrustedEntries& remembered_;
};

} // namespace launch
