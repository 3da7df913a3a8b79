// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"

// The category commands of the main window. After each, the category the user is most likely to
// look at next is selected and listed, as a click on it would.
namespace groups {

// Opens the group editor to add a category, then selects the name submitted there.
void runAddGroup(common::CommandContext& context);
// Opens the group editor on the selected category, then selects the node at its old position.
void runEditGroup(common::CommandContext& context);
// Asks, then deletes the selected category with all of its shortcuts.
void runDeleteGroup(common::CommandContext& context);

} // namespace groups
