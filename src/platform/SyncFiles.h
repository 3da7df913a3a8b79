// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {

// The files that keep the catalogue in step with other computers: the folder the user chose
// (one a file-sync program keeps the same everywhere), and this computer's own record of what it
// last merged, which stays on this computer.
class SyncFiles {
  public:
    virtual ~SyncFiles() = default;
    // The synced folder the user chose, kept in the settings; "" when none.
    virtual QString folder() = 0;
    virtual void setFolder(const QString& folder) = 0;
    // The names of the files in `folder` that end in `suffix`, sorted; none when it is missing.
    virtual QStringList fileNames(const QString& folder, const QString& suffix) = 0;
    // A file's bytes; none when there is no such file. Throws PlatformError when it cannot be
    // read or is beyond any sane size.
    virtual std::optional<QByteArray> read(const QString& path) = 0;
    // Replaces the file as a whole, through a temporary file beside it and a rename, making its
    // folder when missing: a reader sees the old file or the new one, never a part. Throws
    // PlatformError.
    virtual void writeWhole(const QString& path, const QByteArray& bytes) = 0;
    // Where this computer keeps its own record.
    virtual QString stateFolder() = 0;
    // Calls `changed` on the program's thread when a file in `folder` is added, removed, renamed
    // or written; watches nothing with an empty folder. Replaces what was watched before.
    virtual void watch(const QString& folder, std::function<void()> changed) = 0;
};

} // namespace platform
