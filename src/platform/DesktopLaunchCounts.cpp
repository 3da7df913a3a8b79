// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLaunchCounts.h"
#include "platform/StateFile.h"
#include "platform/StateFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace platform {

namespace {

const QString kCategory = QStringLiteral("category");
const QString kCaption = QStringLiteral("caption");
const QString kLaunches = QStringLiteral("launches");

// Far above what a person's launches make (some 100 bytes a shortcut launched): a bigger file
// is not one Vantory wrote, and reading it would hold the window.
constexpr qint64 kMaxSize = 8 * 1024 * 1024;

QHash<QString, int> readCounts(MessageBoxes* messages) {
    QHash<QString, int> counts;
    const QString path = DesktopLaunchCounts::filePath();
    QByteArray bytes;
    switch (readStateFile(path, kMaxSize, bytes)) {
    case StateRead::Read:
        break;
    case StateRead::TooLarge:
        // Set aside rather than lost: counts start afresh.
        setStateFileAside(path);
        warnOnceAbout(path, QStringLiteral("it is too large; it is set aside, and the counts "
                                           "start afresh"));
        return counts;
    case StateRead::NotRegular:
        warnOnceAbout(path, QStringLiteral("it is not a regular file"));
        tellAboutLinkOnce(messages, path);
        return counts;
    case StateRead::Missing:
    case StateRead::Failed:
        return counts;
    }
    // A damaged file reads as no counts: the next launch writes a sound one.
    const QJsonArray entries = QJsonDocument::fromJson(bytes).array();
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const int launches = entry.value(kLaunches).toInt();
        if (launches > 0) {
            counts.insert(LaunchCounts::key(entry.value(kCategory).toString(),
                                            entry.value(kCaption).toString()),
                          launches);
        }
    }
    return counts;
}

} // namespace

QString DesktopLaunchCounts::filePath() {
    return stateFolder() + QStringLiteral("/launch-counts.json");
}

QHash<QString, int> DesktopLaunchCounts::all() {
    if (!counts_) {
        counts_ = readCounts(messages_);
    }
    return *counts_;
}

void DesktopLaunchCounts::noteLaunch(const QString& category, const QString& caption) {
    QHash<QString, int> counts = all();
    ++counts[key(category, caption)];
    counts_ = counts;

    QJsonArray entries;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const auto names = LaunchCounts::names(it.key());
        if (!names)
            continue; // every key is made by key()
        entries.append(QJsonObject{
            {kCategory, names->first}, {kCaption, names->second}, {kLaunches, it.value()}});
    }
    const QString path = filePath();
    QString why;
    if (!writeStateFile(path, QJsonDocument(entries).toJson(QJsonDocument::Compact), why)) {
        warnOnceAbout(path, why);
        tellAboutLinkOnce(messages_, path);
    }
}

} // namespace platform
