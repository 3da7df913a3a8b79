// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installed/CatalogueContent.h"
#include "installed/MenuCategories.h"
#include "platform/ApplicationMenu.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace installed {

// What decides whether an entry belongs in the user's menu here.
struct MenuRules {
    QStringList currentDesktops; // XDG_CURRENT_DESKTOP, split at its colons
    QString ownId;               // Vantory's own desktop id: Vantory is not filed under itself
};

// False for an entry the desktop's menu leaves out: NoDisplay, Hidden, shown only in other
// desktops or not in this one, a TryExec program that is not there, and Vantory itself.
bool showsInMenu(const platform::DesktopApplication& application, const MenuRules& rules);

// One shortcut to an installed application, ready for the catalogue.
struct NewShortcut {
    QString caption;
    QString description;
    QString path;
};

// What one menu category adds to the catalogue.
struct CategoryPlan {
    MenuCategory category;
    QString group;       // the catalogue's category: an existing one of that name, or a new one
    bool exists = false; // the group is already in the catalogue
    std::vector<NewShortcut> shortcuts; // only applications the catalogue does not hold yet
};

// A key equal for two names exactly when the catalogue calls them alike.
using NameKey = std::function<std::string(std::string_view)>;

// Files the applications the menu shows under their main categories, leaving out those the
// catalogue already holds (the same desktop entry, in any category). A caption alike to one
// already in its category gets " (2)", " (3)" and so on. Only categories that have an
// application in the menu are planned, in the menu's order.
std::vector<CategoryPlan> fileApplications(const std::vector<platform::DesktopApplication>& found,
                                           const CatalogueContent& catalogue,
                                           const MenuRules& rules, const NameKey& keyOf);

} // namespace installed
