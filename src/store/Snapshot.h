// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

struct sqlite3;

namespace store {

// A private copy of a catalogue file and its write-ahead log, taken byte for byte into a
// folder of its own and opened there, so that the log's rows count. What is checked and what
// is read are then the same bytes however the original changes meanwhile, and nothing is ever
// written beside the original. The folder goes when the snapshot does.
class Snapshot {
  public:
    // Throws StoreError when the file cannot be read (or is not a regular file).
    explicit Snapshot(const std::filesystem::path& file);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    sqlite3* handle() const { return db_; }
    // The private copy, and the folder it lies in (the snapshot's to use for more files).
    const std::filesystem::path& path() const { return copy_; }
    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    std::filesystem::path copy_;
    sqlite3* db_ = nullptr;
};

} // namespace store
