// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace platform {

// A file larger than this is no desktop entry (the largest a desktop ships are some 100 KiB);
// reading it as one would hold the window.
inline constexpr qint64 kMaxDesktopEntrySize = 1024 * 1024;

enum class FileKind {
    Missing, // nothing there, or a dangling link
    Folder,
    File,    // a regular file
    Special, // a device, pipe or socket
    // The file system did not say in time (a network mount that hangs): it may be anything.
    Unanswered,
};

// What the file system holds under a name. The type fields are filled for regular files only.
struct FileFacts {
    FileKind kind = FileKind::Missing;
    bool executable = false; // a regular file the user may execute
    QString mimeType;        // by name and content, as the desktop names the file
    QString contentType;     // by content alone, whatever the name claims
    bool desktopEntry = false;
    // For a desktop entry: the file its links lead to, and its text as read with the facts,
    // none when it could not be read. What is checked before a launch is what runs.
    QString canonicalPath{};
    std::optional<QByteArray> entryText{};

    bool operator==(const FileFacts&) const = default;
};

// The file system as the program sees it. Paths use "/" as separator.
// The throwing operations raise PlatformError with a message a user understands.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Follows symbolic links; never throws.
    virtual FileFacts inspect(const QString& path) = 0;
    // Creates a folder and every folder above it that is missing.
    virtual void createFolder(const QString& path) = 0;
    // Copies a file; never overwrites an existing target.
    virtual void copyFile(const QString& from, const QString& to) = 0;
    virtual QString readText(const QString& path) = 0;

    // What a path is, without looking into the file; follows symbolic links, never throws.
    virtual FileKind kindOf(const QString& path) { return inspect(path).kind; }
    // kindOf() for each path, in order. A desktop may answer many paths of one folder at once.
    virtual std::vector<FileKind> kindsOf(const QStringList& paths) {
        std::vector<FileKind> kinds;
        kinds.reserve(static_cast<std::size_t>(paths.size()));
        for (const QString& path : paths) {
            kinds.push_back(kindOf(path));
        }
        return kinds;
    }

    // True for an existing file or folder, or one the file system did not answer for in time.
    bool exists(const QString& path) { return kindOf(path) != FileKind::Missing; }
    // True for an existing file that is not a folder.
    bool isNormalFile(const QString& path) { return kindOf(path) == FileKind::File; }
};

} // namespace platform
