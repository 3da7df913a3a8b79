#include "app/Form1.h"
#include "app/Globals.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopImages.h"
#include "platform/DesktopMessageBoxes.h"
#include "platform/DesktopShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    QApplication::setDesktopFileName(QStringLiteral("vantory"));

    platform::DesktopMessageBoxes messages;
    platform::DesktopFileSystem files;
    platform::DesktopEnvironment environment;
    platform::DesktopImages images;
    platform::SystemDesktopShell shell(messages);
    platform::Services services{messages, files, environment, images, shell};

    app::Globals globals;
    app::Form1 form1(services, globals);
    form1.Form_Load();
    form1.show();
    return QApplication::exec();
}
