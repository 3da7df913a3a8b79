// SPDX-License-Identifier: GPL-3.0-or-later
// Once the window has painted: the check of the catalogue's pages beside it, then the start-up
// backup and the check of names, which wait for the check's verdict.
#include "app/Form1.h"
#include "common/ErrorTrap.h"
#include "common/ImageLists.h"
#include "store/Connection.h"
#include "sync/SyncKeeper.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

namespace app {

void Form1::readyFirstPictures() {
    const QIcon icon = common::productIcon();
    for (const QSize& offered : icon.availableSizes()) {
        icon.pixmap(offered);
    }
    // The tree's icon size.
    for (const int picture : {1, 2}) {
        common::imageListIcon(picture).pixmap(16);
    }
}

void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &Form1::afterFirstPaint);
    }
}

void Form1::afterFirstPaint() {
    store::Connection* db = globals_.gConnection.get();
    if (db != nullptr && db->isOpen()) {
        // The window hears, on its own thread, when the check has ended.
        db->startPageCheck([window = QPointer<Form1>(this)] {
            QMetaObject::invokeMethod(
                qApp,
                [window] {
                    if (window) {
                        window->takePageCheck();
                    }
                },
                Qt::QueuedConnection);
        });
    }
    backUpWhenDue();
}

void Form1::backUpWhenDue() {
    const store::Connection* db = globals_.gConnection.get();
    if (!backupDue_ || (db != nullptr && db->pageCheckPending())) {
        return;
    }
    backupDue_ = false;
    backUpCatalogue();
    // Names are checked once the window shows and the catalogue is backed up: reading every
    // name of a large catalogue must not hold the window back.
    repairNamesAtOpen();
    // Other computers' changes are merged only into a catalogue that is backed up.
    if (keeper_ != nullptr) {
        keeper_->start();
    }
    // The window is idle now: the finder's copy is read beside it.
    prepareFinderCatalogue();
}

void Form1::takePageCheck() {
    store::Connection* db = globals_.gConnection.get();
    if (db == nullptr || !db->pageCheckPending()) {
        return; // closed meanwhile, or a write already took the result
    }
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.takePageCheck"));
    trap.step(100, [&] { db->settlePageCheck(); });
    if (db->isDamaged()) {
        // What was shown came from a file now known to be damaged: show again what the
        // read-only file still gives, then say why.
        showCatalogueFromTheRoot();
        tellDamagedCatalogue();
    } else if (!db->isOpen()) {
        // Too damaged to read at all (the trap has told why): nothing is left to show.
        tree_->clear();
        TreeView1_NodeClick(nullptr);
    }
    backUpWhenDue();
}

} // namespace app
