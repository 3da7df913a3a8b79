// SPDX-License-Identifier: GPL-3.0-or-later
// The shared folder as file-sync programs leave it (conflict copies, files cut short or from a
// newer Vantory); what travels between homes; what a merge keeps safe.

#include "store/Backup.h"
#include "store/Statements.h"

#include "fakes/FaultyVfs.h"
#include "fakes/SyncComputer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fakes::group;
using fakes::item;
using fakes::SyncComputer;

namespace {

QString sharedFolder(const QTemporaryDir& dir) {
    return dir.path() + QStringLiteral("/Vantory");
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SyncFolder, ConflictCopiesAreReadAndDamagedFilesChangeNothing) {
    QTemporaryDir shared;
    SyncComputer ann(shared.path(), QStringLiteral("ann"));
    SyncComputer cid(shared.path(), QStringLiteral("cid"));
    store::insertGroup(ann.db(), group("Games"));
    ann.merge(1);
    const QStringList annOnly = QDir(sharedFolder(shared)).entryList(QDir::Files);
    cid.merge(2);
    store::insertItem(cid.db(), item("Games", "Go", 2, "/usr/games/go"));
    cid.merge(3);
    // The sync program kept cid's latest file only as a conflict copy of an older one.
    QStringList cidsOnly = QDir(sharedFolder(shared)).entryList(QDir::Files);
    cidsOnly.removeAll(annOnly.first());
    const QString cids = sharedFolder(shared) + QLatin1Char('/') + cidsOnly.first();
    const QString conflictCopy = QFileInfo(cids).completeBaseName() +
                                 QStringLiteral(".sync-conflict-20261209-101010-ABCDEF1.vsync");
    ASSERT_TRUE(QFile::rename(cids, sharedFolder(shared) + QLatin1Char('/') + conflictCopy));

    // Each of these carries a shortcut nobody has: it must not arrive from any.
    QByteArray forged = readAll(sharedFolder(shared) + QLatin1Char('/') + conflictCopy);
    forged.replace("Go", "Xy");
    QByteArray newer = forged;
    writeAll(sharedFolder(shared) + QStringLiteral("/newer.vsync"),
             newer.replace("vantory-state 1", "vantory-state 7"));
    writeAll(sharedFolder(shared) + QStringLiteral("/torn.vsync"), forged.left(forged.size() / 2));
    writeAll(sharedFolder(shared) + QStringLiteral("/torn (conflicted copy 2026-12-09).vsync"),
             forged);

    const vsync::MergeReport report = ann.merge(4);
    const std::vector<std::string> expected{"Games/Go||/usr/games/go||2|0|0", "Games|||0"};
    EXPECT_EQ(ann.rows(), expected);
    ASSERT_EQ(report.skipped.size(), 3u);
    EXPECT_EQ(report.skipped[0].name, QStringLiteral("newer.vsync"));
    EXPECT_EQ(report.skipped[0].reason, vsync::SkippedFile::Newer);
    EXPECT_EQ(report.skipped[1].reason, vsync::SkippedFile::Damaged);
    EXPECT_EQ(report.skipped[2].name, QStringLiteral("torn.vsync"));
    EXPECT_EQ(report.skipped[2].reason, vsync::SkippedFile::Damaged);
    EXPECT_EQ(report.computers, QStringList{QStringLiteral("cid")});
}

TEST(SyncFolder, HomePathsTravelRelativeAndOtherPathsAsTheyAre) {
    QTemporaryDir shared;
    SyncComputer ann(shared.path(), QStringLiteral("ann"), QStringLiteral("/home/ann"));
    SyncComputer bob(shared.path(), QStringLiteral("bob"), QStringLiteral("/home/bob/"));
    store::insertGroup(ann.db(), group("Work", "", 0, "/home/ann/Pictures/sky.png"));
    store::insertItem(ann.db(), item("Work", "Docs", 1, "/home/ann/Documents"));
    store::insertItem(ann.db(), item("Work", "Home", 1, "/home/ann"));
    store::insertItem(ann.db(), item("Work", "Other", 1, "/home/anna/x"));
    store::insertItem(ann.db(), item("Work", "Web", 3, "https://example.org/home/ann"));
    ann.merge(1);
    bob.merge(2);
    const std::vector<std::string> expected{
        "Work/Docs||/home/bob/Documents||1|0|0", "Work/Home||/home/bob||1|0|0",
        "Work/Other||/home/anna/x||1|0|0", "Work/Web||https://example.org/home/ann||3|0|0",
        "Work||/home/bob/Pictures/sky.png|0"};
    EXPECT_EQ(bob.rows(), expected);
    // Nothing changed on ann by bob's reading: her paths stay hers.
    EXPECT_FALSE(ann.merge(3).catalogueChanged);
}

TEST(SyncFolder, FirstMergeWithAFolderBacksUpAndAdoptsRowsByName) {
    QTemporaryDir shared;
    SyncComputer ann(shared.path(), QStringLiteral("ann"));
    SyncComputer bob(shared.path(), QStringLiteral("bob"));
    for (SyncComputer* computer : {&ann, &bob}) {
        store::insertGroup(computer->db(), group("Internet", "same start"));
        store::insertItem(computer->db(), item("Internet", "Mail", 4, "mailto:me@example.org"));
    }
    store::insertItem(bob.db(), item("Internet", "News", 3, "https://example.org"));
    const vsync::MergeReport first = ann.merge(1);
    EXPECT_TRUE(first.backedUp);
    EXPECT_EQ(store::listBackups(ann.backups().toStdString()).size(), 1u);
    EXPECT_FALSE(ann.merge(2).backedUp);
    bob.merge(3);
    ann.merge(4);
    // The rows both had are one row each; bob's own shortcut came across.
    const std::vector<std::string> expected{"Internet/Mail||mailto:me@example.org||4|0|0",
                                            "Internet/News||https://example.org||3|0|0",
                                            "Internet|same start||0"};
    EXPECT_EQ(ann.rows(), expected);
    EXPECT_EQ(bob.rows(), expected);
}

// Two computers in step, then ann deletes, edits and adds; what bob should end with.
struct Scene {
    QTemporaryDir shared;
    SyncComputer ann{shared.path(), QStringLiteral("ann")};
    SyncComputer bob{shared.path(), QStringLiteral("bob")};
    std::vector<std::string> expected;

    Scene() {
        store::insertGroup(ann.db(), group("Games"));
        store::insertItem(ann.db(), item("Games", "Chess", 2, "/usr/games/chess"));
        store::insertItem(ann.db(), item("Games", "Mines", 2, "/usr/games/mines"));
        ann.merge(1);
        bob.merge(2);
        store::deleteItem(ann.db(), "Games", "Mines");
        ann.db().execute("update tblItems set itemdescription='new' where itemcaption='Chess'");
        store::insertGroup(ann.db(), group("Tools"));
        ann.merge(3);
        expected = ann.rows();
    }
};

TEST(SyncFolder, AFailedWriteAtAnyPointLeavesTheCatalogueWholeAndTheNextMergeFinishes) {
    fakes::forEveryFault("a merge", 200, [](auto call, auto mode, int n) {
        Scene scene;
        const std::vector<std::string> before = scene.bob.rows();
        fakes::FaultyVfs::instance().failAt(call, n, mode);
        scene.bob.reopen(fakes::FaultyVfs::name());
        try {
            scene.bob.merge(4);
        } catch (const std::exception&) {
            // Told to the user; what counts is what the catalogue holds.
        }
        const int faults = fakes::FaultyVfs::instance().faults();
        fakes::FaultyVfs::instance().reset();
        scene.bob.reopen("");
        const std::vector<std::string> after = scene.bob.rows();
        EXPECT_TRUE(after == before || after == scene.expected) << "fault at " << n;
        scene.bob.merge(5);
        EXPECT_EQ(scene.bob.rows(), scene.expected) << "fault at " << n;
        return faults > 0;
    });
}

TEST(SyncFolder, AMergeCutShortAfterTheCatalogueChangedIsFinishedWithoutDuplicates) {
    Scene scene;
    // Killed after the catalogue took the merge, before this computer's record was written.
    const QString record = scene.bob.stateFolder() + QStringLiteral("/sync-record.vlocal");
    const QByteArray recordBefore = readAll(record);
    scene.bob.merge(4);
    ASSERT_EQ(scene.bob.rows(), scene.expected);
    writeAll(record, recordBefore);

    scene.bob.merge(5);
    EXPECT_EQ(scene.bob.rows(), scene.expected);
    // Nothing bob saw again counts as a change of bob's: ann gets nothing new.
    EXPECT_FALSE(scene.ann.merge(6).catalogueChanged);
    EXPECT_EQ(scene.ann.rows(), scene.expected);
}

} // namespace
