// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/HelpPage.h"

#include <QUrl>

namespace launch {

QString helpPageAddress(platform::Environment& env) {
    return QUrl::fromLocalFile(env.programFolder() + QStringLiteral("/help/index.html")).toString();
}

QString rootFolder() {
    return QStringLiteral("/");
}

} // namespace launch
