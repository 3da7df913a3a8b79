// SPDX-License-Identifier: GPL-3.0-or-later
// Failed writes lose nothing: every writing statement and transaction is run while the Nth write
// or sync of the file fails, for N = 1, 2, ... until the operation runs without a fault. After
// each failure the catalogue must be sound and hold exactly the rows it held before the
// operation or exactly those after it.

#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Rows.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include "fakes/FaultyVfs.h"
#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace store;
using namespace fakes;

namespace {

struct Snapshot {
    std::vector<GroupRow> groups;
    std::vector<ItemRow> items;
    bool operator==(const Snapshot&) const = default;
};

// Every row of both tables in stored order, so that a moved or duplicated row shows too.
Snapshot snapshotOf(Connection& db) {
    Snapshot s;
    for (ResultSet rs = db.query("select * from tblGroups order by rowid"); !rs.eof();
         rs.moveNext()) {
        s.groups.push_back(readGroupRow(rs));
    }
    for (ResultSet rs = db.query("select * from tblItems order by rowid"); !rs.eof();
         rs.moveNext()) {
        s.items.push_back(readItemRow(rs));
    }
    return s;
}

const char* groupOf(int i) {
    return i % 3 == 0 ? "Games" : (i % 3 == 1 ? "Office" : "Tools");
}

// Three groups and 150 shortcuts, enough for the tables to span several pages.
std::string seedCatalogue(const TempFolder& folder) {
    const std::string path = copyOf(blankTemplate(), folder, "seed.mdb");
    Connection db;
    db.open(path, {.collationLocale = ""});
    Transaction tx(db);
    for (int g = 0; g < 3; ++g) {
        insertGroup(db, {groupOf(g), std::string("All of ") + groupOf(g), "", 0x102030 * g});
    }
    for (int i = 0; i < 150; ++i) {
        insertItem(db,
                   {groupOf(i), "Shortcut " + std::to_string(i), "Description " + std::to_string(i),
                    "/opt/app" + std::to_string(i), "--n=" + std::to_string(i), kind::Application,
                    0x336699, windowstate::Normal});
    }
    tx.commit();
    return path;
}

struct Operation {
    std::string name;
    std::function<void(Connection&)> run;
};

const std::vector<Operation>& operations() {
    static const std::vector<Operation> all = {
        {"insertGroup",
         [](Connection& db) {
             insertGroup(db, {"Music", "songs", "", 5});
         }},
        {"updateGroup",
         [](Connection& db) {
             updateGroup(db, "Office", {"Work", "renamed", "bg.png", 7});
         }},
        {"deleteGroup", [](Connection& db) { deleteGroup(db, "Tools"); }},
        {"deleteItemsOfGroup", [](Connection& db) { deleteItemsOfGroup(db, "Games"); }},
        {"insertItem",
         [](Connection& db) {
             insertItem(db, {"Games", "Chess", "board game", "/usr/games/chess", "-fast",
                             kind::Application, 0xFF, windowstate::Maximized});
         }},
        {"insertShortcutFileItem",
         [](Connection& db) {
             insertShortcutFileItem(db, "Office", "Notes", "my notes", "/home/me/notes.txt", 9);
         }},
        {"insertDroppedItem",
         [](Connection& db) {
             insertDroppedItem(db, "Tools", "Downloads", "/home/me/Downloads", kind::Folder);
         }},
        {"updateItem",
         [](Connection& db) {
             updateItem(db, "Shortcut 3",
                        {"Games", "Solitaire", "cards", "/usr/games/sol", "", kind::Application,
                         0x00FF00, windowstate::Minimized});
         }},
        {"updateShortcutFileItem",
         [](Connection& db) {
             updateShortcutFileItem(db, "Shortcut 4", "Office", "Report", "quarterly",
                                    "/home/me/report.odt", 0x123);
         }},
        {"deleteItem", [](Connection& db) { deleteItem(db, "Games", "Shortcut 6"); }},
        {"rename group with its shortcuts",
         [](Connection& db) {
             Transaction tx(db);
             updateGroup(db, "Games", {"Spiele", "renamed", "", 1});
             moveItemsToGroup(db, "Games", "Spiele");
             tx.commit();
         }},
        {"delete group with its shortcuts",
         [](Connection& db) {
             Transaction tx(db);
             deleteGroup(db, "Office");
             deleteItemsOfGroup(db, "Office");
             tx.commit();
         }},
        {"drop 200 files",
         [](Connection& db) {
             Transaction tx(db);
             for (int i = 0; i < 200; ++i) {
                 insertDroppedItem(db, "Tools", "Dropped " + std::to_string(i),
                                   "/home/me/files/dropped-file-" + std::to_string(i) + ".txt",
                                   kind::ShellFile);
             }
             tx.commit();
         }},
    };
    return all;
}

struct Tally {
    int faultedRuns = 0;   // runs in which at least one call failed
    int reported = 0;      // ... and the operation threw StoreError
    int savedAnyway = 0;   // ... and the change is in the catalogue all the same
    int lostOrChanged = 0; // ... and the catalogue is unsound, or neither before nor after
};

class FailedWrites : public ::testing::TestWithParam<std::size_t> {
  protected:
    void SetUp() override {
        seed = seedCatalogue(folder);
        Connection db;
        db.open(seed, {.collationLocale = ""});
        before = snapshotOf(db);
        db.close();
        const std::string done = copyOf(seed, folder, "done.mdb");
        db.open(done, {.collationLocale = ""});
        operation().run(db);
        after = snapshotOf(db);
        ASSERT_NE(before, after) << "the operation changes nothing";
    }

    const Operation& operation() const { return operations()[GetParam()]; }

    // Runs the operation with the nth call of that kind failing; false when no call failed.
    bool runWithFault(FaultyVfs::Call call, FaultyVfs::Mode mode, int n, Tally& tally) {
        const std::string path = copyOf(seed, folder, "dbData.mdb");
        auto& vfs = FaultyVfs::instance();
        std::string context = operation().name + ", failing call " + std::to_string(n);
        bool threw = false;
        std::optional<Snapshot> shown;
        {
            Connection db;
            db.open(path, {.collationLocale = "", .vfs = FaultyVfs::name()});
            vfs.failAt(call, n, mode);
            try {
                operation().run(db);
            } catch (const StoreError&) {
                threw = true;
            } catch (const std::exception& e) {
                ADD_FAILURE() << context << ": not a StoreError: " << e.what();
            }
            // What the window would show next: the rows as this session now reads them.
            try {
                shown = snapshotOf(db);
            } catch (const StoreError&) {
            }
            db.close(); // with the fault still armed: closing checkpoints the log
        }
        const bool faulted = vfs.faults() > 0;
        vfs.reset();
        if (!faulted) {
            EXPECT_FALSE(threw) << context;
            return false;
        }

        ++tally.faultedRuns;
        tally.reported += threw ? 1 : 0;
        Connection reopened;
        reopened.open(path, {.collationLocale = ""});
        auto check = reopened.query("PRAGMA integrity_check");
        const std::string integrity = check.eof() ? "" : check.field("integrity_check").text();
        const Snapshot stored = snapshotOf(reopened);
        const bool sound = !reopened.isDamaged() && integrity == "ok";
        const bool allOrNothing = stored == before || stored == after;
        const bool keptWhatWasReported = threw || stored == after;
        const bool showsWhatIsStored = !shown || *shown == stored;
        if (!sound || !allOrNothing || !keptWhatWasReported || !showsWhatIsStored) {
            ++tally.lostOrChanged;
        }
        if (threw && stored == after) {
            ++tally.savedAnyway;
        }
        EXPECT_TRUE(sound) << context << ": " << integrity;
        EXPECT_TRUE(allOrNothing) << context << ": rows neither all before nor all after";
        EXPECT_TRUE(keptWhatWasReported) << context << ": reported as saved but lost";
        EXPECT_TRUE(showsWhatIsStored) << context << ": the session showed other rows";
        return true;
    }

    TempFolder folder{memoryBackedFolder()};
    std::string seed;
    Snapshot before;
    Snapshot after;
};

} // namespace

TEST_P(FailedWrites, LoseNothing) {
    Tally total;
    fakes::forEveryFault(operation().name, 1000, [&](auto call, auto mode, int n) {
        return runWithFault(call, mode, n, total);
    });
    std::cout << "[ faults   ] " << operation().name << ": " << total.faultedRuns
              << " runs with a failing write or sync, " << total.reported
              << " reported as an error (" << total.savedAnyway << " of them saved all the same), "
              << total.lostOrChanged << " lost or changed anything\n";
    EXPECT_EQ(total.lostOrChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(Store, FailedWrites, ::testing::Range<std::size_t>(0, 13),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             std::string name;
                             for (char c : operations()[info.param].name) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 } else if (c == ' ') {
                                     name += '_';
                                 }
                             }
                             return name;
                         });
