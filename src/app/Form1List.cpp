// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/ShortcutList.h"
#include "common/ColourScheme.h"
#include "common/ErrorText.h"
#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/QtColour.h"
#include "common/ShortcutIcon.h"
#include "groups/GroupCommands.h"
#include "launch/HelpCommand.h"
#include "launch/LaunchCommand.h"
#include "shortcuts/ShortcutCommands.h"
#include "store/Codes.h"
#include "store/Columns.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace app {

void Form1::loadItems() {
    noteSyncChange();
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.loadItems"));
    store::ResultSet rs;
    QTreeWidgetItem* node = selectedNode();
    if (trap.test(102, [&] { return node == nullptr; })) {
        return;
    }
    if (trap.test(104, [&] { return nodeKey(node) == QLatin1String(kRootKey); })) {
        return;
    }
    // The rows are read first and the list is then filled in one step, its updates held: a view
    // shown while entries join it re-arranges itself for each, which grows with the square of
    // their number.
    struct Entry {
        QString caption;
        int image = 0;
        std::optional<QColor> colour;
        QIcon icon;
        std::int16_t kind = 0;
        QString path;
    };
    std::vector<Entry> entries;
    trap.step(106, [&] { list_->clear(); });
    trap.step(108, [&] {
        rs = store::selectItemListOfGroup(globals_.connection(), node->text(0).toStdString());
    });
    entries.reserve(rs.rowCount());
    // A kind or colour that is not a number is told once per fill, not once per value: its row
    // still shows, with the program picture or the default colour.
    QString badValue;
    int badValues = 0;
    const auto number = [&](auto read) -> std::optional<decltype(read())> {
        try {
            return read();
        } catch (const store::StoreError& e) {
            if (badValues++ == 0) {
                badValue = common::errorText(e);
            }
            return std::nullopt;
        }
    };
    QHash<std::pair<std::int16_t, QString>, QIcon> iconsByTarget;
    while (!rs.eof()) {
        // The kind is read once: the picture step uses the value read here.
        std::int16_t kind = store::kind::ShellFile;
        trap.step(112, [&] {
            // A kind that is not a number takes the program picture.
            kind = number([&] {
                       return rs.field(store::column::itemtype).toInt16();
                   }).value_or(store::kind::ShellFile);
        });
        std::optional<Entry> entry;
        trap.step(118, [&] {
            // A kind without a picture gets no entry.
            const int picture = common::kindPicture(kind);
            // Entries of one kind and target share one icon, which is looked up once.
            const std::pair<std::int16_t, QString> target{
                kind, common::fieldText(rs, store::column::itempath)};
            auto shared = iconsByTarget.constFind(target);
            if (shared == iconsByTarget.constEnd()) {
                shared =
                    iconsByTarget.insert(target, common::shortcutIcon(services_.targetIcons, kind,
                                                                      target.second, picture));
            }
            QIcon icon = *shared;
            entry = Entry{common::fieldText(rs, store::column::itemcaption),
                          picture,
                          {},
                          std::move(icon),
                          kind,
                          target.second};
        });
        if (entry) {
            trap.step(120, [&] {
                if (const auto code =
                        number([&] { return rs.field(store::column::itemtextcolor).toInt32(); })) {
                    entry->colour = common::colourFromCode(*code);
                }
            });
            entries.push_back(std::move(*entry));
        }
        trap.step(124, [&] { rs.moveNext(); });
    }
    trap.step(126, [&] {
        if (rs.isOpen()) {
            rs.close();
        }
    });
    // Gone before the list's entries are made, which then take the room it held.
    iconsByTarget.clear();
    markMissingTargets(entries);
    fillList(entries);
    if (badValues > 0) {
        trap.step(128, [&] {
            const int more = badValues - 1;
            const QString others =
                more == 0 ? QString()
                : more == 1
                    ? QCoreApplication::translate(
                          "Vantory", "One more value in this category is not a number either.")
                    : QCoreApplication::translate(
                          "Vantory", "%1 more values in this category are not numbers either.")
                          .arg(more);
            throw store::StoreError(
                (others.isEmpty() ? badValue : badValue + u' ' + others).toStdString());
        });
    }
}

template <class Entries> void Form1::markMissingTargets(Entries& entries) {
    // The file system is asked once for every path, which it may answer a folder at a time.
    QStringList paths;
    std::vector<std::size_t> asked;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (common::kindHasFileTarget(entries[i].kind)) {
            paths << entries[i].path;
            asked.push_back(i);
        }
    }
    if (paths.isEmpty()) {
        return;
    }
    const std::vector<platform::FileKind> found = services_.files.kindsOf(paths);
    QHash<qint64, QIcon> marked; // entries sharing an icon share its marked one
    for (std::size_t n = 0; n < asked.size() && n < found.size(); ++n) {
        auto& entry = entries[asked[n]];
        if (common::targetIsMissing(entry.kind, entry.path, found[n])) {
            auto shared = marked.constFind(entry.icon.cacheKey());
            if (shared == marked.constEnd()) {
                shared =
                    marked.insert(entry.icon.cacheKey(), common::missingTargetIcon(entry.icon));
            }
            entry.icon = *shared;
        }
    }
}

template <class Entries> void Form1::fillList(const Entries& entries) {
    if (entries.empty()) {
        return;
    }
    QStringList captions;
    captions.reserve(static_cast<qsizetype>(entries.size()));
    for (const auto& entry : entries) {
        captions << entry.caption;
    }
    list_->setUpdatesEnabled(false);
    static_cast<ShortcutList*>(list_)->fitCellsTo(captions);
    // Entries mostly share a few colours: one brush serves a run of entries of one colour
    // instead of a new brush per entry, and its colour is made readable once for the run.
    QBrush brush;
    std::optional<QColor> stored;
    const QPalette scheme = QApplication::palette();
    for (const auto& entry : entries) {
        // Made whole before it joins the list, so the list hears of each entry once.
        auto* shown = new ShortcutEntry(entry.icon, entry.caption, entry.image, entry.colour);
        if (entry.colour) {
            if (stored != entry.colour) {
                stored = entry.colour;
                brush = QBrush(common::shownColour(*entry.colour, scheme));
            }
            shown->setForeground(brush);
        }
        list_->addItem(shown);
    }
    list_->setUpdatesEnabled(true);
    list_->viewport()->update();
    // A filled list always has a selected shortcut, the first, so that launching acts without a
    // click first; the view still ends at the last one.
    list_->setCurrentItem(list_->item(0));
    list_->scrollToItem(list_->item(list_->count() - 1));
}

void Form1::ListView1_ItemClick(QListWidgetItem* item) {
    // The click acts on the entry clicked, which also becomes the selected one.
    if (item && list_->currentItem() != item) {
        list_->setCurrentItem(item);
    }
    showEntryDescription(item, QStringLiteral("Form1.ListView1_ItemClick"));
    PushButton7_Click();
}

void Form1::showEntryDescription(QListWidgetItem* item, const QString& location) {
    common::Trap trap(services_.messages, this, location);
    if (list_->count() >= 1) {
        store::ResultSet rs;
        // The shortcut is looked up within the selected category, so that a caption used in two
        // categories shows and launches the one on screen.
        trap.step(100, [&] {
            const std::string caption = item ? item->text().toStdString() : std::string();
            rs = store::selectItemInGroup(globals_.connection(), caption,
                                          selectedNodeText().toStdString());
        });
        trap.step(102, [&] {
            label_->setText(rs.eof() ? QString()
                                     : common::descriptionText(rs, store::column::itemdescription));
        });
        trap.step(104, [&] {
            if (rs.isOpen()) {
                rs.close();
            }
        });
    }
}

void Form1::ScrollToItem(int index) {
    QListWidgetItem* item = list_->item(index - 1);
    if (!item) {
        throw std::out_of_range("Invalid list index");
    }
    list_->scrollToItem(item, QAbstractItemView::PositionAtTop);
    list_->setCurrentItem(item);
    list_->setFocus();
}

void Form1::PushButton1_Click() {
    groups::runAddGroup(commands_);
}

void Form1::PushButton2_Click() {
    groups::runEditGroup(commands_);
}

void Form1::PushButton3_Click() {
    groups::runDeleteGroup(commands_);
}

void Form1::PushButton6_Click() {
    shortcuts::runDeleteSelected(commands_);
}

void Form1::PushButton4_Click() {
    shortcuts::runAddShortcutByExe(commands_);
}

void Form1::PushButton5_Click() {
    shortcuts::runEditSelected(commands_);
}

void Form1::PushButton9_Click() {
    shortcuts::runAddShortcutByLnk(commands_);
}

void Form1::PushButton7_Click() {
    launch::runLaunchCommand(commands_);
}

void Form1::PushButton8_Click() {
    launch::runHelpCommand(services_, this);
}

} // namespace app
