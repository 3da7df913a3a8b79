// SPDX-License-Identifier: GPL-3.0-or-later
// Which installed applications are added, and under which category and caption.
#include "installed/ApplicationFiling.h"
#include "store/NameCollator.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using platform::DesktopApplication;

DesktopApplication entry(const QString& id, const QString& name, const QString& categories) {
    DesktopApplication application;
    application.id = id;
    application.file = QStringLiteral("/usr/share/applications/") + id;
    application.name = name;
    application.comment = QStringLiteral("About ") + name;
    application.categories = categories.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    application.program = QStringLiteral("/usr/bin/") + name.toLower();
    return application;
}

struct Case {
    const char* what;
    DesktopApplication application;
    QString group;   // "" when it is left out
    QString caption; // as added
};

TEST(InstalledFiling, FilesEachApplicationUnderItsMenuCategoryOnceWithACaptionOfItsOwn) {
    auto with = [](DesktopApplication a, auto change) {
        change(a);
        return a;
    };
    const DesktopApplication plain = entry("plain.desktop", "Plain", "");
    const std::vector<Case> cases = {
        {"main category, existing group", entry("ed.desktop", "Editor", "GTK;Utility;"),
         "accessories", "Editor"},
        {"alike caption in the group", entry("calc.desktop", "calculator", "Utility"),
         "accessories", "calculator (2)"},
        {"Audio is Sound & Video", entry("play.desktop", "Player", "Audio;Player"), "Sound & Video",
         "Player"},
        {"settings also under System", entry("panel.desktop", "Panel", "System;Settings"),
         "Settings", "Panel"},
        {"first main category", entry("web.desktop", "Web", "Network;Office"), "Internet", "Web"},
        {"no main category", entry("misc.desktop", "Misc", "X-Custom"), "Other", "Misc"},
        {"apostrophe", entry("fran.desktop", "Fran's Notes", ""), "Other", "Fran\u2019s Notes"},
        {"shown only here",
         with(plain, [](auto& a) { a.id = "x1.desktop", a.file += "1", a.onlyShowIn = {"XFCE"}; }),
         "Other", "Plain"},
        {"alike caption in one run",
         with(plain, [](auto& a) { a.id = "x2.desktop", a.file += "2"; }), "Other", "Plain (2)"},
        {"NoDisplay", with(plain, [](auto& a) { a.id = "n.desktop", a.noDisplay = true; }), "", ""},
        {"Hidden", with(plain, [](auto& a) { a.id = "h.desktop", a.hidden = true; }), "", ""},
        {"only elsewhere",
         with(plain, [](auto& a) { a.id = "o.desktop", a.onlyShowIn = {"GNOME"}; }), "", ""},
        {"not here", with(plain, [](auto& a) { a.id = "e.desktop", a.notShowIn = {"XFCE"}; }), "",
         ""},
        {"TryExec missing",
         with(plain, [](auto& a) { a.id = "t.desktop", a.tryExecFound = false; }), "", ""},
        {"Vantory by id", with(plain, [](auto& a) { a.id = "org.mellovan.Vantory.desktop"; }), "",
         ""},
        {"Vantory by program",
         with(plain, [](auto& a) { a.id = "v.desktop", a.program = "/usr/bin/vantory"; }), "", ""},
        {"held by path", entry("held.desktop", "Held", "Game"), "", ""},
        {"held by id elsewhere",
         with(entry("web2.desktop", "Web2", "Network"),
              [](auto& a) { a.file = "/home/u/.local/share/applications/web2.desktop"; }),
         "", ""},
    };
    installed::CatalogueContent catalogue;
    catalogue.groups = {"accessories", "Games"};
    catalogue.items = {{"accessories", "CALCULATOR", "/usr/bin/calc"},
                       {"Games", "Held", "/usr/share/applications/held.desktop"},
                       {"Games", "Web", "/usr/share/applications/web2.desktop"}};
    std::vector<DesktopApplication> found;
    for (const Case& c : cases)
        found.push_back(c.application);
    const store::NameCollator collator("en");
    const std::vector<installed::CategoryPlan> plans =
        installed::fileApplications(found, catalogue, {{"XFCE"}, "org.mellovan.Vantory.desktop"},
                                    [&](std::string_view name) { return collator.sortKey(name); });

    std::map<QString, std::vector<QString>> filed; // group, caption, description by file
    for (const installed::CategoryPlan& plan : plans) {
        EXPECT_EQ(plan.exists, plan.group == "accessories" || plan.group == "Games");
        for (const installed::NewShortcut& s : plan.shortcuts)
            EXPECT_TRUE(
                filed.emplace(s.path, std::vector{plan.group, s.caption, s.description}).second);
    }
    for (const Case& c : cases) {
        const auto it = filed.find(c.application.file);
        const std::vector<QString> expected =
            c.group.isEmpty() ? std::vector<QString>()
                              : std::vector{c.group, c.caption, c.application.comment};
        EXPECT_EQ(it == filed.end() ? std::vector<QString>() : it->second, expected) << c.what;
    }
    // Games holds nothing new but has an application in the menu: it is listed with none to add.
    const auto games = std::find_if(plans.begin(), plans.end(), [](const auto& p) {
        return p.category == installed::MenuCategory::Game;
    });
    ASSERT_NE(games, plans.end());
    EXPECT_TRUE(games->shortcuts.empty());
    EXPECT_EQ(games->group, "Games");
}

} // namespace
