// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class Environment;
}

namespace app {

// What Vantory was asked to do on its command line.
struct Command {
    enum class Action { OpenWindow, Restore, Exit };
    Action action = Action::OpenWindow;
    QString backup;   // Restore: the backup to put in place of the catalogue
    int exitCode = 0; // Exit: the program's exit status
};

// Reads the arguments (the program's name first). An unknown option, or one without its value,
// is told on stderr and gives Exit with status 2: no window opens.
Command readCommandLine(const QStringList& arguments);

// `vantory --restore BACKUP`: puts the backup in place of the catalogue, with no Vantory
// running, and says how it went on stdout or stderr. Returns the exit status: 0 when restored.
int restoreFromCommandLine(platform::Environment& env, const QString& backup);

} // namespace app
