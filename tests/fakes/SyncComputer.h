// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One computer taking part in keeping a catalogue in step: its own catalogue, its own state
// folder and home, and the shared folder that a file-sync program would keep the same.

#include "platform/DesktopSyncFiles.h"
#include "store/Connection.h"
#include "sync/Merge.h"

#include "fakes/TempCatalogue.h"

#include <QTemporaryDir>

#include <chrono>
#include <string>
#include <vector>

namespace fakes {

// The desktop's files with this computer's own state folder, and the chosen folder kept here
// rather than in the user's settings.
class SyncFilesAt : public platform::DesktopSyncFiles {
  public:
    explicit SyncFilesAt(QString stateFolder) : stateFolder_(std::move(stateFolder)) {}
    QString stateFolder() override { return stateFolder_; }
    QString folder() override { return folder_; }
    void setFolder(const QString& folder) override { folder_ = folder; }

  private:
    QString stateFolder_;
    QString folder_;
};

class SyncComputer {
  public:
    SyncComputer(QString shared, QString name, QString home = QStringLiteral("/home/someone"))
        : shared_(std::move(shared)), name_(std::move(name)), home_(std::move(home)),
          files_(state_.path()), db_(catalogue_.open()) {}

    store::Connection& db() { return *db_; }
    // Opens the catalogue again through another SQLite VFS ("" for the default).
    void reopen(const std::string& vfs) {
        db_.reset();
        db_ = std::make_unique<store::Connection>();
        db_->open(catalogue_.path().toStdString(), {.vfs = vfs});
    }
    SyncFilesAt& files() { return files_; }
    QString stateFolder() const { return state_.path(); }
    QString backups() const { return catalogue_.folder() + QStringLiteral("/backups"); }

    // Merges at `minute` minutes past a fixed time, so that stamps are under the test's control.
    vsync::MergeReport merge(int minute) {
        const auto now = std::chrono::system_clock::time_point(std::chrono::hours(24 * 20000)) +
                         std::chrono::minutes(minute);
        return vsync::mergeWithFolder(*db_, files_, {shared_, backups(), home_, name_, now});
    }

    // Every row as text, sorted: "Group|description|picture|colour" and
    // "Group/Caption|description|path|parameters|kind|colour|window".
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (store::ResultSet rs = db_->query(
                 "select groupcaption||'|'||groupdescription||'|'||backgroundimage||'|'||"
                 "grouptextcolor as r from tblGroups union all select "
                 "groupcaption||'/'||itemcaption||"
                 "'|'||itemdescription||'|'||itempath||'|'||itemparameter||'|'||itemtype||'|'||"
                 "itemtextcolor||'|'||openas from tblItems order by 1 collate binary");
             !rs.eof(); rs.moveNext()) {
            out.push_back(rs.field("r").text());
        }
        return out;
    }

  private:
    QString shared_;
    QString name_;
    QString home_;
    TempCatalogue catalogue_;
    QTemporaryDir state_;
    SyncFilesAt files_;
    std::unique_ptr<store::Connection> db_;
};

} // namespace fakes
