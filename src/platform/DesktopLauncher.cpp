// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLauncher.h"

#include "platform/DesktopEntryExec.h"
#include "platform/GioLibrary.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace {

[[noreturn]] void fail(const QString& reason) {
    throw PlatformError(reason.toStdString());
}

} // namespace

void DesktopLauncher::startProgram(const QString& program, const QStringList& args,
                                   const QString& workingDir) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    if (!process.startDetached())
        fail(process.errorString());
}

void DesktopLauncher::openUrl(const QUrl& url) {
    // The desktop says no more than that nothing opened it.
    if (!QDesktopServices::openUrl(url))
        fail(QString());
}

namespace {

constexpr char kGroup[] = "Desktop Entry";

[[noreturn]] void notAnApplication() {
    fail(QCoreApplication::translate("Vantory",
                                     "it is not a desktop entry that describes an application"));
}

} // namespace

void DesktopLauncher::launchDesktopEntry(const QString& desktopFile, const QByteArray& content,
                                         const QStringList& args) {
    const GioLibrary& gio = platform::gio();
    const std::optional<DesktopEntryCommand> entry = readDesktopEntry(content);
    GKeyFile* keys = g_key_file_new();
    if (!entry ||
        !g_key_file_load_from_data(keys, content.constData(), static_cast<gsize>(content.size()),
                                   G_KEY_FILE_KEEP_TRANSLATIONS, nullptr)) {
        g_key_file_free(keys);
        notAnApplication();
    }
    // The entry starts from the text that was checked, whatever the file holds by now. The
    // parameters go into its Exec line as typed: handed to GIO as files, a parameter such as
    // "--x" would arrive as a file of the current folder.
    if (g_key_file_has_key(keys, kGroup, "Exec", nullptr)) {
        g_key_file_set_string(keys, kGroup, "Exec",
                              execWithParameters(*entry, desktopFile, args).toUtf8().constData());
    }
    GDesktopAppInfo* app = gio.newAppInfoFromKeyFile(keys);
    g_key_file_free(keys);
    if (!app)
        notAnApplication();
    GAppLaunchContext* context = gio.newLaunchContext();
    GError* failure = nullptr;
    // A desktop application's info is its GAppInfo: GObject interfaces share the instance.
    const bool started = gio.launch(reinterpret_cast<GAppInfo*>(app), nullptr, context, &failure);
    const QString reason =
        failure ? QString::fromUtf8(failure->message)
                : QCoreApplication::translate("Vantory", "the application could not be started");
    if (failure)
        g_error_free(failure);
    gio.unref(context);
    gio.unref(app);
    if (!started)
        fail(reason);
}

} // namespace platform
