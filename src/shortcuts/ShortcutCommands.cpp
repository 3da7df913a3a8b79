// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/ShortcutCommands.h"

#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "common/Selection.h"
#include "shortcuts/Form3.h"
#include "shortcuts/Form4.h"
#include "store/Codes.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QCoreApplication>

namespace shortcuts {

namespace {

// The checks both add commands make before they open an editor.
bool mayAdd(common::CommandContext& context) {
    if (!common::categorySelected(context)) {
        return false;
    }
    const int node = context.window.selectedNodePosition();
    if (node == 0) {
        common::tell(context, QCoreApplication::translate("Vantory",
                                                          "You must select a group first to add."));
        return false;
    }
    if (node == common::MainWindow::kRootPosition) {
        common::tell(context,
                     QCoreApplication::translate("Vantory", "Cannot add in the root group."));
        return false;
    }
    return true;
}

template <class Editor> void runAdd(common::CommandContext& context, const QString& location) {
    common::Trap trap(context.services.messages, context.window.window(), location);
    if (!mayAdd(context)) {
        return;
    }
    Editor editor(context);
    editor.mGroupSelected = context.window.selectedCategory();
    trap.step(100, [&] { context.services.modal.showModal(&editor); });
}

// Opens the editor of the row's kind on the row, shows it and reselects the list position.
template <class Editor>
void editInEditor(common::CommandContext& context, common::Trap& trap, const store::ResultSet& rs,
                  int position, int showLabel) {
    Editor editor(context);
    editor.loadShortcut(rs, trap);
    trap.step(showLabel, [&] { context.services.modal.showModal(&editor); });
    trap.step(showLabel + 2, [&] { context.window.ScrollToItem(position); });
}

} // namespace

void runAddShortcutByExe(common::CommandContext& context) {
    runAdd<Form3>(context, QStringLiteral("Form1.PushButton4_Click"));
}

void runAddShortcutByLnk(common::CommandContext& context) {
    runAdd<Form4>(context, QStringLiteral("Form1.PushButton9_Click"));
}

void runEditSelected(common::CommandContext& context) {
    common::MainWindow& window = context.window;
    common::Trap trap(context.services.messages, window.window(),
                      QStringLiteral("Form1.PushButton5_Click"));
    const std::optional<QString> caption = common::selectedShortcut(context);
    if (!caption) {
        return;
    }
    const int position = window.selectedEntryPosition();
    store::ResultSet rs;
    // Looked up within the selected category: the same caption may stand in two categories.
    trap.step(102, [&] {
        rs = store::selectItemInGroup(context.globals.connection(), caption->toStdString(),
                                      window.selectedCategory().toStdString());
    });
    if (rs.isOpen() && !rs.eof()) {
        if (trap.test(104, [&] {
                return rs.field(store::column::itemtype).toInt16() == store::kind::ShellFile;
            })) {
            editInEditor<Form4>(context, trap, rs, position, 124);
        } else {
            editInEditor<Form3>(context, trap, rs, position, 150);
        }
    }
    trap.step(160, [&] {
        if (rs.isOpen()) {
            rs.close();
        }
    });
}

void runDeleteSelected(common::CommandContext& context) {
    common::MainWindow& window = context.window;
    common::Trap trap(context.services.messages, window.window(),
                      QStringLiteral("Form1.PushButton6_Click"));
    if (!common::categorySelected(context)) {
        return;
    }
    const int node = window.selectedNodePosition();
    if (node == 0 || node == common::MainWindow::kRootPosition) {
        common::tell(context, QCoreApplication::translate(
                                  "Vantory", "You must select a group first to delete item."));
        return;
    }
    const std::optional<QString> caption = window.selectedCaption();
    if (window.entryCount() == 0 || !caption) {
        return;
    }
    const platform::MessageAnswer answer = context.services.messages.show(
        window.window(),
        QCoreApplication::translate("Vantory", "Are you sure you want to delete %1?").arg(*caption),
        QCoreApplication::translate("Vantory", "Delete Application"),
        platform::MessageButtons::YesNo, platform::MessageIcon::None);
    if (answer != platform::MessageAnswer::Yes) {
        return;
    }
    trap.step(108, [&] {
        store::deleteItem(context.globals.connection(), window.selectedCategory().toStdString(),
                          caption->toStdString());
    });
    trap.step(110, [&] { window.loadItems(); });
}

} // namespace shortcuts
