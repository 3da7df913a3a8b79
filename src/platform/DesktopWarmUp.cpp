// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopWarmUp.h"

#include <QAccessible>
#include <QBuffer>
#include <QDBusConnection>
#include <QImage>

#include <fontconfig/fontconfig.h>

namespace platform {

namespace {

// Fontconfig keeps the configuration it loads for the whole process, and Qt's font database
// asks it for that same configuration, so it is not read again. Were Qt to ask while this read
// is still going, each would read its own and Fontconfig keep one: only the time is lost.
void readFontConfiguration() {
    FcInit();
}

// Qt asks every image format plugin whether it reads a picture before it reads the first one,
// loading each plugin to ask; a one-pixel picture read here does that, on either thread: Qt
// hands each plugin it loads to the program's own thread.
void loadImagePlugins() {
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(1, 1, QImage::Format_ARGB32).save(&buffer, "PNG");
    }
    QImage::fromData(png, "PNG");
}

// Qt's accessibility bridge asks for the session bus on the desktop's platforms; where none runs,
// libdbus forks to start one. A fork costs more the more memory the program has written, and
// each page written before it is copied or faults again at its next write, so it is asked for
// now, while the program is small. A headless platform has no bridge and is left alone.
void askForSessionBus() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal")) {
        return;
    }
    QDBusConnection::sessionBus();
}

} // namespace

DesktopWarmUp::DesktopWarmUp(Task early)
    : early_(std::move(early)), thread_(&DesktopWarmUp::readFontsThenShare, this) {
    askForSessionBus();
}

DesktopWarmUp::~DesktopWarmUp() {
    if (thread_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            postedAll_ = true;
        }
        posted_.notify_one();
        thread_.join();
    }
}

void DesktopWarmUp::readFontsThenShare() {
    readFontConfiguration();
    if (early_) {
        early_();
    }
    {
        std::unique_lock lock(mutex_);
        posted_.wait(lock, [this] { return postedAll_; });
    }
    takeTasks();
}

void DesktopWarmUp::takeTasks() {
    for (;;) {
        Task task;
        {
            const std::lock_guard lock(mutex_);
            if (next_ == tasks_.size()) {
                return;
            }
            task = std::move(tasks_[next_++]);
        }
        task();
    }
}

void DesktopWarmUp::share(std::vector<Task> beside) {
    if (!thread_.joinable()) {
        return;
    }
    // Asking whether accessibility is active makes Qt set up its bridge, bus connection and all.
    QAccessible::isActive();
    {
        const std::lock_guard lock(mutex_);
        if (postedAll_) {
            return;
        }
        tasks_.emplace_back(loadImagePlugins);
        for (Task& task : beside) {
            tasks_.push_back(std::move(task));
        }
        postedAll_ = true;
    }
    posted_.notify_one();
}

void DesktopWarmUp::finish(const Task& ownThread) {
    if (!thread_.joinable()) {
        return;
    }
    share();
    takeTasks();
    if (ownThread) {
        ownThread();
    }
    thread_.join();
}

} // namespace platform
