// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop/DropCommand.h"

#include "common/ErrorTrap.h"
#include "common/ShortcutIcon.h"
#include "dragdrop/DropBatch.h"
#include "dragdrop/DropHighlight.h"
#include "dragdrop/HitTest.h"
#include "dragdrop/modLVDrag.h"

#include <QListWidget>
#include <optional>

namespace dragdrop {

namespace {

// The hourglass for as long as a drop is being stored.
class BusyPointer {
  public:
    explicit BusyPointer(common::MainWindow& window) : window_(window) {
        window_.showBusyPointer(true);
    }
    ~BusyPointer() { window_.showBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    common::MainWindow& window_;
};

} // namespace

bool dropGoesToACategory(const common::MainWindow& window) {
    // The tree may show no selection while the last node clicked was a category, as after that
    // category's deletion: the files then have no category to go to.
    constexpr int kFirstCategoryPosition = 2;
    return window.nodeIsGroup() && window.selectedNodePosition() >= kFirstCategoryPosition;
}

Qt::DropAction dropEffect(const QMimeData* data, Qt::DropActions offered) {
    if (!offersFileList(data)) {
        return Qt::IgnoreAction;
    }
    if (offered.testFlag(Qt::LinkAction)) {
        return Qt::LinkAction;
    }
    return offered.testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::IgnoreAction;
}

void ListView1_OLEDragOver(QListWidget* list, const QPoint& at) {
    setDropHighlight(list, entryAt(list, at));
}

void ListView1_OLEDragDrop(common::CommandContext& context, QListWidget* list,
                           const QStringList& paths, const QPoint& at,
                           const EntryNameLookup& entryNames) {
    common::Trap trap(context.services.messages, context.window.window(),
                      QStringLiteral("Form1.ListView1_OLEDragDrop"));
    trap.step(100, [&] { modLVDrag::MoveDraggedItem(list, at.x(), at.y()); });
    if (!dropGoesToACategory(context.window) || paths.isEmpty()) {
        return;
    }
    const BusyPointer busy(context.window);
    const std::string group = context.window.selectedCategory().toStdString();
    std::optional<DropBatch> batch;
    trap.step(102, [&] { batch.emplace(context.globals.connection(), group); });
    if (!batch) {
        return;
    }
    const std::vector<std::int16_t> kinds = dropKinds(context.services.files, paths);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        if (!batch->isOpen() && !trap.step(104, [&] { batch->begin(); })) {
            // The catalogue takes no changes now; every other path would fail the same way.
            break;
        }
        QString caption;
        trap.step(106, [&] { caption = dropCaption(path, entryNames); });
        if (path.isEmpty() || !isStorableCaption(caption)) {
            continue;
        }
        const int failuresBefore = trap.failures();
        const std::string captionText = caption.toStdString();
        if (trap.test(108, [&] { return !batch->groupHolds(captionText); })) {
            trap.step(110, [&] {
                batch->insert(captionText, path.toStdString(), kinds[static_cast<std::size_t>(i)]);
            });
        }
        if (trap.failures() != failuresBefore) {
            // A failed statement may have ended the transaction: keep the rows before it now.
            trap.step(112, [&] { batch->commit(); });
        }
    }
    trap.step(114, [&] { batch->commit(); });
    // The list shows what the catalogue now holds, as a fresh fill of the category would.
    if (!batch->stored().empty()) {
        trap.step(116, [&] { context.window.loadItems(); });
    }
}

} // namespace dragdrop
