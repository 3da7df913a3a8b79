// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TrustedEntries.h"
#include "platform/StateFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace platform {

namespace {

const QString kPath = QStringLiteral("path");
const QString kSha256 = QStringLiteral("sha256");
// Far more than any list of entries a user ticks; a bigger file is not ours.
constexpr qint64 kMaxSize = 4 * 1024 * 1024;

// The remembered entries; none when the file is missing, too big or not what this writes.
QJsonArray readEntries(const QString& path, MessageBoxes* messages) {
    QByteArray bytes;
    const StateRead read = readStateFile(path, kMaxSize, bytes);
    if (read == StateRead::NotRegular || read == StateRead::TooLarge)
        warnOnceAbout(path, read == StateRead::TooLarge
                                ? QStringLiteral("it is too large")
                                : QStringLiteral("it is not a regular file"));
    if (read == StateRead::NotRegular)
        tellAboutLinkOnce(messages, path);
    if (read != StateRead::Read)
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    return document.isArray() ? document.array() : QJsonArray();
}

bool sameEntry(const QJsonValue& value, const QString& path) {
    return value.toObject().value(kPath).toString() == path;
}

} // namespace

TrustedEntries::TrustedEntries(QString folder, MessageBoxes* messages)
    : folder_(std::move(folder)), messages_(messages) {}

QString TrustedEntries::file() const {
    return folder_ + QStringLiteral("/trusted-entries.json");
}

bool TrustedEntries::contains(const QString& canonicalPath, const QByteArray& sha256) const {
    const QString hash = QString::fromLatin1(sha256.toHex());
    for (const QJsonValue& value : readEntries(file(), messages_)) {
        if (sameEntry(value, canonicalPath) && value.toObject().value(kSha256).toString() == hash)
            return true;
    }
    return false;
}

void TrustedEntries::remember(const QString& canonicalPath, const QByteArray& sha256) {
    QJsonArray entries;
    for (const QJsonValue& value : readEntries(file(), messages_)) {
        if (!sameEntry(value, canonicalPath))
            entries.append(value);
    }
    entries.append(
        QJsonObject{{kPath, canonicalPath}, {kSha256, QString::fromLatin1(sha256.toHex())}});
    // Written whole or not at all: a session that ends half-way leaves the old list.
    QString why;
    if (!writeStateFile(file(), QJsonDocument(entries).toJson(), why)) {
        warnOnceAbout(file(), why);
        tellAboutLinkOnce(messages_, file());
    }
}

} // namespace platform
