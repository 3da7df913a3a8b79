// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace platform {

// What the caller means the shell to open. The six values of a request say how; this says what
// the target is meant to be, so the shell never starts a program the user did not ask for.
enum class ShellTarget {
    Folder,       // opened in the file manager; nothing is ever started
    Application,  // the file is started as a program
    WebAddress,   // handed to the desktop's handler for the address
    EmailAddress, // a mailto: address, handed to the desktop's mail handler
    ShellFile,    // opened by what the file is: a program runs, a document opens
    HelpPage,     // the program's own help page, opened like a shell file
};

// One request to the desktop shell: open a file, folder, program or address.
// An absent verb, parameters or directory differs from an empty one.
struct ShellRequest {
    QWidget* owner = nullptr;
    std::optional<QString> verb;
    QString file;
    std::optional<QString> parameters;
    std::optional<QString> directory;
    int showCommand = 1;
    // An address unless the caller says otherwise: the one target that never starts anything.
    ShellTarget target = ShellTarget::WebAddress;

    bool operator==(const ShellRequest&) const = default;
};

// Show commands as the shell knows them.
namespace show {
constexpr int Hide = 0;
constexpr int Normal = 1;
constexpr int Minimized = 2;
constexpr int Maximized = 3;
constexpr int Show = 5;
} // namespace show

// Carries out shell requests.
class Shell {
  public:
    virtual ~Shell() = default;
    // True when something was started or opened; false when the user chose not to go on.
    // Throws PlatformError when the request was refused or nothing could be started; its what()
    // is the whole message for the user.
    virtual bool execute(const ShellRequest& request) = 0;
};

} // namespace platform
