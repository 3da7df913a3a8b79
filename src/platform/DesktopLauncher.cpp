// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLauncher.h"

#include "platform/DesktopEntryExec.h"
#include "platform/GioLibrary.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

namespace {

constexpr char kGroup[] = "Desktop Entry";

QString notAnApplication() {
    return QStringLiteral("it is not a desktop entry that describes an application");
}

QString keyText(GKeyFile* keys, const char* key) {
    gchar* value = g_key_file_get_string(keys, kGroup, key, nullptr);
    QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

// Why GIO would refuse the entry, said as exactly as the entry allows: "" when it would not.
QString whatStopsTheEntry(GKeyFile* keys, const QString& ownExec) {
    if (keyText(keys, "Type") != QLatin1String("Application"))
        return notAnApplication();
    const QString tryExec = keyText(keys, "TryExec");
    if (!tryExec.isEmpty()) {
        gchar* found = g_find_program_in_path(tryExec.toUtf8().constData());
        g_free(found);
        if (found == nullptr)
            return QCoreApplication::translate(
                       "Vantory", "the program %1 that the entry needs (TryExec) is not installed")
                .arg(tryExec);
    }
    const QString exec = keyText(keys, "Exec");
    // An application started over D-Bus may name no command.
    if (ownExec.trimmed().isEmpty())
        return g_key_file_get_boolean(keys, kGroup, "DBusActivatable", nullptr)
                   ? QString()
                   : QCoreApplication::translate("Vantory", "the entry names no command (Exec)");
    GError* failure = nullptr;
    gchar** words = nullptr;
    if (!g_shell_parse_argv(exec.toUtf8().constData(), nullptr, &words, &failure)) {
        const QString reason =
            QCoreApplication::translate(
                "Vantory", "its command (Exec) cannot be split into words with the parameters "
                           "in it: %1")
                .arg(failure ? QString::fromUtf8(failure->message) : QString());
        g_clear_error(&failure);
        return reason;
    }
    g_strfreev(words);
    return {};
}

} // namespace

bool DesktopLauncher::launchDesktopEntry(const QString& desktopFile, const QByteArray& content,
                                         const QStringList& args, QString* error) {
    const GioLibrary& gio = platform::gio();
    if (!gio.failure.isEmpty()) {
        if (error)
            *error = gio.failure;
        return false;
    }
    const std::optional<DesktopEntryCommand> entry = readDesktopEntry(content);
    GKeyFile* keys = g_key_file_new();
    if (!entry ||
        !g_key_file_load_from_data(keys, content.constData(), static_cast<gsize>(content.size()),
                                   G_KEY_FILE_KEEP_TRANSLATIONS, nullptr)) {
        g_key_file_free(keys);
        if (error)
            *error = notAnApplication();
        return false;
    }
    // The entry starts from the text that was checked, whatever the file holds by now. The
    // parameters go into its Exec line as typed: handed to GIO as files, a parameter such as
    // "--x" would arrive as a file of the current folder.
    if (g_key_file_has_key(keys, kGroup, "Exec", nullptr)) {
        g_key_file_set_string(keys, kGroup, "Exec",
                              execWithParameters(*entry, desktopFile, args).toUtf8().constData());
    }
    const QString stopped = whatStopsTheEntry(keys, entry->exec);
    GDesktopAppInfo* app = stopped.isEmpty() ? gio.newAppInfoFromKeyFile(keys) : nullptr;
    g_key_file_free(keys);
    if (!app) {
        if (error)
            *error = stopped.isEmpty() ? notAnApplication() : stopped;
        return false;
    }
    GAppLaunchContext* context = gio.newLaunchContext();
    GError* failure = nullptr;
    // A desktop application's info is its GAppInfo: GObject interfaces share the instance.
    const bool started = gio.launch(reinterpret_cast<GAppInfo*>(app), nullptr, context, &failure);
    if (!started && error)
        *error = failure ? QString::fromUtf8(failure->message)
                         : QStringLiteral("the application could not be started");
    if (failure)
        g_error_free(failure);
    gio.unref(context);
    gio.unref(app);
    return started;
}

} // namespace platform
