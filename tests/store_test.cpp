// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue store on real SQLite files in a temporary folder.

#include "store/Codes.h"
#include "store/Connection.h"
#include "store/NameCollator.h"
#include "store/ResultSet.h"
#include "store/Rows.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace store;
using namespace fakes;

namespace {

constexpr uid_t kNobody = 65534;

// Runs SQL on a plain SQLite connection, the way the sqlite3 shell sees the file: built-in
// ASCII-only NOCASE. Returns the first column of every row as text.
std::vector<std::string> plainQuery(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    std::vector<std::string> out;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        ADD_FAILURE() << "cannot open " << path;
        return out;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    } else {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* text = sqlite3_column_text(stmt, 0);
            out.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

void plainExec(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
        SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << error;
}

std::vector<GroupRow> groupsOf(ResultSet rs) {
    std::vector<GroupRow> rows;
    for (; !rs.eof(); rs.moveNext()) {
        rows.push_back(readGroupRow(rs));
    }
    return rows;
}

std::vector<ItemRow> itemsOf(ResultSet rs) {
    std::vector<ItemRow> rows;
    for (; !rs.eof(); rs.moveNext()) {
        rows.push_back(readItemRow(rs));
    }
    return rows;
}

std::vector<std::string> groupNames(const std::vector<GroupRow>& rows) {
    std::vector<std::string> names;
    for (const auto& r : rows) {
        names.push_back(r.groupcaption);
    }
    return names;
}

std::vector<std::string> captions(const std::vector<ItemRow>& rows) {
    std::vector<std::string> names;
    for (const auto& r : rows) {
        names.push_back(r.itemcaption);
    }
    return names;
}

// The locale the fixture's catalogue compares names in, whatever the machine's locale is.
const std::string kTestLocale = "de";

// True when names run in German reading order, ignoring case, and hold exactly the expected names.
void expectSortedAs(std::vector<std::string> names, std::vector<std::string> expected) {
    const NameCollator collator(kTestLocale);
    for (std::size_t i = 1; i < names.size(); ++i) {
        EXPECT_LE(collator.compare(names[i - 1], names[i]), 0)
            << names[i - 1] << " before " << names[i];
    }
    // Equal names (Ärzte, ärzte) may come in either order; the sorted lists must match.
    EXPECT_EQ(names.size(), expected.size());
    for (std::size_t i = 0; i < std::min(names.size(), expected.size()); ++i) {
        EXPECT_EQ(collator.compare(names[i], expected[i]), 0)
            << "position " << i << ": " << names[i] << " vs " << expected[i];
    }
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

ItemRow item(const std::string& group, const std::string& caption, std::int16_t kind = kind::Url) {
    return ItemRow{group, caption,  caption + " description", "path of " + caption, "param",
                   kind,  0x123456, windowstate::Maximized};
}

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = copyOf(blankTemplate(), folder, "catalogue.mdb");
        db.open(path, {.collationLocale = kTestLocale});
    }

    TempFolder folder;
    std::string path;
    Connection db;
};

} // namespace

TEST_F(StoreTest, GroupsSortAndMatchIgnoringCase) {
    const std::vector<GroupRow> added = {
        {"Zahn", "teeth", "", 1},    {"games", "play", "bg.png", 2},
        {"Ärzte", "doctors", "", 3}, {"éclair", "cakes", "", 4},
        {"Apps", "programs", "", 5}, {"ärzte", "more doctors", "", 6},
    };
    for (const auto& g : added) {
        insertGroup(db, g);
    }

    const auto all = groupsOf(selectAllGroups(db));
    expectSortedAs(groupNames(all), {"Apps", "Ärzte", "ärzte", "éclair", "games", "Zahn"});
    const auto games = std::find_if(all.begin(), all.end(),
                                    [](const GroupRow& r) { return r.groupcaption == "games"; });
    ASSERT_NE(games, all.end());
    EXPECT_EQ(*games, added[1]);

    EXPECT_EQ(groupsOf(selectGroup(db, "GAMES")), std::vector<GroupRow>{added[1]});
    EXPECT_EQ(groupsOf(selectGroup(db, "ÄRZTE")).size(), 2u);
    EXPECT_EQ(groupsOf(selectGroup(db, "ÉCLAIR")), std::vector<GroupRow>{added[3]});
    EXPECT_TRUE(selectGroup(db, "Arzte").eof());
    EXPECT_TRUE(selectGroup(db, "game").eof());

    const GroupRow renamed{"Spiele", "games, renamed", "other.png", 0xFF00FF};
    updateGroup(db, "gAmEs", renamed);
    EXPECT_TRUE(selectGroup(db, "games").eof());
    EXPECT_EQ(groupsOf(selectGroup(db, "spiele")), std::vector<GroupRow>{renamed});

    deleteGroup(db, "ÉCLAIR");
    deleteGroup(db, "ÄrZtE");
    expectSortedAs(groupNames(groupsOf(selectAllGroups(db))), {"Apps", "Spiele", "Zahn"});
}

TEST_F(StoreTest, ItemsSortMatchChangeAndDeleteIgnoringCase) {
    insertGroup(db, {"Ärzte", "", "", 0});
    insertGroup(db, {"Games", "", "", 0});
    for (const char* caption : {"zahnarzt", "Éclair", "augenarzt", "Ärztin", "Bäcker"}) {
        insertItem(db, item("Ärzte", caption));
    }
    insertItem(db, item("Games", "Chess", kind::Application));
    insertItem(db, item("Games", "augenarzt"));

    // R2 sorts by caption and matches the group in any case.
    const auto doctors = itemsOf(selectItemsOfGroup(db, "ÄRZTE"));
    expectSortedAs(captions(doctors), {"Ärztin", "augenarzt", "Bäcker", "Éclair", "zahnarzt"});
    for (const auto& r : doctors) {
        EXPECT_EQ(r, item("Ärzte", r.itemcaption));
    }

    // R4 finds a caption in every group; R5 in one.
    EXPECT_EQ(itemsOf(selectItemsByCaption(db, "AUGENARZT")).size(), 2u);
    EXPECT_EQ(itemsOf(selectItemsByCaption(db, "éCLAIR")),
              std::vector<ItemRow>{item("Ärzte", "Éclair")});
    EXPECT_EQ(itemsOf(selectItemInGroup(db, "Augenarzt", "games")),
              std::vector<ItemRow>{item("Games", "augenarzt")});
    EXPECT_TRUE(selectItemInGroup(db, "Chess", "Ärzte").eof());

    // W6 and W7 fill in their fixed values.
    insertShortcutFileItem(db, "Games", "Notes", "my notes", "/home/me/notes.txt", 0x00AA00);
    insertDroppedItem(db, "Games", "Downloads", "/home/me/Downloads", kind::Folder);
    EXPECT_EQ(itemsOf(selectItemInGroup(db, "notes", "GAMES")),
              (std::vector<ItemRow>{ItemRow{"Games", "Notes", "my notes", "/home/me/notes.txt", " ",
                                            kind::ShellFile, 0x00AA00, windowstate::Normal}}));
    EXPECT_EQ(itemsOf(selectItemInGroup(db, "downloads", "games")),
              (std::vector<ItemRow>{ItemRow{"Games", "Downloads", " ", "/home/me/Downloads", " ",
                                            kind::Folder, 0, windowstate::Normal}}));

    // W8 changes one shortcut, found by old caption and group in any case.
    const ItemRow chess{"gAMES", "Schach",          "board game", "/usr/games/chess",
                        "-fast", kind::Application, 0x0000FF,     windowstate::Minimized};
    updateItem(db, "CHESS", chess);
    EXPECT_TRUE(selectItemsByCaption(db, "Chess").eof());
    auto changed = itemsOf(selectItemsByCaption(db, "schach"));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].groupcaption, "Games"); // the group name itself is not rewritten
    changed[0].groupcaption = chess.groupcaption;
    EXPECT_EQ(changed[0], chess);

    // W9 rewrites a shortcut-file shortcut and resets its fixed values.
    updateShortcutFileItem(db, "AUGENARZT", "games", "Eye doctor", "see better", "/srv/eye.txt",
                           0x111111);
    EXPECT_EQ(itemsOf(selectItemInGroup(db, "eye doctor", "Games")),
              (std::vector<ItemRow>{ItemRow{"Games", "Eye doctor", "see better", "/srv/eye.txt",
                                            " ", kind::ShellFile, 0x111111, windowstate::Normal}}));
    EXPECT_EQ(itemsOf(selectItemInGroup(db, "augenarzt", "Ärzte")).size(), 1u)
        << "the same caption in another group is left alone";

    // W10 removes exactly one shortcut; W4 every shortcut of one group.
    deleteItem(db, "ärzte", "ÉCLAIR");
    expectSortedAs(captions(itemsOf(selectItemsOfGroup(db, "Ärzte"))),
                   {"Ärztin", "augenarzt", "Bäcker", "zahnarzt"});
    deleteItemsOfGroup(db, "äRZTE");
    EXPECT_TRUE(selectItemsOfGroup(db, "Ärzte").eof());
    expectSortedAs(captions(itemsOf(selectItemsOfGroup(db, "Games"))),
                   {"Downloads", "Eye doctor", "Notes", "Schach"});
    EXPECT_EQ(groupsOf(selectAllGroups(db)).size(), 2u) << "W4 leaves the groups";
}

TEST_F(StoreTest, QuotesAndInjectionAttemptsAreStoredAsTyped) {
    insertGroup(db, {"Innocent", "", "", 0});
    insertItem(db, item("Innocent", "Harmless"));

    const GroupRow group{"Bob's Tools", "x'); delete from tblGroups; --", "it's.png", 7};
    const ItemRow sneaky{"Bob's Tools",
                         "Robert'); DROP TABLE tblItems;--",
                         "\" or 1=1 --",
                         "/home/o'neil/a b.sh",
                         "'; update tblItems set itempath='' --",
                         kind::Application,
                         0,
                         windowstate::Normal};
    insertGroup(db, group);
    insertItem(db, sneaky);
    insertDroppedItem(db, "Bob's Tools", "l'été", "/x'y", kind::Folder);

    EXPECT_EQ(groupsOf(selectGroup(db, "BOB'S TOOLS")), std::vector<GroupRow>{group});
    EXPECT_EQ(itemsOf(selectItemInGroup(db, sneaky.itemcaption, "bob's tools")),
              std::vector<ItemRow>{sneaky});
    EXPECT_EQ(itemsOf(selectItemsOfGroup(db, "Innocent")),
              std::vector<ItemRow>{item("Innocent", "Harmless")});

    deleteItem(db, "Bob's Tools", "L'ÉTÉ");
    EXPECT_EQ(itemsOf(selectItemsOfGroup(db, "Bob's Tools")), std::vector<ItemRow>{sneaky});
    db.close();
    EXPECT_EQ(plainQuery(path, "select count(*) from tblGroups"), std::vector<std::string>{"2"});
    EXPECT_EQ(plainQuery(path, "select count(*) from tblItems"), std::vector<std::string>{"2"});
}

TEST(StoreOpen, RefusesFilesThatAreNotCatalogues) {
    TempFolder folder;

    std::string noise(8192, '\0');
    std::mt19937 random(12345);
    for (auto& c : noise) {
        c = static_cast<char>(random());
    }
    const std::string randomFile = folder.file("noise.mdb");
    writeBytes(randomFile, noise);
    const std::string textFile = folder.file("notes.mdb");
    writeBytes(textFile, "Shopping list\nmilk\nbread\n");

    for (const auto& file : {randomFile, textFile}) {
        const std::string before = bytesOf(file);
        Connection db;
        EXPECT_EQ(errorOf([&] { db.open(file); }),
                  "The file " + file + " is not a Vantory catalogue: it is not a database file.");
        EXPECT_FALSE(db.isOpen());
        EXPECT_EQ(bytesOf(file), before);
        // Nothing was kept open or locked: the same refusal comes again, not "in use".
        EXPECT_EQ(errorOf([&] {
                      Connection again;
                      again.open(file);
                  }),
                  "The file " + file + " is not a Vantory catalogue: it is not a database file.");
    }

    const std::string missing = folder.file("missing.mdb");
    EXPECT_EQ(errorOf([&] {
                  Connection db;
                  db.open(missing);
              }),
              "The catalogue file " + missing + " does not exist.");
    EXPECT_FALSE(fs::exists(missing));

    // An empty file is an empty SQLite database: it lacks the tables and stays empty.
    const std::string empty = folder.file("empty.mdb");
    writeBytes(empty, "");
    EXPECT_EQ(errorOf([&] {
                  Connection db;
                  db.open(empty);
              }),
              "The file " + empty + " is not a Vantory catalogue: no such table: tblGroups");
    EXPECT_EQ(fs::file_size(empty), 0u);

    // Anything left beside the files would mean SQLite wrote something.
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const auto name = entry.path().filename().string();
        EXPECT_TRUE(name == "noise.mdb" || name == "notes.mdb" || name == "empty.mdb") << name;
    }
}

TEST(StoreOpen, RefusesDatabasesLackingATableOrColumn) {
    TempFolder folder;
    const std::string noItems = folder.file("noitems.mdb");
    plainExec(noItems, "create table tblGroups (groupcaption text, groupdescription text, "
                       "backgroundimage text, grouptextcolor integer)");
    const std::string noOpenAs = folder.file("noopenas.mdb");
    plainExec(noOpenAs, "create table tblGroups (groupcaption text, groupdescription text, "
                        "backgroundimage text, grouptextcolor integer);"
                        "create table tblItems (groupcaption text, itemcaption text, "
                        "itemdescription text, itempath text, itemparameter text, "
                        "itemtype integer, itemtextcolor integer)");

    const std::string beforeItems = bytesOf(noItems);
    const std::string beforeOpenAs = bytesOf(noOpenAs);
    Connection db;
    EXPECT_EQ(errorOf([&] { db.open(noItems); }),
              "The file " + noItems + " is not a Vantory catalogue: no such table: tblItems");
    EXPECT_EQ(errorOf([&] { db.open(noOpenAs); }),
              "The file " + noOpenAs + " is not a Vantory catalogue: no such column: openas");
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(bytesOf(noItems), beforeItems);
    EXPECT_EQ(bytesOf(noOpenAs), beforeOpenAs);
    EXPECT_FALSE(fs::exists(noItems + "-wal"));
    EXPECT_FALSE(fs::exists(noOpenAs + "-wal"));
}

namespace {

// Opens a catalogue that cannot be written, either because the file is read-only or because its
// folder is (no journal can be made there), and checks that it reads but refuses changes, leaving
// the file as it was. Returns what went wrong, or "" when all is well.
std::string unwritableProblems(const std::string& path, bool fileIsReadOnly) {
    const std::string before = bytesOf(path);
    std::string problems;
    try {
        Connection db;
        db.open(path);
        if (db.isReadOnly() != fileIsReadOnly) {
            problems += "isReadOnly() is wrong; ";
        }
        auto mode = db.query("PRAGMA journal_mode");
        if (mode.eof() || mode.field("journal_mode").text() != "delete") {
            problems += "the journal mode changed; ";
        }
        const auto groups = groupsOf(selectAllGroups(db));
        if (groups.size() != 1 || groups[0].groupcaption != "Kept") {
            problems += "the group did not read back; ";
        }
        const std::string refused =
            fileIsReadOnly
                ? "The catalogue file is read-only, so the change was not saved."
                : "The folder of the catalogue is read-only, so the change was not saved.";
        const std::string insertError = errorOf([&] { insertGroup(db, {"New", "", "", 0}); });
        if (insertError != refused) {
            problems += "insert: " + insertError + "; ";
        }
        const std::string deleteError = errorOf([&] { deleteGroup(db, "Kept"); });
        if (deleteError != refused) {
            problems += "delete: " + deleteError + "; ";
        }
        db.close();
    } catch (const std::exception& e) {
        problems += std::string("open: ") + e.what() + "; ";
    }
    if (bytesOf(path) != before) {
        problems += "the file changed; ";
    }
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (fs::exists(path + suffix)) {
            problems += std::string("a ") + suffix + " file was left behind; ";
        }
    }
    return problems;
}

std::string allUnwritableProblems(const std::string& readOnlyFile,
                                  const std::string& inReadOnlyFolder) {
    return unwritableProblems(readOnlyFile, true) + unwritableProblems(inReadOnlyFolder, false);
}

// Gives up root for the "nobody" account, runs the checks and exits: 0 when all is well, 1 with
// the problems on stderr, 2 when the account could not be taken.
[[noreturn]] void checkUnwritableAsNobody(const std::string& readOnlyFile,
                                          const std::string& inReadOnlyFolder) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
        std::fputs("cannot become nobody\n", stderr);
        std::_Exit(2);
    }
    const std::string problems = allUnwritableProblems(readOnlyFile, inReadOnlyFolder);
    std::fputs(problems.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(problems.empty() ? 0 : 1);
}

} // namespace

TEST(StoreOpen, UnwritableCatalogueReadsButRefusesChanges) {
    TempFolder folder;
    const std::string readOnlyFile = copyOf(blankTemplate(), folder, "readonly.mdb");
    {
        Connection db;
        db.open(readOnlyFile);
        insertGroup(db, {"Kept", "", "", 0});
    }
    const std::string inReadOnlyFolder = copyOf(readOnlyFile, folder, "writable.mdb");
    const auto readable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto searchable = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    fs::permissions(readOnlyFile, readable);
    fs::permissions(folder.path(), readable | searchable);

    if (::geteuid() != 0) {
        EXPECT_EQ(allUnwritableProblems(readOnlyFile, inReadOnlyFolder), "");
        return;
    }
    // Root writes to any file and folder regardless of their modes, so the checks run in a child
    // process that has given up root for the "nobody" account. That account owns the second file
    // but cannot write into the root-owned folder.
    ASSERT_EQ(::chown(inReadOnlyFolder.c_str(), kNobody, kNobody), 0);
    EXPECT_EXIT(checkUnwritableAsNobody(readOnlyFile, inReadOnlyFolder),
                ::testing::ExitedWithCode(0), "");
}

TEST(StoreOpen, SecondConnectionIsRefusedUntilTheFirstCloses) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "shared.mdb");
    Connection first;
    first.open(path);
    insertGroup(first, {"One", "", "", 0});

    Connection second;
    EXPECT_EQ(errorOf([&] { second.open(path); }),
              "The catalogue " + path +
                  " is in use by another running Vantory. Close the other Vantory and start "
                  "this one again.");
    EXPECT_FALSE(second.isOpen());

    // The refused attempt leaves the first connection working.
    insertGroup(first, {"Two", "", "", 0});
    EXPECT_EQ(groupsOf(selectAllGroups(first)).size(), 2u);

    first.close();
    ASSERT_NO_THROW(second.open(path));
    EXPECT_EQ(groupNames(groupsOf(selectAllGroups(second))),
              (std::vector<std::string>{"One", "Two"}));
}

TEST(StoreOpen, ChangesGoThroughTheLogAndCloseLeavesAPlainFile) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "journal.mdb");
    Connection db;
    db.open(path);
    EXPECT_FALSE(db.isReadOnly());
    EXPECT_EQ(db.path(), path);
    const auto journalMode = [&] {
        auto mode = db.query("PRAGMA journal_mode");
        return mode.eof() ? std::string() : mode.field("journal_mode").text();
    };
    EXPECT_EQ(journalMode(), "delete") << "reading alone never switches the file";
    selectAllGroups(db);
    EXPECT_EQ(journalMode(), "delete");
    EXPECT_FALSE(fs::exists(path + "-wal"));
    insertGroup(db, {"Logged", "", "", 0});
    EXPECT_EQ(journalMode(), "wal") << "the first change switches to the log";
    EXPECT_TRUE(fs::exists(path + "-wal"));

    db.close();
    db.close(); // closing twice is harmless
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(fs::exists(path + "-wal"));
    EXPECT_FALSE(fs::exists(path + "-shm"));
    const std::string bytes = bytesOf(path);
    ASSERT_GE(bytes.size(), 20u);
    EXPECT_EQ(bytes[18], 1) << "file header still asks for write-ahead logging";
    EXPECT_EQ(bytes[19], 1);
    EXPECT_EQ(plainQuery(path, "PRAGMA journal_mode"), std::vector<std::string>{"delete"});
    EXPECT_EQ(plainQuery(path, "select groupcaption from tblGroups"),
              std::vector<std::string>{"Logged"});

    // A copy taken of the closed file holds every change.
    const std::string copy = copyOf(path, folder, "copy.mdb");
    Connection other;
    other.open(copy);
    EXPECT_EQ(groupNames(groupsOf(selectAllGroups(other))), std::vector<std::string>{"Logged"});
}

TEST(StoreOpen, ClosedConnectionRefusesStatements) {
    const std::string notOpen = "The catalogue is not open.";
    Connection never;
    EXPECT_EQ(errorOf([&] { selectAllGroups(never); }), notOpen);
    EXPECT_EQ(errorOf([&] { never.execute("select 1"); }), notOpen);

    TempFolder folder;
    Connection db;
    db.open(copyOf(blankTemplate(), folder, "closed.mdb"));
    db.close();
    EXPECT_EQ(errorOf([&] { selectGroup(db, "x"); }), notOpen);
    EXPECT_EQ(errorOf([&] { insertGroup(db, {"x", "", "", 0}); }), notOpen);
    EXPECT_EQ(errorOf([&] { deleteItem(db, "x", "y"); }), notOpen);
    EXPECT_EQ(errorOf([&] { db.query("select 1"); }), notOpen);
}

TEST_F(StoreTest, ResultSetIsTakenWholeAndNamesColumnsInAnyCase) {
    insertGroup(db, {"Beta", "b", "", 2});
    insertGroup(db, {"Alpha", "a", "", 1});
    ResultSet rs = selectAllGroups(db);
    EXPECT_EQ(rs.rowCount(), 2u);

    // Later writes on the same connection neither change nor wait for the open result.
    deleteGroup(db, "Alpha");
    deleteGroup(db, "Beta");
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.field("GROUPCAPTION").text(), "Alpha");
    EXPECT_EQ(rs.field("GroupTextColor").toInt32(), 1);
    EXPECT_EQ(errorOf([&] { rs.field("nosuchcolumn"); }),
              "The catalogue has no column nosuchcolumn.");
    rs.moveNext();
    EXPECT_EQ(rs.field("groupcaption").text(), "Beta");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(errorOf([&] { rs.field("groupcaption"); }), "No current row.");
    rs.moveNext(); // past the end stays at the end
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(selectAllGroups(db).eof());

    ResultSet other = selectItemsOfGroup(db, "none");
    EXPECT_TRUE(other.isOpen());
    other.close();
    EXPECT_FALSE(other.isOpen());
    EXPECT_TRUE(other.eof());
}

TEST_F(StoreTest, ALargeReadGivesBackTheCachedPagesItWentThrough) {
    insertGroup(db, {"Many", "", "", 0});
    int cached[2] = {0, 0}; // after reading 999 rows, then 1,000
    for (int read = 0, rows = 0; read < 2; ++read) {
        Transaction all(db);
        for (; rows < 999 + read; ++rows) {
            insertItem(db, {"Many", "Shortcut " + std::to_string(rows), std::string(200, 'd'),
                            "/usr/bin/x", "", kind::ShellFile, 0, 0});
        }
        all.commit();
        ASSERT_EQ(selectItemsOfGroup(db, "Many").rowCount(), static_cast<std::size_t>(rows));
        int highest = 0;
        sqlite3_db_status(db.handle(), SQLITE_DBSTATUS_CACHE_USED, &cached[read], &highest, 0);
    }
    EXPECT_LT(cached[1] * 4, cached[0]);
}

TEST(StoreField, ConvertsTextAndNumbers) {
    using S = std::string;
    EXPECT_EQ(Field("c", Cell{}).text(), "");
    EXPECT_TRUE(Field("c", Cell{}).isNull());
    EXPECT_FALSE(Field("c", Cell{S("")}).isNull());
    EXPECT_EQ(Field("c", Cell{std::int64_t{-7}}).text(), "-7");
    EXPECT_EQ(Field("c", Cell{2.5}).text(), "2.5");
    EXPECT_EQ(Field("c", Cell{S("as typed ")}).text(), "as typed ");

    EXPECT_EQ(Field("c", Cell{std::int64_t{16777215}}).toInt32(), 16777215);
    EXPECT_EQ(Field("c", Cell{std::int64_t{-32768}}).toInt16(), -32768);
    EXPECT_EQ(Field("c", Cell{2.4}).toInt32(), 2);
    EXPECT_EQ(Field("c", Cell{2.6}).toInt16(), 3);
    EXPECT_EQ(Field("c", Cell{-2.6}).toInt16(), -3);
    EXPECT_EQ(Field("c", Cell{S(" 42 ")}).toInt32(), 42);
    EXPECT_EQ(Field("c", Cell{S("+5")}).toInt16(), 5);
    EXPECT_EQ(Field("c", Cell{S("-3.6")}).toInt32(), -4);
    EXPECT_EQ(Field("c", Cell{S(".5")}).toInt32(), 1);

    EXPECT_EQ(errorOf([] { Field("itemtextcolor", Cell{S("abc")}).toInt32(); }),
              "The value \"abc\" in column itemtextcolor is not a number.");
    EXPECT_EQ(errorOf([] { Field("itemtype", Cell{S("")}).toInt16(); }),
              "The value \"\" in column itemtype is not a number.");
    for (const char* bad : {"12abc", "1.2.3", "-", ".", "1 2", "0x10", "1e3"}) {
        EXPECT_EQ(errorOf([&] { Field("openas", Cell{S(bad)}).toInt16(); }),
                  "The value \"" + S(bad) + "\" in column openas is not a number.");
    }
    EXPECT_EQ(errorOf([] { Field("openas", Cell{}).toInt16(); }), "Column openas holds no value.");
    EXPECT_EQ(errorOf([] { Field("openas", Cell{std::int64_t{40000}}).toInt16(); }),
              "The value 40000 in column openas is too large.");
    EXPECT_EQ(errorOf([] { Field("openas", Cell{std::int64_t{-32769}}).toInt16(); }),
              "The value -32769 in column openas is too large.");
    EXPECT_EQ(errorOf([] { Field("itemtextcolor", Cell{std::int64_t{5000000000}}).toInt32(); }),
              "The value 5000000000 in column itemtextcolor is too large.");
    EXPECT_EQ(errorOf([] { Field("itemtype", Cell{S("99999")}).toInt16(); }),
              "The value 99999 in column itemtype is too large.");
    EXPECT_EQ(errorOf([] { Field("itemtype", Cell{1e10}).toInt32(); }),
              "The value 1e+10 in column itemtype is too large.");
    EXPECT_EQ(errorOf([] { Field("c", Cell{S(std::string(400, '9'))}).toInt32(); }),
              "The value " + std::string(400, '9') + " in column c is too large.");
}

TEST_F(StoreTest, RowReadersReportBadStoredValues) {
    insertItem(db, item("G", "Odd"));
    // Numbers stored as text, the way another tool might leave them.
    db.execute("update tblItems set itemtextcolor=' 255 ', openas='1.0'");
    auto rows = itemsOf(selectItemsByCaption(db, "odd"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].itemtextcolor, 255);
    EXPECT_EQ(rows[0].openas, 1);

    db.execute("update tblItems set itemtextcolor='abc'");
    auto rs = selectItemsByCaption(db, "odd");
    EXPECT_EQ(errorOf([&] { readItemRow(rs); }),
              "The value \"abc\" in column itemtextcolor is not a number.");

    db.execute("insert into tblGroups (groupcaption, grouptextcolor) values (?, ?)",
               {Value(std::string("Huge")), Value(std::int64_t{1} << 40)});
    auto groups = selectGroup(db, "huge");
    EXPECT_EQ(errorOf([&] { readGroupRow(groups); }),
              "The value 1099511627776 in column grouptextcolor is too large.");

    EXPECT_EQ(errorOf([&] { db.execute("select * from tblNothing"); }),
              "Catalogue error: no such table: tblNothing");
    EXPECT_EQ(errorOf([&] { db.execute("insert into tblGroups (groupcaption) values (null)"); }),
              "Catalogue error: NOT NULL constraint failed: tblGroups.groupcaption");
}

TEST(StoreTemplates, BuiltCataloguesHoldTheExpectedRows) {
    TempFolder folder;
    Connection blank;
    blank.open(copyOf(blankTemplate(), folder, "blank.mdb"));
    EXPECT_TRUE(selectAllGroups(blank).eof());
    EXPECT_TRUE(blank.query("select * from tblItems").eof());
    blank.close();

    Connection apps;
    apps.open(copyOf(std::string(VANTORY_BUILD_DIR) + "/dbApplications.mdb", folder, "apps.mdb"));
    const auto groups = groupsOf(selectAllGroups(apps));
    ASSERT_FALSE(groups.empty());
    std::size_t total = 0;
    for (const auto& g : groups) {
        EXPECT_EQ(g.groupcaption.find('\''), std::string::npos) << g.groupcaption;
        EXPECT_GE(g.grouptextcolor, 0);
        EXPECT_LE(g.grouptextcolor, 0xFFFFFF);
        const auto items = itemsOf(selectItemsOfGroup(apps, g.groupcaption));
        EXPECT_FALSE(items.empty()) << g.groupcaption << " has no shortcuts";
        total += items.size();
        for (const auto& i : items) {
            EXPECT_GE(i.itemtype, kind::Folder) << i.itemcaption;
            EXPECT_LE(i.itemtype, kind::ShellFile) << i.itemcaption;
            EXPECT_EQ(i.openas, windowstate::Normal) << i.itemcaption;
            EXPECT_FALSE(i.itemdescription.empty()) << i.itemcaption;
            if (i.itemtype == kind::Folder || i.itemtype == kind::ShellFile) {
                EXPECT_TRUE(fs::exists(i.itempath)) << i.itempath;
            }
        }
    }
    // Every shortcut belongs to a group that exists.
    EXPECT_EQ(apps.query("select * from tblItems").rowCount(), total);
}

TEST_F(StoreTest, TransactionIsAllOrNothing) {
    insertGroup(db, {"Keep", "", "", 0});
    {
        Transaction tx(db);
        insertGroup(db, {"Gone", "", "", 0});
        insertItem(db, {"Gone", "a", "", "/tmp", "", 1, 0, 0});
        // Leaving without commit, as an exception would, undoes both rows.
    }
    EXPECT_TRUE(selectGroup(db, "Gone").eof());
    EXPECT_TRUE(selectItemsOfGroup(db, "Gone").eof());

    {
        Transaction tx(db);
        insertGroup(db, {"Both", "", "", 0});
        insertItem(db, {"Both", "b", "", "/tmp", "", 1, 0, 0});
        tx.commit();
    }
    EXPECT_FALSE(selectGroup(db, "Both").eof());
    EXPECT_FALSE(selectItemsOfGroup(db, "Both").eof());
    // The connection is usable for single statements again afterwards.
    deleteGroup(db, "Keep");
    EXPECT_TRUE(selectGroup(db, "Keep").eof());
}

TEST_F(StoreTest, RenamedGroupTakesItsShortcutsAlong) {
    insertGroup(db, {"Games", "", "", 0});
    insertGroup(db, {"Office", "", "", 0});
    insertItem(db, item("Games", "Chess"));
    insertItem(db, item("games", "Go"));
    insertItem(db, item("Office", "Writer"));
    {
        Transaction tx(db);
        updateGroup(db, "GAMES", {"Spiele", "", "", 0});
        moveItemsToGroup(db, "GAMES", "Spiele");
        tx.commit();
    }
    EXPECT_TRUE(selectItemsOfGroup(db, "Games").eof());
    const auto moved = itemsOf(selectItemsOfGroup(db, "spiele"));
    ASSERT_EQ(captions(moved), (std::vector<std::string>{"Chess", "Go"}));
    EXPECT_EQ(moved[0].groupcaption, "Spiele");
    EXPECT_EQ(moved[0].itempath, "path of Chess") << "only the group name changes";
    EXPECT_EQ(itemsOf(selectItemsOfGroup(db, "Office")),
              std::vector<ItemRow>{item("Office", "Writer")});
}
