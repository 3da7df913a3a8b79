// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Selection.h"

#include "common/CommandContext.h"
#include "common/Messages.h"

#include <QCoreApplication>

namespace common {

bool categorySelected(CommandContext& context) {
    if (!context.window.nodeIsGroup()) {
        tell(context, QCoreApplication::translate("Vantory", "Please select Categories"));
        return false;
    }
    return true;
}

std::optional<QString> selectedShortcut(CommandContext& context) {
    if (!categorySelected(context)) {
        return std::nullopt;
    }
    std::optional<QString> caption = context.window.selectedCaption();
    if (context.window.entryCount() == 0) {
        return std::nullopt;
    }
    return caption;
}

} // namespace common
