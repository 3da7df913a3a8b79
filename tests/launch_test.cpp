#include "fakes/Form1Fixture.h"
#include "launch/ShowCommand.h"
#include "store/Statements.h"

#include <QListWidget>

namespace {

using fakes::group;
using fakes::item;
using platform::ShellRequest;

class Launch : public fakes::Form1Fixture {
  protected:
    void SetUp() override { store::insertGroup(db(), group("All")); }

    // Adds one shortcut, shows the category, selects the shortcut and presses the launch button.
    void launch(const store::ItemRow& row) {
        store::insertItem(db(), row);
        clickCategory("All");
        const auto found =
            form.ListView1()->findItems(QString::fromStdString(row.itemcaption), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form.ListView1()->setCurrentItem(found.first());
        clickButton(7);
    }

    ShellRequest onlyRequest() {
        EXPECT_EQ(platform.shell.requests.size(), 1u);
        return platform.shell.requests.empty() ? ShellRequest{} : platform.shell.requests[0];
    }
};

TEST_F(Launch, EachKindHandsTheShellItsSixValues) {
    platform.files.folders.insert("/srv/music");
    platform.files.files["/usr/bin/player"] = "";

    launch(item("All", "Music", 1, "/srv/music", "--quiet", 2));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "\"/srv/music\"",
                                           QString("--quiet"), QString(""), 3}));
    platform.shell.requests.clear();

    launch(item("All", "Player", 2, "/usr/bin/player", "-a \"two words\"", 1));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "\"/usr/bin/player\"",
                                           QString("-a \"two words\""), QString(""), 2}));
    platform.shell.requests.clear();

    launch(item("All", "Site", 3, "www.example.org", "ignored?", 0));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "\"www.example.org\"",
                                           QString("ignored?"), QString(""), 1}));
    platform.shell.requests.clear();

    launch(item("All", "Write", 4, "someone@example.org", "subject", 0));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "mailto:someone@example.org",
                                           QString(""), QString(""), 1}));
    platform.shell.requests.clear();

    // A shell-opened file goes to the shell even when it no longer exists.
    launch(item("All", "Letter", 5, "/gone/letter.odt", " ", 0));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "\"/gone/letter.odt\"",
                                           QString(" "), QString(""), 1}));
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Launch, AnUnchosenWindowStateStartsNormallyNotHidden) {
    EXPECT_EQ(launch::showCommandFor(-1), 1);
    EXPECT_EQ(launch::showCommandFor(0), 1);
    EXPECT_EQ(launch::showCommandFor(1), 2);
    EXPECT_EQ(launch::showCommandFor(2), 3);

    platform.files.files["/usr/bin/app"] = "";
    launch(item("All", "App", 2, "/usr/bin/app", "", -1));
    EXPECT_EQ(onlyRequest().showCommand, 1);
}

TEST_F(Launch, MissingFoldersAndProgramsAreRefusedWithTheirMessages) {
    platform.files.files["/etc/passwd"] = "";
    platform.files.folders.insert("/usr/lib");

    // A folder shortcut may name an existing file; a program shortcut may not name a folder.
    launch(item("All", "File as folder", 1, "/etc/passwd"));
    EXPECT_EQ(onlyRequest().file, "\"/etc/passwd\"");
    platform.shell.requests.clear();

    launch(item("All", "No folder", 1, "/nowhere"));
    launch(item("All", "Folder as program", 2, "/usr/lib"));
    launch(item("All", "No program", 2, "/nowhere/app"));
    EXPECT_TRUE(platform.shell.requests.empty());
    EXPECT_EQ(platform.messages.texts(),
              (QStringList{"Path does not exists.\r\nPlease check the path.",
                           "File does not exists.\r\nPlease check the file path.",
                           "File does not exists.\r\nPlease check the file path."}));
    for (const fakes::ShownMessage& m : platform.messages.shown) {
        EXPECT_EQ(m.title, "Vantory");
        EXPECT_EQ(m.icon, platform::MessageIcon::None);
        EXPECT_EQ(m.buttons, platform::MessageButtons::Ok);
    }
}

TEST_F(Launch, NothingHappensWithoutACategoryAShortcutOrItsRow) {
    clickButton(7);
    EXPECT_EQ(platform.messages.texts(), QStringList{"Please select Categories"});

    platform.messages.shown.clear();
    clickCategory("All");
    clickButton(7);
    EXPECT_TRUE(platform.messages.shown.empty()) << "an empty list launches nothing, silently";

    store::insertItem(db(), item("All", "Brief", 3, "https://example.org"));
    clickCategory("All");
    form.ListView1()->setCurrentItem(form.ListView1()->item(0));
    store::deleteItem(db(), "All", "Brief");
    clickButton(7);
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_TRUE(platform.shell.requests.empty());
}

TEST_F(Launch, TheSameCaptionInTwoCategoriesLaunchesTheOneOnScreen) {
    store::insertGroup(db(), group("Other"));
    store::insertItem(db(), item("All", "Home", 3, "https://all.example"));
    store::insertItem(db(), item("Other", "Home", 3, "https://other.example"));

    clickCategory("Other");
    form.ListView1()->setCurrentItem(form.ListView1()->item(0));
    clickButton(7);
    EXPECT_EQ(onlyRequest().file, "\"https://other.example\"");
}

TEST_F(Launch, ABrokenCatalogueIsReportedByTheLaunchButton) {
    store::insertItem(db(), item("All", "Site", 3, "https://example.org"));
    clickCategory("All");
    form.ListView1()->setCurrentItem(form.ListView1()->item(0));
    globals.gConnection->close();

    clickButton(7);

    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text,
              "The catalogue is not open.\r\nin Vantory2021/08/31.Form1.PushButton7_Click at line "
              "100\r\n\r\nPlease email screenshot of this message to support@mellovan.example");
    EXPECT_TRUE(platform.shell.requests.empty());
}

TEST_F(Launch, HelpOpensTheShippedPageQuotedWithoutAVerb) {
    platform.environment.program = "/opt/vantory";
    clickButton(8);
    EXPECT_EQ(onlyRequest(),
              (ShellRequest{&form, std::nullopt, "\"file:///opt/vantory/help/index.html\"",
                            std::nullopt, QString("/"), 5}));
}

} // namespace
