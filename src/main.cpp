#include "app/Form1.h"
#include "app/Globals.h"
#include "platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDBusConnection>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    QApplication::setDesktopFileName(QStringLiteral("org.mellovan.Vantory"));

    // A second start brings the running window forward and ends before it opens any window.
    platform::SingleInstance instance(QDBusConnection::sessionBus(),
                                      QApplication::desktopFileName());
    if (instance.handOverToRunning()) {
        return 0;
    }

    platform::DesktopPlatform desktop;

    app::Globals globals;
    app::Form1 form1(desktop.services, globals);
    form1.Form_Load();
    form1.show();
    instance.raiseOnActivate(&form1);
    return QApplication::exec();
}
