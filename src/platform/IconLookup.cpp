// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IconLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

#include "platform/InstalledApplications.h"
#include "platform/StateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The most pixels a picture named as an icon may have: a larger one would cost the window
// hundreds of megabytes to show at 32 pixels.
constexpr qint64 kMaxPicturePixels = 4096 * 4096;

// A picture file, known by what its content starts with, that is no larger than an icon can
// reasonably be and really loads (an SVG that refers to itself does not): anything else is
// never shown.
bool isLoadablePicture(const QString& path) {
    // Opened without waiting, and only when it is a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) {
        return false;
    }
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (reader.format().isEmpty() || !size.isValid() ||
        qint64(size.width()) * size.height() > kMaxPicturePixels) {
        return false;
    }
    reader.setScaledSize(size.scaled(32, 32, Qt::KeepAspectRatio));
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    // A picture that draws nothing (an SVG whose only shape refers to itself) shows nothing.
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                return true;
            }
        }
    }
    return false;
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

IconSource IconLocator::locate(TargetIcons::Target target, const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isReadable()) {
        return {};
    }
    if (info.isDir()) {
        return folderIcon(info.canonicalFilePath());
    }
    // A named pipe, a socket or a device has no icon of its own, and reading it could wait.
    if (target == TargetIcons::Target::Folder || !info.isFile()) {
        return {};
    }
    if (path.endsWith(QLatin1String(".desktop"))) {
        return desktopEntryIcon(path);
    }
    if (target == TargetIcons::Target::Application) {
        return IconSource{{}, {}, info.canonicalFilePath()};
    }
    return fileTypeIcon(path);
}

IconSource IconLocator::folderIcon(const QString& canonicalPath) {
    if (!userFolders_) {
        userFolders_ = readUserFolders();
    }
    const QString own = userFolders_->value(canonicalPath);
    return IconSource{own.isEmpty() ? QStringLiteral("folder") : own, {}, {}};
}

IconSource IconLocator::fileTypeIcon(const QString& path) {
    // By the name alone: finding the icon reads no file's content.
    const QMimeType type = mimeTypes_.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!type.isValid()) {
        return {}; // no MIME database installed
    }
    // The generic icon stands in where the theme lacks the type's own (see IconLookup::load).
    return IconSource{type.iconName() + QLatin1Char('\n') + type.genericIconName(), {}, {}};
}

IconSource IconLocator::desktopEntryIcon(const QString& path) {
    QByteArray text;
    if (readStateFile(path, kMaxDesktopEntrySize, text) != StateRead::Read) {
        return {};
    }
    GKeyFile* entry = g_key_file_new();
    QString icon;
    if (g_key_file_load_from_data(entry, text.constData(), static_cast<gsize>(text.size()),
                                  G_KEY_FILE_NONE, nullptr)) {
        gchar* value = g_key_file_get_string(entry, "Desktop Entry", "Icon", nullptr);
        icon = QString::fromUtf8(value);
        g_free(value);
    }
    g_key_file_free(entry);
    return named(icon);
}

IconSource IconLocator::named(const QString& icon) {
    if (QDir::isAbsolutePath(icon)) {
        return isLoadablePicture(icon) ? IconSource{{}, icon, {}} : IconSource{};
    }
    if (icon.isEmpty() || icon.contains(QLatin1Char('/'))) {
        return {};
    }
    return IconSource{themeName(icon), {}, {}};
}

QString IconLocator::themeName(const QString& icon) {
    // Some entries name their icon with the file's extension, which a theme name lacks.
    QString name = icon;
    for (const char* extension : {".png", ".svg", ".xpm"}) {
        if (name.endsWith(QLatin1String(extension))) {
            name.chop(4);
        }
    }
    return name;
}

QIcon IconLookup::load(const IconSource& source) {
    if (!fallbacksSet_) {
        useDesktopFallbacks();
        fallbacksSet_ = true;
    }
    if (!source.picture.isEmpty()) {
        return QIcon(source.picture);
    }
    if (!source.program.isEmpty()) {
        // The installed applications are GIO's list, read here, never the target.
        const QString icon = InstalledApplications::instance().iconOf(source.program);
        if (QDir::isAbsolutePath(icon)) {
            return isLoadablePicture(icon) ? QIcon(icon) : QIcon();
        }
        return icon.contains(QLatin1Char('/')) ? QIcon() : named(IconLocator::themeName(icon));
    }
    // A MIME type's icon, then its generic one.
    for (const QString& name : source.themeName.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QIcon icon = named(name);
        if (!icon.isNull()) {
            return icon;
        }
    }
    return {};
}

QIcon IconLookup::named(const QString& icon) {
    const auto kept = byName_.constFind(icon);
    if (kept != byName_.constEnd()) {
        return *kept;
    }
    const QIcon found = QIcon::fromTheme(icon);
    byName_.insert(icon, found);
    return found;
}

} // namespace platform
