// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <utility>

namespace platform {

// How often each shortcut was launched, kept apart from the catalogue so that launching never
// changes the catalogue file. The counts only order the finder's results: losing them loses
// nothing else.
class LaunchCounts {
  public:
    virtual ~LaunchCounts() = default;
    // Every count kept, by key().
    virtual QHash<QString, int> all() = 0;
    // Counts one more launch of the shortcut; a failure to keep it is never the user's problem.
    virtual void noteLaunch(const QString& category, const QString& caption) = 0;

    // The key of a shortcut's count: names hold no control characters, so this one parts them.
    static QString key(const QString& category, const QString& caption) {
        return category + QChar(0x1F) + caption;
    }
    // The category and caption a key() was made of; none for a text that is no key.
    static std::optional<std::pair<QString, QString>> names(const QString& key) {
        const qsizetype cut = key.indexOf(QChar(0x1F));
        if (cut < 0)
            return std::nullopt;
        return std::pair{key.left(cut), key.mid(cut + 1)};
    }
};

} // namespace platform
