// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

class MessageBoxes;

// The desktop entries the user chose to always launch, each by its canonical path and the
// SHA-256 of its content, so that an entry that changes is asked about again. Kept in one small
// file of folder; a file that is missing, cannot be read or cannot be written only means asking
// again.
class TrustedEntries {
  public:
    // messages: where a symbolic link put at the file is told, once a session.
    explicit TrustedEntries(QString folder, MessageBoxes* messages = nullptr);

    bool contains(const QString& canonicalPath, const QByteArray& sha256) const;
    // Remembers the entry in place of what was remembered for its path. A file that cannot be
    // written is told on the log (a link put at it to the user, once) and only means asking
    // again next time; nothing throws.
    void remember(const QString& canonicalPath, const QByteArray& sha256);

  private:
    QString file() const;

    QString folder_;
    MessageBoxes* messages_;
};

} // namespace platform
