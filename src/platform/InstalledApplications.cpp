#include "platform/InstalledApplications.h"

#include "platform/GioLibrary.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

bool isInstalledApplication(const QString& canonicalPath) {
    const GioLibrary& gio = gioLibrary();
    if (!gio.failure.isEmpty() || canonicalPath.isEmpty())
        return false;
    // GIO keeps the list for the session and follows changes to the folders itself.
    GList* applications = gio.allApplications();
    bool installed = false;
    for (GList* item = applications; item != nullptr && !installed; item = item->next) {
        // Every application GIO lists on this desktop comes from a desktop entry.
        const char* file = gio.appInfoFile(static_cast<GDesktopAppInfo*>(item->data));
        installed = file != nullptr &&
                    QFileInfo(QFile::decodeName(file)).canonicalFilePath() == canonicalPath;
    }
    g_list_free_full(applications, reinterpret_cast<GDestroyNotify>(gio.unref));
    return installed;
}

} // namespace platform
