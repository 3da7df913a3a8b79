// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"

// The commands of the main window that add, edit and delete shortcuts of the selected category.
namespace shortcuts {

// "Add Shortcut By EXE": the shortcut editor in add mode.
void runAddShortcutByExe(common::CommandContext& context);
// "Add Shortcut By .lnk": the shortcut-file editor in add mode.
void runAddShortcutByLnk(common::CommandContext& context);
// "Edit Selected": the editor that fits the selected shortcut, filled with it.
void runEditSelected(common::CommandContext& context);
// "Delete Selected": removes the selected shortcut once the user agrees.
void runDeleteSelected(common::CommandContext& context);

} // namespace shortcuts
