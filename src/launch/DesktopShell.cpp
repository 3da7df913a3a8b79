// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/DesktopShell.h"

#include "launch/ShellPlan.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>

namespace launch {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

QString couldNotStart(const QString& path, const platform::PlatformError& error) {
    const QString reason = QString::fromStdString(error.what());
    if (reason.isEmpty())
        return QCoreApplication::translate("Vantory", "Vantory could not start \"%1\".").arg(path);
    return QCoreApplication::translate("Vantory", "Vantory could not start \"%1\": %2")
        .arg(path, reason);
}

} // namespace

DesktopShell::DesktopShell(platform::MessageBoxes& messages, platform::FileSystem& files,
                           platform::Launcher& launcher, platform::LaunchQuestion& question,
                           platform::TrustedEntries& trusted, QString machine)
    : messages_(messages), files_(files), launcher_(launcher), trust_(question, trusted),
      machine_(std::move(machine)) {}

bool DesktopShell::execute(const platform::ShellRequest& request) {
    const ShellAction action = planShellRequest(request, files_, machine_);
    return std::visit(
        Overloaded{
            [&](const StartProgram& start) {
                try {
                    launcher_.startProgram(start.program, start.arguments, start.workingDirectory);
                    return true;
                } catch (const platform::PlatformError& error) {
                    report(request.owner, couldNotStart(start.program, error));
                    return false;
                }
            },
            [&](const LaunchDesktopEntry& entry) {
                const EntryTrust::Decision trusted =
                    trust_.check(request.owner, entry.desktopFile, entry.canonicalPath, entry.text);
                if (!trusted.refusal.isEmpty())
                    report(request.owner, trusted.refusal);
                if (!trusted.content)
                    return false;
                try {
                    launcher_.launchDesktopEntry(entry.desktopFile, *trusted.content,
                                                 entry.arguments);
                    return true;
                } catch (const platform::PlatformError& error) {
                    report(request.owner, couldNotStart(entry.desktopFile, error));
                    return false;
                }
            },
            [&](const OpenUrl& open) {
                try {
                    launcher_.openUrl(open.url);
                    return true;
                } catch (const platform::PlatformError&) {
                    report(request.owner, QCoreApplication::translate(
                                              "Vantory", "No application is set up to open \"%1\".")
                                              .arg(open.shownAs));
                    return false;
                }
            },
            [&](const RefuseRequest& refusal) {
                report(request.owner, refusal.message);
                return false;
            },
        },
        action);
}

void DesktopShell::report(QWidget* owner, const QString& text) {
    messages_.show(owner, text, QStringLiteral("Vantory"), platform::MessageButtons::Ok,
                   platform::MessageIcon::Critical);
}

} // namespace launch
