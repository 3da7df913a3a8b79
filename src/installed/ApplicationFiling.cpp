// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/ApplicationFiling.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace installed {

namespace {

// The catalogue's names and descriptions are shorter than 254 characters.
constexpr qsizetype kLongestField = 253;

// Shown in desktops the entry names, not in those it excludes; the first of the current desktops
// the entry names decides, as the desktop entry rules have it.
bool showsInDesktops(const platform::DesktopApplication& application, const QStringList& current) {
    for (const QString& desktop : current) {
        if (application.notShowIn.contains(desktop))
            return false;
        if (application.onlyShowIn.contains(desktop))
            return true;
    }
    return application.onlyShowIn.isEmpty();
}

bool isOwnEntry(const platform::DesktopApplication& application, const MenuRules& rules) {
    return (!rules.ownId.isEmpty() && application.id == rules.ownId) ||
           QFileInfo(application.program).fileName() == QLatin1String("vantory");
}

// The desktop id a path names when it lies in an applications folder: the path below it with
// its folders joined by "-", as the desktop makes ids of entries in subfolders.
QString desktopIdOf(const QString& path) {
    static const QString folder = QStringLiteral("/applications/");
    const qsizetype at = path.lastIndexOf(folder);
    if (at < 0 || !path.endsWith(QLatin1String(".desktop")))
        return {};
    return path.mid(at + folder.size()).replace(QLatin1Char('/'), QLatin1Char('-'));
}

// A caption the catalogue takes: one line, no apostrophe (it reads the same as a typographic
// one), short enough for a numbered suffix.
QString storableCaption(const QString& name, const QString& suffix) {
    QString caption = name.simplified();
    caption.replace(QLatin1Char('\''), QChar(0x2019));
    return caption.left(kLongestField - suffix.size()) + suffix;
}

QString storableDescription(const QString& comment) {
    const QString description = comment.simplified();
    if (description.size() <= kLongestField)
        return description;
    return description.left(kLongestField - 1) + QChar(0x2026);
}

// Finds the targets the catalogue already holds, by path and by desktop id.
class HeldEntries {
  public:
    explicit HeldEntries(const CatalogueContent& catalogue) {
        for (const CatalogueContent::Item& item : catalogue.items) {
            const QString path = QString::fromStdString(item.path);
            paths_.insert(path);
            const QString id = desktopIdOf(path);
            if (!id.isEmpty())
                ids_.insert(id);
        }
    }
    bool holds(const platform::DesktopApplication& application) const {
        return paths_.contains(application.file) || ids_.contains(application.id);
    }

  private:
    QSet<QString> paths_;
    QSet<QString> ids_;
};

// The captions of each group, by the groups' and the captions' keys.
class HeldCaptions {
  public:
    HeldCaptions(const CatalogueContent& catalogue, const NameKey& keyOf) : keyOf_(keyOf) {
        std::unordered_map<std::string, std::string> groupKeys;
        for (const CatalogueContent::Item& item : catalogue.items) {
            auto known = groupKeys.find(item.group);
            if (known == groupKeys.end())
                known = groupKeys.emplace(item.group, keyOf(item.group)).first;
            byGroup_[known->second].push_back(&item.caption);
        }
    }
    // The caption keys of a group, made when the group is first asked about.
    std::unordered_set<std::string>& of(const std::string& groupKey) {
        auto known = keys_.find(groupKey);
        if (known != keys_.end())
            return known->second;
        std::unordered_set<std::string>& keys = keys_[groupKey];
        for (const std::string* caption : byGroup_[groupKey])
            keys.insert(keyOf_(*caption));
        return keys;
    }

  private:
    const NameKey& keyOf_;
    std::unordered_map<std::string, std::vector<const std::string*>> byGroup_;
    std::unordered_map<std::string, std::unordered_set<std::string>> keys_;
};

struct Candidate {
    std::string key; // the name's collation key, for a stable order
    const platform::DesktopApplication* application;
};

} // namespace

bool showsInMenu(const platform::DesktopApplication& application, const MenuRules& rules) {
    return !application.noDisplay && !application.hidden && application.tryExecFound &&
           showsInDesktops(application, rules.currentDesktops) && !isOwnEntry(application, rules);
}

std::vector<CategoryPlan> fileApplications(const std::vector<platform::DesktopApplication>& found,
                                           const CatalogueContent& catalogue,
                                           const MenuRules& rules, const NameKey& keyOf) {
    const HeldEntries held(catalogue);
    std::map<MenuCategory, std::vector<Candidate>> byCategory;
    std::set<MenuCategory> shown;
    for (const platform::DesktopApplication& application : found) {
        // A path with an apostrophe is one the catalogue's editors refuse.
        if (!showsInMenu(application, rules) || application.name.simplified().isEmpty() ||
            application.file.isEmpty() || application.file.contains(QLatin1Char('\'')))
            continue;
        const MenuCategory category = mainCategoryOf(application.categories);
        shown.insert(category);
        if (!held.holds(application))
            byCategory[category].push_back(
                {keyOf(application.name.simplified().toStdString()), &application});
    }

    std::unordered_map<std::string, std::string> groups; // by key, as the catalogue spells them
    for (const std::string& group : catalogue.groups)
        groups.emplace(keyOf(group), group);
    HeldCaptions captions(catalogue, keyOf);

    std::vector<CategoryPlan> plans;
    for (const MenuCategory category : kMenuCategories) {
        if (!shown.contains(category))
            continue;
        CategoryPlan plan{category, menuName(category), false, {}};
        const std::string groupKey = keyOf(plan.group.toStdString());
        if (const auto existing = groups.find(groupKey); existing != groups.end()) {
            plan.group = QString::fromStdString(existing->second);
            plan.exists = true;
        }
        std::vector<Candidate>& candidates = byCategory[category];
        std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
            return a.key != b.key ? a.key < b.key : a.application->id < b.application->id;
        });
        std::unordered_set<std::string>& taken = captions.of(groupKey);
        for (const Candidate& candidate : candidates) {
            const platform::DesktopApplication& application = *candidate.application;
            QString caption = storableCaption(application.name, {});
            for (int n = 2; !taken.insert(keyOf(caption.toStdString())).second; ++n)
                caption = storableCaption(application.name, QStringLiteral(" (%1)").arg(n));
            plan.shortcuts.push_back(
                {caption, storableDescription(application.comment), application.file});
        }
        plans.push_back(std::move(plan));
    }
    return plans;
}

} // namespace installed
