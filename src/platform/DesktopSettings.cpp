// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopSettings.h"

#include <QSettings>

namespace platform {

void DesktopSettings::setValue(const QString& section, const QString& key, const QString& value) {
    QSettings settings(QStringLiteral("Mellovan"), QStringLiteral("Vantory"));
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

} // namespace platform
