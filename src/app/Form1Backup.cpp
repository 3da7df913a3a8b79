#include "app/Form1.h"
#include "common/Messages.h"
#include "store/Backup.h"
#include "store/StoreError.h"

#include <QTimer>

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
    if (backupDue_) {
        backupDue_ = false;
        QTimer::singleShot(0, this, &Form1::backUpCatalogue);
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
