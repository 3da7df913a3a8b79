// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLauncher.h"

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

QString notAnApplicationText() {
    return QCoreApplication::translate("Vantory",
                                       "it is not a desktop entry that describes an application");
}

[[noreturn]] void notAnApplication() {
    fail(notAnApplicationText());
}

QString keyText(GKeyFile* keys, const char* key) {
    gchar* value = g_key_file_get_string(keys, kGroup, key, nullptr);
    QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

// Why GIO would refuse the entry, said as exactly as the entry allows: "" when it would not.
// `ownExec` is the entry's command before the parameters went in.
QString whatStopsTheEntry(GKeyFile* keys, const QString& ownExec) {
    if (keyText(keys, "Type") != QLatin1String("Application"))
        return notAnApplicationText();
    const QString tryExec = keyText(keys, "TryExec");
    if (!tryExec.isEmpty()) {
        gchar* found = g_find_program_in_path(tryExec.toUtf8().constData());
        g_free(found);
        if (found == nullptr)
            return QCoreApplication::translate(
                       "Vantory", "the program %1 that the entry needs (TryExec) is not installed")
                .arg(tryExec);
    }
    // An application started over D-Bus may name no command.
    if (ownExec.trimmed().isEmpty())
        return g_key_file_get_boolean(keys, kGroup, "DBusActivatable", nullptr)
                   ? QString()
                   : QCoreApplication::translate("Vantory", "the entry names no command (Exec)");
    GError* failure = nullptr;
    gchar** words = nullptr;
    if (!g_shell_parse_argv(keyText(keys, "Exec").toUtf8().constData(), nullptr, &words,
                            &failure)) {
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

void DesktopLauncher::launchDesktopEntry(const QByteArray& content, const QString& commandLine) {
    const GioLibrary& gio = platform::gio();
    GKeyFile* keys = g_key_file_new();
    if (!g_key_file_load_from_data(keys, content.constData(), static_cast<gsize>(content.size()),
                                   G_KEY_FILE_KEEP_TRANSLATIONS, nullptr) ||
        !g_key_file_has_group(keys, kGroup)) {
        g_key_file_free(keys);
        notAnApplication();
    }
    // The entry starts from the text that was checked, whatever the file holds by now, with
    // the command line it was given: handed to GIO as files, a parameter such as "--x" would
    // arrive as a file of the current folder.
    const QString ownExec = keyText(keys, "Exec");
    if (g_key_file_has_key(keys, kGroup, "Exec", nullptr))
        g_key_file_set_string(keys, kGroup, "Exec", commandLine.toUtf8().constData());
    const QString stopped = whatStopsTheEntry(keys, ownExec);
    GDesktopAppInfo* app = stopped.isEmpty() ? gio.newAppInfoFromKeyFile(keys) : nullptr;
    g_key_file_free(keys);
    if (!stopped.isEmpty())
        fail(stopped);
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
