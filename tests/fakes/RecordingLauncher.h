// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Launcher.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace fakes {

// One thing the desktop shell set going.
struct Launched {
    enum Kind { Program, Url, DesktopEntry } kind;
    QString target; // the program, the address or the desktop entry
    QStringList arguments;
    QString workingDirectory; // programs only

    bool operator==(const Launched&) const = default;
};

// Records what the shell would start or open, and starts nothing. Each kind of launch
// succeeds unless a test makes it fail with a reason.
class RecordingLauncher : public platform::Launcher {
  public:
    bool startProgram(const QString& program, const QStringList& args, const QString& workingDir,
                      QString* error) override {
        launched.push_back({Launched::Program, program, args, workingDir});
        return answer(programFailure, error);
    }
    bool openUrl(const QUrl& url) override {
        launched.push_back({Launched::Url, url.toString(), {}, {}});
        return !urlsFail;
    }
    bool launchDesktopEntry(const QString& desktopFile, const QByteArray&, const QStringList& args,
                            QString* error) override {
        launched.push_back({Launched::DesktopEntry, desktopFile, args, {}});
        return answer(entryFailure, error);
    }

    std::vector<Launched> launched;
    QString programFailure; // "" lets programs start
    QString entryFailure;   // "" lets desktop entries launch
    bool urlsFail = false;

  private:
    static bool answer(const QString& failure, QString* error) {
        if (failure.isEmpty()) {
            return true;
        }
        if (error) {
            *error = failure;
        }
        return false;
    }
};

} // namespace fakes
