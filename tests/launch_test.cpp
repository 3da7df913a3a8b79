// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakeLaunchQuestion.h"
#include "fakes/Form1Fixture.h"
#include "fakes/PrivateApplications.h"
#include "fakes/RecordingLauncher.h"
#include "launch/DesktopShell.h"
#include "launch/ShowCommand.h"
#include "platform/DesktopFileSystem.h"
#include "platform/TimedFileSystem.h"
#include "store/Statements.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>

#include <future>
#include <sys/stat.h>

namespace {

using fakes::group;
using fakes::item;
using platform::ShellRequest;
using Target = platform::ShellTarget;

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
                                           QString("--quiet"), QString(""), 3, Target::Folder}));
    platform.shell.requests.clear();

    launch(item("All", "Player", 2, "/usr/bin/player", "-a \"two words\"", 1));
    EXPECT_EQ(onlyRequest(),
              (ShellRequest{&form, QString("open"), "\"/usr/bin/player\"",
                            QString("-a \"two words\""), QString(""), 2, Target::Application}));
    platform.shell.requests.clear();

    launch(item("All", "Site", 3, "www.example.org", "ignored?", 0));
    EXPECT_EQ(onlyRequest(),
              (ShellRequest{&form, QString("open"), "\"www.example.org\"", QString("ignored?"),
                            QString(""), 1, Target::WebAddress}));
    platform.shell.requests.clear();

    launch(item("All", "Write", 4, "someone@example.org", "subject", 0));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "mailto:someone@example.org",
                                           QString(""), QString(""), 1, Target::EmailAddress}));
    platform.shell.requests.clear();

    // A shell-opened file goes to the shell even when it no longer exists.
    launch(item("All", "Letter", 5, "/gone/letter.odt", " ", 0));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "\"/gone/letter.odt\"",
                                           QString(" "), QString(""), 1, Target::ShellFile}));
    platform.shell.requests.clear();

    // A kind the program does not know (0 is the column's default) goes like a web address.
    launch(item("All", "Odd", 0, "https://odd.example", "", 0));
    EXPECT_EQ(onlyRequest(), (ShellRequest{&form, QString("open"), "\"https://odd.example\"",
                                           QString(""), QString(""), 1, Target::WebAddress}));
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
                            std::nullopt, QString("/"), 5, Target::HelpPage}));
}

// The launch button with this desktop's own shell behind it, on real files, and a launcher
// that records what would have been started.
class LaunchOnThisDesktop : public Launch {
  protected:
    void SetUp() override {
        fakes::privateApplications();
        Launch::SetUp();
        ASSERT_TRUE(dir.isValid());
        platform.shell.handOnTo = &desktopShell;
    }

    // Writes a file the launch command's own existence test finds too.
    QString write(const QString& name, const QByteArray& content, bool executable) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            (executable ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
        platform.files.files[path] = QString::fromUtf8(content);
        return path;
    }

    QTemporaryDir dir;
    ::platform::DesktopFileSystem files;
    fakes::RecordingLauncher launcher;
    fakes::FakeLaunchQuestion question;
    ::platform::TrustedEntries trusted{dir.filePath("state")};
    ::launch::DesktopShell desktopShell{files, launcher, question, trusted};
};

TEST_F(LaunchOnThisDesktop, OnlyAnApplicationShortcutRunsAScriptAndEntriesNeedTrust) {
    QFile real("/bin/true");
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QString program = write("tool", real.readAll(), true);
    const QString script = write("backup", "#!/bin/sh\nrm -rf \"$HOME\"\n", true);
    const QString entry =
        write("game.desktop", "[Desktop Entry]\nType=Application\nName=Game\nExec=true\n", false);

    launch(item("All", "Backup notes", 5, script.toStdString(), "--all"));
    launch(item("All", "Backup", 2, script.toStdString(), "--all 'My Files' a\\ b"));
    question.answers.push_back({});
    launch(item("All", "Game", 5, entry.toStdString()));
    launch(item("All", "Game folder", 1, entry.toStdString()));
    launch(item("All", "Game site", 3, entry.toStdString()));
    launch(item("All", "Tool", 5, program.toStdString(), "-v"));
    launch(item("All", "Broken", 2, program.toStdString(), "--title 'My Doc"));

    using fakes::Launched;
    EXPECT_EQ(launcher.launched,
              (std::vector<Launched>{
                  {Launched::Url, QUrl::fromLocalFile(script).toString(), {}, {}},
                  {Launched::Program, script, {"--all", "My Files", "a b"}, dir.path()},
                  {Launched::Url, QUrl::fromLocalFile(dir.path()).toString(), {}, {}},
                  {Launched::Program, program, {"-v"}, dir.path()}}));
    // The entry was asked about, and cancelled.
    EXPECT_EQ(question.asked, (std::vector<std::pair<QString, QString>>{{"Game", "true"}}));
    const QStringList texts = platform.messages.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0],
              QString("\"%1\" is a program, not a web address, so Vantory does not start it.")
                  .arg(entry));
    EXPECT_TRUE(texts[1].startsWith(
        QString("Vantory does not start \"%1\" because its parameters cannot be split")
            .arg(program)))
        << texts[1].toStdString();
}

// Only a launch that started something counts for the finder's order.
TEST_F(LaunchOnThisDesktop, CountsOnlyLaunchesThatStartedSomething) {
    QFile real("/bin/true");
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const std::string program = write("tool", real.readAll(), true).toStdString();
    const std::string entry =
        write("game.desktop", "[Desktop Entry]\nType=Application\nName=Game\nExec=true\n", false)
            .toStdString();
    struct Row {
        store::ItemRow shortcut;
        QString programFailure;
        bool urlsFail;
        bool counted;
    };
    const std::vector<Row> table = {
        {item("All", "Tool", 2, program), "", false, true},
        {item("All", "Failing tool", 2, program), "Permission denied", false, false},
        {item("All", "Site", 3, "https://example.org"), "", false, true},
        {item("All", "Refused site", 3, "https://example.org"), "", true, false},
        {item("All", "Missing notes", 5, dir.filePath("gone.txt").toStdString()), "", false, false},
        {item("All", "Game", 5, entry), "", false, false}, // its trust question is cancelled
    };
    question.answers.push_back({}); // Cancel, for the one entry asked about
    for (const Row& row : table) {
        launcher.programFailure = row.programFailure;
        launcher.urlsFail = row.urlsFail;
        launch(row.shortcut);
        const QString caption = QString::fromStdString(row.shortcut.itemcaption);
        EXPECT_EQ(platform.launchCounts.counts.value(platform::LaunchCounts::key("All", caption)),
                  row.counted ? 1 : 0)
            << caption.toStdString();
    }
}

// The real file system, but every path under /net/hung waits as on a network mount whose
// server is gone, until the test ends. The window's thread must never be the one waiting.
class HungMount : public ::platform::DesktopFileSystem {
  public:
    explicit HungMount(std::shared_future<void> released) : released_(std::move(released)) {}
    ::platform::FileFacts inspect(const QString& path) override {
        return hangs(path) ? ::platform::FileFacts{} : DesktopFileSystem::inspect(path);
    }
    ::platform::FileKind kindOf(const QString& path) override {
        return hangs(path) ? ::platform::FileKind::Missing : DesktopFileSystem::kindOf(path);
    }
    std::vector<::platform::FileKind> kindsOf(const QStringList& paths) override {
        for (const QString& path : paths) {
            if (hangs(path)) {
                return std::vector(static_cast<std::size_t>(paths.size()),
                                   ::platform::FileKind::Missing);
            }
        }
        return DesktopFileSystem::kindsOf(paths);
    }

  private:
    bool hangs(const QString& path) const {
        if (!path.startsWith("/net/hung/")) {
            return false;
        }
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            ADD_FAILURE() << "the window's thread waits on " << path.toStdString();
        } else {
            released_.wait();
        }
        return true;
    }
    std::shared_future<void> released_;
};

// The window and the desktop's shell asking the file system with a time limit, as the program
// does, over a mount that never answers.
class LaunchOnAHungMount : public Launch {
  protected:
    void SetUp() override {
        Launch::SetUp();
        ASSERT_TRUE(dir.isValid());
        platform.files.handOnTo = &files;
        platform.shell.handOnTo = &desktopShell;
    }
    void TearDown() override { released.set_value(); }

    std::promise<void> released;
    ::platform::TimedFileSystem files{std::make_shared<HungMount>(released.get_future().share())};
    QTemporaryDir dir;
    fakes::RecordingLauncher launcher;
    fakes::FakeLaunchQuestion question;
    ::platform::TrustedEntries trusted{dir.filePath("state")};
    ::launch::DesktopShell desktopShell{files, launcher, question, trusted};
};

// Each kind that looks at a file tells the user when the file system gave no answer in time,
// instead of holding the window, which shows the category of such targets as well.
TEST_F(LaunchOnAHungMount, ATargetThatNeverAnswersIsToldAndNeverHoldsTheWindow) {
    const QString pipe = dir.filePath("x.desktop");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto noAnswer = [](const QString& path) {
        return QString("Vantory gave up waiting for \"%1\": the disk or network folder that holds "
                       "it did not answer in time. Nothing was opened.")
            .arg(path);
    };
    struct Row {
        store::ItemRow shortcut;
        QString told;
    };
    const std::vector<Row> rows{
        {item("All", "Report", 5, "/net/hung/share/report.txt"),
         noAnswer("/net/hung/share/report.txt")},
        {item("All", "Share", 1, "/net/hung/share"), noAnswer("/net/hung/share")},
        {item("All", "Tool", 2, "/net/hung/share/tool"), noAnswer("/net/hung/share/tool")},
        {item("All", "Report page", 3, "file:///net/hung/share/report.txt"),
         noAnswer("/net/hung/share/report.txt")},
        {item("All", "Elsewhere", 5, "/net/hung/other/notes.txt"),
         noAnswer("/net/hung/other/notes.txt")},
        {item("All", "Pipe", 5, pipe.toStdString()),
         QString("\"%1\" is neither a file nor a folder, so Vantory does not open it.").arg(pipe)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shortcut.itemcaption);
        platform.messages.shown.clear();
        launch(row.shortcut);
        EXPECT_EQ(platform.messages.texts(), QStringList{row.told});
    }
    EXPECT_TRUE(launcher.launched.empty());
}

} // namespace
