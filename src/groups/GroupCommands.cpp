#include "groups/GroupCommands.h"

#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "groups/Form2.h"
#include "groups/GroupStore.h"
#include "store/Statements.h"

namespace groups {

namespace {

// The tree's root node stands for the whole catalogue; categories follow it.
constexpr int kRootPosition = 1;

void tell(common::CommandContext& context, const QString& text) {
    common::tell(context.services, context.globals, context.window.window(), text);
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
    for (int position = kRootPosition + 1; position <= count; ++position) {
        if (window.nodeText(position) == submitted) {
            trap.step(102, [&] { selectAndShow(window, position); });
            return;
        }
    }
}

void runEditGroup(common::CommandContext& context) {
    common::MainWindow& window = context.window;
    common::Trap trap(context.services.messages, window.window(),
                      QStringLiteral("Form1.PushButton2_Click"));
    const int position = window.selectedNodePosition();
    if (position == 0) {
        tell(context, QStringLiteral("You must select a group to edit."));
        return;
    }
    if (position == kRootPosition) {
        tell(context, QStringLiteral("Cannot edit the selected root group"));
        return;
    }
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
    const int position = window.selectedNodePosition();
    if (position == 0) {
        tell(context, QStringLiteral("You must select a group to delete."));
        return;
    }
    if (position == kRootPosition) {
        tell(context, QStringLiteral("You cannot delete the selected root group."));
        return;
    }
    const QString name = window.selectedCategory();
    if (!common::askYesNo(context.services, context.globals, window.window(),
                          QStringLiteral("Are you sure you want to delete ") + name +
                              QStringLiteral("?"))) {
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
