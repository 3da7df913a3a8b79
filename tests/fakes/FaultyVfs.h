// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An SQLite VFS for tests that passes everything to the default VFS but fails the Nth write or
// sync on purpose, the way SQLite's own tests inject I/O errors, and counts both.

#include <gtest/gtest.h>
#include <string>

namespace fakes {

class FaultyVfs {
  public:
    enum class Call { Write, Sync };
    // Once: only the Nth call fails (a passing fault). FromThenOn: the Nth and every later call
    // of that kind fail, as when a disk goes away.
    enum class Mode { Once, FromThenOn };

    // The one instance, registered with SQLite (not as the default) on first use.
    static FaultyVfs& instance();
    // The name to open a catalogue through (OpenOptions::vfs).
    static const char* name() { return "vantory-faulty"; }

    // Counts from zero again and fails the nth (1-based) call of that kind.
    void failAt(Call call, int n, Mode mode);
    // Counts from zero again and fails nothing.
    void reset();

    int writes() const { return writes_; }
    int syncs() const { return syncs_; }
    // How many calls failed since the last failAt() or reset().
    int faults() const { return faults_; }

    // Called by the VFS: true when this call is to fail.
    bool failWrite();
    bool failSync();

  private:
    FaultyVfs();
    bool fail(Call call, int count);

    Call call_ = Call::Write;
    Mode mode_ = Mode::Once;
    int failAt_ = 0; // 0: never
    int writes_ = 0;
    int syncs_ = 0;
    int faults_ = 0;
};

// Runs an operation with its n-th write or sync failing, once or from then on, for n = 1, 2, ...
// until a run meets no fault (run returns false), at most `limit` runs for each kind of fault.
template <class Run> void forEveryFault(const std::string& what, int limit, Run run) {
    for (const FaultyVfs::Mode mode : {FaultyVfs::Mode::Once, FaultyVfs::Mode::FromThenOn}) {
        for (const FaultyVfs::Call call : {FaultyVfs::Call::Write, FaultyVfs::Call::Sync}) {
            int n = 1;
            while (run(call, mode, n)) {
                ASSERT_LT(++n, limit) << what << " never ran without a fault";
            }
            EXPECT_GT(n, 1) << what << ": no call was ever failed";
        }
    }
}

} // namespace fakes
