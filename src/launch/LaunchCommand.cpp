#include "launch/LaunchCommand.h"

#include "app/ErrorTrap.h"
#include "app/FieldText.h"
#include "launch/ShowCommand.h"
#include "store/Codes.h"
#include "store/Statements.h"

namespace launch {

namespace {

void tell(const LaunchContext& context, const QString& text) {
    context.services.messages.show(context.owner, text, context.globals.applicationTitle,
                                   platform::MessageButtons::Ok, platform::MessageIcon::None);
}

QString quoted(const QString& text) {
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

} // namespace

void runLaunchCommand(const LaunchContext& context) {
    app::Trap trap(context.services.messages, context.owner,
                   QStringLiteral("Form1.PushButton7_Click"));
    if (!context.nodeIsGroup) {
        tell(context, QStringLiteral("Please select Categories"));
        return;
    }
    if (context.entryCount == 0 || !context.selectedCaption) {
        return;
    }
    store::ResultSet rs;
    // Looked up within the selected category: the same caption may stand in two categories.
    trap.step(100, [&] {
        rs = store::selectItemInGroup(context.globals.connection(),
                                      context.selectedCaption->toStdString(),
                                      context.selectedGroup.toStdString());
    });
    trap.step(102, [&] {
        if (rs.eof()) {
            return;
        }
        const std::int16_t kind = rs.field("itemtype").toInt16();
        const QString path = app::fieldText(rs, "itempath");
        const int show = showCommandFor(rs.field("openas").toInt32());
        platform::ShellRequest request{context.owner, QStringLiteral("open"),
                                       quoted(path),  app::fieldText(rs, "itemparameter"),
                                       QString(),     show};
        if (kind == store::kind::Email) {
            request.file = QStringLiteral("mailto:") + path;
            request.parameters = QString();
        } else if (kind == store::kind::Folder && !context.services.files.exists(path)) {
            tell(context, QStringLiteral("Path does not exists.\r\nPlease check the path."));
            return;
        } else if (kind == store::kind::Application && !context.services.files.isNormalFile(path)) {
            tell(context, QStringLiteral("File does not exists.\r\nPlease check the file path."));
            return;
        }
        context.services.shell.execute(request);
    });
    trap.step(104, [&] {
        if (rs.isOpen()) {
            rs.close();
        }
    });
}

} // namespace launch
