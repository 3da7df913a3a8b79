#include "app/Form1.h"
#include "common/Globals.h"
#include "platform/DesktopPlatform.h"
#include "platform/ReadyReport.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    QApplication::setDesktopFileName(QStringLiteral("vantory"));

    platform::DesktopPlatform desktop;

    common::Globals globals;
    app::Form1 form1(desktop.services, globals);
    if (!form1.Form_Load()) {
        // Refused at start-up (another Vantory runs): the window never opens.
        return 1;
    }
    platform::reportWhenReady(&form1);
    form1.show();
    return QApplication::exec();
}
