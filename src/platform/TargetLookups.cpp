// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TargetLookups.h"

#include <QMetaObject>
#include <QScopeGuard>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

QString keyOf(TargetIcons::Target target, const QString& path) {
    return QString::number(static_cast<int>(target)) + QLatin1Char(':') + path;
}

} // namespace

// What the window's thread and the lookup threads share; a thread that is given up may hold it
// long after the window has gone.
struct TargetLookups::Shared {
    struct Request {
        TargetIcons::Target target;
        QString path;
        QString key;
    };
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable ended; // told when a thread has ended
    int running = 0;               // threads started and not yet ended, given up or not
    std::deque<Request> queue;
    QObject* receiver = nullptr; // null once the lookups are gone
    Locate locate;
    int worker = 0;            // the thread that takes requests; others have been given up
    QString current;           // the key the worker is looking up, "" when it waits
    Clock::time_point started; // when it began
    QHash<QString, bool> asked;

    void post(const QString& key, const IconSource& source,
              const std::function<void(const QString&, const IconSource&)>& take) {
        // Under the lock: the receiver cannot go away while the answer is posted to it.
        if (receiver != nullptr) {
            QMetaObject::invokeMethod(
                receiver, [take, key, source] { take(key, source); }, Qt::QueuedConnection);
        }
    }
};

TargetLookups::TargetLookups(Locate locate, std::chrono::milliseconds timeLimit)
    : shared_(std::make_shared<Shared>()), receiver_(std::make_unique<QObject>()),
      timeLimit_(timeLimit) {
    shared_->receiver = receiver_.get();
    shared_->locate = std::move(locate);
    watch_.setInterval(
        std::max<std::chrono::milliseconds>(timeLimit / 4, std::chrono::milliseconds(10)));
    QObject::connect(&watch_, &QTimer::timeout, receiver_.get(), [this] { checkTimeLimit(); });
}

TargetLookups::~TargetLookups() {
    std::unique_lock lock(shared_->mutex);
    shared_->receiver = nullptr;
    shared_->worker = -1; // every thread ends with the lookup it is in
    shared_->queue.clear();
    shared_->wake.notify_all();
    // A lookup under way is waited for, up to the time limit: a thread still inside Qt's file
    // and type code as the program ends would find it torn down under it. One that a file
    // system holds longer waits in the system, and is left.
    shared_->ended.wait_for(lock, timeLimit_, [this] { return shared_->running == 0; });
}

void TargetLookups::startWorker() {
    int id = 0;
    {
        const std::lock_guard lock(shared_->mutex);
        id = ++shared_->worker;
        shared_->current.clear();
        ++shared_->running;
    }
    shared_->wake.notify_all(); // a thread given up while it waited ends now
    TargetLookups* self = this;
    const auto take = [self](const QString& key, const IconSource& source) {
        self->takeAnswer(key, source);
    };
    // Detached: a thread held by a file system that never answers must not hold the program's
    // end beyond the time limit either.
    std::thread([shared = shared_, id, take] {
        // Counted out last, once the locator has gone too.
        const auto countedOut = qScopeGuard([&shared] {
            const std::lock_guard lock(shared->mutex);
            --shared->running;
            shared->ended.notify_all();
        });
        IconLocator locator;
        std::unique_lock lock(shared->mutex);
        for (;;) {
            shared->wake.wait(lock, [&] { return shared->worker != id || !shared->queue.empty(); });
            if (shared->worker != id) {
                return;
            }
            const Shared::Request request = shared->queue.front();
            shared->queue.pop_front();
            shared->current = request.key;
            shared->started = Clock::now();
            lock.unlock();
            const IconSource source = shared->locate ? shared->locate(request.target, request.path)
                                                     : locator.locate(request.target, request.path);
            lock.lock();
            if (shared->worker != id) {
                return; // given up: the target keeps its kind's picture
            }
            shared->current.clear();
            shared->post(request.key, source, take);
        }
    }).detach();
}

std::optional<IconSource> TargetLookups::answer(TargetIcons::Target target, const QString& path,
                                                QWidget* repaint) {
    const QString key = keyOf(target, path);
    const auto found = answers_.constFind(key);
    if (found != answers_.constEnd()) {
        return *found;
    }
    if (repaint != nullptr && !waiting_.contains(repaint)) {
        waiting_.append(repaint);
    }
    {
        const std::lock_guard lock(shared_->mutex);
        if (shared_->asked.contains(key)) {
            return std::nullopt;
        }
        shared_->asked.insert(key, true);
        shared_->queue.push_back({target, path, key});
    }
    if (!workerStarted_) {
        workerStarted_ = true;
        startWorker();
    }
    shared_->wake.notify_all();
    if (!watch_.isActive()) {
        watch_.start();
    }
    return std::nullopt;
}

bool TargetLookups::pending() const {
    const std::lock_guard lock(shared_->mutex);
    return !shared_->queue.empty() || !shared_->current.isEmpty();
}

void TargetLookups::takeAnswer(const QString& key, const IconSource& source) {
    answers_.insert(key, source);
    // Painted again once the answers that came together are all in.
    QTimer::singleShot(0, receiver_.get(), [this] {
        const QList<QPointer<QWidget>> widgets = std::exchange(waiting_, {});
        for (const QPointer<QWidget>& widget : widgets) {
            if (widget) {
                widget->update();
            }
        }
    });
}

void TargetLookups::checkTimeLimit() {
    QString givenUp;
    {
        const std::lock_guard lock(shared_->mutex);
        if (shared_->current.isEmpty()) {
            if (shared_->queue.empty()) {
                watch_.stop();
            }
            return;
        }
        if (Clock::now() - shared_->started < timeLimit_) {
            return;
        }
        givenUp = shared_->current;
    }
    startWorker();
    takeAnswer(givenUp, IconSource{});
}

} // namespace platform
