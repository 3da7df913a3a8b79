// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

namespace platform {

// Where Vantory keeps what it learns by itself (launch counts, entries the user trusts), apart
// from the catalogue: $XDG_STATE_HOME/Mellovan/Vantory, the state home being ~/.local/state when
// the variable is unset or not absolute. Losing it loses no catalogue data.
inline QString stateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return base + QStringLiteral("/Mellovan/Vantory");
}

} // namespace platform
