// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GioLibrary.h"

#include <dlfcn.h>

namespace platform {

GioLibrary::GioLibrary() {
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        failure = QStringLiteral("the desktop's application launcher could not be loaded: %1")
                      .arg(QString::fromLocal8Bit(dlerror()));
        return;
    }
    find(library, newAppInfo, "g_desktop_app_info_new_from_filename");
    find(library, newAppInfoFromKeyFile, "g_desktop_app_info_new_from_keyfile");
    find(library, appInfoFile, "g_desktop_app_info_get_filename");
    find(library, fileForArgument, "g_file_new_for_commandline_arg");
    find(library, newLaunchContext, "g_app_launch_context_new");
    find(library, launch, "g_app_info_launch");
    find(library, allApplications, "g_app_info_get_all");
    find(library, applicationId, "g_app_info_get_id");
    find(library, executable, "g_app_info_get_executable");
    find(library, entryString, "g_desktop_app_info_get_string");
    find(library, applicationMonitor, "g_app_info_monitor_get");
    // GObject comes with GIO, which depends on it.
    find(library, connectSignal, "g_signal_connect_data");
    find(library, unref, "g_object_unref");
}

template <class Function>
void GioLibrary::find(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr && failure.isEmpty()) {
        failure =
            QStringLiteral("the desktop's application launcher lacks %1").arg(QLatin1String(name));
    }
}

const GioLibrary& gio() {
    static const GioLibrary loaded;
    return loaded;
}

} // namespace platform
