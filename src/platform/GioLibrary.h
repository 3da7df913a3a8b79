// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace platform {

// GIO, loaded the first time it is needed rather than with the program: linking it in costs
// every start several milliseconds (its libraries and the GObject type system) that most
// sessions never use. The library stays loaded for the rest of the session.
struct GioLibrary {
    decltype(&g_desktop_app_info_new_from_filename) newAppInfo = nullptr;
    decltype(&g_desktop_app_info_new_from_keyfile) newAppInfoFromKeyFile = nullptr;
    decltype(&g_desktop_app_info_get_filename) appInfoFile = nullptr;
    decltype(&g_file_new_for_commandline_arg) fileForArgument = nullptr;
    decltype(&g_app_launch_context_new) newLaunchContext = nullptr;
    decltype(&g_app_info_launch) launch = nullptr;
    decltype(&g_app_info_get_all) allApplications = nullptr;
    decltype(&g_app_info_get_id) applicationId = nullptr;
    decltype(&g_app_info_get_executable) executable = nullptr;
    decltype(&g_desktop_app_info_get_string) entryString = nullptr;
    decltype(&g_app_info_monitor_get) applicationMonitor = nullptr;
    decltype(&g_signal_connect_data) connectSignal = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    QString failure; // why GIO could not be loaded; empty when it was

    GioLibrary();

  private:
    template <class Function> void find(void* library, Function& function, const char* name);
};

// The one loaded GIO of the session.
const GioLibrary& gio();

} // namespace platform
