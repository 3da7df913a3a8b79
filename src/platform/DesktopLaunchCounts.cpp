// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLaunchCounts.h"
#include "platform/StateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSaveFile>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcCounts, "vantory.launchcounts", QtWarningMsg)

const QString kCategory = QStringLiteral("category");
const QString kCaption = QStringLiteral("caption");
const QString kLaunches = QStringLiteral("launches");

QHash<QString, int> readCounts() {
    QHash<QString, int> counts;
    QFile file(DesktopLaunchCounts::filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return counts;
    }
    // A damaged file reads as no counts: the next launch writes a sound one.
    const QJsonArray entries = QJsonDocument::fromJson(file.readAll()).array();
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
        counts_ = readCounts();
    }
    return *counts_;
}

void DesktopLaunchCounts::noteLaunch(const QString& category, const QString& caption) {
    QHash<QString, int> counts = all();
    ++counts[key(category, caption)];
    counts_ = counts;

    QJsonArray entries;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const qsizetype cut = it.key().indexOf(QChar(0x1F));
        entries.append(QJsonObject{{kCategory, it.key().left(cut)},
                                   {kCaption, it.key().mid(cut + 1)},
                                   {kLaunches, it.value()}});
    }
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(entries).toJson(QJsonDocument::Compact)) < 0 || !file.commit()) {
        qCWarning(lcCounts) << "cannot keep the launch counts in" << path << file.errorString();
    }
}

} // namespace platform
