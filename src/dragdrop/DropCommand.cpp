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

// New entries go at the end, each with its target's own icon, until the list is next filled and
// sorts them in. They are added in one go so that a large drop lays the list out once.
void appendEntries(QListWidget* list, const std::vector<DroppedRow>& rows,
                   platform::TargetIcons& icons) {
    if (rows.empty()) {
        return;
    }
    QStringList captions;
    captions.reserve(static_cast<qsizetype>(rows.size()));
    for (const DroppedRow& row : rows) {
        captions << QString::fromStdString(row.caption);
    }
    list->setUpdatesEnabled(false);
    const int first = list->count();
    list->addItems(captions);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DroppedRow& row = rows[i];
        list->item(first + static_cast<int>(i))
            ->setIcon(common::shortcutIcon(icons, row.kind, QString::fromStdString(row.path),
                                           common::kindPicture(row.kind)));
    }
    list->setUpdatesEnabled(true);
}

} // namespace

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
    if (!context.window.nodeIsGroup() || paths.isEmpty()) {
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
    // Only shortcuts that were stored are listed.
    trap.step(116, [&] { appendEntries(list, batch->stored(), context.services.targetIcons); });
}

} // namespace dragdrop
