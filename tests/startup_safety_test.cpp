// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the catalogue's safety, on a real file system: the rolling backup made once the
// window shows, a damaged catalogue told plainly and shown read-only, and a session that only
// looks leaving the catalogue file exactly as it was.

#include "app/Form1.h"
#include "common/Globals.h"
#include "fakes/TempMachine.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "store/Backup.h"
#include "store/Rows.h"
#include "store/Statements.h"
#include "store/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A machine with a real file system whose data home is temporary; each start() is one run of
// Vantory on it, up to the point where the event loop has run dry.
class StartupSafety : public ::testing::Test, protected fakes::TempMachine {
  protected:
    ~StartupSafety() override { stop(); }

    QString data() const { return xdg() + "/Mellovan/Vantory"; }
    QString catalogue() const { return data() + "/dbData.mdb"; }
    fs::path backups() const { return fs::path(data().toStdString()) / "backups"; }

    // A catalogue of three categories and `items` shortcuts spread over them.
    void seedCatalogue(int items) {
        ASSERT_TRUE(QDir().mkpath(data()));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORY_BUILD_DIR "/dbBlank.mdb"), catalogue()));
        QFile::setPermissions(catalogue(), QFile::ReadOwner | QFile::WriteOwner);
        store::Connection db;
        db.open(catalogue().toStdString());
        store::Transaction tx(db);
        for (const char* name : {"Games", "Office", "Tools"}) {
            store::insertGroup(db, store::GroupRow{name, std::string("All of ") + name, "", 0});
        }
        const char* groups[] = {"Games", "Office", "Tools"};
        for (int i = 0; i < items; ++i) {
            // Web addresses: a click on one hands it to the (fake) shell.
            store::insertItem(db, store::ItemRow{groups[i % 3], "Shortcut " + std::to_string(i),
                                                 "Description " + std::to_string(i),
                                                 "https://example.org/" + std::to_string(i), "", 3,
                                                 0, 0});
        }
        tx.commit();
    }

    // Starts Vantory, shows its window and lets the event loop run dry, the check of the
    // catalogue's pages (which runs beside the window) included.
    void start() {
        stop();
        globals = std::make_unique<common::Globals>();
        form = std::make_unique<app::Form1>(services, *globals);
        ASSERT_TRUE(form->Form_Load());
        form->show();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !globals->gConnection || !globals->gConnection->pageCheckPending(); }));
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }
    // Closes the window as the user does.
    void stop() {
        if (form) {
            form->close();
            form.reset();
            globals.reset();
        }
    }

    int categoryCount() const {
        QTreeWidget* tree = form->TreeView1();
        return tree->topLevelItemCount() == 0 ? -1 : tree->topLevelItem(0)->childCount();
    }
    void clickNode(QTreeWidgetItem* node) {
        QTreeWidget* tree = form->TreeView1();
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
    }
    void clickEntry(int row) {
        QListWidget* list = form->ListView1();
        QListWidgetItem* entry = list->item(row);
        list->scrollToItem(entry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(entry).center());
    }

    std::unique_ptr<common::Globals> globals;
    std::unique_ptr<app::Form1> form;
};

TEST_F(StartupSafety, EachStartBacksTheCatalogueUpOnceAndAnUnchangedOneOnlyOnce) {
    seedCatalogue(30);
    start();
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join("|").toStdString();
    const auto first = store::listBackups(backups());
    ASSERT_EQ(first.size(), 1u);
    {
        // The backup holds the catalogue's rows.
        store::Connection copy;
        copy.open(first[0].string());
        EXPECT_EQ(store::selectAllGroups(copy).rowCount(), 3u);
        EXPECT_EQ(copy.query("select count(*) as n from tblItems").field("n").toInt32(), 30);
    }
    const std::string backupBytes = bytesOf(QString::fromStdString(first[0].string()));

    // A second start the same minute, nothing changed: no new backup, the old one untouched.
    start();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(store::listBackups(backups()), first);
    EXPECT_EQ(bytesOf(QString::fromStdString(first[0].string())), backupBytes);
    EXPECT_EQ(categoryCount(), 3);
}

TEST_F(StartupSafety, ABackupThatCannotBeWrittenIsToldOnceAndVantoryCarriesOn) {
    seedCatalogue(3);
    // Something that is no folder stands where the backups go.
    writeBytes(QString::fromStdString(backups().string()), "not a folder");
    start();
    ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join("|").toStdString();
    const fakes::ShownMessage& told = messages.shown[0];
    EXPECT_TRUE(told.text.startsWith("Vantory could not back up the catalogue into " +
                                     QString::fromStdString(backups().string())))
        << told.text.toStdString();
    EXPECT_TRUE(told.text.endsWith("The catalogue itself is unchanged."));
    EXPECT_EQ(told.title, "Vantory");
    EXPECT_EQ(told.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(told.icon, platform::MessageIcon::None);
    EXPECT_EQ(categoryCount(), 3) << "the window works on";
    EXPECT_TRUE(globals->gConnection->isOpen());
}

TEST_F(StartupSafety, ATruncatedCatalogueIsToldWithTheNewestBackupAndShownReadOnly) {
    seedCatalogue(1200);
    start(); // makes the backup the user will be told about
    stop();
    const auto made = store::listBackups(backups());
    ASSERT_EQ(made.size(), 1u);
    const std::string whole = bytesOf(catalogue());
    writeBytes(catalogue(), whole.substr(0, whole.size() / 2 + 1000)); // cut mid-page
    const std::string cut = bytesOf(catalogue());
    messages.shown.clear();

    messages.answers = {platform::MessageAnswer::No};
    start();

    ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join("|").toStdString();
    const QString text = messages.shown[0].text;
    EXPECT_TRUE(text.startsWith("The catalogue " + catalogue() +
                                " is damaged. It is open "
                                "read-only, so nothing can be changed and nothing makes the "
                                "damage worse."))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Vantory shows what can still be read."));
    EXPECT_TRUE(text.endsWith("The newest sound backup is " +
                              QString::fromStdString(made[0].string()) +
                              ".\n\nRestore it now? The damaged catalogue is kept beside the "
                              "backups."))
        << text.toStdString();
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].title, "Vantory");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::None);
    EXPECT_TRUE(globals->gConnection->isReadOnly());
    // What can be read shows: the categories. The shortcuts of a category lie on pages the cut
    // took, and a click says so in one box instead of showing a list with holes.
    EXPECT_EQ(categoryCount(), 3);
    clickNode(form->TreeView1()->topLevelItem(0)->child(0));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].title, "Application Error");
    EXPECT_TRUE(messages.shown[1].text.contains("malformed"))
        << messages.shown[1].text.toStdString();
    EXPECT_EQ(form->ListView1()->count(), 0);
    clickNode(form->TreeView1()->topLevelItem(0));
    EXPECT_EQ(messages.shown.size(), 2u) << "the window works on";

    stop();
    EXPECT_EQ(bytesOf(catalogue()), cut) << "nothing was written to the damaged file";
    EXPECT_EQ(store::listBackups(backups()), made) << "a damaged catalogue is never backed up";

    // Yes restores the backup in the running window, and keeps the damaged file.
    messages.shown.clear();
    messages.answers = {platform::MessageAnswer::Yes};
    start();
    ASSERT_EQ(messages.shown.size(), 2u) << messages.texts().join("|").toStdString();
    EXPECT_TRUE(messages.shown[1].text.startsWith(
        "The backup " + QString::fromStdString(made[0].string()) + " has been restored."))
        << messages.shown[1].text.toStdString();
    EXPECT_FALSE(globals->gConnection->isDamaged());
    clickNode(form->TreeView1()->topLevelItem(0)->child(0));
    EXPECT_EQ(form->ListView1()->count(), 400);
    stop();
    int kept = 0;
    for (const auto& entry : fs::directory_iterator(backups())) {
        kept += entry.path().filename().string().starts_with("dbData-before-restore-") &&
                bytesOf(QString::fromStdString(entry.path().string())) == cut;
    }
    EXPECT_EQ(kept, 1) << "the damaged catalogue is kept as it was";
}

// A catalogue that cannot be opened at all (a restore killed half-way left it without its
// tables) is offered the newest of the backups and the copies kept before restores.
TEST_F(StartupSafety, ACatalogueThatCannotBeReadIsOfferedTheNewestKeptCopy) {
    seedCatalogue(30);
    start();
    stop();
    const auto made = store::listBackups(backups());
    ASSERT_EQ(made.size(), 1u);
    {
        store::Connection db;
        db.open(catalogue().toStdString());
        db.execute("drop table tblGroups");
    }
    messages.shown.clear();
    messages.answers = {platform::MessageAnswer::Yes};
    start();
    ASSERT_EQ(messages.shown.size(), 3u) << messages.texts().join("|").toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains("tblGroups"))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(messages.shown[1].text,
              "Vantory cannot read the catalogue " + catalogue() +
                  ".\n\nThe newest sound backup is " + QString::fromStdString(made[0].string()) +
                  ".\n\nRestore it now? The catalogue as it is now is kept beside the backups.");
    EXPECT_EQ(messages.shown[1].buttons, platform::MessageButtons::YesNo);
    EXPECT_TRUE(messages.shown[2].text.startsWith(
        "The backup " + QString::fromStdString(made[0].string()) + " has been restored."));
    EXPECT_EQ(categoryCount(), 3);
}

// Names read beside the window: thousands of alike captions, two alike names of 100,000
// characters and one that is not text are renamed, and the message shows what changed, short.
TEST_F(StartupSafety, AlikeAndUnreadableNamesAreRenamedAndToldReadably) {
    seedCatalogue(0);
    {
        store::Connection db;
        db.open(catalogue().toStdString());
        store::Transaction tx(db);
        const std::string longName(100000, 'x');
        for (const std::string& caption : {std::string("A\xED\xA0\x80"
                                                       "B"),
                                           longName, longName}) {
            store::insertItem(db, store::ItemRow{"Games", caption, "", "", "", 3, 0, 0});
        }
        for (int i = 0; i < 10000; ++i) {
            store::insertItem(db, store::ItemRow{"Games", "Same", "", "", "", 3, 0, 0});
        }
        tx.commit();
    }
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }));
    const QString text = messages.shown[0].text;
    EXPECT_TRUE(text.contains("The shortcut \"A\\xED\\xA0\\x80B\" in \"Games\", which was not "
                              "readable text, is now \"A\uFFFD\uFFFD\uFFFDB\"."))
        << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QString(40, 'x') + QChar(0x2026) + QString(36, 'x') + " (2)\"."))
        << "a long name is cut in its middle, its number kept";
    EXPECT_LT(text.size(), 5000);
    EXPECT_TRUE(text.endsWith("... and 9981 more."));
    clickNode(form->TreeView1()->topLevelItem(0)->child(0));
    EXPECT_EQ(form->ListView1()->count(), 10003);
}

TEST_F(StartupSafety, ACatalogueWithAGarbagePageIsToldThatNoBackupExists) {
    seedCatalogue(1200);
    std::string bytes = bytesOf(catalogue());
    const std::size_t pageSize =
        (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
    const std::size_t pages = bytes.size() / pageSize;
    ASSERT_GT(pages, 20u);
    std::mt19937 random(11);
    for (std::size_t i = 0; i < pageSize; ++i) {
        bytes[(pages / 2) * pageSize + i] = static_cast<char>(random());
    }
    writeBytes(catalogue(), bytes);

    start();

    ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join("|").toStdString();
    const QString text = messages.shown[0].text;
    EXPECT_TRUE(text.startsWith("The catalogue " + catalogue() + " is damaged."));
    EXPECT_TRUE(text.contains("The first problem found: ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("There is no sound backup of the catalogue in " +
                              QString::fromStdString(backups().string()) + "."))
        << text.toStdString();
    EXPECT_EQ(categoryCount(), 3);
    stop();
    EXPECT_EQ(bytesOf(catalogue()), bytes);
    EXPECT_TRUE(store::listBackups(backups()).empty());
}

TEST_F(StartupSafety, ASessionThatOnlyLooksLeavesTheCatalogueByteForByteAsItWas) {
    seedCatalogue(60);
    start(); // the first start makes its backup: only into the backups folder
    stop();
    const std::string before = bytesOf(catalogue());
    const auto modified = fs::last_write_time(catalogue().toStdString());

    start();
    QTreeWidgetItem* top = form->TreeView1()->topLevelItem(0);
    ASSERT_EQ(categoryCount(), 3);
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < top->childCount(); ++i) {
            clickNode(top->child(i));
            ASSERT_EQ(form->ListView1()->count(), 20);
            clickEntry(0);
            clickEntry(7);
            QTest::keyClick(form->ListView1(), Qt::Key_Down);
            QTest::keyClick(form->ListView1(), Qt::Key_End);
            EXPECT_FALSE(form->Label1()->text().isEmpty());
        }
        clickNode(top);
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join("|").toStdString();
    EXPECT_FALSE(shell.requests.empty()) << "the clicks reached the shortcuts";
    stop();

    EXPECT_EQ(bytesOf(catalogue()), before);
    EXPECT_EQ(fs::last_write_time(catalogue().toStdString()), modified);
    QStringList left = QDir(data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{"backups", "dbData.mdb"})) << "no log or lock file stays";
}

} // namespace
