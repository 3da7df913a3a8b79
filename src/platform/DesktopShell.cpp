#include "platform/DesktopShell.h"

#include "platform/ShellPlan.h"

namespace platform {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

QString couldNotStart(const QString& path, const QString& reason) {
    if (reason.isEmpty())
        return QStringLiteral("Vantory could not start \"%1\".").arg(path);
    return QStringLiteral("Vantory could not start \"%1\": %2").arg(path, reason);
}

} // namespace

DesktopShell::DesktopShell(MessageBoxes& messages, ProcessStarter& processes, UrlOpener& urls,
                           DesktopEntryLauncher& desktopEntries, const FileProbe& files)
    : messages_(messages), processes_(processes), urls_(urls), desktopEntries_(desktopEntries),
      files_(files) {}

void DesktopShell::execute(const ShellRequest& request) {
    const ShellAction action = planShellRequest(request, files_);
    std::visit(Overloaded{
                   [&](const StartProgram& start) {
                       QString error;
                       if (!processes_.startDetached(start.program, start.arguments,
                                                     start.workingDirectory, &error))
                           report(request.owner, couldNotStart(start.program, error));
                   },
                   [&](const LaunchDesktopEntry& entry) {
                       QString error;
                       if (!desktopEntries_.launch(entry.desktopFile, entry.arguments, &error))
                           report(request.owner, couldNotStart(entry.desktopFile, error));
                   },
                   [&](const OpenUrl& open) {
                       if (!urls_.openUrl(open.url))
                           report(request.owner,
                                  QStringLiteral("No application is set up to open \"%1\".")
                                      .arg(open.shownAs));
                   },
                   [&](const RefuseRequest& refusal) { report(request.owner, refusal.message); },
               },
               action);
}

void DesktopShell::report(QWidget* owner, const QString& text) {
    messages_.show(owner, text, QStringLiteral("Vantory"), MessageButtons::Ok,
                   MessageIcon::Critical);
}

SystemDesktopShell::SystemDesktopShell(MessageBoxes& messages)
    : shell_(messages, processes_, urls_, desktopEntries_, files_) {}

} // namespace platform
