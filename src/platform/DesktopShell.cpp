// SPDX-License-Identifier: GPL-3.0-or-later
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

DesktopShell::DesktopShell(MessageBoxes& messages, FileSystem& files, Launcher& launcher,
                           LaunchQuestion& question, TrustedEntries& trusted, QString machine)
    : messages_(messages), files_(files), launcher_(launcher), trust_(question, trusted),
      machine_(std::move(machine)) {}

bool DesktopShell::execute(const ShellRequest& request) {
    const ShellAction action = planShellRequest(request, files_, machine_);
    return std::visit(
        Overloaded{
            [&](const StartProgram& start) {
                QString error;
                if (!launcher_.startProgram(start.program, start.arguments, start.workingDirectory,
                                            &error)) {
                    report(request.owner, couldNotStart(start.program, error));
                    return false;
                }
                return true;
            },
            [&](const LaunchDesktopEntry& entry) {
                const EntryTrust::Decision trusted = trust_.check(request.owner, entry.desktopFile);
                if (!trusted.refusal.isEmpty())
                    report(request.owner, trusted.refusal);
                if (!trusted.content)
                    return false;
                QString error;
                if (!launcher_.launchDesktopEntry(entry.desktopFile, *trusted.content,
                                                  entry.arguments, &error)) {
                    report(request.owner, couldNotStart(entry.desktopFile, error));
                    return false;
                }
                return true;
            },
            [&](const OpenUrl& open) {
                if (!launcher_.openUrl(open.url)) {
                    report(request.owner, QStringLiteral("No application is set up to open \"%1\".")
                                              .arg(open.shownAs));
                    return false;
                }
                return true;
            },
            [&](const RefuseRequest& refusal) {
                report(request.owner, refusal.message);
                return false;
            },
        },
        action);
}

void DesktopShell::report(QWidget* owner, const QString& text) {
    messages_.show(owner, text, QStringLiteral("Vantory"), MessageButtons::Ok,
                   MessageIcon::Critical);
}

} // namespace platform
