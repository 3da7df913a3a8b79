#pragma once

#include "app/Globals.h"
#include "platform/Services.h"

#include <QString>
#include <optional>

class QWidget;

namespace launch {

// What the launch command needs of the main window.
struct LaunchContext {
    platform::Services& services;
    app::Globals& globals;
    QWidget* owner;
    bool nodeIsGroup = false;
    int entryCount = 0;
    std::optional<QString> selectedCaption;
    QString selectedGroup;
};

// Opens the selected shortcut's target through the desktop shell.
void runLaunchCommand(const LaunchContext& context);

} // namespace launch
