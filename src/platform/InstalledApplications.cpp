// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstalledApplications.h"

#include "platform/GioLibrary.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>

#include <memory>
#include <optional>

namespace platform {

namespace {

// The program a command names, found through PATH and with its links resolved.
QString programPath(const char* program) {
    if (program == nullptr || *program == '\0') {
        return {};
    }
    gchar* found = g_find_program_in_path(program);
    if (found == nullptr) {
        return {};
    }
    const QString path = QFileInfo(QFile::decodeName(found)).canonicalFilePath();
    g_free(found);
    return path;
}

// Programs that only start another one named further along the command line: the entry says
// nothing about the program at their path.
bool startsAnotherProgram(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name == QLatin1String("env") || name == QLatin1String("sh") ||
           name == QLatin1String("bash") || name == QLatin1String("flatpak");
}

// Without GIO no application counts as installed.
bool gioLoads() {
    try {
        platform::gio();
        return true;
    } catch (const PlatformError&) {
        return false;
    }
}

QString takeString(gchar* text) {
    const QString value = QString::fromUtf8(text);
    g_free(text);
    return value;
}

QStringList takeStringList(gchar** list) {
    QStringList values;
    for (gchar** item = list; item != nullptr && *item != nullptr; ++item)
        values << QString::fromUtf8(*item);
    g_strfreev(list);
    return values;
}

// A desktop entry's list: values split at ";", the empty ones left out.
QStringList splitList(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

DesktopApplication describe(const GioLibrary& gio, GAppInfo* app) {
    auto* entry = reinterpret_cast<GDesktopAppInfo*>(app);
    DesktopApplication described;
    described.id = QString::fromUtf8(gio.applicationId(app));
    described.file = QFile::decodeName(gio.appInfoFile(entry));
    described.name = QString::fromUtf8(gio.applicationName(app));
    described.comment = QString::fromUtf8(gio.applicationDescription(app));
    described.categories = splitList(gio.entryCategories(entry));
    described.onlyShowIn = takeStringList(gio.entryStringList(entry, "OnlyShowIn", nullptr));
    described.notShowIn = takeStringList(gio.entryStringList(entry, "NotShowIn", nullptr));
    described.program = QFile::decodeName(gio.executable(app));
    described.tryExec = takeString(gio.entryString(entry, "TryExec"));
    if (!described.tryExec.isEmpty()) {
        gchar* found = g_find_program_in_path(described.tryExec.toUtf8().constData());
        described.tryExecFound = found != nullptr;
        g_free(found);
    }
    described.noDisplay = gio.entryNoDisplay(entry);
    described.hidden = gio.entryHidden(entry);
    return described;
}

// What an installed application's desktop entry says about its program and icon.
struct DesktopEntry {
    QString id;
    QString icon;
    QByteArray tryExec;
    QByteArray program; // the first word of Exec as a shell reads it, as GIO's executable
};

using KeyFile = std::unique_ptr<GKeyFile, decltype(&g_key_file_free)>;

QByteArray entryValue(GKeyFile* entry, const char* key) {
    gchar* value = g_key_file_get_string(entry, G_KEY_FILE_DESKTOP_GROUP, key, nullptr);
    QByteArray text(value);
    g_free(value);
    return text;
}

bool programFound(const QByteArray& program) {
    gchar* found = g_find_program_in_path(program.constData());
    g_free(found);
    return found != nullptr;
}

// The entry as GIO lists it among the installed applications, or nothing where GIO lists none:
// not an application, hidden, or its TryExec or Exec program not installed. Read with GLib's
// key file alone: loading GIO for the icons of programs would cost every window showing one
// a few megabytes.
std::optional<DesktopEntry> listedEntry(const QString& id, const QString& file) {
    const KeyFile entry(g_key_file_new(), &g_key_file_free);
    if (!g_key_file_load_from_file(entry.get(), QFile::encodeName(file).constData(),
                                   G_KEY_FILE_NONE, nullptr) ||
        entryValue(entry.get(), G_KEY_FILE_DESKTOP_KEY_TYPE) !=
            G_KEY_FILE_DESKTOP_TYPE_APPLICATION ||
        g_key_file_get_boolean(entry.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_HIDDEN,
                               nullptr)) {
        return std::nullopt;
    }
    DesktopEntry listed{id,
                        QString::fromUtf8(entryValue(entry.get(), G_KEY_FILE_DESKTOP_KEY_ICON)),
                        entryValue(entry.get(), G_KEY_FILE_DESKTOP_KEY_TRY_EXEC),
                        {}};
    if (!listed.tryExec.isEmpty() && !programFound(listed.tryExec)) {
        return std::nullopt;
    }
    const QByteArray exec = entryValue(entry.get(), G_KEY_FILE_DESKTOP_KEY_EXEC);
    if (!exec.isEmpty()) {
        gchar** words = nullptr;
        const bool parsed = g_shell_parse_argv(exec.constData(), nullptr, &words, nullptr);
        const bool found = parsed && programFound(words[0]);
        if (found) {
            listed.program = words[0];
        }
        g_strfreev(words);
        if (!found) {
            return std::nullopt;
        }
    }
    return listed;
}

// The desktop entries of an applications folder and its subfolders by desktop ID, a
// subfolder's name and "-" before the file's name; an ID already found is kept.
void findEntries(const QString& folder, const QString& prefix, QHash<QString, QString>& found,
                 QStringList& folders) {
    folders << folder;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (name.endsWith(QLatin1String(".desktop"))) {
            if (!found.contains(prefix + name)) {
                found.insert(prefix + name, path);
            }
        } else if (QFileInfo(path).isDir()) {
            findEntries(path, prefix + name + QLatin1Char('-'), found, folders);
        }
    }
}

// The installed applications as GIO lists them: the applications folders of the user's data
// folder and then of XDG_DATA_DIRS, where an ID found in one folder hides the same ID in the
// folders after it. `watched` gets the folders whose changes change the list.
std::vector<DesktopEntry> listedEntries(QStringList& watched) {
    QStringList dataFolders{QFile::decodeName(g_get_user_data_dir())};
    for (const gchar* const* folder = g_get_system_data_dirs(); *folder != nullptr; ++folder) {
        dataFolders << QFile::decodeName(*folder);
    }
    std::vector<DesktopEntry> entries;
    QSet<QString> earlier; // IDs of the folders before
    for (const QString& data : dataFolders) {
        const QString applications = data + QStringLiteral("/applications");
        if (!QFileInfo(applications).isDir()) {
            if (QFileInfo(data).isDir()) {
                watched << data; // to see the applications folder made
            }
            continue;
        }
        QHash<QString, QString> found;
        findEntries(applications, {}, found, watched);
        // In the order of their IDs, so that where two entries start one program the same one
        // gives its icon every time.
        QStringList ids = found.keys();
        ids.sort();
        for (const QString& id : ids) {
            if (earlier.contains(id)) {
                continue;
            }
            earlier.insert(id);
            if (auto entry = listedEntry(id, found.value(id)); entry && !entry->icon.isEmpty()) {
                entries.push_back(std::move(*entry));
            }
        }
    }
    return entries;
}

} // namespace

std::vector<DesktopApplication> readDesktopApplications() {
    std::vector<DesktopApplication> applications;
    if (!gioLoads())
        return applications;
    const GioLibrary& gio = platform::gio();
    GList* all = gio.allApplications();
    for (GList* node = all; node != nullptr; node = node->next) {
        // Every application GIO lists on this desktop comes from a desktop entry.
        auto* app = static_cast<GAppInfo*>(node->data);
        if (gio.appInfoFile(reinterpret_cast<GDesktopAppInfo*>(app)) != nullptr)
            applications.push_back(describe(gio, app));
    }
    g_list_free_full(all, gio.unref);
    return applications;
}

bool isInstalledApplication(const QString& canonicalPath) {
    if (canonicalPath.isEmpty() || !gioLoads()) {
        return false;
    }
    const GioLibrary& gio = platform::gio();
    // GIO keeps the list for the session and follows changes to the folders itself.
    GList* applications = gio.allApplications();
    bool installed = false;
    for (GList* item = applications; item != nullptr && !installed; item = item->next) {
        // Every application GIO lists on this desktop comes from a desktop entry.
        const char* file = gio.appInfoFile(static_cast<GDesktopAppInfo*>(item->data));
        installed = file != nullptr &&
                    QFileInfo(QFile::decodeName(file)).canonicalFilePath() == canonicalPath;
    }
    g_list_free_full(applications, gio.unref);
    return installed;
}

InstalledApplications& InstalledApplications::instance() {
    static InstalledApplications applications;
    return applications;
}

QString InstalledApplications::iconOf(const QString& canonicalPath) {
    if (stale_) {
        read();
    }
    return byProgram_.value(canonicalPath).icon;
}

void InstalledApplications::read() {
    byProgram_.clear();
    stale_ = false;
    QStringList watched;
    for (const DesktopEntry& entry : listedEntries(watched)) {
        QString id = entry.id;
        id.chop(id.endsWith(QLatin1String(".desktop")) ? 8 : 0);
        const QString exec = programPath(entry.program.constData());
        for (const QString& program : {programPath(entry.tryExec.constData()), exec}) {
            if (program.isEmpty() || (program == exec && startsAnotherProgram(program))) {
                continue;
            }
            const QString name = QFileInfo(program).fileName();
            const bool named = id == name || id.endsWith(QLatin1Char('-') + name) ||
                               id.endsWith(QLatin1Char('.') + name);
            Claim& claim = byProgram_[program];
            if (claim.icon.isEmpty() || (named && !claim.named)) {
                claim = Claim{entry.icon, named};
            }
        }
    }
    watch(watched);
}

void InstalledApplications::watch(const QStringList& folders) {
    if (QCoreApplication::instance() == nullptr) {
        return; // read once
    }
    if (!watcher_) {
        // Owned by the application, so that it goes before the event loop does.
        watcher_ = new QFileSystemWatcher(QCoreApplication::instance());
        QObject::connect(watcher_, &QFileSystemWatcher::directoryChanged,
                         [this] { stale_ = true; });
    } else if (!watcher_->directories().isEmpty()) {
        watcher_->removePaths(watcher_->directories());
    }
    if (!folders.isEmpty()) {
        watcher_->addPaths(folders);
    }
}

} // namespace platform
