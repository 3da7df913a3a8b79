// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopEntryNamesGio.h"

#include <QFile>

#include <glib.h>

namespace platform {

namespace {

constexpr char kGroup[] = "Desktop Entry";
constexpr char kName[] = "Name";

} // namespace

DesktopEntryNamesGio::DesktopEntryNamesGio(std::optional<QString> language)
    : language_(std::move(language)) {}

std::optional<QString> DesktopEntryNamesGio::displayName(const QString& path) {
    // Desktop entries are known by their extension; any other file keeps its own name.
    if (!path.endsWith(QLatin1String(".desktop"))) {
        return std::nullopt;
    }
    GKeyFile* entry = g_key_file_new();
    std::optional<QString> name;
    // Every translation is kept, so that the language asked for is there to be found.
    if (g_key_file_load_from_file(entry, QFile::encodeName(path).constData(),
                                  G_KEY_FILE_KEEP_TRANSLATIONS, nullptr) &&
        g_key_file_has_group(entry, kGroup)) {
        const QByteArray locale = language_ ? language_->toUtf8() : QByteArray();
        // With no locale given GLib takes the user's languages from the environment.
        gchar* text = g_key_file_get_locale_string(
            entry, kGroup, kName, language_ ? locale.constData() : nullptr, nullptr);
        if (text) {
            const QString found = QString::fromUtf8(text);
            if (!found.isEmpty()) {
                name = found;
            }
            g_free(text);
        }
    }
    g_key_file_free(entry);
    return name;
}

} // namespace platform
