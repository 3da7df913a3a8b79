// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the store tests: temporary folders, catalogue copies and raw file bytes.

#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fakes {

// A fresh folder under the test temp folder (or under base), removed with everything in it at
// the end.
class TempFolder {
  public:
    explicit TempFolder(const std::filesystem::path& base = ::testing::TempDir()) {
        std::string pattern = (base / "vantory_store_XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
    }
    ~TempFolder() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
            if (entry.is_directory(ignored)) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
            }
        }
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A folder in memory where the machine has one, else the test temp folder: for tests that
// write many files and care about what the program does, not about the disk.
inline std::filesystem::path memoryBackedFolder() {
    std::error_code error;
    const std::filesystem::path shm = "/dev/shm";
    if (std::filesystem::is_directory(shm, error) && ::access(shm.c_str(), W_OK) == 0) {
        return shm;
    }
    return ::testing::TempDir();
}

inline std::string blankTemplate() {
    return std::string(VANTORY_BUILD_DIR) + "/dbBlank.mdb";
}

inline std::string copyOf(const std::string& source, const TempFolder& folder,
                          const std::string& name) {
    const std::string target = folder.file(name);
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    return target;
}

inline std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The message of the StoreError that f throws, or a note that it threw none.
inline std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const store::StoreError& e) {
        return e.what();
    }
    return "(no StoreError)";
}

// A catalogue of three groups with `items` shortcuts spread over them.
inline std::string filledCatalogue(const TempFolder& folder, const std::string& name, int items) {
    const std::string path = copyOf(blankTemplate(), folder, name);
    store::Connection db;
    db.open(path);
    store::Transaction tx(db);
    for (const char* group : {"Games", "Office", "Tools"}) {
        store::insertGroup(db, {group, std::string(group) + " shortcuts", "", 0x112233});
    }
    for (int i = 0; i < items; ++i) {
        const char* group = i % 3 == 0 ? "Games" : (i % 3 == 1 ? "Office" : "Tools");
        store::insertItem(db, {group, "Shortcut " + std::to_string(i),
                               "Description of " + std::to_string(i),
                               "/usr/bin/program" + std::to_string(i), "--flag",
                               store::kind::Application, 0x336699, store::windowstate::Normal});
    }
    tx.commit();
    return path;
}

} // namespace fakes
