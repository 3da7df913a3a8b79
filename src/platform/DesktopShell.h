#pragma once

#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace platform {

// Carries out shell requests on a Linux desktop: it looks at the target through files, decides
// by what the request means to open and what the target is (see planShellRequest), and sets
// it going through launcher. A request that cannot be carried out is reported in a message box.
class DesktopShell : public Shell {
  public:
    DesktopShell(MessageBoxes& messages, FileSystem& files, Launcher& launcher);

    void execute(const ShellRequest& request) override;

  private:
    void report(QWidget* owner, const QString& text);

    MessageBoxes& messages_;
    FileSystem& files_;
    Launcher& launcher_;
};

} // namespace platform
