// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

#include <QString>
#include <memory>

namespace common {

// State shared by every window of the program.
struct Globals {
    // The one connection to the catalogue, created at start-up and released at shut-down.
    std::unique_ptr<store::Connection> gConnection;
    // The name last submitted in the group editor's add mode.
    QString gNewGroupName;
    // Caption of every message box that names no title of its own.
    QString applicationTitle = QStringLiteral("Vantory");

    // The open connection; throws StoreError when there is none.
    store::Connection& connection();
};

} // namespace common
