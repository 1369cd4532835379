// Start-up probes: print the monotonic clock, in nanoseconds, once the given
// window's first frame has been painted and flushed, then quit. The start-up
// benchmark runs a probe as a child process and subtracts its own clock
// reading taken just before it started the child.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace discone::bench {

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so it runs after this paint has been flushed to the screen.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::quit();
    }
    bool seen_ = false;
};

} // namespace discone::bench
