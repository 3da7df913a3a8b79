// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GioLibrary.h"

#include "platform/PlatformError.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace platform {

GioLibrary::GioLibrary() {
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw PlatformError(
            QCoreApplication::translate(
                "Vantory", "the desktop's application launcher could not be loaded: %1")
                .arg(QString::fromLocal8Bit(dlerror()))
                .toStdString());
    }
#define VANTORY_GIO_FIND(member, function) find(library, member, #function);
    VANTORY_GIO_CALLS(VANTORY_GIO_FIND)
#undef VANTORY_GIO_FIND
}

template <class Function>
void GioLibrary::find(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr) {
        throw PlatformError(
            QCoreApplication::translate("Vantory", "the desktop's application launcher lacks %1")
                .arg(QLatin1String(name))
                .toStdString());
    }
}

const GioLibrary& gio() {
    static const GioLibrary loaded;
    return loaded;
}

} // namespace platform
