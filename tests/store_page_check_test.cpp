// SPDX-License-Identifier: GPL-3.0-or-later
// The check of every page run beside the window: until its result is taken the file takes no
// change, and a damaged file found this way ends exactly as one found at open.

#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <string>
#include <thread>

using namespace store;
using namespace fakes;

namespace {

constexpr std::size_t kPageSize = 4096;

// Overwrites a page in the middle of the file (the shortcuts' rows) with noise.
std::string spoilAMiddlePage(const std::string& path) {
    std::string bytes = bytesOf(path);
    const std::size_t page = bytes.size() / kPageSize / 2;
    std::mt19937 random(5);
    for (std::size_t i = 0; i < kPageSize; ++i) {
        bytes[page * kPageSize + i] = static_cast<char>(random());
    }
    writeBytes(path, bytes);
    return bytes;
}

// Counts the calls that say the check has ended, and waits for the first.
struct EndOfCheck {
    std::mutex guard;
    std::condition_variable signal;
    int calls = 0;
    // Opens `path` with the check left for later, and starts it.
    void openAndStart(Connection& db, const std::string& path) {
        OpenOptions options;
        options.checkPagesInBackground = true;
        db.open(path, options);
        EXPECT_TRUE(db.pageCheckPending());
        db.startPageCheck([this] {
            const std::lock_guard<std::mutex> lock(guard);
            ++calls;
            signal.notify_all();
        });
    }
    bool waitForIt() {
        std::unique_lock<std::mutex> lock(guard);
        return signal.wait_for(lock, std::chrono::seconds(20), [this] { return calls > 0; });
    }
    int count() {
        const std::lock_guard<std::mutex> lock(guard);
        return calls;
    }
};

} // namespace

TEST(PageCheck, ASoundCatalogueIsCheckedBesideItsUseAndThenTakesChanges) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 600);
    EndOfCheck end;
    Connection db;
    end.openAndStart(db, path);
    EXPECT_FALSE(db.isReadOnly());
    // Reading goes on while the check runs.
    EXPECT_EQ(selectAllGroups(db).rowCount(), 3u);
    ASSERT_TRUE(end.waitForIt());
    EXPECT_TRUE(db.pageCheckPending()) << "the result waits until it is taken";
    db.settlePageCheck();
    EXPECT_FALSE(db.pageCheckPending());
    EXPECT_FALSE(db.isDamaged());
    EXPECT_FALSE(db.isReadOnly());
    insertGroup(db, {"New", "", "", 0});
    EXPECT_EQ(selectAllGroups(db).rowCount(), 4u);
    db.close();
    EXPECT_EQ(end.count(), 1);
}

TEST(PageCheck, DamageFoundBesideTheWindowEndsAsDamageFoundAtOpen) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 1200);
    const std::string spoiled = spoilAMiddlePage(path);

    // Found at open, for comparison.
    std::string reportAtOpen;
    {
        Connection db;
        db.open(path);
        ASSERT_TRUE(db.isDamaged());
        reportAtOpen = db.damageReport();
    }

    EndOfCheck end;
    Connection db;
    ASSERT_NO_THROW(end.openAndStart(db, path));
    EXPECT_FALSE(db.isDamaged()) << "nothing is known before the check ends";
    ASSERT_TRUE(end.waitForIt());
    db.settlePageCheck();
    EXPECT_TRUE(db.isDamaged());
    EXPECT_TRUE(db.isReadOnly());
    EXPECT_EQ(db.damageReport(), reportAtOpen);
    EXPECT_EQ(selectAllGroups(db).rowCount(), 3u) << "what is left still reads";
    EXPECT_EQ(errorOf([&] {
                  insertGroup(db, {"New", "", "", 0});
              }),
              "The catalogue is damaged, so the change was not saved.");
    db.close();
    EXPECT_EQ(bytesOf(path), spoiled);
}

TEST(PageCheck, AChangeBeforeTheCheckEndsWaitsForItAndADamagedFileRefusesIt) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 1200);
    const std::string spoiled = spoilAMiddlePage(path);

    Connection db;
    OpenOptions options;
    options.checkPagesInBackground = true; // nobody listens for the end
    db.open(path, options);
    // Each way of writing waits for the verdict and is refused; none reaches the file.
    EXPECT_EQ(errorOf([&] { Transaction tx(db); }),
              "The catalogue is damaged, so the change was not saved.");
    EXPECT_FALSE(db.pageCheckPending());
    EXPECT_TRUE(db.isDamaged());
    EXPECT_EQ(errorOf([&] { deleteItemsOfGroup(db, "Games"); }),
              "The catalogue is damaged, so the change was not saved.");
    db.close();
    EXPECT_EQ(bytesOf(path), spoiled);

    // On a sound file the same first change simply goes in.
    const std::string sound = filledCatalogue(folder, "sound.mdb", 50);
    Connection other;
    other.open(sound, options);
    ASSERT_NO_THROW(insertGroup(other, {"First", "", "", 0}));
    EXPECT_FALSE(other.pageCheckPending());
    EXPECT_EQ(selectAllGroups(other).rowCount(), 4u);
}

TEST(PageCheck, ClosingWhileTheCheckRunsStopsItAndLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 20000);
    const std::string before = bytesOf(path);
    for (int round = 0; round < 5; ++round) {
        EndOfCheck end;
        {
            Connection db;
            end.openAndStart(db, path);
            db.close(); // at once, most likely mid-check
            EXPECT_FALSE(db.pageCheckPending());
            EXPECT_EQ(end.count(), 1) << "the end is told once, also when cut short";
            // The file is free again: a new open is not refused as in use.
            ASSERT_NO_THROW(end.openAndStart(db, path));
            db.settlePageCheck();
            EXPECT_FALSE(db.isDamaged()) << "a stopped check finds nothing wrong";
        } // destroyed with its check running or done
        EXPECT_EQ(end.count(), 2);
    }
    EXPECT_EQ(bytesOf(path), before);
}
