// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorTrap.h"
#include "common/MainHelpers.h"
#include "fakes/FakeServices.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(MainHelpers, NamesAndExtensionsSplitAtTheRightPlaces) {
    EXPECT_EQ(Main::StripExtension(""), "");
    EXPECT_EQ(Main::StripExtension("report.odt"), "report");
    EXPECT_EQ(Main::StripExtension("archive.tar.gz"), "archive.tar");
    EXPECT_EQ(Main::StripExtension(".bashrc"), ".bashrc") << "a leading dot is no extension";
    EXPECT_EQ(Main::StripExtension("a."), "a");
    EXPECT_EQ(Main::StripExtension("README"), "README");

    EXPECT_EQ(Main::FileNameFromPath("/usr/share/doc/notes.txt"), "notes.txt");
    EXPECT_EQ(Main::FileNameFromPath("notes.txt"), "notes.txt");
    EXPECT_EQ(Main::FileNameFromPath("/usr/share/"), "");
}

TEST(MainHelpers, TheTitleLosesWholeWordsUntilItFits) {
    EXPECT_EQ(Main::ShortenTitle("Vantory"), "Vantory");
    EXPECT_EQ(Main::ShortenTitle("Quick Launch Pad"), "Quick Launch");
    const QString longName = "The Quite Remarkably Long Named Launcher Of Shortcuts";
    const QString shortened = Main::ShortenTitle(longName);
    EXPECT_EQ(shortened, "The Quite Remarkably Long Named Launcher");
    EXPECT_LE(shortened.size(), 40);
}

TEST(MainHelpers, SpecialFolderPathIsTrimmedAndEmptyWhenUnknown) {
    fakes::FakeEnvironment env;
    env.dataHome = QStringLiteral("  /home/me/.local/share ");
    EXPECT_EQ(Main::SpecialFolderPath(env, 35), "/home/me/.local/share");
    EXPECT_EQ(Main::SpecialFolderPath(env, 7), "");
}

TEST(ErrorTrap, ShowsTheApplicationErrorBoxAndGoesOn) {
    fakes::FakeMessageBoxes boxes;
    common::Trap trap(boxes, nullptr, "Form1.Form_Load");
    int reached = 0;

    EXPECT_FALSE(trap.step(124, [] { throw std::runtime_error("Disk not ready"); }));
    EXPECT_TRUE(trap.step(126, [&] { ++reached; }));
    // A test that fails counts as true, so the block it guards runs.
    EXPECT_TRUE(trap.test(128, []() -> bool { throw std::runtime_error("Bad test"); }));
    EXPECT_FALSE(trap.test(130, [] { return false; }));

    EXPECT_EQ(reached, 1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text,
              "Disk not ready\r\nin Vantory2021/08/31.Form1.Form_Load at line 124\r\n\r\n"
              "Please email screenshot of this message to support@mellovan.example");
    EXPECT_EQ(boxes.shown[0].title, "Application Error");
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_TRUE(boxes.shown[1].text.startsWith(
        "Bad test\r\nin Vantory2021/08/31.Form1.Form_Load at line 128"));
    EXPECT_EQ(trap.failures(), 2);
}

} // namespace
