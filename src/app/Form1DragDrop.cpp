// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "dragdrop/ListDragDrop.h"

#include <QListWidget>

namespace app {

void Form1::connectDragDrop() {
    // A dropped desktop entry is named by its Name key, as the shortcut-file editor names it.
    auto entryName = [this](const QString& path) { return services_.entryNames.displayName(path); };
    listDragDrop_ = new dragdrop::ListDragDrop(list_, commands_, entryName);
}

} // namespace app
