// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopEntryExec.h"

#include <glib.h>

namespace platform {

namespace {

constexpr char kGroup[] = "Desktop Entry";

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

} // namespace platform
