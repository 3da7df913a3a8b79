#include "platform/DesktopLauncher.h"
#include "platform/GioLibrary.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

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
    // GIO starts applications from desktop entries as the desktop does.
    const GioLibrary& gio = platform::gio();
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
