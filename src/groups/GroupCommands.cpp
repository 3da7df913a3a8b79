// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupCommands.h"

#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "groups/Form2.h"
#include "groups/GroupStore.h"
#include "store/Statements.h"

#include <QCoreApplication>

namespace groups {

namespace {

// The selected category's position; 0 after telling the user why nothing may be changed: no
// node is selected, or the root is.
int categoryToChange(common::CommandContext& context, const QString& noneSelected,
                     const QString& rootSelected) {
    const int position = context.window.selectedNodePosition();
    if (position == 0 || position == common::MainWindow::kRootPosition) {
        common::tell(context, position == 0 ? noneSelected : rootSelected);
        return 0;
    }
    return position;
}

// Selects the node at a position as a click on it would.
void selectAndShow(common::MainWindow& window, int position) {
    window.selectNode(position);
    window.nodeClick();
}

} // namespace

void runAddGroup(common::CommandContext& context) {
    common::MainWindow& window = context.window;
    common::Trap trap(context.services.messages, window.window(),
                      QStringLiteral("Form1.PushButton1_Click"));
    context.globals.gNewGroupName.clear();
    trap.step(100, [&] {
        Form2 form2(context);
        context.services.modal.showModal(&form2);
    });
    // The name last submitted, whether it was saved or refused; only categories are searched,
    // so a category named like the computer is not mistaken for the root.
    const QString submitted = context.globals.gNewGroupName;
    if (submitted.isEmpty()) {
        return;
    }
    const int count = window.nodeCount();
    for (int position = common::MainWindow::kRootPosition + 1; position <= count; ++position) {
        if (window.nodeText(position) == submitted) {
            trap.step(102, [&] { selectAndShow(window, position); });
            return;
        }
    }
}

void runEditGroup(common::CommandContext& context) {
    const int position = categoryToChange(
        context, QCoreApplication::translate("Vantory", "You must select a group to edit."),
        QCoreApplication::translate("Vantory", "Cannot edit the selected root group"));
    if (position == 0) {
        return;
    }
    common::MainWindow& window = context.window;
    common::Trap trap(context.services.messages, window.window(),
                      QStringLiteral("Form1.PushButton2_Click"));
    store::ResultSet rs;
    trap.step(100, [&] {
        rs = store::selectGroup(context.globals.connection(),
                                window.selectedCategory().toStdString());
    });
    if (!trap.test(102, [&] { return !rs.eof(); })) {
        return;
    }
    trap.step(104, [&] {
        Form2 form2(context);
        form2.loadGroup(rs);
        context.services.modal.showModal(&form2);
    });
    rs.close();
    // Saved or cancelled, the tree is rebuilt; after a rename that moved the category in the
    // sort order, the node now at the old position is the one shown.
    trap.step(106, [&] { window.loadGroups(); });
    trap.step(108, [&] { selectAndShow(window, position); });
}

void runDeleteGroup(common::CommandContext& context) {
    common::MainWindow& window = context.window;
    common::Trap trap(context.services.messages, window.window(),
                      QStringLiteral("Form1.PushButton3_Click"));
    const int position = categoryToChange(
        context, QCoreApplication::translate("Vantory", "You must select a group to delete."),
        QCoreApplication::translate("Vantory", "You cannot delete the selected root group."));
    if (position == 0) {
        return;
    }
    const QString name = window.selectedCategory();
    if (!common::askYesNo(
            context.services, context.globals, window.window(),
            QCoreApplication::translate("Vantory", "Are you sure you want to delete %1?")
                .arg(name))) {
        return;
    }
    // The category and its shortcuts go together or not at all; after a failure nothing changed.
    if (!trap.step(100, [&] { deleteGroupWithShortcuts(context.globals.connection(), name); })) {
        return;
    }
    trap.step(102, [&] { window.loadGroups(); });
    trap.step(104, [&] { window.setDescription(QString()); });
    // The category that followed the deleted one now stands at its position, except when the
    // deleted one was the last or the last but one: then nothing is selected, and the list no
    // longer shows the deleted category's shortcuts.
    if (position < window.nodeCount()) {
        trap.step(106, [&] { selectAndShow(window, position); });
    } else {
        trap.step(108, [&] { window.clearList(); });
    }
}

} // namespace groups
