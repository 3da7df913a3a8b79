// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/HelpCommand.h"

#include "common/ErrorTrap.h"
#include "launch/HelpPage.h"
#include "launch/LaunchCommand.h"

namespace launch {

void runHelpCommand(platform::Services& services, QWidget* owner) {
    common::Trap trap(services.messages, owner, QStringLiteral("Form1.PushButton8_Click"));
    trap.step(100, [&] {
        openThroughShell(
            services.shell, services.messages,
            platform::ShellRequest{
                owner, std::nullopt,
                QStringLiteral("\"") + helpPageAddress(services.environment) + QStringLiteral("\""),
                std::nullopt, rootFolder(), platform::show::Show, platform::ShellTarget::HelpPage});
    });
}

} // namespace launch
