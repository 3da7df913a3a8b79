// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MissingTargets.h"

#include "common/ShortcutIcon.h"

#include <QMetaObject>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace common {

// What the window's thread shares with the threads asking; one held by a file system that never
// answers may outlive the window.
struct MissingTargets::Shared {
    std::mutex mutex;
    std::condition_variable finished;
    MissingTargets* receiver = nullptr; // null once the window's side has gone
    int asking = 0;                     // threads still asking
};

MissingTargets::MissingTargets(platform::FileSystem& files, QObject* parent)
    : QObject(parent), files_(files), shared_(std::make_shared<Shared>()) {
    shared_->receiver = this;
}

MissingTargets::~MissingTargets() {
    std::unique_lock lock(shared_->mutex);
    // A file system that answers at all answers in far less; one that hangs is left behind.
    shared_->finished.wait_for(lock, std::chrono::milliseconds(250),
                               [&] { return shared_->asking == 0; });
    shared_->receiver = nullptr;
}

bool MissingTargets::isMissing(std::int16_t kind, const QString& path) {
    if (!kindHasFileTarget(kind)) {
        return false;
    }
    const auto known = kinds_.constFind(path);
    if (known != kinds_.constEnd()) {
        return targetIsMissing(kind, path, *known);
    }
    if (!asked_.contains(path)) {
        asked_.insert(path);
        if (waiting_.isEmpty()) {
            QMetaObject::invokeMethod(this, &MissingTargets::askWaiting, Qt::QueuedConnection);
        }
        waiting_ << path;
    }
    return false;
}

void MissingTargets::forget() {
    kinds_.clear();
}

void MissingTargets::askWaiting() {
    if (waiting_.isEmpty()) {
        return;
    }
    // Detached: a thread held by a file system that never answers must not hold the program's
    // end either. The file system is the program's, which lives as long as the program.
    {
        const std::lock_guard lock(shared_->mutex);
        ++shared_->asking;
    }
    std::thread([shared = shared_, files = &files_, paths = std::exchange(waiting_, {})] {
        std::vector<platform::FileKind> kinds = files->kindsOf(paths);
        const std::lock_guard lock(shared->mutex);
        if (shared->receiver != nullptr) {
            QMetaObject::invokeMethod(
                shared->receiver,
                [receiver = shared->receiver, paths, kinds = std::move(kinds)] {
                    receiver->take(paths, kinds);
                },
                Qt::QueuedConnection);
        }
        --shared->asking;
        shared->finished.notify_all();
    }).detach();
}

void MissingTargets::take(const QStringList& paths, const std::vector<platform::FileKind>& kinds) {
    for (qsizetype i = 0; i < paths.size() && static_cast<std::size_t>(i) < kinds.size(); ++i) {
        kinds_.insert(paths[i], kinds[static_cast<std::size_t>(i)]);
        asked_.remove(paths[i]);
    }
    Q_EMIT answered();
}

} // namespace common
