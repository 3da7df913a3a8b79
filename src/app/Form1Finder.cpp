// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/PhysicalKeys.h"
#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <algorithm>

namespace app {

namespace {

// A key that types something other than white space, with no Ctrl, Alt or Meta held.
bool typesText(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key.text();
    return !text.isEmpty() && std::all_of(text.begin(), text.end(),
                                          [](QChar c) { return c.isPrint() && !c.isSpace(); });
}

} // namespace

bool Form1::handleFinderKey(QObject* watched, QKeyEvent* key) {
    const Qt::KeyboardModifiers shift = key->modifiers() & ~Qt::KeypadModifier;
    if (shift == Qt::ControlModifier && isLetterKey(*key, Qt::Key_F)) {
        openFinder(QString());
        return true;
    }
    if ((watched == tree_ || watched == list_) && typesText(*key)) {
        openFinder(key->text());
        return true;
    }
    return false;
}

finder::FinderCatalogue& Form1::finderCatalogueMade() {
    if (finderCatalogue_ == nullptr) {
        finderCatalogue_ = new finder::FinderCatalogue(this);
        connect(finderCatalogue_, &finder::FinderCatalogue::built, this,
                [this](const QString& failure) { takeFinderCatalogue(failure); });
    }
    return *finderCatalogue_;
}

void Form1::prepareFinderCatalogue() {
    store::Connection* db = globals_.gConnection.get();
    if (db != nullptr && db->isOpen() && !db->isDamaged()) {
        finderCatalogueMade().refresh(*db);
    }
}

void Form1::takeFinderCatalogue(const QString& failure) {
    if (finder_ == nullptr) {
        return; // read ahead of the finder: it takes the copy when it opens
    }
    if (finder_->isHidden()) {
        // Read ahead while the finder was closed: a failure is told when the finder opens and
        // reads again; the copy it held is gone.
        finder_->setIndex(nullptr);
        return;
    }
    if (!failure.isEmpty()) {
        finder_->close();
        common::tell(services_, globals_, this, failure);
        return;
    }
    if (finder::FinderIndex* index = finderCatalogue_->index()) {
        index->setLaunchCounts(services_.launchCounts.all());
    }
    finder_->setIndex(finderCatalogue_->index());
}

void Form1::openFinder(const QString& text) {
    if (finder_ == nullptr) {
        // Made when first wanted, so that start-up does nothing for it.
        finder_ = new finder::Finder(this, services_.targetIcons, services_.files);
        // The window's keys reach the field too: Ctrl+L launches the row chosen there.
        finder_->field()->installEventFilter(this);
        connect(finder_, &finder::Finder::closed, this, [this] {
            if (focusBeforeFinder_) {
                focusBeforeFinder_->setFocus();
            }
        });
        connect(finder_, &finder::Finder::chosen, this,
                [this](std::size_t shortcut, bool launch) { takeFinderChoice(shortcut, launch); });
    }
    // The control of this window that had the focus, whether or not the window is active.
    if (!finder_->isVisible()) {
        focusBeforeFinder_ = focusWidget();
    }

    common::Trap trap(services_.messages, this, QStringLiteral("Form1.openFinder"));
    if (!trap.step(100, [&] { finderCatalogueMade().refresh(globals_.connection()); })) {
        return;
    }
    finder::FinderIndex* index = finderCatalogue_->index();
    if (index != nullptr) {
        index->setLaunchCounts(services_.launchCounts.all());
    }
    finder_->setIndex(index);
    finder_->open(text);
}

void Form1::takeFinderChoice(std::size_t shortcut, bool launch) {
    finder::FinderIndex* index = finderCatalogue_->index();
    if (index == nullptr || shortcut >= index->size()) {
        return;
    }
    const store::ShortcutSummary& chosen = index->shortcut(shortcut);
    // Launching goes through the list as a click would, so the same checks and messages apply;
    // a shortcut no longer in the catalogue is neither shown nor launched.
    if (showShortcut(QString::fromStdString(chosen.category),
                     QString::fromStdString(chosen.caption)) &&
        launch) {
        PushButton7_Click();
    }
}

bool Form1::showShortcut(const QString& category, const QString& caption) {
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    QTreeWidgetItem* node = nullptr;
    for (int i = 0; root != nullptr && i < root->childCount() && node == nullptr; ++i) {
        if (root->child(i)->text(0) == category) {
            node = root->child(i);
        }
    }
    if (node == nullptr) {
        return false;
    }
    tree_->setCurrentItem(node);
    tree_->scrollToItem(node);
    TreeView1_NodeClick(node);
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* entry = list_->item(i);
        if (entry->text() == caption) {
            list_->setCurrentItem(entry);
            list_->scrollToItem(entry);
            list_->setFocus();
            // As a click on the entry shows it, rather than the category's.
            showEntryDescription(entry, QStringLiteral("Form1.showShortcut"));
            return true;
        }
    }
    return false;
}

} // namespace app
