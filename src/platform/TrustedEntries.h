// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The desktop entries the user chose to always launch, each by its canonical path and the
// SHA-256 of its content, so that an entry that changes is asked about again. Kept in one small
// file of folder; a file that is missing or cannot be read only means asking again.
class TrustedEntries {
  public:
    explicit TrustedEntries(QString folder);

    bool contains(const QString& canonicalPath, const QByteArray& sha256) const;
    // Remembers the entry in place of what was remembered for its path. Returns false when the
    // file could not be written.
    bool remember(const QString& canonicalPath, const QByteArray& sha256);

  private:
    QString file() const;

    QString folder_;
};

} // namespace platform
