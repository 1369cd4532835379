// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What screen readers learn about the windows beyond Qt's own interfaces:
// each window is a window or a dialog named by its title, a picture box is a
// named graphic that a screen reader does not offer to focus (the keyboard
// still does), the web address is a link whose press action opens the page
// as a click does, and a multi-line box is one editable text with no
// children.
#pragma once

namespace discone::ui {

// Registers the interfaces with Qt's accessibility. Safe to call more than
// once; call before the first window is built.
void installAccessibleInterfaces();

} // namespace discone::ui
