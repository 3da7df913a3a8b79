#include "platform/DesktopLauncher.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

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

bool DesktopLauncher::launchDesktopEntry(const QString& desktopFile, const QStringList& args,
                                         QString* error) {
    GDesktopAppInfo* app = g_desktop_app_info_new_from_filename(QFile::encodeName(desktopFile));
    if (!app) {
        if (error)
            *error = QStringLiteral("it is not a desktop entry that describes an application");
        return false;
    }

    // Each argument is a file name or a URI; GIO hands them to the application as its Exec line
    // asks (%f, %F, %u, %U).
    GList* files = nullptr;
    for (const QString& arg : args)
        files = g_list_append(files, g_file_new_for_commandline_arg(QFile::encodeName(arg)));

    GAppLaunchContext* context = g_app_launch_context_new();
    GError* failure = nullptr;
    const bool started = g_app_info_launch(G_APP_INFO(app), files, context, &failure);
    if (!started && error)
        *error = failure ? QString::fromUtf8(failure->message)
                         : QStringLiteral("the application could not be started");
    if (failure)
        g_error_free(failure);
    g_object_unref(context);
    g_list_free_full(files, g_object_unref);
    g_object_unref(app);
    return started;
}

} // namespace platform
