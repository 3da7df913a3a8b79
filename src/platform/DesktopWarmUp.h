// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

// Readies what the first window needs from the desktop, on two threads at once. Qt connects its
// accessibility bridge to the session bus the first time a widget changes; where no session bus
// runs yet, that connection starts one and waits for it. Qt also reads the font configuration
// (dozens of XML files) the first time a widget measures its text, and loads every image format
// plugin the first time it reads a picture. Here the fonts are read on a thread of their own
// while the program's own thread connects the bridge. The plugins, and the program's own work
// that needs neither the fonts nor the program's thread, are then taken in turn by whichever
// thread is free first: which of the two is done first depends on the machine and the session.
class DesktopWarmUp {
  public:
    using Task = std::function<void()>;

    // Starts reading the fonts. Made once the application object exists.
    DesktopWarmUp();
    // A start that ends early (a second start hands over and leaves) still waits for the fonts.
    ~DesktopWarmUp();
    DesktopWarmUp(const DesktopWarmUp&) = delete;
    DesktopWarmUp& operator=(const DesktopWarmUp&) = delete;

    // Connects the accessibility bridge; the two threads then share the plugins' loading and
    // `eitherThread`, each task run once, taken in the order given (one may start before the one
    // before it ends); then runs `ownThread` on the calling thread.
    // Returns once all of it and the fonts are done. Once finished, a second call does nothing.
    void finish(std::vector<Task> eitherThread = {}, const Task& ownThread = {});

  private:
    void readFontsThenShare();
    void takeTasks();

    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<Task> tasks_; // under mutex_
    std::size_t next_ = 0;    // under mutex_: the first task no thread has taken
    bool postedAll_ = false;  // under mutex_
    std::thread thread_;      // last: it starts once the members above exist
};

} // namespace platform
