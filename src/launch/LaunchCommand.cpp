// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/LaunchCommand.h"

#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/Messages.h"
#include "common/Selection.h"
#include "launch/ShowCommand.h"
#include "platform/PlatformError.h"
#include "store/Codes.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <cstdint>

namespace launch {

namespace {

// What the shell is asked to open for a stored shortcut kind. A kind the program does not know
// is launched like a web address, as it always was, and so never starts a program.
constexpr platform::ShellTarget targetForKind(std::int16_t kind) {
    switch (kind) {
    case store::kind::Folder:
        return platform::ShellTarget::Folder;
    case store::kind::Application:
        return platform::ShellTarget::Application;
    case store::kind::Email:
        return platform::ShellTarget::EmailAddress;
    case store::kind::ShellFile:
        return platform::ShellTarget::ShellFile;
    default:
        return platform::ShellTarget::WebAddress;
    }
}

// A target the file system did not answer for in time goes on to the shell, which says so.
bool isFileOrUnanswered(common::CommandContext& context, const QString& path) {
    const platform::FileKind found = context.services.files.kindOf(path);
    return found == platform::FileKind::File || found == platform::FileKind::Unanswered;
}

QString quoted(const QString& text) {
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

} // namespace

bool openThroughShell(platform::Shell& shell, platform::MessageBoxes& messages,
                      const platform::ShellRequest& request) {
    try {
        return shell.execute(request);
    } catch (const platform::PlatformError& error) {
        messages.show(request.owner, QString::fromStdString(error.what()),
                      QStringLiteral("Vantory"), platform::MessageButtons::Ok,
                      platform::MessageIcon::Critical);
        return false;
    }
}

void runLaunchCommand(common::CommandContext& context) {
    QWidget* owner = context.window.window();
    common::Trap trap(context.services.messages, owner, QStringLiteral("Form1.PushButton7_Click"));
    const std::optional<QString> caption = common::selectedShortcut(context);
    if (!caption) {
        return;
    }
    store::ResultSet rs;
    // Looked up within the selected category: the same caption may stand in two categories.
    trap.step(100, [&] {
        rs = store::selectItemInGroup(context.globals.connection(), caption->toStdString(),
                                      context.window.selectedCategory().toStdString());
    });
    trap.step(102, [&] {
        if (rs.eof()) {
            return;
        }
        const std::int16_t kind = rs.field(store::column::itemtype).toInt16();
        const QString path = common::fieldText(rs, store::column::itempath);
        const int show = showCommandFor(rs.field(store::column::openas).toInt32());
        platform::ShellRequest request{owner,
                                       QStringLiteral("open"),
                                       quoted(path),
                                       common::fieldText(rs, store::column::itemparameter),
                                       QString(),
                                       show,
                                       targetForKind(kind)};
        if (kind == store::kind::Email) {
            request.file = QStringLiteral("mailto:") + path;
            request.parameters = QString();
        } else if (kind == store::kind::Folder && !context.services.files.exists(path)) {
            common::tell(context,
                         QCoreApplication::translate(
                             "Vantory", "Path does not exists.\r\nPlease check the path."));
            return;
        } else if (kind == store::kind::Application && !isFileOrUnanswered(context, path)) {
            common::tell(context,
                         QCoreApplication::translate(
                             "Vantory", "File does not exists.\r\nPlease check the file path."));
            return;
        }
        // Only a launch that started something counts; one refused, failed or called off
        // does not move the shortcut up in the finder. Counted as the row spells its names,
        // whatever case the list showed.
        if (!openThroughShell(context.services.shell, context.services.messages, request)) {
            return;
        }
        context.services.launchCounts.noteLaunch(common::fieldText(rs, store::column::groupcaption),
                                                 common::fieldText(rs, store::column::itemcaption));
    });
    trap.step(104, [&] {
        if (rs.isOpen()) {
            rs.close();
        }
    });
}

} // namespace launch
