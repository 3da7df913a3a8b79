// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace platform {

// GIO, loaded the first time it is needed rather than with the program: linking it in costs
// every start several milliseconds (its libraries and the GObject type system) that most
// sessions never use. The library stays loaded for the rest of the session.
// The GIO calls the program makes: each member's name and the function it is found by.
#define VANTORY_GIO_CALLS(CALL)                                                                    \
    CALL(newAppInfoFromKeyFile, g_desktop_app_info_new_from_keyfile)                               \
    CALL(appInfoFile, g_desktop_app_info_get_filename)                                             \
    CALL(newLaunchContext, g_app_launch_context_new)                                               \
    CALL(launch, g_app_info_launch)                                                                \
    CALL(allApplications, g_app_info_get_all)                                                      \
    CALL(applicationId, g_app_info_get_id)                                                         \
    CALL(executable, g_app_info_get_executable)                                                    \
    CALL(entryString, g_desktop_app_info_get_string)                                               \
    CALL(entryStringList, g_desktop_app_info_get_string_list)                                      \
    CALL(entryCategories, g_desktop_app_info_get_categories)                                       \
    CALL(entryNoDisplay, g_desktop_app_info_get_nodisplay)                                         \
    CALL(entryHidden, g_desktop_app_info_get_is_hidden)                                            \
    CALL(applicationName, g_app_info_get_name)                                                     \
    CALL(applicationDescription, g_app_info_get_description)                                       \
    CALL(unref, g_object_unref) /* GObject comes with GIO */

struct GioLibrary {
#define VANTORY_GIO_MEMBER(member, function) decltype(&function) member = nullptr;
    VANTORY_GIO_CALLS(VANTORY_GIO_MEMBER)
#undef VANTORY_GIO_MEMBER

    // Throws PlatformError, saying why, when GIO cannot be loaded.
    GioLibrary();

  private:
    template <class Function> void find(void* library, Function& function, const char* name);
};

// The one loaded GIO of the session. Throws PlatformError when it cannot be loaded; the next
// call tries again.
const GioLibrary& gio();

} // namespace platform
