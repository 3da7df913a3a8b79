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
// widgets find all of it done instead of waiting for each in turn. The fonts take longest: work
// of the program's own that measures no text fills the wait, so that the fonts' thread ends
// no later than it must.
class DesktopWarmUp {
  public:
    // Starts reading the fonts. Made once the application object exists.
    DesktopWarmUp();
    ~DesktopWarmUp();
    DesktopWarmUp(const DesktopWarmUp&) = delete;
    DesktopWarmUp& operator=(const DesktopWarmUp&) = delete;

    // Connects the accessibility bridge, loads the image plugins and runs `meanwhile` on the
    // calling thread, then waits for the fonts. Once finished, a second call does nothing.
    void finish(const std::function<void()>& meanwhile = {});

  private:
    std::thread thread_;
};

} // namespace platform
