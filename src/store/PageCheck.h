// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/CatalogueCheck.h"

#include <functional>
#include <mutex>
#include <string>
#include <thread>

struct sqlite3;

namespace store {

// SQLite's quick check of a catalogue file, run on a thread of its own through a read-only
// connection of its own, so that a large catalogue's window need not wait for every page to be
// read. Stopping it (destroying it) before it ends interrupts the check.
class PageCheck {
  public:
    // Starts the check of the file at `path`, opened through `vfs` ("" for the default).
    // `whenDone` runs on the check's thread once the result can be taken; it may be empty.
    PageCheck(const std::string& path, const std::string& vfs, std::function<void()> whenDone);
    ~PageCheck();
    PageCheck(const PageCheck&) = delete;
    PageCheck& operator=(const PageCheck&) = delete;

    // Waits for the check to end and gives what it found. A check that could not run to its end
    // (the file busy in another program, memory short, interrupted) has a non-OK code.
    QuickCheck result();

  private:
    void run(const std::string& path, const std::string& vfs);

    std::function<void()> whenDone_;
    std::mutex handleGuard_;
    sqlite3* handle_ = nullptr; // the check's own connection while it runs
    bool stopping_ = false;
    QuickCheck result_;
    std::thread thread_;
};

} // namespace store
