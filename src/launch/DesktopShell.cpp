// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/DesktopShell.h"

#include "launch/ShellPlan.h"
#include "platform/InstalledApplications.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

#include <glib.h>

namespace launch {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

constexpr char kGroup[] = "Desktop Entry";

[[noreturn]] void refuse(const QString& message) {
    throw platform::PlatformError(message.toStdString());
}

// The launcher's reason inside a message that names what was being started.
[[noreturn]] void couldNotStart(const QString& path, const platform::PlatformError& error) {
    const QString reason = QString::fromStdString(error.what());
    if (reason.isEmpty())
        refuse(QCoreApplication::translate("Vantory", "Vantory could not start \"%1\".").arg(path));
    refuse(QCoreApplication::translate("Vantory", "Vantory could not start \"%1\": %2")
               .arg(path, reason));
}

QString takeText(gchar* text) {
    const QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

// One word of the command line, safe from GIO's second expansion.
QString word(const QString& text) {
    QString quoted = takeText(g_shell_quote(text.toUtf8().constData()));
    return quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

QString words(const QStringList& texts) {
    QStringList quoted;
    for (const QString& text : texts)
        quoted << word(text);
    return quoted.join(QLatin1Char(' '));
}

} // namespace

std::optional<DesktopEntryCommand> readDesktopEntry(const QByteArray& content) {
    GKeyFile* keys = g_key_file_new();
    std::optional<DesktopEntryCommand> entry;
    if (g_key_file_load_from_data(keys, content.constData(), static_cast<gsize>(content.size()),
                                  G_KEY_FILE_KEEP_TRANSLATIONS, nullptr) &&
        g_key_file_has_group(keys, kGroup)) {
        entry = DesktopEntryCommand{
            takeText(g_key_file_get_locale_string(keys, kGroup, "Name", nullptr, nullptr)),
            takeText(g_key_file_get_string(keys, kGroup, "Exec", nullptr)),
            takeText(g_key_file_get_locale_string(keys, kGroup, "Icon", nullptr, nullptr))};
    }
    g_key_file_free(keys);
    return entry;
}

QString execWithParameters(const DesktopEntryCommand& entry, const QString& location,
                           const QStringList& parameters) {
    // The field codes GIO knows; the deprecated ones and unknown codes stand for nothing.
    QString line;
    bool placed = false;
    for (qsizetype i = 0; i < entry.exec.size(); ++i) {
        const QChar c = entry.exec[i];
        if (c != QLatin1Char('%') || i + 1 == entry.exec.size()) {
            line += c;
            continue;
        }
        switch (entry.exec[++i].unicode()) {
        case 'f':
        case 'F':
        case 'u':
        case 'U':
            // GIO would start one process per parameter for %f and %u, and drop a parameter
            // that is no file for %f: the user's parameters go in whole, as typed.
            if (!placed)
                line += words(parameters);
            placed = true;
            break;
        case 'i':
            if (!entry.icon.isEmpty())
                line += QStringLiteral("--icon ") + word(entry.icon);
            break;
        case 'c':
            line += word(entry.name);
            break;
        case 'k':
            line += word(location);
            break;
        case '%':
            line += QStringLiteral("%%");
            break;
        default:
            break;
        }
    }
    if (!placed && !parameters.isEmpty())
        line += QLatin1Char(' ') + words(parameters);
    return line;
}

DesktopShell::DesktopShell(platform::FileSystem& files, platform::Launcher& launcher,
                           platform::LaunchQuestion& question, platform::TrustedEntries& trusted,
                           QString machine)
    : files_(files), launcher_(launcher), question_(question), trusted_(trusted),
      machine_(std::move(machine)) {}

bool DesktopShell::execute(const platform::ShellRequest& request) {
    const ShellAction action = planShellRequest(request, files_, machine_);
    return std::visit(
        Overloaded{
            [&](const StartProgram& start) {
                try {
                    launcher_.startProgram(start.program, start.arguments, start.workingDirectory);
                    return true;
                } catch (const platform::PlatformError& error) {
                    couldNotStart(start.program, error);
                }
            },
            [&](const LaunchDesktopEntry& entry) { return launchEntry(request.owner, entry); },
            [&](const OpenUrl& open) {
                try {
                    launcher_.openUrl(open.url);
                    return true;
                } catch (const platform::PlatformError&) {
                    refuse(QCoreApplication::translate("Vantory",
                                                       "No application is set up to open \"%1\".")
                               .arg(open.shownAs));
                }
            },
            [](const RefuseRequest& refusal) -> bool { refuse(refusal.message); },
        },
        action);
}

bool DesktopShell::launchEntry(QWidget* owner, const LaunchDesktopEntry& entry) {
    if (entry.canonicalPath.isEmpty() || !entry.text)
        refuse(QCoreApplication::translate("Vantory",
                                           "Vantory could not read the desktop entry \"%1\".")
                   .arg(entry.desktopFile));
    // What is checked is what runs: the launch starts from the text read when it was planned,
    // whatever the file holds by now.
    const QByteArray& content = *entry.text;
    if (!mayRun(owner, entry.desktopFile, entry.canonicalPath, content))
        return false;
    try {
        const std::optional<DesktopEntryCommand> command = readDesktopEntry(content);
        launcher_.launchDesktopEntry(
            content,
            command ? execWithParameters(*command, entry.desktopFile, entry.arguments) : QString());
        return true;
    } catch (const platform::PlatformError& error) {
        couldNotStart(entry.desktopFile, error);
    }
}

bool DesktopShell::mayRun(QWidget* owner, const QString& path, const QString& canonicalPath,
                          const QByteArray& content) {
    if (platform::isInstalledApplication(canonicalPath))
        return true;
    const QByteArray hash = QCryptographicHash::hash(content, QCryptographicHash::Sha256);
    if (trusted_.contains(canonicalPath, hash))
        return true;

    const std::optional<DesktopEntryCommand> entry = readDesktopEntry(content);
    const QString caption =
        entry && !entry->name.isEmpty() ? entry->name : QFileInfo(path).fileName();
    const QString command = entry && !entry->exec.isEmpty() ? entry->exec : QStringLiteral("-");
    const platform::LaunchAnswer answer = question_.askToLaunch(owner, caption, command);
    if (!answer.launch)
        return false;
    if (answer.always)
        trusted_.remember(canonicalPath, hash);
    return true;
}

} // namespace launch
