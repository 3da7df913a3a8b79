// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/IconLookup.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

// Looks targets up beside the window, so that a target that never answers (a named pipe, a
// network mount that hangs) never holds it: each lookup runs on a thread of its own, and one
// that takes longer than the time limit is given up, its target keeping the kind's picture, while
// a fresh thread takes the rest. Answers are kept for the session; the widgets that drew a
// target before its answer came are painted again when it comes. Lives on the window's thread.
class TargetLookups {
  public:
    using Locate = std::function<IconSource(TargetIcons::Target, const QString&)>;

    // `locate` runs on the lookup threads, each with a locator of its own; none uses an
    // IconLocator.
    explicit TargetLookups(Locate locate = {},
                           std::chrono::milliseconds timeLimit = std::chrono::seconds(2));
    // Waits for the lookups under way to end, each up to the time limit.
    ~TargetLookups();
    TargetLookups(const TargetLookups&) = delete;
    TargetLookups& operator=(const TargetLookups&) = delete;

    // The answer for the target when it has come; otherwise asks for it (once) and notes
    // `repaint` to be painted again when it comes.
    std::optional<IconSource> answer(TargetIcons::Target target, const QString& path,
                                     QWidget* repaint);
    // Lookups asked for and not answered or given up yet.
    bool pending() const;

  private:
    struct Shared;
    void startWorker();
    void takeAnswer(const QString& key, const IconSource& source);
    void checkTimeLimit();

    std::shared_ptr<Shared> shared_;
    QHash<QString, IconSource> answers_;
    QList<QPointer<QWidget>> waiting_;
    QTimer watch_;
    std::unique_ptr<QObject> receiver_;
    std::chrono::milliseconds timeLimit_;
    bool workerStarted_ = false; // the first question starts it, not the program's start
};

} // namespace platform
