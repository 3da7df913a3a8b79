// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SyncFiles.h"

namespace platform {

class DesktopSyncFiles : public SyncFiles {
  public:
    QString folder() override;
    void setFolder(const QString& folder) override;
    QStringList fileNames(const QString& folder, const QString& suffix) override;
    std::optional<QByteArray> read(const QString& path) override;
    void writeWhole(const QString& path, const QByteArray& bytes) override;
    QString stateFolder() override;
};

} // namespace platform
