// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <thread>

namespace platform {

// Readies what the first window needs from the desktop, two things at once. Qt connects its
// accessibility bridge to the session bus the first time a widget changes; where no session bus
// runs yet, that connection starts one and waits for it. Qt also reads the font configuration
// (dozens of XML files) the first time a widget measures its text, and loads every image format
// plugin the first time it reads a picture. Here the fonts are read on a thread of their own
// while the program's own thread connects and loads the plugins, so that the window's first
// widgets find all of it done instead of waiting for each in turn. Work of the program's own
// that its window will need may follow the fonts on that thread; none of it competes with the
// start of the application, when the program's own thread is busiest.
class DesktopWarmUp {
  public:
    // Starts the thread, which runs `alsoReady` last. Made once the application object exists.
    explicit DesktopWarmUp(std::function<void()> alsoReady = {});
    ~DesktopWarmUp();
    DesktopWarmUp(const DesktopWarmUp&) = delete;
    DesktopWarmUp& operator=(const DesktopWarmUp&) = delete;

    // Connects the accessibility bridge and loads the image plugins, then waits for the thread.
    void finish();

  private:
    std::thread thread_;
};

} // namespace platform
