// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderScan.h"

#include <QFile>
#include <QHash>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Below this many paths in one folder, one stat() each is cheaper than reading the folder.
constexpr qsizetype kFewPaths = 16;
// A folder far larger than the paths asked of it is not read to its end: what is left unsettled
// is asked one by one.
constexpr qsizetype kEntriesReadPerPath = 8;
constexpr qsizetype kEntriesReadAtLeast = 1024;
// The end of a chain of paths asking the same name.
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Where a path's last name starts, for a path that names an entry of a folder; -1 for one that
// does not (relative, the root, or ending in "/", ".", or "..").
qsizetype nameStart(const QString& path) {
    if (!path.startsWith(QLatin1Char('/'))) {
        return -1;
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QStringView name = QStringView(path).mid(slash + 1);
    if (name.isEmpty() || name == u"." || name == u"..") {
        return -1;
    }
    return slash + 1;
}

// The names asked of one folder, each with the first path that asks it; a path's entry in
// `sameName` leads on to the next path asking the same name, if any. Kept small: a fill asks
// thousands of paths.
using FolderNames = QHash<QByteArrayView, std::size_t>;

// Reads one folder's listing for the names asked of it; each name settled gets its kind in
// `kinds`. Names the listing leaves open are left as they are.
void scanFolder(const QString& folder, const FolderNames& names,
                const std::vector<std::size_t>& sameName, std::vector<FileKind>& kinds,
                std::vector<bool>& settled) {
    const QByteArray encoded = folder.isEmpty() ? QByteArray("/") : QFile::encodeName(folder);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    DIR* listing = ::fdopendir(fd);
    if (listing == nullptr) {
        ::close(fd);
        return;
    }
    qsizetype left = names.size();
    qsizetype readable = std::max(kEntriesReadAtLeast, left * kEntriesReadPerPath);
    while (left > 0 && readable-- > 0) {
        const dirent* entry = ::readdir(listing);
        if (entry == nullptr) {
            break;
        }
        const auto found = names.constFind(QByteArrayView(entry->d_name));
        if (found == names.constEnd()) {
            continue;
        }
        FileKind kind = FileKind::Missing;
        switch (entry->d_type) {
        case DT_DIR:
            kind = FileKind::Folder;
            break;
        case DT_REG:
            kind = FileKind::File;
            break;
        case DT_FIFO:
        case DT_CHR:
        case DT_BLK:
        case DT_SOCK:
            kind = FileKind::Special;
            break;
        default: {
            // A link is followed, and an entry of unknown type asked about, as stat() would.
            struct stat facts {};
            kind = ::fstatat(::dirfd(listing), entry->d_name, &facts, 0) == 0
                       ? kindOfMode(facts.st_mode)
                       : FileKind::Missing;
        }
        }
        for (std::size_t index = found.value(); index != kNone; index = sameName[index]) {
            kinds[index] = kind;
            settled[index] = true;
        }
        --left;
    }
    ::closedir(listing);
}

} // namespace

FileKind kindOfMode(mode_t mode) {
    if (S_ISDIR(mode)) {
        return FileKind::Folder;
    }
    return S_ISREG(mode) ? FileKind::File : FileKind::Special;
}

FileKind statKind(const QString& path) {
    struct stat facts {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &facts) != 0) {
        return FileKind::Missing;
    }
    return kindOfMode(facts.st_mode);
}

std::vector<FileKind> kindsByFolder(const QStringList& paths) {
    const auto count = static_cast<std::size_t>(paths.size());
    std::vector<FileKind> kinds(count, FileKind::Missing);
    std::vector<bool> settled(count, false);
    // Every name, encoded as the file system spells it, in one block the folders' tables view.
    std::vector<std::pair<qsizetype, qsizetype>> spans(count, {0, -1});
    QByteArray encoded;
    for (std::size_t i = 0; i < count; ++i) {
        const QString& path = paths[static_cast<qsizetype>(i)];
        const qsizetype start = nameStart(path);
        if (start >= 0) {
            const QByteArray name = QFile::encodeName(path.mid(start));
            spans[i] = {encoded.size(), name.size()};
            encoded.append(name);
        }
    }
    // The paths of each folder, by their names in it.
    std::vector<std::size_t> sameName(count, kNone);
    QHash<QString, FolderNames> folders;
    for (std::size_t i = 0; i < count; ++i) {
        if (spans[i].second < 0) {
            continue;
        }
        const QString& path = paths[static_cast<qsizetype>(i)];
        FolderNames& names = folders[path.left(nameStart(path) - 1)];
        const QByteArrayView name(encoded.constData() + spans[i].first, spans[i].second);
        const auto asked = names.find(name);
        if (asked == names.end()) {
            names.insert(name, i);
        } else {
            sameName[i] = asked.value();
            asked.value() = i;
        }
    }
    for (auto folder = folders.cbegin(); folder != folders.cend(); ++folder) {
        if (folder.value().size() >= kFewPaths) {
            scanFolder(folder.key(), folder.value(), sameName, kinds, settled);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!settled[i]) {
            kinds[i] = statKind(paths[static_cast<qsizetype>(i)]);
        }
    }
    return kinds;
}

} // namespace platform
