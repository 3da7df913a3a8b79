// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace common {

// Which shortcuts point at nothing, asked of the file system beside the window's thread, so that
// a target that never answers (a hung network mount, a pipe) never holds the window: until its
// answer comes a target counts as there. The targets asked in one turn of the event loop are
// asked together, on a thread of their own. Answers are kept until forget(). Lives on the
// window's thread.
class MissingTargets : public QObject {
    Q_OBJECT

  public:
    explicit MissingTargets(platform::FileSystem& files, QObject* parent = nullptr);
    ~MissingTargets() override;

    // True once the file system has said that the shortcut's target is missing; otherwise asks
    // (once) and answered() follows the answer.
    bool isMissing(std::int16_t kind, const QString& path);
    // Forgets the answers, so that every target is asked again.
    void forget();

  Q_SIGNALS:
    // Answers for some targets have come.
    void answered();

  private:
    struct Shared;
    void askWaiting();
    void take(const QStringList& paths, const std::vector<platform::FileKind>& kinds);

    platform::FileSystem& files_;
    std::shared_ptr<Shared> shared_;
    QHash<QString, platform::FileKind> kinds_;
    // Asked and not answered yet: never asked twice, so that a target that hangs holds one
    // thread only.
    QSet<QString> asked_;
    QStringList waiting_;
};

} // namespace common
