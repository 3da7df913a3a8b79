// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/FakeServices.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"

#include <QDir>
#include <QTemporaryDir>

namespace fakes {

// A machine with a real file system whose data home and program folder are temporary: the
// desktop's own file system, fakes for every other service.
struct TempMachine : FakeServicesOn<platform::DesktopFileSystem> {
    TempMachine() {
        QDir(root.path()).mkpath("xdg");
        QDir(root.path()).mkpath("program");
        qputenv("XDG_DATA_HOME", xdg().toLocal8Bit());
        environment.dataHome = platform::DesktopEnvironment().specialFolderPath(35);
        environment.program = program();
        environment.variables["COMPUTERNAME"] = "DESK";
    }
    ~TempMachine() { qunsetenv("XDG_DATA_HOME"); }
    TempMachine(const TempMachine&) = delete;
    TempMachine& operator=(const TempMachine&) = delete;

    QString xdg() const { return root.filePath("xdg"); }
    QString program() const { return root.filePath("program"); }

    QTemporaryDir root;
};

} // namespace fakes
