// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopWarmUp.h"

#include <QAccessible>
#include <QBuffer>
#include <QDBusConnection>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <fontconfig/fontconfig.h>

namespace platform {

namespace {

// A number's bytes in memory order, each as two hexadecimal digits, low one first: how Qt writes
// the numbers in its keys for pictures read from files.
template <typename Number> QString hexOf(Number value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    QString text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        text += QLatin1Char(kDigits[bytes[i] & 0xf]);
        text += QLatin1Char(kDigits[bytes[i] >> 4]);
    }
    return text;
}

// Fontconfig keeps the configuration it loads for the whole process, and Qt's font database
// asks it for that same configuration, so it is not read again. Were Qt to ask while this read
// is still going, each would read its own and Fontconfig keep one: only the time is lost.
void readFontConfiguration() {
    FcInit();
}

// Qt asks every image format plugin whether it reads a picture before it reads the first one,
// loading each plugin to ask; a one-pixel picture read here does that, on any thread: Qt hands
// each plugin it loads to the program's own thread.
void loadImagePlugins() {
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(1, 1, QImage::Format_ARGB32).save(&buffer, "PNG");
    }
    QImage::fromData(png, "PNG");
}

// Qt's own style draws a frame's border from a picture it reads by name, and reading it would
// load every image plugin on the program's thread during the window's first paint. The picture
// is read ahead without asking them and kept where Qt looks first: under the key Qt gives a
// picture read from a file (its path, time, size and kind). Should Qt name it otherwise, it is
// read as before.
const QString kFramePicture =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

QImage readFramePicture() {
    QImageReader reader(kFramePicture, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Pictures are kept on the program's thread only.
void keepFramePicture(const QImage& picture) {
    const QFileInfo info(kFramePicture);
    if (picture.isNull() || !info.exists()) {
        return;
    }
    constexpr unsigned kPixmapKind = 0; // Qt's kind for a pixmap, as opposed to a bitmap
    const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
                        hexOf(static_cast<quint32>(info.lastModified().toSecsSinceEpoch())) +
                        hexOf(static_cast<quint64>(info.size())) + hexOf(quint32{kPixmapKind});
    QPixmapCache::insert(key, QPixmap::fromImage(picture));
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
        for (Task& task : beside) {
            tasks_.push_back(std::move(task));
        }
        tasks_.emplace_back([this] { framePicture_ = readFramePicture(); });
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
    thread_.join();
    keepFramePicture(framePicture_);
    if (ownThread) {
        ownThread();
    }
}

void DesktopWarmUp::loadImagePluginsOnceShown(QWidget* window) {
    // Waits for the window's first paint, then loads the plugins beside it.
    class FirstPaint : public QObject {
      public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    QThreadPool::globalInstance()->start(loadImagePlugins);
                    deleteLater();
                });
            }
            return false;
        }
    };
    window->installEventFilter(new FirstPaint(window));
}

} // namespace platform
