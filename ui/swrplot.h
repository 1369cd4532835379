// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep as a picture file: SWR on a linear axis from 1 (to at least
// 5), frequency on a logarithmic axis, the SWR 2 line, the entered frequency
// marked and a title. Works without a display: when no QGuiApplication
// exists, one on the offscreen platform is made for the drawing.
#pragma once

#include "sweep.h"

#include <QString>

#include <stdexcept>

namespace discone::ui {

// The file could not be written, or its name ends in neither .svg nor .png;
// the message is one line.
class PlotError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `fileName` as SVG (name ending in .svg) or PNG (.png), through a
// temporary file beside it that replaces it only when complete. `title`
// names the design, for example "Discone for 146 MHz: 16 wires of 2 mm".
void writeSwrPlot(const nec::Sweep& sweep, const QString& title, const QString& fileName);

} // namespace discone::ui
