// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IconLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

#include "platform/InstalledApplications.h"

#include <glib.h>

namespace platform {

namespace {

// The home folder and the user folders xdg-user-dirs names, with their icons; the home folder
// first, so that a user folder set to home (as xdg-user-dirs does to switch one off) stays home.
QHash<QString, QString> readUserFolders() {
    static const std::pair<QStandardPaths::StandardLocation, const char*> kFolders[] = {
        {QStandardPaths::HomeLocation, "user-home"},
        {QStandardPaths::DesktopLocation, "user-desktop"},
        {QStandardPaths::DocumentsLocation, "folder-documents"},
        {QStandardPaths::DownloadLocation, "folder-download"},
        {QStandardPaths::MusicLocation, "folder-music"},
        {QStandardPaths::PicturesLocation, "folder-pictures"},
        {QStandardPaths::MoviesLocation, "folder-videos"}};
    QHash<QString, QString> folders;
    for (const auto& [location, icon] : kFolders) {
        const QString path =
            QFileInfo(QStandardPaths::writableLocation(location)).canonicalFilePath();
        if (!path.isEmpty() && !folders.contains(path)) {
            folders.insert(path, QLatin1String(icon));
        }
    }
    return folders;
}

// A picture file, known by what its content starts with: anything else is never loaded.
bool isPicture(const QString& path) {
    return QFileInfo(path).isFile() && !QImageReader::imageFormat(path).isEmpty();
}

// Where the desktop looks for an icon its theme lacks: the hicolor theme, then the pixmaps
// folders of the data folders.
void useDesktopFallbacks() {
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
    QStringList folders = QIcon::fallbackSearchPaths();
    for (const QString& pixmaps :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("pixmaps"),
                                   QStandardPaths::LocateDirectory)) {
        if (!folders.contains(pixmaps)) {
            folders << pixmaps;
        }
    }
    QIcon::setFallbackSearchPaths(folders);
}

} // namespace

QIcon IconLookup::find(TargetIcons::Target target, const QString& path) {
    if (!fallbacksSet_) {
        useDesktopFallbacks();
        fallbacksSet_ = true;
    }
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isReadable()) {
        return {};
    }
    if (info.isDir()) {
        return folderIcon(info.canonicalFilePath());
    }
    if (target == TargetIcons::Target::Folder) {
        return {};
    }
    if (path.endsWith(QLatin1String(".desktop"))) {
        return desktopEntryIcon(path);
    }
    if (target == TargetIcons::Target::Application) {
        return named(InstalledApplications::instance().iconOf(info.canonicalFilePath()));
    }
    return fileTypeIcon(path);
}

QIcon IconLookup::folderIcon(const QString& canonicalPath) {
    if (!userFolders_) {
        userFolders_ = readUserFolders();
    }
    const QIcon own = named(userFolders_->value(canonicalPath));
    return own.isNull() ? named(QStringLiteral("folder")) : own;
}

QIcon IconLookup::fileTypeIcon(const QString& path) {
    // By the name alone: filling the list reads no file's content.
    const QMimeType type = mimeTypes_.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!type.isValid()) {
        return {}; // no MIME database installed
    }
    const auto kept = byMimeType_.constFind(type.name());
    if (kept != byMimeType_.constEnd()) {
        return *kept;
    }
    QIcon icon = named(type.iconName());
    if (icon.isNull()) {
        icon = named(type.genericIconName());
    }
    byMimeType_.insert(type.name(), icon);
    return icon;
}

QIcon IconLookup::desktopEntryIcon(const QString& path) {
    GKeyFile* entry = g_key_file_new();
    QString icon;
    if (g_key_file_load_from_file(entry, QFile::encodeName(path).constData(), G_KEY_FILE_NONE,
                                  nullptr)) {
        gchar* value = g_key_file_get_string(entry, "Desktop Entry", "Icon", nullptr);
        icon = QString::fromUtf8(value);
        g_free(value);
    }
    g_key_file_free(entry);
    return named(icon);
}

QIcon IconLookup::named(QString icon) {
    if (icon.isEmpty()) {
        return {};
    }
    const auto kept = byName_.constFind(icon);
    if (kept != byName_.constEnd()) {
        return *kept;
    }
    QIcon found;
    if (QDir::isAbsolutePath(icon)) {
        if (isPicture(icon)) {
            found = QIcon(icon);
        }
    } else if (!icon.contains(QLatin1Char('/'))) {
        // Some entries name their icon with the file's extension, which a theme name lacks.
        QString name = icon;
        for (const char* extension : {".png", ".svg", ".xpm"}) {
            if (name.endsWith(QLatin1String(extension))) {
                name.chop(4);
            }
        }
        found = QIcon::fromTheme(name);
    }
    byName_.insert(icon, found);
    return found;
}

} // namespace platform
