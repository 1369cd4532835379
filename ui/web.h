// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web link window's link: the maker's page address, shown by the label
// without and passed to the desktop's launcher with a trailing "/".
#pragma once

namespace discone::ui {

// The page address, without a trailing "/".
inline constexpr char kPageAddress[] = "https://www.zorval.example";

// The desktop's own command that opens an address in the default browser.
inline constexpr char kLauncher[] = "xdg-open";

// Starts the launcher with the address and "/" as its one argument, detached
// and without a shell. Throws RuntimeError (PlatformFailure) if it cannot be
// started.
void lblWebPage_Click();

} // namespace discone::ui
