// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Launcher.h"
#include "platform/PlatformError.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace fakes {

// One thing the desktop shell set going.
struct Launched {
    enum Kind { Program, Url, DesktopEntry } kind;
    QString target; // the program, the address or the desktop entry's command line
    QStringList arguments;
    QString workingDirectory; // programs only

    bool operator==(const Launched&) const = default;
};

// Records what the shell would start or open, and starts nothing. Each kind of launch
// succeeds unless a test makes it fail with a reason.
class RecordingLauncher : public platform::Launcher {
  public:
    void startProgram(const QString& program, const QStringList& args,
                      const QString& workingDir) override {
        launched.push_back({Launched::Program, program, args, workingDir});
        answer(programFailure);
    }
    void openUrl(const QUrl& url) override {
        launched.push_back({Launched::Url, url.toString(), {}, {}});
        if (urlsFail) {
            throw platform::PlatformError(std::string());
        }
    }
    void launchDesktopEntry(const QByteArray&, const QString& commandLine) override {
        launched.push_back({Launched::DesktopEntry, commandLine, {}, {}});
        answer(entryFailure);
    }

    std::vector<Launched> launched;
    QString programFailure; // "" lets programs start
    QString entryFailure;   // "" lets desktop entries launch
    bool urlsFail = false;

  private:
    static void answer(const QString& failure) {
        if (!failure.isEmpty()) {
            throw platform::PlatformError(failure.toStdString());
        }
    }
};

} // namespace fakes
