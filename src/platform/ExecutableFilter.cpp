// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ExecutableFilter.h"

#include <QFileInfo>
#include <QFileSystemModel>

namespace platform {

bool ExecutableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files) {
        return true;
    }
    // The file's facts are read afresh: the model's own may not be gathered yet.
    const QFileInfo info(files->filePath(files->index(sourceRow, 0, sourceParent)));
    return info.isDir() || (info.isFile() && info.isExecutable());
}

} // namespace platform
