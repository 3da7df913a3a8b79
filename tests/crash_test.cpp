// SPDX-License-Identifier: GPL-3.0-or-later
// Crashes lose nothing: the real main window drops 1,000 files onto a category and is killed
// with SIGKILL at random moments, during start-up, its backup or the drop. After every kill the
// catalogue opens, passes SQLite's integrity check, and every row in it is whole.

#include "store/Backup.h"
#include "store/Connection.h"
#include "store/Rows.h"
#include "store/Statements.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <set>
#include <signal.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kKills = 20;

class Crashes : public ::testing::Test {
  protected:
    Crashes() {
        QDir(root.path()).mkpath("xdg/Mellovan/Vantory");
        QDir(root.path()).mkpath("config");
        QFile::copy(QStringLiteral(VANTORY_BUILD_DIR "/dbBlank.mdb"), catalogue());
        QFile::setPermissions(catalogue(), QFile::ReadOwner | QFile::WriteOwner);
        store::Connection db;
        db.open(catalogue().toStdString());
        store::insertGroup(db, store::GroupRow{"Dropped", "Files dropped here", "", 0});
    }

    QString catalogue() const { return root.filePath("xdg/Mellovan/Vantory/dbData.mdb"); }

    // Makes the files of one run, each a real file, and the listing the program reads. Their
    // names differ from run to run: a category holds each caption once.
    QString filesOfRun(int run) {
        const QString folder = root.filePath(QStringLiteral("files/run%1").arg(run));
        QDir().mkpath(folder);
        QFile listing(folder + ".txt");
        listing.open(QIODevice::WriteOnly);
        for (int i = 0; i < kFiles; ++i) {
            const QString path =
                folder +
                QStringLiteral("/run %1 document %2.txt").arg(run).arg(i, 4, 10, QChar('0'));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write("x");
            listing.write(path.toUtf8() + '\n');
            dropped.insert(path.toStdString());
        }
        return listing.fileName();
    }

    void startProgram(QProcess& program, const QString& listing) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", root.filePath("xdg"));
        env.insert("XDG_CONFIG_HOME", root.filePath("config"));
        env.remove("VANTORY_REPORT_READY");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::SeparateChannels);
        program.start(QStringLiteral(VANTORY_BUILD_DIR "/drop_and_die"), {listing});
        ASSERT_TRUE(program.waitForStarted(10000));
    }

    // Opens the catalogue as the next start would and checks it through: sound, and every row
    // exactly what a drop writes. The number of shortcuts it holds, -1 when it is damaged.
    int checkCatalogue(const std::string& context) {
        store::Connection db;
        try {
            db.open(catalogue().toStdString());
        } catch (const std::exception& e) {
            ADD_FAILURE() << context << ": the catalogue does not open: " << e.what();
            return -1;
        }
        auto check = db.query("PRAGMA integrity_check");
        const std::string integrity = check.eof() ? "" : check.field("integrity_check").text();
        if (db.isDamaged() || integrity != "ok") {
            ADD_FAILURE() << context << ": damaged: " << integrity << " " << db.damageReport();
            return -1;
        }
        EXPECT_EQ(store::selectAllGroups(db).rowCount(), 1u) << context;
        int rows = 0;
        std::set<std::string> paths;
        for (auto rs = db.query("select * from tblItems"); !rs.eof(); rs.moveNext()) {
            ++rows;
            const store::ItemRow row = store::readItemRow(rs);
            const std::string name = row.itempath.substr(row.itempath.rfind('/') + 1);
            const store::ItemRow expected{
                "Dropped", name.substr(0, name.size() - 4), " ", row.itempath, " ", 5, 0, 0};
            EXPECT_EQ(row, expected) << context << ": a row not whole";
            EXPECT_TRUE(dropped.count(row.itempath)) << context << ": " << row.itempath;
            EXPECT_TRUE(paths.insert(row.itempath).second)
                << context << ": twice: " << row.itempath;
            if (row != expected) {
                return -1;
            }
        }
        // Every backup left behind is a sound catalogue too.
        for (const auto& backup : store::listBackups(
                 std::filesystem::path(catalogue().toStdString()).parent_path() / "backups")) {
            store::Connection copy;
            EXPECT_NO_THROW(copy.open(backup.string())) << context << ": " << backup;
            EXPECT_FALSE(copy.isDamaged()) << context << ": " << backup;
        }
        return rows;
    }

    QTemporaryDir root;
    std::set<std::string> dropped;
};

TEST_F(Crashes, KillingVantoryAtAnyMomentOfADropLosesNothing) {
    // One run to the end tells how long a start and a drop take here.
    QElapsedTimer clock;
    qint64 wholeRun = 0;
    qint64 dropToEnd = 0;
    {
        QProcess program;
        clock.start();
        startProgram(program, filesOfRun(0));
        ASSERT_TRUE(program.waitForReadyRead(60000));
        const qint64 dropping = clock.elapsed();
        ASSERT_TRUE(program.waitForFinished(60000));
        wholeRun = clock.elapsed();
        dropToEnd = wholeRun - dropping;
        ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        ASSERT_TRUE(program.readAllStandardOutput().contains("dropped"));
    }
    ASSERT_EQ(checkCatalogue("the run to the end"), kFiles);

    std::mt19937 random(20261208);
    int kills = 0;
    int damaged = 0;
    int duringDrop = 0;
    int rowsBefore = kFiles;
    int dropsStored = 0;
    for (int run = 1; run <= kKills; ++run) {
        const std::string context = "kill " + std::to_string(run);
        QProcess program;
        startProgram(program, filesOfRun(run));
        // Half the kills come at any moment of the run, half while the drop is under way.
        if (run % 2 == 0) {
            ASSERT_TRUE(program.waitForReadyRead(60000)) << context;
            ASSERT_TRUE(program.readAllStandardOutput().contains("dropping")) << context;
            ++duringDrop;
        }
        // A little beyond the end, so that some kills come after the drop was stored.
        std::uniform_int_distribution<qint64> moment(0,
                                                     (run % 2 == 0 ? dropToEnd : wholeRun) * 5 / 4);
        const qint64 wait = moment(random);
        QThread::msleep(static_cast<unsigned long>(wait));
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        program.waitForFinished(10000);
        ++kills;
        const int rows = checkCatalogue(context);
        if (rows < 0) {
            ++damaged;
            continue;
        }
        // A drop is stored whole or not at all.
        EXPECT_TRUE(rows == rowsBefore || rows == rowsBefore + kFiles) << context << ": " << rows;
        dropsStored += rows == rowsBefore + kFiles ? 1 : 0;
        rowsBefore = rows;
    }
    std::cout << "[ crashes  ] a whole run took " << wholeRun << " ms, the drop and closing "
              << dropToEnd << " ms\n";
    std::cout << "[ crashes  ] " << kills << " kills (" << duringDrop << " while a drop of "
              << kFiles << " files ran), " << damaged << " damaged catalogues, " << dropsStored
              << " drops stored whole before their kill, " << rowsBefore << " rows at the end\n";
    EXPECT_EQ(kills, kKills);
    EXPECT_EQ(damaged, 0);
}

} // namespace
