// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "common/Globals.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopPlatform.h"
#include "platform/DesktopWarmUp.h"
#include "platform/ReadyReport.h"
#include "platform/SingleInstance.h"
#include "store/NameCollator.h"
#include "store/WarmUp.h"

#include <QApplication>
#include <QDBusConnection>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The catalogue's libraries get ready beside the connection to the desktop.
    platform::DesktopWarmUp desktopWarmUp(
        [locale = store::NameCollator::localeFromEnvironment()] { store::warmUp(locale); });
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    QApplication::setDesktopFileName(QStringLiteral("org.mellovan.Vantory"));

    const app::Command command = app::readCommandLine(QApplication::arguments());
    if (command.action == app::Command::Action::Exit) {
        return command.exitCode;
    }
    if (command.action == app::Command::Action::Restore) {
        // Refused, through the catalogue's lock, while a Vantory runs.
        platform::DesktopEnvironment environment;
        return app::restoreFromCommandLine(environment, command.backup);
    }

    // A second start brings the running window forward and ends before it opens any window.
    platform::SingleInstance instance(platform::SingleInstance::runningSessionBus(),
                                      QApplication::desktopFileName());
    if (instance.handOverToRunning()) {
        return 0;
    }

    platform::DesktopPlatform desktop;
    desktopWarmUp.finish();

    common::Globals globals;
    app::Form1 form1(desktop.services, globals);
    if (!form1.Form_Load()) {
        // Refused at start-up (another Vantory runs): the window never opens.
        return 1;
    }
    platform::reportWhenReady(&form1);
    form1.show();
    instance.raiseOnActivate(&form1);
    return QApplication::exec();
}
