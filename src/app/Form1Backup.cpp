#include "app/Form1.h"
#include "common/Messages.h"
#include "store/Backup.h"
#include "store/StoreError.h"

#include "common/ErrorTrap.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <chrono>
#include <filesystem>

namespace app {

namespace {

// How many rolling backups the backups folder keeps.
constexpr std::size_t kBackupsKept = 7;

std::filesystem::path backupFolderOf(const store::Connection& db) {
    return std::filesystem::path(db.path()).parent_path() / "backups";
}

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

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

void Form1::showCatalogueFromTheRoot() {
    // Start-up's own steps, reported under start-up's name.
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.Form_Load"));
    trap.step(152, [&] { loadGroups(); });
    if (trap.test(154, [&] { return tree_->topLevelItemCount() >= 1; })) {
        QTreeWidgetItem* root = nullptr;
        trap.step(156, [&] {
            root = tree_->topLevelItem(0);
            const QSignalBlocker quiet(tree_);
            tree_->setCurrentItem(root);
        });
        trap.step(158, [&] { TreeView1_NodeClick(selectedNode()); });
    }
}

void Form1::backUpCatalogue() {
    store::Connection* db = globals_.gConnection.get();
    // A damaged catalogue is never copied: its copy would push the good backups out.
    if (db == nullptr || !db->isOpen() || db->isDamaged()) {
        return;
    }
    QString failure;
    try {
        store::makeRollingBackup(*db, backupFolderOf(*db), std::chrono::system_clock::now(),
                                 kBackupsKept);
        return;
    } catch (const store::StoreError& e) {
        failure = QString::fromStdString(e.what());
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    }
    common::tell(services_, globals_, this,
                 QStringLiteral("Vantory could not back up the catalogue into %1.\n\n%2\n\nThe "
                                "catalogue itself is unchanged.")
                     .arg(fromPath(backupFolderOf(*db)), failure));
}

void Form1::tellDamagedCatalogue() {
    const store::Connection& db = globals_.connection();
    const std::filesystem::path newest = store::newestBackup(
        backupFolderOf(db), std::filesystem::path(db.path()).filename().string());
    const QString catalogue = QString::fromStdString(db.path());
    QString text = QString::fromStdString(db.damageReport()) +
                   QStringLiteral("\n\nVantory shows what can still be read.\n\n");
    if (newest.empty()) {
        text += QStringLiteral("There is no backup of the catalogue in %1.")
                    .arg(fromPath(backupFolderOf(db)));
    } else {
        text += QStringLiteral("The newest backup is %1.\nTo restore it, close Vantory and copy "
                               "the backup over %2.")
                    .arg(fromPath(newest), catalogue);
    }
    common::tell(services_, globals_, this, text);
}

} // namespace app
