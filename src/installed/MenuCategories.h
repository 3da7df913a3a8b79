// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace installed {

// The desktop menu's main categories, in the order the dialog lists them, and Other for an
// entry that names none.
enum class MenuCategory {
    AudioVideo,
    Development,
    Education,
    Game,
    Graphics,
    Network,
    Office,
    Science,
    Settings,
    System,
    Utility,
    Other,
};

constexpr std::array<MenuCategory, 12> kMenuCategories{
    MenuCategory::AudioVideo, MenuCategory::Development, MenuCategory::Education,
    MenuCategory::Game,       MenuCategory::Graphics,    MenuCategory::Network,
    MenuCategory::Office,     MenuCategory::Science,     MenuCategory::Settings,
    MenuCategory::System,     MenuCategory::Utility,     MenuCategory::Other};

// The main category an entry's Categories name: the first main category listed, where Audio
// and Video stand for AudioVideo, except that a settings panel also filed under System stays
// with the settings. Other when none is listed.
MenuCategory mainCategoryOf(const QStringList& categories);

// The name the desktop's menu shows for the category, in the user's language.
QString menuName(MenuCategory category);

} // namespace installed
