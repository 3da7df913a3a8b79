// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog filter as this desktop shows it, the start-up warm-up, and the fakes' refusal of
// unscripted questions.

#include "fakes/FakeServices.h"
#include "platform/DesktopLaunchCounts.h"
#include "platform/DesktopWarmUp.h"
#include "platform/FileFilter.h"
#include "platform/StateFolder.h"
#include "platform/TrustedEntries.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

using platform::toDesktopFileFilter;

TEST(FileFilter, TurnsPairsIntoTheDialogsFormAndWidensWhatMeansNothingHere) {
    // Programs carry no extension here: every executable file is shown.
    const auto programs = toDesktopFileFilter("Application Files (*.exe)|*.exe|");
    EXPECT_EQ(programs.nameFilters, "Application Files (*)");
    EXPECT_TRUE(programs.executablesOnly);

    const auto shortcuts = toDesktopFileFilter("Application Shortcut Files (*.lnk)|*.lnk|");
    EXPECT_EQ(shortcuts.nameFilters, "Application Shortcut Files (*.lnk *.desktop)");
    EXPECT_FALSE(shortcuts.executablesOnly);

    const auto pictures =
        toDesktopFileFilter("Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|");
    EXPECT_TRUE(pictures.nameFilters.startsWith("Picture Files (*.bmp *.jpg *.gif "))
        << pictures.nameFilters.toStdString();
    EXPECT_TRUE(pictures.nameFilters.contains("*.png"));
    EXPECT_TRUE(pictures.nameFilters.contains("*.svg"));
    EXPECT_EQ(pictures.nameFilters.count("*.jpg"), 1) << "no pattern twice";

    // Several pairs, and patterns this desktop knows, pass through.
    EXPECT_EQ(toDesktopFileFilter("Text|*.txt;*.md|All|*|").nameFilters,
              "Text (*.txt *.md);;All (*)");
    EXPECT_EQ(toDesktopFileFilter("").nameFilters, "");
}

TEST(Fakes, QuestionsDialogsAndWindowsNobodyScriptedFailTheTest) {
    fakes::FakePlatform platform;
    platform::MessageAnswer answer = platform::MessageAnswer::Yes;
    EXPECT_NONFATAL_FAILURE(answer = platform.messages.show(nullptr, "Delete?", "Vantory",
                                                            platform::MessageButtons::YesNo,
                                                            platform::MessageIcon::None),
                            "unscripted question: Delete?");
    EXPECT_EQ(answer, platform::MessageAnswer::No);

    QString file = "x";
    EXPECT_NONFATAL_FAILURE(file = platform.dialogs.openFile(nullptr, "Pick", "All|*|"),
                            "unscripted dialog: Pick");
    EXPECT_EQ(file, "");
    std::optional<QColor> colour = QColor(Qt::red);
    EXPECT_NONFATAL_FAILURE(colour = platform.dialogs.chooseColour(nullptr, "Select Color", {}),
                            "unscripted dialog");
    EXPECT_FALSE(colour.has_value());
    EXPECT_EQ(platform.dialogs.calls.size(), 2u);

    QDialog editor;
    editor.setWindowTitle("Edit Group");
    int result = QDialog::Accepted;
    EXPECT_NONFATAL_FAILURE(result = platform.modal.showModal(&editor),
                            "unscripted window: Edit Group");
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(editor.isVisible());

    // Scripted answers come in order and are recorded with what the caller passed.
    platform.messages.answers = {platform::MessageAnswer::Yes};
    EXPECT_EQ(platform.messages.show(nullptr, "Sure?", "Vantory", platform::MessageButtons::YesNo,
                                     platform::MessageIcon::None),
              platform::MessageAnswer::Yes);
    platform.dialogs.folders = {"/home/me"};
    EXPECT_EQ(platform.dialogs.chooseFolder(nullptr, "Save Folder", ""), "/home/me");
    EXPECT_EQ(platform.dialogs.calls.back().title, "Save Folder");
    platform.modal.drivers.push_back([](QDialog* window) { window->accept(); });
    EXPECT_EQ(platform.modal.showModal(&editor), QDialog::Accepted);
}

} // namespace

TEST(DesktopWarmUp, FinishingRunsEachTaskOnceAndTheOwnWorkHereAndEndingWithoutFinishingWaitsToo) {
    {
        std::atomic<int> early = 0;
        platform::DesktopWarmUp warmUp([&early] { ++early; });
        std::vector<std::atomic<int>> runs(12);
        std::vector<platform::DesktopWarmUp::Task> tasks;
        for (std::atomic<int>& count : runs) {
            tasks.emplace_back([&count] { ++count; });
        }
        std::vector<std::thread::id> ranOn;
        const auto own = [&] { ranOn.push_back(std::this_thread::get_id()); };
        warmUp.share(std::move(tasks));
        warmUp.finish(own);
        warmUp.share({[&] { ++runs[0]; }}); // once finished, nothing more is taken
        warmUp.finish(own);
        // Every task is done, once, by the time finish returns, whichever thread took it; the
        // program's own work is done once, on its own thread, where its widgets live.
        for (const std::atomic<int>& count : runs) {
            EXPECT_EQ(count, 1);
        }
        EXPECT_EQ(ranOn, std::vector{std::this_thread::get_id()});
        EXPECT_EQ(early, 1);
    }
    // A start that ends early (a second Vantory hands over and leaves) still waits for the fonts.
    { const platform::DesktopWarmUp warmUp; }
    // Fonts are measured as usual afterwards.
    EXPECT_GT(QFontMetrics(QApplication::font()).height(), 0);
}

// The window's first paint, frames and all, loads no image plugin; they load once it has painted.
TEST(DesktopWarmUp, TheFirstPaintLoadsNoImagePluginAndThePluginsLoadAfterIt) {
    const auto pluginsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    };
    if (pluginsLoaded()) {
        GTEST_SKIP() << "an earlier test in this process loaded the plugins";
    }
    platform::DesktopWarmUp().finish();
    QWidget window;
    new QGroupBox(QStringLiteral("Categories"), &window);
    platform::DesktopWarmUp::loadImagePluginsOnceShown(&window);
    window.grab();
    EXPECT_FALSE(pluginsLoaded());
    QCoreApplication::processEvents();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_TRUE(pluginsLoaded());
}

namespace {

// Runs with XDG_STATE_HOME pointed at `folder`, as it was afterwards.
class StateHome {
  public:
    explicit StateHome(const QString& folder) : before_(qgetenv("XDG_STATE_HOME")) {
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder));
    }
    ~StateHome() {
        if (before_.isEmpty())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", before_);
    }

  private:
    QByteArray before_;
};

} // namespace

// Something other than Vantory's own file at either state file is never written through, read
// with a wait, or read whole when it is far too large.
TEST(StateFiles, ALinkAPipeOrAHugeFileIsLeftAloneAndNeverHoldsTheWindow) {
    QTemporaryDir home;
    const StateHome state(home.path());
    const QString folder = platform::stateFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    fakes::FakeMessageBoxes messages;
    platform::TrustedEntries trusted(folder, &messages);
    const QByteArray hash(32, 'h');
    struct File {
        QString name;
        std::function<bool()> read;  // true when it found something
        std::function<void()> write; // as a launch does
    };
    const std::vector<File> files{
        {"launch-counts.json",
         [&] { return !platform::DesktopLaunchCounts(&messages).all().isEmpty(); },
         [&] { platform::DesktopLaunchCounts(&messages).noteLaunch("Tools", "Calculator"); }},
        {"trusted-entries.json", [&] { return trusted.contains("/a.desktop", hash); },
         [&] {
             trusted.remember("/a.desktop", hash);
             EXPECT_FALSE(trusted.contains("/a.desktop", hash));
         }},
    };
    const QString outside = home.path() + "/precious.txt";
    for (const File& file : files) {
        SCOPED_TRACE(file.name.toStdString());
        const QString path = folder + "/" + file.name;
        // A link: the file it points to stays as it was, and so does the link.
        QFile precious(outside);
        ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
        precious.write("[]");
        precious.close();
        ASSERT_TRUE(QFile::link(outside, path));
        EXPECT_FALSE(file.read());
        file.write();
        EXPECT_EQ(QFileInfo(path).symLinkTarget(), outside);
        QFile check(outside);
        ASSERT_TRUE(check.open(QIODevice::ReadOnly));
        EXPECT_EQ(check.readAll(), QByteArray("[]"));
        // Told once, however often it was read and written.
        file.write();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  QString("\"%1\" is a symbolic link. Vantory does not write through links, so it "
                          "leaves the file alone and keeps what belongs there only until it "
                          "closes.")
                      .arg(path));
        messages.shown.clear();
        QFile::remove(path);
        // A named pipe with no writer: read without waiting, and never written into.
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        EXPECT_FALSE(file.read());
        file.write();
        EXPECT_EQ(QFileInfo(path).isFile(), false);
        EXPECT_TRUE(messages.shown.empty()) << "a pipe is told on the log alone";
        QFile::remove(path);
    }
    // Launch counts far larger than any person's are set aside, and counting starts afresh.
    const QString counts = folder + "/launch-counts.json";
    QFile huge(counts);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(64 * 1024 * 1024));
    huge.close();
    EXPECT_TRUE(platform::DesktopLaunchCounts().all().isEmpty());
    EXPECT_EQ(QFileInfo(counts + ".too-large").size(), 64 * 1024 * 1024);
    platform::DesktopLaunchCounts().noteLaunch("Tools", "Calculator");
    EXPECT_EQ(platform::DesktopLaunchCounts().all().size(), 1);
}
