// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {
struct Services;
}

namespace common {

struct CommandContext;
struct Globals;

// The program's plain OK box: no icon, the application title.
void tell(platform::Services& services, const Globals& globals, QWidget* owner,
          const QString& text);

// The plain OK box over the main window, as a command tells the user something.
void tell(CommandContext& context, const QString& text);

// A Yes/No question with no icon and the application title; true for Yes.
bool askYesNo(platform::Services& services, const Globals& globals, QWidget* owner,
              const QString& text);

} // namespace common
