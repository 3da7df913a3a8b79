#pragma once

#include "platform/DesktopActions.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/SystemDesktopActions.h"

namespace platform {

// Carries out shell requests on a Linux desktop: programs start directly, ".desktop" entries
// through GIO, everything else through the desktop's handler for its address. A request that
// cannot be carried out is reported in a message box.
class DesktopShell : public Shell {
  public:
    DesktopShell(MessageBoxes& messages, ProcessStarter& processes, UrlOpener& urls,
                 DesktopEntryLauncher& desktopEntries, const FileProbe& files);

    void execute(const ShellRequest& request) override;

  private:
    void report(QWidget* owner, const QString& text);

    MessageBoxes& messages_;
    ProcessStarter& processes_;
    UrlOpener& urls_;
    DesktopEntryLauncher& desktopEntries_;
    const FileProbe& files_;
};

// The desktop shell with the real desktop behind it; what the program itself uses.
class SystemDesktopShell : public Shell {
  public:
    explicit SystemDesktopShell(MessageBoxes& messages);

    void execute(const ShellRequest& request) override { shell_.execute(request); }

  private:
    QProcessStarter processes_;
    DesktopServicesUrlOpener urls_;
    GioDesktopEntryLauncher desktopEntries_;
    SystemFileProbe files_;
    DesktopShell shell_; // declared last: it refers to the members above
};

} // namespace platform
