// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SyncFiles.h"

#include <QFileSystemWatcher>

#include <memory>

namespace platform {

class DesktopSyncFiles : public SyncFiles {
  public:
    QString folder() override;
    void setFolder(const QString& folder) override;
    QStringList fileNames(const QString& folder, const QString& suffix) override;
    std::optional<QByteArray> read(const QString& path) override;
    void writeWhole(const QString& path, const QByteArray& bytes) override;
    QString stateFolder() override;
    void watch(const QString& folder, std::function<void()> changed) override;

  private:
    std::unique_ptr<QFileSystemWatcher> watcher_;
};

} // namespace platform
