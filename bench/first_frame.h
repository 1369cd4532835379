// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start-up probes: print the monotonic clock, in nanoseconds, at two moments
// of the given window's start, on one line, then quit: when the window
// system first reports the window exposed, and once its first frame has been
// painted and flushed. The start-up benchmark runs a probe as a child process
// and subtracts its own clock reading taken just before it started the child.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace discone::bench {

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        // The expose event goes to the widget's QWindow, which a window shown
        // before the probe already has and a window not yet shown has not.
        QCoreApplication::instance()->installEventFilter(this);
        if (const QWindow* handle = window->windowHandle(); handle && handle->isExposed())
            exposedNs_ = nowNs();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && exposedNs_ == 0 && watched->isWindowType() &&
            static_cast<QWindow*>(watched) == window_->windowHandle() &&
            static_cast<QWindow*>(watched)->isExposed())
            exposedNs_ = nowNs();
        if (event->type() == QEvent::Paint && watched == window_ && !painted_) {
            painted_ = true;
            // Queued, so it runs after this paint has been flushed to the screen.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static long long nowNs() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    }
    void report() {
        const long long paintedNs = nowNs();
        std::printf("%lld %lld\n", exposedNs_, paintedNs); // 0: never exposed
        std::fflush(stdout);
        QCoreApplication::quit();
    }
    QWidget* window_;
    long long exposedNs_ = 0;
    bool painted_ = false;
};

} // namespace discone::bench
