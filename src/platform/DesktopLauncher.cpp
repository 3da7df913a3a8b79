#include "platform/DesktopLauncher.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

#include <dlfcn.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace platform {

bool DesktopLauncher::startProgram(const QString& program, const QStringList& args,
                                   const QString& workingDir, QString* error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

bool DesktopLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

namespace {

// GIO starts applications from desktop entries as the desktop does. It is loaded the first time
// an entry is launched rather than with the program: linking it in costs every start several
// milliseconds (its libraries and the GObject type system) that most sessions never use.
struct Gio {
    decltype(&g_desktop_app_info_new_from_filename) newAppInfo = nullptr;
    decltype(&g_file_new_for_commandline_arg) fileForArgument = nullptr;
    decltype(&g_app_launch_context_new) newLaunchContext = nullptr;
    decltype(&g_app_info_launch) launch = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    QString failure; // why GIO could not be loaded; empty when it was

    Gio() {
        void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            failure = QStringLiteral("the desktop's application launcher could not be loaded: %1")
                          .arg(QString::fromLocal8Bit(dlerror()));
            return;
        }
        find(library, newAppInfo, "g_desktop_app_info_new_from_filename");
        find(library, fileForArgument, "g_file_new_for_commandline_arg");
        find(library, newLaunchContext, "g_app_launch_context_new");
        find(library, launch, "g_app_info_launch");
        find(library, unref, "g_object_unref");
        // The library stays loaded for the rest of the session.
    }

    template <class Function> void find(void* library, Function& function, const char* name) {
        function = reinterpret_cast<Function>(dlsym(library, name));
        if (function == nullptr && failure.isEmpty()) {
            failure = QStringLiteral("the desktop's application launcher lacks %1")
                          .arg(QLatin1String(name));
        }
    }
};

const Gio& gio() {
    static const Gio loaded;
    return loaded;
}

} // namespace

bool DesktopLauncher::launchDesktopEntry(const QString& desktopFile, const QStringList& args,
                                         QString* error) {
    const Gio& gio = platform::gio();
    if (!gio.failure.isEmpty()) {
        if (error)
            *error = gio.failure;
        return false;
    }
    GDesktopAppInfo* app = gio.newAppInfo(QFile::encodeName(desktopFile));
    if (!app) {
        if (error)
            *error = QStringLiteral("it is not a desktop entry that describes an application");
        return false;
    }

    // Each argument is a file name or a URI; GIO hands them to the application as its Exec line
    // asks (%f, %F, %u, %U).
    GList* files = nullptr;
    for (const QString& arg : args)
        files = g_list_append(files, gio.fileForArgument(QFile::encodeName(arg)));

    GAppLaunchContext* context = gio.newLaunchContext();
    GError* failure = nullptr;
    // A desktop application's info is its GAppInfo: GObject interfaces share the instance.
    const bool started = gio.launch(reinterpret_cast<GAppInfo*>(app), files, context, &failure);
    if (!started && error)
        *error = failure ? QString::fromUtf8(failure->message)
                         : QStringLiteral("the application could not be started");
    if (failure)
        g_error_free(failure);
    gio.unref(context);
    g_list_free_full(files, reinterpret_cast<GDestroyNotify>(gio.unref));
    gio.unref(app);
    return started;
}

} // namespace platform
