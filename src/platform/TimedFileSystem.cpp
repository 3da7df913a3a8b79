// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TimedFileSystem.h"

#include <QHash>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace platform {

namespace {

// The folder a path names an entry of: "" for a name without a folder.
QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        return {};
    }
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

// One question, shared with the thread that answers it: the thread may outlive the question.
struct Call {
    std::condition_variable done;
    bool finished = false;
    bool givenUp = false;
    std::vector<FileKind> kinds;
    FileFacts facts;
};

} // namespace

struct TimedFileSystem::Shared {
    std::shared_ptr<FileSystem> inner;
    std::mutex mutex;
    QHash<QString, int> busy; // the folders answering threads are in, with how many are

    // Under the lock: whether a thread is still held in the path's folder or one above it.
    // The window only asks when the thread before has answered or been given up, so a busy
    // folder is one that hangs. The root is left out: one mount that hangs there must not hold
    // every other path.
    bool holds(const QString& path) const {
        if (busy.isEmpty()) {
            return false; // nothing hangs: the usual case, asked for every shortcut of a fill
        }
        if (busy.contains(path)) {
            return true;
        }
        for (QString folder = folderOf(path); !folder.isEmpty() && folder != QLatin1String("/");
             folder = folderOf(folder)) {
            if (busy.contains(folder)) {
                return true;
            }
        }
        return false;
    }
    void enter(const QString& folder) { ++busy[folder]; }
    void leave(const QString& folder) {
        if (--busy[folder] <= 0) {
            busy.remove(folder);
        }
    }

    // Starting a thread for each question costs more than most answers, so the thread that
    // answered last waits for the next question. A thread still held by a question that was
    // given up is not waiting, and the next question gets a thread of its own.
    std::function<void()> next; // the question handed to the waiting thread
    std::condition_variable handedOver;
    bool waiting = false; // whether a thread waits for a question
    bool closing = false;

    // Answers `question`, then waits for the next one, unless another thread already does.
    static void answerQuestions(const std::shared_ptr<Shared>& self,
                                std::function<void()> question) {
        std::unique_lock lock(self->mutex);
        while (question) {
            lock.unlock();
            question();
            lock.lock();
            if (self->waiting || self->closing) {
                return;
            }
            self->waiting = true;
            self->handedOver.wait(lock, [&] { return self->next || self->closing; });
            question = std::exchange(self->next, nullptr);
        }
    }

    // Runs `answer` beside the window's thread and waits at most `limit` for it to finish.
    // The thread keeps what it needs, so one held by the file system for good holds nothing
    // else.
    static void ask(const std::shared_ptr<Shared>& self, const std::shared_ptr<Call>& call,
                    std::function<void()> answer, std::chrono::milliseconds limit,
                    std::unique_lock<std::mutex>& lock) {
        std::function<void()> question = [self, call, answer = std::move(answer)] {
            answer();
            const std::lock_guard done(self->mutex);
            call->finished = true;
            call->done.notify_all();
        };
        if (self->waiting) {
            self->waiting = false;
            self->next = std::move(question);
            self->handedOver.notify_one();
        } else {
            std::thread(answerQuestions, self, std::move(question)).detach();
        }
        if (!call->done.wait_for(lock, limit, [&] { return call->finished; })) {
            call->givenUp = true;
        }
    }
};

TimedFileSystem::TimedFileSystem(std::shared_ptr<FileSystem> inner,
                                 std::chrono::milliseconds timeLimit)
    : shared_(std::make_shared<Shared>()), timeLimit_(timeLimit) {
    shared_->inner = std::move(inner);
}

TimedFileSystem::~TimedFileSystem() {
    const std::lock_guard lock(shared_->mutex);
    shared_->closing = true;
    shared_->handedOver.notify_all();
}

FileFacts TimedFileSystem::inspect(const QString& path) {
    auto call = std::make_shared<Call>();
    call->facts.kind = FileKind::Unanswered;
    std::unique_lock lock(shared_->mutex);
    if (shared_->holds(path)) {
        return call->facts;
    }
    const QString folder = folderOf(path);
    shared_->enter(folder);
    Shared::ask(
        shared_, call,
        [shared = shared_, call, path, folder] {
            const FileFacts facts = shared->inner->inspect(path);
            const std::lock_guard answered(shared->mutex);
            shared->leave(folder);
            call->facts = facts;
        },
        timeLimit_, lock);
    return call->facts;
}

FileKind TimedFileSystem::kindOf(const QString& path) {
    return kindsOf(QStringList{path}).front();
}

std::vector<FileKind> TimedFileSystem::kindsOf(const QStringList& paths) {
    auto call = std::make_shared<Call>();
    call->kinds.assign(static_cast<std::size_t>(paths.size()), FileKind::Unanswered);
    // Asked a folder at a time, so that the folders answered before one that hangs count.
    QList<std::pair<QString, QList<qsizetype>>> folders;
    QHash<QString, qsizetype> folderIndex;
    std::unique_lock lock(shared_->mutex);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (shared_->holds(paths[i])) {
            continue;
        }
        const QString folder = folderOf(paths[i]);
        auto found = folderIndex.constFind(folder);
        if (found == folderIndex.constEnd()) {
            found = folderIndex.insert(folder, folders.size());
            folders.append({folder, {}});
        }
        folders[*found].second.append(i);
    }
    if (folders.isEmpty()) {
        return call->kinds;
    }
    Shared::ask(
        shared_, call,
        [shared = shared_, call, paths, folders] {
            for (const auto& [folder, indexes] : folders) {
                {
                    const std::lock_guard check(shared->mutex);
                    if (call->givenUp) {
                        return;
                    }
                    shared->enter(folder);
                }
                QStringList some;
                for (const qsizetype i : indexes) {
                    some << paths[i];
                }
                const std::vector<FileKind> kinds = shared->inner->kindsOf(some);
                const std::lock_guard answered(shared->mutex);
                shared->leave(folder);
                for (qsizetype n = 0; n < indexes.size() && n < qsizetype(kinds.size()); ++n) {
                    call->kinds[static_cast<std::size_t>(indexes[n])] =
                        kinds[static_cast<std::size_t>(n)];
                }
            }
        },
        timeLimit_, lock);
    return call->kinds;
}

void TimedFileSystem::createFolder(const QString& path) {
    shared_->inner->createFolder(path);
}

void TimedFileSystem::copyFile(const QString& from, const QString& to) {
    shared_->inner->copyFile(from, to);
}

QString TimedFileSystem::readText(const QString& path) {
    return shared_->inner->readText(path);
}

} // namespace platform
