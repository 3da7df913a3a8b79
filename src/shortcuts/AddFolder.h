// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {
class Dialogs;
}

// The folder picker of the shortcut editor.
namespace AddFolder {

// Shows the desktop's modal folder dialog over ownerWindow, opened at startFolder ("" for
// none). Returns the chosen folder's full path, "" when the user cancelled.
QString BrowseForFolder(platform::Dialogs& dialogs, QWidget* ownerWindow, const QString& title,
                        const QString& startFolder);

} // namespace AddFolder
