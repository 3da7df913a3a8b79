#include "app/Form1.h"
#include "dragdrop/ListDragDrop.h"

#include <QListWidget>

namespace app {

void Form1::connectDragDrop() {
    // TODO(integration): look the name up with services_.entryNames once the platform has it.
    auto noEntryNames = [](const QString&) -> std::optional<QString> { return std::nullopt; };
    listDragDrop_ = new dragdrop::ListDragDrop(list_, commands_, noEntryNames);
}

void Form1::showBusyPointer(bool busy) {
    setMousePointer(busy ? MousePointer::Hourglass : MousePointer::Default);
}

} // namespace app
