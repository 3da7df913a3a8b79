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
// loading each plugin to ask; a one-pixel picture read here does that. The loaded plugins belong
// to the program's own thread, as if that thread had loaded them.
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

DesktopWarmUp::DesktopWarmUp() : thread_(readFontConfiguration) {}

DesktopWarmUp::~DesktopWarmUp() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void DesktopWarmUp::finish(const std::function<void()>& meanwhile) {
    if (!thread_.joinable()) {
        return;
    }
    // Asking whether accessibility is active makes Qt set up its bridge, bus connection and all.
    QAccessible::isActive();
    // The fonts take the thread longer than the bridge takes this one: the plugins load here
    // in the meantime, then the program's own work.
    loadImagePlugins();
    if (meanwhile) {
        meanwhile();
    }
    thread_.join();
}

} // namespace platform
