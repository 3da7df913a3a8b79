// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/MenuCategories.h"

#include <QCoreApplication>

namespace installed {

namespace {

struct Named {
    const char* key;
    MenuCategory category;
};

// The freedesktop menu's main categories by the names desktop entries use for them.
constexpr Named kMainCategories[] = {
    {"AudioVideo", MenuCategory::AudioVideo}, {"Audio", MenuCategory::AudioVideo},
    {"Video", MenuCategory::AudioVideo},      {"Development", MenuCategory::Development},
    {"Education", MenuCategory::Education},   {"Game", MenuCategory::Game},
    {"Graphics", MenuCategory::Graphics},     {"Network", MenuCategory::Network},
    {"Office", MenuCategory::Office},         {"Science", MenuCategory::Science},
    {"Settings", MenuCategory::Settings},     {"System", MenuCategory::System},
    {"Utility", MenuCategory::Utility},
};

MenuCategory named(const QString& key) {
    for (const Named& main : kMainCategories) {
        if (key == QLatin1String(main.key))
            return main.category;
    }
    return MenuCategory::Other;
}

} // namespace

MenuCategory mainCategoryOf(const QStringList& categories) {
    MenuCategory first = MenuCategory::Other;
    bool settings = false;
    for (const QString& key : categories) {
        const MenuCategory category = named(key);
        if (first == MenuCategory::Other)
            first = category;
        settings = settings || category == MenuCategory::Settings;
    }
    return first == MenuCategory::System && settings ? MenuCategory::Settings : first;
}

QString menuName(MenuCategory category) {
    switch (category) {
    case MenuCategory::AudioVideo:
        return QCoreApplication::translate("Vantory", "Sound & Video");
    case MenuCategory::Development:
        return QCoreApplication::translate("Vantory", "Programming");
    case MenuCategory::Education:
        return QCoreApplication::translate("Vantory", "Education");
    case MenuCategory::Game:
        return QCoreApplication::translate("Vantory", "Games");
    case MenuCategory::Graphics:
        return QCoreApplication::translate("Vantory", "Graphics");
    case MenuCategory::Network:
        return QCoreApplication::translate("Vantory", "Internet");
    case MenuCategory::Office:
        return QCoreApplication::translate("Vantory", "Office");
    case MenuCategory::Science:
        return QCoreApplication::translate("Vantory", "Science");
    case MenuCategory::Settings:
        return QCoreApplication::translate("Vantory", "Settings");
    case MenuCategory::System:
        return QCoreApplication::translate("Vantory", "System Tools");
    case MenuCategory::Utility:
        return QCoreApplication::translate("Vantory", "Accessories");
    case MenuCategory::Other:
        break;
    }
    return QCoreApplication::translate("Vantory", "Other");
}

} // namespace installed
