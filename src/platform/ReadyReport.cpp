// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadyReport.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace platform {

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool staysOpen() {
    return qgetenv("VANTORY_REPORT_READY") == "open";
}

// Waits for the panel's next paint, then for the event loop to run dry; one report a request.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget* panel) : QObject(panel), panel_(panel) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, panel_, [panel = panel_, watch = this] {
                std::printf("shown %lld\n", monotonicNanoseconds());
                std::fflush(stdout);
                panel->removeEventFilter(watch);
                panel->close();
                watch->deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* panel_;
    bool reported_ = false;
};

// Waits for the window's first expose, then for the event loop to run dry.
class ExposeWatch : public QObject {
  public:
    explicit ExposeWatch(QWidget* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !reported_ && window_->windowHandle() &&
            window_->windowHandle()->isExposed()) {
            reported_ = true;
            QTimer::singleShot(0, window_, [window = window_] {
                std::printf("ready %lld\n", monotonicNanoseconds());
                if (!staysOpen()) {
                    std::printf("closing %lld\n", monotonicNanoseconds());
                }
                std::fflush(stdout);
                if (!staysOpen()) {
                    window->close();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    bool reported_ = false;
};

} // namespace

void reportWhenReady(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("VANTORY_REPORT_READY")) {
        return;
    }
    window->winId(); // makes the native window, so its events can be watched
    window->windowHandle()->installEventFilter(new ExposeWatch(window));
}

void reportWhenShown(QWidget* panel) {
    if (panel == nullptr || !staysOpen()) {
        return;
    }
    panel->installEventFilter(new PaintWatch(panel));
}

} // namespace platform
