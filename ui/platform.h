// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The windowing platform. The windows' placement and raising matter to the
// program, and only X11 lets a program place and raise its own windows, so
// X11 (Xwayland on a Wayland desktop) comes first where an X display exists,
// native Wayland otherwise. A platform the user chose (-platform or
// QT_QPA_PLATFORM) always wins.
#pragma once

#include <string>
#include <vector>

namespace discone::ui {

// The platforms tried in turn when the user has chosen none.
inline constexpr char kPreferredPlatforms[] = "xcb;wayland";

// The program's arguments for its QApplication: as given, with
// "-platform xcb;wayland" added when the user chose no platform. Passed as
// arguments rather than set in the environment, so that programs the window
// starts (the browser) keep the user's own setting.
std::vector<std::string> argumentsWithPlatform(const std::vector<std::string>& arguments);

// The platform those arguments open: the last -platform value, else
// QT_QPA_PLATFORM.
std::string chosenPlatform(const std::vector<std::string>& arguments);

} // namespace discone::ui
