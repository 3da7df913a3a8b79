// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <vector>

namespace platform {
class SyncFiles;
}
namespace store {
class Connection;
}

namespace vsync {

// A file in the synced folder that a merge did not read.
struct SkippedFile {
    enum Reason { Unreadable, Damaged, Newer };
    QString name;
    Reason reason = Unreadable;
};

struct MergeReport {
    bool catalogueChanged = false;
    bool folderFileWritten = false;
    bool backedUp = false;
    QStringList computers; // the names of the other computers whose files were read
    std::vector<SkippedFile> skipped;
};

struct MergePlace {
    QString folder;       // the synced folder
    QString backupFolder; // where the catalogue's backups are
    QString home;         // this account's home folder
    QString computerName; // for people reading the folder
    std::chrono::system_clock::time_point now;
};

// The name of the folder Vantory keeps inside the synced folder, and of its files.
inline const char kFolderName[] = "Vantory";
inline const char kFileSuffix[] = ".vsync";

// Merges the catalogue with every computer's file in the synced folder (conflict copies that a
// file-sync program made beside them included): this computer's changes since its last merge
// are found and stamped, every state is joined, the catalogue takes the result in one
// transaction of only the rows that differ, and this computer's file is written only when its
// state changed. Before the first merge with a folder the catalogue is backed up. A file that
// cannot be read is skipped and reported; nothing is taken from it. Throws StoreError or
// PlatformError, with the catalogue as it was, when the merge cannot be done.
MergeReport mergeWithFolder(store::Connection& db, platform::SyncFiles& files,
                            const MergePlace& place);

// When the last merge was and which computers it read, from this computer's own record; none
// when it never merged.
struct LastMerge {
    std::chrono::system_clock::time_point when;
    QStringList computers;
};
std::optional<LastMerge> lastMerge(platform::SyncFiles& files);

} // namespace vsync
