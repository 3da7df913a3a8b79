// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/AddFolder.h"

#include "platform/Dialogs.h"

namespace AddFolder {

QString BrowseForFolder(platform::Dialogs& dialogs, QWidget* ownerWindow, const QString& title,
                        const QString& startFolder) {
    return dialogs.chooseFolder(ownerWindow, title, startFolder);
}

} // namespace AddFolder
