// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Merge.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace platform {
class Environment;
class SyncFiles;
} // namespace platform
namespace store {
class Connection;
}

namespace vsync {

// Keeps the open catalogue in step with the synced folder while the window runs: a merge once
// start-up has backed the catalogue up, shortly after every change the program makes, shortly
// after a file in the folder changes, and at close.
class SyncKeeper : public QObject {
    Q_OBJECT

  public:
    struct Hooks {
        std::function<store::Connection*()> catalogue; // the open catalogue; null when none
        std::function<bool()> busy;                    // an editor is open: merge later
        std::function<void()> reload;                  // a merge changed the catalogue
        std::function<void(const QString&)> tell;      // a problem, each told once
        std::function<void()> merged;                  // a merge ended: the hover text is new
    };
    SyncKeeper(platform::SyncFiles& files, platform::Environment& env, Hooks hooks,
               QObject* parent = nullptr);

    // A folder is chosen.
    bool keepsInStep();
    // Merges at once and starts watching the folder.
    void start();
    // The program may have changed the catalogue: merges after a short pause when it did.
    void noteChange();
    // Merges after the short pause, as when a file in the folder changed: asked from outside.
    void mergeSoon();
    // Merges now when a merge is due or anything changed since the last one.
    void mergeAtClose();
    // From now on keeps in step through `folder` (merging at once); "" stops.
    void keepInStepWith(const QString& folder);
    // The root's hover text: the folder, when the last merge was and with which computers; ""
    // when the catalogue is not kept in step, or before start().
    QString hoverText();

    // How long a change waits for the next before the merge.
    static constexpr int kPauseMs = 1500;

  private:
    void mergeNow();
    void watchFolder();
    void tellOnce(const QString& text);
    std::pair<const void*, std::int64_t> catalogueStamp();

    platform::SyncFiles& files_;
    platform::Environment& env_;
    Hooks hooks_;
    QTimer pause_;
    bool started_ = false;
    QString folder_; // read from the settings at start(), then kept here
    std::pair<const void*, std::int64_t> mergedStamp_{nullptr, -1};
    QSet<QString> told_;
    // The last merge, once known: read from this computer's record at most once.
    std::optional<LastMerge> last_;
    bool lastKnown_ = false;
};

} // namespace vsync
