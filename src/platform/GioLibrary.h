#pragma once

#include <QString>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace platform {

// GIO starts applications from desktop entries and lists the installed ones as the desktop
// does. It is loaded the first time it is needed rather than with the program: linking it in
// costs every start several milliseconds (its libraries and the GObject type system) that most
// sessions never use.
struct GioLibrary {
    decltype(&g_desktop_app_info_new_from_keyfile) newAppInfoFromKeyFile = nullptr;
    decltype(&g_desktop_app_info_get_filename) appInfoFile = nullptr;
    decltype(&g_app_info_get_all) allApplications = nullptr;
    decltype(&g_app_launch_context_new) newLaunchContext = nullptr;
    decltype(&g_app_info_launch) launch = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    QString failure; // why GIO could not be loaded; empty when it was

    GioLibrary();
};

// The one GIO of the session, loaded on first use and kept loaded.
const GioLibrary& gioLibrary();

} // namespace platform
