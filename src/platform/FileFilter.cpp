// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFilter.h"

#include <QImageReader>
#include <QStringList>

namespace platform {

namespace {

const QStringList kPictureHints = {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                   QStringLiteral("*.gif")};

bool isPicturePattern(const QString& pattern) {
    return kPictureHints.contains(pattern, Qt::CaseInsensitive);
}

// Every picture format the image readers of this desktop take, as patterns.
QStringList picturePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    }
    return patterns;
}

} // namespace

DesktopFileFilter toDesktopFileFilter(const QString& filter) {
    DesktopFileFilter result;
    QStringList entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QStringList patterns;
        QStringList widened; // after the given patterns, so those keep their order
        for (const QString& raw : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = raw.trimmed();
            if (pattern.compare(QLatin1String("*.exe"), Qt::CaseInsensitive) == 0) {
                // Programs here carry no extension; the dialog shows executable files instead.
                result.executablesOnly = true;
                patterns << QStringLiteral("*");
            } else if (pattern.compare(QLatin1String("*.lnk"), Qt::CaseInsensitive) == 0) {
                patterns << pattern;
                widened << QStringLiteral("*.desktop");
            } else if (isPicturePattern(pattern)) {
                patterns << pattern;
                widened << picturePatterns();
            } else {
                patterns << pattern;
            }
        }
        patterns << widened;
        patterns.removeDuplicates();
        // The description already names its patterns in brackets; the dialog adds the
        // widened ones in its own.
        const qsizetype bracket = description.indexOf(QLatin1Char('('));
        if (bracket > 0) {
            description = description.left(bracket).trimmed();
        }
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    result.nameFilters = entries.join(QStringLiteral(";;"));
    return result;
}

} // namespace platform
