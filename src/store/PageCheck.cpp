// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PageCheck.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

namespace store {

PageCheck::PageCheck(const std::string& path, const std::string& vfs,
                     std::function<void()> whenDone)
    : whenDone_(std::move(whenDone)), thread_([this, path, vfs] { run(path, vfs); }) {}

PageCheck::~PageCheck() {
    {
        const std::lock_guard<std::mutex> lock(handleGuard_);
        stopping_ = true;
        if (handle_ != nullptr) {
            sqlite3_interrupt(handle_);
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
}

QuickCheck PageCheck::result() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return result_;
}

void PageCheck::run(const std::string& path, const std::string& vfs) {
    // The check is housekeeping: the window and the desktop come first for the processor.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY,
                             vfs.empty() ? nullptr : vfs.c_str());
    if (rc != SQLITE_OK) {
        result_ = QuickCheck{rc, {db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)}};
        sqlite3_close(db);
    } else {
        sqlite3_busy_timeout(db, 2000);
        // Every page is read once: a small cache does, and keeps the check's memory small.
        sqlite3_exec(db, "PRAGMA cache_size=-512", nullptr, nullptr, nullptr);
        bool stopped = false;
        {
            const std::lock_guard<std::mutex> lock(handleGuard_);
            stopped = stopping_;
            handle_ = db;
        }
        result_ =
            stopped ? QuickCheck{SQLITE_INTERRUPT, {"The check was stopped."}} : quickCheck(db);
        {
            const std::lock_guard<std::mutex> lock(handleGuard_);
            handle_ = nullptr;
        }
        sqlite3_close(db);
    }
    if (whenDone_) {
        whenDone_();
    }
}

} // namespace store
