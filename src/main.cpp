// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AddInstalledCommandLine.h"
#include "app/CommandLine.h"
#include "app/DesktopPlatform.h"
#include "app/Form1.h"
#include "app/SyncCommandLine.h"
#include "app/Translations.h"
#include "common/Globals.h"
#include "finder/Finder.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopSyncFiles.h"
#include "platform/DesktopWarmUp.h"
#include "platform/GlobalShortcutPortal.h"
#include "platform/InstalledApplications.h"
#include "platform/ReadyReport.h"
#include "platform/SingleInstance.h"
#include "store/NameCollator.h"
#include "store/WarmUp.h"
#include "sync/SyncKeeper.h"

#include <QApplication>
#include <QDBusConnection>
#include <QLocale>
#include <QScopeGuard>
#include <QTimer>

#include <cstdio>

namespace {
// The desktop file's name, which names the program on the session bus too.
constexpr char kApplicationId[] = "org.mellovan.Vantory";
} // namespace

int main(int argc, char* argv[]) {
    // --help, --version and mistakes end here, without a window or the desktop.
    const app::CommandLine commandLine = app::readCommandLine(argc, argv);
    if (commandLine.exitCode) {
        return *commandLine.exitCode;
    }
    if (commandLine.restore) {
        // Needs no window. Refused, through the catalogue's lock, while a Vantory runs.
        platform::DesktopEnvironment environment;
        return app::restoreFromCommandLine(environment, *commandLine.restore);
    }
    if (commandLine.addInstalled) {
        // No window and no display: the desktop's menu and the catalogue are files.
        QCoreApplication application(argc, argv);
        app::loadTranslations(QLocale::system().uiLanguages());
        platform::DesktopEnvironment environment;
        platform::DesktopFileSystem files;
        platform::DesktopApplicationMenu menu;
        return app::addInstalledFromCommandLine(environment, files, menu);
    }
    if (commandLine.syncFolder || commandLine.syncNow) {
        // Needs no window either: the settings and the synced folder are plain files.
        QCoreApplication reader(argc, argv);
        app::loadTranslations(QLocale::system().uiLanguages());
        platform::DesktopSyncFiles sync;
        // A running window holds the catalogue: it is told, and merges itself.
        platform::SingleInstance running(platform::SingleInstance::runningSessionBus(),
                                         QLatin1String(kApplicationId), platform::ComingForward{});
        int status = 0;
        if (commandLine.syncFolder) {
            status = app::chooseSyncFolder(sync, *commandLine.syncFolder);
            if (status == 0) {
                running.tellRunning(QStringLiteral("keep-in-step"), sync.folder());
            }
        }
        if (status == 0 && commandLine.syncNow) {
            if (running.tellRunning(QStringLiteral("merge-now"), QString())) {
                std::puts("The running Vantory merges the catalogue in a moment.");
                return 0;
            }
            platform::DesktopEnvironment environment;
            platform::DesktopFileSystem files;
            status = app::syncFromCommandLine(environment, files, sync);
        }
        return status;
    }
    // The fonts are read, the catalogue's libraries made ready and the session bus asked for
    // while Qt connects to the display.
    platform::DesktopWarmUp desktopWarmUp(
        [] { store::warmUp(store::NameCollator::localeFromEnvironment()); });
    QApplication application(argc, argv);
    // The desktop's language, as its LANGUAGE list orders them; English when none is shipped.
    app::loadTranslations(QLocale::system().uiLanguages());
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    QApplication::setDesktopFileName(QLatin1String(kApplicationId));

    // A second start brings the running window forward and ends before it opens any window.
    platform::SingleInstance instance(platform::SingleInstance::runningSessionBus(),
                                      QApplication::desktopFileName());
    if (instance.handOverToRunning(commandLine.find)) {
        return 0;
    }

    app::DesktopPlatform desktop;
    // While the window is built: the catalogue is opened and its categories read beside it. The
    // window's first pictures get ready on this thread, where they are drawn.
    app::CatalogueAhead catalogueAhead;
    desktopWarmUp.share({[&] { catalogueAhead = app::readCatalogueAhead(desktop.services); }});
    // Whatever ends this block first, the read beside it ends before what it reads into goes.
    const auto readAheadEnded = qScopeGuard([&] { desktopWarmUp.finish(); });

    common::Globals globals;
    // Outlives the window, whose merge at close writes through it.
    platform::DesktopSyncFiles sync;
    app::Form1 form1(desktop.services, globals);
    desktopWarmUp.finish([] { app::Form1::readyFirstPictures(); });
    form1.keepInStepThrough(sync);
    form1.startFrom(std::move(catalogueAhead));
    if (!form1.Form_Load()) {
        // Refused at start-up (another Vantory runs): the window never opens.
        return 1;
    }
    platform::reportWhenReady(&form1);
    platform::DesktopWarmUp::loadImagePluginsOnceShown(&form1);
    form1.show();
    instance.raiseOnActivate(&form1);
    instance.onFind([&form1](const QString& text) {
        form1.openFinder(text);
        platform::reportWhenShown(form1.finder());
    });
    // `vantory --sync-folder DIR` and `--sync-now` while the window runs.
    instance.onQuietAction(QStringLiteral("keep-in-step"),
                           [&form1](const QString& folder) { form1.keepInStepWith(folder); });
    instance.onQuietAction(QStringLiteral("merge-now"), [&form1](const QString&) {
        if (form1.syncKeeper() != nullptr) {
            form1.syncKeeper()->mergeSoon();
        }
    });
    // The finder's key for the whole desktop, where the desktop's portal offers one.
    platform::GlobalShortcutPortal findKey(
        platform::SingleInstance::runningSessionBus(), QApplication::desktopFileName(),
        QCoreApplication::translate("Vantory", "Find a Shortcut"));
    QObject::connect(&findKey, &platform::GlobalShortcutPortal::activated, &instance,
                     [&instance](const QString& token) { instance.find(QString(), token); });
    findKey.bind();
    if (commandLine.find) {
        // Once the window is placed, so that the finder opens over it.
        QTimer::singleShot(0, &form1,
                           [&form1, text = *commandLine.find] { form1.openFinder(text); });
    }
    return QApplication::exec();
}
