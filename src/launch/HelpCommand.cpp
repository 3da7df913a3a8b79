#include "launch/HelpCommand.h"

#include "common/ErrorTrap.h"
#include "platform/HelpPage.h"

namespace launch {

void runHelpCommand(platform::Services& services, QWidget* owner) {
    common::Trap trap(services.messages, owner, QStringLiteral("Form1.PushButton8_Click"));
    trap.step(100, [&] {
        services.shell.execute(platform::ShellRequest{
            owner, std::nullopt,
            QStringLiteral("\"") + platform::helpPageAddress(services.environment) +
                QStringLiteral("\""),
            std::nullopt, platform::rootFolder(), platform::show::Show});
    });
}

} // namespace launch
