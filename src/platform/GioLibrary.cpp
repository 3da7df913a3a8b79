#include "platform/GioLibrary.h"

#include <dlfcn.h>

namespace platform {

namespace {

template <class Function>
void find(void* library, Function& function, const char* name, QString& failure) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr && failure.isEmpty()) {
        failure =
            QStringLiteral("the desktop's application launcher lacks %1").arg(QLatin1String(name));
    }
}

} // namespace

GioLibrary::GioLibrary() {
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        failure = QStringLiteral("the desktop's application launcher could not be loaded: %1")
                      .arg(QString::fromLocal8Bit(dlerror()));
        return;
    }
    find(library, newAppInfoFromKeyFile, "g_desktop_app_info_new_from_keyfile", failure);
    find(library, appInfoFile, "g_desktop_app_info_get_filename", failure);
    find(library, allApplications, "g_app_info_get_all", failure);
    find(library, newLaunchContext, "g_app_launch_context_new", failure);
    find(library, launch, "g_app_info_launch", failure);
    find(library, unref, "g_object_unref", failure);
}

const GioLibrary& gioLibrary() {
    static const GioLibrary loaded;
    return loaded;
}

} // namespace platform
