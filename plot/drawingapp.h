// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Drawing text needs a QGuiApplication. A DrawingApplication makes sure one
// exists while it lives: the program's own when it has one, otherwise one of
// its own on the offscreen platform, which needs no display, says nothing on
// standard error and leaves nothing behind when it is deleted. Make it on the
// main thread, and only one at a time.
#pragma once

#include <memory>

namespace discone::plot {

class DrawingApplication {
public:
    // Throws PlotError when the program has an application object that
    // cannot draw (a plain QCoreApplication).
    DrawingApplication();
    ~DrawingApplication();
    DrawingApplication(const DrawingApplication&) = delete;
    DrawingApplication& operator=(const DrawingApplication&) = delete;

private:
    struct Own;
    std::unique_ptr<Own> own_;
};

} // namespace discone::plot
