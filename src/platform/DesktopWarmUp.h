// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class QWidget;

namespace platform {

// Readies what the first window needs from the desktop, on two threads at once. Qt reads the
// font configuration (dozens of XML files) the first time a widget measures its text, connects
// its accessibility bridge to the session bus the first time a widget changes, and loads every
// image format plugin the first time it reads a picture without being told its format. Made
// before the application object, this reads the fonts on a thread of its own while Qt connects
// to the display, and asks for the session bus at once. The program's own work that needs
// neither the fonts nor the program's thread is then taken by the fonts' thread while the window
// is built, and by the program's thread once it is free. The window's first paint reads no
// picture that would load the plugins; they are loaded once it has painted.
class DesktopWarmUp {
  public:
    using Task = std::function<void()>;

    // Starts reading the fonts, then runs `early` on the same thread, and asks for the session
    // bus. Made before the application object, so `early` must need none.
    explicit DesktopWarmUp(Task early = {});
    // A start that ends early (a second start hands over and leaves) still waits for the fonts.
    ~DesktopWarmUp();
    DesktopWarmUp(const DesktopWarmUp&) = delete;
    DesktopWarmUp& operator=(const DesktopWarmUp&) = delete;

    // Connects the accessibility bridge, then hands `beside` to the fonts' thread, which takes
    // the tasks in the order given, and returns at once.
    void share(std::vector<Task> beside = {});
    // Takes whatever the fonts' thread has not yet begun, readies the style's pictures, then
    // runs `ownThread` on the calling thread; returns once all of it and the fonts are done. Once
    // finished, a second call does nothing.
    void finish(const Task& ownThread = {});

    // Once the window has painted, loads the image plugins beside it, so that the first pictures
    // read afterwards find them loaded. The application waits for the load when it ends.
    static void loadImagePluginsOnceShown(QWidget* window);

  private:
    void readFontsThenShare();
    void takeTasks();

    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<Task> tasks_; // under mutex_
    std::size_t next_ = 0;    // under mutex_: the first task no thread has taken
    bool postedAll_ = false;  // under mutex_
    Task early_;
    QImage framePicture_; // read on either thread, kept on the program's once both are done
    std::thread thread_;  // last: it starts once the members above exist
};

} // namespace platform
