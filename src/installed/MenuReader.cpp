// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/MenuReader.h"

#include <QThread>

namespace installed {

MenuReader::MenuReader(platform::ApplicationMenu& menu, WhenRead whenRead, QObject* parent)
    : QObject(parent), whenRead_(std::move(whenRead)) {
    thread_ = QThread::create([this, &menu] { applications_ = menu.applications(); });
    // Delivered on this object's thread, once the reading thread has ended.
    connect(thread_, &QThread::finished, this, [this] { whenRead_(std::move(applications_)); });
    thread_->start();
}

MenuReader::~MenuReader() {
    thread_->wait();
    delete thread_;
}

} // namespace installed
