// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// Installs the program's translation for the first of the languages that has one, and Qt's own
// for the same language, and lays the windows out in that language's direction. Returns the
// language chosen; the empty text (English, nothing installed) when none has one.
QString loadTranslations(const QStringList& languages);

} // namespace app
