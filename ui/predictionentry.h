// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ways from the main window to the predicted SWR: the antenna diagram's
// context menu and tooltip, an entry at the top of the result boxes' edit
// menus, and Ctrl+R. Only these hooks are set up with the main window; the
// menus are made when they are asked for, and the prediction window when its
// entry is chosen.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <span>

class QMenu;

namespace discone::ui {

class TextBox;

// The entry's text, the same in every menu.
QString predictionEntryText();

// Offers `open` through `diagram`'s context menu, as the first entry of each
// of `boxes`' edit menus, and through Ctrl+R anywhere in `window`.
void offerPrediction(QWidget* window, QWidget* diagram, std::span<TextBox* const> boxes,
                     const std::function<void()>& open);

} // namespace discone::ui
