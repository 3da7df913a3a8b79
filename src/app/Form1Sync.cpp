// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the catalogue in step with other computers, as the main window offers it.
#include "app/Form1.h"
#include "common/Messages.h"
#include "platform/SyncFiles.h"
#include "sync/SyncKeeper.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QTreeWidget>

namespace app {

void Form1::keepInStepThrough(platform::SyncFiles& files) {
    vsync::SyncKeeper::Hooks hooks;
    hooks.catalogue = [this] { return globals_.gConnection.get(); };
    hooks.busy = [] { return QApplication::activeModalWidget() != nullptr; };
    hooks.reload = [this] {
        // What was shown is shown again where it still is; else the root, as at start-up.
        const bool onCategory = mNodeIsGroup;
        const QString category = selectedCategory();
        const QString caption = selectedCaption().value_or(QString());
        showCatalogueFromTheRoot();
        if (onCategory) {
            showShortcut(category, caption);
        }
    };
    hooks.tell = [this](const QString& text) { common::tell(services_, globals_, this, text); };
    hooks.merged = [this] {
        if (QTreeWidgetItem* root = tree_->topLevelItem(0)) {
            root->setToolTip(0, rootHover());
        }
    };
    keeper_ = new vsync::SyncKeeper(files, services_.environment, std::move(hooks), this);
}

void Form1::fillSyncMenu(QMenu& menu) {
    if (keeper_ == nullptr) {
        return;
    }
    menu.addSeparator();
    menu.addAction(
        QCoreApplication::translate("Vantory", "Keep in Step with a Folder\u2026"), this, [this] {
            const QString folder = services_.dialogs.chooseFolder(
                this, QCoreApplication::translate("Vantory", "Keep in Step with a Folder"),
                QString());
            if (!folder.isEmpty()) {
                keepInStepWith(folder);
            }
        });
    QAction* stop = menu.addAction(QCoreApplication::translate("Vantory", "Stop Keeping in Step"),
                                   this, [this] { keepInStepWith(QString()); });
    stop->setEnabled(keeper_->keepsInStep());
}

void Form1::keepInStepWith(const QString& folder) {
    if (keeper_ == nullptr) {
        return;
    }
    keeper_->keepInStepWith(folder);
    if (QTreeWidgetItem* root = tree_->topLevelItem(0)) {
        root->setToolTip(0, rootHover());
    }
}

QString Form1::rootHover() const {
    return keeper_ != nullptr ? keeper_->hoverText() : QString();
}

void Form1::noteSyncChange() {
    if (keeper_ != nullptr) {
        keeper_->noteChange();
    }
}

} // namespace app
