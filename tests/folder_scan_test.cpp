// SPDX-License-Identifier: GPL-3.0-or-later
// Telling files from folders for many paths at once must answer exactly what one stat() per
// path answers, whatever the folder holds and however the paths are written.

#include "platform/DesktopFileSystem.h"
#include "platform/FolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

namespace {

using platform::FileKind;

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

std::vector<FileKind> oneByOne(const QStringList& paths) {
    std::vector<FileKind> kinds;
    for (const QString& path : paths) {
        kinds.push_back(platform::statKind(path));
    }
    return kinds;
}

TEST(FolderScan, ManyPathsOfOneFolderGetTheKindsAStatOfEachWouldGive) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        const QString file = root + QStringLiteral("/document %1.txt").arg(i);
        touch(file);
        paths << file;
    }
    for (const char* name : {"résumé.odt", "-leading dash", "two  spaces", "a'quote"}) {
        touch(root + QLatin1Char('/') + QString::fromUtf8(name));
        paths << root + QLatin1Char('/') + QString::fromUtf8(name);
    }
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("Folder")));
    touch(root + QStringLiteral("/Folder/inner.txt"));
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/Folder"), root + QStringLiteral("/to-folder")));
    ASSERT_TRUE(QFile::link(paths.front(), root + QStringLiteral("/to-file")));
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/nothing"), root + QStringLiteral("/dangling")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(root + QStringLiteral("/pipe")).constData(), 0600), 0);
    paths << root + QStringLiteral("/Folder") << root + QStringLiteral("/to-folder")
          << root + QStringLiteral("/to-file") << root + QStringLiteral("/dangling")
          << root + QStringLiteral("/pipe")
          << root + QStringLiteral("/never made")
          // Written other ways, or reaching elsewhere: each settled as stat() settles it.
          << root + QStringLiteral("/Folder/") << root + QStringLiteral("/Folder/.")
          << root + QStringLiteral("/Folder/..") << root + QStringLiteral("/to-folder/inner.txt")
          << root + QStringLiteral("/Folder/inner.txt") << paths.front() + QStringLiteral("/x")
          << QStringLiteral("relative.txt") << QString() << QStringLiteral("/") << root
          << paths.front() << root + QStringLiteral("/missing-folder/file");

    const std::vector<FileKind> kinds = platform::kindsByFolder(paths);
    EXPECT_EQ(kinds, oneByOne(paths));
    ASSERT_EQ(kinds.size(), static_cast<std::size_t>(paths.size()));
    const auto kindOf = [&](const QString& path) { return kinds[paths.indexOf(path)]; };
    EXPECT_EQ(kindOf(paths.front()), FileKind::File);
    EXPECT_EQ(kindOf(root + QStringLiteral("/Folder")), FileKind::Folder);
    EXPECT_EQ(kindOf(root + QStringLiteral("/to-folder")), FileKind::Folder);
    EXPECT_EQ(kindOf(root + QStringLiteral("/to-file")), FileKind::File);
    EXPECT_EQ(kindOf(root + QStringLiteral("/dangling")), FileKind::Missing);
    EXPECT_EQ(kindOf(root + QStringLiteral("/pipe")), FileKind::Special);
    EXPECT_EQ(kindOf(root + QStringLiteral("/never made")), FileKind::Missing);

    // The desktop's file system answers the same through its batch and one by one.
    platform::DesktopFileSystem files;
    std::vector<FileKind> single;
    for (const QString& path : paths) {
        single.push_back(files.kindOf(path));
    }
    EXPECT_EQ(files.kindsOf(paths), single);
}

TEST(FolderScan, PathsBeyondWhatIsReadOfAHugeFolderAreStillSettled) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int i = 0; i < 1300; ++i) {
        touch(dir.filePath(QStringLiteral("f%1").arg(i)));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    // The last names the folder's listing gives, which a bounded read never reaches.
    QStringList listed;
    DIR* listing = ::opendir(QFile::encodeName(dir.path()).constData());
    ASSERT_NE(listing, nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name[0] != '.') {
            listed << dir.filePath(QString::fromUtf8(entry->d_name));
        }
    }
    ::closedir(listing);
    QStringList paths = listed.mid(listed.size() - 20);
    paths << dir.filePath(QStringLiteral("sub")) << dir.filePath(QStringLiteral("gone"));

    const std::vector<FileKind> kinds = platform::kindsByFolder(paths);
    EXPECT_EQ(kinds, oneByOne(paths));
    EXPECT_EQ(kinds[static_cast<std::size_t>(paths.size()) - 2], FileKind::Folder);
    EXPECT_EQ(kinds.back(), FileKind::Missing);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), FileKind::File), 20);
}

} // namespace
