#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace platform {

// One request to the desktop shell: open a file, folder, program or address.
// An absent verb, parameters or directory differs from an empty one.
struct ShellRequest {
    QWidget* owner = nullptr;
    std::optional<QString> verb;
    QString file;
    std::optional<QString> parameters;
    std::optional<QString> directory;
    int showCommand = 1;

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

// Carries out shell requests. The shell reports a failed start itself; callers look at no result.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void execute(const ShellRequest& request) = 0;
};

} // namespace platform
