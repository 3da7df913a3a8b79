// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop/DroppedFiles.h"

#include "common/FieldLength.h"
#include "common/MainHelpers.h"
#include "platform/FileSystem.h"
#include "store/Codes.h"

#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace dragdrop {

bool offersFileList(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

QStringList droppedPaths(const QMimeData* data) {
    QStringList paths;
    if (!data) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    return paths;
}

QString dropCaption(const QString& path, const EntryNameLookup& entryNames) {
    if (entryNames && path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive)) {
        if (const std::optional<QString> name = entryNames(path)) {
            return *name;
        }
    }
    return Main::StripExtension(Main::FileNameFromPath(path));
}

bool isStorableCaption(const QString& caption) {
    return !caption.isEmpty() && !common::isTooLong(caption) && !caption.contains(u'\'');
}

std::vector<std::int16_t> dropKinds(platform::FileSystem& files, const QStringList& paths) {
    // The file system interface tells files from everything else; what exists and is not a
    // file is a folder (or a device or pipe, which no file manager offers for dropping). All
    // paths are asked at once: the files of one drop mostly share a folder, which is then read
    // once instead of each file being looked up.
    std::vector<std::int16_t> kinds;
    kinds.reserve(static_cast<std::size_t>(paths.size()));
    for (const platform::FileKind kind : files.kindsOf(paths)) {
        kinds.push_back(kind != platform::FileKind::Missing && kind != platform::FileKind::File &&
                                kind != platform::FileKind::Unanswered
                            ? store::kind::Folder
                            : store::kind::ShellFile);
    }
    return kinds;
}

} // namespace dragdrop
