// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"
#include "app/Form1.h"
#include "common/ColourScheme.h"
#include "common/ErrorTrap.h"
#include "common/ImageLists.h"
#include "common/MainHelpers.h"
#include "common/Messages.h"
#include "common/Painting.h"
#include "store/StoreError.h"
#include "sync/SyncKeeper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

#include <QCoreApplication>

namespace app {

bool Form1::Form_Load() {
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.Form_Load"));
    platform::FileSystem& files = services_.files;
    platform::Environment& env = services_.environment;
    const QString base = Main::SpecialFolderPath(env, platform::kCommonAppDataFolder);
    const QString data = dataFolder(env);
    const QString catalogue = catalogueFile(env);
    const QString program = env.programFolder();

    if (trap.test(100, [&] { return !files.exists(base + QStringLiteral("/Mellovan")); })) {
        trap.step(102, [&] { files.createFolder(base + QStringLiteral("/Mellovan")); });
    }
    if (trap.test(104, [&] { return !files.exists(data); })) {
        trap.step(106, [&] { files.createFolder(data); });
    }
    if (trap.test(108, [&] { return !Main::FileExists(files, catalogue); })) {
        const QString applications = program + QStringLiteral("/dbApplications.mdb");
        const QString blank = program + QStringLiteral("/dbBlank.mdb");
        if (trap.test(110, [&] { return Main::FileExists(files, applications); })) {
            trap.step(112, [&] { files.copyFile(applications, catalogue); });
        } else if (trap.test(114, [&] { return Main::FileExists(files, blank); })) {
            trap.step(116, [&] { files.copyFile(blank, catalogue); });
        }
    }
    if (trap.test(118, [&] { return !Main::FileExists(files, catalogue); })) {
        trap.step(120, [&] {
            services_.messages.show(
                this,
                QCoreApplication::translate(
                    "Vantory",
                    "Database file does not exist. Please contact author for more info."),
                globals_.applicationTitle, platform::MessageButtons::Ok,
                platform::MessageIcon::None);
        });
        return true;
    }
    // Only a regular file is opened: opening a named pipe would wait for a writer for ever, and
    // a socket or a device is no catalogue either.
    if (!files.isNormalFile(catalogue)) {
        common::tell(services_, globals_, this,
                     QCoreApplication::translate(
                         "Vantory", "The catalogue %1 is not a regular file, so Vantory cannot "
                                    "open it. Move it out of the way and start Vantory again.")
                         .arg(catalogue));
        return true;
    }

    trap.step(122, [&] {
        globals_.gConnection = ahead_.connection ? std::move(ahead_.connection)
                                                 : std::make_unique<store::Connection>();
    });
    bool heldByAnother = false;
    bool damaged = false;
    trap.step(124, [&] {
        try {
            if (!globals_.gConnection->isOpen()) {
                globals_.connection().open(catalogue.toStdString(), startUpOpenOptions());
            }
        } catch (const store::CatalogueInUse&) {
            heldByAnother = true;
            throw;
        }
        damaged = globals_.gConnection->isDamaged();
        if (globals_.gConnection->isReadOnly() && !damaged) {
            throw store::StoreError(
                QCoreApplication::translate("Vantory", "The catalogue file %1 is read-only. "
                                                       "Vantory shows it, but cannot save changes.")
                    .arg(catalogue)
                    .toStdString());
        }
        if (globals_.gConnection->isFolderReadOnly() && !damaged) {
            throw store::StoreError(
                QCoreApplication::translate(
                    "Vantory", "The folder %1 that holds the catalogue is read-only. Vantory "
                               "shows the catalogue, but cannot save changes.")
                    .arg(data)
                    .toStdString());
        }
    });
    if (heldByAnother) {
        // The other Vantory is the one in use; this one ends once the user has read why.
        globals_.gConnection.reset();
        return false;
    }
    if (!globals_.gConnection || !globals_.gConnection->isOpen()) {
        offerRestoreOfUnreadableCatalogue(catalogue);
    }
    trap.step(126, [&] { Main::ApplySkin(files, program, this); });
    trap.step(128, [&] {
        setWindowTitle(QStringLiteral("Vantory"));
        setWindowIcon(common::productIcon());
        globals_.applicationTitle = Main::ShortenTitle(QStringLiteral("Vantory"));
    });
    const QString handCursor = program + QStringLiteral("/HAND-M.CUR");
    if (trap.test(130, [&] { return Main::FileExists(files, handCursor); })) {
        trap.step(132, [&] { customCursor_ = services_.images.loadCursor(handCursor); });
    }
    showCatalogueFromTheRoot();
    if (globals_.gConnection && globals_.gConnection->isDamaged()) {
        tellDamagedCatalogue();
    }
    trap.step(160, [&] {
        common::paintBackground(label_, common::windowBackground(QApplication::palette()));
    });
    // The backup waits until the window has been painted and the pages checked, so that it
    // never delays the window and never copies a damaged file.
    backupDue_ = true;
    return true;
}

void Form1::closeEvent(QCloseEvent* event) {
    if (keeper_ != nullptr) {
        keeper_->mergeAtClose();
    }
    Form_QueryUnload();
    event->accept();
    CloseAllForms();
}

void Form1::showEvent(QShowEvent* event) {
    // The window opens in the middle of its screen the first time it is shown, its frame now
    // included.
    if (!centred_) {
        centred_ = true;
        centreOnScreen();
    }
    QWidget::showEvent(event);
}

void Form1::Form_QueryUnload() {
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.Form_QueryUnload"));
    trap.step(100, [&] {
        if (globals_.gConnection && globals_.gConnection->isOpen()) {
            globals_.gConnection->close();
        }
    });
    trap.step(102, [&] { globals_.gConnection.reset(); });
    trap.step(104, [] { QCoreApplication::processEvents(); });
    trap.step(106, [] { QCoreApplication::processEvents(); });
}

void Form1::CloseAllForms() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    QCoreApplication::quit();
}

} // namespace app
