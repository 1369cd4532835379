// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// From the diagram's "Predicted SWR…" entry to the prediction window's first
// complete SWR curve on screen, for the default design (146 MHz in inches,
// 16 rods of 2 mm) through nec2c: the main window is calculated once, then
// each run chooses the entry, waits for the sweep and the curve's first
// painted frame, and closes the window again. The first run, which also
// loads what the window needs, and the median, fastest and slowest of all
// runs are printed. Then, in each run, every view is switched to in turn,
// from the tab's change to the view's first painted frame, its chart drawn
// (the pattern's placeholder, as its pattern is computed off the UI
// thread): the median and the slowest switch are printed. What the window
// remembers goes to a scratch folder.
//
// Usage: bench_prediction [runs]   (default 11; QT_QPA_PLATFORM defaults to
// offscreen when there is no display)
#include "app.h"
#include "predictionwindow.h"
#include "program.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using discone::ui::PredictionWindow;

// Ends `loop` once `view` has painted after the sweep is done, the paint
// flushed.
class CurvePainted : public QObject {
public:
    CurvePainted(PredictionWindow* window, QWidget* view, QEventLoop& loop)
        : window_(window), loop_(loop) {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && window_->state() == PredictionWindow::State::Done)
            QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
        return false;
    }

private:
    PredictionWindow* window_;
    QEventLoop& loop_;
};

// Ends `loop` once `view` has painted.
class Painted : public QObject {
public:
    Painted(QWidget* view, QEventLoop& loop) : loop_(loop) { view->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
        return false;
    }

private:
    QEventLoop& loop_;
};

// Opens the diagram's context menu and chooses its first entry.
void chooseEntry(QWidget* diagram) {
    const QPoint at = diagram->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, diagram->mapToGlobal(at));
    QApplication::sendEvent(diagram, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        std::fprintf(stderr, "the diagram has no context menu\n");
        std::exit(1);
    }
    QAction* entry = menu->actions().constFirst();
    menu->close();
    entry->trigger();
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    discone::ui::Application app(argc, argv);
    discone::ui::Program program;
    QWidget* form = program.start();
    form->findChild<QLineEdit*>(QStringLiteral("Text14"))->setText(QStringLiteral("146"));
    form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QWidget* diagram = form->findChild<QWidget*>(QStringLiteral("Picture1"));

    std::vector<double> ms, switches;
    double first = 0;
    for (int i = 0; i < runs; ++i) {
        QEventLoop loop;
        QElapsedTimer clock;
        clock.start();
        chooseEntry(diagram);
        auto* window =
            static_cast<PredictionWindow*>(program.openWindow(discone::ui::WindowKind::Prediction));
        CurvePainted painted(window, window->findChild<QWidget*>(QStringLiteral("swrView")), loop);
        QTimer::singleShot(60'000, &loop, [&] {
            std::fprintf(stderr, "no curve within a minute\n");
            std::exit(1);
        });
        loop.exec();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        if (i == 0)
            first = ms.back();
        auto* views = window->findChild<QTabWidget*>(QStringLiteral("views"));
        for (int tab : {1, 2, 3, 4, 0}) {
            QEventLoop shown;
            Painted painted(views->widget(tab), shown);
            QElapsedTimer switching;
            switching.start();
            views->setCurrentIndex(tab);
            shown.exec();
            switches.push_back(switching.nsecsElapsed() / 1e6);
        }
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("menu entry to the first SWR curve, %d runs (%s): first %.0f ms, median %.0f ms, "
                "fastest %.0f ms, slowest %.0f ms (goal: under 1000 ms)\n",
                runs, std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "display",
                first, ms[ms.size() / 2], ms.front(), ms.back());
    std::sort(switches.begin(), switches.end());
    std::printf("switching views, %zu switches: median %.1f ms, slowest %.1f ms (goal: under 50 "
                "ms)\n",
                switches.size(), switches[switches.size() / 2], switches.back());
    return 0;
}
