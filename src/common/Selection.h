// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace common {

struct CommandContext;

// Whether the tree's selection is a category; when not, the user is told to select one.
bool categorySelected(CommandContext& context);

// The caption of the shortcut a command acts on: none when no category is selected (the user is
// told to select one) or the category shows no selected shortcut.
std::optional<QString> selectedShortcut(CommandContext& context);

} // namespace common
