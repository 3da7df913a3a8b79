// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ApplicationMenu.h"

#include <QObject>
#include <functional>
#include <vector>

class QThread;

namespace installed {

// Reads the desktop's menu on a thread of its own, so that the window stays responsive while
// hundreds of entries are read, and hands the list over on the window's thread.
class MenuReader : public QObject {
    Q_OBJECT

  public:
    using WhenRead = std::function<void(std::vector<platform::DesktopApplication>)>;

    MenuReader(platform::ApplicationMenu& menu, WhenRead whenRead, QObject* parent = nullptr);
    // Waits for a read that has not ended: the thread must not outlive what it reads into.
    ~MenuReader() override;

  private:
    QThread* thread_ = nullptr;
    WhenRead whenRead_;
    std::vector<platform::DesktopApplication> applications_;
};

} // namespace installed
