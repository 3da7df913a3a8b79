// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace platform {
class Environment;
}

namespace app {

// What the command line asks of this start.
struct CommandLine {
    // --find: open the window with the finder open, this text typed in it ("" for none).
    std::optional<QString> find;
    // --restore: put this backup in place of the catalogue, with no Vantory running.
    std::optional<QString> restore;
    // --add-installed: add the desktop's installed applications to the catalogue, no window.
    bool addInstalled = false;
    // --sync-folder: keep the catalogue in step through this folder from now on ("" to stop).
    std::optional<QString> syncFolder;
    // --sync-now: merge with the synced folder and end, without a window.
    bool syncNow = false;
    // Set when the program ends at once with this status: 0 after --help or --version, 2 after
    // a command line it does not understand.
    std::optional<int> exitCode;
};

// Reads the command line the GNU way, before any window or desktop connection exists: --help
// and --version print to standard output, a mistake prints one line and a hint to --help on
// standard error.
CommandLine readCommandLine(int argc, char* argv[]);

// `vantory --restore BACKUP`: puts the backup in place of the catalogue, with no Vantory
// running, and says how it went on stdout or stderr. Returns the exit status: 0 when restored.
int restoreFromCommandLine(platform::Environment& env, const QString& backup);

} // namespace app
