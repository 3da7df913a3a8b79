// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstalledApplications.h"

#include "platform/GioLibrary.h"
#include "platform/PlatformError.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

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

void InstalledApplications::changed(void*, void* self) {
    // GIO asks for the list not to be read again here, only when it is next needed.
    static_cast<InstalledApplications*>(self)->stale_ = true;
}

void InstalledApplications::read() {
    byProgram_.clear();
    stale_ = false;
    if (!gioLoads()) {
        return;
    }
    const GioLibrary& gio = platform::gio();
    if (!watching_) {
        // The monitor reports through the main loop, which Qt's event loop runs.
        gio.connectSignal(gio.applicationMonitor(), "changed", G_CALLBACK(&changed), this, nullptr,
                          GConnectFlags(0));
        watching_ = true;
    }
    GList* all = gio.allApplications();
    for (GList* node = all; node != nullptr; node = node->next) {
        // Every installed application GIO lists on this desktop is a desktop entry.
        auto* app = static_cast<GAppInfo*>(node->data);
        auto* entry = reinterpret_cast<GDesktopAppInfo*>(app);
        const QString icon = takeString(gio.entryString(entry, "Icon"));
        if (icon.isEmpty()) {
            continue;
        }
        QString id = QString::fromUtf8(gio.applicationId(app));
        id.chop(id.endsWith(QLatin1String(".desktop")) ? 8 : 0);
        const QString tryExec = takeString(gio.entryString(entry, "TryExec"));
        const QString exec = programPath(gio.executable(app));
        for (const QString& program : {programPath(tryExec.toUtf8().constData()), exec}) {
            if (program.isEmpty() || (program == exec && startsAnotherProgram(program))) {
                continue;
            }
            const QString name = QFileInfo(program).fileName();
            const bool named = id == name || id.endsWith(QLatin1Char('-') + name) ||
                               id.endsWith(QLatin1Char('.') + name);
            Claim& claim = byProgram_[program];
            if (claim.icon.isEmpty() || (named && !claim.named)) {
                claim = Claim{icon, named};
            }
        }
    }
    g_list_free_full(all, gio.unref);
}

} // namespace platform
