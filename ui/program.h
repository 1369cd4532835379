// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The running program: the record of the last frequency that calculated,
// `Module1`, with the unit it was shown in, the NEC-2 engine the prediction
// runs on, and the window registry, one slot per window kind, filled on
// first use. It lives as long as the program; the windows reach it through
// the reference each is built with. Showing a window builds it if it is not
// open (closing discards a window's controls, so it comes back with the texts
// of its table), then shows it modeless with no owner and brings it to the
// front with the focus.
#pragma once

#include "dimensions.h"
#include "formatter.h"
#include "nec2c.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>
#include <optional>

namespace discone::ui {

enum class WindowKind { Form1, Info, Web, Prediction };

// What the program tells the windows that follow the design.
class ProgramEvents : public QObject {
    Q_OBJECT
signals:
    // A calculation succeeded: Module1 and its unit are new.
    void designCalculated();
};

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Deletes the windows still open, which refer to the program.
    ~Program();

    // Shows the main window, as at the program's start.
    QWidget* start() { return showWindow(WindowKind::Form1); }

    // Shows the window of the given kind, building it first if it is not
    // open. Returns the window.
    QWidget* showWindow(WindowKind kind);

    // The open window of the given kind, or nullptr.
    QWidget* openWindow(WindowKind kind) const;

    // The last frequency that calculated and its dimensions; zero at start,
    // replaced only by a calculation that succeeds, and kept when every
    // window closes.
    DisconeDimensions Module1;

    // Records a calculation that succeeded, in the unit its results were
    // shown in, and tells the windows.
    void calculated(const DisconeDimensions& dimensions, Unit unit);
    // The unit of Module1; none before the first calculation.
    std::optional<Unit> designUnit() const { return designUnit_; }
    const ProgramEvents& events() const { return events_; }

    // The engine the prediction runs on: nec2c unless another is set (tests
    // set a stand-in); nullptr sets nec2c again. The engine must outlive the
    // windows' runs on it.
    const nec::Engine& engine() const { return *engine_; }
    void setEngine(const nec::Engine* engine) { engine_ = engine ? engine : &nec2c_; }

private:
    std::optional<Unit> designUnit_;
    ProgramEvents events_;
    nec::Nec2c nec2c_;
    const nec::Engine* engine_ = &nec2c_;

    // A closed window deletes itself, which empties its slot.
    std::map<WindowKind, QPointer<QWidget>> windows_;
};

} // namespace discone::ui
