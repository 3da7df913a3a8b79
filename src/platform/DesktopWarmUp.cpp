// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopWarmUp.h"

#include <QAccessible>
#include <QBuffer>
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

} // namespace

DesktopWarmUp::DesktopWarmUp() : thread_(&DesktopWarmUp::readFontsThenShare, this) {}

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

void DesktopWarmUp::finish(std::vector<Task> eitherThread, const Task& ownThread) {
    if (!thread_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        tasks_.emplace_back(loadImagePlugins);
        for (Task& task : eitherThread) {
            tasks_.push_back(std::move(task));
        }
        postedAll_ = true;
    }
    posted_.notify_one();
    // Asking whether accessibility is active makes Qt set up its bridge, bus connection and all.
    QAccessible::isActive();
    takeTasks();
    if (ownThread) {
        ownThread();
    }
    thread_.join();
}

} // namespace platform
