// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one kind of failure of the chart library: a picture that could not be
// drawn or written. Its message is one line and names the file.
#pragma once

#include <stdexcept>

namespace discone::plot {

class PlotError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace discone::plot
