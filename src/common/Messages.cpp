// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Messages.h"

#include "common/CommandContext.h"
#include "common/Globals.h"
#include "platform/Services.h"

namespace common {

void tell(platform::Services& services, const Globals& globals, QWidget* owner,
          const QString& text) {
    services.messages.show(owner, text, globals.applicationTitle, platform::MessageButtons::Ok,
                           platform::MessageIcon::None);
}

void tell(CommandContext& context, const QString& text) {
    tell(context.services, context.globals, context.window.window(), text);
}

bool askYesNo(platform::Services& services, const Globals& globals, QWidget* owner,
              const QString& text) {
    return services.messages.show(owner, text, globals.applicationTitle,
                                  platform::MessageButtons::YesNo,
                                  platform::MessageIcon::None) == platform::MessageAnswer::Yes;
}

} // namespace common
